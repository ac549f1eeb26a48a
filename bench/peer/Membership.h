// The membership functions compared on both sides: the same points, read at the same probes.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "fuzzy/framework/Object.h"

namespace fuzzy {
class TFuzzySet;
}

namespace fl {
class Term;
}

namespace peer {

using TPoints = std::vector<std::pair<double, double>>;

// Three points give the triangle (0 0) (5 1) (10 0); more give a zigzag with a plateau every
// fourth point, rising and falling so that lookups meet every kind of segment.
TPoints MembershipPoints(int count);
// 1024 positions spread over the points' span and a little beyond both ends.
std::vector<double> MembershipProbes(const TPoints& points);

// A free-standing set with the points.
fuzzy::TOwned<fuzzy::TFuzzySet> OurMembershipSet(const TPoints& points);
// A Triangle for three points, a Discrete term otherwise.
std::unique_ptr<fl::Term> PeerMembershipTerm(const TPoints& points);

}  // namespace peer
