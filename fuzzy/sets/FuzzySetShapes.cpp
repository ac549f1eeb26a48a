// TFuzzySet: the shape generators (triangle, growth and decline curves, PI and beta curves) and
// the SetType setter that regenerates a default shape over the variable's range.
//
// Every generator adds its points inside one batch of the point list and sets its type only
// after the batch has closed, because closing the batch reports a whole-list change, which
// makes the set user-defined.
#include <algorithm>
#include <cstddef>
#include <span>
#include <typeinfo>

#include "fuzzy/logic/CustomFuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/PositionTolerance.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

// Fewer points cannot draw a curve.
constexpr int MinimumCurvePoints = 3;

// The last point of the run of points that share the X of the point at `first`.
int EndOfRun(const TFuzzySetValues* values, int first) {
  const TFzyFloat x = values->GetItem(first)->GetX();
  int last = first;
  while (last + 1 < values->GetCount() &&
         WithinPositionTolerance(values->GetItem(last + 1)->GetX(), x))
    ++last;
  return last;
}

// A run of points on one X is a vertical step: what it means is its entry height, its exit
// height and its highest point, which is the membership at that X. Points that the range moved
// onto its bound can form longer runs, which a point list read from text cannot hold (a fourth
// point on one X removes the middle one), so such a run keeps the three that carry its meaning
// and the membership stays the same everywhere.
void KeepStepPoints(TFuzzySetValues* values) {
  for (int first = 0; first < values->GetCount(); ++first) {
    const int last = EndOfRun(values, first);
    if (last - first < 3) continue;
    int highest = first + 1;
    for (int i = first + 2; i < last; ++i) {
      if (values->GetItem(i)->GetY() > values->GetItem(highest)->GetY()) highest = i;
    }
    const TFzyFloat ends = std::max(values->GetItem(first)->GetY(), values->GetItem(last)->GetY());
    const bool keepHighest = values->GetItem(highest)->GetY() > ends;
    for (int i = last - 1; i > first; --i) {
      if (!(keepHighest && i == highest)) values->Delete(i);
    }
    first += keepHighest ? 2 : 1;
  }
}

// Answers whether the clean-up at the batch's close dropped points.
template <class TSteps>
bool InBatch(TFuzzySetValues* values, TSteps&& steps) {
  TCollectionUpdate batch(values);
  steps();
  const int added = values->GetCount();
  batch.End();
  return values->GetCount() < added;
}

// Points that go into an empty list of the plain class, inside the range, in order and each
// more than the tolerance past the one before, stay exactly as they are: nothing is clamped,
// moved or merged, so they may go in in one step.
bool IsSettledAsTheyStand(const TFuzzySetValues* values, TFzyFloat minimum, TFzyFloat maximum,
                          std::span<const TFuzzyPoint> points) {
  if (values->GetCount() != 0 || typeid(*values) != typeid(TFuzzySetValues)) return false;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TFuzzyPoint& point = points[i];
    if (!(point.X >= minimum && point.X <= maximum && point.Y >= 0.0 && point.Y <= 1.0)) {
      return false;
    }
    const bool apart =
        i == 0 || (points[i - 1].X < point.X && !WithinPositionTolerance(points[i - 1].X, point.X));
    if (!apart) return false;
  }
  return true;
}

// Points that the variable's range moved onto its bound keep their heights; where those are
// nearly equal the clean-up merges them, and how many points the shape had can no longer be
// told from the rest. Such a set is only its points: the writer then writes them, instead of
// parameters that would draw another shape.
// The same holds when fewer than two points stay inside the range: no step of the shape is
// left to measure. A set that is only its points keeps, of each run on one X, the points a
// point list read from text can hold. A shape drawn inside another's batch (the halves of a PI
// curve) leaves all this to the outer shape.
TFuzzySetType GeneratedType(TFuzzySet& set, bool merged, TFuzzySetType shape) {
  TFuzzySetValues* values = set.GetValues();
  if (values->GetCount() == 0 || values->GetUpdateCount() > 0) return shape;
  const TFzyFloat lower = set.GetXRange(1);
  const TFzyFloat upper = set.GetXRange(0);
  int inside = 0;
  for (const TFuzzySetValue* point : *values) {
    inside += point->GetX() > lower && point->GetX() < upper;
  }
  const bool cut = values->GetItem(0)->GetX() <= lower ||
                   values->GetItem(values->GetCount() - 1)->GetX() >= upper;
  if (!cut || !(merged || inside < 2)) return shape;
  TCollectionUpdate batch(values);
  KeepStepPoints(values);
  batch.End();
  return fstUserDefined;
}

