// The commands of the `fuzzy` program: their names, help texts and entry points.
#pragma once

#include <string>
#include <vector>

namespace fuzzy::tool {

using TWords = std::vector<std::string>;

struct TCommand {
  std::string Name;
  std::string Synopsis;  // the arguments after "fuzzy NAME"
  std::string Summary;   // one line for the program's usage
  std::string Details;   // the rest of "fuzzy NAME --help"
  int (*Run)(const TWords& words);
};

// Every command in the order of the usage text.
const std::vector<TCommand>& GetCommands();
// The command of that name, or null.
const TCommand* FindCommand(const std::string& name);

// "fuzzy --help" and "fuzzy NAME --help".
std::string ProgramUsage();
std::string CommandUsage(const TCommand& command);
std::string VersionText();

// The entry points; each answers the exit status and raises TUsageError or TCheckFailure.
int RunDemo(const TWords& words);
int RunCheck(const TWords& words);
int RunPrint(const TWords& words);
int RunEval(const TWords& words);
int RunPlot(const TWords& words);
int RunInfer(const TWords& words);
int RunSurface(const TWords& words);
int RunConvert(const TWords& words);

// The option every command that reads definitions accepts.
inline constexpr const char* AutoTermsFlag = "--auto-terms";

}  // namespace fuzzy::tool
