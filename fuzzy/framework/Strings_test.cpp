#include "fuzzy/framework/Strings.h"

#include <gtest/gtest.h>

#include "fuzzy/framework/Exceptions.h"

namespace fuzzy {
namespace {

TOwned<TStringList> ListOf(std::initializer_list<const char*> lines) {
  auto list = Own(TStringList::Create());
  for (const char* line : lines) list->Add(line);
  return list;
}

std::vector<std::string> LinesOf(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.GetCount(); ++i) lines.push_back(list.GetStrings(i));
  return lines;
}

struct ValueCase {
  const char* name;
  const char* expected;
  int index;
};

class StringsNameValue : public testing::TestWithParam<ValueCase> {};

TEST_P(StringsNameValue, GetValueReadsTheFirstLineWithThatName) {
  auto list = ListOf({"plain", "Speed=fast", "a=b=c", "=anonymous", "speed=slow", "empty="});
  const ValueCase& c = GetParam();
  EXPECT_EQ(list->GetValue(c.name), c.expected);
  EXPECT_EQ(list->IndexOfName(c.name), c.index);
}

INSTANTIATE_TEST_SUITE_P(Lines, StringsNameValue,
                         testing::Values(ValueCase{"Speed", "fast", 1},
                                         ValueCase{"SPEED", "fast", 1}, ValueCase{"a", "b=c", 2},
                                         ValueCase{"", "anonymous", 3}, ValueCase{"empty", "", 5},
                                         ValueCase{"plain", "", -1}, ValueCase{"missing", "", -1}));

TEST(StringsNameValue, NameAndValueOfALineWithoutSeparatorAreEmpty) {
  auto list = ListOf({"plain", "k=v"});
  EXPECT_EQ(list->GetName(0), "");
  EXPECT_EQ(list->GetValueFromIndex(0), "");
  EXPECT_EQ(list->GetName(1), "k");
  EXPECT_EQ(list->GetValueFromIndex(1), "v");
}

TEST(StringsNameValue, SetValueReplacesAddsAndDeletes) {
  auto list = ListOf({"a=1", "b=2"});
  list->SetValue("B", "20");
  list->SetValue("c", "3");
  list->SetValue("a", "");
  list->SetValue("nothing", "");
  EXPECT_EQ(LinesOf(*list), (std::vector<std::string>{"B=20", "c=3"}));
}

TEST(StringsNameValue, SetValueKeepsASortedListSortedAndTheLinesObject) {
  auto list = ListOf({"a=1", "m=2", "z=3"});
  list->SetSorted(true);
  TStringList* marker = list.get();
  list->SetObjects(0, marker);
  list->SetValue("a", "9");
  list->SetValue("n", "4");
  EXPECT_EQ(LinesOf(*list), (std::vector<std::string>{"a=9", "m=2", "n=4", "z=3"}));
  EXPECT_EQ(list->GetObjects(0), marker);
  list->SetStrings(0, "y=0");
  EXPECT_EQ(LinesOf(*list), (std::vector<std::string>{"m=2", "n=4", "y=0", "z=3"}));
  EXPECT_EQ(list->GetObjects(2), marker);
}

struct TextCase {
  const char* text;
  std::vector<std::string> lines;
};

class StringsText : public testing::TestWithParam<TextCase> {};

TEST_P(StringsText, SetTextSplitsAtEveryKindOfLineEndAndGetTextEndsEachLine) {
  auto list = Own(TStringList::Create());
  list->SetText(GetParam().text);
  EXPECT_EQ(LinesOf(*list), GetParam().lines);
  std::string expected;
  for (const std::string& line : GetParam().lines) expected += line + "\n";
  EXPECT_EQ(list->GetText(), expected);
  auto copy = Own(TStringList::Create());
  copy->SetText(list->GetText());
  EXPECT_EQ(LinesOf(*copy), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, StringsText,
                         testing::Values(TextCase{"", {}}, TextCase{"one", {"one"}},
                                         TextCase{"a\nb\n", {"a", "b"}},
                                         TextCase{"a\rb", {"a", "b"}},
                                         TextCase{"a\r\nb\r\n", {"a", "b"}},
                                         TextCase{"a\n\r\nb", {"a", "", "b"}}, TextCase{"\n", {""}},
                                         TextCase{"a\n\rb", {"a", "", "b"}}, TextCase{"x\r", {"x"}},
                                         TextCase{" lead\ttab \n", {" lead\ttab "}}));

TEST(StringsText, SetTextReplacesTheOldLinesInOneChange) {
  auto list = ListOf({"old"});
  int changes = 0;
  list->SetOnChange([&](TObject*) { ++changes; });
  list->SetText("x\ny\nz");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(LinesOf(*list), (std::vector<std::string>{"x", "y", "z"}));
}

// Records the events and the outermost batch transitions of a list.
class TRecordingList : public TStringList {
 public:
  static TRecordingList* Create() { return Constructed(new TRecordingList()); }
  std::vector<std::string> FLog;

 protected:
  TRecordingList() {
    SetOnChanging([this](TObject* sender) {
      EXPECT_EQ(sender, this);
      FLog.push_back("changing");
    });
    SetOnChange([this](TObject*) { FLog.push_back("change"); });
  }
  void SetUpdateState(bool Updating) override { FLog.push_back(Updating ? "updating" : "updated"); }
};

using Log = std::vector<std::string>;

TEST(StringsBatches, EachChangeOutsideABatchIsAnnouncedBeforeAndAfter) {
  auto list = Own(TRecordingList::Create());
  list->Add("a");
  list->Delete(0);
  EXPECT_EQ(list->FLog, (Log{"changing", "change", "changing", "change"}));
}

TEST(StringsBatches, NestedBatchesAnnounceOnceWhenTheOutermostCloses) {
  auto list = Own(TRecordingList::Create());
  list->BeginUpdate();
  list->Add("a");
  list->BeginUpdate();
  list->Add("b");
  list->Exchange(0, 1);
  list->EndUpdate();
  EXPECT_EQ(list->FLog, (Log{"updating", "changing"}));
  list->EndUpdate();
  EXPECT_EQ(list->FLog, (Log{"updating", "changing", "updated", "change"}));
  EXPECT_EQ(list->GetUpdateCount(), 0);
}

TEST(StringsBatches, ABatchWithoutChangesAnnouncesNothing) {
  auto list = Own(TRecordingList::Create());
  list->BeginUpdate();
  list->Clear();  // already empty
  list->EndUpdate();
  list->EndUpdate();  // an unmatched close is ignored
  EXPECT_EQ(list->FLog, (Log{"updating", "updated"}));
  list->Add("a");
  EXPECT_EQ(list->FLog.back(), "change");
}

TEST(StringsBatches, AHandlerThatThrowsLeavesTheListUsable) {
  auto list = ListOf({"a"});
  list->SetOnChange([](TObject*) { throw Exception("handler"); });
  EXPECT_THROW(list->SetText("b\nc"), Exception);
  EXPECT_EQ(list->GetUpdateCount(), 0);
  EXPECT_EQ(LinesOf(*list), (std::vector<std::string>{"b", "c"}));
  list->SetOnChange(nullptr);
  list->Add("d");
  EXPECT_EQ(list->GetCount(), 3);
}

TEST(StringsAssign, CopiesLinesAndObjectsButNotSettings) {
  auto source = ListOf({"b", "a"});
  source->SetObjects(1, source.get());
  auto target = ListOf({"old"});
  target->SetCaseSensitive(true);
  target->Assign(source.get());
  EXPECT_EQ(LinesOf(*target), (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(target->GetObjects(1), source.get());
  EXPECT_TRUE(target->GetCaseSensitive());
  target->Assign(target.get());
  EXPECT_EQ(target->GetCount(), 2);
}

TEST(StringsAssign, FromANonListRaisesTheAssignmentError) {
  auto target = ListOf({"keep"});
  EXPECT_THROW(target->Assign(nullptr), EConvertError);
  EXPECT_EQ(target->GetCount(), 1);
}

TEST(StringsAssign, AddStringsOfItselfDoublesTheLines) {
  auto list = ListOf({"a", "b"});
  list->AddStrings(list.get());
  EXPECT_EQ(LinesOf(*list), (std::vector<std::string>{"a", "b", "a", "b"}));
}

}  // namespace
}  // namespace fuzzy
