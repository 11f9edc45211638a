#pragma once
// The file ids of a written document: those other elements refer to and
// those the Files section lists.

#include <set>
#include <string>

namespace orvex_test {

struct FileReferences {
    bool wellFormed = false;
    std::set<std::string> used;   // fileId, customShaderId and projTextureId outside Files
    std::set<std::string> listed; // fileId of the File elements
};

FileReferences fileReferences(const std::string& document);

// The ids that are used but have no File element.
std::set<std::string> unlistedIds(const FileReferences& refs);

} // namespace orvex_test
