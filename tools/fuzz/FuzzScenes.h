#pragma once
// The damaged scenes of one fuzz run: scene i is made from the run's seed
// and i alone, so a worker and the parent that reports a crash make the same
// text.

#include <cstdint>
#include <string>
#include <vector>

namespace orvex_fuzz {

struct SeedScene {
    std::string path; // the scene file, also the name the damaged copy is read under
    std::string text;
};

std::string damagedScene(const std::vector<SeedScene>& seeds, uint32_t runSeed, uint64_t index,
                         size_t& seedIndex);

} // namespace orvex_fuzz
