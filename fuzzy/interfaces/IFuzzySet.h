// TIFuzzySet: the fuzzy set of the interface model. It is an object-model TFuzzySet with all of
// its state and algorithms, reference counted, belonging to an IFuzzyVariable through a counted
// reference, and entered in that variable's term table while it is Defined.
#pragma once

#include <string>

#include "fuzzy/framework/ClassRef.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"
#include "fuzzy/interfaces/IFSValues.h"
#include "fuzzy/logic/ParserLink.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

class TIFuzzySet;

// "class of TIFuzzySet": makes a set of a class chosen at run time for a variable and a name.
using TIFuzzySetClass = TClassRef<TIFuzzySet, const IPtr<IFuzzyVariable>&, const std::string&>;

// The next value of the process-wide set counter (atomic; the first call answers 1).
int GetUniqueID();

// Some IFuzzySet operations share their parameters with TFuzzySet virtuals of another result
// type (Hedge answers a TFuzzySet* there, an IFuzzySet here), so one class cannot override
// both. This layer implements those IFuzzySet operations by forwarding to the Intf hooks.
class TIFuzzySetIntf : public virtual IFuzzySet {
 public:
  IPtr<IFuzzySet> Hedge(TFuzzyHedge hedge) override { return IntfHedge(hedge); }
  IPtr<IFuzzySet> Hedge(TBaseFuzzyHedge hedge, TFzyFloat value, bool onY) override {
    return IntfHedge(hedge, value, onY);
  }
  IPtr<IInterface> Clone() const override { return IntfClone(); }
  IPtr<IFuzzySet> Clone(const IPtr<IFuzzyVariable>& variable) const override {
    return IntfClone(variable);
  }

 protected:
  ~TIFuzzySetIntf() = default;

  virtual IPtr<IFuzzySet> IntfHedge(TFuzzyHedge hedge) = 0;
  virtual IPtr<IFuzzySet> IntfHedge(TBaseFuzzyHedge hedge, TFzyFloat value, bool onY) = 0;
  virtual IPtr<IInterface> IntfClone() const = 0;
  virtual IPtr<IFuzzySet> IntfClone(const IPtr<IFuzzyVariable>& variable) const = 0;
};

class TIFuzzySet : public TInterfaced<TFuzzySet>, public TIFuzzySetIntf {
 public:
  // A set with count 0, not Defined, named `name` (a reserved word raises) and linked to
  // `variable` (may be null) without entering its term table. Hold it in an IPtr before using
  // it: its operations hand it on as an interface, and such a passing reference must never be
  // its last.
  static TIFuzzySet* Create(const IPtr<IFuzzyVariable>& variable, const std::string& name);
  // The run-time class: Clone and the algebra make their results of it.
  virtual TIFuzzySetClass GetIFuzzySetClass() const;
  HResult QueryInterface(const TGUID& iid, void** object) override;
  std::string ClassName() const override { return "TIFuzzySet"; }

  // ---- Copying and comparing (IFuzzySetCopy.cpp) -------------------------------------------
  // From an IFuzzySet: its variable, set type, inflection point, points, expression and
  // parser; the name, comment, Defined, tag and index stay. Other sources change nothing.
  void Assign(const IPtr<IInterface>& source) override;
  // A point list gives its points. A TIFuzzySet first gives its variable and parser; then any
  // set as the object model copies it (name, points, type, inflection point, expression).
  void Assign(TPersistent* source) override;
  // A point list receives this set's points; anything else raises the assignment error.
  void AssignTo(TPersistent* dest) override;
  // Clone(): a copy of the run-time class linked to this set's variable, outside its table.
  // Clone(variable): this set's name and points only, linked to `variable` with its parser.
  using TIFuzzySetIntf::Clone;
  // The walk with the threshold of this set's variable; false for an object without
  // IFuzzySet. A set without a variable raises EFzyException (SMissingFuzzyVariable).
  bool Equals(const IPtr<IInterface>& other) const override;
  using TFuzzySet::Equals;
  // The height of the pointwise minimum; 0 for an object without IFuzzySet.
  TFzyFloat FuzzyEquals(const IPtr<IInterface>& other) const override;
  using TFuzzySet::FuzzyEquals;
  int GetTag() const override { return TFuzzySet::GetTag(); }
  void SetTag(int value) override { TFuzzySet::SetTag(value); }

