// The root of every framework object: two-phase construction and destruction, so that
// virtual hooks reach the most-derived class, which C++ constructors and destructors cannot.
#pragma once

#include <memory>
#include <string>

#include "fuzzy/framework/BlockCache.h"

namespace fuzzy {

class TObject {
 public:
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  // Runs BeforeDestruction() while the whole object still exists, then deletes it.
  void Free();

  // Runs once the most-derived constructor has finished; joins owners, raises notifications.
  virtual void AfterConstruction() {}
  // Runs before any destructor; leaves owners, frees owned parts, raises free notifications.
  virtual void BeforeDestruction() {}

  virtual std::string ClassName() const { return "TObject"; }

  // Objects are made and freed by the dozen per inference: their blocks come from the thread's
  // block cache. The sized delete gets the size of the most-derived class, as new did.
  static void* operator new(std::size_t size) { return TakeBlock(size); }
  static void operator delete(void* block, std::size_t size) noexcept {
    GiveBackBlock(block, size);
  }

 protected:
  TObject() = default;
  virtual ~TObject() = default;

  // Second phase of every Create factory: `return Constructed(new T(...));`.
  // An exception from AfterConstruction frees the half-built object before it passes on.
  template <class T>
  static T* Constructed(T* object) {
    try {
      object->AfterConstruction();
    } catch (...) {
      // The caller must see the construction error, not a second one from the clean-up.
      try {
        object->Free();
      } catch (...) {
      }
      throw;
    }
    return object;
  }
};

// Null-safe Free for raw pointers.
inline void FreeObject(TObject* object) {
  if (object != nullptr) object->Free();
}

// Frees the object and clears the pointer, null-safe.
template <class T>
void FreeAndNil(T*& object) {
  T* doomed = object;
  object = nullptr;
  FreeObject(doomed);
}

struct TFreeDeleter {
  void operator()(TObject* object) const { FreeObject(object); }
};

// The owning handle for objects that have no framework owner.
template <class T>
using TOwned = std::unique_ptr<T, TFreeDeleter>;

template <class T>
TOwned<T> Own(T* object) {
  return TOwned<T>(object);
}

}  // namespace fuzzy
