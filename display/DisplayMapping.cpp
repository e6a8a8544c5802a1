#include "display/DisplayMapping.h"

namespace kestrel::display {
namespace {

constexpr auto kIndex = [] {
    std::array<std::array<std::array<int, 2>, 9>, 9> index{};
    for (auto& m : index)
        for (auto& n : m) n = {-1, -1};
    for (int i = 0; i < kSpurLineCount; ++i) {
        const SpurLineId id = kReplayOrder[i];
        index[id.m][id.n][id.sum] = i;
    }
    return index;
}();

} // namespace

int replayIndex(SpurLineId id) {
    if (!hasSpurLine(id) || id.m > 8) return -1;
    return kIndex[id.m][id.n][id.sum];
}

QString spurLineName(SpurLineId id) {
    if (!id.sum && id.m == 2 && id.n == 8) return QStringLiteral("spur2x8");
    return QStringLiteral("%1%2x%3").arg(id.sum ? "Spurs" : "Spur").arg(id.m).arg(id.n);
}

QString spurLineLabel(SpurLineId id) {
    return QStringLiteral("%1 LO %2 %3 RF").arg(id.m).arg(id.sum ? '+' : '-').arg(id.n);
}

} // namespace kestrel::display
