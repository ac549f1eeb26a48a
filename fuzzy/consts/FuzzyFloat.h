// The one number type of the library: every X, Y, range bound, threshold and crisp value.
#pragma once

namespace fuzzy {

using TFzyFloat = double;

}  // namespace fuzzy
