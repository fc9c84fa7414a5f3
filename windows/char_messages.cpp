#include "windows/char_messages.h"

#include <string>

#include "system/cp932.h"

namespace tess {
namespace {

bool is_character_message(uint32_t message) {
  return message == kCharMessage || message == kDeadCharMessage || message == kSysCharMessage ||
         message == kSysDeadCharMessage;
}

}  // namespace

std::vector<uint64_t> code_page_wparams(uint32_t message, uint64_t wparam) {
  if (!is_character_message(message) && message != kImeCharMessage) return {wparam};
  const std::string form = cp932::form_of(static_cast<char16_t>(wparam & 0xFFFF));
  std::vector<uint64_t> out;
  if (message == kImeCharMessage) {
    uint64_t value = 0;
    for (const char byte : form) value = (value << 8) | static_cast<uint8_t>(byte);
    out.push_back(value);
  } else {
    for (const char byte : form) out.push_back(static_cast<uint8_t>(byte));
  }
  return out;
}

}  // namespace tess
