#pragma once

namespace linkvale {

// Half of a width or height, rounded to the nearest whole number with ties
// going to the even one (465 gives 232, 467 gives 234).
constexpr int roundedHalf(int width) {
    const int half = width / 2;
    const bool tie = width % 2 != 0;
    if (!tie)
        return half;
    if (width > 0)
        return half % 2 == 0 ? half : half + 1;
    return half % 2 == 0 ? half : half - 1;
}

} // namespace linkvale
