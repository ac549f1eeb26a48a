// A minimal writer of SVG (XML) text: elements with attributes, properly nested and escaped, so
// that the plots are well-formed without any XML library.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace fuzzy::tool {

using TAttributes = std::vector<std::pair<std::string, std::string>>;

class TSvgWriter {
 public:
  // Starts the document: the XML declaration and the <svg> root of the given size.
  TSvgWriter(double width, double height);

  void Open(const std::string& tag, const TAttributes& attributes);
  void Close();
  // <tag .../>
  void Empty(const std::string& tag, const TAttributes& attributes);
  // <tag ...>text</tag>, the text escaped.
  void Element(const std::string& tag, const TAttributes& attributes, const std::string& text);
  // Closes every open element (the root last) and answers the document.
  std::string Finish();

  // & < > " ' as character entities.
  static std::string Escape(const std::string& text);
  // A coordinate with at most two decimals.
  static std::string Coordinate(double value);

 private:
  std::string StartTag(const std::string& tag, const TAttributes& attributes) const;
  void Line(const std::string& text);

  std::string FText;
  std::vector<std::string> FOpen;
};

}  // namespace fuzzy::tool
