// Statement handlers of the file subsystem: the file table, records, the write
// statement and file management.
#pragma once
#include <string_view>

#include "interp/handler_table.h"

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

// The file statements.
inline constexpr StatementHandler kFileStatements[] = {
    {Stmt::kOpen, stmt_open},
    {Stmt::kClose, stmt_close},
    {Stmt::kField, stmt_field},
    {Stmt::kLset, stmt_lset},
    {Stmt::kRset, stmt_rset},
    {Stmt::kWrite, stmt_write},
    {Stmt::kChdir, stmt_chdir},
    {Stmt::kCopy, stmt_copy},
    {Stmt::kKill, stmt_kill},
    {Stmt::kMkdir, stmt_mkdir},
    {Stmt::kName, stmt_name},
    {Stmt::kFiles, stmt_files},
};

}  // namespace tess
