// The built-in example that `fuzzy` runs without arguments: the tipping controller. Its texts
// are examples/tipping.fzy and examples/tipping.rules themselves, copied into the program when
// it is configured (ExampleText.cpp.in), so the program and the example files cannot drift
// apart.
#pragma once

namespace fuzzy::tool {

extern const char* const ExampleDefinitions;
extern const char* const ExampleRules;

}  // namespace fuzzy::tool
