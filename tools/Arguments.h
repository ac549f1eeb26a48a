// The words that follow a command name, split once into positional arguments and options. Each
// command declares which options it knows; anything else is a usage error.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fuzzy::tool {

// The options one command accepts. Short names ("-o") are aliases of long ones ("--output").
struct TOptionSpec {
  std::set<std::string> ValueOptions;  // "--set": take a value, "--set X" or "--set=X"
  std::set<std::string> Flags;         // "--interface": no value
  std::map<std::string, std::string> Aliases;
};

class TArguments {
 public:
  // Splits `words`; "--" ends the options. Raises TUsageError for an unknown option, a value
  // option without its value, or a flag given a value.
  TArguments(const std::vector<std::string>& words, const TOptionSpec& spec);

  const std::vector<std::string>& GetPositional() const { return FPositional; }
  bool HasFlag(const std::string& name) const { return FFlags.count(name) != 0; }
  // Every value given for the option, in command-line order.
  std::vector<std::string> GetValues(const std::string& name) const;
  // The last value given for the option, if any.
  std::optional<std::string> GetValue(const std::string& name) const;

  // Raises TUsageError unless there are between `least` and `most` positional arguments.
  void RequirePositional(std::size_t least, std::size_t most, const std::string& usage) const;

 private:
  // True when `word` was an option; `next` is the index of the following word (advanced when it
  // was consumed as the option's value).
  bool TakeOption(const std::vector<std::string>& words, std::size_t& next,
                  const TOptionSpec& spec);

  std::vector<std::string> FPositional;
  std::set<std::string> FFlags;
  std::multimap<std::string, std::string> FValues;
};

// The whole number given with option `name`, or `fallback` without it; anything but a whole
// number from `lowest` to `highest` is a usage error naming the option.
int WholeNumberOption(const TArguments& arguments, const std::string& name, int fallback,
                      int lowest, int highest);

// True for "-x", "--xyz"; false for "-", "-5", "-.5" (which are values).
bool LooksLikeOption(const std::string& word);

}  // namespace fuzzy::tool
