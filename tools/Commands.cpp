#include "tools/Commands.h"

#include <algorithm>

#ifndef FUZZY_VERSION
#define FUZZY_VERSION "unknown"
#endif

namespace fuzzy::tool {

namespace {

constexpr const char* AutoTermsHelp =
    "  --auto-terms          give every variable the terms low, medium and high that it\n"
    "                        does not define itself\n";

std::vector<TCommand> MakeCommands() {
  return {
      {"check", "FILE...", "check definition files and .fis or FCL models",
       std::string("Reads each file and prints OK with its number of variables and terms (and\n"
                   "rules, for a .fis or .fcl model), or the first error in it with file, line\n"
                   "and message.\n\nOptions:\n") +
           AutoTermsHelp,
       RunCheck},
      {"print", "FILE [--interface]", "write definitions back in the library's own layout",
       std::string("Reads FILE and writes its definitions to standard output in the library's\n"
                   "own layout (comments dropped, numbers with four decimals), which reads back\n"
                   "to the same definitions.\n\nOptions:\n"
                   "  --interface           read and write through the interface model (the\n"
                   "                        reference-counted variables) instead of the object\n"
                   "                        model\n") +
           AutoTermsHelp,
       RunPrint},
      {"eval", "FILE VARIABLE EXPRESSION", "evaluate an expression over a variable's terms",
       std::string("Evaluates EXPRESSION (for example \"very good and not excellent\") over the\n"
                   "terms of VARIABLE and prints the resulting set's points, its centre of\n"
                   "gravity and its mean of maxima. Words after VARIABLE are joined into one\n"
                   "expression, so quoting it is optional.\n\nOptions:\n") +
           AutoTermsHelp,
       RunEval},
      {"plot", "FILE [VARIABLE...] -o OUT.svg", "plot the terms of variables as SVG",
       std::string("Draws one panel per variable (every variable of FILE when none is named):\n"
                   "the X axis over the variable's range with its units, membership from 0 to 1,\n"
                   "one coloured line per term and a legend.\n\nOptions:\n"
                   "  -o, --output OUT.svg  the file to write (required)\n") +
           AutoTermsHelp,
       RunPlot},
      {"infer",
       "(FILE RULES | MODEL.fis | MODEL.fcl) (--set VARIABLE=VALUE... | --input TABLE) "
       "[--plot OUT.svg]",
       "fire the rules of a rule file or a model for crisp inputs",
       std::string(
           "Reads a .fis or FCL model, or the definitions of FILE and the rules of RULES, one\n"
           "rule a line:\n"
           "  if V is E [and|or V is E]... then V is E [and V is E]... [with WEIGHT]\n"
           "(\"#\" starts a comment, \"and\" binds tighter than \"or\", parentheses group\n"
           "premises). Each input becomes a crisp set; each rule's strength is the match of\n"
           "its premises with the inputs, times its weight; a rule whose strength reaches the\n"
           "threshold fires into its output's accumulated set. Each output is defuzzified and\n"
           "printed with the strength of every rule that fired. An output for which no rule\n"
           "fired has no crisp value, and the program says so.\n\nOptions:\n"
           "  --set VARIABLE=VALUE  a crisp input; one for every variable the premises read\n"
           "  --threshold T         firing threshold from 0 to 1 (default 0.01)\n"
           "  --defuzzify METHOD    cog: centre of gravity (default), mom: mean of maxima\n"
           "  --correlation METHOD  min or product (default: the definitions')\n"
           "  --inference METHOD    minmax, additive, mean, product or boundedsum\n"
           "  --digits N            decimals of the crisp values (default 4)\n"
           "  --input TABLE         fire every row of a TSV or CSV table (\"-\": standard\n"
           "                        input) whose header names the inputs; writes the inputs\n"
           "                        and outputs of each row, \"nan\" where no rule fired\n"
           "  --plot OUT.svg        also draw each output's terms and accumulated set\n") +
           AutoTermsHelp,
       RunInfer},
      {"convert", "(MODEL.fis | MODEL.fcl | FILE RULES) OUT",
       "convert a model between .fis, FCL and the library's own files",
       std::string(
           "Reads a .fis or FCL model, or definitions FILE with rules RULES, and writes it to\n"
           "OUT: OUT.fis or OUT.fcl in that format, any other name as the pair OUT.fzy\n"
           "(definitions) and OUT.rules (rules, with their methods as \"use\" lines).\n"
           "What the target format cannot hold (a point list in .fis, a linear term in FCL,\n"
           "a method it has no name for) is refused by name; nothing is written then.\n"),
       RunConvert},
      {"surface", "(FILE RULES | MODEL.fis | MODEL.fcl) --x VAR --y VAR -o OUT.svg",
       "plot the control surface of an output over two inputs",
       std::string("Fires the rules over a grid of the two inputs and draws the output as a\n"
                   "heat map with a colour scale; hatched cells are those where no rule fired.\n"
                   "\nOptions:\n"
                   "  --x VAR, --y VAR      the inputs along the axes (required)\n"
                   "  --output VAR          the output to draw (default: the first concluded)\n"
                   "  --set OTHER=VALUE     the value of every other input\n"
                   "  --steps N             cells per axis, 2 to 500 (default 41)\n"
                   "  -o OUT.svg            the file to write (required)\n"
                   "  --threshold, --defuzzify, --correlation, --inference  as for infer\n") +
           AutoTermsHelp,
       RunSurface},
  };
}

}  // namespace

const std::vector<TCommand>& GetCommands() {
  static const std::vector<TCommand> commands = MakeCommands();
  return commands;
}

const TCommand* FindCommand(const std::string& name) {
  const std::vector<TCommand>& commands = GetCommands();
  const auto found = std::find_if(commands.begin(), commands.end(),
                                  [&](const TCommand& command) { return command.Name == name; });
  return found == commands.end() ? nullptr : &*found;
}

std::string VersionText() {
  return std::string("fuzzy ") + FUZZY_VERSION + "\n";
}

std::string CommandUsage(const TCommand& command) {
  return "Usage: fuzzy " + command.Name + " " + command.Synopsis + "\n\n" + command.Details;
}

std::string ProgramUsage() {
  std::string text =
      "Usage: fuzzy [COMMAND [ARGUMENTS...]]\n\n"
      "Reads fuzzy definitions (linguistic variables and their terms), evaluates fuzzy\n"
      "expressions over them, fires rules and plots membership functions.\n"
      "Without a command it runs the built-in example, a tipping controller.\n\n"
      "Commands:\n";
  for (const TCommand& command : GetCommands()) {
    const std::string head = "  " + command.Name + " " + command.Synopsis;
    text += head + "\n      " + command.Summary + "\n";
  }
  text +=
      "  help [COMMAND]\n      this text, or the help of one command\n\n"
      "Options:\n"
      "  -h, --help     this text; after a command, that command's help\n"
      "  --version      the program's version\n\n"
      "Exit status: 0 success; 1 a file, definition, rule or input does not check out;\n"
      "2 the command line cannot be used.\n\n"
      "Examples:\n"
      "  fuzzy check examples/tipping.fzy\n"
      "  fuzzy eval examples/tipping.fzy service \"very good\"\n"
      "  fuzzy infer examples/tipping.fzy examples/tipping.rules --set service=3 --set food=8\n"
      "  fuzzy plot examples/fan.fzy -o fan.svg\n"
      "  fuzzy convert examples/heater.fcl heater.fis\n";
  return text;
}

}  // namespace fuzzy::tool
