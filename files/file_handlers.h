// Statement handlers of the file subsystem: the file table, records, the write
// statement and file management.
#pragma once
#include <string_view>

namespace tess {

struct Exec;

void stmt_open(Exec&, std::string_view args);
void stmt_close(Exec&, std::string_view args);
void stmt_write(Exec&, std::string_view args);

void stmt_field(Exec&, std::string_view args);
void stmt_lset(Exec&, std::string_view args);
void stmt_rset(Exec&, std::string_view args);
// The record read and write halves of the get and put statements are declared
// with their routers in graphics/shared_code_routers.h.

void stmt_chdir(Exec&, std::string_view args);
void stmt_copy(Exec&, std::string_view args);
void stmt_kill(Exec&, std::string_view args);
void stmt_mkdir(Exec&, std::string_view args);
void stmt_name(Exec&, std::string_view args);
void stmt_files(Exec&, std::string_view args);

}  // namespace tess
