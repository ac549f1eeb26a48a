// The two-way links behind free notification: when either end of a link is destroyed, the other
// end is unhooked and told, so neither keeps a dangling pointer. Used by components and by
// collection items.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace fuzzy {

// What happened to a linked object: inserted into an owner, or removed (freed or taken out).
enum TOperation : std::uint8_t { opInsert, opRemove };

template <class T>
class TFreeNotifyLinks {
 public:
  bool Contains(const T* other) const {
    return std::find(FLinks.begin(), FLinks.end(), other) != FLinks.end();
  }
  bool IsEmpty() const { return FLinks.empty(); }
  int GetCount() const { return static_cast<int>(FLinks.size()); }

  // Adds the other end to this side (once); answers whether it was new. The owning class
  // keeps both sides in step.
  bool Add(T* other) {
    if (Contains(other)) return false;
    FLinks.push_back(other);
    return true;
  }
  void Erase(const T* other) { std::erase(FLinks, other); }

  // Takes the most recently linked object off this side only (the caller unhooks the other
  // side); null when none is left.
  T* TakeLast() {
    if (FLinks.empty()) return nullptr;
    T* last = FLinks.back();
    FLinks.pop_back();
    return last;
  }

 private:
  std::vector<T*> FLinks;
};

}  // namespace fuzzy
