// The ext.dat that the build generates from freedesktop.org.xml: its size,
// its language, its consistency, and what it says about real file headers.
#include <gtest/gtest.h>

#include <string>

#include "filetype/ExtRecordSource.h"
#include "filetype/qenQuorvex.h"
#include "tools/extdat/Checker.h"
#include "tools/extdat/DatFile.h"
#include "ui/StrUtils.h"

namespace {

using namespace std::string_literals;

const TExtRecordList& Database() {
  static const TExtRecordList database(ReadExtDat(QV_EXT_DAT).Records);
  return database;
}

TFileHeader Header(const std::string& bytes) {
  TFileHeader header{};
  bytes.copy(reinterpret_cast<char*>(header.data()), header.size());
  return header;
}

TExtRecord Match(const std::string& bytes, const char* ext) {
  TExtRecord verdict;
  MatchSignature(Database(), ext, Header(bytes), verdict);
  return verdict;
}

}  // namespace

TEST(GeneratedDatabase, MeetsItsTargetsAndPassesTheCheck) {
  const TCheckReport report = CheckExtDat(ReadExtDat(QV_EXT_DAT));
  for (const std::string& problem : report.Problems) ADD_FAILURE() << problem;
  EXPECT_GE(report.Records, 1100u);
  EXPECT_GE(report.Signatures, 350u);
  EXPECT_GT(report.ChineseDescriptions * 100, report.Records * 98);
}

TEST(GeneratedDatabase, NamesRealHeaders) {
  struct Case {
    std::string header;
    const char* fileExt;
    const char* ext;   // the verdict's extension
    const char* desc;  // a part of its description
  };
  // A ZIP local header up to the entry's name, which starts at offset 30.
  const std::string zipEntry = "PK\3\4" + std::string(22, '\0') + "\x13\0\0\0"s;
  const Case cases[] = {
      {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, ".png", ".png", "PNG"},
      {"\x89PNG\r\n\x1a\n"s, ".dat", ".png", "PNG"},
      {"GIF89a", "", ".gif", "GIF"},
      {"\xFF\xD8\xFF\xE0\0\x10JFIF"s, ".jpg", ".jpg", "JPEG"},
      {"%PDF-1.7\n", ".pdf", ".pdf", "PDF"},
      {"RIFF\x24\x08\0\0WAVEfmt "s, ".wav", ".wav", "WAV"},
      {"RIFF\x24\x08\0\0AVI LIST"s, ".avi", ".avi", "AVI"},
      {"\x1F\x8B\x08\0"s, ".gz", ".gz", "Gzip"},
      {"BZh91AY&SY", ".bz2", ".bz2", "Bzip"},
      {"7z\xBC\xAF\x27\x1C", ".7z", ".7z", "7-zip"},
      {"MZ\x90\0"s, ".exe", ".exe", "Windows"},
      {"\x7F""ELF\2\1\1\0"s, "", "", "可执行文件"},
      {"SQLite format 3\0"s, ".db", ".db", "SQLite3"},
      {zipEntry + "[Content_Types].xml", ".docx", ".docx", "Word"},
      {zipEntry + "[Content_Types].xml", ".zip", ".zip", "Office Open XML"},
      {zipEntry + "word/document.xml", ".docx", ".docx", "Word"},
      {zipEntry + "mimetypeapplication/vnd.oasis.opendocument.text", ".odt", ".odt", "ODT"},
      {zipEntry + "any.txt", ".zip", ".zip", "Zip"},
      {zipEntry + "any.txt", ".jar", ".jar", "Java"},
      {zipEntry + "any.txt", "", "", "该文件属于以下文件:*zip"},
  };
  for (const Case& c : cases) {
    const TExtRecord verdict = Match(c.header, c.fileExt);
    EXPECT_EQ(verdict.Ext.Str(), c.ext) << c.header;
    EXPECT_NE(verdict.Desc.Str().find(c.desc), std::string::npos) << c.header << ": " << verdict.Desc.Str();
  }
}

TEST(GeneratedDatabase, KnowsEveryCommonExtension) {
  for (const char* ext : {".txt", ".c", ".py", ".html", ".json", ".docx", ".xlsx", ".mp3", ".mp4", ".svg", ".ttf", ".exe"}) {
    TExtRecord found;
    LookupExtension(Database(), ext, found);
    EXPECT_EQ(found.Ext.Str(), ext);
    EXPECT_FALSE(IsBlank(found.Desc.View())) << ext;
  }
}
