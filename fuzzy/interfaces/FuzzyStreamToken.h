// TFuzzyStreamToken: the token of the definition language. Besides the kind, text and number of
// every token it has two slots: a counted interface reference (a nested token list or an
// interface-model set) and a plain object reference it does not own (an object-model set).
#pragma once

#include <string>

#include "fuzzy/framework/StreamToken.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"

namespace fuzzy {

class TFuzzySet;

class TFuzzyStreamToken : public TBaseStreamToken, public virtual IFuzzyStreamToken {
 public:
  static TFuzzyStreamToken* Create() { return Constructed(new TFuzzyStreamToken()); }
  static TFuzzyStreamToken* Create(int dataType, const std::string& text, double number = 0) {
    return Constructed(new TFuzzyStreamToken(dataType, text, number));
  }
  std::string ClassName() const override { return "TFuzzyStreamToken"; }
  HResult QueryInterface(const TGUID& iid, void** object) override;

  // ---- The interface slot (kinds fstInterface, fstList, fstIFuzzySet) ----
  IPtr<IInterface> GetIntfValue() const override { return FIntfValue; }
  IPtr<IFuzzySet> GetFuzzySetIntf() const override;
  IPtr<IFuzzyStreamTokenList> GetList() const override;
  void SetIntfValue(const IPtr<IInterface>& value) override;
  void SetList(const IPtr<IFuzzyStreamTokenList>& value) override;
  void SetFuzzySetIntf(const IPtr<IFuzzySet>& value) override;

  // ---- The object slot (kinds fstObject, fstFuzzySet) ----
  TObject* GetObjValue() const override { return FObjValue; }
  // The object slot when it holds a TFuzzySet (or descendant), else null.
  TFuzzySet* GetFuzzySet() const;
  void SetObjValue(TObject* value) override;
  void SetFuzzySet(TFuzzySet* value);

  // An interface "<interface>", a list its items in parentheses, an interface-model set its
  // text, an object "<object>", an object-model set its Expression; other kinds as the base.
  std::string ToString() const override;

 protected:
  TFuzzyStreamToken() = default;
  TFuzzyStreamToken(int dataType, const std::string& text, double number)
      : TBaseStreamToken(dataType, text, number) {}

  IPtr<TBaseStreamToken> NewToken() const override;
  // A copy shares the source's slot references (the object slot is never owned anyway).
  void AssignToken(const IBaseStreamToken& source) override;

 private:
  // Stores the slot and the kind that goes with it; null stores kind 0.
  void SetInterfaceSlot(const IPtr<IInterface>& value, TFuzzyStreamTokenType kind);
  void SetObjectSlot(TObject* value, TFuzzyStreamTokenType kind);

  IPtr<IInterface> FIntfValue;
  TObject* FObjValue = nullptr;
};

}  // namespace fuzzy
