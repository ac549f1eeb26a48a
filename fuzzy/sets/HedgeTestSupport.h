// Helpers shared by the hedge tests: the message of the library error an action raises.
#pragma once

#include <string>

#include "fuzzy/consts/FuzzyExceptions.h"

namespace fuzzy::testing_support {

// The message of the EFzyException that `action` raises; "no exception" when it raises none.
template <class TAction>
std::string HedgeErrorOf(TAction&& action) {
  try {
    action();
  } catch (const EFzyException& error) {
    return error.GetMessage();
  }
  return "no exception";
}

}  // namespace fuzzy::testing_support
