// Character messages of the program's windows as a code page 932 window would
// get them. The windows are Unicode windows, so a typed character arrives as one
// UTF-16 unit; programs, the typed input and the last key expect the bytes of
// code page 932, a double-byte character as two messages, lead byte first.
#pragma once
#include <cstdint>
#include <vector>

namespace tess {

inline constexpr uint32_t kCharMessage = 0x0102;        // WM_CHAR
inline constexpr uint32_t kDeadCharMessage = 0x0103;    // WM_DEADCHAR
inline constexpr uint32_t kSysCharMessage = 0x0106;     // WM_SYSCHAR
inline constexpr uint32_t kSysDeadCharMessage = 0x0107; // WM_SYSDEADCHAR
inline constexpr uint32_t kImeCharMessage = 0x0286;     // WM_IME_CHAR

// The wParam values the message stands for: for the character messages one per
// byte of the character's code page form; for WM_IME_CHAR one, a double-byte
// character with its lead byte in the high byte; for every other message the
// wParam unchanged.
std::vector<uint64_t> code_page_wparams(uint32_t message, uint64_t wparam);

}  // namespace tess
