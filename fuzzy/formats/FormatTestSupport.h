// Comparing two models term by term and rule by rule, and taking a model through the library's
// own definitions and rules text, for the format tests.
#pragma once

#include <gtest/gtest.h>

#include "fuzzy/formats/FuzzyModel.h"
#include "fuzzy/formats/ModelFormats.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/rules/RuleSettings.h"

namespace fuzzy::testing_support {

inline void ExpectSameTerms(const TFuzzyVariable* expected, const TFuzzyVariable* actual) {
  const std::vector<TModelTerm> a = DescribeModelTerms(expected);
  const std::vector<TModelTerm> b = DescribeModelTerms(actual);
  ASSERT_EQ(a.size(), b.size()) << expected->GetName();
  for (std::size_t t = 0; t < a.size(); ++t) {
    EXPECT_EQ(a[t].Name, b[t].Name);
    EXPECT_EQ(a[t].Kind, b[t].Kind) << a[t].Name;
    EXPECT_EQ(a[t].Shape, b[t].Shape) << a[t].Name;
    ASSERT_EQ(a[t].Points.size(), b[t].Points.size()) << a[t].Name;
    for (std::size_t p = 0; p < a[t].Points.size(); ++p) {
      EXPECT_NEAR(a[t].Points[p].X, b[t].Points[p].X, 1e-9) << a[t].Name;
      EXPECT_NEAR(a[t].Points[p].Y, b[t].Points[p].Y, 1e-9) << a[t].Name;
    }
  }
}

inline void ExpectSameModel(const TFuzzyModel& expected, const TFuzzyModel& actual) {
  ASSERT_EQ(expected.Logic->GetItems()->GetCount(), actual.Logic->GetItems()->GetCount());
  for (int v = 0; v < expected.Logic->GetItems()->GetCount(); ++v) {
    const TFuzzyVariable* a = expected.Logic->GetItems()->GetItem(v);
    const TFuzzyVariable* b = actual.Logic->GetItems()->GetItem(v);
    EXPECT_EQ(a->GetName(), b->GetName());
    EXPECT_EQ(a->GetMinimum(), b->GetMinimum());
    EXPECT_EQ(a->GetMaximum(), b->GetMaximum());
    ExpectSameTerms(a, b);
  }
  const auto& a = expected.Rules->GetRules();
  const auto& b = actual.Rules->GetRules();
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t r = 0; r < a.size(); ++r) EXPECT_EQ(a[r].Text, b[r].Text);
}

// The model written as definitions and rules text, and read back from them.
inline TFuzzyModel ThroughOwnFormat(const TFuzzyModel& model) {
  TFuzzyModel copy = ReadOwnModel(WriteOwnDefinitions(model), WriteOwnRules(model));
  copy.Name = model.Name;
  copy.Outputs = model.Outputs;
  return copy;
}

// A model text with `From` replaced by `To` ("<cut>": the text ends where `From` stood), and
// the error that reading it must end in.
struct TBadModel {
  const char* From;
  const char* To;
  int Line;
  const char* Message;
};

template <class TRead>
void ExpectReadError(TRead&& read, std::string text, const TBadModel& bad) {
  const std::size_t at = text.find(bad.From);
  ASSERT_NE(at, std::string::npos) << bad.From;
  text.replace(at, std::string(bad.From).size(), bad.To);
  if (std::string(bad.To) == "<cut>") text.resize(at);
  try {
    read(text);
    FAIL() << "no error for " << bad.To;
  } catch (const EFzyParseException& error) {
    EXPECT_EQ(error.GetLine(), bad.Line) << error.GetMessage();
    EXPECT_NE(error.GetMessage().find(bad.Message), std::string::npos) << error.GetMessage();
  }
}

}  // namespace fuzzy::testing_support
