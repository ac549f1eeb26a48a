#include <gtest/gtest.h>

#include <functional>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/framework/Strings.h"

namespace fuzzy {
namespace {

TOwned<TStringList> ListOf(std::initializer_list<const char*> lines, bool sorted = false,
                           bool caseSensitive = false) {
  auto list = Own(TStringList::Create());
  list->SetCaseSensitive(caseSensitive);
  for (const char* line : lines) list->Add(line);
  list->SetSorted(sorted);
  return list;
}

std::vector<std::string> LinesOf(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.GetCount(); ++i) lines.push_back(list.GetStrings(i));
  return lines;
}

using Lines = std::vector<std::string>;

TEST(StringListSorted, SortingKeepsEqualLinesInTheirOrder) {
  auto list = ListOf({"b", "B", "a", "b"});
  list->SetObjects(3, list.get());
  list->SetSorted(true);
  EXPECT_EQ(LinesOf(*list), (Lines{"a", "b", "B", "b"}));
  EXPECT_EQ(list->GetObjects(3), list.get());
}

TEST(StringListSorted, CaseSensitiveOrderIsByteOrderWhateverTheLocale) {
  auto list = ListOf({"b", "a", "B", "A"}, true, true);
  EXPECT_EQ(LinesOf(*list), (Lines{"A", "B", "a", "b"}));
  list->SetCaseSensitive(false);
  EXPECT_EQ(LinesOf(*list), (Lines{"A", "a", "B", "b"}));
}

struct LookupCase {
  bool sorted;
  bool caseSensitive;
  const char* probe;
  int index;  // IndexOf, and Find's index when found
  bool found;
  int findIndex;
};

class StringListLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(StringListLookup, IndexOfAndFindFollowTheModes) {
  const LookupCase& c = GetParam();
  auto list = ListOf({"delta", "Alpha", "charlie", "alpha"}, c.sorted, c.caseSensitive);
  EXPECT_EQ(list->IndexOf(c.probe), c.index);
  int index = -7;
  EXPECT_EQ(list->Find(c.probe, index), c.found);
  EXPECT_EQ(index, c.findIndex);
}

// Sorted, insensitive: Alpha alpha charlie delta. Sorted, sensitive: Alpha alpha charlie delta.
INSTANTIATE_TEST_SUITE_P(Modes, StringListLookup,
                         testing::Values(LookupCase{false, false, "ALPHA", 1, true, 1},
                                         LookupCase{false, true, "alpha", 3, true, 3},
                                         LookupCase{false, true, "ALPHA", -1, false, 4},
                                         LookupCase{true, false, "ALPHA", 0, true, 0},
                                         LookupCase{true, false, "CHARLIE", 2, true, 2},
                                         LookupCase{true, false, "bravo", -1, false, 2},
                                         LookupCase{true, false, "zulu", -1, false, 4},
                                         LookupCase{true, true, "alpha", 1, true, 1},
                                         LookupCase{true, true, "Charlie", -1, false, 1},
                                         LookupCase{true, true, "", -1, false, 0}));

struct DuplicateCase {
  TDuplicates duplicates;
  bool caseSensitive;
  const char* added;
  bool throws;
  int index;
  Lines lines;
};

class StringListDuplicates : public testing::TestWithParam<DuplicateCase> {};

TEST_P(StringListDuplicates, AddToASortedListFollowsThePolicy) {
  const DuplicateCase& c = GetParam();
  auto list = ListOf({"a", "m", "z"}, true, c.caseSensitive);
  list->SetDuplicates(c.duplicates);
  if (c.throws) {
    EXPECT_THROW(list->Add(c.added), EListError);
  } else {
    EXPECT_EQ(list->Add(c.added), c.index);
  }
  EXPECT_EQ(LinesOf(*list), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Policies, StringListDuplicates,
    testing::Values(DuplicateCase{dupIgnore, false, "M", false, 1, {"a", "m", "z"}},
                    DuplicateCase{dupAccept, false, "M", false, 2, {"a", "m", "M", "z"}},
                    DuplicateCase{dupError, false, "M", true, 0, {"a", "m", "z"}},
                    DuplicateCase{dupError, true, "M", false, 0, {"M", "a", "m", "z"}},
                    DuplicateCase{dupIgnore, false, "n", false, 2, {"a", "m", "n", "z"}}));

TEST(StringListSorted, PositionalEditsAreRefused) {
  auto list = ListOf({"b", "a"}, true);
  const std::vector<std::function<void()>> edits = {
      [&] { list->Insert(0, "c"); }, [&] { list->Exchange(0, 1); }, [&] { list->Move(0, 1); }};
  for (const auto& edit : edits) EXPECT_THROW(edit(), EListError);
  EXPECT_EQ(LinesOf(*list), (Lines{"a", "b"}));
}

// Counts the comparisons a lookup makes.
class TCountingList : public TStringList {
 public:
  static TCountingList* Create() { return Constructed(new TCountingList()); }
  mutable int FComparisons = 0;

 protected:
  int CompareStrings(const std::string& S1, const std::string& S2) const override {
    ++FComparisons;
    return TStringList::CompareStrings(S1, S2);
  }
};

TEST(StringListSorted, FindUsesBinarySearch) {
  auto list = Own(TCountingList::Create());
  list->SetSorted(true);
  for (int i = 0; i < 4096; ++i) list->Add("line" + std::to_string(i));
  list->FComparisons = 0;
  int index = 0;
  EXPECT_TRUE(list->Find("line2048", index));
  EXPECT_EQ(list->GetStrings(index), "line2048");
  EXPECT_LE(list->FComparisons, 14);
}

struct IndexErrorCase {
  const char* operation;
  std::function<void(TStringList&)> call;
  int reported;
};

class StringListIndexErrors : public testing::TestWithParam<IndexErrorCase> {};

TEST_P(StringListIndexErrors, RaiseListErrorAndChangeNothing) {
  auto list = ListOf({"a", "b"});
  try {
    GetParam().call(*list);
    ADD_FAILURE() << GetParam().operation << " raised nothing";
  } catch (const EListError& e) {
    EXPECT_EQ(e.GetMessage(),
              "List index out of bounds (" + std::to_string(GetParam().reported) + ")");
  }
  EXPECT_EQ(LinesOf(*list), (Lines{"a", "b"}));
}

INSTANTIATE_TEST_SUITE_P(
    Operations, StringListIndexErrors,
    testing::Values(IndexErrorCase{"GetStrings", [](TStringList& l) { l.GetStrings(2); }, 2},
                    IndexErrorCase{"GetStrings", [](TStringList& l) { l.GetStrings(-1); }, -1},
                    IndexErrorCase{"SetStrings", [](TStringList& l) { l.SetStrings(2, "x"); }, 2},
                    IndexErrorCase{"GetObjects", [](TStringList& l) { l.GetObjects(5); }, 5},
                    IndexErrorCase{"SetObjects", [](TStringList& l) { l.SetObjects(-3, nullptr); },
                                   -3},
                    IndexErrorCase{"Insert", [](TStringList& l) { l.Insert(3, "x"); }, 3},
                    IndexErrorCase{"Delete", [](TStringList& l) { l.Delete(2); }, 2},
                    IndexErrorCase{"Exchange", [](TStringList& l) { l.Exchange(0, 2); }, 2},
                    IndexErrorCase{"Move", [](TStringList& l) { l.Move(-1, 0); }, -1},
                    IndexErrorCase{"GetName", [](TStringList& l) { l.GetName(9); }, 9}));

struct MoveCase {
  int from;
  int to;
  Lines lines;
};

class StringListMove : public testing::TestWithParam<MoveCase> {};

TEST_P(StringListMove, MoveCarriesTheLineAndItsObject) {
  auto list = ListOf({"a", "b", "c", "d"});
  list->SetObjects(GetParam().from, list.get());
  list->Move(GetParam().from, GetParam().to);
  EXPECT_EQ(LinesOf(*list), GetParam().lines);
  EXPECT_EQ(list->IndexOfObject(list.get()), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Positions, StringListMove,
                         testing::Values(MoveCase{0, 3, {"b", "c", "d", "a"}},
                                         MoveCase{3, 0, {"d", "a", "b", "c"}},
                                         MoveCase{1, 2, {"a", "c", "b", "d"}},
                                         MoveCase{2, 2, {"a", "b", "c", "d"}}));

TEST(StringListEdits, InsertAndExchangeKeepObjectsWithTheirLines) {
  auto list = ListOf({"a", "c"});
  list->InsertObject(1, "b", list.get());
  list->Insert(3, "d");
  list->Exchange(1, 3);
  EXPECT_EQ(LinesOf(*list), (Lines{"a", "d", "c", "b"}));
  EXPECT_EQ(list->GetObjects(3), list.get());
  EXPECT_EQ(list->GetObjects(1), nullptr);
}

// Counts the instances freed, to tell owned objects from borrowed ones.
class TTracked : public TObject {
 public:
  static TTracked* Create(int& freed) { return Constructed(new TTracked(freed)); }
  void BeforeDestruction() override { ++FFreed; }

 protected:
  explicit TTracked(int& freed) : FFreed(freed) {}

 private:
  int& FFreed;
};

TEST(StringListOwnership, BorrowedObjectsOutliveTheList) {
  int freed = 0;
  auto object = Own(TTracked::Create(freed));
  {
    auto list = ListOf({});
    list->AddObject("a", object.get());
    list->Delete(0);
    list->AddObject("b", object.get());
  }
  EXPECT_EQ(freed, 0);
}

TEST(StringListOwnership, OwnedObjectsAreFreedOnDeleteReplaceClearAndDestruction) {
  int freed = 0;
  auto list = Own(TStringList::Create());
  list->SetOwnsObjects(true);
  for (const char* line : {"a", "b", "c", "d"}) list->AddObject(line, TTracked::Create(freed));
  list->Delete(0);
  EXPECT_EQ(freed, 1);
  list->SetObjects(0, TTracked::Create(freed));
  EXPECT_EQ(freed, 2);
  list->SetObjects(0, list->GetObjects(0));
  EXPECT_EQ(freed, 2);
  list->Delete(2);
  EXPECT_EQ(freed, 3);
  list->Clear();
  EXPECT_EQ(freed, 5);
  list->AddObject("e", TTracked::Create(freed));
  list.reset();
  EXPECT_EQ(freed, 6);
}

TEST(StringListOwnership, NoEventReachesAHandlerWhileTheListIsFreed) {
  int freed = 0;
  int events = 0;
  auto list = Own(TStringList::Create());
  list->SetOwnsObjects(true);
  list->AddObject("a", TTracked::Create(freed));
  list->SetOnChange([&](TObject*) { ++events; });
  list.reset();
  EXPECT_EQ(events, 0);
  EXPECT_EQ(freed, 1);
}

}  // namespace
}  // namespace fuzzy
