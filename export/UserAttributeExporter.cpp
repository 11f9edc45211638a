#include "export/UserAttributeExporter.h"

#include "core/StringHelpers.h"
#include "export/UserAttributeValue.h"
#include "export/XmlEscape.h"

#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>

#include <string>

namespace {

// Attributes with this prefix hold the exporter's own settings.
const char* const kExporterPrefix = "Orvex_";

bool hasExporterPrefix(const std::string& name) {
    return name.compare(0, std::char_traits<char>::length(kExporterPrefix), kExporterPrefix) == 0;
}

// The attribute's short name: no node name, indices or alias.
std::string shortNameOf(const MPlug& plug) {
    MString name = plug.partialName(false, false, false, false, false, false);
    return std::string(name.asChar(), name.length());
}

// Values may carry line-break markers from the tools that wrote them; they
// are taken out, the carriage-return markers first.
void removeLineMarkers(std::string& value) {
    replaceAll(value, "&cr;", "");
    replaceAll(value, "&lf;", "");
}

// The Attribute lines of one node's qualifying attributes; empty when it has
// none. Attributes are visited by index, the count asked again each time.
// Children of a user-added compound (the three components of a double3,
// say) are attributes of their own in this walk, as the host lists them: the
// compound itself is reported as unsupported while its numeric children are
// written one by one.
std::string attributeLines(const MFnDependencyNode& node) {
    std::string lines;
    for (unsigned int i = 0; i < node.attributeCount(); ++i) {
        MObject attribute = node.attribute(i);
        if (node.attributeClass(attribute) != MFnDependencyNode::kLocalDynamicAttr) {
            continue;
        }
        MPlug plug = node.findPlug(attribute);
        const std::string name = shortNameOf(plug);
        if (hasExporterPrefix(name)) {
            continue;
        }
        UserAttributeValue described;
        if (!describeUserAttribute(attribute, plug, name, described)) {
            MGlobal::displayError(MString("Invalid attribute user attribute type, ignoring (") +
                                  name.c_str() + ")");
            continue;
        }
        removeLineMarkers(described.value);
        lines += "      <Attribute name=\"" + escapeAttribute(name) + "\" type=\"" + described.type +
                 "\" value=\"" + escapeAttribute(described.value) + "\"/>\n";
    }
    return lines;
}

} // namespace

UserAttributeExporter::UserAttributeExporter(const SceneNodeTable& nodes, bool verboseFlag)
    : sceneNodes(nodes), verbose(verboseFlag) {}

bool UserAttributeExporter::write(std::ostream& out) {
    out << "  <UserAttributes>\n";
    // Only transforms that the scene pass wrote take part, in the iterator's
    // order rather than that of their node ids.
    for (MItDependencyNodes it(MFn::kTransform); !it.isDone(); it.next()) {
        MFnTransform transform(it.item());
        auto record = sceneNodes.find(transform.partialPathName().asChar());
        if (record == sceneNodes.end()) {
            continue;
        }
        const std::string lines = attributeLines(transform);
        if (!lines.empty()) {
            out << "    <UserAttribute nodeId=\"" << record->second.nodeId << "\">\n"
                << lines << "    </UserAttribute>\n";
        }
    }
    out << "  </UserAttributes>";
    return true;
}
