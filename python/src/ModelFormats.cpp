#include "python/src/ModelFormats.h"

#include <algorithm>

#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/formats/ModelFormats.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "python/src/PyErrors.h"

namespace fuzzy::python {

namespace {

// The library's definition language; it carries no rules.
std::string ReadDefinitionLanguage(TFuzzyLogic* logic, const std::string& text,
                                   const std::string& source) {
  try {
    logic->GetParser()->Parse(text);
  } catch (const EFzyParseException& error) {
    throw EPyParseError(error.GetMessage(), error.GetLine(), "", source);
  } catch (const Exception& error) {
    // Refusals outside the grammar (a term named with a reserved word) carry no line.
    throw EPyParseError(error.GetMessage(), 0, "", source);
  }
  return {};
}

// A model file of another format: read by the library's reader into a model of its own, then
// handed over as the library's own two texts, which read back as the same model, settings lines
// of the rules included.
TModelReader ForeignReader(::fuzzy::TModelFormat format) {
  return [format](TFuzzyLogic* logic, const std::string& text, const std::string& source) {
    std::string rules;
    try {
      const TFuzzyModel model = ::fuzzy::ReadModel(format, text);
      logic->GetParser()->Parse(::fuzzy::WriteOwnDefinitions(model));
      rules = ::fuzzy::WriteOwnRules(model);
    } catch (const EFzyParseException& error) {
      throw EPyParseError(error.GetMessage(), error.GetLine(), "", source);
    }
    return rules;
  };
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

const std::vector<TModelFormat>& ModelFormats() {
  static const std::vector<TModelFormat> formats{
      {"fuzzy", {".fzy"}, ReadDefinitionLanguage},
      {"fis", {".fis", ".FIS"}, ForeignReader(::fuzzy::mfFis)},
      {"fcl", {".fcl", ".FCL"}, ForeignReader(::fuzzy::mfFcl)},
  };
  return formats;
}

const TModelFormat& ModelFormatNamed(const std::string& name) {
  const std::vector<TModelFormat>& formats = ModelFormats();
  const auto found = std::find_if(formats.begin(), formats.end(),
                                  [&](const TModelFormat& format) { return format.Name == name; });
  if (found != formats.end()) return *found;
  std::string known;
  for (const TModelFormat& format : formats) known += (known.empty() ? "" : ", ") + format.Name;
  throw EFzyException("no model format \"" + name + "\" (this build reads: " + known + ")");
}

const TModelFormat& ModelFormatOfPath(const std::string& path) {
  for (const TModelFormat& format : ModelFormats()) {
    for (const std::string& suffix : format.Suffixes) {
      if (EndsWith(path, suffix)) return format;
    }
  }
  return ModelFormats().front();
}

}  // namespace fuzzy::python
