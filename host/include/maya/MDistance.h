#pragma once
// Lengths and the conversion between the UI unit and the internal unit
// (the centimetre).

class MDistance {
public:
    enum Unit {
        kInvalid = 0,
        kInches,
        kFeet,
        kYards,
        kMiles,
        kMillimeters,
        kCentimeters,
        kKilometers,
        kMeters
    };

    MDistance(double value = 0.0, Unit unit = kCentimeters) : value_(value), unit_(unit) {}
    double value() const { return value_; }
    Unit unit() const { return unit_; }
    double asCentimeters() const;

    // Internal length of `value` UI units.
    static double uiToInternal(double value);
    static double internalToUI(double value);

private:
    double value_;
    Unit unit_;
};
