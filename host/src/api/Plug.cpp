// MPlug over the graph's stored values and ordered connection list. The
// host does not evaluate: a plug reads its own stored value (or its
// attribute's default), whatever feeds it.

#include "api/Access.h"
#include "api/MatrixDecomposition.h"

#include <orvex_host/Session.h>

#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

#include <cmath>
#include <limits>

using namespace orvex_host;

namespace {

// The stored value of a plug that can hold a simple value, or null when the
// plug is null, an array plug, a compound or a message.
const Value* readable(Node* node, int attr, const std::vector<unsigned>& indices, Value& fallback) {
    if (!node || attr < 0) {
        return nullptr;
    }
    const AttrDef& def = node->attribute(attr);
    if (!def.children.empty() || def.type == AttrType::Compound || def.type == AttrType::Message) {
        return nullptr;
    }
    if (indices.size() != node->arrayDepth(attr)) {
        return nullptr; // an array plug, or a plug below an array with no element named
    }
    if (const Value* stored = node->value({attr, indices})) {
        return stored;
    }
    fallback = currentDefault(def);
    if (std::holds_alternative<std::monostate>(fallback)) {
        if (isNumericType(def.type) || isUnitType(def.type) || def.type == AttrType::Enum) {
            fallback = 0.0;
        } else if (def.type == AttrType::String) {
            fallback = std::string();
        }
    }
    return &fallback;
}

bool readNumber(Node* node, int attr, const std::vector<unsigned>& indices, double& out) {
    Value fallback;
    const Value* v = readable(node, attr, indices, fallback);
    return v && asDouble(*v, out);
}

// Float/double to int truncates toward zero; out-of-range values saturate.
int toInt(double d) {
    if (std::isnan(d)) {
        return 0;
    }
    if (d >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (d <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(d);
}

} // namespace

MPlug::MPlug(const MObject& node, const MObject& attribute) {
    Node* n = ObjectAccess::node(node);
    Node* owner = ObjectAccess::attributeNode(attribute);
    int attr = ObjectAccess::attribute(attribute);
    if (n && owner && attr >= 0) {
        // Attribute objects of a type's own attributes serve every node of
        // that type; dynamic ones only their own node.
        int resolved = owner == n ? attr : (owner->isDynamic(attr) ? -1 : attr);
        if (resolved >= 0 && resolved < n->attributeCount() && n->type == owner->type) {
            node_ = n;
            attr_ = resolved;
        }
    }
}

bool MPlug::isNull(MStatus* status) const {
    reportStatus(status, true);
    return node_ == nullptr;
}

MObject MPlug::node(MStatus* status) const {
    reportStatus(status, node_ != nullptr);
    return ObjectAccess::fromNode(node_);
}

MObject MPlug::attribute(MStatus* status) const {
    reportStatus(status, node_ != nullptr);
    return ObjectAccess::fromAttribute(node_, attr_);
}

MString MPlug::name(MStatus* status) const {
    reportStatus(status, node_ != nullptr);
    if (!node_) {
        return MString();
    }
    std::string text = node_->name;
    size_t level = 0;
    for (int a : node_->chain(attr_)) {
        const AttrDef& def = node_->attribute(a);
        if (a != attr_ && !def.array) {
            continue; // a compound parent such as translate: its child's name is unique
        }
        text += "." + def.longName;
        if (def.array && level < indices_.size()) {
            text += "[" + std::to_string(indices_[level++]) + "]";
        }
    }
    return MString(text);
}

MString MPlug::partialName(bool includeNodeName, bool, bool, bool, bool, bool useLongNames,
                           MStatus* status) const {
    reportStatus(status, node_ != nullptr);
    if (!node_) {
        return MString();
    }
    const AttrDef& def = node_->attribute(attr_);
    std::string text = useLongNames ? def.longName : def.shortName;
    return MString(includeNodeName ? node_->name + "." + text : text);
}

MStatus MPlug::getValue(bool& value, MDGContext&) const {
    double d;
    if (!readNumber(node_, attr_, indices_, d)) {
        return MS::kFailure;
    }
    value = d != 0.0;
    return MS::kSuccess;
}

MStatus MPlug::getValue(int& value, MDGContext&) const {
    double d;
    if (!readNumber(node_, attr_, indices_, d)) {
        return MS::kFailure;
    }
    value = toInt(d);
    return MS::kSuccess;
}

MStatus MPlug::getValue(short& value, MDGContext&) const {
    int i = 0;
    MStatus s = getValue(i);
    if (s) {
        value = static_cast<short>(i);
    }
    return s;
}

MStatus MPlug::getValue(float& value, MDGContext&) const {
    double d;
    if (!readNumber(node_, attr_, indices_, d)) {
        return MS::kFailure;
    }
    value = static_cast<float>(d);
    return MS::kSuccess;
}

MStatus MPlug::getValue(double& value, MDGContext&) const {
    double d;
    if (!readNumber(node_, attr_, indices_, d)) {
        return MS::kFailure;
    }
    value = d;
    return MS::kSuccess;
}

MStatus MPlug::getValue(MString& value, MDGContext&) const {
    Value fallback;
    const Value* v = readable(node_, attr_, indices_, fallback);
    const std::string* text = v ? std::get_if<std::string>(v) : nullptr;
    if (!text) {
        return MS::kFailure;
    }
    value = MString(*text);
    return MS::kSuccess;
}

MStatus MPlug::getValue(MObject& value, MDGContext&) const {
    if (!node_ || attr_ < 0 || node_->attribute(attr_).type != AttrType::MatrixData ||
        indices_.size() != node_->arrayDepth(attr_)) {
        return MS::kFailure;
    }
    // A missing element reads as identity transformation data.
    auto data = std::make_shared<MatrixDataObject>();
    if (const Value* stored = node_->value({attr_, indices_})) {
        if (auto t = std::get_if<TransformData>(stored)) {
            data->data = *t;
        } else if (auto m = std::get_if<Matrix>(stored)) {
            // Matrix data written as a plain matrix (".xm[0]" -type "matrix"
            // and 16 numbers) reads as the parts the host splits it into.
            data->data = decomposeMatrix(*m);
        }
    }
    value = ObjectAccess::fromData(data);
    return MS::kSuccess;
}

bool MPlug::asBool(MDGContext& c, MStatus* status) const {
    bool v = false;
    MStatus s = getValue(v, c);
    reportStatus(status, s);
    return v;
}

int MPlug::asInt(MDGContext& c, MStatus* status) const {
    int v = 0;
    MStatus s = getValue(v, c);
    reportStatus(status, s);
    return v;
}

float MPlug::asFloat(MDGContext& c, MStatus* status) const {
    float v = 0;
    MStatus s = getValue(v, c);
    reportStatus(status, s);
    return v;
}

double MPlug::asDouble(MDGContext& c, MStatus* status) const {
    double v = 0;
    MStatus s = getValue(v, c);
    reportStatus(status, s);
    return v;
}

MString MPlug::asString(MDGContext& c, MStatus* status) const {
    MString v;
    MStatus s = getValue(v, c);
    reportStatus(status, s);
    return v;
}

namespace {

MStatus store(Node* node, int attr, const std::vector<unsigned>& indices, Value v) {
    Value fallback;
    if (!readable(node, attr, indices, fallback)) {
        return MS::kFailure;
    }
    node->setValue({attr, indices}, std::move(v));
    return MS::kSuccess;
}

} // namespace

MStatus MPlug::setValue(bool value) {
    return store(node_, attr_, indices_, value);
}
MStatus MPlug::setValue(int value) {
    return store(node_, attr_, indices_, static_cast<long long>(value));
}
MStatus MPlug::setValue(float value) {
    return store(node_, attr_, indices_, static_cast<double>(value));
}
MStatus MPlug::setValue(double value) {
    return store(node_, attr_, indices_, value);
}
MStatus MPlug::setValue(const MString& value) {
    return store(node_, attr_, indices_, value.str());
}

bool MPlug::connectedTo(MPlugArray& plugs, bool asDst, bool asSrc, MStatus* status) const {
    plugs.clear();
    reportStatus(status, node_ != nullptr);
    if (!node_) {
        return false;
    }
    PlugAddress self{attr_, indices_};
    const auto& connections = currentScene().connections();
    if (asDst) {
        for (const Connection& c : connections) {
            if (c.dstNode == node_ && c.dst == self) {
                plugs.append(ObjectAccess::plug(c.srcNode, c.src));
                break;
            }
        }
    }
    if (asSrc) {
        for (const Connection& c : connections) {
            if (c.srcNode == node_ && c.src == self) {
                plugs.append(ObjectAccess::plug(c.dstNode, c.dst));
            }
        }
    }
    return plugs.length() != 0;
}

bool MPlug::isConnected(MStatus* status) const {
    reportStatus(status, node_ != nullptr);
    PlugAddress self{attr_, indices_};
    for (const Connection& c : currentScene().connections()) {
        if ((c.dstNode == node_ && c.dst == self) || (c.srcNode == node_ && c.src == self)) {
            return true;
        }
    }
    return false;
}

bool MPlug::isArray(MStatus* status) const {
    reportStatus(status, node_ != nullptr);
    return node_ && node_->attribute(attr_).array && indices_.size() + 1 == node_->arrayDepth(attr_);
}

bool MPlug::isElement(MStatus* status) const {
    reportStatus(status, node_ != nullptr);
    return node_ && node_->attribute(attr_).array && indices_.size() == node_->arrayDepth(attr_);
}

bool MPlug::isCompound(MStatus* status) const {
    reportStatus(status, node_ != nullptr);
    return node_ && !node_->attribute(attr_).children.empty() && !isArray();
}

bool MPlug::isChild(MStatus* status) const {
    reportStatus(status, node_ != nullptr);
    return node_ && node_->attribute(attr_).parent >= 0;
}

unsigned int MPlug::numElements(MStatus* status) const {
    bool ok = isArray();
    reportStatus(status, ok);
    if (!ok) {
        return 0;
    }
    auto it = node_->elements.find({attr_, indices_});
    return it == node_->elements.end() ? 0 : static_cast<unsigned int>(it->second.size());
}

unsigned int MPlug::numChildren(MStatus* status) const {
    reportStatus(status, node_ != nullptr);
    return node_ ? static_cast<unsigned int>(node_->attribute(attr_).children.size()) : 0;
}

MPlug MPlug::elementByPhysicalIndex(unsigned int physicalIndex, MStatus* status) const {
    MPlug result;
    if (isArray()) {
        auto it = node_->elements.find({attr_, indices_});
        if (it != node_->elements.end() && physicalIndex < it->second.size()) {
            auto element = it->second.begin();
            std::advance(element, physicalIndex);
            result = *this;
            result.indices_.push_back(*element);
        }
    }
    reportStatus(status, result.node_ != nullptr);
    return result;
}

MPlug MPlug::elementByLogicalIndex(unsigned int logicalIndex, MStatus* status) const {
    MPlug result;
    if (isArray()) {
        result = *this;
        result.indices_.push_back(logicalIndex);
    }
    reportStatus(status, result.node_ != nullptr);
    return result;
}

unsigned int MPlug::logicalIndex(MStatus* status) const {
    bool ok = isElement();
    reportStatus(status, ok);
    return ok ? indices_.back() : 0;
}

MStatus MPlug::selectAncestorLogicalIndex(unsigned int index, const MObject& attribute) {
    if (!node_) {
        return MS::kFailure;
    }
    // Find the array level to select: the given ancestor attribute, or the
    // plug's own attribute.
    int target = attribute.isNull() ? attr_ : ObjectAccess::attribute(attribute);
    size_t level = 0;
    for (int a : node_->chain(attr_)) {
        if (!node_->attribute(a).array) {
            continue;
        }
        if (a == target) {
            if (level < indices_.size()) {
                indices_[level] = index;
            } else if (level == indices_.size()) {
                indices_.push_back(index);
            } else {
                return MS::kFailure;
            }
            return MS::kSuccess;
        }
        ++level;
    }
    return MS::kFailure;
}

MPlug MPlug::child(unsigned int index, MStatus* status) const {
    MPlug result;
    if (node_ && !isArray()) {
        const auto& children = node_->attribute(attr_).children;
        if (index < children.size()) {
            result = *this;
            result.attr_ = children[index];
        }
    }
    reportStatus(status, result.node_ != nullptr);
    return result;
}

MPlug MPlug::parent(MStatus* status) const {
    MPlug result;
    if (node_ && node_->attribute(attr_).parent >= 0) {
        result = *this;
        result.attr_ = node_->attribute(attr_).parent;
    }
    reportStatus(status, result.node_ != nullptr);
    return result;
}

MPlug MPlug::array(MStatus* status) const {
    MPlug result;
    if (isElement()) {
        result = *this;
        result.indices_.pop_back();
    }
    reportStatus(status, result.node_ != nullptr);
    return result;
}

bool MPlug::operator==(const MPlug& other) const {
    return node_ == other.node_ && attr_ == other.attr_ && indices_ == other.indices_;
}
