// The short way through plain definitions must leave the component, and raise, exactly as the
// tokenizer's way does. A handler on the parser sends reading the tokenizer's way, so the two
// are compared on generated texts: plain ones, broken ones, and plain ones cut by others.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fuzzy/framework/Object.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {
namespace {

// Everything a read leaves in the component, or the error it raised.
std::string Outcome(TFuzzyLogic* logic, const std::string& text) {
  std::ostringstream out;
  out.precision(17);
  try {
    logic->GetParser()->ParseFuzzyLogic(text);
    out << "read\n";
  } catch (const EFzyParseException& error) {
    out << "line " << error.GetLine() << ": " << error.GetMessage() << "\n";
  } catch (const EFzyException& error) {
    out << error.what() << "\n";
  }
  for (const TFuzzyVariable* variable : *logic->GetItems()) {
    out << variable->GetName() << "|" << variable->GetComment() << "|" << variable->GetUnits()
        << "|" << variable->GetMinimum() << "|" << variable->GetMaximum() << "\n";
    for (const TFuzzySet* term : *variable->GetItems()) {
      out << "  " << term->GetName() << "|" << term->GetComment() << "|" << term->GetDefined()
          << "|" << static_cast<int>(term->GetSetType()) << "|" << term->GetExpression() << "|";
      const TFuzzySetValues* points = term->GetValues();
      for (int i = 0; i < points->GetCount(); ++i) {
        out << " " << points->GetItem(i)->GetX() << "," << points->GetItem(i)->GetY();
      }
      out << "\n";
    }
  }
  return out.str();
}

// Definitions built from pieces that are mostly plain, with now and then a piece the short
// way must leave to the tokenizer, and a character dropped or put in here and there.
class TDefinitionGenerator {
 public:
  explicit TDefinitionGenerator(unsigned seed) : FRandom(seed) {}

  std::string Text() {
    std::string text;
    const int definitions = Pick(1, 4);
    for (int i = 0; i < definitions; ++i) text += Blank() + Definition();
    text += Blank();
    if (Chance(6)) Mutate(text);
    return text;
  }

 private:
  std::string Definition() {
    std::string text =
        "(deffuzzy " + Mostly({"a", "b", "v1", "c", "x"}, {"\"s\"", "7", "?q", "and"});
    if (Chance(4)) text += " " + Mostly({"\"note\"", "\"two\nlines\""}, {"\"esc\\\"aped\""});
    const int clauses = Pick(0, 3);
    for (int i = 0; i < clauses; ++i) text += Blank() + Clause();
    return text + ")";
  }

  std::string Clause() {
    switch (Pick(0, 3)) {
      case 0:
        return "(range " + Mostly({"0 100", "-5 5", "0.5 2e1", "3 3"}, {"10 1", "0 x", "0 100 2"}) +
               ")";
      case 1:
        return "(units " + Mostly({"cm", "\"deg C\"", "\"\""}, {"12", "(x)"}) + ")";
      default: {
        std::string text = "(values";
        const int terms = Pick(0, 4);
        for (int i = 0; i < terms; ++i) text += Blank() + Term();
        return text + ")";
      }
    }
  }

  std::string Term() {
    std::string text =
        "(term " + Mostly({"low", "mid", "high", "top"}, {"__Empty", "1", "very", "and"});
    if (Chance(5)) text += " \"c\"";
    return text + " " +
           Mostly({"(tri 0 25 50)", "(tri 25 50 75)", "(tri 50 75 100)", "(tri 10 5 1)",
                   "(tri 0 0.00001 1)", "(tri -20 50 200)", "((0 0) (5 1) (10 0))", "((5 0) (5 1))",
                   "((0 0))"},
                  {"(tri 1 2)", "(tri 1 2 3 4)", "(tri 0 a 2)", "((0 0 1) (2 1))", "(pi 40 10)",
                   "(trap 0 1 2 3)", "low", "(low or mid)", "()", "(TRI 1 2 3)"}) +
           ")";
  }

  std::string Blank() {
    return One({" ", " ", "\n", "\r\n", "\r", "\t", "  ; note\n", ";x\r\n  "});
  }

  void Mutate(std::string& text) {
    const auto at = static_cast<std::size_t>(Pick(0, static_cast<int>(text.size()) - 1));
    if (Chance(2)) {
      text.erase(at, 1);
    } else {
      text.insert(at, One({"(", ")", "\"", "\\", ";", "?", " ", "\n"}));
    }
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(FRandom); }
  bool Chance(int inverse) { return Pick(1, inverse) == 1; }
  // Mostly one of the plain choices, now and then one of the others.
  std::string Mostly(const std::vector<std::string>& plain, const std::vector<std::string>& odd) {
    return One(Chance(8) ? odd : plain);
  }
  std::string One(const std::vector<std::string>& choices) {
    return choices[static_cast<std::size_t>(Pick(0, static_cast<int>(choices.size()) - 1))];
  }

