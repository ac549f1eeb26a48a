// TFuzzySet: cutting a set at a membership level. Both cuts answer a new set in the receiver's
// collection and insert a point wherever the membership function crosses the level, so the
// result is exact rather than clipped at the existing points only.
#include <algorithm>
#include <string>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FreeOnError.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

TFzyFloat ClampLevel(TFzyFloat level) {
  return std::clamp(level, 0.0, 1.0);
}

// The X where the segment from p to q meets the level.
TFzyFloat CrossingX(const TFuzzySetValue* p, const TFuzzySetValue* q, TFzyFloat level) {
  return TFuzzySet::InterpolateX(p->GetX(), p->GetY(), q->GetX(), q->GetY(), level);
}

void AppendCopy(TFuzzySetValues* target, const TFuzzySetValue* point) {
  target->Add(point->GetX(), point->GetY());
}

// A new set of the receiver's own class in the receiver's collection, held so that it is freed
// should its making fail: it must neither linger in the collection nor leak without one.
TFreeOnError<TFuzzySet> NewResult(const TFuzzySet* receiver) {
  const TCollectionItem* item = receiver;
  return TFreeOnError<TFuzzySet>(receiver->GetClassType().Create(item->GetCollection()));
}

bool InsideAlphaCut(TFzyFloat y, TFzyFloat alpha, bool strict) {
  return y > alpha || (!strict && y == alpha);
}

// The receiver's membership where it is inside the cut and 0 elsewhere, with a vertical step
// of height alpha at each edge of the cut.
void AppendAlphaCut(const TFuzzySetValues* source, TFuzzySetValues* target, TFzyFloat alpha,
                    bool strict) {
  const TFuzzySetValue* previous = source->GetItem(0);
  bool previousInside = InsideAlphaCut(previous->GetY(), alpha, strict);
  target->Add(previous->GetX(), previousInside ? previous->GetY() : 0.0);
  for (int i = 1; i < source->GetCount(); ++i) {
    const TFuzzySetValue* current = source->GetItem(i);
    const bool currentInside = InsideAlphaCut(current->GetY(), alpha, strict);
    if (currentInside != previousInside) {
      const TFzyFloat x = CrossingX(previous, current, alpha);
      target->Add(x, previousInside ? alpha : 0.0);
      target->Add(x, previousInside ? 0.0 : alpha);
    }
    if (currentInside) AppendCopy(target, current);
    previous = current;
    previousInside = currentInside;
  }
}

// The cases that do not depend on the receiver's shape: the strict cut at 0 keeps everything,
// the strict cut at 1 keeps nothing. They hold for a receiver without points as well.
bool AppendTrivialAlphaCut(TFuzzySetValues* source, TFuzzySetValues* target, TFzyFloat alpha,
                           bool strict) {
  if (!strict) return false;
  if (alpha == 0.0) {
    target->Assign(source);
    return true;
  }
  if (alpha == 1.0) {
    target->Add();
    return true;
  }
  return false;
}

bool CrossesLevel(TFzyFloat from, TFzyFloat level, TFzyFloat to) {
  return (from < level && level < to) || (from > level && level > to);
}

// The points on the kept side of the level (at or above it for a union, at or below it for an
// intersection) and the points where the function crosses it. Membership continues at the
// first and last Y, so this is max(Y, level) or min(Y, level) wherever the function reaches the
// kept side at all.
void AppendCutoff(const TFuzzySetValues* source, TFuzzySetValues* target, TFzyFloat level,
                  bool unionWithLevel) {
  const auto kept = [&](const TFuzzySetValue* point) {
    return unionWithLevel ? point->GetY() >= level : point->GetY() <= level;
  };
  const TFuzzySetValue* previous = source->GetItem(0);
  if (kept(previous)) AppendCopy(target, previous);
  for (int i = 1; i < source->GetCount(); ++i) {
    const TFuzzySetValue* current = source->GetItem(i);
    if (CrossesLevel(previous->GetY(), level, current->GetY())) {
      target->Add(CrossingX(previous, current, level), level);
    }
    if (kept(current)) AppendCopy(target, current);
    previous = current;
  }
}

// The identity (union with 0, intersection with 1) and the constant (union with 1,
// intersection with 0) do not depend on the receiver's shape, and hold for a receiver without
// points as well: the constant is the level whatever the receiver is.
bool AppendTrivialCutoff(TFuzzySetValues* source, TFuzzySetValues* target, TFzyFloat level,
                         bool unionWithLevel) {
  const TFzyFloat identity = unionWithLevel ? 0.0 : 1.0;
  const TFzyFloat constant = unionWithLevel ? 1.0 : 0.0;
  if (level == identity) {
    target->Assign(source);
    return true;
  }
  if (level == constant) {
    target->Add()->SetY(level);
    return true;
  }
  return false;
}

}  // namespace

TFuzzySet* TFuzzySet::AlphaCutoff(TFzyFloat alpha, bool strict) const {
  TFreeOnError<TFuzzySet> result = NewResult(this);
  result->SetNameText(FName);
  const TFzyFloat level = ClampLevel(alpha);
  TFuzzySetValues* points = result->GetValues();
  TCollectionUpdate batch(points);
  if (!AppendTrivialAlphaCut(FValues, points, level, strict) && FValues->GetCount() > 0) {
    AppendAlphaCut(FValues, points, level, strict);
  }
  batch.End();
  return result.Release();
}

TFuzzySet* TFuzzySet::Cutoff(TFzyFloat value, bool unionWithLevel) const {
  const std::string keyword =
      unionWithLevel ? FuzzyUnionKeywords[foZadeh] : FuzzyIntersectionKeywords[foZadeh];
  TFreeOnError<TFuzzySet> result = NewResult(this);
  // The name keeps the level as asked for; the points and the expression use it clamped.
  result->SetName(CreateFuzzyName(FName.ToString(), keyword, value));
  const TFzyFloat level = ClampLevel(value);
  TFuzzySetValues* points = result->GetValues();
  TCollectionUpdate batch(points);
  if (!AppendTrivialCutoff(FValues, points, level, unionWithLevel) && FValues->GetCount() > 0) {
    AppendCutoff(FValues, points, level, unionWithLevel);
  }
  batch.End();
  // Closing the batch reports a new shape, which clears the expression: it is given afterwards.
  if (!FExpression.IsEmpty()) {
    result->SetExpression(FExpression.ToString() + " " + keyword + " " +
                          Format(FuzzyFormatStr, level));
  }
  return result.Release();
}

}  // namespace fuzzy
