#include "tools/extdat/XmlReader.h"

#include <cstdint>

const std::string* TXmlElement::Attribute(std::string_view name) const {
  for (const auto& [key, value] : Attributes) {
    if (key == name) return &value;
  }
  return nullptr;
}

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsNameStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' ||
         static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code >> 18);
    out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

class TXmlParser {
 public:
  explicit TXmlParser(std::string_view text) : FText(text) {}

  std::unique_ptr<TXmlElement> Document() {
    if (StartsWith("\xEF\xBB\xBF")) FPos += 3;  // byte order mark
    std::unique_ptr<TXmlElement> root;
    while (true) {
      SkipSpace();
      if (AtEnd()) break;
      if (!StartsWith("<")) Fail("text outside the root element");
      if (StartsWith("<?")) {
        SkipProcessingInstruction();
      } else if (StartsWith("<!--")) {
        SkipComment();
      } else if (StartsWith("<!DOCTYPE")) {
        if (root) Fail("document type declaration after the root element");
        SkipDoctype();
      } else if (StartsWith("<!")) {
        Fail("unexpected markup outside the root element");
      } else {
        if (root) Fail("a second root element");
        root = Element();
      }
    }
    if (!root) Fail("no root element");
    return root;
  }

 private:
  // Elements nest by recursion; deeper documents are refused rather than
  // allowed to exhaust the stack.
  static constexpr int kMaxDepth = 200;

