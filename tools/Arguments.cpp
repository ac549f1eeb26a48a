#include "tools/Arguments.h"

#include <cctype>

#include "tools/Numbers.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

std::string Canonical(const std::string& name, const TOptionSpec& spec) {
  const auto alias = spec.Aliases.find(name);
  return alias == spec.Aliases.end() ? name : alias->second;
}

}  // namespace

bool LooksLikeOption(const std::string& word) {
  if (word.size() < 2 || word[0] != '-') return false;
  const unsigned char second = static_cast<unsigned char>(word[1]);
  return std::isdigit(second) == 0 && second != '.';
}

TArguments::TArguments(const std::vector<std::string>& words, const TOptionSpec& spec) {
  bool optionsEnded = false;
  for (std::size_t next = 0; next < words.size();) {
    const std::string& word = words[next];
    if (!optionsEnded && word == "--") {
      optionsEnded = true;
      ++next;
      continue;
    }
    if (!optionsEnded && TakeOption(words, next, spec)) continue;
    FPositional.push_back(word);
    ++next;
  }
}

bool TArguments::TakeOption(const std::vector<std::string>& words, std::size_t& next,
                            const TOptionSpec& spec) {
  const std::string& word = words[next];
  if (!LooksLikeOption(word)) return false;
  const std::size_t equals = word.find('=');
  const std::string name = Canonical(word.substr(0, equals), spec);
  const bool inlineValue = equals != std::string::npos;
  ++next;
  if (spec.Flags.count(name) != 0) {
    if (inlineValue) throw TUsageError("option " + name + " takes no value");
    FFlags.insert(name);
    return true;
  }
  if (spec.ValueOptions.count(name) == 0) throw TUsageError("unknown option " + word);
  if (inlineValue) {
    FValues.emplace(name, word.substr(equals + 1));
    return true;
  }
  if (next >= words.size()) throw TUsageError("option " + name + " needs a value");
  FValues.emplace(name, words[next++]);
  return true;
}

std::vector<std::string> TArguments::GetValues(const std::string& name) const {
  std::vector<std::string> values;
  const auto [first, last] = FValues.equal_range(name);
  for (auto it = first; it != last; ++it) values.push_back(it->second);
  return values;
}

std::optional<std::string> TArguments::GetValue(const std::string& name) const {
  const std::vector<std::string> values = GetValues(name);
  if (values.empty()) return std::nullopt;
  return values.back();
}

void TArguments::RequirePositional(std::size_t least, std::size_t most,
                                   const std::string& usage) const {
  if (FPositional.size() < least) throw TUsageError("missing arguments; usage: " + usage);
  if (FPositional.size() > most) {
    throw TUsageError("unexpected argument \"" + FPositional[most] + "\"; usage: " + usage);
  }
}

int WholeNumberOption(const TArguments& arguments, const std::string& name, int fallback,
                      int lowest, int highest) {
  const auto text = arguments.GetValue(name);
  if (!text) return fallback;
  const std::optional<double> value = ParseNumber(*text);
  if (!value || *value < lowest || *value > highest || *value != static_cast<int>(*value)) {
    throw TUsageError(name + " " + *text + ": expected a whole number from " +
                      std::to_string(lowest) + " to " + std::to_string(highest));
  }
  return static_cast<int>(*value);
}

}  // namespace fuzzy::tool
