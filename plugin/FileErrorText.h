#pragma once
// The reason a file call failed, in the words an error message uses.

#include <cstdint>
#include <string>

// The text for a Windows error code ("its folder does not exist").
std::string fileErrorText(uint32_t error);
