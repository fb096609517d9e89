#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>
#include <winioctl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/Unit_main.h"
#include "filetype/ExtDatabase.h"
#include "filetype/ExtRecord.h"
#include "skin/window/SkinManage.h"
#include "tests/support/WindowsTestSupport.h"
#include "ui/Application.h"
#include "ui/FileNames.h"
#include "ui/Stream.h"

namespace {

using TLines = std::vector<std::string>;

const std::string kInvitation = "把文件拖入到本窗口中即可查看文件的类型！";
const std::string kText = "该文件是文本类的文件，可以用记事本打开。";

TExtRecord Record(const std::string& ext, const std::string& sign, const std::string& desc) {
  TExtRecord record;
  record.Ext.Assign(ext);
  record.SignLen = static_cast<std::int32_t>(sign.size());
  std::copy(sign.begin(), sign.end(), record.Sign.begin());
  record.Desc.Assign(desc);
  return record;
}

// The database the drops are identified with.
const std::vector<TExtRecord> kRecords = {
    Record(".qvs", "QVS\x01", "Quorvex 签名文件"),
    Record(".qvz", "ZZZ", "   "),
    Record(".qvb", "", "二进制测试类型"),
    Record(".qvt", "", "测试文本"),
};

// Descriptions the tests give the registry, under HKEY_CLASSES_ROOT\<key>
// (written there directly: this system does not show the user's own classes
// there).
const std::pair<const char*, const char*> kRegistryTypes[] = {
    {"qvregfile", "注册表测试类型"},
    {"qvtrfile", "文本注册表类型"},
};

const std::string kTextContent(100, 'a');
const std::string kBinaryContent = std::string("\x02\x03", 2) + std::string(98, 'b');

// What the registry says of a file without extension: the key "file" is
// asked, which some systems have (as a class that is not a file type).
std::string NoExtensionDesc() {
  char value[256] = {};
  LONG size = sizeof value;
  if (RegQueryValueA(HKEY_CLASSES_ROOT, "file", value, &size) != ERROR_SUCCESS || value[0] == 0) {
    return "未知文件类型";
  }
  return std::string("注册表查询判定为:") + value;
}

TLines Report(const std::string& name, const std::string& ext, const std::string& desc) {
  return {name, "", "扩展名：", ext, "", "文件类型说明：", desc};
}

TLines Lines(const TStrings& strings) {
  TLines lines;
  for (int i = 0; i < strings.Count(); ++i) lines.push_back(strings[i]);
  return lines;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  TFileStream file(path);
  file.WriteBuffer(bytes.data(), bytes.size());
}

std::wstring Wide(const std::string& text) {
  const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring converted(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, converted.data(), size);
  converted.pop_back();
  return converted;
}

// The code page's spelling of a name: "?" for what it cannot spell.
std::string Ansi(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string converted(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, converted.data(), size, nullptr, nullptr);
  converted.pop_back();
  return converted;
}

// A file held open by another program for reading, sharing reading only:
// nobody may open it for writing meanwhile.
class THeldFile {
 public:
  explicit THeldFile(const std::string& path)
      : FHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~THeldFile() {
    if (IsOpen()) CloseHandle(FHandle);
  }
  THeldFile(const THeldFile&) = delete;
  THeldFile& operator=(const THeldFile&) = delete;
  bool IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }

 private:
  HANDLE FHandle;
};

// Makes the file size bytes long without writing them: the system keeps the
// rest as a hole that costs no disk.
void ExtendSparse(const std::string& path, std::int64_t size) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD returned = 0;
  DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);  // where the system has it
  LARGE_INTEGER end;
  end.QuadPart = size;
  EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);
}

std::size_t PeakWorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakWorkingSetSize;
}

