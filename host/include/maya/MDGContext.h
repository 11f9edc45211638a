#pragma once
// Evaluation context. The host does not evaluate the graph, so every
// context reads the stored values.

class MDGContext {
public:
    MDGContext() = default;
    static MDGContext fsNormal;
};
