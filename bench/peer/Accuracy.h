// How far each side's tip lies from the exact centroid over the whole input grid, measured once
// outside the timed loops.
#pragma once

#include <string>
#include <vector>

namespace peer {

// Our results must match the exact centroid to this.
inline constexpr double ExactTolerance = 1e-9;
// The peer resolutions measured.
inline constexpr int PeerResolutions[] = {100, 1000, 10000};

struct TPeerError {
  int Resolution;
  double MaxError;
};

struct TAccuracy {
  double OursMaxError = 0.0;
  std::vector<TPeerError> Peer;

  bool OursExact() const { return OursMaxError <= ExactTolerance; }
};

TAccuracy MeasureAccuracy();
// A plain-text table of the errors, one line per side and resolution.
std::string AccuracyTable(const TAccuracy& accuracy);

}  // namespace peer
