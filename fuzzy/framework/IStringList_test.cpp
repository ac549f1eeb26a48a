#include "fuzzy/framework/IStringList.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzzy/framework/Exceptions.h"

namespace fuzzy {
namespace {

// Counts how many of its kind are alive, so a test sees exactly what a list released.
class TTracked : public TInterfacedObject {
 public:
  static TTracked* Create(int* live, std::string name = "") {
    return Constructed(new TTracked(live, std::move(name)));
  }
  std::string Name;

 protected:
  TTracked(int* live, std::string name) : Name(std::move(name)), FLive(live) { ++*FLive; }
  ~TTracked() override { --*FLive; }

 private:
  int* FLive;
};

class TTrackedObject : public TObject {
 public:
  static TTrackedObject* Create(int* live) { return Constructed(new TTrackedObject(live)); }

 protected:
  explicit TTrackedObject(int* live) : FLive(live) { ++*FLive; }
  ~TTrackedObject() override { --*FLive; }

 private:
  int* FLive;
};

std::string NameOf(const IPtr<IInterface>& data) {
  auto* tracked = dynamic_cast<TTracked*>(data.get());
  return tracked != nullptr ? tracked->Name : "-";
}

std::vector<std::string> LinesAndData(const TIStringList& list) {
  std::vector<std::string> result;
  for (int i = 0; i < list.GetCount(); ++i) {
    result.push_back(list.GetStrings(i) + ":" + NameOf(list.GetData(i)));
  }
  return result;
}

using Lines = std::vector<std::string>;

class IStringListTest : public ::testing::Test {
 protected:
  void Fill(std::initializer_list<const char*> names) {
    for (const char* name : names) FList->AddData(name, TTracked::Create(&FLive, name));
  }
  int FLive = 0;
  TOwned<TIStringList> FList = Own(TIStringList::Create());
};

TEST_F(IStringListTest, DataTravelsWithItsLineWhenTheOrderChanges) {
  Fill({"c", "a", "b"});
  FList->Exchange(0, 2);
  EXPECT_EQ(LinesAndData(*FList), (Lines{"b:b", "a:a", "c:c"}));
  FList->Move(0, 2);
  EXPECT_EQ(LinesAndData(*FList), (Lines{"a:a", "c:c", "b:b"}));
  FList->SetSorted(true);
  EXPECT_EQ(LinesAndData(*FList), (Lines{"a:a", "b:b", "c:c"}));
  EXPECT_THROW(FList->Insert(0, "x"), EListError);
  EXPECT_EQ(FLive, 3);
  FList->SetSorted(false);
  FList->Insert(1, "x");
  EXPECT_EQ(LinesAndData(*FList), (Lines{"a:a", "x:-", "b:b", "c:c"}));
}

TEST_F(IStringListTest, LinesThatGoReleaseTheirData) {
  Fill({"a", "b", "c", "d"});
  ASSERT_EQ(FLive, 4);
  FList->Delete(1);
  EXPECT_EQ(FLive, 3);
  FList->PutData(0, nullptr);
  EXPECT_EQ(FLive, 2);
  FList->Clear();
  EXPECT_EQ(FLive, 0);
  Fill({"e", "f"});
  FList.reset();
  EXPECT_EQ(FLive, 0);
}

TEST_F(IStringListTest, PutDataIsOneChangeAndReleasesTheReplacedData) {
  Fill({"a"});
  std::vector<std::string> seen;
  FList->SetOnChanging([&](TObject*) { seen.push_back("changing " + NameOf(FList->GetData(0))); });
  FList->SetOnChange([&](TObject*) { seen.push_back("change " + NameOf(FList->GetData(0))); });
  FList->PutData(0, TTracked::Create(&FLive, "z"));
  EXPECT_EQ(seen, (Lines{"changing a", "change z"}));
  EXPECT_EQ(FLive, 1);
  EXPECT_EQ(FList->IndexOfData(FList->GetData(0)), 0);
  EXPECT_EQ(FList->IndexOfData(TTracked::Create(&FLive)), -1);
}

TEST_F(IStringListTest, ABadIndexRaisesTheListError) {
  Fill({"a"});
  EXPECT_THROW(FList->GetData(1), EListError);
  EXPECT_THROW(FList->PutData(-1, nullptr), EListError);
  EXPECT_EQ(FLive, 1);
}

TEST_F(IStringListTest, ADuplicateIgnoredBySortedListKeepsTheOldDataAndReleasesTheNew) {
  FList->SetSorted(true);
  Fill({"b", "a", "b"});
  EXPECT_EQ(LinesAndData(*FList), (Lines{"a:a", "b:b"}));
  EXPECT_EQ(FLive, 2);
  FList->SetDuplicates(dupError);
  EXPECT_THROW(FList->AddObject("a", nullptr), EListError);
  EXPECT_EQ(FList->GetCount(), 2);
}

TEST_F(IStringListTest, ALineStaysWhenTheChangeHandlerRaisesAfterItWentIn) {
  int objects = 0;
  auto object = Own(TTrackedObject::Create(&objects));
  FList->SetOnChange([](TObject*) { throw std::runtime_error("handler"); });
  EXPECT_THROW(FList->AddObject("a", object.get()), std::runtime_error);
  EXPECT_THROW(FList->AddData("b", TTracked::Create(&FLive, "b")), std::runtime_error);
  FList->SetOnChange(nullptr);
  EXPECT_EQ(LinesAndData(*FList), (Lines{"a:-", "b:b"}));
  EXPECT_EQ(FList->GetObjects(0), object.get());
}

TEST_F(IStringListTest, ObjectsBesideTheDataAreFreedOnlyWhenOwned) {
  int objects = 0;
  FList->AddObject("kept", TTrackedObject::Create(&objects));
  TObject* kept = FList->GetObjects(0);
  FList->Delete(0);
  EXPECT_EQ(objects, 1);
  FreeObject(kept);

  FList->SetOwnsObjects(true);
  FList->AddObject("a", TTrackedObject::Create(&objects));
  FList->AddData("b", TTracked::Create(&FLive, "b"));
  FList->SetObjects(1, TTrackedObject::Create(&objects));
  FList->SetObjects(0, TTrackedObject::Create(&objects));  // frees the first
  EXPECT_EQ(objects, 2);
  FList->Delete(0);
  EXPECT_EQ(objects, 1);
  EXPECT_EQ(LinesAndData(*FList), (Lines{"b:b"}));
  FList.reset();
  EXPECT_EQ(objects, 0);
  EXPECT_EQ(FLive, 0);
}

TEST_F(IStringListTest, AssignCopiesLinesObjectsAndData) {
  Fill({"a", "b"});
  FList->SetObjects(1, FList.get());
  auto copy = Own(TIStringList::Create());
  copy->AddData("old", TTracked::Create(&FLive, "old"));
  copy->Assign(FList.get());
  EXPECT_EQ(LinesAndData(*copy), (Lines{"a:a", "b:b"}));
  EXPECT_EQ(copy->GetObjects(1), FList.get());
  EXPECT_EQ(FLive, 2);

  auto plain = Own(TStringList::Create());
  plain->Assign(FList.get());
  EXPECT_EQ(plain->GetObjects(1), FList.get());
  copy->Assign(plain.get());
  EXPECT_EQ(LinesAndData(*copy), (Lines{"a:-", "b:-"}));
}

}  // namespace
}  // namespace fuzzy
