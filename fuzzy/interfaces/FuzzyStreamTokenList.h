// TFuzzyStreamTokenList: the ordered list of fuzzy tokens that a parenthesised group of
// definition or expression text becomes. It holds its tokens by counted reference.
#pragma once

#include <string>

#include "fuzzy/framework/StreamToken.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"

namespace fuzzy {

class TFuzzyStreamTokenList : public TBaseStreamTokenList, public virtual IFuzzyStreamTokenList {
 public:
  // Created empty.
  static TFuzzyStreamTokenList* Create() { return Constructed(new TFuzzyStreamTokenList()); }
  std::string ClassName() const override { return "TFuzzyStreamTokenList"; }
  HResult QueryInterface(const TGUID& iid, void** object) override;

  // Each forwards to the base list's operation of the same name; the readers answer the stored
  // token as a fuzzy token.
  IPtr<IFuzzyStreamToken> Get(int index) const override;
  void Put(int index, const IPtr<IFuzzyStreamToken>& token) override;
  using TBaseStreamTokenList::Equals;
  bool Equals(const IPtr<IFuzzyStreamTokenList>& other) const override;
  int Add(const IPtr<IFuzzyStreamToken>& token) override;
  IPtr<IFuzzyStreamToken> First() const override;
  int IndexOf(const IPtr<IFuzzyStreamToken>& token) const override;
  void Insert(int index, const IPtr<IFuzzyStreamToken>& token) override;
  IPtr<IFuzzyStreamToken> Last() const override;
  void Append(const IPtr<IFuzzyStreamToken>& token) override;
  int Remove(const IPtr<IFuzzyStreamToken>& token) override;

 protected:
  TFuzzyStreamTokenList() = default;

  IPtr<TBaseStreamTokenList> NewList() const override;
};

}  // namespace fuzzy
