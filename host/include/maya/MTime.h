#pragma once
// A moment in time: a value and the unit it is counted in. Converting
// between units always goes through milliseconds with one fixed formula
// (value * milliseconds per unit, then divided by the target's milliseconds
// per unit), so that equal frames always give equal bits.

#include <maya/MStatus.h>

class MTime {
public:
    enum Unit {
        kInvalid = 0,
        kHours,
        kMinutes,
        kSeconds,
        kMilliseconds,
        kGames,     // 15 frames per second
        kFilm,      // 24
        kPALFrame,  // 25
        kNTSCFrame, // 30
        kShowScan,  // 48
        kPALField,  // 50
        kNTSCField, // 60
        k2FPS,
        k3FPS,
        k4FPS,
        k5FPS,
        k6FPS,
        k8FPS,
        k10FPS,
        k12FPS,
        k16FPS,
        k20FPS,
        k40FPS,
        k75FPS,
        k80FPS,
        k100FPS,
        k120FPS,
        k125FPS,
        k150FPS,
        k200FPS,
        k240FPS,
        k250FPS,
        k300FPS,
        k375FPS,
        k400FPS,
        k500FPS,
        k600FPS,
        k750FPS,
        k1200FPS,
        k1500FPS,
        k2000FPS,
        k3000FPS,
        k6000FPS,
        // Rates later host versions added, numbered after the others as
        // those versions number them.
        k23_976FPS, // 24000/1001 frames per second
        k29_97FPS,  // 30000/1001
        k29_97DF,   // 30000/1001, counted with drop-frame time codes
        k47_952FPS, // 48000/1001
        k59_94FPS,  // 60000/1001
        k44100FPS,
        k48000FPS,
        k90FPS,
        k119_88FPS, // 120000/1001
        kLast
    };

    // 0 in the scene's UI time unit.
    MTime();
    MTime(double value, Unit unit = kFilm);

    Unit unit() const { return unit_; }
    double value() const { return value_; }
    // The same moment counted in another unit; the value itself is unchanged.
    double as(Unit unit) const;
    // Converts the value to the new unit (the moment stays the same).
    MStatus setUnit(Unit unit);
    MStatus setValue(double value);

    // The scene's UI time unit (the unit of key times and clip starts).
    static Unit uiUnit();

    // The right operand is converted into the left one's unit; the result
    // keeps the left one's unit.
    MTime operator-(const MTime& right) const;
    MTime operator+(const MTime& right) const;
    MTime& operator-=(const MTime& right);
    MTime& operator+=(const MTime& right);

    // Comparisons of the moments, in milliseconds.
    bool operator==(const MTime& other) const { return as(kMilliseconds) == other.as(kMilliseconds); }
    bool operator!=(const MTime& other) const { return !(*this == other); }
    bool operator<(const MTime& other) const { return as(kMilliseconds) < other.as(kMilliseconds); }
    bool operator>(const MTime& other) const { return other < *this; }
    bool operator<=(const MTime& other) const { return !(other < *this); }
    bool operator>=(const MTime& other) const { return !(*this < other); }

private:
    double value_ = 0.0;
    Unit unit_ = kFilm;
};
