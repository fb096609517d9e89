#include "tools/qvid/VerdictFormat.h"

#include <gtest/gtest.h>

TEST(VerdictFormat, OneTabSeparatedLinePerFile) {
  TFileReport r{"dir/a\tb.png", "a\tb.png", ".png", "PNG image\nsecond line", ""};
  EXPECT_EQ(FormatTsvLine(r), "dir/a b.png\t.png\tPNG image second line");
}

TEST(VerdictFormat, JsonObjectsCarryTheVerdictOrTheError) {
  EXPECT_EQ(FormatJsonObject({"d/x.txt", "x.txt", ".txt", "text \"quoted\"", ""}),
            R"({"name":"x.txt","path":"d/x.txt","ext":".txt","description":"text \"quoted\""})");
  EXPECT_EQ(FormatJsonObject({"d", "d", "", "", "is a folder"}), R"({"name":"d","path":"d","error":"is a folder"})");
}

TEST(VerdictFormat, JsonStringsAreValidUtf8) {
  struct Case {
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"a\\b\"c", R"("a\\b\"c")"},
      {std::string("t\tn\n\x01", 5), R"("t\u0009n\u000a\u0001")"},
      {"\xE4\xB8\xAD\xF0\x9F\x98\x80", "\"\xE4\xB8\xAD\xF0\x9F\x98\x80\""},  // kept as they are
      {"a\xC4\xE3z", "\"a\xEF\xBF\xBD\xEF\xBF\xBDz\""},                        // GBK bytes are not UTF-8
      {"\xE4\xB8", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                            // cut short
      {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                            // overlong
      {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},            // a surrogate
  };
  for (const Case& c : cases) EXPECT_EQ(JsonString(c.in), c.out) << c.in;
}
