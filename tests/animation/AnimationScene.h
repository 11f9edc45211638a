#pragma once
// Builds characters, clip libraries, clips and curves in the host's current
// scene, wired the way scene files wire them, for tests that run before (or
// beside) scene files.

#include "support/SceneBuilder.h"
#include "types/AnimationData.h"

#include <initializer_list>
#include <string>

namespace orvex_test {

struct TestKey {
    double time; // in the curve's time unit
    double value;
    int inCode = -1; // scene-file tangent codes; -1 takes the curve's default
    int outCode = -1;
};

class AnimationScene {
public:
    // A curve of the given type ("animCurveTL"...) with keys in `unit`.
    orvex_host::Node* curve(const std::string& type, const std::string& name,
                            std::initializer_list<TestKey> keys, MTime::Unit unit = MTime::kFilm);
    orvex_host::Node* character(const std::string& name);
    // A clip library tied to the character (null: tied to none).
    orvex_host::Node* library(const std::string& name, orvex_host::Node* character);
    // A source clip in sourceClip[index] of the library, with its source
    // start and end in the scene's time unit.
    orvex_host::Node* clip(const std::string& name, orvex_host::Node* library, unsigned index, double start,
                           double end);
    // Member `member` of the library's clip `clipIndex`: the curve, and the
    // attribute its mapping names ("pCube1.translateX").
    void member(orvex_host::Node* library, unsigned clipIndex, unsigned member, orvex_host::Node* curve,
                const std::string& plug);
    // Makes "node.attr" a member of the character: it feeds the character's
    // next dnSetMembers element.
    void animate(const std::string& plug, orvex_host::Node* character);

    SceneBuilder builder;

private:
    unsigned nextMember_ = 0;
};

} // namespace orvex_test
