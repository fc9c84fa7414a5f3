// The file form of the input statements: "#n,name,name..." reads one field per
// name from a disk file or a serial port. The input statement (fields mode)
// and line input (line mode) hand their "#" texts here.
#pragma once
#include <string>
#include <string_view>

namespace tess {

struct Exec;
class OpenFile;

// Reads the fields of "#d,list" (blanks already stripped) into the names.
// A bad digit is error 5; end of file before a field, or a failed read, error 7.
void input_from_file(Exec& ex, std::string_view args, bool line_mode);

// One field of a disk file: up to a zero byte, a ',' (fields mode) or a "\r"
// (a "\n" after it consumed, any other byte left to be read again), at most
// 8192 bytes. False at end of file before the first byte.
bool read_file_field(OpenFile& file, bool line_mode, std::string& field);

// One field taken from a serial receive buffer holding a "\r" (or full): the
// bytes up to the "\r" (or ',' in fields mode); the buffer keeps what follows
// the terminator, less one "\n" right after it.
std::string take_buffered_field(std::string& buffer, bool line_mode);

}  // namespace tess
