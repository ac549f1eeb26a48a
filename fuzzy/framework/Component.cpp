#include "fuzzy/framework/Component.h"

#include <algorithm>
#include <utility>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/framework/FirstError.h"

namespace fuzzy {

// ---- owner and owned components ----------------------------------------------------------

TComponent* TComponent::Create(TComponent* owner) {
  return Constructed(new TComponent(owner));
}

void TComponent::AfterConstruction() {
  TPersistent::AfterConstruction();
  if (TComponent* owner = std::exchange(FJoining, nullptr)) owner->InsertComponent(this);
}

TComponent* TComponent::GetComponent(int index) const {
  if (index < 0 || index >= GetComponentCount()) throw EListError::IndexOutOfBounds(index);
  return FComponents[static_cast<std::size_t>(index)];
}

int TComponent::GetComponentIndex() const {
  if (FOwner == nullptr) return -1;
  const auto& siblings = FOwner->FComponents;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  auto found = std::find_if(FComponents.begin(), FComponents.end(),
                            [&name](const TComponent* c) { return c->GetName() == name; });
  return found == FComponents.end() ? nullptr : *found;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component == nullptr || component->FOwner == this) return;
  // An ownership cycle would make each side free the other.
  for (const TComponent* owner = this; owner != nullptr; owner = owner->FOwner) {
    if (owner == component) throw EInvalidOperation("A component cannot own itself or its owner");
  }
  if (component->FOwner != nullptr) component->FOwner->RemoveComponent(component);
  FComponents.push_back(component);
  component->FOwner = this;
  if (IsDesigning()) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component == nullptr || component->FOwner != this) return;
  // The component leaves even when a handler raises, as it may be on its way out.
  TFirstError error;
  error.Run([&] { Notification(component, opRemove); });
  std::erase(FComponents, component);
  component->FOwner = nullptr;
  error.Rethrow();
}

void TComponent::DestroyComponents() {
  TFirstError error;
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    error.Run([last] { last->Free(); });
    // One whose own clean-up raised before it left is let go here, so the loop ends.
    if (!FComponents.empty() && FComponents.back() == last) {
      FComponents.pop_back();
      last->FOwner = nullptr;
    }
  }
  error.Rethrow();
}

// ---- free notification -------------------------------------------------------------------

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (FOwner != nullptr && component->FOwner == FOwner) return;
  if (FFreeNotifies.Add(component)) component->FFreeNotifies.Add(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  FFreeNotifies.Erase(component);
  component->FFreeNotifies.Erase(this);
}

bool TComponent::HasFreeNotification(const TComponent* component) const {
  return FFreeNotifies.Contains(component);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove) RemoveFreeNotification(component);
  // From the last, re-reading the count: a handler may free owned components on the way.
  for (int i = GetComponentCount() - 1; i >= 0; --i) {
    i = std::min(i, GetComponentCount() - 1);
    if (i < 0) break;
    FComponents[static_cast<std::size_t>(i)]->Notification(component, operation);
  }
}

// ---- state -------------------------------------------------------------------------------

void TComponent::SetDesigning(bool value, bool setChildren) {
  if (value) {
    FComponentState.Include(csDesigning);
  } else {
    FComponentState.Exclude(csDesigning);
  }
  if (!setChildren) return;
  for (TComponent* child : FComponents) child->SetDesigning(value, true);
}

void TComponent::BeginLoading() {
  FComponentState.Include(csLoading);
}

void TComponent::EndLoading() {
  FComponentState.Exclude(csLoading);
  Loaded();
}

void TComponent::SetDestroyingState() {
  FComponentState.Include(csDestroying);
  for (TComponent* child : FComponents) child->SetDestroyingState();
}

// ---- destruction -------------------------------------------------------------------------

void TComponent::BeforeDestruction() {
  SetDestroyingState();
  TFirstError error;
  // Each link goes before its partner hears of it, so a handler cannot reach back through it.
  while (TComponent* other = FFreeNotifies.TakeLast()) {
    other->FFreeNotifies.Erase(this);
    error.Run([&] { other->Notification(this, opRemove); });
  }
  error.Run([this] { DestroyComponents(); });
  if (FOwner != nullptr) error.Run([this] { FOwner->RemoveComponent(this); });
  error.Run([this] { TPersistent::BeforeDestruction(); });
  error.Rethrow();
}

TComponent::~TComponent() {
  Unhook();
}

void TComponent::Unhook() noexcept {
  while (TComponent* other = FFreeNotifies.TakeLast()) other->FFreeNotifies.Erase(this);
  if (FOwner != nullptr) std::erase(FOwner->FComponents, this);
  FOwner = nullptr;
  while (!FComponents.empty()) {
    TComponent* child = FComponents.back();
    FComponents.pop_back();
    child->FOwner = nullptr;
    TFirstError ignored;
    ignored.Run([child] { child->Free(); });
  }
}

}  // namespace fuzzy
