// An ordered list of counted interface references, itself reference counted, so that lists of
// tokens can be handed between the tokenizer, the postfix converter and the evaluator.
#pragma once

#include <vector>

#include "fuzzy/framework/Interface.h"

namespace fuzzy {

// The list as an interface. The GUID is the library's own.
class IInterfaceList : public virtual IInterface {
 public:
  static constexpr TGUID IID = TGUID::Parse("{6B1F4D2A-3C57-4E8B-9A10-5D2E7C4B8F31}");

  // Appends; answers the new item's index.
  virtual int Add(const IPtr<IInterface>& item) = 0;
  // Index 0 to GetCount() inclusive; anything else raises EListError.
  virtual void Insert(int index, const IPtr<IInterface>& item) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual int GetCount() const = 0;
  virtual IPtr<IInterface> GetItem(int index) const = 0;
  virtual void SetItem(int index, const IPtr<IInterface>& item) = 0;
  // The first position holding that very object, or -1.
  virtual int IndexOf(const IPtr<IInterface>& item) const = 0;
  // Deletes the first position holding the object; answers that position, or -1.
  virtual int Remove(const IPtr<IInterface>& item) = 0;
  virtual void Exchange(int index1, int index2) = 0;
  // Null on an empty list.
  virtual IPtr<IInterface> First() const = 0;
  virtual IPtr<IInterface> Last() const = 0;

 protected:
  ~IInterfaceList() = default;
};

class TInterfaceList : public TInterfacedObject, public virtual IInterfaceList {
 public:
  static TInterfaceList* Create() { return Constructed(new TInterfaceList()); }
  std::string ClassName() const override { return "TInterfaceList"; }
  HResult QueryInterface(const TGUID& iid, void** object) override;

  int Add(const IPtr<IInterface>& item) override;
  void Insert(int index, const IPtr<IInterface>& item) override;
  void Delete(int index) override;
  void Clear() override;
  int GetCount() const override { return static_cast<int>(FItems.size()); }
  IPtr<IInterface> GetItem(int index) const override;
  void SetItem(int index, const IPtr<IInterface>& item) override;
  int IndexOf(const IPtr<IInterface>& item) const override;
  int Remove(const IPtr<IInterface>& item) override;
  void Exchange(int index1, int index2) override;
  IPtr<IInterface> First() const override;
  IPtr<IInterface> Last() const override;

 protected:
  TInterfaceList() = default;

 private:
  void CheckIndex(int index) const;

  std::vector<IPtr<IInterface>> FItems;
};

}  // namespace fuzzy
