#include "core/layouts/layout.h"

#include <algorithm>
#include <climits>

namespace vx {

int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                        : -((-scaled + half) / kTwipsPerInch));
}

PixelRect ToPixels(const ControlDef& spec, int dpi) {
    return {TwipsToPixels(spec.left, dpi), TwipsToPixels(spec.top, dpi),
            TwipsToPixels(spec.width, dpi), TwipsToPixels(spec.height, dpi)};
}

std::vector<const ControlDef*> InCreationOrder(std::span<const ControlDef> specs) {
    std::vector<const ControlDef*> out;
    for (const auto& s : specs) out.push_back(&s);
    // Controls without a tab index keep their table order after those that have one.
    std::stable_sort(out.begin(), out.end(), [](const ControlDef* a, const ControlDef* b) {
        const int ta = a->tabIndex < 0 ? INT_MAX : a->tabIndex;
        const int tb = b->tabIndex < 0 ? INT_MAX : b->tabIndex;
        return ta < tb;
    });
    return out;
}

}  // namespace vx
