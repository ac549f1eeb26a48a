// The library's own failures: EFzyException for every failure that is not a parse error, and
// EFzyParseException, which also carries the source line at which the parser stopped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {

class EFzyException : public EKWException {
 public:
  using EKWException::EKWException;

  // Fills a message identifier's placeholders: throw EFzyException::CreateFmt(SX, name);
  template <class... Args>
  static EFzyException CreateFmt(std::string_view format, const Args&... args) {
    return EFzyException(Format(format, args...));
  }
};

class EFzyParseException : public EFzyException {
 public:
  explicit EFzyParseException(std::string message, std::int32_t line = 0)
      : EFzyException(std::move(message)), FLine(line) {}

  // Takes the line first so that the base's CreateFmt, which would answer a plain
  // EFzyException, cannot be reached through this class by mistake.
  template <class... Args>
  static EFzyParseException CreateFmt(std::int32_t line, std::string_view format,
                                      const Args&... args) {
    return EFzyParseException(Format(format, args...), line);
  }

  std::int32_t GetLine() const { return FLine; }
  void SetLine(std::int32_t value) { FLine = value; }

 private:
  std::int32_t FLine;
};

}  // namespace fuzzy
