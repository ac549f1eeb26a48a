#include "fuzzy/framework/Interface.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace fuzzy {
namespace {

class IProbe : public virtual IInterface {
 public:
  static constexpr TGUID IID = TGUID::Parse("{5E0C1A77-0B1D-4F6A-8C3E-2A9D4B7E6F10}");
  virtual int Answer() const = 0;

 protected:
  ~IProbe() = default;
};

// Implemented by nobody.
class IAbsent : public virtual IInterface {
 public:
  static constexpr TGUID IID = TGUID::Parse("{5E0C1A77-0B1D-4F6A-8C3E-2A9D4B7E6F11}");

 protected:
  ~IAbsent() = default;
};

// Counts live instances and records its teardown, so tests see exactly when it goes.
class TProbe : public TInterfacedObject, public virtual IProbe {
 public:
  static inline int Live = 0;
  static inline std::vector<std::string> Events;

  static TProbe* Create(bool selfReference = false, bool failConstruction = false) {
    return Constructed(new TProbe(selfReference, failConstruction));
  }
  HResult QueryInterface(const TGUID& iid, void** object) override {
    if (QueryInterfaces<IProbe>(this, iid, object) == S_OK) return S_OK;
    return TInterfacedObject::QueryInterface(iid, object);
  }
  int Answer() const override { return 42; }
  void AfterConstruction() override {
    // A reference taken and dropped while the object is being made must not free it.
    if (FSelfReference) IPtr<IProbe> transient(this);
    if (FFailConstruction) throw std::runtime_error("construction failed");
  }
  void BeforeDestruction() override { Events.push_back("BeforeDestruction"); }

 protected:
  TProbe(bool selfReference, bool failConstruction)
      : FSelfReference(selfReference), FFailConstruction(failConstruction) {
    ++Live;
  }
  ~TProbe() override {
    --Live;
    Events.push_back("destructor");
  }

 private:
  bool FSelfReference;
  bool FFailConstruction;
};

// Overrides _Release, as an object that breaks a reference cycle does.
class TCountingRelease : public TProbe {
 public:
  static inline int Releases = 0;
  static TCountingRelease* Create() { return Constructed(new TCountingRelease()); }
  int _Release() override {
    ++Releases;
    return TProbe::_Release();
  }

