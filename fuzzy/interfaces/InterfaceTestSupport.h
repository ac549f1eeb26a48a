// For tests: an IFuzzySet that implements every operation trivially, with a name and a text of
// its own, so tokens and tables can carry an interface-model set before the real one is used.
#pragma once

#include <string>
#include <utility>

#include "fuzzy/framework/Persistent.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"

namespace fuzzy::testing_support {

class TStubFuzzySet : public TInterfacedObject, public virtual IFuzzySet {
 public:
  static TStubFuzzySet* Create(const std::string& name = "stub", const std::string& text = "") {
    return Constructed(new TStubFuzzySet(name, text));
  }
  HResult QueryInterface(const TGUID& iid, void** object) override {
    if (QueryInterfaces<IFuzzySet, ICloneable>(this, iid, object) == S_OK) return S_OK;
    return TInterfacedObject::QueryInterface(iid, object);
  }

  void Assign(const IPtr<IInterface>&) override {}
  void Assign(TPersistent*) override {}
  void AssignTo(TPersistent*) override {}
  IPtr<IInterface> Clone() const override { return Create(FName, FText); }
  bool Equals(const IPtr<IInterface>& other) const override { return other.get() == this; }
  int GetTag() const override { return 0; }
  void SetTag(int) override {}

  TFzyFloat GetCompatibilityIndex() const override { return 0; }
  TFzyFloat GetInflectionPoint() const override { return 0; }
  std::string GetExpression() const override { return ""; }
  void SetExpression(const std::string&) override {}
  std::string GetName() const override { return FName; }
  void SetName(const std::string& value) override { FName = value; }
  TFuzzySetType GetSetType() const override { return fstUserDefined; }
  void SetSetType(TFuzzySetType) override {}
  TFzyFloat GetXValues(int) const override { return 0; }
  void SetXValues(int, TFzyFloat) override {}
  TFzyFloat GetYValues(int) const override { return 0; }
  void SetYValues(int, TFzyFloat) override {}
  TFzyFloat GetXMaximum() const override { return 0; }
  TFzyFloat GetXMinimum() const override { return 0; }
  std::string ToString() const override { return FText; }
  std::string GetValuesToString() const override { return "()"; }
  IPtr<IFuzzyVariable> GetVariable() const override { return nullptr; }
  IPtr<IFuzzyParser> GetParser() const override { return nullptr; }
  int GetIndex() const override { return 0; }
  void SetIndex(int) override {}
  bool GetDefined() const override { return false; }
  void SetDefined(bool) override {}
  void SetParser(const IPtr<IFuzzyParser>&) override {}
  void SetVariable(const IPtr<IFuzzyVariable>&) override {}

  int GetCount() const override { return 0; }
  void Append(const IPtr<IFuzzySet>&) override {}
  void Append(const IPtr<IFuzzySet>&, int, int) override {}
  void AssignValues(const IPtr<IFuzzySet>&) override {}
  int Add(TFzyFloat, TFzyFloat) override { return 0; }
  void BeginUpdate() override {}
  void Clear() override {}
  void Delete(int) override {}
  void EndUpdate() override {}
  int Insert(int, TFzyFloat, TFzyFloat) override { return 0; }
  void Expand(int) override {}
  TFzyFloat GetMaxValue() const override { return 0; }
  TFzyFloat GetMinValue() const override { return 0; }
  int SkipX(int start, TFzyFloat, int) const override { return start; }
  int SkipY(int start, TFzyFloat, int) const override { return start; }

  TFzyFloat GetCorrelationStrength(const IPtr<IFuzzySet>&) const override { return 0; }
  IPtr<IFuzzySet> Correlate(TFzyFloat, TFuzzyCorrelationMethod) override { return this; }
  IPtr<IFuzzySet> Infer(const IPtr<IFuzzySet>&, TFuzzyInferenceMethod, bool) override {
    return this;
  }

  void CreateCrispValue(TFzyFloat) override {}
  void CreateTriangleFunctionValues(TFzyFloat, TFzyFloat, TFzyFloat) override {}
  void CreateCurveValues(int, TFzyFloat, TFzyFloat, TFzyFloat, bool) override {}
  void CreatePIFunctionValues(int, TFzyFloat, TFzyFloat, TFzyFloat) override {}
  void CreatePIFunctionValues(int, TFzyFloat, TFzyFloat) override {}
  void CreateBetaCurveFunctionValues(int, TFzyFloat, TFzyFloat, TFzyFloat) override {}
  void CreateBetaCurveFunctionValues(int, TFzyFloat, TFzyFloat, TFzyFloat, TFzyFloat) override {}
  void CreateShapeValues(const TFuzzyShape&, TFzyFloat) override {}
  const TFuzzyShape& GetShape() const override { return FShape; }
  TFuzzyShape FShape;

  TFzyFloat DegreeOfMembership(TFzyFloat) const override { return 0; }
  TFzyFloat FuzzyEquals(const IPtr<IInterface>&) const override { return 0; }
  IPtr<IFuzzySet> Hedge(TFuzzyHedge) override { return this; }
  IPtr<IFuzzySet> Hedge(TBaseFuzzyHedge, TFzyFloat, bool) override { return this; }
  TFzyFloat Defuzzify() const override { return 0; }
  TFzyFloat MeanOfMaxima() const override { return 0; }
  TFzyFloat CenterOfGravity() const override { return 0; }
  bool IsUndecidable() const override { return false; }

  bool Intersects(const IPtr<IFuzzySet>&) const override { return false; }
  IPtr<IFuzzySet> Intersection(const IPtr<IFuzzySet>&) override { return this; }
  IPtr<IFuzzySet> Intersection(const IPtr<IFuzzySet>&, TFuzzyOperation) override { return this; }
  bool LineSegmentIntersects(TFzyFloat, TFzyFloat, TFzyFloat, TFzyFloat, TFzyFloat, TFzyFloat,
                             TFzyFloat, TFzyFloat, TFzyFloat&, TFzyFloat&) const override {
    return false;
  }
  IPtr<IFuzzySet> Union(const IPtr<IFuzzySet>&) override { return this; }
  IPtr<IFuzzySet> Union(const IPtr<IFuzzySet>&, TFuzzyOperation) override { return this; }
  IPtr<IFuzzySet> Normalize() override { return this; }
  bool Iterate(const IPtr<IFuzzySet>&, const TIFuzzyComparison&) const override { return false; }
  IPtr<IFuzzySet> Operator(const IPtr<IFuzzySet>&, const std::string&,
                           const TIFuzzyOperator&) override {
    return this;
  }
  IPtr<IFuzzySet> AlphaCutoff(TFzyFloat, bool) override { return this; }
  IPtr<IFuzzySet> Cutoff(TFzyFloat, bool) override { return this; }
  IPtr<IFuzzySet> Clone(const IPtr<IFuzzyVariable>&) const override { return Create(FName, FText); }
  std::string GetComment() const override { return ""; }
  void SetComment(const std::string&) override {}

  std::string ClassName() const override { return "TStubFuzzySet"; }

 protected:
  TStubFuzzySet(std::string name, std::string text)
      : FName(std::move(name)), FText(std::move(text)) {}

 private:
  std::string FName;
  std::string FText;
};

}  // namespace fuzzy::testing_support
