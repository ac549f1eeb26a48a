// The enumerations of the fuzzy vocabulary, each with the declared names of its members, so that
// GetEnumName(foZadeh) answers "foZadeh", and helpers to walk an enumeration in member order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "fuzzy/framework/SysUtils.h"

namespace fuzzy {

enum TFuzzyCorrelationMethod : std::uint8_t { fcmMinimum, fcmProduct };

enum TFuzzyInferenceMethod : std::uint8_t {
  fimMinMax,
  fimAdditive,
  fimMean,
  fimProduct,
  fimBoundedSum
};

// The seventh member really is spelled with "bfg": applications already use that name.
enum TBaseFuzzyHedge : std::uint8_t {
  bfhAdd,
  bfhSubtract,
  bfhMultiply,
  bfhDivide,
  bfhPower,
  bfhCutLess,
  bfgCutLessEq,
  bfhCutGreater,
  bfhCutGreaterEq
};

enum TDefuzzificationMethod : std::uint8_t { dmCenterOfGravity, dmMeanOfMaxima };

enum TFuzzySetType : std::uint8_t {
  fstUserDefined,
  fstTriangle,
  fstDeclineCurve,
  fstPICurve,
  fstBetaCurve,
  fstGrowthCurve
};

enum TFuzzyHedge : std::uint8_t {
  fhNot,
  fhSomewhat,
  fhMoreOrLess,
  fhGreatly,
  fhPlus,
  fhVery,
  fhExtremely,
  fhAbove,
  fhBelow,
  fhSlightly,
  fhNormalize,
  fhAbout,
  fhVicinity,
  fhClose,
  fhNear,
  fhNeighboring,
  fhPositively,
  fhAbsolutely,
  fhDefinitely,
  fhGenerally
};

enum TFuzzyOperation : std::uint8_t {
  foZadeh,
  foMean,
  foMeanSqr,
  foMeanSqrt,
  foProduct,
  foBoundedSum,
  foSum
};

enum TXYUpdateType : std::uint8_t { utX, utY };

// Shares the "fst" prefix with TFuzzySetType; no member name is shared, so both live side by side.
enum TFuzzyStreamTokenType : std::uint8_t {
  fstNone,
  fstAtom,
  fstString,
  fstInteger,
  fstFloat,
  fstVariable,
  fstInterface,
  fstList,
  fstIFuzzySet,
  fstObject,
  fstFuzzySet
};

template <>
struct TEnumNames<TFuzzyCorrelationMethod> {
  static constexpr std::array Names{"fcmMinimum", "fcmProduct"};
};

template <>
struct TEnumNames<TFuzzyInferenceMethod> {
  static constexpr std::array Names{"fimMinMax", "fimAdditive", "fimMean", "fimProduct",
                                    "fimBoundedSum"};
};

template <>
struct TEnumNames<TBaseFuzzyHedge> {
  static constexpr std::array Names{"bfhAdd",       "bfhSubtract",   "bfhMultiply",
                                    "bfhDivide",    "bfhPower",      "bfhCutLess",
                                    "bfgCutLessEq", "bfhCutGreater", "bfhCutGreaterEq"};
};

template <>
struct TEnumNames<TDefuzzificationMethod> {
  static constexpr std::array Names{"dmCenterOfGravity", "dmMeanOfMaxima"};
};

template <>
struct TEnumNames<TFuzzySetType> {
  static constexpr std::array Names{"fstUserDefined", "fstTriangle",  "fstDeclineCurve",
                                    "fstPICurve",     "fstBetaCurve", "fstGrowthCurve"};
};

template <>
struct TEnumNames<TFuzzyHedge> {
  static constexpr std::array Names{"fhNot",        "fhSomewhat",   "fhMoreOrLess", "fhGreatly",
                                    "fhPlus",       "fhVery",       "fhExtremely",  "fhAbove",
                                    "fhBelow",      "fhSlightly",   "fhNormalize",  "fhAbout",
                                    "fhVicinity",   "fhClose",      "fhNear",       "fhNeighboring",
                                    "fhPositively", "fhAbsolutely", "fhDefinitely", "fhGenerally"};
};

template <>
struct TEnumNames<TFuzzyOperation> {
  static constexpr std::array Names{"foZadeh",   "foMean",       "foMeanSqr", "foMeanSqrt",
                                    "foProduct", "foBoundedSum", "foSum"};
};

template <>
struct TEnumNames<TXYUpdateType> {
  static constexpr std::array Names{"utX", "utY"};
};

template <>
struct TEnumNames<TFuzzyStreamTokenType> {
  static constexpr std::array Names{"fstNone",      "fstAtom",     "fstString",    "fstInteger",
                                    "fstFloat",     "fstVariable", "fstInterface", "fstList",
                                    "fstIFuzzySet", "fstObject",   "fstFuzzySet"};
};

// The number of members of an enumeration that has its names declared.
template <class E>
inline constexpr std::size_t EnumCount = TEnumNames<E>::Names.size();

// Every member of E in declaration order, for range-for loops over tables and recognisers.
template <class E>
constexpr std::array<E, EnumCount<E>> EnumMembers() {
  std::array<E, EnumCount<E>> members{};
  for (std::size_t i = 0; i < members.size(); ++i) members[i] = static_cast<E>(i);
  return members;
}

// A name list that drifts from its enumeration would misname members silently.
static_assert(EnumCount<TFuzzyCorrelationMethod> == fcmProduct + 1);
static_assert(EnumCount<TFuzzyInferenceMethod> == fimBoundedSum + 1);
static_assert(EnumCount<TBaseFuzzyHedge> == bfhCutGreaterEq + 1);
static_assert(EnumCount<TDefuzzificationMethod> == dmMeanOfMaxima + 1);
static_assert(EnumCount<TFuzzySetType> == fstGrowthCurve + 1);
static_assert(EnumCount<TFuzzyHedge> == fhGenerally + 1);
static_assert(EnumCount<TFuzzyOperation> == foSum + 1);
static_assert(EnumCount<TXYUpdateType> == utY + 1);
static_assert(EnumCount<TFuzzyStreamTokenType> == fstFuzzySet + 1);

}  // namespace fuzzy
