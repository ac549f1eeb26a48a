#include "fuzzy/framework/Stacks.h"

#include <gtest/gtest.h>

namespace fuzzy {
namespace {

TEST(StacksInterfaceStack, LastInFirstOutAndNullWhenEmpty) {
  TOwned<TIStack> stack = Own(TIStack::Create());
  const IPtr<IInterface> a = TInterfacedObject::Create();
  const IPtr<IInterface> b = TInterfacedObject::Create();
  EXPECT_TRUE(stack->IsEmpty());
  EXPECT_EQ(stack->Pop(), nullptr);
  EXPECT_EQ(stack->Peek(), nullptr);
  stack->Push(a);
  stack->Push(b);
  EXPECT_EQ(stack->GetCount(), 2);
  EXPECT_EQ(stack->Peek(), b);
  EXPECT_EQ(stack->Pop(), b);
  EXPECT_EQ(stack->Pop(), a);
  EXPECT_TRUE(stack->IsEmpty());
}

TEST(StacksInterfaceStack, KeepsItemsAliveUntilPoppedOrCleared) {
  TOwned<TIStack> stack = Own(TIStack::Create());
  auto* item = TInterfacedObject::Create();
  const IPtr<IInterface> held = item;
  stack->Push(held);
  stack->Push(held);
  EXPECT_EQ(item->GetRefCount(), 3);
  stack->Pop();
  EXPECT_EQ(item->GetRefCount(), 2);
  stack->Clear();
  EXPECT_EQ(item->GetRefCount(), 1);
  EXPECT_TRUE(stack->IsEmpty());
}

TEST(StacksObjectStack, LastInFirstOutWithoutOwning) {
  TOwned<TGStack<TObject>> stack = Own(TGStack<TObject>::Create());
  TOwned<TGStack<TObject>> a = Own(TGStack<TObject>::Create());
  TOwned<TGStack<TObject>> b = Own(TGStack<TObject>::Create());
  EXPECT_EQ(stack->Pop(), nullptr);
  stack->Add(a.get());
  stack->Add(b.get());
  EXPECT_EQ(stack->GetCount(), 2);
  EXPECT_EQ(stack->Peek(), b.get());
  EXPECT_EQ(stack->Pop(), b.get());
  EXPECT_FALSE(stack->IsEmpty());
  // Freeing the stack with an item left must not free the item (the sanitizer would see a
  // double free when `a` goes).
  stack.reset();
  EXPECT_EQ(a->GetCount(), 0);
}

}  // namespace
}  // namespace fuzzy
