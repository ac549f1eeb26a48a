// `fuzzy print --interface`: the definitions read into the interface model (variables as
// reference-counted interfaces in a name-keyed table) and written back from it.
#pragma once

#include <string>

namespace fuzzy::tool {

// The definition text of every variable of `text`, in the table's order.
std::string PrintInterfaceModel(const std::string& text, const std::string& sourceName,
                                bool autoTerms);

}  // namespace fuzzy::tool
