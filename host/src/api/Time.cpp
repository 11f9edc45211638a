// MTime: conversions between time units and the scene's UI time unit.

#include "api/TimeUnits.h"

#include <orvex_host/Session.h>

#include "graph/Scene.h"

namespace orvex_host {

double millisecondsPerUnit(MTime::Unit unit) {
    switch (unit) {
    case MTime::kHours:
        return 3600000.0;
    case MTime::kMinutes:
        return 60000.0;
    case MTime::kSeconds:
        return 1000.0;
    case MTime::kMilliseconds:
        return 1.0;
    case MTime::kGames:
        return 1000.0 / 15.0;
    case MTime::kFilm:
        return 1000.0 / 24.0;
    case MTime::kPALFrame:
        return 1000.0 / 25.0;
    case MTime::kNTSCFrame:
        return 1000.0 / 30.0;
    case MTime::kShowScan:
        return 1000.0 / 48.0;
    case MTime::kPALField:
        return 1000.0 / 50.0;
    case MTime::kNTSCField:
        return 1000.0 / 60.0;
    default:
        return 0.0;
    }
}

namespace {

struct NamedUnit {
    const char* name;
    MTime::Unit unit;
};

// The names scene files use (currentUnit -t), and the frame rates that some
// files write in their place.
const NamedUnit kTimeUnitNames[] = {
    {"hour", MTime::kHours},         {"min", MTime::kMinutes},        {"sec", MTime::kSeconds},
    {"millisec", MTime::kMilliseconds}, {"game", MTime::kGames},      {"film", MTime::kFilm},
    {"pal", MTime::kPALFrame},       {"ntsc", MTime::kNTSCFrame},     {"show", MTime::kShowScan},
    {"palf", MTime::kPALField},      {"ntscf", MTime::kNTSCField},    {"15fps", MTime::kGames},
    {"24fps", MTime::kFilm},         {"25fps", MTime::kPALFrame},     {"30fps", MTime::kNTSCFrame},
    {"48fps", MTime::kShowScan},     {"50fps", MTime::kPALField},     {"60fps", MTime::kNTSCField},
};

} // namespace

bool timeUnitByName(const std::string& name, MTime::Unit& unit) {
    for (const NamedUnit& entry : kTimeUnitNames) {
        if (name == entry.name) {
            unit = entry.unit;
            return true;
        }
    }
    return false;
}

MTime::Unit sceneTimeUnit(const Scene& scene) {
    MTime::Unit unit = MTime::kFilm; // the host's default when a scene names none it knows
    timeUnitByName(scene.settings().timeUnitName, unit);
    return unit;
}

double convertTime(double value, MTime::Unit from, MTime::Unit to) {
    if (from == to) {
        return value;
    }
    double target = millisecondsPerUnit(to);
    return target == 0.0 ? 0.0 : value * millisecondsPerUnit(from) / target;
}

} // namespace orvex_host

using orvex_host::convertTime;

namespace {

bool validUnit(MTime::Unit unit) {
    return unit > MTime::kInvalid && unit < MTime::kLast;
}

} // namespace

MTime::MTime() : unit_(uiUnit()) {}

MTime::MTime(double value, Unit unit) : value_(value), unit_(validUnit(unit) ? unit : kFilm) {}

double MTime::as(Unit unit) const {
    return validUnit(unit) ? convertTime(value_, unit_, unit) : 0.0;
}

MStatus MTime::setUnit(Unit unit) {
    if (!validUnit(unit)) {
        return MS::kInvalidParameter;
    }
    value_ = convertTime(value_, unit_, unit);
    unit_ = unit;
    return MS::kSuccess;
}

MStatus MTime::setValue(double value) {
    value_ = value;
    return MS::kSuccess;
}

MTime::Unit MTime::uiUnit() {
    return orvex_host::sceneTimeUnit(orvex_host::currentScene());
}

MTime MTime::operator-(const MTime& right) const {
    return MTime(value_ - right.as(unit_), unit_);
}

MTime MTime::operator+(const MTime& right) const {
    return MTime(value_ + right.as(unit_), unit_);
}

MTime& MTime::operator-=(const MTime& right) {
    return *this = *this - right;
}

MTime& MTime::operator+=(const MTime& right) {
    return *this = *this + right;
}