  // ---- Membership in a variable (IFuzzySet.cpp) --------------------------------------------
  IPtr<IFuzzyVariable> GetVariable() const override { return FVariable; }
  // Leaves the old variable's table (when it holds this very set), links the new one, enters
  // its table when Defined and takes its parser.
  void SetVariable(const IPtr<IFuzzyVariable>& value) override;
  IPtr<IFuzzyParser> GetParser() const override { return FParser.Get(); }
  void SetParser(const IPtr<IFuzzyParser>& value) override { FParser = value; }
  std::string GetName() const override { return TFuzzySet::GetName(); }
  // Leaves the variable's table, renames (a reserved word raises and leaves the set out of
  // the table), then enters the table again under the new name when Defined.
  void SetName(const std::string& value) override { TFuzzySet::SetName(value); }
  // Out of the variable's table under the old name, in again under the new one.
  void SetNameText(const TFuzzyText& value) override;
  int GetIndex() const override { return FIndex; }
  // The entry number given by the variable's table.
  void SetIndex(int value) override { FIndex = value; }
  bool GetDefined() const override { return TFuzzySet::GetDefined(); }
  void SetDefined(bool value) override { TFuzzySet::SetDefined(value); }
  std::string GetExpression() const override { return TFuzzySet::GetExpression(); }
  void SetExpression(const std::string& value) override { TFuzzySet::SetExpression(value); }
  using TFuzzySet::SetExpression;
  std::string GetComment() const override { return TFuzzySet::GetComment(); }
  void SetComment(const std::string& value) override { TFuzzySet::SetComment(value); }
  TFuzzySetType GetSetType() const override { return TFuzzySet::GetSetType(); }
  void SetSetType(TFuzzySetType value) override { TFuzzySet::SetSetType(value); }
  TFzyFloat GetInflectionPoint() const override { return TFuzzySet::GetInflectionPoint(); }
  TFzyFloat GetCompatibilityIndex() const override { return TFuzzySet::GetCompatibilityIndex(); }
  // The parser's short form when there is a parser, else the object model's text.
  std::string ToString() const override;
  std::string GetValuesToString() const override { return TFuzzySet::GetValuesToString(); }

  // ---- X range and points (IFuzzySet.cpp) -----------------------------------------------
  TIFSValues* GetValues() const;
  // With a variable: index 0 its Maximum, 1 its Minimum, others raise; else the object model's.
  TFzyFloat GetXRange(int index) const override;
  // The variable's Maximum; else the last point's X; else 2147483647.
  TFzyFloat GetXMaximum() const override;
  // The variable's Minimum; else the first point's X; else -2147483647.
  TFzyFloat GetXMinimum() const override;
  // A point by index; outside the list the list-index error.
  TFzyFloat GetXValues(int index) const override;
  void SetXValues(int index, TFzyFloat value) override;
  TFzyFloat GetYValues(int index) const override;
  void SetYValues(int index, TFzyFloat value) override;
  // The object model's reset, then the variable's FuzzySetChanged (a single point's change
  // arrives here through the object model's UpdateFuzzySetValue).
  void UpdateFuzzySetValues() override;

  // ---- The point list (IFuzzySet.cpp) -------------------------------------------------------
  int GetCount() const override;
  void Append(const IPtr<IFuzzySet>& source) override;
  void Append(const IPtr<IFuzzySet>& source, int start, int count) override;
  void AssignValues(const IPtr<IFuzzySet>& source) override;
  int Add(TFzyFloat x, TFzyFloat y) override;
  void BeginUpdate() override;
  void Clear() override;
  void Delete(int index) override;
  void EndUpdate() override;
  int Insert(int index, TFzyFloat x, TFzyFloat y) override;
  void Expand(int count) override;
  TFzyFloat GetMaxValue() const override;
  TFzyFloat GetMinValue() const override;
  int SkipX(int start, TFzyFloat value, int direction) const override;
  int SkipY(int start, TFzyFloat value, int direction) const override;

  // ---- Shapes, membership, defuzzification: the object model's -----------------------------
  void CreateCrispValue(TFzyFloat x) override { TFuzzySet::CreateCrispValue(x); }
  void CreateTriangleFunctionValues(TFzyFloat left, TFzyFloat middle, TFzyFloat right) override;
  void CreateCurveValues(int count, TFzyFloat left, TFzyFloat right, TFzyFloat inflectionPoint,
                         bool growth) override;
  void CreatePIFunctionValues(int count, TFzyFloat left, TFzyFloat right,
                              TFzyFloat center) override;
  void CreatePIFunctionValues(int count, TFzyFloat range, TFzyFloat center) override;
  void CreateBetaCurveFunctionValues(int count, TFzyFloat range, TFzyFloat center,
                                     TFzyFloat inflectionPoint) override;
  void CreateBetaCurveFunctionValues(int count, TFzyFloat range, TFzyFloat center,
                                     TFzyFloat inflectionPoint, TFzyFloat weight) override;
  void CreateShapeValues(const TFuzzyShape& shape, TFzyFloat tolerance) override {
    TFuzzySet::CreateShapeValues(shape, tolerance);
  }
  const TFuzzyShape& GetShape() const override { return TFuzzySet::GetShape(); }
  TFzyFloat DegreeOfMembership(TFzyFloat x) const override;
  TFzyFloat Defuzzify() const override { return TFuzzySet::Defuzzify(); }
  TFzyFloat MeanOfMaxima() const override { return TFuzzySet::MeanOfMaxima(); }
  TFzyFloat CenterOfGravity() const override { return TFuzzySet::CenterOfGravity(); }
  bool IsUndecidable() const override { return TFuzzySet::IsUndecidable(); }
  bool LineSegmentIntersects(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2, TFzyFloat x3,
                             TFzyFloat y3, TFzyFloat x4, TFzyFloat y4, TFzyFloat& x,
                             TFzyFloat& y) const override;

