// Class references: a value naming a class by its Create factory, so that code can make an
// instance of a class chosen at run time ("the item class", "the set class") and test whether
// an object is an instance of it. A reference to a derived class converts to one of its base.
#pragma once

#include <concepts>
#include <typeinfo>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/framework/Object.h"

namespace fuzzy {

namespace class_ref_detail {
// Free templates, not members of TClassRef, so that references to one class made through
// different base types hold the same functions and compare equal.
template <class T, class... TArgs>
TObject* MakeInstance(TArgs... args) {
  return T::Create(args...);
}
// Every point joining its list asks this, and nearly always of the very class: comparing the
// run-time type first spares the search of the class tree.
template <class T>
bool IsInstanceOf(const TObject* object) {
  return typeid(*object) == typeid(T) || dynamic_cast<const T*>(object) != nullptr;
}
}  // namespace class_ref_detail

template <class TBase, class... TArgs>
class TClassRef {
 public:
  // The nil class reference; Create on it raises EInvalidOperation.
  constexpr TClassRef() = default;

  // The reference to T, made through `T::Create(args...)`.
  template <std::derived_from<TBase> T>
  static constexpr TClassRef Of() {
    return TClassRef(&class_ref_detail::MakeInstance<T, TArgs...>,
                     &class_ref_detail::IsInstanceOf<T>);
  }

  // A reference to a derived class is also a reference to its base class.
  template <std::derived_from<TBase> TDerived>
  constexpr TClassRef(const TClassRef<TDerived, TArgs...>& derived)  // NOLINT: implicit upcast
      : FCreate(derived.FCreate), FIsInstance(derived.FIsInstance) {}

  // A new instance of the referenced class.
  TBase* Create(TArgs... args) const {
    if (FCreate == nullptr) throw EInvalidOperation("Cannot create an instance of a nil class");
    return static_cast<TBase*>(FCreate(args...));
  }
  // True when the object is an instance of the referenced class or of one derived from it.
  bool IsInstance(const TObject* object) const {
    return object != nullptr && FIsInstance != nullptr && FIsInstance(object);
  }

  constexpr bool IsNil() const { return FCreate == nullptr; }
  constexpr explicit operator bool() const { return !IsNil(); }
  constexpr bool operator==(const TClassRef& other) const = default;

 private:
  template <class, class...>
  friend class TClassRef;

  using TCreateFunc = TObject* (*)(TArgs...);
  using TIsInstanceFunc = bool (*)(const TObject*);

  constexpr TClassRef(TCreateFunc create, TIsInstanceFunc isInstance)
      : FCreate(create), FIsInstance(isInstance) {}

  TCreateFunc FCreate = nullptr;
  TIsInstanceFunc FIsInstance = nullptr;
};

}  // namespace fuzzy
