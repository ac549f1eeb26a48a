#include "fuzzy/framework/TextStream.h"

namespace fuzzy {

char TGTextStream::GetChar() {
  char c = '\0';
  return ReadChar(c) ? c : '\0';
}

std::string TGTextStream::GetLine() {
  std::string line;
  char c = '\0';
  while (ReadChar(c)) {
    if (c == '\n') break;
    if (c == '\r') {
      char next = '\0';
      if (ReadChar(next) && next != '\n') PutBack(next);
      break;
    }
    line += c;
  }
  return line;
}

bool TGTextStream::IsEof() const {
  if (!FPutBack.empty() || FBufferIndex < FBufferLength) return false;
  return FStream == nullptr || FStream->GetPosition() >= FStream->GetSize();
}

void TGTextStream::BeforeDestruction() {
  if (FOwnsStream) FreeAndNil(FStream);
  TObject::BeforeDestruction();
}

bool TGTextStream::ReadChar(char& c) {
  if (!FPutBack.empty()) {
    c = FPutBack.back();
    FPutBack.pop_back();
    return true;
  }
  if (FBufferIndex >= FBufferLength && !FillBuffer()) return false;
  c = FBuffer[FBufferIndex++];
  return true;
}

bool TGTextStream::FillBuffer() {
  FBufferIndex = 0;
  FBufferLength = 0;
  if (FStream == nullptr) return false;
  const std::int64_t n = FStream->Read(FBuffer.data(), static_cast<std::int64_t>(BufferSize));
  if (n > 0) FBufferLength = static_cast<std::size_t>(n);
  return FBufferLength > 0;
}

}  // namespace fuzzy
