// Holds a freshly made object while the rest of its making runs: should an exception leave the
// scope first, the object is freed, so that a failed operation leaves no half-built result.
#pragma once

#include <utility>

namespace fuzzy {

template <class T>
class TFreeOnError {
 public:
  explicit TFreeOnError(T* object) : FObject(object) {}
  // The caller must see the first error, not a second one from freeing the object.
  ~TFreeOnError() {
    if (FObject == nullptr) return;
    try {
      FObject->Free();
    } catch (...) {
    }
  }
  TFreeOnError(const TFreeOnError&) = delete;
  TFreeOnError& operator=(const TFreeOnError&) = delete;

  T* Get() const { return FObject; }
  T* operator->() const { return FObject; }
  // The making succeeded: the caller takes the object over.
  T* Release() { return std::exchange(FObject, nullptr); }

 private:
  T* FObject;
};

}  // namespace fuzzy
