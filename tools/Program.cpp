#include "tools/Program.h"

#include <algorithm>
#include <iostream>

#include "fuzzy/framework/Exceptions.h"
#include "tools/Commands.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

bool AsksForHelp(const TWords& words) {
  return std::any_of(words.begin(), words.end(),
                     [](const std::string& word) { return word == "-h" || word == "--help"; });
}

int ShowHelp(const TWords& topics) {
  if (topics.empty()) {
    std::cout << ProgramUsage();
    return esSuccess;
  }
  const TCommand* command = FindCommand(topics.front());
  if (command == nullptr) throw TUsageError("no help on \"" + topics.front() + "\"");
  std::cout << CommandUsage(*command);
  return esSuccess;
}

int Dispatch(const TWords& words) {
  if (words.empty()) return RunDemo(words);
  const std::string& name = words.front();
  const TWords rest(words.begin() + 1, words.end());
  if (name == "help") return ShowHelp(rest);
  if (name == "-h" || name == "--help") return ShowHelp({});
  if (name == "--version") {
    std::cout << VersionText();
    return esSuccess;
  }
  const TCommand* command = FindCommand(name);
  if (command == nullptr) throw TUsageError("unknown command \"" + name + "\"");
  if (AsksForHelp(rest)) return ShowHelp({name});
  return command->Run(rest);
}

}  // namespace

int RunProgram(const std::vector<std::string>& words) {
  try {
    return Dispatch(words);
  } catch (const TUsageError& error) {
    std::cerr << "fuzzy: " << error.what() << "\nRun \"fuzzy --help\" for usage.\n";
    return esUsage;
  } catch (const TCheckFailure& error) {
    std::cerr << "fuzzy: " << error.what() << "\n";
    return esFailed;
  } catch (const Exception& error) {
    std::cerr << "fuzzy: " << error.GetMessage() << "\n";
    return esFailed;
  } catch (const std::exception& error) {
    std::cerr << "fuzzy: unexpected failure: " << error.what() << "\n";
    return esFailed;
  }
}

}  // namespace fuzzy::tool
