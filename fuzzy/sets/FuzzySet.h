// TFuzzySet: a named membership function over the X axis of its linguistic variable, kept as an
// ordered list of (X, Y) points, read by piecewise-linear interpolation and generated from the
// standard shapes (triangle, growth and decline curves, PI and beta curves).
#pragma once

#include <cstdint>
#include <string>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/consts/FuzzyText.h"
#include "fuzzy/framework/ClassRef.h"
#include "fuzzy/framework/GCollection.h"
#include "fuzzy/framework/TypedCollection.h"
#include "fuzzy/membership/PositionTolerance.h"
#include "fuzzy/sets/FuzzyShape.h"

namespace fuzzy {

class TCustomFuzzyLogic;
class TFuzzySet;
class TFuzzySets;
class TFuzzySetValue;
class TFuzzySetValues;
class TFuzzyVariable;

// "class of TFuzzySet": makes a set of a class chosen at run time in a given collection.
using TFuzzySetClass = TClassRef<TFuzzySet, TCollection*>;

class TFuzzySet : public TGCollectionItem {
 public:
  // A set with an empty point list that then joins `collection` (may be null).
  static TFuzzySet* Create(TCollection* collection);
  // The run-time class of this set; Clone makes an instance of it.
  virtual TFuzzySetClass GetClassType() const;

  // ---- Copying ---------------------------------------------------------------------------
  // From another set: name (unchecked), points, then type, inflection point and expression;
  // comment, defined flag and tag stay. Other sources raise the assignment error.
  void Assign(TPersistent* source) override;
  // A copy of the run-time class in the variable's terms; without a variable, a free-standing
  // copy that the caller frees.
  virtual TFuzzySet* Clone();

  // ---- Properties ------------------------------------------------------------------------
  TFuzzySetValues* GetValues() const { return FValues; }
  // Copies the points of `value` into this set's own list.
  void SetValues(TFuzzySetValues* value);
  std::string GetName() const override { return FName.ToString(); }
  // A reserved word (keyword, hedge operator, hedge) raises EFzyException; the name stays.
  void SetName(const std::string& value) override;
  // The name as a shared text: a derived set's name holds its operands' names, not copies.
  const TFuzzyText& GetNameText() const { return FName; }
  virtual void SetNameText(const TFuzzyText& value);
  const std::string& GetComment() const { return FComment; }
  void SetComment(const std::string& value);
  bool GetDefined() const { return FDefined; }
  void SetDefined(bool value) { FDefined = value; }
  std::int32_t GetTag() const { return FTag; }
  void SetTag(std::int32_t value) { FTag = value; }
  std::string GetExpression() const { return FExpression.ToString(); }
  void SetExpression(const std::string& value) { FExpression = TFuzzyText(value); }
  const TFuzzyText& GetExpressionText() const { return FExpression; }
  void SetExpression(const TFuzzyText& value) { FExpression = value; }
  TFzyFloat GetCorrelationAccumulator() const { return FCorrelationAccumulator; }
  void SetCorrelationAccumulator(TFzyFloat value) { FCorrelationAccumulator = value; }
  TFzyFloat GetInflectionPoint() const { return FInflectionPoint; }
  TFuzzySetType GetSetType() const { return FSetType; }
  // Regenerates the default shape of `value` over the variable's range (see FuzzySetShapes).
  virtual void SetSetType(TFuzzySetType value);
  // The name, or the class name when the name is empty.
  std::string GetDisplayName() const override;

  // ---- Owner chain -----------------------------------------------------------------------
  // The owning term collection, or null (also inside a collection of another kind).
  TFuzzySets* GetCollection() const;
  // The variable owning the collection, or null.
  TFuzzyVariable* GetVariable() const;
  // Index 0: the upper end of the X range, 1: the lower end; the variable's range, or
  // +/-2147483647 without a variable. Other indexes raise EFzyException.
  virtual TFzyFloat GetXRange(int index) const;

