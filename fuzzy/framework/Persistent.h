// TPersistent: an object that can take over the content of another one (Assign) and that knows
// its owner. A pair of classes that cannot copy each other ends in the assignment error.
#pragma once

#include <string>

#include "fuzzy/framework/Object.h"

namespace fuzzy {

class TPersistent : public TObject {
 public:
  // Copies the source into this object. The default asks the source (its AssignTo); a null
  // source, or one that cannot copy itself here, raises EConvertError "Cannot assign a %s to a %s"
  // with the source's class name ("nil" for null) and this object's class name.
  virtual void Assign(TPersistent* source);

  // The object that owns this one (a collection for an item, an owner for a collection or a
  // component); null by default.
  virtual TPersistent* GetOwner() const { return nullptr; }

  // A readable path to this object: the owner's path, ".", then the class name, by default.
  virtual std::string GetNamePath() const;

  std::string ClassName() const override { return "TPersistent"; }

 protected:
  TPersistent() = default;

  // Copies this object into the destination; the default raises the assignment error.
  virtual void AssignTo(TPersistent* dest);

  // Raises EConvertError::CannotAssign(source's class name or "nil", this class name).
  [[noreturn]] void AssignError(const TPersistent* source) const;
};

}  // namespace fuzzy
