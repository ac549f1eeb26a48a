#include "fuzzy/framework/Object.h"

namespace fuzzy {

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

}  // namespace fuzzy
