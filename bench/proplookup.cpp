// proplookup [ROUNDS]: how long finding a published property by name takes
// (TClassInfo::FindProp, as code that reads a control's Caption, Font or
// Glyph by name does on every paint), against a reference lookup in the same
// run that copies and lower-cases the wanted name and every candidate name,
// with the ratio. The classes are a five-level hierarchy with about as many
// properties as the framework's controls; the names asked for are found at
// every level, in other letter cases, or not at all.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Component.h"
#include "ui/StrUtils.h"
#include "ui/TypInfo.h"

namespace {

using TClock = std::chrono::steady_clock;

struct TLevel : TComponent {
  QV_CLASS(TLevel, TComponent)
  using TComponent::TComponent;
  int Value() const { return 0; }
  void SetValue(int) {}
};

#define QV_BENCH_LEVEL(Class, Parent)   \
  struct Class : Parent {               \
    QV_CLASS(Class, Parent)             \
    using Parent::Parent;               \
    static const TPropInfo Published[]; \
  };
QV_BENCH_LEVEL(TLevel1, TLevel)
QV_BENCH_LEVEL(TLevel2, TLevel1)
QV_BENCH_LEVEL(TLevel3, TLevel2)
QV_BENCH_LEVEL(TLevel4, TLevel3)

#define QV_BENCH_PROP(Name) Prop<TTypeKind::Integer, &TLevel::Value, &TLevel::SetValue>(Name)
const TPropInfo TLevel1::Published[] = {
    QV_BENCH_PROP("Left"),  QV_BENCH_PROP("Top"),     QV_BENCH_PROP("Width"),   QV_BENCH_PROP("Height"),
    QV_BENCH_PROP("Align"), QV_BENCH_PROP("Color"),   QV_BENCH_PROP("Font"),    QV_BENCH_PROP("ParentFont"),
    QV_BENCH_PROP("Hint"),  QV_BENCH_PROP("ShowHint"), QV_BENCH_PROP("Visible"), QV_BENCH_PROP("Enabled"),
    QV_BENCH_PROP("BiDiMode"), QV_BENCH_PROP("OnMouseDown")};
const TPropInfo TLevel2::Published[] = {QV_BENCH_PROP("TabOrder"), QV_BENCH_PROP("TabStop")};
const TPropInfo TLevel3::Published[] = {QV_BENCH_PROP("OnClick"), QV_BENCH_PROP("Action")};
const TPropInfo TLevel4::Published[] = {
    QV_BENCH_PROP("Caption"), QV_BENCH_PROP("Default"), QV_BENCH_PROP("Cancel"),   QV_BENCH_PROP("Glyph"),
    QV_BENCH_PROP("NumGlyphs"), QV_BENCH_PROP("Layout"), QV_BENCH_PROP("Margin"), QV_BENCH_PROP("Spacing"),
    QV_BENCH_PROP("Kind"),    QV_BENCH_PROP("ModalResult")};
QV_CLASS_INFO(TLevel, {});
QV_CLASS_INFO(TLevel1, Published);
QV_CLASS_INFO(TLevel2, Published);
QV_CLASS_INFO(TLevel3, Published);
QV_CLASS_INFO(TLevel4, Published);

// The lookup that lower-cases copies of the names at every comparison.
const TPropInfo* ReferenceFindProp(const TClassInfo& classInfo, std::string_view name) {
  const std::string key = AsciiLowerCase(name);
  for (const TClassInfo* info = &classInfo; info; info = info->Parent) {
    for (const TPropInfo& prop : info->Props) {
      if (AsciiLowerCase(prop.Name) == key) return &prop;
    }
  }
  return nullptr;
}

template <class Lookup>
double NanosecondsPerLookup(int rounds, const std::vector<std::string>& names, Lookup lookup, int& found) {
  const TClock::time_point start = TClock::now();
  for (int round = 0; round < rounds; ++round) {
    for (const std::string& name : names) found += lookup(name) != nullptr;
  }
  const double total = std::chrono::duration<double, std::nano>(TClock::now() - start).count();
  return total / (static_cast<double>(rounds) * static_cast<double>(names.size()));
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
  const std::vector<std::string> names = {"Caption", "Font",  "glyph",     "NUMGLYPHS", "Layout",   "Color",
                                          "Enabled", "BiDiMode", "Visible", "Flat",      "Transparent", "Images",
                                          "Name",    "tag",   "Checked",   "FixedColor"};
  const TClassInfo& info = TLevel4::ClassInfo;
  int found = 0;
  // One round of each first, so that both start warm.
  NanosecondsPerLookup(1, names, [&](std::string_view name) { return ReferenceFindProp(info, name); }, found);
  NanosecondsPerLookup(1, names, [&](std::string_view name) { return info.FindProp(name); }, found);
  found = 0;
  const double reference =
      NanosecondsPerLookup(rounds, names, [&](std::string_view name) { return ReferenceFindProp(info, name); }, found);
  const int referenceFound = found;
  found = 0;
  const double current =
      NanosecondsPerLookup(rounds, names, [&](std::string_view name) { return info.FindProp(name); }, found);
  if (found != referenceFound) {
    std::fprintf(stderr, "the lookups disagree: %d against %d names found\n", found, referenceFound);
    return 1;
  }
  std::printf("%zu names, %d rounds\n", names.size(), rounds);
  std::printf("reference lookup (lower-cased copies): %8.1f ns per name\n", reference);
  std::printf("FindProp:                              %8.1f ns per name\n", current);
  std::printf("ratio reference / FindProp:            %8.2f\n", reference / current);
  return 0;
}
