#include "filetype/qenreg.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "FileTypeFixtures.h"
#include "filetype/Identify.h"

namespace {

// Keys written for one test and removed afterwards. Class keys are written
// through HKEY_CLASSES_ROOT itself: this system does not show the user's own
// classes (HKEY_CURRENT_USER\Software\Classes) there. The names carry the
// process id, so that parallel runs do not meet.
class RegistryTest : public ScratchTest {
 protected:
  RegistryTest() : Ext("qv" + std::to_string(GetCurrentProcessId())), Key(Ext + "file") {}
  ~RegistryTest() override {
    for (const auto& [root, path] : FCreated) RegDeleteTreeA(root, path.c_str());
  }

  // Creates the key and, unless type is REG_NONE, its default value.
  void WriteKey(HKEY root, const std::string& path, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    FCreated.emplace_back(root, path);
    if (type != REG_NONE) {
      EXPECT_EQ(RegSetValueExA(key, nullptr, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }
    RegCloseKey(key);
  }
  void WriteClass(DWORD type, const void* data, DWORD size) {
    WriteKey(HKEY_CLASSES_ROOT, Key, type, data, size);
  }
  void WriteText(HKEY root, const std::string& path, const std::string& text) {
    WriteKey(root, path, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }

  const std::string Ext;  // an extension without its dot, unknown elsewhere
  const std::string Key;

 private:
  std::vector<std::pair<HKEY, std::string>> FCreated;
};

}  // namespace

TEST_F(RegistryTest, TheDefaultValueOfTheClassKeyDescribesTheExtension) {
  WriteText(HKEY_CLASSES_ROOT, Key, "Quorvex test file");
  EXPECT_EQ(GetRegTypeDesc("." + Ext), "Quorvex test file");
  // The registry's own case rules find the key from an upper-case extension.
  std::string upper = Ext;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(GetRegTypeDesc("." + upper), "Quorvex test file");
  // Without a dot the extension is taken whole.
  EXPECT_EQ(GetRegTypeDesc(Ext), "Quorvex test file");
  EXPECT_EQ(GetRegTypeDesc(".other" + Ext), "");
}

TEST_F(RegistryTest, OnlyStringValuesAreRead) {
  struct Case {
    const char* what;
    DWORD type;
    std::string data;  // as stored, zeros included
    bool read;
    std::string want;
  };
  const Case cases[] = {
      {"string", REG_SZ, std::string("Text\0", 5), true, "Text"},
      {"GBK string", REG_SZ, std::string("\xCE\xC4\xB1\xBE\0", 5), true, "\xCE\xC4\xB1\xBE"},
      {"expandable string, unexpanded", REG_EXPAND_SZ, std::string("%SystemRoot%\\x\0", 15), true,
       "%SystemRoot%\\x"},
      {"cut at the first zero", REG_SZ, std::string("one\0two\0", 8), true, "one"},
      {"no terminating zero", REG_SZ, "bare", true, "bare"},
      {"no data", REG_SZ, "", true, ""},
      {"number", REG_DWORD, std::string("\x2A\0\0\0", 4), false, ""},
      {"binary", REG_BINARY, "ab", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteClass(c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
    std::string value = "stale";
    EXPECT_EQ(ReadRegString("HKEY_CLASSES_ROOT", Key, "", value), c.read);
    EXPECT_EQ(value, c.want);
    EXPECT_EQ(GetRegTypeDesc("." + Ext), c.want);
  }
}

TEST_F(RegistryTest, AMissingKeyOrValueReadsAsEmpty) {
  WriteClass(REG_NONE, nullptr, 0);
  std::string value = "stale";
  EXPECT_FALSE(ReadRegString("HKEY_CLASSES_ROOT", Key, "", value));
  EXPECT_EQ(value, "");
  EXPECT_FALSE(ReadRegString("HKEY_CLASSES_ROOT", Key + "\\absent", "", value));
  EXPECT_EQ(GetRegTypeDesc("." + Ext), "");
}

TEST_F(RegistryTest, AnEmptyExtensionAsksForTheKeyNamedFile) {
  // The key "file" belongs to the system; it is only read here.
  std::string expected;
  ReadRegString("HKEY_CLASSES_ROOT", "file", "", expected);
  if (expected.empty()) GTEST_SKIP() << "HKEY_CLASSES_ROOT\\file has no default value on this system";
  EXPECT_EQ(GetRegTypeDesc(""), expected);
  EXPECT_EQ(GetRegTypeDesc("."), expected);
}

TEST_F(RegistryTest, RootNamesFollowTheirOwnCaseRules) {
  const std::string underSoftware = "Software\\" + Key;
  WriteText(HKEY_CLASSES_ROOT, Key, "Rooted");
  WriteText(HKEY_CURRENT_USER, underSoftware, "Rooted");
  WriteText(HKEY_LOCAL_MACHINE, underSoftware, "Rooted");
  WriteText(HKEY_USERS, ".DEFAULT\\" + underSoftware, "Rooted");
  struct Case {
    const char* root;
    std::string path;
    bool read;
  };
  const Case cases[] = {
      {"HKEY_CLASSES_ROOT", Key, true},
      {"hkey_classes_root", Key, true},
      {"HKEY_LOCAL_MACHINE", underSoftware, true},
      {"Hkey_Local_Machine", underSoftware, true},
      {"HKEY_CURRENT_USER", underSoftware, true},
      {"hkey_current_user", underSoftware, false},
      {"HKEY_USERS", ".DEFAULT\\" + underSoftware, true},
      {"hkey_users", ".DEFAULT\\" + underSoftware, false},
      {"HKCR", Key, false},
      {"", Key, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.root);
    std::string value;
    EXPECT_EQ(ReadRegString(c.root, c.path, "", value), c.read);
    EXPECT_EQ(value, c.read ? "Rooted" : "");
  }
}

TEST_F(RegistryTest, NamedValuesAreReadToo) {
  WriteClass(REG_NONE, nullptr, 0);
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, Key.c_str(), 0, KEY_WRITE, &key), ERROR_SUCCESS);
  RegSetValueExA(key, "Named", 0, REG_SZ, reinterpret_cast<const BYTE*>("value"), 6);
  RegCloseKey(key);
  std::string value;
  EXPECT_TRUE(ReadRegString("HKEY_CLASSES_ROOT", Key, "Named", value));
  EXPECT_EQ(value, "value");
  EXPECT_FALSE(ReadRegString("HKEY_CLASSES_ROOT", Key, "Other", value));
  EXPECT_EQ(value, "");
}

TEST_F(RegistryTest, TheSystemsLookupDecidesATextFileWithoutADatabaseRecord) {
  WriteText(HKEY_CLASSES_ROOT, Key, "Registered text");
  const std::string file = WriteFile("notes." + Ext, std::string(98, 't') + "\r\n");
  const TExtRecord verdict = IdentifyFile(file, TExtDatabaseFile(PathOf("ext.dat")));
  EXPECT_EQ(verdict.Ext.Str(), "." + Ext);
  EXPECT_EQ(verdict.Desc.Str(), std::string(kTextFilePrefix) + "Registered text");
}
