// fuzzy convert IN [RULES] OUT: a model from .fis, FCL or the library's own pair of files
// (definitions and rules) into any of them. The library reads and writes; this only picks the
// formats by the file names and says where each error is.
#include <cctype>
#include <filesystem>
#include <iostream>

#include "fuzzy/formats/ModelFormats.h"
#include "fuzzy/rules/RuleErrors.h"
#include "tools/Arguments.h"
#include "tools/Commands.h"
#include "tools/TextFiles.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

constexpr const char* ConvertUsage = "fuzzy convert (MODEL.fis | MODEL.fcl | FILE RULES) OUT";

// FCL names its function block with a word; the file's stem serves, its other signs made "_".
std::string ModelNameOf(const std::string& path) {
  std::string name = std::filesystem::path(path).stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name.empty() || std::isdigit(static_cast<unsigned char>(name[0])) ? "model" + name : name;
}

TFuzzyModel ReadOwnFiles(const std::string& definitions, const std::string& rules) {
  const std::string definitionsText = ReadTextFile(definitions);
  const std::string rulesText = ReadTextFile(rules);
  try {
    TFuzzyModel model = ReadOwnModel(definitionsText, rulesText);
    model.Name = ModelNameOf(definitions);
    return model;
  } catch (const EFzyRuleException& error) {
    throw TCheckFailure(Located(rules, error.GetLine(), error.GetMessage()));
  } catch (const EFzyParseException& error) {
    throw TCheckFailure(Located(definitions, error.GetLine(), error.GetMessage()));
  } catch (const Exception& error) {
    throw TCheckFailure(Located(definitions, 0, error.GetMessage()));
  }
}

TFuzzyModel ReadIn(const TWords& inputs) {
  const TModelFormat format = ModelFormatOfName(inputs[0]);
  if ((format == mfOwn) != (inputs.size() == 2)) {
    throw TUsageError(std::string(format == mfOwn ? "missing the rule file"
                                                  : "a model file holds "
                                                    "its rules") +
                      "; usage: " + ConvertUsage);
  }
  if (format == mfOwn) return ReadOwnFiles(inputs[0], inputs[1]);
  const std::string text = ReadTextFile(inputs[0]);
  try {
    return ReadModel(format, text);
  } catch (const EFzyParseException& error) {
    throw TCheckFailure(Located(inputs[0], error.GetLine(), error.GetMessage()));
  }
}

void Written(const std::string& path) {
  std::cout << "Wrote " << AbsolutePath(path) << "\n";
}

// OUT.fis or OUT.fcl, else the pair OUT.fzy and OUT.rules (an extension of either is dropped).
void WriteOut(const TFuzzyModel& model, const std::string& out) {
  const TModelFormat format = ModelFormatOfName(out);
  try {
    if (format != mfOwn) {
      const std::string text = WriteModel(format, model);
      WriteTextFile(out, text);
      return Written(out);
    }
    std::filesystem::path stem(out);
    if (stem.extension() == ".fzy" || stem.extension() == ".rules") stem.replace_extension();
    const std::string definitions = stem.string() + ".fzy";
    const std::string rules = stem.string() + ".rules";
    const std::string definitionsText = WriteOwnDefinitions(model);
    const std::string rulesText = WriteOwnRules(model);
    WriteTextFile(definitions, definitionsText);
    WriteTextFile(rules, rulesText);
    Written(definitions);
    Written(rules);
  } catch (const Exception& error) {
    throw TCheckFailure(Located(out, 0, error.GetMessage()));
  }
}

}  // namespace

int RunConvert(const TWords& words) {
  const TArguments arguments(words, {{}, {}, {}});
  arguments.RequirePositional(2, 3, ConvertUsage);
  const TWords& positional = arguments.GetPositional();
  const TFuzzyModel model = ReadIn(TWords(positional.begin(), positional.end() - 1));
  WriteOut(model, positional.back());
  return esSuccess;
}

}  // namespace fuzzy::tool
