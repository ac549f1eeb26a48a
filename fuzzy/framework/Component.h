// TComponent: an object with an owner that frees it, a name, free notification to and from
// other components, and the loading, designing and destroying states.
//
// Notification, in this order:
//   InsertComponent(c)  c joins the owner; owner->Notification(c, opInsert), which passes it on
//                       to every component the owner owns (c included)
//   RemoveComponent(c)  owner->Notification(c, opRemove), passed on the same way; then c leaves
//   Free of c           csDestroying is set on c and everything it owns; every component linked
//                       to c by FreeNotification is unhooked and told Notification(c, opRemove);
//                       c frees what it owns; c leaves its owner (RemoveComponent above).
// Throughout, c still fully exists, so a handler may read it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fuzzy/framework/ClassRef.h"
#include "fuzzy/framework/FreeNotifyLinks.h"
#include "fuzzy/framework/Persistent.h"
#include "fuzzy/framework/TSet.h"

namespace fuzzy {

class TComponent;

enum TComponentStateFlag : std::uint8_t { csLoading, csDesigning, csDestroying };
using TComponentState = TSet<TComponentStateFlag>;

// A component class: makes a new component with a given owner.
using TComponentClass = TClassRef<TComponent, TComponent*>;

class TComponent : public TPersistent {
 public:
  // A new component that joins `owner` (null: none) once fully constructed.
  static TComponent* Create(TComponent* owner);

  TComponent* GetOwner() const override { return FOwner; }
  int GetComponentCount() const { return static_cast<int>(FComponents.size()); }
  // The owned component at `index`; EListError::IndexOutOfBounds outside the list.
  TComponent* GetComponent(int index) const;
  // Position in the owner's list; -1 without owner.
  int GetComponentIndex() const;
  // The first owned component with this name (case-sensitive), or null.
  TComponent* FindComponent(const std::string& name) const;

  // Takes ownership of `component` (from its former owner, if any); see the order at the top.
  void InsertComponent(TComponent* component);
  // Gives up ownership of `component` without freeing it; nothing if it is not owned here.
  void RemoveComponent(TComponent* component);
  // Frees every owned component, from the last.
  void DestroyComponents();

  const std::string& GetName() const { return FName; }
  virtual void SetName(const std::string& value) { FName = value; }
  long long GetTag() const { return FTag; }
  void SetTag(long long value) { FTag = value; }

  // Links this component and `component` both ways: whichever is freed first tells the other
  // through Notification(freed, opRemove) and unhooks it. Components of the same owner need no
  // link (the owner tells them), so none is made between them, as none is to oneself.
  void FreeNotification(TComponent* component);
  // Drops the link both ways; nothing when there is none.
  void RemoveFreeNotification(TComponent* component);
  bool HasFreeNotification(const TComponent* component) const;

  TComponentState GetComponentState() const { return FComponentState; }
  bool IsLoading() const { return FComponentState.Contains(csLoading); }
  bool IsDesigning() const { return FComponentState.Contains(csDesigning); }
  bool IsDestroying() const { return FComponentState.Contains(csDestroying); }
  // Sets or clears the designing state here and, by default, in every owned component.
  void SetDesigning(bool value, bool setChildren = true);
  // Loading covers this component only; EndLoading clears it and calls Loaded.
  void BeginLoading();
  void EndLoading();

  std::string GetNamePath() const override { return FName; }
  std::string ClassName() const override { return "TComponent"; }

  // Joins the owner given to the constructor.
  void AfterConstruction() override;
  // See the order at the top.
  void BeforeDestruction() override;

 protected:
  explicit TComponent(TComponent* owner) : FJoining(owner) {}
  // Unhooks whatever a failed BeforeDestruction left linked and frees what is still owned.
  ~TComponent() override;

  // `component` was inserted into or removed from this component's owner chain, or a component
  // linked by FreeNotification is being freed. The default, for opRemove, drops any link to
  // `component`, then passes the notification on to every owned component.
  virtual void Notification(TComponent* component, TOperation operation);
  // Called by EndLoading once the loading state is cleared.
  virtual void Loaded() {}

 private:
  void SetDestroyingState();
  void Unhook() noexcept;

  TComponent* FOwner = nullptr;
  TComponent* FJoining;  // the owner to join in AfterConstruction
  std::vector<TComponent*> FComponents;
  TFreeNotifyLinks<TComponent> FFreeNotifies;
  TComponentState FComponentState;
  std::string FName;
  long long FTag = 0;
};

}  // namespace fuzzy
