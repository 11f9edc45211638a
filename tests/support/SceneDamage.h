#pragma once
// Random damage to scene-file text, as the reader's fuzz tests and the
// export fuzz program apply it.

#include <random>
#include <string>

namespace orvex_test {

// Numbers that test the limits of every count, index and value.
extern const char* const kExtremeNumbers[];
extern const size_t kExtremeNumberCount;

// One random damage: a character changed, removed or inserted, a run
// removed or copied elsewhere, or a number replaced by an extreme one. The
// text never ends up empty.
void damageSceneText(std::string& text, std::mt19937& random);

} // namespace orvex_test
