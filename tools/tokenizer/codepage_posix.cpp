#include <iconv.h>

#include "tools/tokenizer/codepage.h"

namespace tess::tok {
namespace {

// One descriptor per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

}  // namespace

bool utf8_char_to_cp932(std::string_view ch, std::string& out) {
  thread_local Converter converter("CP932", "UTF-8");
  if (!converter.ok()) return false;
  char buffer[8];
  char* in = const_cast<char*>(ch.data());
  std::size_t in_left = ch.size(), out_left = sizeof buffer;
  char* dst = buffer;
  iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter.get(), &in, &in_left, &dst, &out_left) == static_cast<std::size_t>(-1)) return false;
  out.append(buffer, static_cast<std::size_t>(dst - buffer));
  return true;
}

std::string cp932_to_utf8_text(std::string_view bytes) {
  thread_local Converter converter("UTF-8", "CP932");
  if (!converter.ok()) return std::string(bytes);
  std::string out(bytes.size() * 3 + 4, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t in_left = bytes.size(), out_left = out.size();
  char* dst = out.data();
  iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
  while (in_left > 0) {
    if (iconv(converter.get(), &in, &in_left, &dst, &out_left) == static_cast<std::size_t>(-1)) {
      *dst++ = *in++;  // keep an unconvertible byte as it is
      --in_left, --out_left;
    }
  }
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace tess::tok
