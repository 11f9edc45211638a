#pragma once
// Handle to a host object: a node, an attribute of a node, a data object or
// a component.

#include <maya/MTypes.h>

#include <memory>

namespace orvex_host {
struct DataObject;
struct ObjectAccess;
} // namespace orvex_host

class MObject {
public:
    MObject() = default;

    bool isNull() const { return holds_ == Holds::Nothing; }
    MFn::Type apiType() const;
    bool hasFn(MFn::Type type) const;
    const char* apiTypeStr() const;

    bool operator==(const MObject& other) const;
    bool operator!=(const MObject& other) const { return !(*this == other); }

    static const MObject kNullObj;

private:
    friend struct orvex_host::ObjectAccess;
    enum class Holds { Nothing, Node, Attribute, Data };
    Holds holds_ = Holds::Nothing;
    orvex_host::Node* node_ = nullptr;
    int attr_ = -1;
    std::shared_ptr<const orvex_host::DataObject> data_;
};
