// The contracts of the interface model: a reference-counted fuzzy set (IFuzzySet), a linguistic
// variable (IFuzzyVariable), what both need of a parser (IFuzzyParser), the events the
// interface-model objects raise, and, through FuzzyTokenInterfaces.h, the token interfaces.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/consts/FuzzyIntfCallbacks.h"
#include "fuzzy/framework/Interface.h"
#include "fuzzy/framework/Strings.h"
#include "fuzzy/interfaces/FuzzyTokenInterfaces.h"
#include "fuzzy/sets/FuzzyShape.h"

namespace fuzzy {

class TPersistent;
class IFuzzySet;
class IFuzzyVariable;
class IFuzzyParser;

// Sender is the variable the set belongs to (or the one being read, for the parser's event).
using TIFuzzySetEvent =
    std::function<void(const IPtr<IFuzzyVariable>& Sender, const IPtr<IFuzzySet>& FuzzySet)>;
using TIFuzzyVariableEvent = std::function<void(const IPtr<IFuzzyVariable>& FuzzyVariable)>;
// Result may be replaced by the handler.
using TIFuzzyExpressionEvent = std::function<void(
    const IPtr<IFuzzyVariable>& Sender, const std::string& Expression, IPtr<IFuzzySet>& Result)>;

// Premises and inputs of a rule, position by position.
using TIFuzzySetArray = std::vector<IPtr<IFuzzySet>>;

class IFuzzySet : public virtual ICloneable {
 public:
  static constexpr TGUID IID = TGUID::Parse("{B5C057E4-FD60-4818-9641-B61A71B492CF}");

  // The persistent-object half of copying; through this interface both reach the point list.
  using ICloneable::Assign;
  virtual void Assign(TPersistent* source) = 0;
  virtual void AssignTo(TPersistent* dest) = 0;

  virtual TFzyFloat GetCompatibilityIndex() const = 0;
  virtual TFzyFloat GetInflectionPoint() const = 0;
  virtual std::string GetExpression() const = 0;
  virtual void SetExpression(const std::string& value) = 0;
  virtual std::string GetName() const = 0;
  virtual void SetName(const std::string& value) = 0;
  virtual TFuzzySetType GetSetType() const = 0;
  virtual void SetSetType(TFuzzySetType value) = 0;
  virtual TFzyFloat GetXValues(int index) const = 0;
  virtual void SetXValues(int index, TFzyFloat value) = 0;
  virtual TFzyFloat GetYValues(int index) const = 0;
  virtual void SetYValues(int index, TFzyFloat value) = 0;
  virtual TFzyFloat GetXMaximum() const = 0;
  virtual TFzyFloat GetXMinimum() const = 0;
  virtual std::string ToString() const = 0;
  virtual std::string GetValuesToString() const = 0;
  virtual IPtr<IFuzzyVariable> GetVariable() const = 0;
  virtual IPtr<IFuzzyParser> GetParser() const = 0;
  virtual int GetIndex() const = 0;
  virtual void SetIndex(int value) = 0;
  virtual bool GetDefined() const = 0;
  virtual void SetDefined(bool value) = 0;
  virtual void SetParser(const IPtr<IFuzzyParser>& value) = 0;
  virtual void SetVariable(const IPtr<IFuzzyVariable>& value) = 0;

  // ---- The point list ----
  virtual int GetCount() const = 0;
  virtual void Append(const IPtr<IFuzzySet>& source) = 0;
  virtual void Append(const IPtr<IFuzzySet>& source, int start, int count) = 0;
  virtual void AssignValues(const IPtr<IFuzzySet>& source) = 0;
  // Both answer the new point's index.
  virtual int Add(TFzyFloat x, TFzyFloat y) = 0;
  virtual void BeginUpdate() = 0;
  virtual void Clear() = 0;
  virtual void Delete(int index) = 0;
  virtual void EndUpdate() = 0;
  virtual int Insert(int index, TFzyFloat x, TFzyFloat y) = 0;
  virtual void Expand(int count) = 0;
  virtual TFzyFloat GetMaxValue() const = 0;
  virtual TFzyFloat GetMinValue() const = 0;
  virtual int SkipX(int start, TFzyFloat value, int direction) const = 0;
  virtual int SkipY(int start, TFzyFloat value, int direction) const = 0;

  // ---- Rules ----
  virtual TFzyFloat GetCorrelationStrength(const IPtr<IFuzzySet>& input) const = 0;
  virtual IPtr<IFuzzySet> Correlate(TFzyFloat strength, TFuzzyCorrelationMethod method) = 0;
  virtual IPtr<IFuzzySet> Infer(const IPtr<IFuzzySet>& other, TFuzzyInferenceMethod method,
                                bool intersect) = 0;