  // ---- Membership ------------------------------------------------------------------------
  // Piecewise-linear, flat beyond the end points, the largest Y at a vertical step.
  TFzyFloat DegreeOfMembership(TFzyFloat x) const;
  // From `start`, stepping by `direction` (0 counts as +1) through the points whose X is within
  // 0.0001 of the start point's: the index of the largest (smallest) Y, the first one on ties.
  int GetMaxYValueOfX(int start, int direction) const;
  int GetMinYValueOfX(int start, int direction) const;
  // The Y on the line through (x1, y1), (x2, y2) at x; y2 when x1 == x2.
  static TFzyFloat InterpolateY(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2,
                                TFzyFloat x);
  // The X on that line at height y; x2 when y1 == y2.
  static TFzyFloat InterpolateX(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2,
                                TFzyFloat y);

  // ---- Change notification from the point list --------------------------------------------
  // One point or the whole list changed: report this set, become user-defined, lose the
  // expression.
  virtual void UpdateFuzzySetValue(TFuzzySetValue* value);
  virtual void UpdateFuzzySetValues();

  // ---- Crisp value and text --------------------------------------------------------------
  // The singleton (x, 0), (x, 1), (x, 0), user-defined, with the expression "%.4f" of x.
  void CreateCrispValue(TFzyFloat x);
  // The parser's short form when the variable's component has a parser, else
  // "(name (x y) (x y) )" with four decimals.
  virtual std::string ToString() const;
  // "((x y) (x y) )"; "()" without points.
  virtual std::string GetValuesToString() const;

  // ---- Shape generators (each adds to the points present, inside one batch) ---------------
  // Corners reordered (right >= left, middle within them); never raises.
  void CreateTriangleFunctionValues(TFzyFloat left, TFzyFloat middle, TFzyFloat right);
  // n points (at least 3) of the S curve from left to right, or its mirror 1 - S.
  // left > right raises EFzyException before anything changes.
  void CreateCurveValues(int n, TFzyFloat left, TFzyFloat right, TFzyFloat inflectionPoint,
                         bool growth);
  // n points rising from left to center and falling to right (center clamped into the range).
  void CreatePIFunctionValues(int n, TFzyFloat left, TFzyFloat right, TFzyFloat center);
  void CreatePIFunctionValues(int n, TFzyFloat range, TFzyFloat center);
  // n points of 1 / (1 + weight * ((x - center) / inflectionPoint)^2) over center +/- range.
  void CreateBetaCurveFunctionValues(int n, TFzyFloat range, TFzyFloat center,
                                     TFzyFloat inflectionPoint, TFzyFloat weight);
  void CreateBetaCurveFunctionValues(int n, TFzyFloat range, TFzyFloat center,
                                     TFzyFloat inflectionPoint);
  // The shapes of other model formats (FuzzyShape.h), over the set's X range: the
  // piecewise-linear ones exactly, the curves sampled adaptively so that the points differ from
  // the formula by at most `tolerance` times its height. The set remembers the shape until its
  // points change. Parameters the shape cannot draw raise EFzyException before anything changes.
  void CreateShapeValues(const TFuzzyShape& shape, TFzyFloat tolerance);
  // With the component's ShapeTolerance (1e-3 without a component).
  void CreateShapeValues(const TFuzzyShape& shape);
  // What the points were generated from; fskNone once they have changed.
  const TFuzzyShape& GetShape() const { return FShape; }

