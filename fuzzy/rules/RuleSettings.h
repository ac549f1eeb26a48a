// The settings lines of a rule text, one "use NAME VALUE" a line beside the rules, so that a
// rule base written to text (by FormatRuleBase, or by a converter from another model format)
// carries its methods along:
//   use and FAMILY              zadeh, mean, mean-sqr, mean-sqrt, product or bounded-sum
//   use or FAMILY               the same, or sum
//   use correlation METHOD      minimum or product
//   use inference METHOD        min-max, sum, mean, product or bounded-sum
//   use defuzzification METHOD  cog or mom
//   use sugeno METHOD           average or sum (of the Takagi-Sugeno outputs)
//   use threshold T             from 0 to 1
//   use default OUTPUT VALUE    a number, or none
//   use clamp                   inputs outside their range are clamped into it
#pragma once

#include <string>

namespace fuzzy {

class TRuleBase;

// The settings of `rules` that differ from a new rule base's, as "use" lines, then its rules.
// It builds the same rule base over the same component.
std::string FormatRuleBase(const TRuleBase& rules);

}  // namespace fuzzy
