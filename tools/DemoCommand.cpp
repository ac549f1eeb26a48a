// fuzzy (no arguments): the built-in tipping controller, shown step by step: its definitions as
// the library writes them, a few expressions with their crisp values, its rules fired for a few
// meals, and a plot of every variable's terms.
#include <iostream>

#include "fuzzy/sets/FuzzySet.h"
#include "tools/Arguments.h"
#include "tools/Commands.h"
#include "tools/Definitions.h"
#include "tools/ExampleText.h"
#include "tools/InferReport.h"
#include "tools/Numbers.h"
#include "tools/PlotPanels.h"
#include "tools/RuleFile.h"
#include "tools/SetReport.h"
#include "tools/TextFiles.h"
#include "tools/TextHelpers.h"
#include "tools/TextTable.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

constexpr const char* ExampleSource = "built-in example";
constexpr const char* PlotFile = "fuzzy-example.svg";

struct TExampleExpression {
  const char* Variable;
  const char* Expression;
};

constexpr TExampleExpression Expressions[] = {{"service", "very good"},
                                              {"food", "poor or rancid"},
                                              {"service", "not poor and not excellent"},
                                              {"food", "somewhat delicious"},
                                              {"tip", "[average or generous] and not generous"}};

struct TMeal {
  double Service;
  double Food;
};

constexpr TMeal Meals[] = {{1, 2}, {3, 8}, {5, 5}, {8, 4}, {9, 9}};

void ShowDefinitions(const TDefinitions& definitions) {
  std::cout << Heading("Definitions");
  for (TFuzzyVariable* variable : definitions.GetVariables()) {
    std::cout << definitions.GetParser()->PrettyPrint(variable) << "\n";
  }
}

std::string CrispCell(const TFuzzySet* set, double value) {
  return HasMembership(set) ? FixedText(value) : "none";
}

void ShowExpressions(const TDefinitions& definitions) {
  std::cout << "\n" << Heading("Expressions");
  TTextTable table({{"variable", alLeft},
                    {"expression", alLeft},
                    {"centre of gravity", alRight},
                    {"mean of maxima", alRight}});
  for (const TExampleExpression& example : Expressions) {
    TFuzzyVariable* variable = definitions.RequireVariable(example.Variable);
    const TFuzzySet* set = definitions.Evaluate(variable, example.Expression, ExampleSource, 0);
    table.AddRow({example.Variable, example.Expression, CrispCell(set, set->CenterOfGravity()),
                  CrispCell(set, set->MeanOfMaxima())});
  }
  std::cout << table.Render();
}

std::string TipCell(const TRuleOutcome& tip) {
  return tip.HasValue() ? FixedText(tip.Value) : WhyNoValue(tip);
}

void ShowRules(const TRuleBase& rules) {
  std::cout << "\n" << Heading("Rules");
  for (const TRuleText& rule : rules.GetRules()) std::cout << rule.Text << "\n";
}

void ShowMeals(const TDefinitions& definitions, TRuleBase& rules) {
  std::cout << "\n"
            << Heading("Tips for a few meals (" +
                       MethodName(definitions.GetLogic()->GetDefuzzificationMethod()) + ")");
  TTextTable table({{"service", alRight},
                    {"food", alRight},
                    {"tip (percent)", alRight},
                    {"rules fired", alRight}});
  for (const TMeal& meal : Meals) {
    const TRuleOutcome& tip = rules.Fire({{"service", meal.Service}, {"food", meal.Food}}).front();
    table.AddRow({ShortText(meal.Service, 2), ShortText(meal.Food, 2), TipCell(tip),
                  std::to_string(tip.Fired.size())});
  }
  std::cout << table.Render();
}

void WriteExamplePlot(const TDefinitions& definitions) {
  std::vector<TPlotPanel> panels;
  for (const TFuzzyVariable* variable : definitions.GetVariables()) {
    panels.push_back(TermsPanel(variable));
  }
  WriteTextFile(PlotFile, RenderPlot("The terms of the tipping controller", panels));
  std::cout << "\nWrote the plot of every variable's terms to " << AbsolutePath(PlotFile) << "\n";
}

}  // namespace

int RunDemo(const TWords& words) {
  const TArguments arguments(words, {});
  arguments.RequirePositional(0, 0, "fuzzy");
  std::cout << "fuzzy: the built-in example, a tipping controller (run \"fuzzy --help\" for "
               "the commands)\n\n";
  const TDefinitions definitions = TDefinitions::FromText(ExampleDefinitions, ExampleSource, false);
  ShowDefinitions(definitions);
  ShowExpressions(definitions);
  const TOwned<TRuleBase> rules = LoadRuleBase(definitions, ExampleRules, ExampleSource);
  ShowRules(*rules);
  ShowMeals(definitions, *rules);
  WriteExamplePlot(definitions);
  return esSuccess;
}

}  // namespace fuzzy::tool