  // ---- Pairwise walk (FuzzySetWalk.cpp) ---------------------------------------------------
  // Walks both point lists together in X order, crossings included, and hands every event to
  // `comparison`; true when the comparison stopped the walk or both lists are empty.
  bool Iterate(const TFuzzySet* other, const TFuzzyComparison& comparison) const;
  // A new set in this set's collection, named "<this> <operationName> <other>", whose points
  // `op` appends at every walk event; tidied and given its expression.
  TFuzzySet* Operator(const TFuzzySet* other, const std::string& operationName,
                      const TFuzzyOperator& op) const;
  // Whether the two sets can overlap, judged from their ends and X ranges.
  bool Intersects(const TFuzzySet* other) const;
  // The crossing of segment (x1, y1)-(x2, y2) with (x3, y3)-(x4, y4) into x, y.
  static bool LineSegmentIntersects(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2,
                                    TFzyFloat x3, TFzyFloat y3, TFzyFloat x4, TFzyFloat y4,
                                    TFzyFloat& x, TFzyFloat& y);
  // The crossing as a free-standing point that the caller frees, or null.
  static TFuzzySetValue* LineSegmentIntersects(const TFuzzySetValue* p1, const TFuzzySetValue* p2,
                                               const TFuzzySetValue* p3, const TFuzzySetValue* p4);
  static TFzyFloat GetSlope(const TFuzzySetValue* p1, const TFuzzySetValue* p2);