void CheckRange(TFzyFloat left, TFzyFloat right) {
  if (left > right) throw EFzyException::CreateFmt(SInvalidRangeArguments, left, right);
}

// The S curve from 0 at `left` to 1 at `right`, turning at their midpoint.
long double GrowthValue(long double x, long double left, long double right) {
  const long double width = right - left;
  if (x <= left) return 0.0L;
  if (x <= (left + right) / 2) {
    const long double ratio = (x - left) / width;
    return 2 * ratio * ratio;
  }
  if (x <= right) {
    const long double ratio = (x - right) / width;
    return 1 - 2 * ratio * ratio;
  }
  return 1.0L;
}

// At the centre the curve is 1 whatever its inflection point; computing it would divide 0 by 0
// for an inflection point of 0 and store a Y that is not a number.
long double BetaValue(long double x, long double center, long double inflectionPoint,
                      long double weight) {
  const long double offset = x - center;
  if (offset == 0) return 1.0L;
  const long double ratio = offset / inflectionPoint;
  return 1 / (1 + weight * ratio * ratio);
}

// Adds `count` points from `start` in steps of `step`, accumulated in extended precision so that
// the last point lands where the range ends; `value` gives each point's Y from its X. SetValue
// clamps every X into the set's range: SetX would leave a new point's X of 0 alone, wherever
// the range lies.
template <class TValue>
void AddSampledPoints(TFuzzySetValues* values, int count, long double start, long double step,
                      TValue&& value) {
  long double x = start;
  for (int i = 0; i < count; ++i, x += step) {
    values->Add()->SetValue(static_cast<TFzyFloat>(x), static_cast<TFzyFloat>(value(x)));
  }
}

bool IsGeneratedShape(TFuzzySetType value) {
  return value >= fstTriangle && value <= fstGrowthCurve;
}

}  // namespace

void TFuzzySet::CreateTriangleFunctionValues(TFzyFloat left, TFzyFloat middle, TFzyFloat right) {
  if (right < left) right = left;
  if (middle < left) {
    middle = left;
  } else if (middle > right) {
    middle = right;
  }
  const TFuzzyPoint points[] = {{left, 0.0}, {middle, 1.0}, {right, 0.0}};
  if (IsSettledAsTheyStand(FValues, GetXRange(1), GetXRange(0), points)) {
    FValues->SetCapacity(static_cast<int>(std::size(points)));
    FValues->AppendSettled(points);
  } else {
    InBatch(FValues, [&] {
      for (const TFuzzyPoint& point : points) FValues->Add(point.X, point.Y);
    });
  }
  FSetType = fstTriangle;
}

void TFuzzySet::CreateCurveValues(int n, TFzyFloat left, TFzyFloat right, TFzyFloat inflectionPoint,
                                  bool growth) {
  CheckRange(left, right);
  n = std::max(n, MinimumCurvePoints);
  const long double step = (static_cast<long double>(right) - left) / (n - 1);
  const bool merged = InBatch(FValues, [&] {
    AddSampledPoints(FValues, n, left, step, [&](long double x) {
      const long double y = GrowthValue(x, left, right);
      return growth ? y : 1 - y;
    });
  });
  FInflectionPoint = inflectionPoint;
  FSetType = GeneratedType(*this, merged, growth ? fstGrowthCurve : fstDeclineCurve);
}

void TFuzzySet::CreatePIFunctionValues(int n, TFzyFloat left, TFzyFloat right, TFzyFloat center) {
  CheckRange(left, right);
  if (center < left) {
    center = left;
  } else if (center > right) {
    center = right;
  }
  const int half = n / 2 + 1;
  const bool merged = InBatch(FValues, [&] {
    CreateCurveValues(half, left, center, left + (center - left) / 2, true);
    // Both halves end in the peak: an odd count keeps one copy, an even count neither.
    if (n % 2 == 0) FValues->Delete(FValues->GetCount() - 1);
    CreateCurveValues(half, center, right, center + (right - center) / 2, false);
    if (FValues->GetCount() > n) FValues->Delete(n / 2);
  });
  // A peak on or beyond a bound puts the whole half past it onto the bound, where its steps
  // can no longer be told.
  const bool halfLost = center <= GetXRange(1) || center >= GetXRange(0);
  FSetType = GeneratedType(*this, merged || halfLost, fstPICurve);
}

