// Character-by-character reading of the text in a TStream, with put-back, for the tokenizer.
// The stream is read in blocks, so reading a text costs time linear in its length.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzzy/framework/Object.h"
#include "fuzzy/framework/Streams.h"

namespace fuzzy {

class TGTextStream : public TObject {
 public:
  // Reads stream from its current position on; frees it only when ownsStream is set. A null
  // stream reads as an empty text.
  static TGTextStream* Create(TStream* stream, bool ownsStream = false) {
    return Constructed(new TGTextStream(stream, ownsStream));
  }

  // The next character, or '\0' when none is left. A descendant that overrides it adds
  // `using TGTextStream::GetChar;` to keep the overload below visible.
  virtual char GetChar();
  // The next character through c; false (c untouched) when none is left. Reads the same
  // characters as GetChar() but never goes through its overrides, so a descendant that counts
  // lines in GetChar() is not told twice.
  bool GetChar(char& c) { return ReadChar(c); }
  // The rest of the current line without its line end (CR, LF or CR LF), which is consumed.
  virtual std::string GetLine();
  // Pushes c back; put-back characters come out again last in, first out.
  void PutBack(char c) { FPutBack.push_back(c); }
  // True when no character is left, put-back ones included.
  bool IsEof() const;

  TStream* GetStream() const { return FStream; }

  void BeforeDestruction() override;
  std::string ClassName() const override { return "TGTextStream"; }

 protected:
  TGTextStream(TStream* stream, bool ownsStream) : FStream(stream), FOwnsStream(ownsStream) {}

  // The raw reader behind every public read: put-back characters first, then the stream.
  bool ReadChar(char& c);

 private:
  bool FillBuffer();

  static constexpr std::size_t BufferSize = 4096;

  TStream* FStream;
  bool FOwnsStream;
  std::vector<char> FPutBack;
  std::array<char, BufferSize> FBuffer{};
  std::size_t FBufferLength = 0;
  std::size_t FBufferIndex = 0;
};

}  // namespace fuzzy
