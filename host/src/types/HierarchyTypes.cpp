// Built-in node types that scene files hold but whose own attributes the
// exporter never reads: constraints, locators, deformer handles, the fields
// other than gravity and air, solvers and the like. The host knows them by
// their place in its type hierarchy (a transform, a shape or a plain DG
// node, of the kind their function sets answer to) and by the attributes of
// the modelled types they derive from; whatever else of theirs a file sets
// or connects is kept as it comes, as on nodes of unknown types.
//
// Where the host's reference leaves a type's place open, the table follows
// what files show and says so: a nucleus and an instancer are transforms
// (files give them translations and parent them with -p), the implicit
// sphere, cone and box are geometry shapes like the render shapes derived
// from them, and nParticle derives from particle through nBase (nRigid,
// its sibling, answers to the particle kind). Deformer handles answer to the
// kinds the reference prints for them (kSoftMod, kCluster), and meshes and
// NURBS curves, like locators and lattices, to the geometric kind.

#include "graph/NodeType.h"

namespace orvex_host {

namespace {

struct HierarchyType {
    const char* name;
    Kind kind;
    const char* base; // empty for a plain DG node
};

// Bases before the types derived from them.
const HierarchyType kHierarchyTypes[] = {
    // Transforms. Every constraint is one, placed under the node it drives.
    {"constraint", Kind::Constraint, "transform"},
    {"pointConstraint", Kind::PointConstraint, "constraint"},
    {"poleVectorConstraint", Kind::PoleVectorConstraint, "pointConstraint"},
    {"orientConstraint", Kind::OrientConstraint, "constraint"},
    {"parentConstraint", Kind::ParentConstraint, "constraint"},
    {"scaleConstraint", Kind::ScaleConstraint, "constraint"},
    {"aimConstraint", Kind::AimConstraint, "constraint"},
    {"lookAt", Kind::LookAt, "aimConstraint"},
    {"geometryConstraint", Kind::GeometryConstraint, "constraint"},
    {"normalConstraint", Kind::NormalConstraint, "constraint"},
    {"tangentConstraint", Kind::TangentConstraint, "constraint"},
    {"pointOnPolyConstraint", Kind::PointOnPolyConstraint, "constraint"},
    {"place3dTexture", Kind::Place3dTexture, "transform"},
    {"lodGroup", Kind::LodGroup, "transform"},
    {"hikIKEffector", Kind::HikIKEffector, "transform"},
    {"hikFKJoint", Kind::HikFKJoint, "joint"},
    {"hikEffector", Kind::HikEffector, "transform"},
    {"nucleus", Kind::Nucleus, "transform"},
    {"instancer", Kind::Instancer, "transform"},
    {"rigidConstraint", Kind::RigidConstraint, "transform"},
    {"radialField", Kind::Radial, "field"},
    {"dragField", Kind::Drag, "field"},
    {"turbulenceField", Kind::Turbulence, "field"},
    {"uniformField", Kind::Uniform, "field"},
    {"vortexField", Kind::Vortex, "field"},
    {"newtonField", Kind::Newton, "field"},
    {"volumeAxisField", Kind::VolumeAxis, "field"},

    // Shapes. The abstract geometry levels answer to the geometric kind.
    {"geometryShape", Kind::Geometric, "shape"},
    {"deformableShape", Kind::Geometric, "geometryShape"},
    {"controlPoint", Kind::Geometric, "deformableShape"},
    {"surfaceShape", Kind::Geometric, "controlPoint"},
    {"curveShape", Kind::Geometric, "controlPoint"},
    {"nurbsSurface", Kind::NurbsSurface, "surfaceShape"},
    {"subdiv", Kind::Subdiv, "surfaceShape"},
    {"lattice", Kind::Lattice, "controlPoint"},
    {"baseLattice", Kind::BaseLattice, "shape"},
    {"locator", Kind::Locator, "geometryShape"},
    {"positionMarker", Kind::PositionMarker, "locator"},
    {"orientationMarker", Kind::OrientationMarker, "positionMarker"},
    {"implicitSphere", Kind::ImplicitSphere, "geometryShape"},
    {"renderSphere", Kind::RenderSphere, "implicitSphere"},
    {"implicitCone", Kind::ImplicitCone, "geometryShape"},
    {"renderCone", Kind::RenderCone, "implicitCone"},
    {"implicitBox", Kind::Box, "geometryShape"},
    {"renderBox", Kind::RenderBox, "implicitBox"},
    // Deformer handles: the shape below the handle's plain transform.
    {"softModHandle", Kind::SoftMod, "shape"},
    {"clusterHandle", Kind::Cluster, "shape"},
    {"deformFunc", Kind::DeformFunc, "shape"},
    {"deformBend", Kind::DeformBend, "deformFunc"},
    {"deformFlare", Kind::DeformFlare, "deformFunc"},
    {"deformSine", Kind::DeformSine, "deformFunc"},
    {"deformSquash", Kind::DeformSquash, "deformFunc"},
    {"deformTwist", Kind::DeformTwist, "deformFunc"},
    {"deformWave", Kind::DeformWave, "deformFunc"},
    // A DAG shape from the 2013 host on; older hosts kept image planes in
    // the DG, and their files create them without a parent, which leaves a
    // shape below the world here that no pass exports.
    {"imagePlane", Kind::ImagePlane, "shape"},
    {"nBase", Kind::NBase, "particle"},
    {"nParticle", Kind::NParticle, "nBase"},
    {"rigidBody", Kind::Rigid, "shape"},
    {"dimensionShape", Kind::Dimension, "shape"},
    {"annotationShape", Kind::Annotation, "dimensionShape"},
    {"distanceDimShape", Kind::Distance, "dimensionShape"},
    {"follicle", Kind::Follicle, "shape"},
    {"hairSystem", Kind::HairSystem, "shape"},

    // Plain DG nodes.
    {"softMod", Kind::SoftModFilter, "weightGeometryFilter"},
    {"nonLinear", Kind::NonLinear, "weightGeometryFilter"},
    {"ffd", Kind::FFD, "weightGeometryFilter"},
    {"rigidSolver", Kind::RigidSolver, ""},
};

} // namespace

void registerHierarchyTypes(TypeRegistry& registry) {
    for (const HierarchyType& t : kHierarchyTypes) {
        const NodeType* base = *t.base ? registry.find(t.base) : nullptr;
        registry.define(t.name, t.kind, t.base, base && base->dag).keepsUnlistedAttributes = true;
    }
}

} // namespace orvex_host
