#pragma once
// Content signatures of ext.dat records, as the database tool reasons about
// them: whether a record has one, whether it lies inside the file header,
// and whether one signature matches every header that another matches.
#include "filetype/ExtRecord.h"

// SignLen greater than 0: the record takes part in content matching.
bool HasSignature(const TExtRecord& record);

// 0 <= HeadOffset, SignLen <= 11 and HeadOffset + SignLen <= 51.
bool SignatureInBounds(const TExtRecord& record);

// True when every header that matches specific's signature also matches
// general's, so that specific can never be the first match when general
// stands before it. A signature out of bounds is never compared: it covers
// nothing and nothing covers it.
bool Covers(const TExtRecord& general, const TExtRecord& specific);
