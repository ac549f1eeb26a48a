// How a format's membership functions map onto the library's shapes: the function's name, the
// shape, and where each of the format's numbers goes among the shape's parameters, so that the
// reader and the writer of a format share one table.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fuzzy/sets/FuzzyShape.h"

namespace fuzzy {

struct TFormatShape {
  const char* Name;
  TFuzzyShapeKind Kind;
  std::vector<std::size_t> Order;  // Order[i]: which of the format's numbers is parameter i
};

// The .fis functions (trimf and linear are read apart) and the FCL ones (trian apart).
std::span<const TFormatShape> FisShapes();
std::span<const TFormatShape> FclShapes();

// The entry of that name (compared as given), or null.
const TFormatShape* FormatShapeNamed(std::span<const TFormatShape> shapes, const std::string& name);
// The entry of that kind, or null when the format has no function for it.
const TFormatShape* FormatShapeOfKind(std::span<const TFormatShape> shapes, TFuzzyShapeKind kind);
// The format's numbers as the shape's parameters, and back.
std::vector<TFzyFloat> ShapeParameters(const TFormatShape& shape,
                                       const std::vector<TFzyFloat>& numbers);
std::vector<TFzyFloat> FormatNumbers(const TFormatShape& shape,
                                     const std::vector<TFzyFloat>& parameters);

}  // namespace fuzzy
