#pragma once
// Eigenvalues and eigenvectors of a small real symmetric matrix, by the
// cyclic threshold Jacobi method. The order of the pairs, the rotation
// formulas and the final sort are fixed because they decide which way the
// scenes are turned: another solver could mirror or swap the axes.

namespace sferonda {

constexpr int EIGSYM_MAX_ORDER = 100;

// `matrix`: order x order, column-major with leading dimension
// `leading_dimension` (entry (i, j), 1-based, at [(j-1)*LD + (i-1)]); only the
// entries on and above the diagonal are read, and none is changed.
// `eigenvalues`: `order` values, largest first.
// `eigenvectors`: LD x order, column-major; row j is the unit eigenvector of
// eigenvalue j, so component c of it is at [(c-1)*LD + (j-1)]. Rows beyond
// `order` are not written.
// A matrix with an entry that is not finite, or whose off-diagonal norm
// (1.414 times the root of the sum of squares) is beyond single precision, is
// taken as already diagonal: its diagonal comes back sorted, with coordinate
// vectors as eigenvectors.
void EIGSYM(const float* matrix, int order, int leading_dimension,
            float* eigenvalues, float* eigenvectors);

}  // namespace sferonda
