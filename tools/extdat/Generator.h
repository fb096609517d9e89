#pragma once
// Builds the records of ext.dat from three sources, in this order of
// precedence: the maintainers' table, the file types of a shared MIME-info
// database, and the rules of file's magic.
//
// Records come in two runs. First the content signatures, in the order in
// which they are tried: the table's own signatures, then the generated ones
// by magic priority (higher first) and length (longer first); a signature
// is moved ahead of any earlier one that matches every header it matches, so
// that none is hidden behind a more general one. Then one keyed record
// without signature for every extension that no signature record is keyed
// with, so that the extension lookup knows every extension of the sources.
//
// The MIME-info types give names, extensions, descriptions, sub-class
// relations and signatures. Signatures come from the alternatives of their
// magic rules (MagicSignatures.h). Left out are signatures of fewer than 2
// bytes, of zero bytes but one in fewer than 4, of zero bytes only (the
// padding of every short file), of fewer than 4 bytes from rules the source
// marks as weak (priority below 50), and weak rules of text types.
//
// file's magic rules (MagicSource.h) give signatures. A rule belongs to the
// MIME-info type of its MIME type (or alias), whose extensions MIME-info
// alone gives; else to a type of its own, one for each MIME type (or, for
// rules without one, each first extension), when the magic names (MIME type
// or extension to a Chinese description) name it; else it is left out, as
// are rules of text types. Such a type of its own has the rules' extensions
// that no MIME-info type claims. A rule's signature that does not hold all
// of its tests, or has fewer than 4 bytes, says too little to stand alone:
// it only joins an equal signature that stands on its own (MIME-info's, or
// a complete rule's), adding its type to that signature's group.
//
// Types with the same signature, and the sub-classes of a (non-text)
// MIME-info type that have no signature of their own (the documents inside
// a ZIP container, say), share one group record: its key is "*" and a short
// name, its description the first member's description and the members'
// extensions, so that the matcher names the member by the file's extension.
// The first member is a MIME-info holder of the signature, the one whose
// rule has the lowest priority: the most general reading (an executable
// rather than a core dump for an ELF header). A signature of one type is keyed by the first
// extension that belongs to that type alone; a type without one (no
// extensions, or only some that other types claim too) gets a group record
// of its own.
//
// Descriptions are the zh_CN comment in GBK, or the English comment where
// there is none (or it has no GBK form); an extension longer than 10
// characters is added to its type's description, where the description
// lookup finds it. An extension that several types share gets one record
// with their descriptions joined, heaviest glob first.
//
// The table corrects and extends:
// - a row without signature gives the records with its key its description
//   (a group record names its first member so too), or adds a keyed record
//   when no source knows the key;
// - a row with a signature that a generated signature equals joins that
//   signature's group: a row keyed by an extension as a member (the
//   non-text types that claim the extension, else a type of its own), a
//   row keyed "*name" as the group's name: the group record takes its key
//   and description, followed by the members' extensions;
// - any other row with a signature is a record of its own, tried before the
//   generated signatures.
#include <map>
#include <string>
#include <vector>

#include "filetype/ExtRecord.h"
#include "tools/extdat/MagicSource.h"
#include "tools/extdat/MimeInfo.h"
#include "tools/extdat/Table.h"

// file's magic rules and the names of their types: MIME type (or, for rules
// without one, first extension) to Chinese description, GBK.
struct TMagicSource {
  std::vector<TMagicRule> Rules;
  std::map<std::string, std::string> Names;
};

// A type of file's magic that the names leave out, with the description of
// its first rule and the extensions of all its rules.
struct TUnnamedMagicType {
  std::string Name;
  std::string Description;
  std::vector<std::string> Extensions;
};

struct TGenerated {
  std::vector<TExtRecord> Records;
  std::vector<TUnnamedMagicType> Unnamed;
};

TGenerated GenerateRecords(const std::vector<TMimeType>& types, const TMagicSource& magic,
                           const std::vector<TTableRow>& table);
