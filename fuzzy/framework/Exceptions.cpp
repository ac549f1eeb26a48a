#include "fuzzy/framework/Exceptions.h"

#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {

EListError EListError::IndexOutOfBounds(long long index) {
  return EListError(Format(SListIndexError, index));
}

EConvertError EConvertError::CannotAssign(const std::string& sourceName,
                                          const std::string& targetName) {
  return EConvertError(Format(SAssignError, sourceName, targetName));
}

}  // namespace fuzzy
