// TFuzzySet: a named membership function over the X axis of its linguistic variable, kept as an
// ordered list of (X, Y) points, read by piecewise-linear interpolation and generated from the
// standard shapes (triangle, growth and decline curves, PI and beta curves).
#pragma once

#include <cstdint>
#include <string>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/framework/ClassRef.h"
#include "fuzzy/framework/GCollection.h"

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
  std::string GetName() const override { return FName; }
  // A reserved word (keyword, hedge operator, hedge) raises EFzyException; the name stays.
  void SetName(const std::string& value) override;
  const std::string& GetComment() const { return FComment; }
  void SetComment(const std::string& value);
  bool GetDefined() const { return FDefined; }
  void SetDefined(bool value) { FDefined = value; }
  std::int32_t GetTag() const { return FTag; }
  void SetTag(std::int32_t value) { FTag = value; }
  const std::string& GetExpression() const { return FExpression; }
  void SetExpression(const std::string& value) { FExpression = value; }
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

 private:
  // Appends "(x y) " for every point, with four decimals.
  void AppendPointPairs(std::string& text) const;
  void GenerateDefaultShape(TFuzzySetType value);

  TFuzzySetType FSetType = fstUserDefined;
  std::string FName;
  TFuzzySetValues* FValues = nullptr;
  TFzyFloat FInflectionPoint = 0.0;
  std::string FComment;
  bool FDefined = false;
  std::int32_t FTag = 0;
  std::string FExpression;
  TFzyFloat FCorrelationAccumulator = 0.0;
};

}  // namespace fuzzy
