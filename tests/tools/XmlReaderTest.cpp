#include "tools/extdat/XmlReader.h"

#include <gtest/gtest.h>

#include <string>

TEST(XmlReader, ReadsElementsAttributesTextAndReferences) {
  const auto root = ParseXml(
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!DOCTYPE info [\n"
      "  <!ELEMENT info (item)+> <!-- a '>' and ']' in a comment ]> -->\n"
      "  <!ATTLIST item name CDATA \"a > b ]\">\n"
      "]>\n"
      "<!-- before the root -->\n"
      "<info xmlns=\"urn:x\">\n"
      "  <item name='one' value=\"&lt;&amp;&gt;&quot;&apos;\"/>\n"
      "  <item name=\"two\">x &#65;&#x4e2d; <![CDATA[<raw & text>]]><!-- gone --><?pi skipped?>y</item>\n"
      "</info>\n");
  ASSERT_EQ(root->Name, "info");
  EXPECT_EQ(*root->Attribute("xmlns"), "urn:x");
  ASSERT_EQ(root->Children.size(), 2u);
  const TXmlElement& one = *root->Children[0];
  EXPECT_EQ(*one.Attribute("name"), "one");
  EXPECT_EQ(*one.Attribute("value"), "<&>\"'");
  EXPECT_EQ(one.Attribute("missing"), nullptr);
  EXPECT_EQ(one.Line, 8);
  EXPECT_EQ(root->Children[1]->Text, "x A\xE4\xB8\xAD <raw & text>y");
}

TEST(XmlReader, NormalisesWhiteSpaceInAttributeValues) {
  const auto root = ParseXml("<a v=\"x\ty\nz\"/>");
  EXPECT_EQ(*root->Attribute("v"), "x y z");
}

TEST(XmlReader, RejectsMalformedDocumentsWithTheLine) {
  struct Case {
    const char* document;
    int line;
    const char* what;
  };
  const Case cases[] = {
      {"<a>\n<b></a>", 2, "does not close"},
      {"<a>\n<b>", 2, "is not closed"},
      {"<a>&nbsp;</a>", 1, "unknown entity"},
      {"<a>&#xZZ;</a>", 1, "bad character reference"},
      {"<a>&#0;</a>", 1, "bad character reference"},
      {"<a v=x/>", 1, "without quotes"},
      {"<a v='1' v='2'/>", 1, "given twice"},
      {"<a v='1'w='2'/>", 1, "white space between attributes"},
      {"<a v='<'/>", 1, "'<' in an attribute value"},
      {"text<a/>", 1, "text outside the root"},
      {"<a/>\n<b/>", 2, "second root"},
      {"", 1, "no root element"},
      {"<a><!-- open</a>", 1, "unterminated comment"},
      {"<a><!-- x -- y --></a>", 1, "\"--\" inside a comment"},
      {"<a><![CDATA[x</a>", 1, "unterminated CDATA"},
      {"<!DOCTYPE a [ <!ELEMENT a 'x>", 1, "unterminated"},
      {"<a\n", 2, "unterminated start tag"},
  };
  for (const Case& c : cases) {
    try {
      ParseXml(c.document);
      ADD_FAILURE() << "accepted: " << c.document;
    } catch (const EXmlError& e) {
      EXPECT_EQ(e.Line(), c.line) << c.document;
      EXPECT_NE(std::string(e.what()).find(c.what), std::string::npos) << c.document << " -> " << e.what();
    }
  }
}

TEST(XmlReader, RefusesNestingDeepEnoughToExhaustTheStack) {
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  EXPECT_THROW(ParseXml(deep), EXmlError);
}