// The main form created as the program creates it, with ext.dat beside the
// test program and test files in a folder of their own.
class MainForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const auto& [key, desc] : kRegistryTypes) {
      HKEY created = nullptr;
      RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr);
      RegSetValueExA(created, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(desc),
                     static_cast<DWORD>(std::strlen(desc) + 1));
      RegCloseKey(created);
    }
  }
  static void TearDownTestSuite() {
    for (const auto& [key, desc] : kRegistryTypes) {
      RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
    }
  }

  void SetUp() override {
    CreateDirectoryA(FFolder.c_str(), nullptr);
    WriteDatabase(kRecords);
  }

  void TearDown() override {
    Form.reset();
    for (const std::wstring& path : FCreated) {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (!DeleteFileW(path.c_str())) RemoveDirectoryW(path.c_str());
    }
    RemoveDirectoryA(FFolder.c_str());
    DeleteFileA(ExtDatabasePath().c_str());
  }

  static void WriteDatabase(const std::vector<TExtRecord>& records) {
    std::string bytes;
    for (const TExtRecord& record : records) {
      const TExtRecordBytes encoded = EncodeExtRecord(record);
      bytes.append(encoded.begin(), encoded.end());
    }
    WriteBytes(ExtDatabasePath(), bytes);
  }

  std::string File(const std::string& name, const std::string& content) {
    const std::string path = FFolder + name;
    WriteBytes(path, content);
    FCreated.push_back(Wide(path));
    return path;
  }

  // A file by its exact name, which the code page may not spell.
  std::wstring File(const std::wstring& name, const std::string& content) {
    const std::wstring path = Wide(FFolder) + name;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr));
    CloseHandle(file);
    FCreated.push_back(path);
    return path;
  }

  std::string Folder(const std::string& name) {
    const std::string path = FFolder + name;
    CreateDirectoryA(path.c_str(), nullptr);
    FCreated.push_back(Wide(path));
    return path;
  }

  // Creates the form; the message boxes it shows meanwhile are closed and
  // kept in StartUpBoxes.
  void CreateForm() {
    const TMessageBoxCloser boxes;
    Form.reset(TCustomForm::Create<TForm_main>(nullptr));
    StartUpBoxes = boxes.Boxes();
  }

  // Drops the paths on the panel as the shell does; returns the message
  // boxes shown meanwhile.
  template <class TPath>
  std::vector<TShownBox> Drop(const std::vector<TPath>& paths) {
    const TMessageBoxCloser boxes;
    SendMessageA(Form->AIFileDropPan1->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
    return boxes.Boxes();
  }
  std::vector<TShownBox> Drop(std::initializer_list<std::string> paths) { return Drop(std::vector(paths)); }

  TLines Memo() const { return Lines(*Form->Memo1->Lines()); }

  std::unique_ptr<TForm_main> Form;
  std::vector<TShownBox> StartUpBoxes;

 private:
  const std::string FFolder = ExtractFilePath(ExtDatabasePath()) + "drops\\";
  std::vector<std::wstring> FCreated;
};

}  // namespace

