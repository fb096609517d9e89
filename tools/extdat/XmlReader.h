#pragma once
// A small XML reader for data files such as freedesktop.org's shared MIME
// database: elements, attributes, character data, the predefined and numeric
// entities, comments, CDATA sections, processing instructions and a document
// type declaration (skipped, internal subset included). It builds the whole
// tree in memory and rejects malformed input with the line of the fault.
// Texts are kept in UTF-8, the encoding of the input.
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class EXmlError : public std::runtime_error {
 public:
  EXmlError(int line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what), FLine(line) {}
  int Line() const { return FLine; }

 private:
  int FLine;
};

struct TXmlElement {
  std::string Name;
  std::vector<std::pair<std::string, std::string>> Attributes;
  std::vector<std::unique_ptr<TXmlElement>> Children;
  std::string Text;  // the character data directly inside, concatenated
  int Line = 0;      // where the start tag is

  // The value of an attribute, or nullptr when the element has none.
  const std::string* Attribute(std::string_view name) const;
};

// Parses a whole document and returns its root element; EXmlError on
// malformed input.
std::unique_ptr<TXmlElement> ParseXml(std::string_view document);
