#include "ui/FileNames.h"

#include <cstddef>
#include <vector>

#include "ui/StrUtils.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
constexpr std::string_view kPathDelimiters = "\\:";
#else
constexpr std::string_view kPathDelimiters = "/";
#endif

// Position of the last single-byte character of path that is one of chars,
// or npos.
std::size_t LastDelimiter(std::string_view chars, std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (i + 1 < path.size() && IsDoubleByte(path[i], path[i + 1])) {
      ++i;
      continue;
    }
    if (chars.find(path[i]) != std::string_view::npos) last = i;
  }
  return last;
}

std::size_t NameStart(std::string_view path) {
  const std::size_t delimiter = LastDelimiter(kPathDelimiters, path);
  return delimiter == std::string_view::npos ? 0 : delimiter + 1;
}

}  // namespace

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFileExt(std::string_view path) {
  const std::string_view name = path.substr(NameStart(path));
  const std::size_t dot = LastDelimiter(".", name);
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

#ifdef _WIN32
std::string ExecutablePath() {
  // GetModuleFileNameA cuts the path to the buffer; grow until it fits.
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}
#else
std::string ExecutablePath() {
  std::vector<char> buffer(4096);
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return {};
    const auto length = static_cast<std::size_t>(n);
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}
#endif

std::string ExecutableTitle() {
  const std::string name = ExtractFileName(ExecutablePath());
  return name.substr(0, name.size() - ExtractFileExt(name).size());
}
