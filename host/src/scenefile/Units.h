#pragma once
// The linear and angle units a scene file may name in currentUnit, and their
// sizes in the host's internal units (centimetres, radians). Time units are
// MTime's (api/TimeUnits.h).

#include <string>

namespace orvex_host {

// Centimetres per unit for a linear unit's long or short name
// ("centimeter" / "cm"); false for an unknown name. `longName` gets the
// long name.
bool linearUnit(const std::string& name, double& cmPerUnit, std::string& longName);
// Radians per unit for "degree"/"deg" or "radian"/"rad".
bool angleUnit(const std::string& name, double& radPerUnit, std::string& longName);

} // namespace orvex_host
