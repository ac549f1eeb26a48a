#include "fuzzy/framework/Component.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace fuzzy {
namespace {

using TLog = std::vector<std::string>;

// Writes "<receiver>: insert|remove <subject>" for each notification and "free <name>" when it
// goes, into a log that outlives it. The subject is read at notification time, so a dying
// subject must still be whole.
class TLoggingComponent : public TComponent {
 public:
  static TLoggingComponent* Create(TComponent* owner, const std::string& name, TLog* log) {
    return Constructed(new TLoggingComponent(owner, name, log));
  }
  std::function<void(TComponent*)> OnRemove;
  int LoadedCalls = 0;
  bool LoadingInLoaded = true;

 protected:
  TLoggingComponent(TComponent* owner, const std::string& name, TLog* log)
      : TComponent(owner), FLog(log) {
    SetName(name);
  }
  void Notification(TComponent* component, TOperation operation) override {
    std::string subject = component->GetName();
    if (component->IsDestroying()) subject += " (destroying)";
    FLog->push_back(GetName() + (operation == opInsert ? ": insert " : ": remove ") + subject);
    if (operation == opRemove && OnRemove) OnRemove(component);
    TComponent::Notification(component, operation);
  }
  void Loaded() override {
    ++LoadedCalls;
    LoadingInLoaded = IsLoading();
  }
  void BeforeDestruction() override {
    FLog->push_back("free " + GetName());
    TComponent::BeforeDestruction();
  }

 private:
  TLog* FLog;
};

class ComponentTest : public ::testing::Test {
 protected:
  TLoggingComponent* Make(const std::string& name, TComponent* owner = nullptr) {
    return TLoggingComponent::Create(owner, name, &Log);
  }
  TLog Log;
};

TEST_F(ComponentTest, FreeingTellsEveryComponentThatAskedWhileTheDyingOneIsWhole) {
  TOwned<TLoggingComponent> a(Make("a")), b(Make("b"));
  TLoggingComponent* parser = Make("parser");
  parser->FreeNotification(a.get());
  b->FreeNotification(parser);
  parser->FreeNotification(b.get());  // asked twice, told once
  Log.clear();
  parser->Free();
  EXPECT_EQ(
      Log, (TLog{"free parser", "b: remove parser (destroying)", "a: remove parser (destroying)"}));
  EXPECT_FALSE(a->HasFreeNotification(parser));
  EXPECT_FALSE(b->HasFreeNotification(parser));
}

TEST_F(ComponentTest, LinksWorkBothWaysSoNeitherSideDangles) {
  TLoggingComponent* logic = Make("logic");
  TOwned<TLoggingComponent> parser(Make("parser"));
  logic->FreeNotification(parser.get());
  logic->Free();
  EXPECT_EQ(Log.back(), "parser: remove logic (destroying)");
  EXPECT_FALSE(parser->HasFreeNotification(logic));
  Log.clear();
  parser.reset();  // must not reach the freed logic
  EXPECT_EQ(Log, TLog{"free parser"});
}

TEST_F(ComponentTest, RemovedFreeNotificationTellsNobody) {
  TOwned<TLoggingComponent> a(Make("a"));
  TLoggingComponent* b = Make("b");
  a->FreeNotification(b);
  b->RemoveFreeNotification(a.get());
  Log.clear();
  b->Free();
  EXPECT_EQ(Log, TLog{"free b"});
}

TEST_F(ComponentTest, OwnerFreesWhatItOwnsAndTellsTheRestOfItsComponents) {
  TLoggingComponent* form = Make("form");
  TLoggingComponent* logic = Make("logic", form);
  Make("parser", form);
  Make("inner", logic);
  ASSERT_EQ(form->GetComponentCount(), 2);
  EXPECT_EQ(form->GetComponent(1)->GetName(), "parser");
  EXPECT_EQ(form->FindComponent("logic"), logic);
  Log.clear();
  form->Free();
  EXPECT_EQ(Log, (TLog{"free form", "free parser", "form: remove parser (destroying)",
                       "parser: remove parser (destroying)", "logic: remove parser (destroying)",
                       "inner: remove parser (destroying)", "free logic", "free inner",
                       "logic: remove inner (destroying)", "inner: remove inner (destroying)",
                       "form: remove logic (destroying)", "logic: remove logic (destroying)"}));
}

TEST_F(ComponentTest, InsertingAndRemovingTellsTheOwnerAndEverythingItOwns) {
  TOwned<TLoggingComponent> form(Make("form"));
  Make("logic", form.get());
  Log.clear();
  TLoggingComponent* parser = Make("parser", form.get());
  EXPECT_EQ(Log, (TLog{"form: insert parser", "parser: insert parser", "logic: insert parser"}));
  Log.clear();
  form->RemoveComponent(parser);
  EXPECT_EQ(Log, (TLog{"form: remove parser", "parser: remove parser", "logic: remove parser"}));
  EXPECT_EQ(parser->GetOwner(), nullptr);
  EXPECT_EQ(form->GetComponentCount(), 1);
  parser->Free();
}

TEST_F(ComponentTest, AComponentFreedOnItsOwnLeavesItsOwner) {
  TOwned<TLoggingComponent> form(Make("form"));
  TLoggingComponent* logic = Make("logic", form.get());
  EXPECT_EQ(logic->GetComponentIndex(), 0);
  logic->Free();
  EXPECT_EQ(form->GetComponentCount(), 0);
  EXPECT_THROW(form->GetComponent(0), EListError);
}

TEST_F(ComponentTest, SameOwnerNeedsNoLinkButIsStillToldOfAFree) {
  TOwned<TLoggingComponent> form(Make("form"));
  TLoggingComponent* logic = Make("logic", form.get());
  TLoggingComponent* parser = Make("parser", form.get());
  logic->FreeNotification(parser);
  EXPECT_FALSE(logic->HasFreeNotification(parser));
  Log.clear();
  parser->Free();
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "logic: remove parser (destroying)"), 1);
}

