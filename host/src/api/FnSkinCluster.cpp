// MFnGeometryFilter and MFnSkinCluster: a deformer's output shapes, found
// through the connections of its outputGeometry elements, and the weights a
// skin cluster stores per vertex and influence.

#include "api/Access.h"
#include "geometry/DeformerChain.h"
#include "geometry/SkinWeights.h"
#include "session/GeometryQueries.h"

#include <orvex_host/Session.h>

#include <maya/MFnSkinCluster.h>

using namespace orvex_host;

namespace {

// The logical indices of the deformer's outputGeometry elements, in order.
std::vector<unsigned> outputIndices(const Node* node) {
    std::vector<unsigned> result;
    int og = node->findAttribute("outputGeometry");
    auto it = node->elements.find({og, {}});
    if (og >= 0 && it != node->elements.end()) {
        result.assign(it->second.begin(), it->second.end());
    }
    return result;
}

Node* shapeAtOutput(const Node* node, unsigned index) {
    int og = node->findAttribute("outputGeometry");
    return og < 0 ? nullptr : downstreamShape(currentScene(), node, {og, {index}});
}

} // namespace

MFnGeometryFilter::MFnGeometryFilter(const MObject& object, MStatus* status) {
    MStatus s = setObject(object);
    if (status) {
        *status = s;
    }
}

unsigned int MFnGeometryFilter::indexForOutputShape(const MObject& shape, MStatus* status) const {
    Node* node = ObjectAccess::node(obj());
    Node* wanted = ObjectAccess::node(shape);
    if (node && wanted && !queryFaulted("indexForOutputShape")) {
        for (unsigned index : outputIndices(node)) {
            if (shapeAtOutput(node, index) == wanted) {
                reportStatus(status, true);
                return index;
            }
        }
    }
    reportStatus(status, false);
    return 0;
}

MStatus MFnGeometryFilter::getPathAtIndex(unsigned int index, MDagPath& path) const {
    Node* node = ObjectAccess::node(obj());
    Node* shape = node ? shapeAtOutput(node, index) : nullptr;
    if (!shape) {
        return MS::kFailure;
    }
    path = ObjectAccess::path(currentScene().firstPath(shape));
    return MS::kSuccess;
}

float MFnGeometryFilter::envelope(MStatus* status) const {
    float value = 0.0f;
    MPlug plug = findPlug("envelope");
    reportStatus(status, !plug.isNull() && plug.getValue(value));
    return value;
}

MFnSkinCluster::MFnSkinCluster(const MObject& object, MStatus* status) {
    MStatus s = setObject(object);
    if (status) {
        *status = s;
    }
}

MStatus MFnSkinCluster::getWeights(const MDagPath& path, const MObject& components, MDoubleArray& weights,
                                   unsigned int& influenceCount) const {
    notifyGeometryQuery("getWeights");
    Node* node = ObjectAccess::node(obj());
    const SkinWeights* skin = node ? node->payloadAs<SkinWeights>() : nullptr;
    auto vertex = dynamic_cast<const VertexComponentObject*>(ObjectAccess::data(components));
    const DagChain& chain = ObjectAccess::chain(path);
    if (!skin || !vertex || chain.empty() || queryFaulted("getWeights")) {
        return MS::kFailure;
    }
    // One weight per element of "matrix", in the elements' physical order,
    // unconnected elements included.
    int matrix = node->findAttribute("matrix");
    auto elements = node->elements.find({matrix, {}});
    weights.clear();
    if (elements != node->elements.end()) {
        for (unsigned influence : elements->second) {
            weights.append(skin->weight(vertex->vertex, influence));
        }
    }
    influenceCount = weights.length();
    return MS::kSuccess;
}
