#pragma once
// The custom-shader settings a user adds to a material as attributes of its
// own: the shader file, its parameters and maps, and the planar reflection's
// bump scale and resolution.

#include <maya/MFnDependencyNode.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Keys under which custom-shader files and custom maps get their file ids;
// the path follows the prefix.
inline constexpr char kCustomShaderFileKey[] = "materialCustomShaderFile_";
inline constexpr char kCustomShaderTextureKey[] = "materialCustomShaderTexture_";

struct CustomShaderSettings {
    using NamedText = std::pair<std::string, std::string>;

    bool hasShader = false;
    std::string shaderPath;
    std::vector<NamedText> parameters; // (name, value), in attribute order
    std::vector<NamedText> textures;   // (name, path), in attribute order
    float reflectionBumpScale = 0.1f;
    int32_t reflectionResolution = 512;
};

// Reads the settings from the user-added attributes of `material`, matched
// by their short names; everything else keeps its default.
CustomShaderSettings readCustomShaderSettings(const MFnDependencyNode& material);
