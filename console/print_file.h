// "print #n": the bytes a print statement writes to a file slot.
#pragma once
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

// The output text (escaped, "\n" last when the statement ends its line) as file
// bytes: escapes decoded with zero bytes kept; the line end becomes "\r\n", or
// "\r" alone on a slot open on a serial port.
std::string file_bytes(std::string_view output, bool serial);

// Writes the output of a print statement to file slot 0-8 (the file table
// decides the slot's handle and serial flag; a failed write is error 7).
void print_to_file(Interpreter& in, int slot, std::string_view output);

}  // namespace tess
