#include "tools/InterfacePrint.h"

#include "fuzzy/framework/StringHashTable.h"
#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "tools/ReportingParser.h"

namespace fuzzy::tool {

namespace {

std::string WriteVariables(TIFuzzyLogic* logic, TReportingParser* parser) {
  const TIStringHashTable* table = logic->GetItems();
  std::string text;
  for (int index = 0; index < table->GetCount(); ++index) {
    IPtr<IFuzzyVariable> variable;
    if (!Supports<IFuzzyVariable>(table->GetItem(index), variable)) continue;
    text += (text.empty() ? "" : "\n") + parser->PrettyPrint(variable) + "\n";
  }
  return text;
}

}  // namespace

std::string PrintInterfaceModel(const std::string& text, const std::string& sourceName,
                                bool autoTerms) {
  // The variables' terms keep (uncounted) references to the parser, so the parser must outlive
  // the component: it is made first and so freed last.
  const TOwned<TReportingParser> parser = Own(TReportingParser::Create());
  const TOwned<TIFuzzyLogic> logic = Own(TIFuzzyLogic::Create(nullptr));
  logic->SetAutoTerms(autoTerms);
  logic->SetParser(parser.get());
  parser->SetFuzzyLogic(logic.get());
  parser->ReadDefinitions(text, sourceName);
  return WriteVariables(logic.get(), parser.get());
}

}  // namespace fuzzy::tool
