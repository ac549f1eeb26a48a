// How the methods of another format map onto a rule base's settings ("use ..." lines): each
// foreign name stands for one setting, and a setting without a foreign name cannot be written.
// A name that has no counterpart is refused by name, never replaced by a look-alike.
#pragma once

#include <span>
#include <string>

namespace fuzzy {

class TRuleBase;

enum TMethodSlot { msAnd, msOr, msCorrelation, msInference, msDefuzzification };

struct TForeignMethod {
  TMethodSlot Slot;
  const char* Name;     // as the format writes it
  const char* Setting;  // the rule base's settings line, without "use"
};

// The method tables of .fis (lower case) and FCL (upper case).
std::span<const TForeignMethod> FisMethods();
std::span<const TForeignMethod> FclMethods();

// The settings line for `name` in `slot`; EFzyParseException at `line` when the format's name
// has no counterpart here. `what` names the construct ("AndMethod", "ACCU").
std::string ForeignMethodSetting(std::span<const TForeignMethod> methods, TMethodSlot slot,
                                 const std::string& name, const std::string& what, int line);
// The foreign name of what `rules` uses in `slot`; EFzyException naming it when the format has
// none. `sugeno` chooses the defuzzification of a Takagi-Sugeno model.
std::string ForeignMethodName(std::span<const TForeignMethod> methods, TMethodSlot slot,
                              const TRuleBase& rules, bool sugeno, const std::string& format);

}  // namespace fuzzy
