#include "export/CustomShaderSettings.h"

#include "core/StringHelpers.h"

#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

namespace {

const char kParameterPrefix[] = "customParameter_";
const char kTexturePrefix[] = "customTexture_";

// What one user-added attribute holds, as far as the settings care.
struct AttributeValue {
    enum class Kind { None, Text, Number } kind = Kind::None;
    std::string text;
    float number = 0.0f;
};

AttributeValue readValue(const MObject& attribute, const MPlug& plug) {
    AttributeValue value;
    if (attribute.hasFn(MFn::kTypedAttribute)) {
        MString text;
        if (MFnTypedAttribute(attribute).attrType() == MFnData::kString &&
            plug.getValue(text, MDGContext::fsNormal)) {
            value.kind = AttributeValue::Kind::Text;
            value.text = text.asChar();
        }
    } else if (attribute.hasFn(MFn::kNumericAttribute)) {
        const MFnNumericData::Type unit = MFnNumericAttribute(attribute).unitType();
        if ((unit == MFnNumericData::kInt || unit == MFnNumericData::kFloat ||
             unit == MFnNumericData::kDouble) &&
            plug.getValue(value.number, MDGContext::fsNormal)) {
            value.kind = AttributeValue::Kind::Number;
        }
    }
    return value;
}

bool startsWith(const std::string& text, const char* prefix, size_t length) {
    return text.compare(0, length, prefix, length) == 0;
}

// Leading white space, an optional sign, then digits up to the first other
// character; 0 without digits. Values beyond the int32 range saturate.
int32_t parseDecimal(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min<int64_t>(magnitude * 10 + (text[i] - '0'), limit);
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

// Truncates toward zero; values beyond the int32 range saturate and NaN
// leaves `value` as it was.
void truncateInto(float number, int32_t& value) {
    if (std::isnan(number)) {
        return;
    }
    const double wide = number;
    if (wide >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        value = std::numeric_limits<int32_t>::max();
    } else if (wide <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        value = std::numeric_limits<int32_t>::min();
    } else {
        value = static_cast<int32_t>(wide);
    }
}

void apply(const std::string& name, const AttributeValue& value, CustomShaderSettings& settings) {
    const bool isText = value.kind == AttributeValue::Kind::Text;
    const bool isNumber = value.kind == AttributeValue::Kind::Number;
    if (name == "customShader") {
        if (isText) {
            settings.hasShader = true;
            settings.shaderPath = value.text;
        }
    } else if (startsWith(name, kParameterPrefix, sizeof(kParameterPrefix) - 1)) {
        if (isText) {
            settings.parameters.emplace_back(name.substr(sizeof(kParameterPrefix) - 1), value.text);
        }
    } else if (startsWith(name, kTexturePrefix, sizeof(kTexturePrefix) - 1)) {
        if (isText) {
            settings.textures.emplace_back(name.substr(sizeof(kTexturePrefix) - 1), value.text);
        }
    } else if (name == "reflectionMapBumpScale") {
        if (isText) {
            parseFloat(value.text.c_str(), settings.reflectionBumpScale);
        } else if (isNumber) {
            settings.reflectionBumpScale = value.number;
        }
    } else if (name == "reflectionMapResolution") {
        if (isText) {
            settings.reflectionResolution = parseDecimal(value.text);
        } else if (isNumber) {
            truncateInto(value.number, settings.reflectionResolution);
        }
    }
}

} // namespace

CustomShaderSettings readCustomShaderSettings(const MFnDependencyNode& material) {
    CustomShaderSettings settings;
    // The count is asked anew for every attribute, so the loop never reads
    // past the node's attributes.
    for (unsigned int index = 0; index < material.attributeCount(); ++index) {
        const MObject attribute = material.attribute(index);
        if (material.attributeClass(attribute) != MFnDependencyNode::kLocalDynamicAttr) {
            continue;
        }
        const MPlug plug = material.findPlug(attribute);
        const std::string name = plug.partialName(false, false, false, false, false, false).asChar();
        apply(name, readValue(attribute, plug), settings);
    }
    return settings;
}
