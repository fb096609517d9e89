#include "FileTypeFixtures.h"

#include <algorithm>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

TExtRecord Record(std::string_view ext, std::string_view desc, std::int32_t headOffset, std::int32_t signLen,
                  std::string_view sign) {
  TExtRecord r;
  r.Ext.Assign(ext);
  r.Desc.Assign(desc);
  r.HeadOffset = headOffset;
  r.SignLen = signLen;
  std::copy_n(sign.begin(), std::min(sign.size(), r.Sign.size()), r.Sign.begin());
  return r;
}

TFileHeader Header(std::string_view text) {
  TFileHeader header{};
  std::copy_n(text.begin(), std::min(text.size(), header.size()), header.begin());
  return header;
}

#ifdef _WIN32
HeldFile::HeldFile(const std::string& path, unsigned long share)
    : FHandle(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}

HeldFile::~HeldFile() {
  if (IsOpen()) CloseHandle(FHandle);
}

bool HeldFile::IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }
#endif

namespace {

unsigned long ProcessId() {
#ifdef _WIN32
  return GetCurrentProcessId();
#else
  return static_cast<unsigned long>(getpid());
#endif
}

}  // namespace

ScratchTest::ScratchTest() {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("qv_filetype_") + std::to_string(ProcessId()) + "_" + test->test_suite_name() +
                     "_" + test->name();
  std::replace(name.begin(), name.end(), '/', '_');
  FDir = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(FDir);
  std::filesystem::create_directories(FDir);
}

ScratchTest::~ScratchTest() {
  std::error_code ignored;
  std::filesystem::remove_all(FDir, ignored);
}

std::string ScratchTest::PathOf(std::string_view name) const { return (FDir / std::string(name)).string(); }

std::string ScratchTest::WriteFile(std::string_view name, std::string_view content) const {
  const std::string path = PathOf(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  EXPECT_TRUE(out.good()) << path;
  return path;
}

std::string ScratchTest::WriteDatabase(std::string_view name, const std::vector<TExtRecord>& records,
                                       std::string_view tail) const {
  std::string bytes;
  for (const TExtRecord& r : records) {
    const TExtRecordBytes encoded = EncodeExtRecord(r);
    bytes.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
  }
  bytes.append(tail);
  return WriteFile(name, bytes);
}
