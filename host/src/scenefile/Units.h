#pragma once
// The units a scene file may name in currentUnit, and their sizes in the
// host's internal units (centimetres, radians).

#include <string>

namespace orvex_host {

// Centimetres per unit for a linear unit's long or short name
// ("centimeter" / "cm"); false for an unknown name. `longName` gets the
// long name.
bool linearUnit(const std::string& name, double& cmPerUnit, std::string& longName);
// Radians per unit for "degree"/"deg" or "radian"/"rad".
bool angleUnit(const std::string& name, double& radPerUnit, std::string& longName);
// Time units are kept by name (film, ntsc, pal, game, show, ... or "<n>fps");
// true for the names the host knows.
bool timeUnit(const std::string& name, std::string& longName);

} // namespace orvex_host
