#include "animation/AnimationScene.h"

#include <gtest/gtest.h>

namespace orvex_test {

using namespace orvex_host;

Node* AnimationScene::curve(const std::string& type, const std::string& name,
                            std::initializer_list<TestKey> keys, MTime::Unit unit) {
    Node* node = builder.create(type, name);
    auto* data = node->payloadAs<AnimCurveData>();
    data->timeUnit = unit;
    unsigned index = 0;
    for (const TestKey& key : keys) {
        data->setKey(index, key.time, key.value);
        data->entry(index).inCode = key.inCode;
        data->entry(index).outCode = key.outCode;
        ++index;
    }
    return node;
}

Node* AnimationScene::character(const std::string& name) {
    return builder.create("character", name);
}

Node* AnimationScene::library(const std::string& name, Node* character) {
    Node* node = builder.create("clipLibrary", name);
    if (character) {
        builder.connect(character->name + ".msg", name + ".cha");
    }
    return node;
}

Node* AnimationScene::clip(const std::string& name, Node* library, unsigned index, double start, double end) {
    Node* node = builder.create("animClip", name);
    builder.set(node, "ss", start);
    builder.set(node, "se", end);
    builder.set(node, "ci", false);
    builder.connect(name + ".cl", library->name + ".sc[" + std::to_string(index) + "]");
    return node;
}

void AnimationScene::member(Node* library, unsigned clipIndex, unsigned member, Node* curve,
                            const std::string& plug) {
    builder.connect(curve->name + ".a", library->name + ".cevr[" + std::to_string(clipIndex) + "][" +
                                            std::to_string(member) + "]");
    CharacterMapping& mapping = library->payloadAs<ClipLibraryData>()->clipMappings[clipIndex];
    if (mapping.size() <= member) {
        mapping.resize(member + 1);
    }
    mapping[member].plug = plug;
}

void AnimationScene::animate(const std::string& plug, Node* character) {
    builder.connect(plug, character->name + ".dnsm[" + std::to_string(nextMember_++) + "]");
}

} // namespace orvex_test
