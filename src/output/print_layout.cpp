#include "output/print_layout.h"

#include <algorithm>

namespace kurvo {

PrintRect PrintRectangle(int32_t pageWidth, int32_t pageHeight, int32_t percent, int32_t plotWidth,
                         int32_t plotHeight) {
    const int32_t halfW = pageWidth / 2;
    const int32_t halfH = pageHeight / 2;
    const int32_t ratio = std::max<int32_t>(1, plotHeight > 0 ? plotWidth / plotHeight : 1);
    // 64-bit products: a percentage typed as 99999 must not wrap.
    const auto scaled = [percent](int32_t v) {
        return static_cast<int32_t>(static_cast<int64_t>(v) * percent / 100);
    };
    const int32_t v = pageHeight / (ratio * 2);
    return {halfW - scaled(halfW), halfH - scaled(v), halfW + scaled(halfW), halfH + scaled(v)};
}

std::string PrintCaption(const std::string& graphText) { return "y= " + graphText; }

}  // namespace kurvo
