#pragma once
// Property types that several control families share, with the
// identifiers they are published under.
#include <string_view>

// A control's border: none or the sunken edge of edits and lists.
enum class TBorderStyle { bsNone, bsSingle };
inline constexpr std::string_view kBorderStyleNames[] = {"bsNone", "bsSingle"};

// Where text sits in its box.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
inline constexpr std::string_view kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};

// The scroll bars a window shows.
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
inline constexpr std::string_view kScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