void TFuzzySet::CreatePIFunctionValues(int n, TFzyFloat range, TFzyFloat center) {
  CreatePIFunctionValues(n, center - range, center + range, center);
}

void TFuzzySet::CreateBetaCurveFunctionValues(int n, TFzyFloat range, TFzyFloat center,
                                              TFzyFloat inflectionPoint, TFzyFloat weight) {
  n = std::max(n, MinimumCurvePoints);
  const long double step = 2 * static_cast<long double>(range) / (n - 1);
  const bool merged = InBatch(FValues, [&] {
    AddSampledPoints(FValues, n, static_cast<long double>(center) - range, step,
                     [&](long double x) { return BetaValue(x, center, inflectionPoint, weight); });
  });
  FInflectionPoint = inflectionPoint;
  FSetType = GeneratedType(*this, merged, fstBetaCurve);
}

void TFuzzySet::CreateBetaCurveFunctionValues(int n, TFzyFloat range, TFzyFloat center,
                                              TFzyFloat inflectionPoint) {
  CreateBetaCurveFunctionValues(n, range, center, inflectionPoint, 1.0);
}

void TFuzzySet::CreateShapeValues(const TFuzzyShape& shape, TFzyFloat tolerance) {
  const std::string fault = FuzzyShapeFault(shape);
  if (!fault.empty()) {
    throw EFzyException(std::string("(") + FuzzyShapeName(shape.Kind) + " ...) " + fault);
  }
  const std::vector<TShapePoint> points =
      SampleFuzzyShape(shape, GetXRange(1), GetXRange(0), tolerance);
  InBatch(FValues, [&] {
    for (const TShapePoint& point : points) FValues->Add()->SetValue(point.X, point.Y);
  });
  FShape = shape;
}

void TFuzzySet::CreateShapeValues(const TFuzzyShape& shape) {
  const TCustomFuzzyLogic* fuzzy = GetFuzzyLogic();
  CreateShapeValues(shape, fuzzy == nullptr ? DefaultShapeTolerance : fuzzy->GetShapeTolerance());
}

void TFuzzySet::SetSetType(TFuzzySetType value) {
  if (value == FSetType) return;
  FSetType = value;
  if (IsGeneratedShape(value)) {
    GenerateDefaultShape(value);
    // Closing the generator's batch made the set user-defined, yet its points are exactly the
    // new shape; reading the type back should say so.
    FSetType = value;
  }
  Changed(false);
}

void TFuzzySet::GenerateDefaultShape(TFuzzySetType value) {
  const TFzyFloat maximum = GetXRange(0);
  const TFzyFloat minimum = GetXRange(1);
  const TFzyFloat width = maximum - minimum;
  const int n = GetNumFunctionValues();
  const TFzyFloat left = minimum + width * ONE_THIRD;
  const TFzyFloat right = minimum + width * TWO_THIRDS;
  const TFzyFloat curveInflection = left + (right - left) / 2;
  const TFzyFloat center = minimum + width / 2;
  const TFzyFloat third = width * ONE_THIRD;
  InBatch(FValues, [&] {
    FValues->Clear();
    switch (value) {
      case fstTriangle:
        CreateTriangleFunctionValues(center - third, center, center + third);
        break;
      case fstDeclineCurve:
        CreateCurveValues(n, left, right, curveInflection, false);
        break;
      case fstPICurve:
        CreatePIFunctionValues(n, third, center);
        break;
      case fstBetaCurve:
        CreateBetaCurveFunctionValues(n, third, center, (width / 2 - third) / 2, 1.0);
        break;
      case fstGrowthCurve:
        CreateCurveValues(n, left, right, curveInflection, true);
        break;
      case fstUserDefined:
        break;
    }
  });
}

}  // namespace fuzzy
