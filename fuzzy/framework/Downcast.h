// A checked downcast that tries the exact class first. Owner chains are walked on every point
// edit, and the object nearly always is of the very class asked for: comparing the run-time
// type spares the search of the class tree that dynamic_cast makes.
#pragma once

#include <typeinfo>

namespace fuzzy {

// `object` as a T, or null when it is not one (or is null).
template <class T, class U>
T* Downcast(U* object) {
  if (object == nullptr) return nullptr;
  if (typeid(*object) == typeid(T)) return static_cast<T*>(object);
  return dynamic_cast<T*>(object);
}

}  // namespace fuzzy
