#include "fuzzy/framework/InterfaceList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace fuzzy {
namespace {

int CountOf(const IPtr<IInterface>& item) {
  return dynamic_cast<TInterfacedObject*>(item.get())->GetRefCount();
}

class InterfaceListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& item : FItems) item = TInterfacedObject::Create();
    for (const auto& item : FItems) FList->Add(item);
  }
  // The positions of the fixture's items in the list, -1 for foreign ones.
  std::vector<int> Order() const {
    std::vector<int> order;
    for (int i = 0; i < FList->GetCount(); ++i) {
      const auto it = std::find(std::begin(FItems), std::end(FItems), FList->GetItem(i));
      order.push_back(it == std::end(FItems) ? -1 : static_cast<int>(it - std::begin(FItems)));
    }
    return order;
  }

  IPtr<IInterface> FItems[3];
  IPtr<IInterfaceList> FList = TInterfaceList::Create();
};

TEST_F(InterfaceListTest, EditsKeepTheOrder) {
  EXPECT_EQ(Order(), (std::vector<int>{0, 1, 2}));
  FList->Exchange(0, 2);
  EXPECT_EQ(Order(), (std::vector<int>{2, 1, 0}));
  FList->Insert(3, FItems[1]);
  EXPECT_EQ(Order(), (std::vector<int>{2, 1, 0, 1}));
  EXPECT_EQ(FList->Remove(FItems[1]), 1);
  EXPECT_EQ(Order(), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(FList->IndexOf(FItems[1]), 2);
  FList->Delete(0);
  FList->SetItem(1, TInterfacedObject::Create());
  EXPECT_EQ(Order(), (std::vector<int>{0, -1}));
  EXPECT_EQ(FList->First(), FItems[0]);
}

TEST_F(InterfaceListTest, AbsentItemsAndEmptyList) {
  const IPtr<IInterface> stranger = TInterfacedObject::Create();
  EXPECT_EQ(FList->IndexOf(stranger), -1);
  EXPECT_EQ(FList->Remove(stranger), -1);
  EXPECT_EQ(FList->GetCount(), 3);
  EXPECT_EQ(FList->Last(), FItems[2]);
  FList->Clear();
  EXPECT_EQ(FList->First(), nullptr);
  EXPECT_EQ(FList->Last(), nullptr);
}

TEST_F(InterfaceListTest, HoldsOneReferencePerPositionAndDropsThemWhenGone) {
  FList->Add(FItems[0]);
  EXPECT_EQ(CountOf(FItems[0]), 3);
  FList->Delete(0);
  EXPECT_EQ(CountOf(FItems[0]), 2);
  FList->Clear();
  EXPECT_EQ(CountOf(FItems[0]), 1);
  FList->Add(FItems[1]);
  FList = nullptr;
  EXPECT_EQ(CountOf(FItems[1]), 1);
}

TEST_F(InterfaceListTest, IndexesOutsideTheListRaise) {
  EXPECT_THROW(FList->GetItem(3), EListError);
  EXPECT_THROW(FList->GetItem(-1), EListError);
  EXPECT_THROW(FList->SetItem(3, nullptr), EListError);
  EXPECT_THROW(FList->Delete(3), EListError);
  EXPECT_THROW(FList->Insert(4, nullptr), EListError);
  EXPECT_THROW(FList->Exchange(0, 3), EListError);
  EXPECT_EQ(Order(), (std::vector<int>{0, 1, 2}));
}

TEST_F(InterfaceListTest, AnswersItsInterfaceByGuid) {
  EXPECT_TRUE(Supports<IInterfaceList>(IPtr<IInterface>(FList)));
  EXPECT_FALSE(Supports<IInterfaceList>(FItems[0]));
}

}  // namespace
}  // namespace fuzzy