  // ---- Shapes ----
  virtual void CreateCrispValue(TFzyFloat x) = 0;
  virtual void CreateTriangleFunctionValues(TFzyFloat left, TFzyFloat middle, TFzyFloat right) = 0;
  virtual void CreateCurveValues(int count, TFzyFloat left, TFzyFloat right,
                                 TFzyFloat inflectionPoint, bool growth) = 0;
  virtual void CreatePIFunctionValues(int count, TFzyFloat left, TFzyFloat right,
                                      TFzyFloat center) = 0;
  virtual void CreatePIFunctionValues(int count, TFzyFloat range, TFzyFloat center) = 0;
  virtual void CreateBetaCurveFunctionValues(int count, TFzyFloat range, TFzyFloat center,
                                             TFzyFloat inflectionPoint) = 0;
  virtual void CreateBetaCurveFunctionValues(int count, TFzyFloat range, TFzyFloat center,
                                             TFzyFloat inflectionPoint, TFzyFloat weight) = 0;
  virtual void CreateShapeValues(const TFuzzyShape& shape, TFzyFloat tolerance) = 0;
  virtual const TFuzzyShape& GetShape() const = 0;

  // ---- Membership, comparison, defuzzification ----
  virtual TFzyFloat DegreeOfMembership(TFzyFloat x) const = 0;
  virtual TFzyFloat FuzzyEquals(const IPtr<IInterface>& other) const = 0;
  // Both change the set in place and answer it.
  virtual IPtr<IFuzzySet> Hedge(TFuzzyHedge hedge) = 0;
  // onY true acts on the membership values, false on the X values.
  virtual IPtr<IFuzzySet> Hedge(TBaseFuzzyHedge hedge, TFzyFloat value, bool onY) = 0;
  virtual TFzyFloat Defuzzify() const = 0;
  virtual TFzyFloat MeanOfMaxima() const = 0;
  virtual TFzyFloat CenterOfGravity() const = 0;
  virtual bool IsUndecidable() const = 0;

  // ---- Set algebra ----
  virtual bool Intersects(const IPtr<IFuzzySet>& other) const = 0;
  virtual IPtr<IFuzzySet> Intersection(const IPtr<IFuzzySet>& other) = 0;
  virtual IPtr<IFuzzySet> Intersection(const IPtr<IFuzzySet>& other, TFuzzyOperation operation) = 0;
  // True with (x, y) the crossing point when segment 1-2 crosses segment 3-4.
  virtual bool LineSegmentIntersects(TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2,
                                     TFzyFloat x3, TFzyFloat y3, TFzyFloat x4, TFzyFloat y4,
                                     TFzyFloat& x, TFzyFloat& y) const = 0;
  virtual IPtr<IFuzzySet> Union(const IPtr<IFuzzySet>& other) = 0;
  virtual IPtr<IFuzzySet> Union(const IPtr<IFuzzySet>& other, TFuzzyOperation operation) = 0;
  virtual IPtr<IFuzzySet> Normalize() = 0;
  virtual bool Iterate(const IPtr<IFuzzySet>& other, const TIFuzzyComparison& comparison) const = 0;
  virtual IPtr<IFuzzySet> Operator(const IPtr<IFuzzySet>& other, const std::string& operationName,
                                   const TIFuzzyOperator& fuzzyOperator) = 0;
  virtual IPtr<IFuzzySet> AlphaCutoff(TFzyFloat value, bool flag) = 0;
  virtual IPtr<IFuzzySet> Cutoff(TFzyFloat value, bool flag) = 0;

  // A copy of the points that belongs to `variable`.
  using ICloneable::Clone;
  virtual IPtr<IFuzzySet> Clone(const IPtr<IFuzzyVariable>& variable) const = 0;
  virtual std::string GetComment() const = 0;
  virtual void SetComment(const std::string& value) = 0;

 protected:
  ~IFuzzySet() = default;
};

class IFuzzyVariable : public virtual ICloneable {
 public:
  static constexpr TGUID IID = TGUID::Parse("{F749FF55-FFF4-4F92-9B6F-14568D174661}");

  using ICloneable::Assign;
  virtual void Assign(TPersistent* source) = 0;
  virtual void AssignTo(TPersistent* dest) = 0;

  virtual TDefuzzificationMethod GetDefuzzificationMethod() const = 0;
  virtual TFzyFloat GetMaximum() const = 0;
  virtual TFzyFloat GetMinimum() const = 0;
  virtual std::string GetName() const = 0;
  // The variable's definition text.
  virtual std::string ToString() const = 0;
  virtual std::string GetUnits() const = 0;
  virtual int GetNumFunctionValues() const = 0;
  virtual TNotifyEvent GetOnChange() const = 0;
  virtual TIFuzzyVariableEvent GetOnVariableChange() const = 0;
  virtual TIFuzzySetEvent GetOnFuzzySetChange() const = 0;
  virtual IPtr<IFuzzyParser> GetParser() const = 0;
  virtual TFzyFloat GetThreshold() const = 0;
  virtual std::string GetComment() const = 0;
  virtual TIFuzzySetEvent GetOnFuzzySetAdded() const = 0;
  virtual TIFuzzySetEvent GetOnFuzzySetDeleted() const = 0;

