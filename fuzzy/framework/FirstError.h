// Runs every step of a clean-up even when one of them raises, then raises the first error.
// Destruction uses it: an object on its way out must unhook everything, whatever a handler does.
#pragma once

#include <exception>

namespace fuzzy {

class TFirstError {
 public:
  template <class TStep>
  void Run(TStep&& step) noexcept {
    try {
      step();
    } catch (...) {
      if (!FError) FError = std::current_exception();
    }
  }
  void Rethrow() const {
    if (FError) std::rethrow_exception(FError);
  }

 private:
  std::exception_ptr FError;
};

}  // namespace fuzzy
