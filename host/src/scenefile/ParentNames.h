#pragma once
// The names that statements use as DAG parents (createNode -p, parent), so
// that a node of an unknown type can be made a DAG transform when something
// is later parented below it.

#include <set>
#include <string>

namespace orvex_host {

// The last path component of every parent named in [begin, end); the scan
// stops quietly at malformed text (the reader reports it when it gets there).
std::set<std::string> namesUsedAsParents(const char* begin, const char* end);

} // namespace orvex_host
