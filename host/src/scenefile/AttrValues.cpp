#include "scenefile/AttrValues.h"

#include <cmath>
#include <limits>

namespace orvex_host {

namespace {

// Components of a numeric kind written as one value of its own.
int componentCount(AttrType type) {
    switch (type) {
    case AttrType::Float2:
    case AttrType::Double2:
    case AttrType::Long2:
        return 2;
    case AttrType::Float3:
    case AttrType::Double3:
    case AttrType::Long3:
        return 3;
    default:
        return 1;
    }
}

bool isIntegral(AttrType type) {
    switch (type) {
    case AttrType::Byte:
    case AttrType::Char:
    case AttrType::Short:
    case AttrType::Int:
    case AttrType::Enum:
        return true;
    default:
        return false;
    }
}

// An integer held in a double, saturated to the range of long long.
long long toInteger(double d) {
    if (std::isnan(d)) {
        return 0;
    }
    if (d >= 9.2e18) {
        return std::numeric_limits<long long>::max();
    }
    if (d <= -9.2e18) {
        return std::numeric_limits<long long>::min();
    }
    return static_cast<long long>(d);
}

ReadResult readNumber(ValueCursor& cursor, double& value) {
    if (cursor.atEnd()) {
        return ReadResult::Missing;
    }
    return cursor.nextDouble(value) ? ReadResult::Ok : ReadResult::Malformed;
}

// A count written before array contents; `what` names the contents.
ReadResult readCount(ValueCursor& cursor, long long& count, std::string& expected, const char* what) {
    if (cursor.atEnd()) {
        return ReadResult::Missing;
    }
    if (!cursor.nextInt(count) || count < 0 || count > std::numeric_limits<int>::max()) {
        expected = std::string("a count of ") + what;
        return ReadResult::Malformed;
    }
    return ReadResult::Ok;
}

ReadResult readNumbers(ValueCursor& cursor, AttrType type, const SceneSettings& settings, Value& value,
                       std::string& expected) {
    int count = componentCount(type);
    double scale = unitScale(type, settings);
    if (type == AttrType::Bool || type == AttrType::Generic) {
        bool b = false;
        if (cursor.nextBool(b)) {
            value = b;
            return ReadResult::Ok;
        }
    }
    std::vector<double> numbers;
    for (int i = 0; i < count; ++i) {
        double d = 0;
        ReadResult r = readNumber(cursor, d);
        if (r != ReadResult::Ok) {
            expected =
                type == AttrType::Bool ? "a boolean value (yes/no, true/false, on/off, 1/0)" : "a number";
            return i == 0 ? r : ReadResult::Malformed;
        }
        numbers.push_back(d * scale);
    }
    if (count > 1) {
        value = std::move(numbers);
    } else if (type == AttrType::Bool) {
        value = numbers[0] != 0.0;
    } else if (isIntegral(type)) {
        value = toInteger(numbers[0]);
    } else {
        value = numbers[0];
    }
    return ReadResult::Ok;
}

ReadResult readStrings(ValueCursor& cursor, Value& value, std::string& expected, const char* what) {
    long long count = 0;
    ReadResult r = readCount(cursor, count, expected, what);
    if (r != ReadResult::Ok) {
        return r;
    }
    std::vector<std::string> strings;
    for (long long i = 0; i < count; ++i) {
        std::string s;
        if (!cursor.nextString(s)) {
            expected = std::to_string(count) + " " + what + " as strings";
            return ReadResult::Malformed;
        }
        strings.push_back(std::move(s));
    }
    value = std::move(strings);
    return ReadResult::Ok;
}

ReadResult readNumberArray(ValueCursor& cursor, Value& value, std::string& expected) {
    long long count = 0;
    ReadResult r = readCount(cursor, count, expected, "numbers");
    if (r != ReadResult::Ok) {
        return r;
    }
    std::vector<double> numbers;
    numbers.reserve(static_cast<size_t>(std::min<long long>(count, 1 << 16)));
    for (long long i = 0; i < count; ++i) {
        double d = 0;
        if (!cursor.nextDouble(d)) {
            expected = std::to_string(count) + " numbers";
            return ReadResult::Malformed;
        }
        numbers.push_back(d);
    }
    value = std::move(numbers);
    return ReadResult::Ok;
}

// "xform" then scale 3, rotate 3, rotate order 1, translate 3, shear 3,
// scale pivot 3, scale pivot translate 3, rotate pivot 3, rotate pivot
// translate 3, rotate-axis quaternion 4, joint-orient quaternion 4, inverse
// parent scale 3, compensate flag 1. Transformation data is kept in internal
// units as written: rotations in radians, translations in centimetres. The
// host keeps scale, rotation and its order, translation and the two
// quaternions; the pivots, shear and the rest are read and dropped.
ReadResult readXform(ValueCursor& cursor, Value& value, std::string& expected) {
    double n[36];
    for (double& d : n) {
        if (!cursor.nextDouble(d)) {
            expected =
                "37 values after \"xform\" (scale, rotation, order, translation, ..., compensate flag)";
            return ReadResult::Malformed;
        }
    }
    bool compensate = false;
    if (!cursor.nextBool(compensate)) {
        expected = "the segment-scale compensate flag at the end of the \"xform\" values";
        return ReadResult::Malformed;
    }
    TransformData t;
    t.scale = {n[0], n[1], n[2]};
    t.rotate = {n[3], n[4], n[5]};
    t.rotateOrder = static_cast<int>(toInteger(n[6]));
    t.translate = {n[7], n[8], n[9]};
    t.rotateAxis = {n[25], n[26], n[27], n[28]};
    t.jointOrient = {n[29], n[30], n[31], n[32]};
    value = t;
    return ReadResult::Ok;
}

ReadResult readMatrix(ValueCursor& cursor, Value& value, std::string& expected) {
    if (cursor.atEnd()) {
        return ReadResult::Missing;
    }
    const char* start = cursor.position();
    std::string word;
    if (cursor.nextString(word)) {
        if (word == "xform") {
            return readXform(cursor, value, expected);
        }
        cursor.seek(start);
        expected = "16 numbers or \"xform\" and its values";
        return ReadResult::Malformed;
    }
    Matrix m{};
    for (double& d : m) {
        if (!cursor.nextDouble(d)) {
            expected = "16 numbers of a matrix";
            return ReadResult::Malformed;
        }
    }
    value = m;
    return ReadResult::Ok;
}

} // namespace

ValueForm formOfType(const std::string& typeName) {
    if (typeName == "string") {
        return ValueForm::String;
    }
    if (typeName == "stringArray") {
        return ValueForm::StringArray;
    }
    if (typeName == "Int32Array" || typeName == "doubleArray" || typeName == "floatArray" ||
        typeName == "Int64Array") {
        return ValueForm::NumberArray;
    }
    if (typeName == "matrix") {
        return ValueForm::MatrixValue;
    }
    if (typeName == "componentList") {
        return ValueForm::ComponentList;
    }
    static const char* const kNumeric[] = {
        "double2", "double3", "double4",        "float2",      "float3",      "long2",   "long3",
        "short2",  "short3",  "reflectanceRGB", "spectrumRGB", "reflectance", "spectrum"};
    for (const char* name : kNumeric) {
        if (typeName == name) {
            return ValueForm::Numbers;
        }
    }
    return ValueForm::Skipped;
}

ValueForm formOfAttr(AttrType type) {
    switch (type) {
    case AttrType::String:
        return ValueForm::String;
    case AttrType::StringArray:
        return ValueForm::StringArray;
    case AttrType::IntArray:
    case AttrType::DoubleArray:
        return ValueForm::NumberArray;
    case AttrType::PlainMatrix:
    case AttrType::MatrixData:
        return ValueForm::MatrixValue;
    case AttrType::ComponentList:
        return ValueForm::ComponentList;
    case AttrType::Compound:
    case AttrType::Message:
    case AttrType::Mesh:
    case AttrType::NurbsCurve:
        return ValueForm::Skipped;
    default:
        return ValueForm::Numbers;
    }
}

double unitScale(AttrType type, const SceneSettings& settings) {
    if (type == AttrType::Distance) {
        return settings.linearUnitToCm;
    }
    if (type == AttrType::Angle) {
        return settings.angleUnitToRad;
    }
    return 1.0;
}

ReadResult readLeafValue(ValueCursor& cursor, AttrType type, ValueForm form, const SceneSettings& settings,
                         Value& value, std::string& expected) {
    if (cursor.atEnd()) {
        return ReadResult::Missing;
    }
    switch (form) {
    case ValueForm::Numbers:
        return readNumbers(cursor, type, settings, value, expected);
    case ValueForm::String: {
        std::string s;
        if (!cursor.nextString(s)) {
            expected = "a double-quoted string";
            return ReadResult::Malformed;
        }
        value = std::move(s);
        return ReadResult::Ok;
    }
    case ValueForm::StringArray:
        return readStrings(cursor, value, expected, "strings");
    case ValueForm::ComponentList:
        return readStrings(cursor, value, expected, "components");
    case ValueForm::NumberArray:
        return readNumberArray(cursor, value, expected);
    case ValueForm::MatrixValue:
        return readMatrix(cursor, value, expected);
    case ValueForm::Skipped:
        break;
    }
    expected = "no value";
    return ReadResult::Malformed;
}

} // namespace orvex_host
