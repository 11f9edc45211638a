#pragma once
// A plain 4x4 matrix split into the parts of a transformation, as the host
// splits matrix data that was given as a matrix rather than as parts.

#include "graph/Value.h"

namespace orvex_host {

// Scale, rotation (radians, order XYZ) and translation of a row-vector
// matrix M = S · H · R · T (H a shear, which transformation data does not
// keep); the rotate axis and joint orient stay identities.
TransformData decomposeMatrix(const Matrix& m);

} // namespace orvex_host
