// The limits a joint TransformGroup carries: rotation limits in degrees,
// translation limits in internal length as stored (no unit scale).

#include "export/AttributeHelpers.h"
#include "export/SceneExporter.h"

namespace {

struct LimitEntry {
    MFnTransform::LimitType type;
    const char* attribute;
    bool degrees;
};

const LimitEntry kJointLimits[] = {
    {MFnTransform::kRotateMinX, "rotMinX", true},       {MFnTransform::kRotateMinY, "rotMinY", true},
    {MFnTransform::kRotateMinZ, "rotMinZ", true},       {MFnTransform::kRotateMaxX, "rotMaxX", true},
    {MFnTransform::kRotateMaxY, "rotMaxY", true},       {MFnTransform::kRotateMaxZ, "rotMaxZ", true},
    {MFnTransform::kTranslateMinX, "transMinX", false}, {MFnTransform::kTranslateMinY, "transMinY", false},
    {MFnTransform::kTranslateMinZ, "transMinZ", false}, {MFnTransform::kTranslateMaxX, "transMaxX", false},
    {MFnTransform::kTranslateMaxY, "transMaxY", false}, {MFnTransform::kTranslateMaxZ, "transMaxZ", false},
};

} // namespace

void SceneExporter::writeJointLimits(MFnTransform& transform, std::ostream& out) const {
    for (const LimitEntry& limit : kJointLimits) {
        if (transform.isLimited(limit.type)) {
            writeLimit(limit.type, transform, limit.degrees, limit.attribute, out);
        }
    }
}

void SceneExporter::writeLimit(MFnTransform::LimitType type, MFnTransform& transform, bool degrees,
                               const char* attributeName, std::ostream& out) const {
    double value = transform.limitValue(type);
    if (degrees) {
        value = radiansToDegrees(value);
    }
    out << " " << attributeName << "=\"" << value << "\"";
}
