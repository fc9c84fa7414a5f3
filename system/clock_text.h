// Date and time as the date and time functions write them.
#pragma once
#include <string>

namespace tess {

std::string date_text(int year, int month, int day);     // YYYY/MM/DD
std::string time_text(int hour, int minute, int second);  // HH:MM:SS

}  // namespace tess
