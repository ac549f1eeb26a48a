// Two last-in-first-out stacks: TIStack of counted interface references (the tokenizer's
// lookahead, the postfix converter's operators) and TGStack of objects it does not own (the
// evaluator's operand sets).
#pragma once

#include <utility>
#include <vector>

#include "fuzzy/framework/Interface.h"
#include "fuzzy/framework/Object.h"

namespace fuzzy {

// Holds a reference to every interface pushed until it is popped or the stack is cleared.
class TIStack : public TObject {
 public:
  static TIStack* Create() { return Constructed(new TIStack()); }
  std::string ClassName() const override { return "TIStack"; }

  void Push(const IPtr<IInterface>& item) { FItems.push_back(item); }
  // Both answer null on an empty stack, so a caller can drain it without counting.
  IPtr<IInterface> Pop() {
    if (FItems.empty()) return nullptr;
    IPtr<IInterface> top = std::move(FItems.back());
    FItems.pop_back();
    return top;
  }
  IPtr<IInterface> Peek() const { return FItems.empty() ? nullptr : FItems.back(); }
  bool IsEmpty() const { return FItems.empty(); }
  int GetCount() const { return static_cast<int>(FItems.size()); }
  // Releases the items only after the stack is empty, in case a release reaches back here.
  void Clear() {
    std::vector<IPtr<IInterface>> doomed;
    doomed.swap(FItems);
  }

 protected:
  TIStack() = default;

 private:
  std::vector<IPtr<IInterface>> FItems;
};

// A stack of objects that belong to somebody else: it never frees what it holds.
template <class T>
class TGStack : public TObject {
 public:
  static TGStack* Create() { return Constructed(new TGStack()); }
  std::string ClassName() const override { return "TGStack"; }

  // Pushes.
  void Add(T* item) { FItems.push_back(item); }
  // Both answer null on an empty stack.
  T* Pop() {
    if (FItems.empty()) return nullptr;
    T* top = FItems.back();
    FItems.pop_back();
    return top;
  }
  T* Peek() const { return FItems.empty() ? nullptr : FItems.back(); }
  bool IsEmpty() const { return FItems.empty(); }
  int GetCount() const { return static_cast<int>(FItems.size()); }
  void Clear() { FItems.clear(); }

 protected:
  TGStack() = default;

 private:
  std::vector<T*> FItems;
};

}  // namespace fuzzy
