#include "api/Access.h"

#include <maya/MObject.h>

using orvex_host::TypeRegistry;

const MObject MObject::kNullObj;

MFn::Type MObject::apiType() const {
    switch (kind_) {
    case Kind::Node:
        return node_->kind();
    case Kind::Attribute:
        return orvex_host::attributeKind(node_->attribute(attr_).type);
    case Kind::Data:
        return data_->kind;
    default:
        return MFn::kInvalid;
    }
}

bool MObject::hasFn(MFn::Type type) const {
    return TypeRegistry::kindIs(apiType(), type);
}

const char* MObject::apiTypeStr() const {
    return TypeRegistry::kindName(apiType());
}

bool MObject::operator==(const MObject& other) const {
    return kind_ == other.kind_ && node_ == other.node_ && attr_ == other.attr_ && data_ == other.data_;
}

namespace orvex_host {

MObject ObjectAccess::fromNode(Node* n) {
    MObject o;
    if (n) {
        o.kind_ = MObject::Kind::Node;
        o.node_ = n;
    }
    return o;
}

MObject ObjectAccess::fromAttribute(Node* n, int attr) {
    MObject o;
    if (n && attr >= 0 && attr < n->attributeCount()) {
        o.kind_ = MObject::Kind::Attribute;
        o.node_ = n;
        o.attr_ = attr;
    }
    return o;
}

MObject ObjectAccess::fromData(std::shared_ptr<const DataObject> d) {
    MObject o;
    if (d) {
        o.kind_ = MObject::Kind::Data;
        o.data_ = std::move(d);
    }
    return o;
}

Node* ObjectAccess::node(const MObject& o) {
    return o.kind_ == MObject::Kind::Node ? o.node_ : nullptr;
}

Node* ObjectAccess::attributeNode(const MObject& o) {
    return o.kind_ == MObject::Kind::Attribute ? o.node_ : nullptr;
}

int ObjectAccess::attribute(const MObject& o) {
    return o.kind_ == MObject::Kind::Attribute ? o.attr_ : -1;
}

const DataObject* ObjectAccess::data(const MObject& o) {
    return o.kind_ == MObject::Kind::Data ? o.data_.get() : nullptr;
}

MPlug ObjectAccess::plug(Node* n, const PlugAddress& addr) {
    MPlug p;
    p.node_ = n;
    p.attr_ = addr.attr;
    p.indices_ = addr.indices;
    return p;
}

MDagPath ObjectAccess::path(const DagChain& chain) {
    MDagPath p;
    p.chain_ = chain;
    return p;
}

MFn::Type attributeKind(AttrType type) {
    if (isNumericType(type)) {
        return MFn::kNumericAttribute;
    }
    if (isTypedType(type)) {
        return MFn::kTypedAttribute;
    }
    if (isUnitType(type)) {
        return MFn::kUnitAttribute;
    }
    switch (type) {
    case AttrType::Compound:
        return MFn::kCompoundAttribute;
    case AttrType::Message:
        return MFn::kMessageAttribute;
    case AttrType::Enum:
        return MFn::kEnumAttribute;
    case AttrType::PlainMatrix:
        return MFn::kMatrixAttribute;
    default:
        return MFn::kGenericAttribute;
    }
}

} // namespace orvex_host
