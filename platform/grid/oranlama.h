#pragma once

#include <vector>

namespace grid {

// The proportional column rule: for a grid `genislik` pixels wide, one weight unit is
// (genislik − 30) / the sum of the weights, truncated towards zero (never below 0), and each
// column gets its weight times the unit; a weight of 0 gives the width 0. When the weights sum
// to 0 there is nothing to share: the result is empty and the caller keeps its widths.
std::vector<int> OrantiliGenislikler(const std::vector<int>& agirliklar, int genislik);

// Pixels the rule leaves for the row indicator and the vertical scroll bar.
inline constexpr int OranPayi = 30;

} // namespace grid
