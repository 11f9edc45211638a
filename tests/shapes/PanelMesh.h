#pragma once
// The mixed mesh of the shape tests: a quad, a convex pentagon (split as a
// fan) and a concave arrow head (split inside its outline), with two UV
// sets and a colour set, every corner with ids of its own. Shaded by two
// groups, faces 0 and 2, the pentagon left without one, it becomes two
// subsets: material 0 (quad and pentagon) and material 1 (the arrow).

#include "shapes/BlobTriangles.h"
#include "support/MeshStatements.h"

namespace orvex_test {

MeshSpec panelMesh();

// Checks a blob of the panel exported with normals, UVs and colours and
// positions multiplied by `scale`: flags, counts, subsets, every triangle's
// corners (worked out from the polygons) and the bounding sphere.
void expectPanelBlob(const ParsedShape& shape, const MeshSpec& layout, double scale);

} // namespace orvex_test
