#pragma once
// The recursive walk of qvid -r: every entry below a folder, depth first,
// each folder's entries in the order of their names. Folders are entered,
// not visited. Links to folders are not followed, so a walk never loops;
// links to anything else are visited as what they lead to.
#include <functional>
#include <string>

#include "tools/qvid/FileProbe.h"
#include "tools/qvid/NativePath.h"

struct TWalkVisitor {
  // An entry that is not a folder, with the kind the listing told (Unknown
  // when it did not tell).
  std::function<void(const TNativePath& path, TPathKind kind)> Entry;
  // A folder whose entries could not be listed, and why.
  std::function<void(const TNativePath& folder, const std::string& error)> Unlisted;
};

void WalkFolder(const TNativePath& folder, const TWalkVisitor& visitor);
