#include "geometry/eigsym.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace sferonda {
namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float INF = std::numeric_limits<float>::infinity();
constexpr float UNTOUCHED = -12345.0f;

// An LD x N column-major matrix, 1-based accessors.
struct Matrix {
    int order;
    int leading_dimension;
    std::vector<float> values;

    Matrix(int n, int ld) : order(n), leading_dimension(ld), values(std::size_t(ld) * n, 0.0f) {}
    float& operator()(int i, int j) { return values[(j - 1) * leading_dimension + (i - 1)]; }
};

Matrix from_rows(const std::vector<std::vector<float>>& rows) {
    Matrix m(int(rows.size()), int(rows.size()));
    for (int i = 1; i <= m.order; ++i)
        for (int j = 1; j <= m.order; ++j) m(i, j) = rows[i - 1][j - 1];
    return m;
}

struct Solution {
    std::vector<float> eigenvalues;
    Matrix eigenvectors;   // row j = eigenvector of eigenvalue j

    float component(int j, int c) { return eigenvectors(j, c); }
};

Solution solve(const Matrix& m) {
    Solution s{std::vector<float>(m.order, UNTOUCHED), Matrix(m.order, m.leading_dimension)};
    std::fill(s.eigenvectors.values.begin(), s.eigenvectors.values.end(), UNTOUCHED);
    EIGSYM(m.values.data(), m.order, m.leading_dimension, s.eigenvalues.data(),
           s.eigenvectors.values.data());
    return s;
}

