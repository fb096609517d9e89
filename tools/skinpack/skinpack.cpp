// skinpack: makes and reads packed skin packages.
//
//   skinpack pack [--version N] DIR OUT   packs every regular file of DIR
//   skinpack unpack PACKAGE DIR           writes every entry into DIR
//   skinpack list PACKAGE                 prints each entry's name and size
//
// pack takes the files in the byte order of their names, so the same folder
// always gives the same package, and writes the packed form that a skin
// package file holds (unpacked size, then the LZHUF stream), version 20000
// unless --version names another. Entry names are stored lower case by the
// reader, so unpack writes lower-case file names; of two entries with the
// same name only the first can be read, and unpack skips the later ones
// with a warning. Outputs are written to a temporary file that is renamed
// over the target, so a failed run never leaves a half-written file.
//
// Exit status: 0 done, 1 failed (missing or malformed input, unwritable
// output), 2 wrong usage.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "skin/data/SkinRead.h"
#include "tools/skinpack/LzhPacker.h"
#include "tools/skinpack/SkinPackageWriter.h"
#include "ui/Exception.h"
#include "ui/StrUtils.h"
#include "ui/Stream.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

// A failure to report: the message goes after "skinpack: ".
struct Failure {
  std::string Message;
};

int Usage() {
  std::fputs(
      "usage: skinpack pack [--version N] DIR OUT\n"
      "       skinpack unpack PACKAGE DIR\n"
      "       skinpack list PACKAGE\n",
      stderr);
  return kUsage;
}

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure{"cannot open " + path.string()};
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw Failure{"cannot read " + path.string()};
  return bytes;
}

// Writes the bytes to a temporary file beside path and renames it over
// path; on any failure the temporary file is removed and path is untouched.
void WriteFileReplacing(const fs::path& path, const std::uint8_t* bytes, std::size_t size) {
  fs::path temporary = path;
  temporary += ".skinpack-" + std::to_string(getpid());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    if (out) out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      throw Failure{"cannot write " + path.string()};
    }
  }
  std::error_code error;
  fs::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw Failure{"cannot write " + path.string() + ": " + error.message()};
  }
}

void ReadPackage(const fs::path& path, TSkinReader& reader) {
  TMemoryStream packed;
  const std::vector<std::uint8_t> bytes = ReadFile(path);
  packed.WriteBuffer(bytes.data(), bytes.size());
  if (!reader.ReadSkinPackage(packed)) throw Failure{path.string() + " is not a readable skin package"};
}

int Pack(const fs::path& dir, const fs::path& out, std::int32_t version) {
  std::error_code error;
  if (!fs::is_directory(dir, error)) throw Failure{dir.string() + " is not a folder"};
  std::vector<TSkinEntry> entries;
  for (const fs::directory_entry& item : fs::directory_iterator(dir)) {
    if (!item.is_regular_file()) {
      std::fprintf(stderr, "skinpack: skipping %s (not a regular file)\n", item.path().string().c_str());
      continue;
    }
    entries.push_back({item.path().filename().string(), ReadFile(item.path())});
  }
  std::sort(entries.begin(), entries.end(), [](const TSkinEntry& a, const TSkinEntry& b) { return a.Name < b.Name; });
  const std::vector<std::uint8_t> package = WriteSkinPackage(entries, version);
  const std::vector<std::uint8_t> packed = LzhPack(package);
  WriteFileReplacing(out, packed.data(), packed.size());
  std::printf("%s: %zu entries, %zu bytes packed into %zu\n", out.string().c_str(), entries.size(), package.size(),
              packed.size());
  return 0;
}

// A name that stays inside the target folder.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

int Unpack(const fs::path& package, const fs::path& dir) {
  TSkinReader reader;
  ReadPackage(package, reader);
  const TStrings& names = reader.Names();
  for (int i = 0; i < reader.Count(); ++i) {
    if (!IsPlainFileName(names[i])) throw Failure{"the entry name \"" + names[i] + "\" is not a plain file name"};
  }
  std::error_code error;
  fs::create_directories(dir, error);
  if (error) throw Failure{"cannot create " + dir.string() + ": " + error.message()};
  std::set<std::string> written;
  for (int i = 0; i < reader.Count(); ++i) {
    const std::string name = names[i];
    if (!written.insert(name).second) {
      std::fprintf(stderr, "skinpack: skipping entry %d, a second \"%s\" (only the first can be read)\n", i + 1,
                   name.c_str());
      continue;
    }
    TMemoryStream entry;
    reader.ExtractEntry(name, entry);
    WriteFileReplacing(dir / name, entry.Memory(), static_cast<std::size_t>(entry.Size()));
  }
  return 0;
}

int List(const fs::path& package) {
  TSkinReader reader;
  ReadPackage(package, reader);
  for (int i = 0; i < reader.Count(); ++i) {
    std::printf("%s\t%d\n", reader.Names()[i].c_str(), static_cast<int>(reader.EntrySize(i)));
  }
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  if (command == "pack") {
    std::int32_t version = 20000;
    std::size_t first = 1;
    if (args.size() > 1 && args[1] == "--version") {
      if (args.size() < 3) return Usage();
      int value = 0;
      if (!TryStrToInt(args[2], value) || SkinPackageExtraSize(value) < 0) {
        throw Failure{"unknown version " + args[2] + " (20000, 30000, 40000, 50000, 60000 or 70000)"};
      }
      version = value;
      first = 3;
    }
    if (args.size() != first + 2) return Usage();
    return Pack(args[first], args[first + 1], version);
  }
  if (command == "unpack" && args.size() == 3) return Unpack(args[1], args[2]);
  if (command == "list" && args.size() == 2) return List(args[1]);
  return Usage();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const Failure& failure) {
    std::fprintf(stderr, "skinpack: %s\n", failure.Message.c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skinpack: %s\n", error.what());
  }
  return kFailed;
}
