#pragma once
// Every kind of host object after kBase (the root of all kinds), in
// enumerator order, each with the kind it derives from: MObject::hasFn
// answers true for a kind and all its bases. MFn::Type numbers them per API
// version; the host library numbers them once, in the same order, so that
// it is built once for every version.

#define ORVEX_MFN_TYPES(X)                                                                                   \
    X(DependencyNode, Base)                                                                                  \
    X(DagNode, DependencyNode)                                                                               \
    X(World, DagNode)                                                                                        \
    X(Transform, DagNode)                                                                                    \
    X(Joint, Transform)                                                                                      \
    X(IkHandle, Transform)                                                                                   \
    X(IkEffector, Transform)                                                                                 \
    X(DynBase, Transform)                                                                                    \
    X(Emitter, DynBase)                                                                                      \
    X(Field, DynBase)                                                                                        \
    X(Gravity, Field)                                                                                        \
    X(Air, Field)                                                                                            \
    X(Shape, DagNode)                                                                                        \
    X(Mesh, Shape)                                                                                           \
    X(NurbsCurve, Shape)                                                                                     \
    X(Light, Shape)                                                                                          \
    X(AmbientLight, Light)                                                                                   \
    X(NonAmbientLight, Light)                                                                                \
    X(AreaLight, NonAmbientLight)                                                                            \
    X(NonExtendedLight, NonAmbientLight)                                                                     \
    X(DirectionalLight, NonExtendedLight)                                                                    \
    X(PointLight, NonExtendedLight)                                                                          \
    X(SpotLight, NonExtendedLight)                                                                           \
    X(VolumeLight, PointLight)                                                                               \
    X(Camera, Shape)                                                                                         \
    X(Particle, Shape)                                                                                       \
    X(Texture2d, DependencyNode)                                                                             \
    X(FileTexture, Texture2d)                                                                                \
    X(PsdFileTexture, FileTexture)                                                                           \
    X(TextureEnv, DependencyNode)                                                                            \
    X(EnvSphere, TextureEnv)                                                                                 \
    X(Bump, DependencyNode)                                                                                  \
    X(LayeredTexture, DependencyNode)                                                                        \
    X(Checker, Texture2d)                                                                                    \
    X(Lambert, DependencyNode)                                                                               \
    X(Reflect, Lambert)                                                                                      \
    X(Phong, Reflect)                                                                                        \
    X(Blinn, Reflect)                                                                                        \
    X(PhongExplorer, Reflect)                                                                                \
    X(SurfaceShader, DependencyNode)                                                                         \
    X(Set, DependencyNode)                                                                                   \
    X(ShadingEngine, Set)                                                                                    \
    X(Character, Set)                                                                                        \
    X(GeometryFilt, DependencyNode)                                                                          \
    X(WeightGeometryFilt, GeometryFilt)                                                                      \
    X(SkinClusterFilter, WeightGeometryFilt)                                                                 \
    X(Tweak, GeometryFilt)                                                                                   \
    X(GroupParts, DependencyNode)                                                                            \
    X(GroupId, DependencyNode)                                                                               \
    X(GeoConnector, DependencyNode)                                                                          \
    X(DagPose, DependencyNode)                                                                               \
    X(Clip, DependencyNode)                                                                                  \
    X(ClipLibrary, DependencyNode)                                                                           \
    X(AnimCurve, DependencyNode)                                                                             \
    X(AnimCurveTimeToDistance, AnimCurve)                                                                    \
    X(AnimCurveTimeToAngular, AnimCurve)                                                                     \
    X(AnimCurveTimeToUnitless, AnimCurve)                                                                    \
    X(AnimCurveUnitlessToDistance, AnimCurve)                                                                \
    X(AnimCurveTimeToTime, AnimCurve)                                                                        \
    X(AnimCurveUnitlessToAngular, AnimCurve)                                                                 \
    X(AnimCurveUnitlessToUnitless, AnimCurve)                                                                \
    X(AnimCurveUnitlessToTime, AnimCurve)                                                                    \
    X(Time, DependencyNode)                                                                                  \
    X(Partition, DependencyNode)                                                                             \
    X(Unknown, DependencyNode)                                                                               \
    X(UnknownDag, DagNode)                                                                                   \
    X(UnknownTransform, Transform)                                                                           \
    X(Attribute, Base)                                                                                       \
    X(NumericAttribute, Attribute)                                                                           \
    X(TypedAttribute, Attribute)                                                                             \
    X(CompoundAttribute, Attribute)                                                                          \
    X(MessageAttribute, Attribute)                                                                           \
    X(EnumAttribute, Attribute)                                                                              \
    X(UnitAttribute, Attribute)                                                                              \
    X(MatrixAttribute, Attribute)                                                                            \
    X(GenericAttribute, Attribute)                                                                           \
    X(Data, Base)                                                                                            \
    X(MatrixData, Data)                                                                                      \
    X(Component, Base)                                                                                       \
    X(MeshVertComponent, Component)