  virtual void SetOnFuzzySetAdded(TIFuzzySetEvent value) = 0;
  virtual void SetOnFuzzySetDeleted(TIFuzzySetEvent value) = 0;
  virtual void SetComment(const std::string& value) = 0;
  virtual void SetParser(const IPtr<IFuzzyParser>& value) = 0;
  virtual void SetDefuzzificationMethod(TDefuzzificationMethod value) = 0;
  virtual void SetMaximum(TFzyFloat value) = 0;
  virtual void SetMinimum(TFzyFloat value) = 0;
  virtual void SetName(const std::string& value) = 0;
  virtual void SetUnits(const std::string& value) = 0;
  virtual void SetNumFunctionValues(int value) = 0;
  virtual void SetOnChange(TNotifyEvent value) = 0;
  virtual void SetOnVariableChange(TIFuzzyVariableEvent value) = 0;
  virtual void SetOnFuzzySetChange(TIFuzzySetEvent value) = 0;
  virtual void SetThreshold(TFzyFloat value) = 0;

  // ---- Rules ----
  virtual TFzyFloat GetCorrelationStrength(const TIFuzzySetArray& premises,
                                           const TIFuzzySetArray& inputs) const = 0;
  // Each answers the combined result, or null when the rule does not fire.
  virtual IPtr<IFuzzySet> AssertRule(const TIFuzzySetArray& premises, const TIFuzzySetArray& inputs,
                                     const IPtr<IFuzzySet>& conclusion,
                                     const IPtr<IFuzzySet>& accumulator) = 0;
  virtual IPtr<IFuzzySet> AssertRule(TFzyFloat strength, const IPtr<IFuzzySet>& conclusion,
                                     const IPtr<IFuzzySet>& accumulator) = 0;
  virtual IPtr<IFuzzySet> AssertRule(const IPtr<IFuzzySet>& premise,
                                     const IPtr<IFuzzySet>& conclusion,
                                     const IPtr<IFuzzySet>& input,
                                     const IPtr<IFuzzySet>& accumulator) = 0;

  // ---- The term table ----
  virtual int GetCount() const = 0;
  virtual IPtr<IFuzzySet> GetFuzzySet(int index) const = 0;
  // Null when no term has that name.
  virtual IPtr<IFuzzySet> GetFuzzySetByName(const std::string& name) const = 0;
  virtual void Add(const IPtr<IFuzzySet>& fuzzySet) = 0;
  virtual IPtr<IFuzzySet> Add(const std::string& name) = 0;
  // Replaces the terms by copies of another variable's.
  virtual void AssignFuzzySets(const IPtr<IFuzzyVariable>& source) = 0;
  virtual void BeginUpdate() = 0;
  virtual void Clear() = 0;
  // The term of that name, or null.
  virtual IPtr<IFuzzySet> ContainsFuzzySet(const std::string& name) const = 0;
  virtual void Remove(const IPtr<IFuzzySet>& fuzzySet) = 0;
  virtual void EndUpdate() = 0;
  // Raises the set-change event for a term whose points changed.
  virtual void FuzzySetChanged(const IPtr<IFuzzySet>& fuzzySet) = 0;

 protected:
  ~IFuzzyVariable() = default;
};

// What sets and variables need of the parser: evaluating, reading and writing text.
class IFuzzyParser : public virtual IInterface {
 public:
  static constexpr TGUID IID = TGUID::Parse("{7F0ED40B-4048-46BB-8EFB-DAB9532F6A54}");

  // The result set through `result`, defuzzified as the answer.
  virtual TFzyFloat EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable,
                                        const std::string& expression, IPtr<IFuzzySet>& result) = 0;
  virtual IPtr<IFuzzySet> EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable,
                                              const std::string& expression) = 0;
  virtual IPtr<IFuzzySet> ParseFuzzySet(const IPtr<IFuzzyVariable>& variable,
                                        const std::string& text) = 0;
  virtual IPtr<IFuzzyVariable> ParseFuzzyVariableIntf(const std::string& text) = 0;
  // The set's name (asTerm false) or its whole term definition (asTerm true).
  virtual std::string PrettyPrint(const IPtr<IFuzzySet>& fuzzySet, bool asTerm) = 0;
  virtual std::string PrettyPrint(const IPtr<IFuzzyVariable>& variable) = 0;

 protected:
  ~IFuzzyParser() = default;
};

}  // namespace fuzzy
