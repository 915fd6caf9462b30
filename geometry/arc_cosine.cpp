#include "geometry/arc_cosine.hpp"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/charconv.hpp"

namespace sferonda {

namespace {

// The method and constants of fdlibm's float arc cosine (Sun Microsystems,
// 1993, freely distributable with its notice; float version by Ian Lance
// Taylor, Cygnus Support), which glibc's acosf also follows: checked equal
// to it for every float in [-1, 1]. Each step is one float operation in
// this order, no fused multiply-add (the build forbids contraction).
constexpr float PI = 3.1415925026e+00f;
constexpr float HALF_PI_HIGH = 1.5707962513e+00f;
constexpr float HALF_PI_LOW = 7.5497894159e-08f;

// acos near 0 and asin: x + x * ratio(x * x), a rational minimax fit.
float ratio(float z) {
    const float p = z * (1.6666667163e-01f +
                         z * (-3.2556581497e-01f +
                              z * (2.0121252537e-01f +
                                   z * (-4.0055535734e-02f + z * (7.9153501429e-04f + z * 3.4793309169e-05f)))));
    const float q = 1.0f + z * (-2.4033949375e+00f +
                                z * (2.0209457874e+00f + z * (-6.8828397989e-01f + z * 7.7038154006e-02f)));
    return p / q;
}

}  // namespace

float arc_cosine(float x) {
    const std::uint32_t bits = platform::bit_cast<std::uint32_t>(x);
    const std::uint32_t magnitude = bits & 0x7fffffffu;
    const bool negative = (bits >> 31) != 0;
    if (magnitude == 0x3f800000u) return negative ? PI + 2.0f * HALF_PI_LOW : 0.0f;
    if (magnitude > 0x3f800000u) return std::numeric_limits<float>::quiet_NaN();  // |x| > 1, or not a number
    if (magnitude < 0x3f000000u) {  // |x| < 0.5
        if (magnitude <= 0x32800000u) return HALF_PI_HIGH + HALF_PI_LOW;  // |x| <= 2^-26
        return HALF_PI_HIGH - (x - (HALF_PI_LOW - x * ratio(x * x)));
    }
    // |x| >= 0.5: from the half-angle, acos(x) = 2 asin(sqrt((1 - |x|) / 2)).
    if (negative) {
        const float z = (1.0f + x) * 0.5f;
        const float s = std::sqrt(z);
        return PI - 2.0f * (s + (ratio(z) * s - HALF_PI_LOW));
    }
    const float z = (1.0f - x) * 0.5f;
    const float s = std::sqrt(z);
    // s split: its head squares exactly, the tail is the correction.
    const float head = platform::bit_cast<float>(platform::bit_cast<std::uint32_t>(s) & 0xfffff000u);
    const float tail = (z - head * head) / (s + head);
    return 2.0f * (head + (ratio(z) * s + tail));
}

}  // namespace sferonda
