#pragma once
// The arguments a command was called with.

#include <maya/MStatus.h>
#include <maya/MString.h>

#include <vector>

class MArgList {
public:
    MArgList() = default;

    static const unsigned int kInvalidArgIndex;

    unsigned int length(MStatus* status = NULL) const;
    // Index of the argument "-short" or "-long"; kInvalidArgIndex when absent.
    unsigned int flagIndex(const char* shortFlag, const char* longFlag = NULL) const;
    MString asString(unsigned int index, MStatus* status = NULL) const;
    int asInt(unsigned int index, MStatus* status = NULL) const;
    double asDouble(unsigned int index, MStatus* status = NULL) const;
    bool asBool(unsigned int index, MStatus* status = NULL) const;

    MArgList& addArg(const MString& arg);

private:
    std::vector<MString> args_;
};
