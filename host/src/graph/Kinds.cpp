// The kind hierarchy behind MObject::hasFn and the kind names behind
// MObject::apiTypeStr.

#include "graph/NodeType.h"

#include <array>

namespace orvex_host {
namespace {

struct KindInfo {
    MFn::Type kind;
    MFn::Type parent;
    const char* name;
};

// Every kind with the kind it derives from.  Emitters, fields, joints and IK
// nodes are transforms; area lights are not non-extended lights.
const KindInfo kKinds[] = {
    {MFn::kBase, MFn::kInvalid, "kBase"},
    {MFn::kDependencyNode, MFn::kBase, "kDependencyNode"},
    {MFn::kDagNode, MFn::kDependencyNode, "kDagNode"},
    {MFn::kWorld, MFn::kDagNode, "kWorld"},
    {MFn::kTransform, MFn::kDagNode, "kTransform"},
    {MFn::kJoint, MFn::kTransform, "kJoint"},
    {MFn::kIkHandle, MFn::kTransform, "kIkHandle"},
    {MFn::kIkEffector, MFn::kTransform, "kIkEffector"},
    {MFn::kDynBase, MFn::kTransform, "kDynBase"},
    {MFn::kEmitter, MFn::kDynBase, "kEmitter"},
    {MFn::kField, MFn::kDynBase, "kField"},
    {MFn::kGravity, MFn::kField, "kGravity"},
    {MFn::kAir, MFn::kField, "kAir"},
    {MFn::kShape, MFn::kDagNode, "kShape"},
    {MFn::kMesh, MFn::kShape, "kMesh"},
    {MFn::kNurbsCurve, MFn::kShape, "kNurbsCurve"},
    {MFn::kLight, MFn::kShape, "kLight"},
    {MFn::kAmbientLight, MFn::kLight, "kAmbientLight"},
    {MFn::kNonAmbientLight, MFn::kLight, "kNonAmbientLight"},
    {MFn::kAreaLight, MFn::kNonAmbientLight, "kAreaLight"},
    {MFn::kNonExtendedLight, MFn::kNonAmbientLight, "kNonExtendedLight"},
    {MFn::kDirectionalLight, MFn::kNonExtendedLight, "kDirectionalLight"},
    {MFn::kPointLight, MFn::kNonExtendedLight, "kPointLight"},
    {MFn::kSpotLight, MFn::kNonExtendedLight, "kSpotLight"},
    {MFn::kVolumeLight, MFn::kPointLight, "kVolumeLight"},
    {MFn::kCamera, MFn::kShape, "kCamera"},
    {MFn::kParticle, MFn::kShape, "kParticle"},
    {MFn::kTexture2d, MFn::kDependencyNode, "kTexture2d"},
    {MFn::kFileTexture, MFn::kTexture2d, "kFileTexture"},
    {MFn::kPsdFileTexture, MFn::kFileTexture, "kPsdFileTexture"},
    {MFn::kTextureEnv, MFn::kDependencyNode, "kTextureEnv"},
    {MFn::kEnvSphere, MFn::kTextureEnv, "kEnvSphere"},
    {MFn::kBump, MFn::kDependencyNode, "kBump"},
    {MFn::kLayeredTexture, MFn::kDependencyNode, "kLayeredTexture"},
    {MFn::kChecker, MFn::kTexture2d, "kChecker"},
    {MFn::kLambert, MFn::kDependencyNode, "kLambert"},
    {MFn::kReflect, MFn::kLambert, "kReflect"},
    {MFn::kPhong, MFn::kReflect, "kPhong"},
    {MFn::kBlinn, MFn::kReflect, "kBlinn"},
    {MFn::kPhongExplorer, MFn::kReflect, "kPhongExplorer"},
    {MFn::kSurfaceShader, MFn::kDependencyNode, "kSurfaceShader"},
    {MFn::kSet, MFn::kDependencyNode, "kSet"},
    {MFn::kShadingEngine, MFn::kSet, "kShadingEngine"},
    {MFn::kCharacter, MFn::kSet, "kCharacter"},
    {MFn::kGeometryFilt, MFn::kDependencyNode, "kGeometryFilt"},
    {MFn::kWeightGeometryFilt, MFn::kGeometryFilt, "kWeightGeometryFilt"},
    {MFn::kSkinClusterFilter, MFn::kWeightGeometryFilt, "kSkinClusterFilter"},
    {MFn::kTweak, MFn::kGeometryFilt, "kTweak"},
    {MFn::kGroupParts, MFn::kDependencyNode, "kGroupParts"},
    {MFn::kGroupId, MFn::kDependencyNode, "kGroupId"},
    {MFn::kGeoConnector, MFn::kDependencyNode, "kGeoConnector"},
    {MFn::kDagPose, MFn::kDependencyNode, "kDagPose"},
    {MFn::kClip, MFn::kDependencyNode, "kClip"},
    {MFn::kClipLibrary, MFn::kDependencyNode, "kClipLibrary"},
    {MFn::kAnimCurve, MFn::kDependencyNode, "kAnimCurve"},
    {MFn::kAnimCurveTimeToDistance, MFn::kAnimCurve, "kAnimCurveTimeToDistance"},
    {MFn::kAnimCurveTimeToAngular, MFn::kAnimCurve, "kAnimCurveTimeToAngular"},
    {MFn::kAnimCurveTimeToUnitless, MFn::kAnimCurve, "kAnimCurveTimeToUnitless"},
    {MFn::kAnimCurveUnitlessToDistance, MFn::kAnimCurve, "kAnimCurveUnitlessToDistance"},
    {MFn::kAnimCurveTimeToTime, MFn::kAnimCurve, "kAnimCurveTimeToTime"},
    {MFn::kAnimCurveUnitlessToAngular, MFn::kAnimCurve, "kAnimCurveUnitlessToAngular"},
    {MFn::kAnimCurveUnitlessToUnitless, MFn::kAnimCurve, "kAnimCurveUnitlessToUnitless"},
    {MFn::kAnimCurveUnitlessToTime, MFn::kAnimCurve, "kAnimCurveUnitlessToTime"},
    {MFn::kTime, MFn::kDependencyNode, "kTime"},
    {MFn::kPartition, MFn::kDependencyNode, "kPartition"},
    {MFn::kUnknown, MFn::kDependencyNode, "kUnknown"},
    {MFn::kUnknownDag, MFn::kDagNode, "kUnknownDag"},
    {MFn::kUnknownTransform, MFn::kTransform, "kUnknownTransform"},
    {MFn::kAttribute, MFn::kBase, "kAttribute"},
    {MFn::kNumericAttribute, MFn::kAttribute, "kNumericAttribute"},
    {MFn::kTypedAttribute, MFn::kAttribute, "kTypedAttribute"},
    {MFn::kCompoundAttribute, MFn::kAttribute, "kCompoundAttribute"},
    {MFn::kMessageAttribute, MFn::kAttribute, "kMessageAttribute"},
    {MFn::kEnumAttribute, MFn::kAttribute, "kEnumAttribute"},
    {MFn::kUnitAttribute, MFn::kAttribute, "kUnitAttribute"},
    {MFn::kMatrixAttribute, MFn::kAttribute, "kMatrixAttribute"},
    {MFn::kGenericAttribute, MFn::kAttribute, "kGenericAttribute"},
    {MFn::kData, MFn::kBase, "kData"},
    {MFn::kMatrixData, MFn::kData, "kMatrixData"},
    {MFn::kComponent, MFn::kBase, "kComponent"},
    {MFn::kMeshVertComponent, MFn::kComponent, "kMeshVertComponent"},
};

const KindInfo* info(MFn::Type kind) {
    int index = static_cast<int>(kind) - static_cast<int>(MFn::kBase);
    constexpr int count = sizeof(kKinds) / sizeof(kKinds[0]);
    if (index < 0 || index >= count) {
        return nullptr;
    }
    // The table lists the kinds in enumerator order; a mismatch would be a
    // bug in the table, so it reads as an unknown kind rather than a wrong one.
    return kKinds[index].kind == kind ? &kKinds[index] : nullptr;
}

} // namespace

MFn::Type TypeRegistry::parentKind(MFn::Type kind) {
    const KindInfo* k = info(kind);
    return k ? k->parent : MFn::kInvalid;
}

const char* TypeRegistry::kindName(MFn::Type kind) {
    const KindInfo* k = info(kind);
    return k ? k->name : "kInvalid";
}

bool TypeRegistry::kindIs(MFn::Type kind, MFn::Type ancestor) {
    if (ancestor == MFn::kInvalid) {
        return false;
    }
    for (MFn::Type k = kind; k != MFn::kInvalid; k = parentKind(k)) {
        if (k == ancestor) {
            return true;
        }
    }
    return false;
}

} // namespace orvex_host
