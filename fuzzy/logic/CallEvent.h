// Calling an application's event handler safely.
#pragma once

#include <utility>

namespace fuzzy {

// Calls `event` if it is assigned. The call goes through a copy, so that a handler that replaces
// or clears its own event while it runs does not destroy the function being executed.
template <class TEvent, class... TArgs>
void CallEvent(const TEvent& event, TArgs&&... args) {
  if (!event) return;
  const TEvent handler = event;
  handler(std::forward<TArgs>(args)...);
}

}  // namespace fuzzy
