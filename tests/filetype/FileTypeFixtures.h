#pragma once
// Small fixtures for the identification tests: records built in one line,
// and a scratch folder, private to the running test, that files and
// databases are written into.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "filetype/ExtRecord.h"

// A database record; sign holds the signature bytes (up to 11).
TExtRecord Record(std::string_view ext, std::string_view desc, std::int32_t headOffset = 0,
                  std::int32_t signLen = 0, std::string_view sign = {});

// A header made of text, zero-filled after it.
TFileHeader Header(std::string_view text);

#ifdef _WIN32
// A file held open by "another program" for reading, with the given sharing
// (0: nobody else may open it; FILE_SHARE_READ: nobody may write it).
class HeldFile {
 public:
  HeldFile(const std::string& path, unsigned long share);
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  ~HeldFile();
  bool IsOpen() const;

 private:
  void* FHandle;
};
#endif

class ScratchTest : public testing::Test {
 protected:
  ScratchTest();
  ~ScratchTest() override;

  // The path of name inside the scratch folder.
  std::string PathOf(std::string_view name) const;
  std::string WriteFile(std::string_view name, std::string_view content) const;
  // The records, encoded one after the other, then tail as raw bytes.
  std::string WriteDatabase(std::string_view name, const std::vector<TExtRecord>& records,
                            std::string_view tail = {}) const;

 private:
  std::filesystem::path FDir;
};
