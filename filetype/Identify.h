#pragma once
// The identification of one file, shared by the window and the command-line
// tool: content signature, then extension lookup or the text test, then the
// registry. Only the verdict's Ext and Desc are meant to be shown.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "filetype/ExtRecord.h"
#include "filetype/ExtRecordSource.h"

// The description the system holds for an extension (".txt"); empty when it
// has none. An empty lookup means the system has no such registry.
using TTypeDescLookup = std::function<std::string(const std::string& ext)>;

// The registry's description on Windows; none elsewhere.
TTypeDescLookup SystemTypeDescLookup();

inline constexpr std::string_view kTextFilePrefix = "该文件是文本类的文件，可以用记事本打开。";
inline constexpr std::string_view kByExtensionPrefix = "通过扩展名来判定为：";
inline constexpr std::string_view kByRegistryPrefix = "注册表查询判定为:";
inline constexpr std::string_view kUnknownType = "未知文件类型";

// The first 51 bytes of the file, zero-filled where it is shorter. First
// way: the file opened for reading and writing, shared, and exactly 51 bytes
// read. When that fails in any way, second way: the file opened for reading,
// denying others write access, and at most 51 bytes read, so that a large
// file that refuses writers costs no more than a small one. Raises
// EInOutError when both ways fail.
TFileHeader ReadFileHeader(const std::string& fileName);
#ifdef _WIN32
// The same by the file's exact (UTF-16) name.
TFileHeader ReadFileHeader(const std::wstring& fileName);
#endif

// Identifies a file whose header has been read already; no header when the
// file could not be read, which leaves the extension to decide. fileName
// gives the extension and is not opened. Errors of a database that exists
// but cannot be read in the extension stage reach the caller as EInOutError;
// those of the content signature stage are swallowed.
TExtRecord IdentifyHeader(const std::string& fileName, const std::optional<TFileHeader>& header,
                          const TExtRecordSource& database,
                          const TTypeDescLookup& typeDesc = SystemTypeDescLookup());

// Reads the file's header (ReadFileHeader) and identifies it.
TExtRecord IdentifyFile(const std::string& fileName, const TExtRecordSource& database,
                        const TTypeDescLookup& typeDesc = SystemTypeDescLookup());
#ifdef _WIN32
// The same for a file whose name the system code page may not spell: it is
// read through its exact name, and fileName, the name in the code page,
// gives the extension.
TExtRecord IdentifyFile(const std::string& fileName, const std::wstring& exactName,
                        const TExtRecordSource& database, const TTypeDescLookup& typeDesc = SystemTypeDescLookup());
#endif
