#pragma once
// Time units behind MTime: milliseconds per unit, the names scene files use
// for them, and the scene's UI time unit.

#include <maya/MTime.h>

#include <string>

namespace orvex_host {

class Scene;

// 0 for kInvalid and kLast.
double millisecondsPerUnit(MTime::Unit unit);
// The unit a scene file names with currentUnit -t ("film", "pal", "ntsc",
// "game", "show", "palf", "ntscf", "sec", "min", "hour", "millisec", a frame
// rate such as "24fps", "120fps" or "29.97fps", or "29.97df"); false for a
// name the host has no unit for.
bool timeUnitByName(const std::string& name, MTime::Unit& unit);
// The scene's UI time unit; film when its setting names a rate the host has
// no unit for.
MTime::Unit sceneTimeUnit(const Scene& scene);
// value * ms per unit of `from` / ms per unit of `to`; unchanged when the
// units are equal.
double convertTime(double value, MTime::Unit from, MTime::Unit to);

} // namespace orvex_host
