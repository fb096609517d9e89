#pragma once
// Builds the records of ext.dat from the file types of a shared MIME-info
// database and the maintainers' table.
//
// Records come in two runs. First the content signatures, in the order in
// which they are tried: the table's own signatures, then the generated ones
// by magic priority (higher first) and length (longer first); a signature
// is moved ahead of any earlier one that matches every header it matches, so
// that none is hidden behind a more general one. Then one keyed record
// without signature for every extension that no signature record is keyed
// with, so that the extension lookup knows every extension of the source.
//
// Signatures come from the alternatives of the types' magic rules
// (MagicSignatures.h). Left out are signatures of fewer than 2 bytes, of
// zero bytes but one in fewer than 4, of zero bytes only (the padding of
// every short file), of fewer than 4 bytes from rules the source marks as
// weak (priority below 50), and weak rules of text types.
//
// Types with the same signature, and the sub-classes of a (non-text) type
// that have no signature of their own (the documents inside a ZIP
// container, say), share one group record: its key is "*" and a short name,
// its description the first member's description and the members'
// extensions, so that the matcher names the member by the file's extension.
// The first member is the holder of the signature whose rule has the lowest
// priority, the most general reading (an executable rather than a core dump
// for an ELF header). A signature of one type is keyed by the first
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
// The table corrects and extends: a row without signature whose key the
// source knows replaces the description of the records with that key;
// every other row is added, a signature row ahead of the generated
// signatures, a keyed row after the generated keyed records.
#include <vector>

#include "filetype/ExtRecord.h"
#include "tools/extdat/MimeInfo.h"
#include "tools/extdat/Table.h"

std::vector<TExtRecord> GenerateRecords(const std::vector<TMimeType>& types, const std::vector<TTableRow>& table);
