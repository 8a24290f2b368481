#include "platform/grid/oranlama.h"

#include <algorithm>
#include <numeric>

namespace grid {

std::vector<int> OrantiliGenislikler(const std::vector<int>& agirliklar, int genislik) {
    const long long toplam = std::accumulate(agirliklar.begin(), agirliklar.end(), 0LL);
    if (toplam <= 0)
        return {};
    // Integer division truncates towards zero; a grid narrower than the allowance gets no
    // negative widths.
    const long long birim = std::max(0LL, (static_cast<long long>(genislik) - OranPayi) / toplam);
    std::vector<int> genislikler;
    genislikler.reserve(agirliklar.size());
    for (const int agirlik : agirliklar)
        genislikler.push_back(static_cast<int>(std::max(0LL, agirlik * birim)));
    return genislikler;
}

} // namespace grid
