#include "scenefile/Units.h"

#include "graph/Value.h"

namespace orvex_host {

namespace {

struct UnitName {
    const char* longName;
    const char* shortName;
    double size;
};

bool lookUp(const UnitName* table, size_t count, const std::string& name, double& size,
            std::string& longName) {
    for (size_t i = 0; i < count; ++i) {
        if (name == table[i].longName || name == table[i].shortName) {
            size = table[i].size;
            longName = table[i].longName;
            return true;
        }
    }
    return false;
}

} // namespace

bool linearUnit(const std::string& name, double& cmPerUnit, std::string& longName) {
    static const UnitName kUnits[] = {
        {"millimeter", "mm", 0.1},     {"centimeter", "cm", 1.0}, {"meter", "m", 100.0},
        {"kilometer", "km", 100000.0}, {"inch", "in", 2.54},      {"foot", "ft", 30.48},
        {"yard", "yd", 91.44},         {"mile", "mi", 160934.4},
    };
    return lookUp(kUnits, sizeof kUnits / sizeof kUnits[0], name, cmPerUnit, longName);
}

bool angleUnit(const std::string& name, double& radPerUnit, std::string& longName) {
    static const UnitName kUnits[] = {
        {"degree", "deg", kRadiansPerDegree},
        {"radian", "rad", 1.0},
        {"minute", "min", kRadiansPerDegree / 60.0},
        {"second", "sec", kRadiansPerDegree / 3600.0},
    };
    return lookUp(kUnits, sizeof kUnits / sizeof kUnits[0], name, radPerUnit, longName);
}

} // namespace orvex_host