  std::mt19937 FRandom;
};

struct TReader {
  explicit TReader(bool tokenizerOnly, bool autoTerms) {
    logic->SetAutoTerms(autoTerms);
    logic->SetParser(parser.get());
    parser->SetFuzzyLogic(logic.get());
    if (tokenizerOnly) parser->SetOnParseFuzzyVariable([](TObject*, TFuzzyVariable*) {});
  }
  TOwned<TKWFuzzyLogicParser> parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TOwned<TFuzzyLogic> logic = Own(TFuzzyLogic::Create(nullptr));
};

class PlainDefinitions : public ::testing::TestWithParam<bool> {};

TEST_P(PlainDefinitions, ReadGeneratedTextsAsTheTokenizerReadsThem) {
  TDefinitionGenerator generator(GetParam() ? 7 : 11);
  int read = 0;
  for (int round = 0; round < 1500; ++round) {
    const std::string text = generator.Text();
    TReader plain(false, GetParam());
    TReader tokenized(true, GetParam());
    // Now and then a variable is there before the text, so that a name can clash with it.
    if (round % 4 == 0) {
      plain.logic->GetItems()->Add("v1");
      tokenized.logic->GetItems()->Add("v1");
    }
    const std::string expected = Outcome(tokenized.logic.get(), text);
    ASSERT_EQ(Outcome(plain.logic.get(), text), expected) << "text: " << text;
    read += expected.starts_with("read") ? 1 : 0;
  }
  // The texts must reach both ends: many read whole, many refused.
  EXPECT_GT(read, 150);
  EXPECT_LT(read, 1350);
}

INSTANTIATE_TEST_SUITE_P(AutoTerms, PlainDefinitions, ::testing::Bool());

// Long texts, so that the name index grows several times, with names from a pool that makes a
// duplicate turn up anywhere, or not at all: the reading stops at the first duplicate a list of
// the names so far finds, and both ways leave the same.
class ManyNames : public ::testing::TestWithParam<unsigned> {};

TEST_P(ManyNames, StopAtTheFirstDuplicate) {
  std::mt19937 random(GetParam());
  for (int round = 0; round < 20; ++round) {
    const int pool = 150 << std::uniform_int_distribution<int>(0, 13)(random);
    std::string text;
    std::vector<std::string> names;
    std::string duplicate;
    for (int i = 0; i < 300; ++i) {
      const std::string name =
          "n" + std::to_string(std::uniform_int_distribution<int>(0, pool)(random));
      if (duplicate.empty() && std::find(names.begin(), names.end(), name) != names.end()) {
        duplicate = name;
      }
      if (duplicate.empty()) names.push_back(name);
      text += "(deffuzzy " + name + " (range 0 1))\n";
    }
    TReader plain(false, false);
    TReader tokenized(true, false);
    const std::string outcome = Outcome(plain.logic.get(), text);
    ASSERT_EQ(outcome, Outcome(tokenized.logic.get(), text)) << "text: " << text;
    const std::string expected =
        duplicate.empty() ? "read\n" : "Duplicate variable name: \"" + duplicate + "\"";
    EXPECT_NE(outcome.find(expected), std::string::npos) << outcome;
    EXPECT_EQ(plain.logic->GetItems()->GetCount(), static_cast<int>(names.size()));
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ManyNames, ::testing::Values(1U, 2U, 3U, 4U));

// A handler that renames or removes variables while a text is read: the duplicate test still
// sees the names as they are then, not as they were when the reading began.
struct TNameChange {
  const char* Name;
  void (*Change)(TFuzzyVariables* variables);
  bool DuplicateExpected;
};

class NameIndexDuringReading : public ::testing::TestWithParam<TNameChange> {};

TEST_P(NameIndexDuringReading, SeesTheNamesAsTheyAreNow) {
  TReader reader(true, false);
  bool changed = false;
  reader.parser->SetOnParseFuzzyVariable([&](TObject*, TFuzzyVariable* variable) {
    if (changed || variable->GetName() != "c") return;
    changed = true;
    GetParam().Change(reader.logic->GetItems());
  });
  const std::string text =
      "(deffuzzy a (range 0 1)) (deffuzzy b (range 0 1)) (deffuzzy c (range 0 1))\n"
      "(deffuzzy d (range 0 1))\n(deffuzzy late (range 0 1))";
  const std::string outcome = Outcome(reader.logic.get(), text);
  EXPECT_EQ(outcome.find("Duplicate variable name: \"late\"") != std::string::npos,
            GetParam().DuplicateExpected)
      << outcome;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, NameIndexDuringReading,
    ::testing::Values(
        TNameChange{"RenameFirst", [](TFuzzyVariables* v) { v->GetItem(0)->SetName("late"); },
                    true},
        TNameChange{"RenameLast", [](TFuzzyVariables* v) { v->GetItem(2)->SetName("late"); }, true},
        TNameChange{"InsertFirst", [](TFuzzyVariables* v) { v->Insert(0)->SetName("late"); }, true},
        TNameChange{"AppendNamed", [](TFuzzyVariables* v) { v->Add("late"); }, true},
        TNameChange{"ReplaceLast",
                    [](TFuzzyVariables* v) {
                      v->Delete(2);
                      v->Add("late");
                    },
                    true},
        TNameChange{"AssignFirst",
                    [](TFuzzyVariables* v) {
                      TOwned<TFuzzyVariables> other = Own(TFuzzyVariables::Create(nullptr));
                      v->GetItem(0)->Assign(other->Add("late"));
                    },
                    true},
        TNameChange{"MoveFirstToEnd", [](TFuzzyVariables* v) { v->GetItem(0)->SetIndex(2); },
                    false},
        TNameChange{"Nothing", [](TFuzzyVariables*) {}, false}),
    [](const ::testing::TestParamInfo<TNameChange>& info) { return info.param.Name; });

}  // namespace
}  // namespace fuzzy
