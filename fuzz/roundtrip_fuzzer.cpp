// The round trip: text that reads without error is written again and read into a fresh
// component, which must then hold the same variables and terms (names, comments, units, range
// and points to the four decimals the writer keeps); in the interface model the two written
// texts must be the same. Any difference aborts.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace {

using namespace fuzzy;

[[noreturn]] void Differs(const std::string& what, const std::string& written) {
  std::fprintf(stderr, "round trip differs: %s\nwritten text:\n%s\n", what.c_str(),
               written.c_str());
  std::abort();
}

// Four decimals are written; a number too large for them keeps its digits, up to the last
// few bits of a double.
bool SameNumber(TFzyFloat a, TFzyFloat b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  if (a == b) return true;
  return std::fabs(a - b) <= 1e-4 + 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

std::vector<const TFuzzySet*> DefinedTerms(const TFuzzyVariable* variable) {
  std::vector<const TFuzzySet*> terms;
  for (const TFuzzySet* term : *variable->GetItems()) {
    if (term->GetDefined()) terms.push_back(term);
  }
  return terms;
}

// The writer writes a term made by an expression as that expression, not as its points.
bool WrittenAsExpression(const TFuzzySet* term) {
  const std::string expression = term->GetExpression();
  return term->GetSetType() == fstUserDefined && !expression.empty() &&
         expression != term->GetName();
}

class TComparison {
 public:
  explicit TComparison(std::string written) : FWritten(std::move(written)) {}

  void Text(const std::string& what, const std::string& a, const std::string& b) const {
    if (a != b) Differs(what + ": \"" + a + "\" became \"" + b + "\"", FWritten);
  }
  void Number(const std::string& what, TFzyFloat a, TFzyFloat b) const {
    if (!SameNumber(a, b)) {
      Differs(what + ": " + std::to_string(a) + " became " + std::to_string(b), FWritten);
    }
  }
  void Count(const std::string& what, std::size_t a, std::size_t b) const {
    if (a != b) Differs(what + ": " + std::to_string(a) + " became " + std::to_string(b), FWritten);
  }

  void Terms(const TFuzzySet* a, const TFuzzySet* b) const {
    const std::string name = a->GetName();
    Text("term name", name, b->GetName());
    Text(name + " comment", a->GetComment(), b->GetComment());
    if (WrittenAsExpression(a)) {
      // Read back, the expression is worked out again over terms whose points were written to
      // four decimals; where two of them cross at a shallow angle that rounding moves the
      // crossing further, so such a term is the same term when its expression is.
      Text(name + " expression", a->GetExpression(), b->GetExpression());
      return;
    }
    const TFuzzySetValues* pa = a->GetValues();
    const TFuzzySetValues* pb = b->GetValues();
    Count(name + " points", pa->GetCount(), pb->GetCount());
    for (int i = 0; i < pa->GetCount(); ++i) {
      Number(name + " x" + std::to_string(i), pa->GetItem(i)->GetX(), pb->GetItem(i)->GetX());
      Number(name + " y" + std::to_string(i), pa->GetItem(i)->GetY(), pb->GetItem(i)->GetY());
    }
  }

  void Variables(const TFuzzyVariable* a, const TFuzzyVariable* b) const {
    const std::string name = a->GetName();
    Text("variable name", name, b->GetName());
    Text(name + " comment", a->GetComment(), b->GetComment());
    Text(name + " units", a->GetUnits(), b->GetUnits());
    Number(name + " minimum", a->GetMinimum(), b->GetMinimum());
    Number(name + " maximum", a->GetMaximum(), b->GetMaximum());
    const auto termsA = DefinedTerms(a);
    const auto termsB = DefinedTerms(b);
    Count(name + " terms", termsA.size(), termsB.size());
    for (std::size_t i = 0; i < termsA.size(); ++i) Terms(termsA[i], termsB[i]);
  }

 private:
  std::string FWritten;
};

// The interface model's component writes all its variables at once; read into a fresh
// component, the text must come back word for word.
void InterfaceRoundTrip(const std::string& text) {
  fuzzing::TInterfaceLogic source;
  if (fuzzing::Refused([&] { source.Parser->ParseFuzzyLogic(text); })) return;
  source.Logic->UpdateStrings();
  const std::string written = source.Logic->GetStrings()->GetText();
  fuzzing::TInterfaceLogic copy;
  try {
    copy.Parser->ParseFuzzyLogic(written);
  } catch (const Exception& error) {
    Differs(std::string("the written text does not read: ") + error.what(), written);
  }
  copy.Logic->UpdateStrings();
  TComparison(written).Text("interface-model text", written, copy.Logic->GetStrings()->GetText());
}

void ObjectRoundTrip(const std::string& text) {
  fuzzing::TObjectLogic source;
  if (fuzzing::Refused([&] { source.Parser->ParseFuzzyLogic(text); })) return;
  const TFuzzyVariables* variables = source.Logic->GetItems();
  std::string written;
  for (int i = 0; i < variables->GetCount(); ++i) {
    written += source.Parser->PrettyPrint(variables->GetItem(i)) + "\n";
  }
  fuzzing::TObjectLogic copy;
  try {
    copy.Parser->ParseFuzzyLogic(written);
  } catch (const Exception& error) {
    Differs(std::string("the written text does not read: ") + error.what(), written);
  }
  const TComparison compare(written);
  compare.Count("variables", variables->GetCount(), copy.Logic->GetItems()->GetCount());
  for (int i = 0; i < variables->GetCount(); ++i) {
    compare.Variables(variables->GetItem(i), copy.Logic->GetItems()->GetItem(i));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzzing::InputText(data, size);
  ObjectRoundTrip(text);
  InterfaceRoundTrip(text);
  return 0;
}
