#pragma once

#include "core/BuilderVertex.h"

#include <cstdint>
#include <vector>

// The vertex numbers 0 to n - 1 in compareVertices order, exactly as mergeSort orders
// them with compareVertices (the same merges and the same comparisons), but sorting
// 4-byte numbers instead of the records: a big mesh needs no second copy of its
// positions for welding.
std::vector<uint32_t> sortedWeldOrder(const std::vector<BuilderVertex>& vertices);
