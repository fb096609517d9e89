// The ext.dat that the build generates from freedesktop.org.xml, file's
// magic rules and the maintainers' tables: its size, its language, its
// consistency, and what it says about real file headers.
#include <gtest/gtest.h>

#include <string>

#include "filetype/ExtRecordSource.h"
#include "filetype/qenQuorvex.h"
#include "tools/extdat/Checker.h"
#include "tools/extdat/DatFile.h"
#include "ui/CodePage.h"
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
  const TCheckReport report = CheckExtDat(ReadExtDat(QV_EXT_DAT), ParseExtensionList(kWindowsExtensions));
  for (const std::string& problem : report.Problems) ADD_FAILURE() << problem;
  EXPECT_GE(report.Records, 1700u);
  EXPECT_GE(report.Signatures, 900u);
  EXPECT_EQ(report.ChineseDescriptions, report.Records);
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
      // Windows programs, libraries and drivers begin alike; the extension
      // names the member of their group.
      {"MZ\x90\0"s, ".dll", ".dll", "动态链接库"},
      {"MZ\x90\0"s, ".SYS", ".sys", "驱动程序"},
      {"MZ\x90\0"s, ".mui", ".mui", "多语言"},
      {"MZ\x90\0"s, ".txt", ".txt", "该文件属于以下文件:*pe Windows/DOS 可执行文件（PE/MZ 格式）等：.exe"},
      {"\x7F""ELF\2\1\1\0"s, ".so", ".so", "共享库"},
      {"\x7F""ELF\2\1\1\0"s, "", "", "*elf ELF"},
      // A TGA image whose header starts like a Windows cursor.
      {"\0\0\2\0\0\0\0\0\0\0\0\0\x10\0\x10\0\x18\0"s, ".tga", ".tga", "TGA"},
      {"\0\0\2\0\1\0\x20\x20\0\0\0\0"s, ".cur", ".cur", "光标"},
      {"\0\0\2\0\0\0\0\0\0\0\0\0"s, "", "", "*cur Windows 光标、TGA 图像"},
      {"\0\0\x0a\0\0\0\0\0\0\0\0\0"s, ".dat", ".tga", "TGA"},
      {"L\0\0\0\1\x14\2\0\0\0\0\0\xC0\0\0\0\0\0\0F"s, "", ".lnk", "快捷方式"},
      {"ElfFile\0"s, ".log", ".evtx", "事件日志"},
      {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"s, ".msi", ".msi", "安装"},
      {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"s, ".msg", ".msg", "Outlook"},
      {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"s, ".xls", ".xls", "Excel"},
      {"!BDN"s, ".ost", ".ost", "Outlook"},
      {"\0asm\1\0\0\0"s, "", ".wasm", "WebAssembly"},
      {"!<arch>\n"s, ".lib", ".lib", "库"},
      {"\x93NUMPY\1\0"s, "", ".npy", "NumPy"},
  };
  for (const Case& c : cases) {
    const TExtRecord verdict = Match(c.header, c.fileExt);
    EXPECT_EQ(verdict.Ext.Str(), c.ext) << c.header;
    EXPECT_NE(verdict.Desc.Str().find(c.desc), std::string::npos) << c.header << ": " << verdict.Desc.Str();
  }
}

TEST(GeneratedDatabase, TheExtensionLookupKnowsEveryCommonWindowsExtension) {
  for (const std::string& ext : ParseExtensionList(kWindowsExtensions)) {
    TExtRecord found;
    LookupExtension(Database(), ext, found);
    EXPECT_EQ(found.Ext.Str(), CutExt(ext));
    EXPECT_TRUE(HasDoubleByteChar(found.Desc.View())) << ext << ": " << found.Desc.Str();
  }
}
