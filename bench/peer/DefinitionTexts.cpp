// Both texts hold only what the content needs (the name, the range, the terms) so that neither
// side reads more than the other beyond its own syntax.
#include "bench/peer/DefinitionTexts.h"

namespace peer {

std::string OurDefinitionText(int variables) {
  std::string text;
  for (int i = 0; i < variables; ++i) {
    text += "(deffuzzy v" + std::to_string(i) +
            " (range 0 100) (values\n"
            "  (term low (tri 0 25 50))\n"
            "  (term mid (tri 25 50 75))\n"
            "  (term high (tri 50 75 100))))\n";
  }
  return text;
}

std::string PeerDefinitionText(int variables) {
  std::string text = "Engine: bench\n";
  for (int i = 0; i < variables; ++i) {
    text += "InputVariable: v" + std::to_string(i) +
            "\n"
            "  range: 0 100\n"
            "  term: low Triangle 0 25 50\n"
            "  term: mid Triangle 25 50 75\n"
            "  term: high Triangle 50 75 100\n";
  }
  return text;
}

}  // namespace peer
