// The date and time functions: the local clock, written with two-digit fields.
#include <cstdio>
#include <ctime>

#include "system/clock_text.h"
#include "system/system_builtins.h"

namespace tess {
namespace {

std::tm local_now() {
  const std::time_t now = std::time(nullptr);
  std::tm fields{};
#ifdef _WIN32
  localtime_s(&fields, &now);
#else
  localtime_r(&now, &fields);
#endif
  return fields;
}

}  // namespace

std::string date_text(int year, int month, int day) {
  char text[48];
  std::snprintf(text, sizeof text, "%d/%02d/%02d", year, month, day);
  return text;
}

std::string time_text(int hour, int minute, int second) {
  char text[48];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
  return text;
}

std::string fn_date(Interpreter&, std::string_view) {
  const std::tm t = local_now();
  return "\"" + date_text(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday) + "\"";
}

std::string fn_time(Interpreter&, std::string_view) {
  const std::tm t = local_now();
  return "\"" + time_text(t.tm_hour, t.tm_min, t.tm_sec) + "\"";
}

}  // namespace tess