  // ---- Algebra (IFuzzySetAlgebra.cpp) --------------------------------------------------------
  // The other operand may be any IFuzzySet. Results are new sets of the run-time class, linked
  // to this set's variable but outside its table; hedges, Correlate and Normalize act in place.
  bool Iterate(const IPtr<IFuzzySet>& other, const TIFuzzyComparison& comparison) const override;
  IPtr<IFuzzySet> Operator(const IPtr<IFuzzySet>& other, const std::string& operationName,
                           const TIFuzzyOperator& fuzzyOperator) override;
  bool Intersects(const IPtr<IFuzzySet>& other) const override;
  IPtr<IFuzzySet> Intersection(const IPtr<IFuzzySet>& other) override;
  IPtr<IFuzzySet> Intersection(const IPtr<IFuzzySet>& other, TFuzzyOperation operation) override;
  IPtr<IFuzzySet> Union(const IPtr<IFuzzySet>& other) override;
  IPtr<IFuzzySet> Union(const IPtr<IFuzzySet>& other, TFuzzyOperation operation) override;
  using TFuzzySet::Intersection;
  using TFuzzySet::Union;
  IPtr<IFuzzySet> Infer(const IPtr<IFuzzySet>& other, TFuzzyInferenceMethod method,
                        bool intersect) override;
  // fcmProduct scales the set by `strength`, fcmMinimum cuts it off there; answers this set.
  IPtr<IFuzzySet> Correlate(TFzyFloat strength, TFuzzyCorrelationMethod method) override;
  TFzyFloat GetCorrelationStrength(const IPtr<IFuzzySet>& input) const override;
  using TIFuzzySetIntf::Hedge;
  IPtr<IFuzzySet> Normalize() override;
  // The object model's alpha cut, renamed "<name> (alpha=<value %.4f>)".
  IPtr<IFuzzySet> AlphaCutoff(TFzyFloat value, bool flag) override;
  IPtr<IFuzzySet> Cutoff(TFzyFloat value, bool flag) override;

  // The point rules of the operator families: each appends (x1, rule(y1, y2)) to `result`
  // with its Add and answers false (the walk goes on).
  static bool FuzzyOperatorMin(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                               TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorMax(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                               TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorMean(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorMeanSqr(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                   TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorMeanSqrt(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                    TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorIntersectionProduct(const IPtr<IFuzzySet>& result, TFzyFloat x1,
                                               TFzyFloat y1, TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorUnionProduct(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                        TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorIntersectionBoundedSum(const IPtr<IFuzzySet>& result, TFzyFloat x1,
                                                  TFzyFloat y1, TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorUnionBoundedSum(const IPtr<IFuzzySet>& result, TFzyFloat x1,
                                           TFzyFloat y1, TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorUnionMean(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                     TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorUnionSum(const IPtr<IFuzzySet>& result, TFzyFloat x1, TFzyFloat y1,
                                    TFzyFloat x2, TFzyFloat y2);
  // Stops the walk where both sets reach the Threshold of this set's variable; a set without
  // a variable raises EFzyException (SMissingFuzzyVariable).
  bool FuzzyOperatorMinThreshold(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) const;

  // Makes the point list, then names the set and links its variable as Create asked.
  void AfterConstruction() override;

 protected:
  TIFuzzySet(const IPtr<IFuzzyVariable>& variable, const std::string& name);
  ~TIFuzzySet() override;

  TFuzzySetValues* CreateValues() override;

  IPtr<IFuzzySet> IntfHedge(TFuzzyHedge hedge) override;
  IPtr<IFuzzySet> IntfHedge(TBaseFuzzyHedge hedge, TFzyFloat value, bool onY) override;
  IPtr<IInterface> IntfClone() const override;
  IPtr<IFuzzySet> IntfClone(const IPtr<IFuzzyVariable>& variable) const override;

 private:
  // A new set of the run-time class for `variable`, held from the start.
  IPtr<TIFuzzySet> NewSet(const IPtr<IFuzzyVariable>& variable, const std::string& name) const;
  // A cut made by the object model as a new set of the run-time class named `name`, then
  // linked to this set's variable.
  IPtr<IFuzzySet> AdoptCut(TFuzzySet* cut, const std::string& name) const;
  // This set as a counted interface. The caller already holds a reference, so the temporary
  // one never is the last.
  IPtr<IFuzzySet> Self() const;
  // Takes the set out of its variable's table when the entry under its name is this set.
  void LeaveTable();
  // Enters the set into its variable's table again (the table takes it only when Defined).
  void EnterTable();

  IPtr<IFuzzyVariable> FVariable;
  TParserLink FParser;
  int FIndex = 0;
  // Create's arguments, applied once the object is complete.
  IPtr<IFuzzyVariable> FInitialVariable;
  std::string FInitialName;
};

}  // namespace fuzzy
