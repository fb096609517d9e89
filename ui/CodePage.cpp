#include "ui/CodePage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace {

constexpr unsigned kGbk = 936;
constexpr unsigned kUtf8 = 65001;

#ifdef _WIN32

TConversion Convert(std::string_view text, unsigned from, unsigned to) {
  const TWideConversion wide = CodePageToWide(text, from);
  TConversion result = WideToCodePage(wide.Text, to);
  result.Exact = result.Exact && wide.Exact;
  return result;
}

#else

// glibc's iconv, one descriptor per call.
class TIconv {
 public:
  TIconv(const char* to, const char* from) : FHandle(iconv_open(to, from)) {}
  ~TIconv() {
    if (Valid()) iconv_close(FHandle);
  }
  TIconv(const TIconv&) = delete;
  TIconv& operator=(const TIconv&) = delete;
  bool Valid() const { return FHandle != reinterpret_cast<iconv_t>(-1); }
  iconv_t Get() const { return FHandle; }

 private:
  iconv_t FHandle;
};

TConversion Convert(std::string_view text, unsigned from, unsigned to) {
  TConversion result;
  TIconv cd(to == kGbk ? "GBK" : "UTF-8", from == kGbk ? "GBK" : "UTF-8");
  if (!cd.Valid()) {
    result.Text.assign(text.size(), '?');
    result.Exact = text.empty();
    return result;
  }
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char buffer[256];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t done = iconv(cd.Get(), &in, &inLeft, &out, &outLeft);
    result.Text.append(buffer, static_cast<std::size_t>(out - buffer));
    if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // An invalid or unconvertible sequence (EILSEQ), or one cut off at the
    // end (EINVAL): one byte of it becomes '?' and conversion goes on.
    result.Exact = false;
    result.Text += '?';
    ++in;
    --inLeft;
  }
  return result;
}

#endif

}  // namespace

TConversion Utf8ToGbk(std::string_view utf8) { return Convert(utf8, kUtf8, kGbk); }

TConversion GbkToUtf8(std::string_view gbk) { return Convert(gbk, kGbk, kUtf8); }

#ifdef _WIN32

// Invalid input makes the strict call fail; the text is then converted again
// leniently (the system substitutes bad sequences) and marked inexact.
TWideConversion CodePageToWide(std::string_view text, unsigned codePage) {
  TWideConversion result;
  if (text.empty()) return result;
  const int size = static_cast<int>(text.size());
  int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  DWORD flags = MB_ERR_INVALID_CHARS;
  if (n == 0) {
    result.Exact = false;
    flags = 0;
    n = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  }
  result.Text.assign(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), size, result.Text.data(), n);
  return result;
}

TConversion WideToCodePage(std::wstring_view wide, unsigned codePage) {
  TConversion result;
  if (wide.empty()) return result;
  const int size = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  // UTF-8 takes no default character: every UTF-16 unit has a UTF-8 form.
  BOOL* used = codePage == kUtf8 ? nullptr : &usedDefault;
  const char* fallback = codePage == kUtf8 ? nullptr : "?";
  const int n = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, fallback, used);
  result.Text.assign(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, result.Text.data(), n, fallback, used);
  result.Exact = !usedDefault;
  return result;
}

#endif

bool IsExactGbk(std::string_view gbk) {
  const TConversion unicode = GbkToUtf8(gbk);
  if (!unicode.Exact) return false;
  const TConversion back = Utf8ToGbk(unicode.Text);
  return back.Exact && back.Text == gbk;
}

namespace {

bool IsLeadByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0x81 && b <= 0xFE;
}

}  // namespace

std::string_view CutGbk(std::string_view gbk, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < gbk.size()) {
    const std::size_t step = IsLeadByte(gbk[end]) && end + 1 < gbk.size() ? 2 : 1;
    if (end + step > maxBytes) break;
    end += step;
  }
  return gbk.substr(0, end);
}

bool HasDoubleByteChar(std::string_view gbk) {
  for (std::size_t i = 0; i + 1 < gbk.size(); ++i) {
    if (!IsLeadByte(gbk[i])) continue;
    const auto trail = static_cast<unsigned char>(gbk[i + 1]);
    if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) return true;
    ++i;
  }
  return false;
}
