#include "geometry/eigsym.hpp"

#include <array>
#include <cassert>
#include <cmath>
#include <utility>

namespace sferonda {
namespace {

// Far more sweeps than a 3 x 3 matrix of ordinary size needs in one threshold
// stage; only a stage whose threshold has sunk to zero runs into it.
constexpr int MAX_SWEEPS_PER_STAGE = 50;

// The working copy: the upper triangle packed column by column, and the
// eigenvector estimates, one per diagonal position, column-major with
// leading dimension `order`. Every value held here is single precision.
struct Workspace {
    int order = 0;
    std::array<float, EIGSYM_MAX_ORDER * (EIGSYM_MAX_ORDER + 1) / 2> triangle;
    std::array<float, EIGSYM_MAX_ORDER * EIGSYM_MAX_ORDER> vectors;

    // a(i, j), 1-based; the lower triangle stands for the upper one.
    float& a(int i, int j) {
        if (i > j) std::swap(i, j);
        return triangle[(i - 1) + j * (j - 1) / 2];
    }
    // R(i, m), 1-based: component i of the estimate for diagonal position m.
    float& r(int i, int m) { return vectors[(m - 1) * order + (i - 1)]; }
};

void pack_upper_triangle(const float* matrix, int leading_dimension, Workspace& w) {
    int position = 0;
    for (int j = 1; j <= w.order; ++j)
        for (int i = 1; i <= j; ++i)
            w.triangle[position++] = matrix[(j - 1) * leading_dimension + (i - 1)];
}

void set_identity(Workspace& w) {
    for (int m = 1; m <= w.order; ++m)
        for (int i = 1; i <= w.order; ++i) w.r(i, m) = (i == m) ? 1.0f : 0.0f;
}

bool all_finite(const Workspace& w) {
    const int size = w.order * (w.order + 1) / 2;
    for (int position = 0; position < size; ++position)
        if (!std::isfinite(w.triangle[position])) return false;
    return true;
}

double off_diagonal_sum_of_squares(Workspace& w) {
    double sum = 0.0;
    for (int i = 1; i <= w.order; ++i)
        for (int j = i + 1; j <= w.order; ++j) sum += double(w.a(i, j)) * w.a(i, j);
    return sum;
}

// One plane rotation of the pair (l, m), chosen so that a(l, m) vanishes.
// The sine is rounded to single precision; the cosine follows from the
// stored s*s so that the pair stays a rotation as far as floats allow.
void rotate(Workspace& w, int l, int m) {
    const float all = w.a(l, l);
    const float amm = w.a(m, m);
    const float alm = w.a(l, m);

    const float x = static_cast<float>(0.5 * (double(all) - amm));
    float y = static_cast<float>(-double(alm) / std::sqrt(double(alm) * alm + double(x) * x));
    if (x < 0.0f) y = -y;
    const float s = static_cast<float>(y / std::sqrt(2.0 * (1.0 + std::sqrt(1.0 - double(y) * y))));
    const float s2 = static_cast<float>(double(s) * s);
    const double c = std::sqrt(1.0 - s2);
    const double c2 = c * c;
    const double sc = s * c;

    for (int i = 1; i <= w.order; ++i) {
        if (i == l || i == m) continue;
        const float p = w.a(i, l);
        const float q = w.a(i, m);
        w.a(i, l) = static_cast<float>(p * c - q * double(s));
        w.a(i, m) = static_cast<float>(p * double(s) + q * c);
    }
    for (int i = 1; i <= w.order; ++i) {
        const float p = w.r(i, l);
        const float q = w.r(i, m);
        w.r(i, l) = static_cast<float>(p * c - q * double(s));
        w.r(i, m) = static_cast<float>(p * double(s) + q * c);
    }

    const double t = 2.0 * alm * sc;
    w.a(l, l) = static_cast<float>(all * c2 + amm * double(s2) - t);
    w.a(m, m) = static_cast<float>(all * double(s2) + amm * c2 + t);
    w.a(l, m) = static_cast<float>((double(all) - amm) * sc + alm * (c2 - s2));
}

// One cyclic sweep over the pairs; true when at least one pair was rotated.
bool sweep(Workspace& w, float threshold) {
    bool rotated = false;
    for (int l = 1; l <= w.order - 1; ++l)
        for (int m = l + 1; m <= w.order; ++m)
            if (std::fabs(double(w.a(l, m))) - threshold >= 0.0) {
                rotated = true;
                rotate(w, l, m);
            }
    return rotated;
}

void diagonalise(Workspace& w) {
    // With an entry that is not finite the rotations mean nothing and the
    // sweeps need not settle; such a matrix gets no rotation at all, like an
    // already diagonal one.
    if (!all_finite(w)) return;
    const double sum = off_diagonal_sum_of_squares(w);
    if (sum <= 0.0) return;

    // 1.414, not the square root of 2: the thresholds decide which pairs
    // turn, and so which way the scenes face.
    const double norm = double(1.414f) * std::sqrt(sum);
    const float final_threshold = static_cast<float>(norm * double(1.0e-6f) / w.order);
    float threshold = static_cast<float>(norm);
    // Finite entries whose norm is beyond single precision give an infinite
    // threshold that no stage lowers and no pair reaches: the stages would
    // never end. Such a matrix is left unrotated too.
    if (!std::isfinite(threshold)) return;
    do {
        threshold = static_cast<float>(double(threshold) / w.order);
        // The sweeps of one stage are capped: a threshold that has sunk to
        // zero (tiny, subnormal entries) would otherwise rotate zero pairs
        // for ever. Every call returns.
        bool rotated = true;
        for (int count = 0; rotated && count < MAX_SWEEPS_PER_STAGE; ++count)
            rotated = sweep(w, threshold);
    } while (double(threshold) - final_threshold > 0.0);
}

// Exchange sort, largest first; equal values keep their order.
void sort_descending(Workspace& w) {
    for (int i = 1; i <= w.order; ++i)
        for (int j = i; j <= w.order; ++j)
            if (w.a(i, i) < w.a(j, j)) {
                std::swap(w.a(i, i), w.a(j, j));
                for (int k = 1; k <= w.order; ++k) std::swap(w.r(k, i), w.r(k, j));
            }
}

void unpack(Workspace& w, int leading_dimension, float* eigenvalues, float* eigenvectors) {
    for (int j = 1; j <= w.order; ++j) {
        eigenvalues[j - 1] = w.a(j, j);
        for (int c = 1; c <= w.order; ++c)
            eigenvectors[(c - 1) * leading_dimension + (j - 1)] = w.r(c, j);
    }
}

}  // namespace

void EIGSYM(const float* matrix, int order, int leading_dimension,
            float* eigenvalues, float* eigenvectors) {
    assert(order >= 1 && order <= EIGSYM_MAX_ORDER);
    assert(leading_dimension >= order);

    Workspace w;
    w.order = order;
    pack_upper_triangle(matrix, leading_dimension, w);
    set_identity(w);
    diagonalise(w);
    sort_descending(w);
    unpack(w, leading_dimension, eigenvalues, eigenvectors);
}

}  // namespace sferonda
