// MTime: conversions between time units and the scene's UI time unit.

#include "api/TimeUnits.h"
#include "graph/Scene.h"

#include <orvex_host/Session.h>

namespace orvex_host {

namespace {

struct UnitInfo {
    MTime::Unit unit;
    const char* name; // as scene files write it (currentUnit -t)
    double milliseconds;
};

const UnitInfo kUnits[] = {
    {MTime::kHours, "hour", 3600000.0},
    {MTime::kMinutes, "min", 60000.0},
    {MTime::kSeconds, "sec", 1000.0},
    {MTime::kMilliseconds, "millisec", 1.0},
    {MTime::kGames, "game", 1000.0 / 15.0},
    {MTime::kFilm, "film", 1000.0 / 24.0},
    {MTime::kPALFrame, "pal", 1000.0 / 25.0},
    {MTime::kNTSCFrame, "ntsc", 1000.0 / 30.0},
    {MTime::kShowScan, "show", 1000.0 / 48.0},
    {MTime::kPALField, "palf", 1000.0 / 50.0},
    {MTime::kNTSCField, "ntscf", 1000.0 / 60.0},
    {MTime::k2FPS, "2fps", 1000.0 / 2.0},
    {MTime::k3FPS, "3fps", 1000.0 / 3.0},
    {MTime::k4FPS, "4fps", 1000.0 / 4.0},
    {MTime::k5FPS, "5fps", 1000.0 / 5.0},
    {MTime::k6FPS, "6fps", 1000.0 / 6.0},
    {MTime::k8FPS, "8fps", 1000.0 / 8.0},
    {MTime::k10FPS, "10fps", 1000.0 / 10.0},
    {MTime::k12FPS, "12fps", 1000.0 / 12.0},
    {MTime::k16FPS, "16fps", 1000.0 / 16.0},
    {MTime::k20FPS, "20fps", 1000.0 / 20.0},
    {MTime::k40FPS, "40fps", 1000.0 / 40.0},
    {MTime::k75FPS, "75fps", 1000.0 / 75.0},
    {MTime::k80FPS, "80fps", 1000.0 / 80.0},
    {MTime::k100FPS, "100fps", 1000.0 / 100.0},
    {MTime::k120FPS, "120fps", 1000.0 / 120.0},
    {MTime::k125FPS, "125fps", 1000.0 / 125.0},
    {MTime::k150FPS, "150fps", 1000.0 / 150.0},
    {MTime::k200FPS, "200fps", 1000.0 / 200.0},
    {MTime::k240FPS, "240fps", 1000.0 / 240.0},
    {MTime::k250FPS, "250fps", 1000.0 / 250.0},
    {MTime::k300FPS, "300fps", 1000.0 / 300.0},
    {MTime::k375FPS, "375fps", 1000.0 / 375.0},
    {MTime::k400FPS, "400fps", 1000.0 / 400.0},
    {MTime::k500FPS, "500fps", 1000.0 / 500.0},
    {MTime::k600FPS, "600fps", 1000.0 / 600.0},
    {MTime::k750FPS, "750fps", 1000.0 / 750.0},
    {MTime::k1200FPS, "1200fps", 1000.0 / 1200.0},
    {MTime::k1500FPS, "1500fps", 1000.0 / 1500.0},
    {MTime::k2000FPS, "2000fps", 1000.0 / 2000.0},
    {MTime::k3000FPS, "3000fps", 1000.0 / 3000.0},
    {MTime::k6000FPS, "6000fps", 1000.0 / 6000.0},
    {MTime::k23_976FPS, "23.976fps", 1001.0 / 24.0},
    {MTime::k29_97FPS, "29.97fps", 1001.0 / 30.0},
    // Drop-frame counting skips time-code labels, not frames: the rate is
    // that of 29.97fps.
    {MTime::k29_97DF, "29.97df", 1001.0 / 30.0},
    {MTime::k47_952FPS, "47.952fps", 1001.0 / 48.0},
    {MTime::k59_94FPS, "59.94fps", 1001.0 / 60.0},
    {MTime::k44100FPS, "44100fps", 1000.0 / 44100.0},
    {MTime::k48000FPS, "48000fps", 1000.0 / 48000.0},
    {MTime::k90FPS, "90fps", 1000.0 / 90.0},
    {MTime::k119_88FPS, "119.88fps", 1001.0 / 120.0},
};

// Frame rates that scene files may write instead of the unit's name.
const UnitInfo kRateAliases[] = {
    {MTime::kGames, "15fps", 0.0},     {MTime::kFilm, "24fps", 0.0},     {MTime::kPALFrame, "25fps", 0.0},
    {MTime::kNTSCFrame, "30fps", 0.0}, {MTime::kShowScan, "48fps", 0.0}, {MTime::kPALField, "50fps", 0.0},
    {MTime::kNTSCField, "60fps", 0.0},
};

} // namespace

double millisecondsPerUnit(MTime::Unit unit) {
    for (const UnitInfo& info : kUnits) {
        if (info.unit == unit) {
            return info.milliseconds;
        }
    }
    return 0.0;
}

bool timeUnitByName(const std::string& name, MTime::Unit& unit) {
    auto find = [&](const auto& table) {
        for (const UnitInfo& info : table) {
            if (name == info.name) {
                unit = info.unit;
                return true;
            }
        }
        return false;
    };
    return find(kUnits) || find(kRateAliases);
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
