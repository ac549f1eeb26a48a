// The written form of the definition language, apart from the model a term or variable comes
// from: each is first described by plain values, then laid out as text that the reader reads
// back as the same term or variable (shapes as the built-in functions take their numbers).
#pragma once

#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/sets/FuzzyShape.h"

namespace fuzzy {

struct TTermPoint {
  TFzyFloat X = 0.0;
  TFzyFloat Y = 0.0;
};

// What a term's text is made of.
struct TTermDescription {
  // Empty for a set without a usable name ("__Empty"): the body is then written alone.
  std::string Name;
  std::string Comment;
  TFuzzySetType SetType = fstUserDefined;
  std::string Expression;
  std::vector<TTermPoint> Points;
  TFzyFloat InflectionPoint = 0.0;
  // The formula the points were sampled from, written instead of them when there is one.
  TFuzzyShape Shape;
};

// What a variable's text is made of; Terms are complete term texts in writing order.
struct TVariableDescription {
  std::string Name;
  std::string Comment;
  std::string Units;
  TFzyFloat Minimum = 0.0;
  TFzyFloat Maximum = 1.0;
  std::vector<std::string> Terms;
};

// "(term name "comment" body)", or the body alone without a name.
std::string FormatTermDefinition(const TTermDescription& term);
// The whole "(deffuzzy ...)" block, one clause per line.
std::string FormatVariableDefinition(const TVariableDescription& variable);
// A string token's text: between double quotes, a quote or backslash escaped by a backslash.
std::string QuoteDefinitionText(const std::string& text);
// A variable's or term's name as one word: the escape character goes before every character
// that would end the word or start another token, and before itself.
std::string FormatName(const std::string& name);
// The units clause's argument: bare when the reader takes the text back as one word that
// prints as itself, quoted otherwise (a blank, a bracket, a quote, a leading number sign...).
std::string FormatUnits(const std::string& units);

}  // namespace fuzzy