TEST_F(ComponentTest, InsertComponentMovesFromTheOldOwnerAndRefusesCycles) {
  TOwned<TLoggingComponent> first(Make("first")), second(Make("second"));
  TLoggingComponent* child = Make("child", first.get());
  second->InsertComponent(child);
  EXPECT_EQ(child->GetOwner(), second.get());
  EXPECT_EQ(first->GetComponentCount(), 0);
  EXPECT_THROW(child->InsertComponent(second.get()), EInvalidOperation);
  EXPECT_THROW(child->InsertComponent(child), EInvalidOperation);
  EXPECT_EQ(second->GetComponentCount(), 1);
}

TEST_F(ComponentTest, DesigningPassesToOwnedAndInsertedComponents) {
  TOwned<TLoggingComponent> form(Make("form"));
  TLoggingComponent* logic = Make("logic", form.get());
  form->SetDesigning(true);
  EXPECT_TRUE(logic->IsDesigning());
  EXPECT_TRUE(Make("parser", form.get())->IsDesigning());
  form->SetDesigning(false, false);
  EXPECT_FALSE(form->IsDesigning());
  EXPECT_TRUE(logic->IsDesigning());
  EXPECT_EQ(form->GetComponentState(), TComponentState{});
}

TEST_F(ComponentTest, EndLoadingClearsTheStateBeforeLoaded) {
  TOwned<TLoggingComponent> logic(Make("logic"));
  logic->BeginLoading();
  EXPECT_EQ(logic->GetComponentState(), TComponentState{csLoading});
  logic->EndLoading();
  EXPECT_FALSE(logic->IsLoading());
  EXPECT_EQ(logic->LoadedCalls, 1);
  EXPECT_FALSE(logic->LoadingInLoaded);
}

// A handler that raises must neither stop the others from being told nor leave a link to the
// freed component behind (LeakSanitizer and AddressSanitizer check the rest).
TEST_F(ComponentTest, AHandlerThatRaisesDuringAFreeStopsNobodyElse) {
  TOwned<TLoggingComponent> a(Make("a")), b(Make("b"));
  TLoggingComponent* form = Make("form");
  Make("owned", form);
  form->FreeNotification(a.get());
  form->FreeNotification(b.get());
  b->OnRemove = [](TComponent*) { throw Exception("handler"); };
  EXPECT_THROW(form->Free(), Exception);
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "a: remove form (destroying)"), 1);
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "free owned"), 1);
  EXPECT_FALSE(a->HasFreeNotification(form));
  EXPECT_FALSE(b->HasFreeNotification(form));
}

}  // namespace
}  // namespace fuzzy
