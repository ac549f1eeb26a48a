// Byte streams: the abstract TStream and the in-memory TStringStream over a std::string, with
// TKWStringStream, the package's string stream made from a text.
#pragma once

#include <cstdint>
#include <string>

#include "fuzzy/framework/Object.h"

namespace fuzzy {

enum TSeekOrigin : std::uint8_t { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Reads up to count bytes into buffer and answers how many were read (0 at the end).
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  // Writes count bytes from buffer and answers how many were written.
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  // Moves the position and answers the new one.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  virtual std::int64_t GetPosition() const = 0;
  void SetPosition(std::int64_t value) { Seek(value, soBeginning); }
  virtual std::int64_t GetSize() const = 0;

  std::string ClassName() const override { return "TStream"; }

 protected:
  TStream() = default;
};

// A stream over a text held in memory. A write replaces everything from the position on: the
// text ends after the last character written, so a writer that moved back over what it wrote
// before simply writes the new ending.
class TStringStream : public TStream {
 public:
  static TStringStream* Create(const std::string& dataString = std::string()) {
    return Constructed(new TStringStream(dataString));
  }

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  // Positions outside the text are clamped to its start or end.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t GetPosition() const override { return FPosition; }
  std::int64_t GetSize() const override { return static_cast<std::int64_t>(FDataString.size()); }

  // Reads up to count characters from the position on.
  std::string ReadString(std::int64_t count);
  void WriteString(const std::string& text);
  const std::string& GetDataString() const { return FDataString; }

  std::string ClassName() const override { return "TStringStream"; }

 protected:
  explicit TStringStream(const std::string& dataString) : FDataString(dataString) {}

 private:
  std::string FDataString;
  std::int64_t FPosition = 0;
};

class TKWStringStream : public TStringStream {
 public:
  static TKWStringStream* Create(const std::string& dataString = std::string()) {
    return Constructed(new TKWStringStream(dataString));
  }

  std::string ClassName() const override { return "TKWStringStream"; }

 protected:
  explicit TKWStringStream(const std::string& dataString) : TStringStream(dataString) {}
};

}  // namespace fuzzy
