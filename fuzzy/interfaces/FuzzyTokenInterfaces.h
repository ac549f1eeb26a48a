// The tokens that definition and expression text is handed around as: a token that may also
// carry an interface (a nested token list, an interface-model set) or an object (an object-model
// set), and the ordered list of such tokens that a parenthesised group becomes.
#pragma once

#include "fuzzy/framework/Interface.h"
#include "fuzzy/framework/StreamToken.h"

namespace fuzzy {

class IFuzzySet;
class IFuzzyStreamTokenList;

class IFuzzyStreamToken : public virtual IBaseStreamToken {
 public:
  static constexpr TGUID IID = TGUID::Parse("{E86CEA84-8228-4C29-8F78-6B9728B01227}");

  // The interface slot as stored.
  virtual IPtr<IInterface> GetIntfValue() const = 0;
  // The interface slot as a set or as a list; null when it holds anything else.
  virtual IPtr<IFuzzySet> GetFuzzySetIntf() const = 0;
  virtual IPtr<IFuzzyStreamTokenList> GetList() const = 0;
  // The object slot; not owned.
  virtual TObject* GetObjValue() const = 0;
  // Each setter fills its slot and makes the token of its kind, or of kind 0 for null.
  virtual void SetFuzzySetIntf(const IPtr<IFuzzySet>& value) = 0;
  virtual void SetIntfValue(const IPtr<IInterface>& value) = 0;
  virtual void SetList(const IPtr<IFuzzyStreamTokenList>& value) = 0;
  virtual void SetObjValue(TObject* value) = 0;

 protected:
  ~IFuzzyStreamToken() = default;
};

// The typed operations hide the base list's ones of the same name, so a fuzzy token passed in
// needs no cast; the base ones stay reachable through IBaseStreamTokenList.
class IFuzzyStreamTokenList : public virtual IBaseStreamTokenList {
 public:
  static constexpr TGUID IID = TGUID::Parse("{FC119D38-7F42-433A-9E04-A0577D6E188C}");

  // The token at index as a fuzzy token (null for a token of another kind of class).
  virtual IPtr<IFuzzyStreamToken> Get(int index) const = 0;
  virtual void Put(int index, const IPtr<IFuzzyStreamToken>& token) = 0;
  using ICloneable::Equals;
  virtual bool Equals(const IPtr<IFuzzyStreamTokenList>& other) const = 0;
  virtual int Add(const IPtr<IFuzzyStreamToken>& token) = 0;
  // Null on an empty list.
  virtual IPtr<IFuzzyStreamToken> First() const = 0;
  virtual int IndexOf(const IPtr<IFuzzyStreamToken>& token) const = 0;
  virtual void Insert(int index, const IPtr<IFuzzyStreamToken>& token) = 0;
  virtual IPtr<IFuzzyStreamToken> Last() const = 0;
  virtual void Append(const IPtr<IFuzzyStreamToken>& token) = 0;
  virtual int Remove(const IPtr<IFuzzyStreamToken>& token) = 0;

 protected:
  ~IFuzzyStreamTokenList() = default;
};

}  // namespace fuzzy
