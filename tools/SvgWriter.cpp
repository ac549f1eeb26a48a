#include "tools/SvgWriter.h"

#include "tools/Numbers.h"

namespace fuzzy::tool {

TSvgWriter::TSvgWriter(double width, double height) {
  FText = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  const std::string w = Coordinate(width);
  const std::string h = Coordinate(height);
  Open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
               {"width", w},
               {"height", h},
               {"viewBox", "0 0 " + w + " " + h},
               {"font-family", "Helvetica, Arial, sans-serif"},
               {"font-size", "12"}});
}

std::string TSvgWriter::Escape(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string TSvgWriter::Coordinate(double value) {
  return ShortText(value, 2);
}

std::string TSvgWriter::StartTag(const std::string& tag, const TAttributes& attributes) const {
  std::string text = "<" + tag;
  for (const auto& [name, value] : attributes) text += " " + name + "=\"" + Escape(value) + "\"";
  return text;
}

void TSvgWriter::Line(const std::string& text) {
  FText += std::string(2 * FOpen.size(), ' ') + text + "\n";
}

void TSvgWriter::Open(const std::string& tag, const TAttributes& attributes) {
  Line(StartTag(tag, attributes) + ">");
  FOpen.push_back(tag);
}

void TSvgWriter::Close() {
  const std::string tag = FOpen.back();
  FOpen.pop_back();
  Line("</" + tag + ">");
}

void TSvgWriter::Empty(const std::string& tag, const TAttributes& attributes) {
  Line(StartTag(tag, attributes) + "/>");
}

void TSvgWriter::Element(const std::string& tag, const TAttributes& attributes,
                         const std::string& text) {
  Line(StartTag(tag, attributes) + ">" + Escape(text) + "</" + tag + ">");
}

std::string TSvgWriter::Finish() {
  while (!FOpen.empty()) Close();
  return FText;
}

}  // namespace fuzzy::tool
