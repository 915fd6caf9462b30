// Writes a bead model at full capacity: a coordinates-and-connectors file and
// a colors file, the same bytes on every run and every machine.
//
//   make_model <beads> <connectors> <coordinates file> <colors file>
//
// The beads form a random walk of steps near 2.2 (so that neighbours barely
// touch); the first bead-1 connectors join each bead to the next, the rest
// join beads a few places apart along the walk, never a bead to itself.
// Colors cycle through 1 to 5, which every display type draws.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// A fixed 64-bit linear congruential generator: no library randomness, so the
// model does not depend on the standard library at hand.
class Walk {
public:
    double next_unit() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) / double(1ULL << 53);
    }

private:
    std::uint64_t state_ = 20240611ULL;
};

bool write_model(int beads, int connectors, const char* coordinates_path, const char* colors_path) {
    std::FILE* coordinates = std::fopen(coordinates_path, "w");
    std::FILE* colors = std::fopen(colors_path, "w");
    if (coordinates == nullptr || colors == nullptr) return false;
    Walk walk;
    std::fprintf(coordinates, "%d\n", beads);
    std::fprintf(colors, "%d\n", beads);
    double x = 0, y = 0, z = 0;
    for (int i = 1; i <= beads; ++i) {
        const double radius = 1.0 + 0.05 * walk.next_unit();
        std::fprintf(coordinates, "%d %.4f %.4f %.4f %.3f\n", i, x, y, z, radius);
        std::fprintf(colors, "%d %d\n", i, 1 + (i - 1) % 5);
        // A step of 2.2 in a random direction, kept within 60 units of the origin.
        const double polar = std::acos(2.0 * walk.next_unit() - 1.0);
        const double azimuth = 2.0 * 3.14159265358979 * walk.next_unit();
        x += 2.2 * std::sin(polar) * std::cos(azimuth);
        y += 2.2 * std::sin(polar) * std::sin(azimuth);
        z += 2.2 * std::cos(polar);
        if (std::fabs(x) > 60) x *= 0.9;
        if (std::fabs(y) > 60) y *= 0.9;
        if (std::fabs(z) > 60) z *= 0.9;
    }
    std::fprintf(coordinates, "%d\n", connectors);
    std::fprintf(colors, "%d\n", connectors);
    for (int j = 1; j <= connectors; ++j) {
        int first, second;
        if (j < beads) {
            first = j;
            second = j + 1;
        } else {
            // 2 to 4 places further along the walk, wrapping round.
            const int k = j - beads;
            first = 1 + k % beads;
            second = 1 + (k % beads + 2 + k / beads % 3) % beads;
        }
        std::fprintf(coordinates, "%d %d %d %.3f\n", j, first, second, 0.3 + 0.1 * walk.next_unit());
        std::fprintf(colors, "%d %d\n", j, 1 + (j - 1) % 5);
    }
    return std::fclose(coordinates) == 0 && std::fclose(colors) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_model <beads> <connectors> <coordinates file> <colors file>\n");
        return 2;
    }
    return write_model(std::atoi(argv[1]), std::atoi(argv[2]), argv[3], argv[4]) ? 0 : 1;
}