TEST_F(MainForm, IsBuiltAsItsStoredDescriptionSays) {
  CreateForm();
  TForm_main& form = *Form;
  form.Show();
  char text[64] = {};
  GetClassNameA(form.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "TForm_main");
  GetWindowTextA(form.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Quorvex");
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsDialog);
  EXPECT_TRUE(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongA(form.Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(form.ClientWidth(), 390);
  EXPECT_EQ(form.ClientHeight(), 276);
  // Centred on the desktop rather than at the stored 659, 196.
  EXPECT_EQ(form.Left(), (GetSystemMetrics(SM_CXVIRTUALSCREEN) - form.Width()) / 2);

  TAIFileDropPan& panel = *form.AIFileDropPan1;
  TMemo& memo = *form.Memo1;
  GetClassNameA(panel.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "TAIFileDropPan");
  EXPECT_TRUE(GetWindowLongA(panel.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  EXPECT_EQ(panel.Owner(), &form);
  EXPECT_EQ(memo.Parent(), &panel);
  EXPECT_EQ(panel.Width(), 390);
  EXPECT_EQ(panel.Height(), 276);
  EXPECT_EQ(memo.Left(), 1);
  EXPECT_EQ(memo.Top(), 1);
  EXPECT_EQ(memo.Width(), 388);
  EXPECT_EQ(memo.Height(), 274);
  EXPECT_TRUE(GetWindowLongA(memo.Handle(), GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(memo.Font()->Name(), "宋体");
  EXPECT_EQ(memo.Font()->Height(), -16);
  std::vector<TWinControl*> tabOrder;
  form.GetTabOrderList(tabOrder);
  EXPECT_EQ(tabOrder, (std::vector<TWinControl*>{&panel, &memo}));
}

TEST_F(MainForm, StartsWithTheInvitationAndTheNumberOfKnownTypes) {
  WriteDatabase(std::vector<TExtRecord>(1500));
  CreateForm();
  EXPECT_TRUE(StartUpBoxes.empty());
  EXPECT_EQ(Memo(), (TLines{kInvitation, "本软件收录了文件类型共1500种。"}));
}

TEST_F(MainForm, WithoutADatabaseStartUpShowsTheErrorAndOnlyTheInvitation) {
  DeleteFileA(ExtDatabasePath().c_str());
  CreateForm();
  ASSERT_NE(Form, nullptr);
  ASSERT_EQ(StartUpBoxes.size(), 1u);
  EXPECT_EQ(StartUpBoxes[0].Text, "文件没找到");
  EXPECT_EQ(StartUpBoxes[0].Caption, Application().Title());
  EXPECT_EQ(Memo(), TLines{kInvitation});
}

TEST_F(MainForm, ReportsEachWayOfDecidingTheType) {
  struct Case {
    const char* Name;
    std::string Content;
    const char* Ext;
    std::string Desc;
  };
  const Case cases[] = {
      {"sig.dat", "QVS\x01" + kBinaryContent, ".qvs", "Quorvex 签名文件"},
      {"notes.qvt", kTextContent, ".qvt", kText + "测试文本"},
      {"notes.qvtr", kTextContent, ".qvtr", kText + "文本注册表类型"},
      {"notes.qvlog", kTextContent, ".qvlog", kText},
      {"data.qvb", kBinaryContent, ".qvb", "通过扩展名来判定为：二进制测试类型"},
      {"short.qvb", std::string(30, 'a'), ".qvb", "通过扩展名来判定为：二进制测试类型"},
      {"empty.qvt", "", ".qvt", "通过扩展名来判定为：测试文本"},
      {"data.qvreg", kBinaryContent, ".qvreg", "注册表查询判定为:注册表测试类型"},
      {"blank.qvreg", "ZZZ" + kBinaryContent, ".qvreg", "注册表查询判定为:注册表测试类型"},
      {"data.qvunk", kBinaryContent, ".qvunk", "未知文件类型"},
      {"noext", kBinaryContent, "", NoExtensionDesc()},
      {"long.abcdefghijkl", kBinaryContent, ".abcdefghi", "未知文件类型"},
      {"报告.qvb", kBinaryContent, ".qvb", "通过扩展名来判定为：二进制测试类型"},
  };
  CreateForm();
  for (const Case& c : cases) {
    EXPECT_TRUE(Drop({File(c.Name, c.Content)}).empty()) << c.Name;
    EXPECT_EQ(Memo(), Report(c.Name, c.Ext, c.Desc)) << c.Name;
  }
}

TEST_F(MainForm, ExaminesOnlyTheFirstOfSeveralFiles) {
  CreateForm();
  Drop({File("data.qvb", kBinaryContent), File("notes.qvt", kTextContent)});
  EXPECT_EQ(Memo(), Report("data.qvb", ".qvb", "通过扩展名来判定为：二进制测试类型"));
}

TEST_F(MainForm, ReadsAReadOnlyFile) {
  const std::string path = File("locked.qvt", kTextContent);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  CreateForm();
  Drop({path});
  EXPECT_EQ(Memo(), Report("locked.qvt", ".qvt", kText + "测试文本"));
}

TEST_F(MainForm, AFolderIsJudgedByItsExtension) {
  CreateForm();
  EXPECT_TRUE(Drop({Folder("folder.qvb")}).empty());
  EXPECT_EQ(Memo(), Report("folder.qvb", ".qvb", "通过扩展名来判定为：二进制测试类型"));
}

TEST_F(MainForm, WithoutADatabaseAtADropTheRegistryDecides) {
  CreateForm();
  DeleteFileA(ExtDatabasePath().c_str());
  EXPECT_TRUE(Drop({File("notes.qvtr", kTextContent)}).empty());
  EXPECT_EQ(Memo(), Report("notes.qvtr", ".qvtr", kText + "文本注册表类型"));
  Drop({File("data.qvb", kBinaryContent)});
  EXPECT_EQ(Memo(), Report("data.qvb", ".qvb", "未知文件类型"));
}

TEST_F(MainForm, ADatabaseThatCannotBeOpenedIsReportedAndTheMemoKept) {
  CreateForm();
  const TLines before = Memo();
  const HANDLE locked = CreateFileA(ExtDatabasePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  const auto boxes = Drop({File("data.qvb", kBinaryContent)});
  CloseHandle(locked);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text, EInOutError(ERROR_SHARING_VIOLATION).Message());
  EXPECT_EQ(Memo(), before);
}

TEST_F(MainForm, FilesOnTheCommandLineAreOneDropAfterStartUp) {
  CreateForm();
  const TLines startUp = Memo();
  OpenCommandLineFiles(*Form, L"C:\\quorvex.exe");
  EXPECT_EQ(Memo(), startUp);

  const std::string first = File("报告 一.qvb", kBinaryContent);
  const std::string second = File("notes.qvt", kTextContent);
  const std::wstring commandLine =
      std::wstring(L"\"C:\\Program Files\\quorvex.exe\" \"") + Wide(first) + L"\" " + Wide(second);
  EXPECT_EQ(CommandLinePaths(commandLine.c_str()), (std::vector<std::wstring>{Wide(first), Wide(second)}));
  OpenCommandLineFiles(*Form, commandLine.c_str());
  EXPECT_EQ(Memo(), Report("报告 一.qvb", ".qvb", "通过扩展名来判定为：二进制测试类型"));
}

// Names with characters that GBK cannot spell: Korean, an emoji, a CJK
// Extension B character, accented Greek. The file is read through its exact
// name, from a drop and from the command line; the name line shows the code
// page's spelling of the name.
TEST_F(MainForm, AFileIsJudgedByItsContentWhateverCharactersItsNameHolds) {
  const std::wstring names[] = {L"\uD55C\uAD6D\uC5B4.qvb", L"photo\U0001F600.qvb", L"\U00020000\u5B57.qvb",
                                L"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC.qvb"};
  CreateForm();
  for (const std::wstring& name : names) {
    const std::string shown = Ansi(name);
    SCOPED_TRACE(shown);
    ASSERT_NE(shown.find('?'), std::string::npos);
    const std::wstring path = File(name, "QVS\x01" + kBinaryContent);
    const TLines want = Report(shown, ".qvs", "Quorvex 签名文件");
    EXPECT_TRUE(Drop(std::vector<std::wstring>{path}).empty());
    EXPECT_EQ(Memo(), want);
    Form->Memo1->Lines()->Clear();
    OpenCommandLineFiles(*Form, (L"quorvex.exe \"" + path + L"\"").c_str());
    EXPECT_EQ(Memo(), want);
  }
}

// A file far larger than its header that refuses writers (as files on
// read-only media do) is read the second way: its first bytes only, as fast
// as a small file and without the program's memory growing with the file.
TEST_F(MainForm, ALargeFileThatRefusesWritersIsReadAtOnce) {
  constexpr std::int64_t kSize = std::int64_t(3) << 30;
  const std::string big = File("big.qvb", "QVS\x01" + kBinaryContent);
  ExtendSparse(big, kSize);
  const std::string small = File("small.qvb", "QVS\x01" + kBinaryContent);
  const THeldFile heldBig(big), heldSmall(small);
  ASSERT_TRUE(heldBig.IsOpen() && heldSmall.IsOpen());
  CreateForm();
  // The quickest of three drops of each, in milliseconds.
  const auto fastestDrop = [&](const std::string& path) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double fastest = 1e12;
    for (int i = 0; i < 3; ++i) {
      QueryPerformanceCounter(&start);
      Drop({path});
      QueryPerformanceCounter(&end);
      fastest = std::min(fastest, 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart));
    }
    return fastest;
  };
  const double smallMs = fastestDrop(small);
  const std::size_t peakBefore = PeakWorkingSet();
  const double bigMs = fastestDrop(big);
  const std::size_t peakAfter = PeakWorkingSet();
  EXPECT_EQ(Memo(), Report("big.qvb", ".qvs", "Quorvex 签名文件"));
  const double growthMiB = double(peakAfter - peakBefore) / (1 << 20);
  std::printf("3 GiB file that refuses writers: %.1f ms (small file: %.1f ms); peak working set %.1f MiB, "
              "%.1f MiB more than before\n",
              bigMs, smallMs, double(peakAfter) / (1 << 20), growthMiB);
  EXPECT_LT(growthMiB, 32.0);
  EXPECT_LT(bigMs, smallMs + 250.0);
}

TEST_F(MainForm, SkinData1LoadsTheStoredSkinWhenTheFormIsCreated) {
  CreateForm();
  EXPECT_TRUE(StartUpBoxes.empty());
  TSkinData& skin = *Form->SkinData1;
  EXPECT_EQ(skin.Owner(), Form.get());
  EXPECT_EQ(skin.Name(), "SkinData1");
  EXPECT_FALSE(skin.FNoSkin);
  EXPECT_TRUE(skin.Active());
  EXPECT_EQ(skin.Options(), SetBit(xoPreview) | SetBit(xoToolbarBK));
  EXPECT_EQ(skin.Skin3rd()->Count(), 117);
  EXPECT_EQ(skin.Skin3rd()->IndexOf("TPngSpeedbutton=pngspeedbutton"), -1);
  // The stored packed skin is the program's resource, whole.
  const HRSRC stored = FindResourceA(GetModuleHandleA(nullptr), "DEFAULTSKIN", MAKEINTRESOURCEA(10));
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(skin.FSkinStream.Size(), SizeofResource(GetModuleHandleA(nullptr), stored));
  EXPECT_EQ(skin.FBorders[sbTop]->FFrameCount, 2);
  EXPECT_EQ(skin.FSysButtons.size(), 8u);
  // Loaded: the program's skin manager knows it as the main skin.
  ASSERT_NE(SkinManager(), nullptr);
  EXPECT_EQ(SkinManager()->FMainSkinData, &skin);
  EXPECT_TRUE(SkinManager()->FEnabled);
}
