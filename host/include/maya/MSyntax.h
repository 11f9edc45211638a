#pragma once
// Command syntax description (the exporter registers none).

class MSyntax {
public:
    MSyntax() = default;
};
