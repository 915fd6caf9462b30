#include "writers/mesh_angles.hpp"

#include <cassert>
#include <span>

namespace sferonda {

namespace {

// Printed by scripts/make-mesh-angles.py from glibc 2.36's sin and cos.
constexpr SineCosine TURN_8[8] = {
    {0x0.0p+0, 0x1.0000000000000p+0},  // 0
    {0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp-1},  // 1
    {0x1.0000000000000p+0, 0x1.1a62633145c07p-54},  // 2
    {0x1.6a09e667f3bcdp-1, -0x1.6a09e667f3bccp-1},  // 3
    {0x1.1a62633145c07p-53, -0x1.0000000000000p+0},  // 4
    {-0x1.6a09e667f3bccp-1, -0x1.6a09e667f3bcep-1},  // 5
    {-0x1.0000000000000p+0, -0x1.a79394c9e8a0ap-53},  // 6
    {-0x1.6a09e667f3bcep-1, 0x1.6a09e667f3bcbp-1},  // 7
};
constexpr SineCosine TURN_12[12] = {
    {0x0.0p+0, 0x1.0000000000000p+0},  // 0
    {0x1.fffffffffffffp-2, 0x1.bb67ae8584cabp-1},  // 1
    {0x1.bb67ae8584caap-1, 0x1.0000000000001p-1},  // 2
    {0x1.0000000000000p+0, 0x1.1a62633145c07p-54},  // 3
    {0x1.bb67ae8584cabp-1, -0x1.ffffffffffffcp-2},  // 4
    {0x1.fffffffffffffp-2, -0x1.bb67ae8584cabp-1},  // 5
    {0x1.1a62633145c07p-53, -0x1.0000000000000p+0},  // 6
    {-0x1.ffffffffffffbp-2, -0x1.bb67ae8584cacp-1},  // 7
    {-0x1.bb67ae8584ca8p-1, -0x1.0000000000004p-1},  // 8
    {-0x1.0000000000000p+0, -0x1.a79394c9e8a0ap-53},  // 9
    {-0x1.bb67ae8584caap-1, 0x1.0000000000001p-1},  // 10
    {-0x1.0000000000004p-1, 0x1.bb67ae8584ca8p-1},  // 11
};
constexpr SineCosine TURN_24[24] = {
    {0x0.0p+0, 0x1.0000000000000p+0},  // 0
    {0x1.0907dc1930690p-2, 0x1.ee8dd4748bf15p-1},  // 1
    {0x1.fffffffffffffp-2, 0x1.bb67ae8584cabp-1},  // 2
    {0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp-1},  // 3
    {0x1.bb67ae8584caap-1, 0x1.0000000000001p-1},  // 4
    {0x1.ee8dd4748bf15p-1, 0x1.0907dc1930690p-2},  // 5
    {0x1.0000000000000p+0, 0x1.1a62633145c07p-54},  // 6
    {0x1.ee8dd4748bf15p-1, -0x1.0907dc193068ep-2},  // 7
    {0x1.bb67ae8584cabp-1, -0x1.ffffffffffffcp-2},  // 8
    {0x1.6a09e667f3bcdp-1, -0x1.6a09e667f3bccp-1},  // 9
    {0x1.fffffffffffffp-2, -0x1.bb67ae8584cabp-1},  // 10
    {0x1.0907dc1930695p-2, -0x1.ee8dd4748bf14p-1},  // 11
    {0x1.1a62633145c07p-53, -0x1.0000000000000p+0},  // 12
    {-0x1.0907dc1930691p-2, -0x1.ee8dd4748bf15p-1},  // 13
    {-0x1.ffffffffffffbp-2, -0x1.bb67ae8584cacp-1},  // 14
    {-0x1.6a09e667f3bc9p-1, -0x1.6a09e667f3bd0p-1},  // 15
    {-0x1.bb67ae8584ca8p-1, -0x1.0000000000004p-1},  // 16
    {-0x1.ee8dd4748bf15p-1, -0x1.0907dc193068ep-2},  // 17
    {-0x1.0000000000000p+0, -0x1.a79394c9e8a0ap-53},  // 18
    {-0x1.ee8dd4748bf16p-1, 0x1.0907dc1930688p-2},  // 19
    {-0x1.bb67ae8584caap-1, 0x1.0000000000001p-1},  // 20
    {-0x1.6a09e667f3bcep-1, 0x1.6a09e667f3bcbp-1},  // 21
    {-0x1.0000000000004p-1, 0x1.bb67ae8584ca8p-1},  // 22
    {-0x1.0907dc193069fp-2, 0x1.ee8dd4748bf13p-1},  // 23
};
constexpr SineCosine TURN_48[48] = {
    {0x0.0p+0, 0x1.0000000000000p+0},  // 0
    {0x1.0b5150f6da2d0p-3, 0x1.fb9ea92ec689bp-1},  // 1
    {0x1.0907dc1930690p-2, 0x1.ee8dd4748bf15p-1},  // 2
    {0x1.87de2a6aea963p-2, 0x1.d906bcf328d46p-1},  // 3
    {0x1.fffffffffffffp-2, 0x1.bb67ae8584cabp-1},  // 4
    {0x1.37af93f9513eap-1, 0x1.963268b572492p-1},  // 5
    {0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp-1},  // 6
    {0x1.963268b572492p-1, 0x1.37af93f9513eap-1},  // 7
    {0x1.bb67ae8584caap-1, 0x1.0000000000001p-1},  // 8
    {0x1.d906bcf328d46p-1, 0x1.87de2a6aea964p-2},  // 9
    {0x1.ee8dd4748bf15p-1, 0x1.0907dc1930690p-2},  // 10
    {0x1.fb9ea92ec689bp-1, 0x1.0b5150f6da2d5p-3},  // 11
    {0x1.0000000000000p+0, 0x1.1a62633145c07p-54},  // 12
    {0x1.fb9ea92ec689bp-1, -0x1.0b5150f6da2d1p-3},  // 13
    {0x1.ee8dd4748bf15p-1, -0x1.0907dc193068ep-2},  // 14
    {0x1.d906bcf328d47p-1, -0x1.87de2a6aea95ep-2},  // 15
    {0x1.bb67ae8584cabp-1, -0x1.ffffffffffffcp-2},  // 16
    {0x1.963268b572492p-1, -0x1.37af93f9513eap-1},  // 17
    {0x1.6a09e667f3bcdp-1, -0x1.6a09e667f3bccp-1},  // 18
    {0x1.37af93f9513ecp-1, -0x1.963268b572491p-1},  // 19
    {0x1.fffffffffffffp-2, -0x1.bb67ae8584cabp-1},  // 20
    {0x1.87de2a6aea965p-2, -0x1.d906bcf328d46p-1},  // 21
    {0x1.0907dc1930695p-2, -0x1.ee8dd4748bf14p-1},  // 22
    {0x1.0b5150f6da2dfp-3, -0x1.fb9ea92ec689bp-1},  // 23
    {0x1.1a62633145c07p-53, -0x1.0000000000000p+0},  // 24
    {-0x1.0b5150f6da2d7p-3, -0x1.fb9ea92ec689bp-1},  // 25
    {-0x1.0907dc1930691p-2, -0x1.ee8dd4748bf15p-1},  // 26
    {-0x1.87de2a6aea961p-2, -0x1.d906bcf328d47p-1},  // 27
    {-0x1.ffffffffffffbp-2, -0x1.bb67ae8584cacp-1},  // 28
    {-0x1.37af93f9513eap-1, -0x1.963268b572492p-1},  // 29
    {-0x1.6a09e667f3bc9p-1, -0x1.6a09e667f3bd0p-1},  // 30
    {-0x1.963268b572490p-1, -0x1.37af93f9513ecp-1},  // 31
    {-0x1.bb67ae8584ca8p-1, -0x1.0000000000004p-1},  // 32
    {-0x1.d906bcf328d47p-1, -0x1.87de2a6aea95ep-2},  // 33
    {-0x1.ee8dd4748bf15p-1, -0x1.0907dc193068ep-2},  // 34
    {-0x1.fb9ea92ec689bp-1, -0x1.0b5150f6da2d2p-3},  // 35
    {-0x1.0000000000000p+0, -0x1.a79394c9e8a0ap-53},  // 36
    {-0x1.fb9ea92ec689cp-1, 0x1.0b5150f6da2c5p-3},  // 37
    {-0x1.ee8dd4748bf16p-1, 0x1.0907dc1930688p-2},  // 38
    {-0x1.d906bcf328d48p-1, 0x1.87de2a6aea958p-2},  // 39
    {-0x1.bb67ae8584caap-1, 0x1.0000000000001p-1},  // 40
    {-0x1.963268b572497p-1, 0x1.37af93f9513e3p-1},  // 41
    {-0x1.6a09e667f3bcep-1, 0x1.6a09e667f3bcbp-1},  // 42
    {-0x1.37af93f9513ecp-1, 0x1.963268b572490p-1},  // 43
    {-0x1.0000000000004p-1, 0x1.bb67ae8584ca8p-1},  // 44
    {-0x1.87de2a6aea95fp-2, 0x1.d906bcf328d47p-1},  // 45
    {-0x1.0907dc193069fp-2, 0x1.ee8dd4748bf13p-1},  // 46
    {-0x1.0b5150f6da2d4p-3, 0x1.fb9ea92ec689bp-1},  // 47
};

}  // namespace

SineCosine turn_fraction(int step, int steps) {
    std::span<const SineCosine> table;
    switch (steps) {
        case 8: table = TURN_8; break;
        case 12: table = TURN_12; break;
        case 24: table = TURN_24; break;
        case 48: table = TURN_48; break;
    }
    assert(step >= 0 && static_cast<std::size_t>(step) < table.size());
    return table[static_cast<std::size_t>(step)];
}

}  // namespace sferonda
