#pragma once
// The fixed tables of custom transform attributes that carry physics body
// and physics joint settings: which attribute is read, under which name it
// is written, of which kind and with which default. An attribute is written
// only when the node has it and it holds something other than its default.

#include <cstddef>
#include <cstdint>

struct AttributeSpec {
    enum Kind : int32_t { Bool = 0, Float = 1, Int = 2, String = 3 };

    int32_t kind;
    bool boolDefault;
    float floatDefault;
    int32_t intDefault;
    const char* stringDefault;
    const char* mayaAttribute;
    const char* xmlAttribute;
};

// TransformGroup elements that are not joints.
extern const AttributeSpec kTransformGroupAttributes[];
extern const size_t kTransformGroupAttributeCount;
// Mesh Shape elements that take part in physics.
extern const AttributeSpec kShapePhysicsAttributes[];
extern const size_t kShapePhysicsAttributeCount;
// TransformGroup elements marked as joints.
extern const AttributeSpec kJointAttributes[];
extern const size_t kJointAttributeCount;
