// The model formats by name: a model file's format told from its extension, and each format's
// reader and writer behind one call, beside the library's own pair of texts (definitions and
// rules).
#pragma once

#include <cstdint>
#include <string>

#include "fuzzy/formats/FuzzyModel.h"

namespace fuzzy {

enum TModelFormat : std::uint8_t { mfOwn, mfFis, mfFcl };

// ".fis" and ".fcl" in any case; anything else is the library's own.
TModelFormat ModelFormatOfName(const std::string& path);

// A .fis or FCL text; EFzyParseException with the line of the first fault.
TFuzzyModel ReadModel(TModelFormat format, const std::string& text);
// The library's own definitions and rules texts. A fault in the definitions raises the parser's
// EFzyParseException, one in the rules EFzyRuleException.
TFuzzyModel ReadOwnModel(const std::string& definitions, const std::string& rules);

// .fis or FCL text; EFzyException naming what the format cannot hold.
std::string WriteModel(TModelFormat format, const TFuzzyModel& model);
// The definitions and the rules in the library's own texts; they read back as the same model.
std::string WriteOwnDefinitions(const TFuzzyModel& model);
std::string WriteOwnRules(const TFuzzyModel& model);

}  // namespace fuzzy
