#include "api/Access.h"
#include "api/ApiKinds.h"

#include <maya/MObject.h>

using namespace orvex_host;

const MObject MObject::kNullObj;

MFn::Type MObject::apiType() const {
    return apiTypeOf(ObjectAccess::kind(*this));
}

bool MObject::hasFn(MFn::Type type) const {
    return kindIs(ObjectAccess::kind(*this), kindOf(type));
}

const char* MObject::apiTypeStr() const {
    return kindName(ObjectAccess::kind(*this));
}

bool MObject::operator==(const MObject& other) const {
    return holds_ == other.holds_ && node_ == other.node_ && attr_ == other.attr_ && data_ == other.data_;
}

namespace orvex_host {

Kind ObjectAccess::kind(const MObject& o) {
    switch (o.holds_) {
    case MObject::Holds::Node:
        return o.node_->kind();
    case MObject::Holds::Attribute:
        return attributeKind(o.node_->attribute(o.attr_).type);
    case MObject::Holds::Data:
        return o.data_->kind;
    default:
        return Kind::Invalid;
    }
}

MObject ObjectAccess::fromNode(Node* n) {
    MObject o;
    if (n) {
        o.holds_ = MObject::Holds::Node;
        o.node_ = n;
    }
    return o;
}

MObject ObjectAccess::fromAttribute(Node* n, int attr) {
    MObject o;
    if (n && attr >= 0 && attr < n->attributeCount()) {
        o.holds_ = MObject::Holds::Attribute;
        o.node_ = n;
        o.attr_ = attr;
    }
    return o;
}

MObject ObjectAccess::fromData(std::shared_ptr<const DataObject> d) {
    MObject o;
    if (d) {
        o.holds_ = MObject::Holds::Data;
        o.data_ = std::move(d);
    }
    return o;
}

Node* ObjectAccess::node(const MObject& o) {
    return o.holds_ == MObject::Holds::Node ? o.node_ : nullptr;
}

Node* ObjectAccess::attributeNode(const MObject& o) {
    return o.holds_ == MObject::Holds::Attribute ? o.node_ : nullptr;
}

int ObjectAccess::attribute(const MObject& o) {
    return o.holds_ == MObject::Holds::Attribute ? o.attr_ : -1;
}

const DataObject* ObjectAccess::data(const MObject& o) {
    return o.holds_ == MObject::Holds::Data ? o.data_.get() : nullptr;
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

Kind attributeKind(AttrType type) {
    if (isNumericType(type)) {
        return Kind::NumericAttribute;
    }
    if (isTypedType(type)) {
        return Kind::TypedAttribute;
    }
    if (isUnitType(type)) {
        return Kind::UnitAttribute;
    }
    switch (type) {
    case AttrType::Compound:
        return Kind::CompoundAttribute;
    case AttrType::Message:
        return Kind::MessageAttribute;
    case AttrType::Enum:
        return Kind::EnumAttribute;
    case AttrType::PlainMatrix:
        return Kind::MatrixAttribute;
    default:
        return Kind::GenericAttribute;
    }
}

} // namespace orvex_host
