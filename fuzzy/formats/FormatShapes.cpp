#include "fuzzy/formats/FormatShapes.h"

#include <algorithm>

namespace fuzzy {

namespace {

const TFormatShape FisTable[] = {
    {"trapmf", fskTrapezoid, {0, 1, 2, 3}},
    {"gaussmf", fskGauss, {1, 0}},
    {"gauss2mf", fskGauss2, {1, 0, 3, 2}},
    {"gbellmf", fskBell, {2, 0, 1}},
    {"sigmf", fskSigmoid, {1, 0}},
    {"dsigmf", fskSigmoidDifference, {1, 0, 3, 2}},
    {"psigmf", fskSigmoidProduct, {1, 0, 3, 2}},
    {"smf", fskSpline, {0, 1}},
    {"zmf", fskSplineDecline, {0, 1}},
    {"pimf", fskSplinePi, {0, 1, 2, 3}},
    {"constant", fskConstant, {0}},
};

const TFormatShape FclTable[] = {
    {"TRAPE", fskTrapezoid, {0, 1, 2, 3}},
    {"GAUSS", fskGauss, {0, 1}},
    {"GBELL", fskBell, {2, 0, 1}},
    {"SIGM", fskSigmoid, {1, 0}},
    {"DSIGM", fskSigmoidDifference, {1, 0, 3, 2}},
    {"COSINE", fskCosine, {0, 1}},
    {"SINGLETON", fskConstant, {0}},
};

}  // namespace

std::span<const TFormatShape> FisShapes() {
  return FisTable;
}

std::span<const TFormatShape> FclShapes() {
  return FclTable;
}

const TFormatShape* FormatShapeNamed(std::span<const TFormatShape> shapes,
                                     const std::string& name) {
  const auto found = std::find_if(shapes.begin(), shapes.end(),
                                  [&](const TFormatShape& s) { return name == s.Name; });
  return found == shapes.end() ? nullptr : &*found;
}

const TFormatShape* FormatShapeOfKind(std::span<const TFormatShape> shapes, TFuzzyShapeKind kind) {
  const auto found = std::find_if(shapes.begin(), shapes.end(),
                                  [&](const TFormatShape& s) { return s.Kind == kind; });
  return found == shapes.end() ? nullptr : &*found;
}

std::vector<TFzyFloat> ShapeParameters(const TFormatShape& shape,
                                       const std::vector<TFzyFloat>& numbers) {
  std::vector<TFzyFloat> parameters;
  for (const std::size_t from : shape.Order) parameters.push_back(numbers[from]);
  return parameters;
}

std::vector<TFzyFloat> FormatNumbers(const TFormatShape& shape,
                                     const std::vector<TFzyFloat>& parameters) {
  std::vector<TFzyFloat> numbers(shape.Order.size());
  for (std::size_t i = 0; i < shape.Order.size(); ++i) numbers[shape.Order[i]] = parameters[i];
  return numbers;
}

}  // namespace fuzzy
