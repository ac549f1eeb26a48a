// The model formats the module reads, by name and by file suffix. A reader fills an empty logic
// component, whose parser is set, from a text, and answers the rule text the format carries
// (empty when it carries none). Another format joins by adding its entry to the table in
// ModelFormats.cpp; the loaders of the module find it from there.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fuzzy {
class TFuzzyLogic;
}

namespace fuzzy::python {

using TModelReader = std::function<std::string(TFuzzyLogic* logic, const std::string& text,
                                               const std::string& source)>;

struct TModelFormat {
  std::string Name;
  std::vector<std::string> Suffixes;  // with the dot: ".fzy"
  TModelReader Read;
};

const std::vector<TModelFormat>& ModelFormats();
// The format of that name; an unknown name raises FuzzyError naming the known ones.
const TModelFormat& ModelFormatNamed(const std::string& name);
// The format whose suffix `path` ends with; the definition language when none matches.
const TModelFormat& ModelFormatOfPath(const std::string& path);

}  // namespace fuzzy::python
