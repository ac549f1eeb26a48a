// The same variables written in this library's definition language and in the peer's FLL, for
// the reading benchmark: each variable has a range and three triangle terms.
#pragma once

#include <string>

namespace peer {

std::string OurDefinitionText(int variables);
std::string PeerDefinitionText(int variables);

}  // namespace peer