  // ---- Operator families, inference, correlation (FuzzySetFamilies.cpp) -------------------
  TFuzzySet* Intersection(const TFuzzySet* other) const;
  TFuzzySet* Union(const TFuzzySet* other) const;
  virtual TFuzzySet* Intersection(const TFuzzySet* other, TFuzzyOperation operation) const;
  virtual TFuzzySet* Union(const TFuzzySet* other, TFuzzyOperation operation) const;
  TFuzzySet* Infer(const TFuzzySet* other, TFuzzyInferenceMethod method, bool intersect) const;
  TFuzzySet* Infer(const TFuzzySet* other, bool intersect) const;
  TFuzzySet* Correlate(TFzyFloat value, TFuzzyCorrelationMethod method);
  TFuzzySet* Correlate(TFzyFloat value);
  // The height of the Zadeh intersection of the two sets.
  TFzyFloat GetCorrelationStrength(const TFuzzySet* other);
  // The point-emitting rules of the families: each appends (x1, rule(y1, y2)) to `result`.
  static bool FuzzyOperatorMin(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1, TFzyFloat x2,
                               TFzyFloat y2);
  static bool FuzzyOperatorMax(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1, TFzyFloat x2,
                               TFzyFloat y2);
  static bool FuzzyOperatorMean(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1, TFzyFloat x2,
                                TFzyFloat y2);
  static bool FuzzyOperatorMeanSqr(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                   TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorMeanSqrt(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                    TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorUnionMean(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                     TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorIntersectionProduct(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                               TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorUnionProduct(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                        TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorIntersectionBoundedSum(TFuzzySetValues* result, TFzyFloat x1,
                                                  TFzyFloat y1, TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorUnionBoundedSum(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                           TFzyFloat x2, TFzyFloat y2);
  static bool FuzzyOperatorUnionSum(TFuzzySetValues* result, TFzyFloat x1, TFzyFloat y1,
                                    TFzyFloat x2, TFzyFloat y2);
  // Keeps the running maximum of min(y1, y2) in CorrelationAccumulator; never stops the walk.
  bool FuzzyOperatorMaxOfMin(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2);
  // Stops the walk where both sets reach the variable's threshold.
  bool FuzzyOperatorMinThreshold(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) const;

  // ---- Hedges (FuzzySetHedges.cpp) ---------------------------------------------------------
  virtual TFuzzySet* Hedge(TFuzzyHedge hedge);
  // A base hedge with `value` on every Y (onY) or every X.
  TFuzzySet* Hedge(TBaseFuzzyHedge hedge, TFzyFloat value, bool onY);
  void Intensify(int count, TFzyFloat exponent);
  void FuzzyContrast(int count, TFzyFloat exponent);
  void FuzzyApproximation(int count, TFzyFloat exponent);
  TFuzzySet* Normalize();

  // ---- Defuzzification and comparisons (FuzzySetDefuzzify.cpp) -----------------------------
  TFzyFloat CenterOfGravity() const;
  TFzyFloat MeanOfMaxima() const;
  // By the component's DefuzzificationMethod; centre of gravity without one.
  TFzyFloat Defuzzify() const;
  bool IsUndecidable() const;
  virtual TFzyFloat GetCompatibilityIndex() const;
  virtual bool Equals(const TFuzzySet* other) const;
  virtual TFzyFloat FuzzyEquals(const TFuzzySet* other);

  // ---- Alpha cuts and cut-offs (FuzzySetCuts.cpp) ------------------------------------------
  // A new set holding the membership where it exceeds (strict) or reaches alpha, 0 elsewhere.
  TFuzzySet* AlphaCutoff(TFzyFloat alpha, bool strict) const;
  // A new set: max(membership, value) with unionWithLevel, min(membership, value) without.
  TFuzzySet* Cutoff(TFzyFloat value, bool unionWithLevel) const;

  std::string ClassName() const override { return "TFuzzySet"; }
  // Makes the point list, then joins the collection, so its added-notification meets a
  // complete set.
  void AfterConstruction() override;
  // Leaves the collection while still complete (handlers may read it), then frees the points.
  void BeforeDestruction() override;

 protected:
  explicit TFuzzySet(TCollection* collection);
  ~TFuzzySet() override;

  // The point list of a new set; overridable factory.
  virtual TFuzzySetValues* CreateValues();
  // The logic component of the set's variable, or null.
  TCustomFuzzyLogic* GetFuzzyLogic() const;
  // The component's NumFunctionValues, or 7 without a component.
  int GetNumFunctionValues() const;
  // For twins that copy a set through its interface, where no shape generator runs.
  void SetInflectionPoint(TFzyFloat value) { FInflectionPoint = value; }

 private:
  TTypedCollection<TFuzzySets> FCollectionView;
  // Appends "(x y) " for every point, with four decimals.
  void AppendPointPairs(std::string& text) const;
  void GenerateDefaultShape(TFuzzySetType value);
  // Operator with a family rule: the same result, its points built on arrays and installed in
  // one step (FuzzySetWalk.cpp).
  TFuzzySet* RuleOperator(const TFuzzySet* other, const std::string& operationName,
                          long double (*rule)(TFzyFloat y1, TFzyFloat y2)) const;
  // "<this> <operationName> <other>" from the operands' expressions, or names without one.
  TFuzzyText OperatorExpression(const TFuzzySet* other, const std::string& operationName) const;

  TFuzzySetType FSetType = fstUserDefined;
  TFuzzyText FName;
  TFuzzySetValues* FValues = nullptr;
  TFzyFloat FInflectionPoint = 0.0;
  std::string FComment;
  bool FDefined = false;
  std::int32_t FTag = 0;
  TFuzzyText FExpression;
  TFzyFloat FCorrelationAccumulator = 0.0;
  TFuzzyShape FShape;
};

// ---- Unit routines of the pairwise walk (FuzzySetWalk.cpp) ----------------------------------
// a and b within 0.0001 of each other, in extended precision; false when either is NaN.
inline bool FloatEquals(TFzyFloat a, TFzyFloat b) {
  return WithinPositionTolerance(a, b);
}
// 1, 0 or -1.
int Sign(TFzyFloat value);
void NextPoint(TFuzzySetValue* current, TFuzzySetValue* previous, int& index,
               TFuzzySetValues* values, TFzyFloat x);
void AddAndIncrement(TFuzzySet* fuzzySet, TFuzzySetValue* p1, TFuzzySetValue* p2,
                     TFuzzySetValue* p3, int& index, TFzyFloat a, TFzyFloat b,
                     TFuzzySetValues* values, TFzyFloat x, bool flag);
void Add1AndIncrement2(TFuzzySet* fuzzySet, TFuzzySetValue* p1, TFuzzySetValue* p2,
                       TFuzzySetValue* p3, TFuzzySetValue* p4, int& index1, int& index2,
                       TFzyFloat a, TFzyFloat b, TFuzzySetValues* values1, TFuzzySetValues* values2,
                       TFzyFloat x, bool flag);

}  // namespace fuzzy
