#pragma once
// Conversions between the host API's value types and the graph behind them.

#include "api/ApiKinds.h"
#include "api/ReportStatus.h"
#include "graph/Scene.h"

#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MTransformationMatrix.h>

#include <array>
#include <memory>

namespace orvex_host {

// A data object handed out through MObject (matrix data, components...).
struct DataObject {
    explicit DataObject(Kind k) : kind(k) {}
    virtual ~DataObject() = default;
    Kind kind;
};

// Transformation data read from a pose element.
struct MatrixDataObject : DataObject {
    MatrixDataObject() : DataObject(Kind::MatrixData) {}
    TransformData data;
};

// A component naming one mesh vertex (what MItGeometry hands out).
struct VertexComponentObject : DataObject {
    explicit VertexComponentObject(unsigned v) : DataObject(Kind::MeshVertComponent), vertex(v) {}
    unsigned vertex;
};

struct ObjectAccess {
    static Kind kind(const MObject& object); // the node's, attribute's or data's kind
    static MObject fromNode(Node* node);
    static MObject fromAttribute(Node* node, int attr);
    static MObject fromData(std::shared_ptr<const DataObject> data);

    static Node* node(const MObject& object);          // null unless a node object
    static Node* attributeNode(const MObject& object); // node of an attribute object
    static int attribute(const MObject& object);       // -1 unless an attribute object
    static const DataObject* data(const MObject& object);

    static MPlug plug(Node* node, const PlugAddress& addr);
    static Node* plugNode(const MPlug& plug) { return plug.node_; }
    static PlugAddress plugAddress(const MPlug& plug) { return {plug.attr_, plug.indices_}; }
    static void setPlugIndices(MPlug& plug, std::vector<unsigned> indices) {
        plug.indices_ = std::move(indices);
    }

    static MDagPath path(const DagChain& chain);
    static MTransformationMatrix transformation(const TransformData& data);
    static const DagChain& chain(const MDagPath& path) { return path.chain_; }
};

Kind attributeKind(AttrType type);

} // namespace orvex_host
