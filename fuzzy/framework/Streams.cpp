#include "fuzzy/framework/Streams.h"

#include <algorithm>
#include <cstring>

namespace fuzzy {

std::int64_t TStringStream::Read(void* buffer, std::int64_t count) {
  const std::int64_t n = std::clamp<std::int64_t>(count, 0, GetSize() - FPosition);
  if (n > 0) std::memcpy(buffer, FDataString.data() + FPosition, static_cast<std::size_t>(n));
  FPosition += n;
  return n;
}

std::int64_t TStringStream::Write(const void* buffer, std::int64_t count) {
  if (count < 0) return 0;
  FDataString.resize(static_cast<std::size_t>(FPosition + count));
  if (count > 0) {
    std::memcpy(FDataString.data() + FPosition, buffer, static_cast<std::size_t>(count));
  }
  FPosition += count;
  return count;
}

std::int64_t TStringStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == soCurrent) base = FPosition;
  if (origin == soEnd) base = GetSize();
  // Compared before adding, so that no offset can overflow the sum.
  if (offset >= GetSize() - base) {
    FPosition = GetSize();
  } else if (offset <= -base) {
    FPosition = 0;
  } else {
    FPosition = base + offset;
  }
  return FPosition;
}

std::string TStringStream::ReadString(std::int64_t count) {
  const std::int64_t n = std::clamp<std::int64_t>(count, 0, GetSize() - FPosition);
  std::string result =
      FDataString.substr(static_cast<std::size_t>(FPosition), static_cast<std::size_t>(n));
  FPosition += n;
  return result;
}

void TStringStream::WriteString(const std::string& text) {
  Write(text.data(), static_cast<std::int64_t>(text.size()));
}

}  // namespace fuzzy
