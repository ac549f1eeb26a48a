// Reference-counted interfaces: GUIDs, the root interface IInterface, the counting base for
// framework objects that are interfaces at once, the intrusive smart pointer IPtr and the
// queries between interfaces (Supports, InterfaceCast, AsInterface).
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/framework/Object.h"

namespace fuzzy {

// A 128-bit interface identifier, written "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
struct TGUID {
  std::uint32_t D1 = 0;
  std::uint16_t D2 = 0;
  std::uint16_t D3 = 0;
  std::array<std::uint8_t, 8> D4{};

  // Reads the braced text form; malformed text raises EConvertError, and in a constant
  // expression it fails the build, so a mistyped IID never reaches run time.
  static constexpr TGUID Parse(std::string_view text);
  // The braced text form with upper-case hex digits.
  std::string ToString() const;

  friend constexpr bool operator==(const TGUID&, const TGUID&) = default;

 private:
  static constexpr int HexDigit(char c);
  static constexpr std::uint32_t ReadHex(std::string_view text, std::size_t from,
                                         std::size_t count);
};

constexpr int TGUID::HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  throw EConvertError("Invalid GUID digit");
}

constexpr std::uint32_t TGUID::ReadHex(std::string_view text, std::size_t from, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = from; i < from + count; ++i) value = value * 16 + HexDigit(text[i]);
  return value;
}

constexpr TGUID TGUID::Parse(std::string_view text) {
  if (text.size() != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-' ||
      text[19] != '-' || text[24] != '-') {
    throw EConvertError("Invalid GUID text");
  }
  TGUID guid;
  guid.D1 = ReadHex(text, 1, 8);
  guid.D2 = static_cast<std::uint16_t>(ReadHex(text, 10, 4));
  guid.D3 = static_cast<std::uint16_t>(ReadHex(text, 15, 4));
  guid.D4[0] = static_cast<std::uint8_t>(ReadHex(text, 20, 2));
  guid.D4[1] = static_cast<std::uint8_t>(ReadHex(text, 22, 2));
  for (std::size_t i = 0; i < 6; ++i) {
    guid.D4[i + 2] = static_cast<std::uint8_t>(ReadHex(text, 25 + 2 * i, 2));
  }
  return guid;
}

// Result codes of QueryInterface.
using HResult = std::int32_t;
inline constexpr HResult S_OK = 0;
inline constexpr HResult E_NOINTERFACE = static_cast<HResult>(0x80004002u);

// The root of every interface. Interfaces derive from their parents *virtually*, and so do the
// classes that implement them, so that an object has exactly one subobject per interface and an
// implementation inherited from a base class also serves a derived interface.
class IInterface {
 public:
  static constexpr TGUID IID = TGUID::Parse("{00000000-0000-0000-C000-000000000046}");

  // On success stores the interface asked for in *object, counted once, and answers S_OK;
  // otherwise stores null and answers E_NOINTERFACE.
  virtual HResult QueryInterface(const TGUID& iid, void** object) = 0;
  // Both answer the new reference count.
  virtual int _AddRef() = 0;
  virtual int _Release() = 0;

 protected:
  // Interfaces are never deleted through: their objects free themselves.
  ~IInterface() = default;
};

// Hands out `self` as each listed interface whose IID matches; used by QueryInterface
// overrides: `if (QueryInterfaces<IMine, IParent>(this, iid, object) == S_OK) return S_OK;`.
template <class... Interfaces, class Self>
HResult QueryInterfaces(Self* self, const TGUID& iid, void** object) {
  if (object == nullptr) return E_NOINTERFACE;
  *object = nullptr;
  const bool found = ((Interfaces::IID == iid &&
                       (*object = static_cast<void*>(static_cast<Interfaces*>(self)), true)) ||
                      ...);
  if (!found) return E_NOINTERFACE;
  self->_AddRef();
  return S_OK;
}

// Makes a framework class Base (a TObject) an IInterface with an atomic reference count.
// The count reads 0 once Create has returned; the object frees itself (BeforeDestruction, then
// delete) when the count comes back to 0, so nobody calls Free on it.
template <class Base>
class TInterfaced : public Base, public virtual IInterface {
  static_assert(std::is_base_of_v<TObject, Base>, "TInterfaced needs a TObject base");

 public:
  HResult QueryInterface(const TGUID& iid, void** object) override {
    return QueryInterfaces<IInterface>(this, iid, object);
  }
  int _AddRef() override { return FRefCount.fetch_add(1, std::memory_order_relaxed) + 1; }
  // Virtual so that an object whose parts refer back to it can break the cycle.
  int _Release() override {
    const int count = DecRef();
    if (count == 0) DestroyInstance();
    return count;
  }
  int GetRefCount() const { return FRefCount.load(std::memory_order_acquire); }

 protected:
  using Base::Base;
  TInterfaced() = default;
  ~TInterfaced() override = default;

  // Replaces TObject::Constructed for interfaced classes: the count stays at 1 until
  // AfterConstruction is over, so a reference taken and dropped during construction does
  // not free the half-built object.
  template <class T>
  static T* Constructed(T* object) {
    TInterfaced* self = object;
    try {
      object->AfterConstruction();
    } catch (...) {
      self->DestroyInstance();
      throw;
    }
    self->DecRef();
    return object;
  }

