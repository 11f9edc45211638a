#include "export/UserAttributeValue.h"

#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>

#include <sstream>

namespace {

// The name under which a string attribute holds a script the runtime calls
// when the object is created.
const char* const kScriptCallbackName = "onCreate";

// Values are read even when a read fails (an array attribute, say): the
// variable then keeps its initial value, as it does for any failed read.
template <class T> std::string readAsText(const MPlug& plug, T value) {
    plug.getValue(value, MDGContext::fsNormal);
    std::ostringstream text;
    text << value;
    return text.str();
}

bool describeNumeric(const MObject& attribute, const MPlug& plug, UserAttributeValue& result) {
    switch (MFnNumericAttribute(attribute).unitType()) {
    case MFnNumericData::kBoolean: {
        bool value = false;
        plug.getValue(value, MDGContext::fsNormal);
        result = {"boolean", value ? "true" : "false"};
        return true;
    }
    case MFnNumericData::kByte:
    case MFnNumericData::kInt:
        result = {"integer", readAsText<int>(plug, 0)};
        return true;
    case MFnNumericData::kFloat:
    case MFnNumericData::kDouble:
        // Double attributes too are read in single precision.
        result = {"float", readAsText<float>(plug, 0.0f)};
        return true;
    default:
        return false;
    }
}

bool describeTyped(const MObject& attribute, const MPlug& plug, const std::string& shortName,
                   UserAttributeValue& result) {
    if (MFnTypedAttribute(attribute).attrType() != MFnData::kString) {
        return false;
    }
    MString value;
    plug.getValue(value, MDGContext::fsNormal);
    result = {shortName == kScriptCallbackName ? "scriptCallback" : "string",
              std::string(value.asChar(), value.length())};
    return true;
}

} // namespace

bool describeUserAttribute(const MObject& attribute, const MPlug& plug, const std::string& shortName,
                           UserAttributeValue& result) {
    if (attribute.hasFn(MFn::kNumericAttribute)) {
        return describeNumeric(attribute, plug, result);
    }
    if (attribute.hasFn(MFn::kTypedAttribute)) {
        return describeTyped(attribute, plug, shortName, result);
    }
    return false;
}
