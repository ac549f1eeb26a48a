#include "bench/peer/Accuracy.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "bench/peer/Tipping.h"

namespace peer {

namespace {

// The largest distance from the exact centroid over the grid; a NaN anywhere counts as an
// infinite error, so that a missing result cannot pass.
template <typename TSide>
double MaxError(TSide& side, const std::vector<TTippingInput>& grid) {
  double worst = 0.0;
  for (const TTippingInput& input : grid) {
    const double error = std::fabs(side.Infer(input) - ExactTip(input));
    worst = std::isnan(error) ? INFINITY : std::max(worst, error);
  }
  return worst;
}

std::string Line(const char* side, const char* setting, double error) {
  char line[128];
  std::snprintf(line, sizeof line, "%-10s %-18s %.3e\n", side, setting, error);
  return line;
}

}  // namespace

TAccuracy MeasureAccuracy() {
  const std::vector<TTippingInput> grid = TippingGrid();
  TAccuracy accuracy;
  TOurTipping ours;
  accuracy.OursMaxError = MaxError(ours, grid);
  for (const int resolution : PeerResolutions) {
    TPeerTipping peer(resolution);
    accuracy.Peer.push_back({resolution, MaxError(peer, grid)});
  }
  return accuracy;
}

std::string AccuracyTable(const TAccuracy& accuracy) {
  std::string table = "side       centroid           max |error| over the 21 x 21 grid\n";
  table += Line("ours", "exact", accuracy.OursMaxError);
  for (const TPeerError& peer : accuracy.Peer) {
    const std::string setting = "resolution " + std::to_string(peer.Resolution);
    table += Line("fuzzylite", setting.c_str(), peer.MaxError);
  }
  return table;
}

}  // namespace peer
