#include "fuzzy/framework/Interface.h"

namespace fuzzy {

namespace {

void AppendHex(std::string& text, std::uint32_t value, int digits) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
    text += kDigits[(value >> shift) & 0xF];
  }
}

}  // namespace

std::string TGUID::ToString() const {
  std::string text = "{";
  AppendHex(text, D1, 8);
  text += '-';
  AppendHex(text, D2, 4);
  text += '-';
  AppendHex(text, D3, 4);
  text += '-';
  for (std::size_t i = 0; i < D4.size(); ++i) {
    if (i == 2) text += '-';
    AppendHex(text, D4[i], 2);
  }
  return text + "}";
}

bool Supports(IInterface* instance, const TGUID& iid, void** out) {
  if (out == nullptr) {
    // Only the answer is wanted: take the reference and give it back.
    void* probe = nullptr;
    const bool found = Supports(instance, iid, &probe);
    if (found) static_cast<IInterface*>(instance)->_Release();
    return found;
  }
  *out = nullptr;
  return instance != nullptr && instance->QueryInterface(iid, out) == S_OK && *out != nullptr;
}

bool Supports(TObject* instance, const TGUID& iid, void** out) {
  return Supports(dynamic_cast<IInterface*>(instance), iid, out);
}

std::string ClassNameOf(const IInterface* instance) {
  if (instance == nullptr) return "nil";
  const auto* object = dynamic_cast<const TObject*>(instance);
  return object != nullptr ? object->ClassName() : "interface";
}

}  // namespace fuzzy