  // Counts one reference down without freeing; answers the new count.
  int DecRef() { return FRefCount.fetch_sub(1, std::memory_order_acq_rel) - 1; }
  // BeforeDestruction, then delete.
  void DestroyInstance() { Base::Free(); }

 private:
  // Freed by its last reference only.
  using Base::Free;

  std::atomic<int> FRefCount{1};
};

// The plain reference-counted object.
class TInterfacedObject : public TInterfaced<TObject> {
 public:
  static TInterfacedObject* Create() { return Constructed(new TInterfacedObject()); }
  std::string ClassName() const override { return "TInterfacedObject"; }

 protected:
  TInterfacedObject() = default;
};

// An intrusive counted reference to an interface (or to a class implementing IInterface).
template <class I>
class IPtr {
 public:
  IPtr() noexcept = default;
  IPtr(std::nullptr_t) noexcept {}
  // Takes a reference of its own.
  IPtr(I* raw) : FPtr(raw) { AddRef(); }
  IPtr(const IPtr& other) : IPtr(other.FPtr) {}
  IPtr(IPtr&& other) noexcept : FPtr(std::exchange(other.FPtr, nullptr)) {}
  template <class J>
  requires std::is_convertible_v<J*, I*> IPtr(const IPtr<J>& other) : IPtr(other.get()) {}
  template <class J>
  requires std::is_convertible_v<J*, I*> IPtr(IPtr<J>&& other)
  noexcept : FPtr(other.Detach()) {}
  ~IPtr() { Release(FPtr); }

  IPtr& operator=(IPtr other) noexcept {
    swap(other);
    return *this;
  }

  // Adopts a reference that the caller already counted (as QueryInterface hands them out).
  static IPtr Attach(I* counted) noexcept {
    IPtr result;
    result.FPtr = counted;
    return result;
  }
  // Gives up the reference without releasing it.
  I* Detach() noexcept { return std::exchange(FPtr, nullptr); }

  // The old target is released only after this pointer holds the new one, so a release that
  // reaches back into the holder sees a consistent state.
  void reset(I* raw = nullptr) {
    if (raw != nullptr) raw->_AddRef();
    Release(std::exchange(FPtr, raw));
  }
  void swap(IPtr& other) noexcept { std::swap(FPtr, other.FPtr); }

  I* get() const noexcept { return FPtr; }
  I* operator->() const noexcept { return FPtr; }
  I& operator*() const noexcept { return *FPtr; }
  explicit operator bool() const noexcept { return FPtr != nullptr; }

  template <class J>
  bool operator==(const IPtr<J>& other) const noexcept {
    return FPtr == other.get();
  }
  bool operator==(std::nullptr_t) const noexcept { return FPtr == nullptr; }

 private:
  void AddRef() const {
    if (FPtr != nullptr) FPtr->_AddRef();
  }
  static void Release(I* raw) {
    if (raw != nullptr) raw->_Release();
  }

  I* FPtr = nullptr;
};

// Raised by AsInterface when the source does not offer the interface asked for.
class EIntfCastError : public Exception {
 public:
  using Exception::Exception;
};

inline constexpr const char* SIntfCastError = "Interface not supported";

// Queries a raw instance by IID; *out gets a counted reference or null (out may be null when
// only the answer is wanted).
bool Supports(IInterface* instance, const TGUID& iid, void** out);
// The same for an object, which supports nothing unless it is an IInterface.
bool Supports(TObject* instance, const TGUID& iid, void** out);

template <class I, class J>
bool Supports(const IPtr<J>& instance, IPtr<I>& out) {
  void* raw = nullptr;
  const bool found = Supports(static_cast<IInterface*>(instance.get()), I::IID, &raw);
  out = IPtr<I>::Attach(static_cast<I*>(raw));
  return found;
}

template <class I, class J>
bool Supports(const IPtr<J>& instance) {
  IPtr<I> unused;
  return Supports(instance, unused);
}

template <class I>
bool Supports(TObject* instance, IPtr<I>& out) {
  void* raw = nullptr;
  const bool found = Supports(instance, I::IID, &raw);
  out = IPtr<I>::Attach(static_cast<I*>(raw));
  return found;
}

// The instance queried for I: null when it is null or does not offer I.
template <class I, class J>
IPtr<I> InterfaceCast(const IPtr<J>& instance) {
  IPtr<I> result;
  Supports(instance, result);
  return result;
}

// The instance queried for I; a null instance gives null, a missing interface raises
// EIntfCastError.
template <class I, class J>
IPtr<I> AsInterface(const IPtr<J>& instance) {
  IPtr<I> result;
  if (instance && !Supports(instance, result)) throw EIntfCastError(SIntfCastError);
  return result;
}

// The class name of the object behind an interface, for messages: "nil" for null and
// "interface" for an implementation that is no framework object.
std::string ClassNameOf(const IInterface* instance);

// An object that can copy itself and compare itself with another through interfaces.
class ICloneable : public virtual IInterface {
 public:
  static constexpr TGUID IID = TGUID::Parse("{2D42CCDB-D296-11D3-B9BB-00C04F8EDA5F}");

  virtual void Assign(const IPtr<IInterface>& source) = 0;
  virtual IPtr<IInterface> Clone() const = 0;
  virtual bool Equals(const IPtr<IInterface>& other) const = 0;
  virtual int GetTag() const = 0;
  virtual void SetTag(int value) = 0;

 protected:
  ~ICloneable() = default;
};

}  // namespace fuzzy