bool same_float(float a, float b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

TEST(EigsymTest, OrderOneGivesTheEntryWithUnitVector) {
    Matrix m(1, 2);
    m(1, 1) = -2.5f;
    m(2, 1) = NaN;   // below the diagonal: never read
    Solution s = solve(m);
    EXPECT_EQ(s.eigenvalues[0], -2.5f);
    EXPECT_EQ(s.component(1, 1), 1.0f);
    EXPECT_EQ(s.eigenvectors(2, 1), UNTOUCHED);   // rows beyond the order are not written
}

// Matrices that get no rotation: the result is the diagonal, sorted largest
// first by exchanges, with coordinate vectors following their values.
struct UnrotatedCase {
    std::string name;
    std::vector<std::vector<float>> rows;
    std::array<float, 3> eigenvalues;
    std::array<std::array<float, 3>, 3> eigenvectors;
};

class EigsymUnrotated : public testing::TestWithParam<UnrotatedCase> {};

TEST_P(EigsymUnrotated, SortsTheDiagonal) {
    const UnrotatedCase& c = GetParam();
    Solution s = solve(from_rows(c.rows));
    for (int j = 1; j <= 3; ++j) {
        EXPECT_TRUE(same_float(s.eigenvalues[j - 1], c.eigenvalues[j - 1]))
            << "eigenvalue " << j << " is " << s.eigenvalues[j - 1];
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(s.component(j, k), c.eigenvectors[j - 1][k - 1]) << "row " << j << " column " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EigsymUnrotated,
    testing::Values(
        UnrotatedCase{"Diagonal", {{1, 0, 0}, {0, 3, 0}, {0, 0, 2}},
                      {3, 2, 1}, {{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}}},
        UnrotatedCase{"Zero", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
                      {0, 0, 0}, {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
        // Equal values are never exchanged with each other.
        UnrotatedCase{"TiedValues", {{2, 0, 0}, {0, 5, 0}, {0, 0, 5}},
                      {5, 5, 2}, {{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}}},
        // Entries that are not finite make no rotation, so every call returns.
        UnrotatedCase{"InfiniteOffDiagonal", {{1, INF, 0}, {INF, 3, 0}, {0, 0, 2}},
                      {3, 2, 1}, {{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}}},
        UnrotatedCase{"NaNOnDiagonal", {{1, 0, 0.5f}, {0, NaN, 0}, {0.5f, 0, 2}},
                      {2, NaN, 1}, {{{0, 0, 1}, {0, 1, 0}, {1, 0, 0}}}}),
    [](const testing::TestParamInfo<UnrotatedCase>& info) { return info.param.name; });

// Only the pair (1, 2) is rotated, with s = float(-1/sqrt 2) = -0.70710677;
// the cosine comes from the stored s*s (0.49999997), so it rounds to
// 0.70710683 and the two components of each vector differ in the last bit.
TEST(EigsymTest, SinglePairRotationHasFixedOrderAndSigns) {
    Solution s = solve(from_rows({{2, 1, 0}, {1, 2, 0}, {0, 0, 1}}));
    EXPECT_EQ(s.eigenvalues, (std::vector<float>{3.0f, 1.0f, 1.0f}));
    const float rows[3][3] = {{0.70710683f, 0.70710677f, 0.0f},
                              {-0.70710677f, 0.70710683f, 0.0f},
                              {0.0f, 0.0f, 1.0f}};
    for (int j = 1; j <= 3; ++j)
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(s.component(j, c), rows[j - 1][c - 1]) << "row " << j << " column " << c;
}

TEST(EigsymTest, ReadsOnlyTheUpperTriangleAndLeavesTheInputAlone) {
    const Matrix symmetric = from_rows({{4, 1, 2}, {1, 3, 0.5f}, {2, 0.5f, 1}});
    const Matrix rubbish = from_rows({{4, 1, 2}, {NaN, 3, 0.5f}, {1e30f, -7, 1}});
    Matrix input = rubbish;
    Solution expected = solve(symmetric);
    Solution actual = solve(input);

    EXPECT_EQ(std::memcmp(input.values.data(), rubbish.values.data(), input.values.size() * sizeof(float)), 0);
    EXPECT_EQ(actual.eigenvalues, expected.eigenvalues);
    EXPECT_EQ(actual.eigenvectors.values, expected.eigenvectors.values);
}

// General matrices: values descending, rows orthonormal, A v = lambda v.
class EigsymDecomposes : public testing::TestWithParam<std::pair<int, std::vector<std::vector<float>>>> {};

TEST_P(EigsymDecomposes, IntoOrthonormalEigenvectors) {
    const int ld = GetParam().first;
    const auto& rows = GetParam().second;
    const int n = int(rows.size());
    Matrix m(n, ld);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) m(i, j) = rows[i - 1][j - 1];
    Solution s = solve(m);

    for (int j = 1; j < n; ++j) EXPECT_GE(s.eigenvalues[j - 1], s.eigenvalues[j]);
    for (int j = 1; j <= n; ++j) {
        for (int k = 1; k <= n; ++k) {
            double dot = 0.0;
            for (int c = 1; c <= n; ++c) dot += double(s.component(j, c)) * s.component(k, c);
            EXPECT_NEAR(dot, j == k ? 1.0 : 0.0, 1e-6) << "rows " << j << ", " << k;
        }
        for (int i = 1; i <= n; ++i) {
            double product = 0.0;
            for (int c = 1; c <= n; ++c) product += double(m(i, c)) * s.component(j, c);
            EXPECT_NEAR(product, double(s.eigenvalues[j - 1]) * s.component(j, i), 1e-5)
                << "eigenvalue " << j << ", component " << i;
        }
        for (int i = n + 1; i <= ld; ++i) EXPECT_EQ(s.eigenvectors(i, j), UNTOUCHED);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Matrices, EigsymDecomposes,
    testing::Values(
        std::make_pair(3, std::vector<std::vector<float>>{{4, 1, 2}, {1, 3, 0.5f}, {2, 0.5f, 1}}),
        std::make_pair(3, std::vector<std::vector<float>>{{1, -2, 3}, {-2, 1, -4}, {3, -4, 1}}),
        std::make_pair(4, std::vector<std::vector<float>>{{0.5f, 0.25f, 0}, {0.25f, -1, 0.75f}, {0, 0.75f, 2}}),
        std::make_pair(7, std::vector<std::vector<float>>{{6, 1, 0, 2, 0},
                                                          {1, 5, 1, 0, 0.5f},
                                                          {0, 1, 4, 1, 0},
                                                          {2, 0, 1, 3, 1},
                                                          {0, 0.5f, 0, 1, 2}})));

// The second-difference matrix (2 on the diagonal, -1 beside it) of order n
// has the eigenvalues 4 sin^2(k pi / (2(n + 1))), k = 1..n; order 100 is the
// largest the solver takes.
TEST(EigsymTest, SecondDifferenceMatrixUpToFullCapacity) {
    for (int n : {8, 100}) {
        Matrix m(n, n);
        for (int i = 1; i <= n; ++i) {
            m(i, i) = 2.0f;
            if (i < n) m(i, i + 1) = m(i + 1, i) = -1.0f;
        }
        Solution s = solve(m);
        for (int j = 1; j <= n; ++j) {
            const int k = n + 1 - j;
            const double root = std::sin(k * std::numbers::pi / (2.0 * (n + 1)));
            EXPECT_NEAR(s.eigenvalues[j - 1], 4.0 * root * root, 1e-4) << "order " << n << ", eigenvalue " << j;
        }
    }
}

// Entries so small that the last threshold rounds to 0: the sweeps of that
// stage would never end on pairs that are already zero. The call must
// return, and still with the eigenvalues (2 +- sqrt 2) 1e-40 and 2e-40.
TEST(EigsymTest, TinyEntriesStillReturn) {
    Solution s = solve(from_rows({{3e-40f, 1e-40f, 0}, {1e-40f, 1e-40f, 0}, {0, 0, 2e-40f}}));
    const double expected[3] = {(2 + std::numbers::sqrt2) * 1e-40, 2e-40, (2 - std::numbers::sqrt2) * 1e-40};
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(s.eigenvalues[j] / expected[j], 1.0, 1e-4) << "eigenvalue " << j + 1;
}

}  // namespace
}  // namespace sferonda
