#include "FuzzScenes.h"

#include "Injections.h"
#include "support/SceneDamage.h"

#include <random>

namespace orvex_fuzz {

std::string damagedScene(const std::vector<SeedScene>& seeds, uint32_t runSeed, uint64_t index,
                         size_t& seedIndex) {
    std::seed_seq sequence{runSeed, static_cast<uint32_t>(index), static_cast<uint32_t>(index >> 32)};
    std::mt19937 random(sequence);
    seedIndex = random() % seeds.size();
    std::string text = seeds[seedIndex].text;
    // One to three changes, each a reader-test damage (one in three) or an
    // injected value: few enough that most scenes still read, so that most
    // get exported.
    for (int changes = 1 + static_cast<int>(random() % 3); changes > 0; --changes) {
        if (random() % 3 == 0) {
            orvex_test::damageSceneText(text, random);
        } else {
            injectAttributeValue(text, random);
        }
    }
    return text;
}

} // namespace orvex_fuzz