 protected:
  TCountingRelease() : TProbe(false, false) {}
};

class TPlainObject : public TObject {
 public:
  static TPlainObject* Create() { return Constructed(new TPlainObject()); }
};

class InterfaceRefCount : public ::testing::Test {
 protected:
  void SetUp() override {
    TProbe::Live = 0;
    TProbe::Events.clear();
  }
  void TearDown() override { EXPECT_EQ(TProbe::Live, 0); }
};

TEST_F(InterfaceRefCount, CountStartsAtZeroAndFollowsReferences) {
  TProbe* raw = TProbe::Create();
  EXPECT_EQ(raw->GetRefCount(), 0);
  IPtr<IProbe> first = raw;
  EXPECT_EQ(raw->GetRefCount(), 1);
  {
    IPtr<IProbe> copy = first;
    IPtr<IInterface> upcast = copy;
    EXPECT_EQ(raw->GetRefCount(), 3);
  }
  EXPECT_EQ(raw->GetRefCount(), 1);
  IPtr<IProbe> moved = std::move(first);
  EXPECT_FALSE(first);
  EXPECT_EQ(raw->GetRefCount(), 1);
  EXPECT_EQ(TProbe::Live, 1);
}

TEST_F(InterfaceRefCount, LastReleaseRunsBeforeDestructionThenDestroys) {
  IPtr<IProbe> probe = TProbe::Create();
  IPtr<IProbe> other = probe;
  probe.reset();
  EXPECT_EQ(TProbe::Live, 1);
  other = nullptr;
  EXPECT_EQ(TProbe::Live, 0);
  EXPECT_EQ(TProbe::Events, (std::vector<std::string>{"BeforeDestruction", "destructor"}));
}

TEST_F(InterfaceRefCount, ResetToTheSameObjectKeepsIt) {
  IPtr<IProbe> probe = TProbe::Create();
  probe.reset(probe.get());
  const IPtr<IProbe>& alias = probe;
  probe = alias;
  ASSERT_EQ(TProbe::Live, 1);
  EXPECT_EQ(probe->Answer(), 42);
}

TEST_F(InterfaceRefCount, ReferenceDuringConstructionDoesNotFreeTheObject) {
  IPtr<IProbe> probe = TProbe::Create(true);
  EXPECT_EQ(TProbe::Live, 1);
  EXPECT_EQ(dynamic_cast<TProbe*>(probe.get())->GetRefCount(), 1);
}

TEST_F(InterfaceRefCount, FailedConstructionFreesTheObject) {
  EXPECT_THROW(TProbe::Create(false, true), std::runtime_error);
  EXPECT_EQ(TProbe::Live, 0);
}

TEST_F(InterfaceRefCount, OverriddenReleaseIsCalledByIPtr) {
  TCountingRelease::Releases = 0;
  {
    IPtr<IProbe> probe = TCountingRelease::Create();
    IPtr<IInterface> other = probe;
  }
  EXPECT_EQ(TCountingRelease::Releases, 2);
}

TEST_F(InterfaceRefCount, QueryInterfaceAnswersByGuid) {
  IPtr<IProbe> probe = TProbe::Create();
  void* out = &out;
  EXPECT_EQ(probe->QueryInterface(IAbsent::IID, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(E_NOINTERFACE, static_cast<HResult>(0x80004002u));

  ASSERT_EQ(probe->QueryInterface(IInterface::IID, &out), S_OK);
  IPtr<IInterface> root = IPtr<IInterface>::Attach(static_cast<IInterface*>(out));
  ASSERT_EQ(probe->QueryInterface(IProbe::IID, &out), S_OK);
  IPtr<IProbe> same = IPtr<IProbe>::Attach(static_cast<IProbe*>(out));
  EXPECT_EQ(same, probe);
  EXPECT_EQ(dynamic_cast<TProbe*>(probe.get())->GetRefCount(), 3);
}

TEST_F(InterfaceRefCount, SupportsAndCasts) {
  IPtr<IInterface> root = TProbe::Create();
  IPtr<IProbe> probe;
  EXPECT_TRUE(Supports(root, probe));
  EXPECT_EQ(probe->Answer(), 42);
  EXPECT_TRUE(Supports<IProbe>(root));
  EXPECT_FALSE(Supports<IAbsent>(root));
  EXPECT_FALSE(Supports<IProbe>(IPtr<IInterface>()));
  EXPECT_EQ(InterfaceCast<IAbsent>(root), nullptr);
  EXPECT_EQ(InterfaceCast<IProbe>(root), probe);
  EXPECT_THROW(AsInterface<IAbsent>(root), EIntfCastError);
  const int count = dynamic_cast<TProbe*>(root.get())->GetRefCount();
  EXPECT_TRUE(Supports(root.get(), IProbe::IID, nullptr));
  EXPECT_EQ(dynamic_cast<TProbe*>(root.get())->GetRefCount(), count);
  EXPECT_EQ(AsInterface<IAbsent>(IPtr<IInterface>()), nullptr);

  TOwned<TPlainObject> plain = Own(TPlainObject::Create());
  IPtr<IProbe> none = probe;
  EXPECT_FALSE(Supports(plain.get(), none));
  EXPECT_FALSE(none);
  EXPECT_TRUE(Supports(dynamic_cast<TObject*>(probe.get()), none));
}

struct GuidCase {
  const char* Text;
  bool Valid;
};

class InterfaceGuidParse : public ::testing::TestWithParam<GuidCase> {};

TEST_P(InterfaceGuidParse, ReadsWellFormedTextAndRejectsTheRest) {
  const GuidCase& c = GetParam();
  if (!c.Valid) {
    EXPECT_THROW(TGUID::Parse(c.Text), EConvertError);
    return;
  }
  const TGUID guid = TGUID::Parse(c.Text);
  EXPECT_EQ(TGUID::Parse(guid.ToString()), guid);
}

INSTANTIATE_TEST_SUITE_P(
    Table, InterfaceGuidParse,
    ::testing::Values(GuidCase{"{2D42CCDB-D296-11D3-B9BB-00C04F8EDA5F}", true},
                      GuidCase{"{2d42ccdb-d296-11d3-b9bb-00c04f8eda5f}", true},
                      GuidCase{"{00000000-0000-0000-C000-000000000046}", true},
                      GuidCase{"2D42CCDB-D296-11D3-B9BB-00C04F8EDA5F", false},
                      GuidCase{"{2D42CCDB-D296-11D3-B9BB-00C04F8EDA5F", false},
                      GuidCase{"{2D42CCDB-D296-11D3-B9BB_00C04F8EDA5F}", false},
                      GuidCase{"{2D42CCDG-D296-11D3-B9BB-00C04F8EDA5F}", false},
                      GuidCase{"", false}));

TEST(InterfaceGuid, FieldsAndTextOfTheCloneableGuid) {
  constexpr TGUID guid = ICloneable::IID;
  static_assert(guid.D1 == 0x2D42CCDB && guid.D2 == 0xD296 && guid.D3 == 0x11D3);
  EXPECT_EQ(guid.D4[0], 0xB9);
  EXPECT_EQ(guid.D4[7], 0x5F);
  EXPECT_EQ(guid.ToString(), "{2D42CCDB-D296-11D3-B9BB-00C04F8EDA5F}");
  EXPECT_EQ(TGUID::Parse("{2d42ccdb-d296-11d3-b9bb-00c04f8eda5f}"), guid);
  EXPECT_FALSE(guid == IInterface::IID);
}

}  // namespace
}  // namespace fuzzy
