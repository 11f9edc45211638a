#include "support/SetAttrStatements.h"

#include "scenefile/SetAttrRequest.h"

#include <cstdlib>

namespace orvex_test {

namespace {

// ".a[1].b[2:5]" -> {a, [1]}, {b, [2:5]}.
std::vector<orvex_host::AttrPathPart> parsePath(const std::string& text) {
    std::vector<orvex_host::AttrPathPart> parts;
    size_t i = text.empty() || text[0] != '.' ? 0 : 1;
    while (i < text.size()) {
        orvex_host::AttrPathPart part;
        size_t end = text.find_first_of(".[", i);
        part.name = text.substr(i, end == std::string::npos ? std::string::npos : end - i);
        i = end == std::string::npos ? text.size() : end;
        if (i < text.size() && text[i] == '[') {
            size_t close = text.find(']', i);
            std::string inside = text.substr(i + 1, close - i - 1);
            part.indexed = true;
            if (inside == "*") {
                part.all = true;
            } else {
                size_t colon = inside.find(':');
                part.first = static_cast<unsigned>(std::strtoul(inside.c_str(), nullptr, 10));
                part.last =
                    colon == std::string::npos
                        ? part.first
                        : static_cast<unsigned>(std::strtoul(inside.c_str() + colon + 1, nullptr, 10));
            }
            i = close + 1;
        }
        if (i < text.size() && text[i] == '.') {
            ++i;
        }
        parts.push_back(part);
    }
    return parts;
}

} // namespace

std::string setAttrStatement(orvex_host::Scene& scene, orvex_host::Node& node, const std::string& attrPath,
                             const std::string& values, const SetAttrOptions& options) {
    orvex_host::SetAttrRequest request;
    request.path = parsePath(attrPath);
    request.type = options.type;
    request.size = options.size;
    request.channelCount = options.channelCount;
    request.values = orvex_host::ValueCursor(values.data(), values.data() + values.size());
    if (!node.type->setAttrHook || !node.type->setAttrHook(scene, node, request)) {
        return "not consumed";
    }
    return request.error;
}

} // namespace orvex_test
