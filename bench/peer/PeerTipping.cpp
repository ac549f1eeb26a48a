// The tipping controller in the peer library, configured as the task states it: minimum for
// "and" and implication, maximum for "or" and aggregation, every rule activated, and its
// sampled centroid at the resolution under test.
#include <fl/Headers.h>

#include "bench/peer/Tipping.h"

namespace peer {

namespace {

fl::InputVariable* AddInput(fl::Engine* engine, const char* name) {
  auto* variable = new fl::InputVariable(name, 0.0, 10.0);
  engine->addInputVariable(variable);
  return variable;
}

void AddRules(fl::Engine* engine) {
  auto* rules = new fl::RuleBlock("rules");
  rules->setConjunction(new fl::Minimum);
  rules->setDisjunction(new fl::Maximum);
  rules->setImplication(new fl::Minimum);
  rules->setActivation(new fl::General);
  for (const char* text : {"if service is poor or food is rancid then tip is cheap",
                           "if service is good then tip is average",
                           "if service is excellent or food is delicious then tip is generous"}) {
    rules->addRule(fl::Rule::parse(text, engine));
  }
  engine->addRuleBlock(rules);
}

}  // namespace

TPeerTipping::TPeerTipping(int resolution) : FEngine(new fl::Engine("tipping")) {
  FService = AddInput(FEngine.get(), "service");
  FService->addTerm(new fl::Triangle("poor", -5, 0, 5));
  FService->addTerm(new fl::Triangle("good", 0, 5, 10));
  FService->addTerm(new fl::Triangle("excellent", 5, 10, 15));
  FFood = AddInput(FEngine.get(), "food");
  FFood->addTerm(new fl::Trapezoid("rancid", -2, 0, 1, 3));
  FFood->addTerm(new fl::Trapezoid("delicious", 7, 9, 10, 12));

  FTip = new fl::OutputVariable("tip", 0.0, 30.0);
  FTip->setAggregation(new fl::Maximum);
  FTip->setDefuzzifier(new fl::Centroid(resolution));
  FTip->addTerm(new fl::Triangle("cheap", 0, 5, 10));
  FTip->addTerm(new fl::Triangle("average", 10, 15, 20));
  FTip->addTerm(new fl::Triangle("generous", 20, 25, 30));
  FEngine->addOutputVariable(FTip);
  AddRules(FEngine.get());
}

TPeerTipping::~TPeerTipping() = default;

double TPeerTipping::Infer(const TTippingInput& input) {
  FService->setValue(input.Service);
  FFood->setValue(input.Food);
  FEngine->process();
  return FTip->getValue();
}

}  // namespace peer
