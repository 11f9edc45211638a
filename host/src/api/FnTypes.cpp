// The kind each function set attaches to (and its bases), numbered as the
// version the host answers as numbers it.

#include "api/ApiKinds.h"

#include <maya/MFnAirField.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnBase.h>
#include <maya/MFnBlinnShader.h>
#include <maya/MFnCamera.h>
#include <maya/MFnCharacter.h>
#include <maya/MFnClip.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnField.h>
#include <maya/MFnGeometryFilter.h>
#include <maya/MFnGravityField.h>
#include <maya/MFnIkJoint.h>
#include <maya/MFnLambertShader.h>
#include <maya/MFnLight.h>
#include <maya/MFnMatrixData.h>
#include <maya/MFnMesh.h>
#include <maya/MFnNonAmbientLight.h>
#include <maya/MFnNonExtendedLight.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnParticleSystem.h>
#include <maya/MFnPhongShader.h>
#include <maya/MFnReflectShader.h>
#include <maya/MFnSkinCluster.h>
#include <maya/MFnSpotLight.h>
#include <maya/MFnTransform.h>
#include <maya/MFnTypedAttribute.h>

using namespace orvex_host;

MFn::Type MFnAirField::type() const {
    return apiTypeOf(Kind::Air);
}

MFn::Type MFnAnimCurve::type() const {
    return apiTypeOf(Kind::AnimCurve);
}

MFn::Type MFnAttribute::type() const {
    return apiTypeOf(Kind::Attribute);
}

MFn::Type MFnBlinnShader::type() const {
    return apiTypeOf(Kind::Blinn);
}

MFn::Type MFnCamera::type() const {
    return apiTypeOf(Kind::Camera);
}

MFn::Type MFnCharacter::type() const {
    return apiTypeOf(Kind::Character);
}

MFn::Type MFnClip::type() const {
    return apiTypeOf(Kind::Clip);
}

MFn::Type MFnDagNode::type() const {
    return apiTypeOf(Kind::DagNode);
}

MFn::Type MFnDependencyNode::type() const {
    return apiTypeOf(Kind::DependencyNode);
}

MFn::Type MFnField::type() const {
    return apiTypeOf(Kind::Field);
}

MFn::Type MFnGeometryFilter::type() const {
    return apiTypeOf(Kind::GeometryFilt);
}

MFn::Type MFnGravityField::type() const {
    return apiTypeOf(Kind::Gravity);
}

MFn::Type MFnIkJoint::type() const {
    return apiTypeOf(Kind::Joint);
}

MFn::Type MFnLambertShader::type() const {
    return apiTypeOf(Kind::Lambert);
}

MFn::Type MFnLight::type() const {
    return apiTypeOf(Kind::Light);
}

MFn::Type MFnMatrixData::type() const {
    return apiTypeOf(Kind::MatrixData);
}

MFn::Type MFnMesh::type() const {
    return apiTypeOf(Kind::Mesh);
}

MFn::Type MFnNonAmbientLight::type() const {
    return apiTypeOf(Kind::NonAmbientLight);
}

MFn::Type MFnNonExtendedLight::type() const {
    return apiTypeOf(Kind::NonExtendedLight);
}

MFn::Type MFnNumericAttribute::type() const {
    return apiTypeOf(Kind::NumericAttribute);
}

MFn::Type MFnNurbsCurve::type() const {
    return apiTypeOf(Kind::NurbsCurve);
}

MFn::Type MFnParticleSystem::type() const {
    return apiTypeOf(Kind::Particle);
}

MFn::Type MFnPhongShader::type() const {
    return apiTypeOf(Kind::Phong);
}

MFn::Type MFnReflectShader::type() const {
    return apiTypeOf(Kind::Reflect);
}

MFn::Type MFnSkinCluster::type() const {
    return apiTypeOf(Kind::SkinClusterFilter);
}

MFn::Type MFnSpotLight::type() const {
    return apiTypeOf(Kind::SpotLight);
}

MFn::Type MFnTransform::type() const {
    return apiTypeOf(Kind::Transform);
}

MFn::Type MFnTypedAttribute::type() const {
    return apiTypeOf(Kind::TypedAttribute);
}

MFn::Type MFnBase::type() const {
    return apiTypeOf(Kind::Base);
}
