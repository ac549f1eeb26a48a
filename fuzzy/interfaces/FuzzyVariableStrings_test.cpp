#include "fuzzy/interfaces/FuzzyVariableStrings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fuzzy/interfaces/IntfLogicTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::LiveObjects;
using testing_support::NewCountedVariable;
using testing_support::TLogicEventLog;
using Lines = std::vector<std::string>;

class FuzzyVariableStringsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    FStrings.reset();
    FLog.reset();
    FLogic.reset();
    EXPECT_EQ(LiveObjects(), 0);
  }

  TOwned<TIFuzzyLogic> FLogic = Own(TIFuzzyLogic::Create(nullptr));
  std::unique_ptr<TLogicEventLog> FLog = std::make_unique<TLogicEventLog>(FLogic.get());
  TOwned<TFuzzyVariableStrings> FStrings = Own(TFuzzyVariableStrings::Create(FLogic.get()));
};

TEST_F(FuzzyVariableStringsTest, PutDataAnnouncesTheLeavingVariableThenTheEnteringOne) {
  FStrings->AddData("line", NewCountedVariable("first"));
  const IPtr<IFuzzyVariable> second = NewCountedVariable("second");
  FStrings->PutData(0, second);
  EXPECT_EQ(FLog->Events, (Lines{"variable+ first", "variable- first", "variable+ second"}));
  EXPECT_EQ(FStrings->GetData(0), second);
  // The entering variable is set up as a stored one would be.
  EXPECT_EQ(second->GetCount(), 3);
  second->Add("fast");
  EXPECT_EQ(FLog->Events.back(), "set+ second/fast");
}

TEST_F(FuzzyVariableStringsTest, LinesWithoutVariablesAnnounceNothing) {
  FStrings->Add("empty");
  FStrings->AddData("other", IPtr<IInterface>(TInterfacedObject::Create()));
  FStrings->PutData(0, nullptr);
  EXPECT_EQ(FStrings->GetData(1), nullptr);
  EXPECT_TRUE(FStrings->TIStringList::GetData(1));
  FStrings->PutData(1, NewCountedVariable("speed"));
  FStrings->PutData(1, nullptr);
  EXPECT_EQ(FLog->Events, (Lines{"variable+ speed", "variable- speed"}));
  EXPECT_THROW(FStrings->PutData(2, NewCountedVariable("x")), EListError);
  EXPECT_EQ(FLog->Events.size(), 2u);
}

TEST(FuzzyVariableStrings, WithoutAComponentItOnlyCarriesTheVariables) {
  {
    auto strings = Own(TFuzzyVariableStrings::Create(nullptr));
    const IPtr<IFuzzyVariable> speed = NewCountedVariable("speed");
    strings->AddData("speed", speed);
    EXPECT_EQ(strings->GetData(0), speed);
    EXPECT_EQ(speed->GetCount(), 0);
  }
  EXPECT_EQ(LiveObjects(), 0);
}

}  // namespace
}  // namespace fuzzy
