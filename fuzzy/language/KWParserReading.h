// What the two halves of the definition reader (object model and interface model) share: the
// names of the reading routines as errors quote them, how tokens are told apart, and the
// checks made before a text is read.
#pragma once

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"
#include "fuzzy/logic/FuzzyLogicParser.h"

namespace fuzzy::reading {

inline constexpr const char* SParseFuzzyLogic = "ParseFuzzyLogic";
inline constexpr const char* SParseFuzzyVariable = "ParseFuzzyVariable";
inline constexpr const char* SParseFuzzySet = "ParseFuzzySet";
inline constexpr const char* SParseFuzzyFunction = "ParseFuzzyFunction";
inline constexpr const char* SParseFuzzyValuePairs = "ParseFuzzyValuePairs";

inline constexpr const char* SDefinitionKeyword = "deffuzzy";
inline constexpr const char* STermKeyword = "term";
// A second term of one name in a variable would hide the first from every expression (object
// model) or silently replace it (interface model), so the reader refuses it.
inline constexpr const char* SFzyDuplicateTermName = "Duplicate term name: \"%s\"";
// The same holds for variables: the first of a name would hide the second from every lookup
// (object model) or be replaced by it (interface model).
inline constexpr const char* SFzyDuplicateVariableName = "Duplicate variable name: \"%s\"";

// What SFzyExpectedKeyword names when a clause keyword is wrong.
inline constexpr const char* SClauseKeywords = "range, units, or values";

// Punctuation tokens carry their character as their kind.
inline bool IsPunctuation(const IPtr<IFuzzyStreamToken>& token, char c) {
  return token && token->GetDataType() == static_cast<unsigned char>(c);
}
inline bool IsAtom(const IPtr<IFuzzyStreamToken>& token) {
  return token && token->GetDataType() == fstAtom;
}
inline bool IsNumber(const IPtr<IFuzzyStreamToken>& token) {
  return token && (token->GetDataType() == fstInteger || token->GetDataType() == fstFloat);
}
inline bool IsEndOfInput(const IPtr<IFuzzyStreamToken>& token) {
  return !token || token->GetDataType() == fstNone;
}

// "__Empty" names the empty set that empty expressions answer; a term of that name would be
// taken for it and written without a name, so it is refused as the reserved words are.
inline void RequireTermName(const std::string& name) {
  if (name == SEmptyFuzzy) throw EFzyException::CreateFmt(SInvalidFuzzySetName, name);
}

// Reading whole definitions needs a component to read them into.
inline void RequireFuzzyLogic(const TCustomFuzzyLogicParser* parser) {
  if (parser->GetFuzzyLogic() == nullptr) throw EFzyParseException(SFuzzyLogicNotSet);
}

// Whether definitions go into the interface model's component (KWParserReaderIntf.cpp).
bool IsInterfaceModel(const TCustomFuzzyLogic* logic);

}  // namespace fuzzy::reading
