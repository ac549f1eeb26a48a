#include "fuzzy/framework/Object.h"

namespace fuzzy {

void TObject::Free() {
  // The object goes even when a destruction hook raises: the hooks have unhooked what they
  // could, and keeping a half-destroyed object alive would only leak it.
  try {
    BeforeDestruction();
  } catch (...) {
    delete this;
    throw;
  }
  delete this;
}

}  // namespace fuzzy
