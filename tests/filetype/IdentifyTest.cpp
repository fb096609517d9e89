#include "filetype/Identify.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FileTypeFixtures.h"
#include "ui/Exception.h"
#include "ui/FileHandle.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

const std::string kJpeg = "\xFF\xD8\xFF\xE0";
const std::string kText100 = std::string(98, 'x') + "\r\n";

// A registry stand-in that knows a few extensions and remembers what it was
// asked.
class IdentifyTest : public ScratchTest {
 protected:
  TTypeDescLookup Registry() {
    return [this](const std::string& ext) {
      Asked.push_back(ext);
      if (ext == ".log") return std::string("Log file");
      if (ext == ".BIN" || ext == ".VeryLongE") return std::string("Binary data");
      if (ext == ".blank") return std::string(" \t ");
      return std::string();
    };
  }
  TExtRecord Identify(const std::string& file, const std::vector<TExtRecord>& records) {
    return IdentifyFile(file, TExtDatabaseFile(WriteDatabase("ext.dat", records)), Registry());
  }

  std::vector<std::string> Asked;
};

std::string Text(std::string_view prefix, std::string_view desc = {}) {
  return std::string(prefix) + std::string(desc);
}

}  // namespace

TEST_F(IdentifyTest, EachStageGivesItsOwnVerdict) {
  const std::vector<TExtRecord> db = {
      Record(".jpg", "JPEG image", 0, 3, "\xFF\xD8\xFF"),
      Record(".txt", "Plain text"),
      Record(".cfg", "Settings"),
      Record(".blnk", " ", 0, 4, "BLNK"),
      Record(".xyz", "Xyz data"),
  };
  struct Case {
    const char* what;
    const char* name;
    std::string content;
    std::string wantExt;
    std::string wantDesc;
  };
  const Case cases[] = {
      {"signature decides", "photo.PNG", kJpeg + std::string(60, '\0'), ".jpg", "JPEG image"},
      {"text, database", "notes.TXT", kText100, ".txt", Text(kTextFilePrefix, "Plain text")},
      {"text, registry", "app.log", kText100, ".log", Text(kTextFilePrefix, "Log file")},
      {"text alone", "app.txt2", kText100, ".txt2", Text(kTextFilePrefix)},
      // 30 bytes of text leave zeros in the header: not text.
      {"short text, database", "short.cfg", std::string(30, 'x'), ".cfg", Text(kByExtensionPrefix, "Settings")},
      {"registry", "data.BIN", std::string(60, '\x01'), ".BIN", Text(kByRegistryPrefix, "Binary data")},
      {"blank registry text", "data.blank", std::string(60, '\x01'), ".blank", Text(kUnknownType)},
      {"unknown, no extension", "README", std::string(60, '\x01'), "", Text(kUnknownType)},
      {"empty file, database", "empty.cfg", "", ".cfg", Text(kByExtensionPrefix, "Settings")},
      {"blank signature match falls through", "odd.xyz", "BLNK" + std::string(60, '\x01'), ".xyz",
       Text(kByExtensionPrefix, "Xyz data")},
      {"long extension, registry", "f.VeryLongExt", std::string(60, '\x01'), ".VeryLongE",
       Text(kByRegistryPrefix, "Binary data")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TExtRecord verdict = Identify(WriteFile(c.name, c.content), db);
    EXPECT_EQ(verdict.Ext.Str(), c.wantExt);
    EXPECT_EQ(verdict.Desc.Str(), c.wantDesc);
  }
}

TEST_F(IdentifyTest, AnExtensionFoundThroughADescriptionIsLowerCasedAndCut) {
  const TExtRecord verdict = Identify(WriteFile("f.VeryLongExt", std::string(60, '\x01')),
                                      {Record(".vle", "Also known as .verylongext")});
  EXPECT_EQ(verdict.Ext.Str(), ".verylonge");
  EXPECT_EQ(verdict.Desc.Str(), Text(kByExtensionPrefix, "Also known as .verylongext"));
  EXPECT_TRUE(Asked.empty());
}

TEST_F(IdentifyTest, TheRegistryIsAskedWithTheExtensionCutAsFound) {
  Identify(WriteFile("f.VeryLongExt", std::string(60, '\x01')), {});
  EXPECT_EQ(Asked, std::vector<std::string>{".VeryLongE"});
}

TEST_F(IdentifyTest, ADescriptionWithAPrefixKeepsItsFirst250Bytes) {
  const std::string long240(240, 'd');
  const TExtRecord verdict = Identify(WriteFile("big.txt", kText100), {Record(".txt", long240)});
  EXPECT_EQ(verdict.Desc.Str(), Text(kTextFilePrefix, long240).substr(0, 250));
}

TEST_F(IdentifyTest, AFileThatCannotBeReadIsJudgedByItsExtension) {
  // A folder and a path that does not exist: no header, so not text even
  // for a text extension.
  const std::vector<TExtRecord> db = {Record(".txt", "Plain text")};
  std::filesystem::create_directory(PathOf("folder.txt"));
  for (const char* name : {"folder.txt", "gone.txt"}) {
    SCOPED_TRACE(name);
    const TExtRecord verdict = Identify(PathOf(name), db);
    EXPECT_EQ(verdict.Ext.Str(), ".txt");
    EXPECT_EQ(verdict.Desc.Str(), Text(kByExtensionPrefix, "Plain text"));
  }
}

TEST_F(IdentifyTest, WithoutADatabaseTheRegistryDecides) {
  const TExtDatabaseFile missing(PathOf("ext.dat"));
  EXPECT_EQ(IdentifyFile(WriteFile("a.log", kText100), missing, Registry()).Desc.Str(),
            Text(kTextFilePrefix, "Log file"));
  const TExtRecord verdict = IdentifyFile(WriteFile("b.BIN", std::string(60, '\x01')), missing, Registry());
  EXPECT_EQ(verdict.Ext.Str(), ".BIN");
  EXPECT_EQ(verdict.Desc.Str(), Text(kByRegistryPrefix, "Binary data"));
}

TEST_F(IdentifyTest, ALoadedDatabaseGivesTheSameVerdicts) {
  const std::vector<TExtRecord> db = {Record(".jpg", "JPEG image", 0, 3, "\xFF\xD8\xFF"),
                                      Record(".txt", "Plain text")};
  const TExtRecordList loaded = TExtRecordList::Load(WriteDatabase("ext.dat", db));
  for (const auto& [name, content] : {std::pair{"p.jpg", kJpeg}, std::pair{"n.txt", kText100}}) {
    SCOPED_TRACE(name);
    const std::string file = WriteFile(name, content);
    EXPECT_EQ(IdentifyFile(file, loaded, Registry()), Identify(file, db));
  }
}

TEST_F(IdentifyTest, TheHeaderIsZeroFilledAndNoFileIsAnError) {
  for (const std::string& content : {std::string(), std::string("abc"), std::string(51, 'h'), std::string(60, 'L')}) {
    SCOPED_TRACE(content.size());
    EXPECT_EQ(ReadFileHeader(WriteFile("file", content)), Header(content));
  }
  EXPECT_ANY_THROW(ReadFileHeader(PathOf("missing")));
}

TEST_F(IdentifyTest, AHeaderReadAlreadyGivesTheVerdictOfTheFile) {
  const std::vector<TExtRecord> db = {Record(".jpg", "JPEG image", 0, 3, "\xFF\xD8\xFF"),
                                      Record(".txt", "Plain text")};
  const TExtDatabaseFile database(WriteDatabase("ext.dat", db));
  for (const auto& [name, content] : {std::pair{"p.txt", kJpeg}, std::pair{"n.txt", kText100}}) {
    SCOPED_TRACE(name);
    const std::string file = WriteFile(name, content);
    EXPECT_EQ(IdentifyHeader(file, ReadFileHeader(file), database, Registry()),
              IdentifyFile(file, database, Registry()));
  }
  // No header: the file could not be read, and the extension decides.
  EXPECT_EQ(IdentifyHeader(PathOf("gone.txt"), std::nullopt, database, Registry()).Desc.Str(),
            Text(kByExtensionPrefix, "Plain text"));
}

#ifdef _WIN32

// A file that refuses writers fails the first way of reading and is read the
// second way, whatever its size.
TEST_F(IdentifyTest, AFileThatRefusesWritersIsReadTheSecondWay) {
  for (const std::string& content :
       {std::string(), std::string("abc"), std::string(51, 'h'), kJpeg + std::string(60, '\0')}) {
    SCOPED_TRACE(content.size());
    const std::string file = WriteFile("held.dat", content);
    const HeldFile reader(file, FILE_SHARE_READ);
    ASSERT_TRUE(reader.IsOpen());
    TFileHandle writer;
    ASSERT_EQ(writer.Open(file, TFileAccess::ReadWrite, TFileShare::DenyNone), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(ReadFileHeader(file), Header(content));
  }
  const std::string file = WriteFile("photo.dat", kJpeg + std::string(60, '\0'));
  const HeldFile reader(file, FILE_SHARE_READ);
  const TExtRecord verdict = Identify(file, {Record(".jpg", "JPEG image", 0, 3, "\xFF\xD8\xFF")});
  EXPECT_EQ(verdict.Desc.Str(), "JPEG image");
}

TEST_F(IdentifyTest, AReadOnlyFileIsRead) {
  const std::string file = WriteFile("photo.dat", kJpeg + std::string(60, '\0'));
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ReadFileHeader(file), Header(kJpeg));
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(IdentifyTest, ALockedFileIsJudgedByItsExtension) {
  const std::string file = WriteFile("photo.jpg", kJpeg + std::string(60, '\0'));
  const HeldFile lock(file, 0);
  ASSERT_TRUE(lock.IsOpen());
  EXPECT_ANY_THROW(ReadFileHeader(file));
  const TExtRecord verdict = Identify(file, {Record(".jpg", "JPEG image", 0, 3, "\xFF\xD8\xFF")});
  EXPECT_EQ(verdict.Desc.Str(), Text(kByExtensionPrefix, "JPEG image"));
}

TEST_F(IdentifyTest, ADatabaseThatCannotBeOpenedStopsTheIdentification) {
  const std::string database = WriteDatabase("ext.dat", {Record(".txt", "Plain text")});
  const std::string file = WriteFile("n.txt", kText100);
  const HeldFile lock(database, 0);
  ASSERT_TRUE(lock.IsOpen());
  try {
    IdentifyFile(file, TExtDatabaseFile(database), Registry());
    ADD_FAILURE() << "a locked database gave a verdict";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), ERROR_SHARING_VIOLATION);
  }
  // The content stage met the same error and swallowed it.
  EXPECT_TRUE(Asked.empty());
}

#endif
