#include "fuzzy/framework/Persistent.h"

#include "fuzzy/framework/Exceptions.h"

namespace fuzzy {

void TPersistent::Assign(TPersistent* source) {
  if (source == nullptr) AssignError(nullptr);
  source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) {
  dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const {
  throw EConvertError::CannotAssign(source != nullptr ? source->ClassName() : "nil", ClassName());
}

std::string TPersistent::GetNamePath() const {
  const TPersistent* owner = GetOwner();
  if (owner == nullptr) return ClassName();
  const std::string ownerPath = owner->GetNamePath();
  return ownerPath.empty() ? ClassName() : ownerPath + "." + ClassName();
}

}  // namespace fuzzy
