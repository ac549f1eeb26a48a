// The framework's exception family: a message and a help context, readable through what().
#pragma once

#include <exception>
#include <string>

namespace fuzzy {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message, int helpContext = 0)
      : FMessage(std::move(message)), FHelpContext(helpContext) {}

  const std::string& GetMessage() const { return FMessage; }
  void SetMessage(const std::string& value) { FMessage = value; }
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int value) { FHelpContext = value; }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
  int FHelpContext;
};

// Base of the collections-and-streams package's own errors.
class EKWException : public Exception {
 public:
  using Exception::Exception;
};

// An index outside a list: "List index out of bounds (%d)".
class EListError : public Exception {
 public:
  using Exception::Exception;
  static EListError IndexOutOfBounds(long long index);
};

// A failed conversion between text and numbers, an invalid format or an unsupported Assign.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
  // "Cannot assign a %s to a %s" with the source's and the target's class names.
  static EConvertError CannotAssign(const std::string& sourceName, const std::string& targetName);
};

// An operation that the object's state does not allow.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

inline constexpr const char* SListIndexError = "List index out of bounds (%d)";
inline constexpr const char* SAssignError = "Cannot assign a %s to a %s";
inline constexpr const char* SInvalidFormat = "Format '%s' invalid or incompatible with argument";

}  // namespace fuzzy
