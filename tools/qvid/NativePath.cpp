#include "tools/qvid/NativePath.h"

#include <vector>

#ifdef _WIN32
#include <windows.h>

#include "ui/CodePage.h"
#else
#include "ui/FileNames.h"
#endif

namespace {

#ifdef _WIN32
constexpr std::wstring_view kDelimiters = L"\\/:";
constexpr wchar_t kSeparator = L'\\';
#else
constexpr std::string_view kDelimiters = "/";
constexpr char kSeparator = '/';
#endif

}  // namespace

#ifdef _WIN32

std::string PathToUtf8(const TNativePath& path) { return WideToCodePage(path, CP_UTF8).Text; }
std::string PathToSystemCodePage(const TNativePath& path) { return WideToCodePage(path, CP_ACP).Text; }

TNativePath PathFromListLine(std::string_view line) {
  TWideConversion path = CodePageToWide(line, CP_UTF8);
  return path.Exact ? std::move(path.Text) : CodePageToWide(line, CP_ACP).Text;
}

TNativePath PathFromAscii(std::string_view text) { return TNativePath(text.begin(), text.end()); }

TNativePath ProgramFolder() {
  // GetModuleFileNameW cuts the path to the buffer; grow until it fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) {
      const TNativePath path(buffer.data(), n);
      return path.substr(0, path.size() - FileNamePart(path).size());
    }
    buffer.resize(buffer.size() * 2);
  }
}

#else

std::string PathToUtf8(const TNativePath& path) { return path; }
std::string PathToSystemCodePage(const TNativePath& path) { return path; }
TNativePath PathFromListLine(std::string_view line) { return TNativePath(line); }
TNativePath PathFromAscii(std::string_view text) { return TNativePath(text); }
TNativePath ProgramFolder() { return ExtractFilePath(ExecutablePath()); }

#endif

TNativePath FileNamePart(const TNativePath& path) {
  const std::size_t last = path.find_last_of(kDelimiters);
  return last == TNativePath::npos ? path : path.substr(last + 1);
}

TNativePath JoinPath(const TNativePath& folder, const TNativePath& name) {
  if (folder.empty() || kDelimiters.find(folder.back()) != kDelimiters.npos) return folder + name;
  return folder + kSeparator + name;
}
