#pragma once
// The identification of one file, shared by the window and the command-line
// tool: content signature, then extension lookup or the text test, then the
// registry. Only the verdict's Ext and Desc are meant to be shown.
#include <functional>
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

// The first 51 bytes of the file, zero-filled where it is shorter. Reads the
// file opened for reading and writing, shared, and when that fails in any way
// loads the whole file (reading, denying others write access). Raises when
// both ways fail.
TFileHeader ReadFileHeader(const std::string& fileName);

// Identifies the file. Errors of the content signature stage are swallowed;
// errors of a database that exists but cannot be read in the extension stage
// reach the caller as EInOutError.
TExtRecord IdentifyFile(const std::string& fileName, const TExtRecordSource& database,
                        const TTypeDescLookup& typeDesc = SystemTypeDescLookup());