  std::string_view FText;
  std::size_t FPos = 0;
  int FLine = 1;
  int FDepth = 0;

  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }
  bool StartsWith(std::string_view s) const { return FText.substr(FPos, s.size()) == s; }

  [[noreturn]] void Fail(const std::string& what) const { throw EXmlError(FLine, what); }

  void Advance(std::size_t n = 1) {
    for (std::size_t i = 0; i < n && !AtEnd(); ++i) {
      if (FText[FPos] == '\n') ++FLine;
      ++FPos;
    }
  }

  void SkipSpace() {
    while (!AtEnd() && IsSpace(Peek())) Advance();
  }

  void Expect(std::string_view s) {
    if (!StartsWith(s)) Fail("expected \"" + std::string(s) + "\"");
    Advance(s.size());
  }

  // Skips to just after the terminator; what says what was left open.
  void SkipPast(std::string_view terminator, const char* what) {
    const std::size_t end = FText.find(terminator, FPos);
    if (end == std::string_view::npos) Fail(std::string("unterminated ") + what);
    Advance(end + terminator.size() - FPos);
  }

  void SkipProcessingInstruction() { SkipPast("?>", "processing instruction"); }

  void SkipComment() {
    Advance(4);
    const std::size_t end = FText.find("--", FPos);
    if (end == std::string_view::npos) Fail("unterminated comment");
    Advance(end - FPos);
    if (!StartsWith("-->")) Fail("\"--\" inside a comment");
    Advance(3);
  }

  // <!DOCTYPE name ... [ internal subset ] >: declarations, comments and
  // quoted literals are stepped over as a whole, so that a '>' or ']'
  // inside them does not end the declaration.
  void SkipDoctype() {
    Advance(9);
    bool inSubset = false;
    while (true) {
      if (AtEnd()) Fail("unterminated document type declaration");
      const char c = Peek();
      if (c == '"' || c == '\'') {
        SkipQuoted();
      } else if (StartsWith("<!--")) {
        SkipComment();
      } else if (inSubset && StartsWith("<?")) {
        SkipProcessingInstruction();
      } else if (inSubset && c == '<') {
        SkipMarkupDeclaration();
      } else if (c == '[' && !inSubset) {
        inSubset = true;
        Advance();
      } else if (c == ']' && inSubset) {
        inSubset = false;
        Advance();
      } else if (c == '>' && !inSubset) {
        Advance();
        return;
      } else {
        Advance();
      }
    }
  }

  void SkipMarkupDeclaration() {
    Advance();
    while (true) {
      if (AtEnd()) Fail("unterminated markup declaration");
      const char c = Peek();
      if (c == '"' || c == '\'') {
        SkipQuoted();
      } else if (c == '>') {
        Advance();
        return;
      } else {
        Advance();
      }
    }
  }

  void SkipQuoted() {
    const char quote = Peek();
    Advance();
    const std::size_t end = FText.find(quote, FPos);
    if (end == std::string_view::npos) Fail("unterminated literal");
    Advance(end + 1 - FPos);
  }

  std::string Name() {
    if (!IsNameStart(Peek())) Fail("expected a name");
    const std::size_t start = FPos;
    while (!AtEnd() && IsNameChar(Peek())) Advance();
    return std::string(FText.substr(start, FPos - start));
  }

  // An entity or character reference after '&', appended in UTF-8.
  void Reference(std::string& out) {
    Advance();
    const std::size_t end = FText.find(';', FPos);
    if (end == std::string_view::npos || end - FPos > 10) Fail("unterminated entity reference");
    const std::string_view name = FText.substr(FPos, end - FPos);
    if (name == "lt") {
      out += '<';
    } else if (name == "gt") {
      out += '>';
    } else if (name == "amp") {
      out += '&';
    } else if (name == "quot") {
      out += '"';
    } else if (name == "apos") {
      out += '\'';
    } else if (name.size() > 1 && name[0] == '#') {
      const bool hex = name[1] == 'x';
      const std::string_view digits = name.substr(hex ? 2 : 1);
      std::uint32_t code = 0;
      for (const char c : digits) {
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d < 0) Fail("bad character reference \"&" + std::string(name) + ";\"");
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
        if (code > 0x10FFFF) Fail("character reference out of range");
      }
      if (digits.empty() || code == 0 || (code >= 0xD800 && code <= 0xDFFF)) {
        Fail("bad character reference \"&" + std::string(name) + ";\"");
      }
      AppendUtf8(out, code);
    } else {
      Fail("unknown entity \"&" + std::string(name) + ";\"");
    }
    Advance(end + 1 - FPos);
  }

  std::string AttributeValue() {
    const char quote = Peek();
    if (quote != '"' && quote != '\'') Fail("attribute value without quotes");
    Advance();
    std::string value;
    while (true) {
      if (AtEnd()) Fail("unterminated attribute value");
      const char c = Peek();
      if (c == quote) break;
      if (c == '<') Fail("'<' in an attribute value");
      if (c == '&') {
        Reference(value);
      } else {
        value += IsSpace(c) ? ' ' : c;  // attribute values normalise white space
        Advance();
      }
    }
    Advance();
    return value;
  }

  std::unique_ptr<TXmlElement> Element() {
    if (FDepth == kMaxDepth) Fail("elements nested too deeply");
    auto element = std::make_unique<TXmlElement>();
    element->Line = FLine;
    Advance();  // '<'
    element->Name = Name();
    while (true) {
      const bool spaced = IsSpace(Peek());
      SkipSpace();
      if (StartsWith("/>")) {
        Advance(2);
        return element;
      }
      if (Peek() == '>') {
        Advance();
        break;
      }
      if (AtEnd()) Fail("unterminated start tag <" + element->Name + ">");
      if (!spaced) Fail("expected white space between attributes");
      std::string name = Name();
      SkipSpace();
      Expect("=");
      SkipSpace();
      std::string value = AttributeValue();
      if (element->Attribute(name)) Fail("attribute \"" + name + "\" given twice");
      element->Attributes.emplace_back(std::move(name), std::move(value));
    }
    ++FDepth;
    Content(*element);
    --FDepth;
    return element;
  }

  void Content(TXmlElement& element) {
    while (true) {
      if (AtEnd()) Fail("element <" + element.Name + "> is not closed");
      const char c = Peek();
      if (c == '&') {
        Reference(element.Text);
      } else if (c != '<') {
        element.Text += c;
        Advance();
      } else if (StartsWith("</")) {
        Advance(2);
        const std::string name = Name();
        SkipSpace();
        Expect(">");
        if (name != element.Name) {
          Fail("</" + name + "> does not close <" + element.Name + ">");
        }
        return;
      } else if (StartsWith("<!--")) {
        SkipComment();
      } else if (StartsWith("<![CDATA[")) {
        Advance(9);
        const std::size_t end = FText.find("]]>", FPos);
        if (end == std::string_view::npos) Fail("unterminated CDATA section");
        element.Text += FText.substr(FPos, end - FPos);
        Advance(end + 3 - FPos);
      } else if (StartsWith("<?")) {
        SkipProcessingInstruction();
      } else if (StartsWith("<!")) {
        Fail("unexpected markup inside <" + element.Name + ">");
      } else {
        element.Children.push_back(Element());
      }
    }
  }
};

}  // namespace

std::unique_ptr<TXmlElement> ParseXml(std::string_view document) {
  return TXmlParser(document).Document();
}
