// The handlers of the core's own statements (control flow, threads, traps, data,
// declarations, assignment). Every interpreter installs them itself, so the
// runner's plans for these codes always have a handler behind them.
#pragma once
#include <string_view>

#include "interp/flow_handlers.h"
#include "interp/handler_table.h"
#include "interp/value_handlers.h"

namespace tess {

struct Exec;

void stmt_nothing(Exec&, std::string_view args);
void stmt_beep(Exec&, std::string_view args);

inline constexpr StatementHandler kCoreStatements[] = {
    {Stmt::kKey, stmt_key_trap},        {Stmt::kMouse, stmt_mouse_trap},   {Stmt::kRun, stmt_restart},
    {Stmt::kIf, stmt_conditional},      {Stmt::kGoto, stmt_jump},          {Stmt::kGosub, stmt_call},
    {Stmt::kReturn, stmt_return},       {Stmt::kOn, stmt_computed_branch}, {Stmt::kFor, stmt_loop_head},
    {Stmt::kNext, stmt_loop_end},       {Stmt::kExit, stmt_clearing_jump}, {Stmt::kWhile, stmt_loop_test},
    {Stmt::kWend, stmt_plain_jump},     {Stmt::kThread, stmt_thread},      {Stmt::kClear, stmt_reset},
    {Stmt::kDim, stmt_declare},         {Stmt::kErase, stmt_erase},        {Stmt::kDefint, stmt_type_default},
    {Stmt::kData, stmt_nothing},        {Stmt::kRead, stmt_read},          {Stmt::kRestore, stmt_restore},
    {Stmt::kSwap, stmt_swap},           {Stmt::kBeep, stmt_beep},          {Stmt::kDef, stmt_def},
    {Stmt::kEnd, stmt_end},             {Stmt::kLet, stmt_let},            {Stmt::kMid, stmt_replace_part},
    {Stmt::kNop, stmt_nothing},         {Stmt::kWait, stmt_wait},
};

}  // namespace tess
