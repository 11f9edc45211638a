// MStatus, MString, MDistance, MDGContext, MArgList and MPxCommand.

#include "graph/Scene.h"

#include <maya/MArgList.h>
#include <maya/MDGContext.h>
#include <maya/MDistance.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <orvex_host/Session.h>

#include <climits>
#include <cstdlib>

MString MStatus::errorString() const {
    switch (code_) {
    case MS::kSuccess:
        return "(kSuccess): No error";
    case MS::kFailure:
        return "(kFailure): Unexpected Internal Failure";
    case MS::kInsufficientMemory:
        return "(kInsufficientMemory): Insufficient Memory";
    case MS::kInvalidParameter:
        return "(kInvalidParameter): Invalid Parameter";
    case MS::kLicenseFailure:
        return "(kLicenseFailure): License Failure";
    case MS::kUnknownParameter:
        return "(kUnknownParameter): Unknown Parameter";
    case MS::kNotImplemented:
        return "(kNotImplemented): Not Implemented";
    case MS::kNotFound:
        return "(kNotFound): Object not found";
    case MS::kEndOfFile:
        return "(kEndOfFile): End of file";
    }
    return "(unknown status)";
}

void MStatus::perror(const char* text) const {
    orvex_host::logMessage(orvex_host::MessageKind::Perror,
                           std::string(text ? text : "") + ": " + errorString().str());
}

void MStatus::perror(const MString& text) const {
    perror(text.asChar());
}

std::ostream& operator<<(std::ostream& os, const MStatus& status) {
    return os << status.errorString();
}

MString MString::substring(int start, int end) const {
    int size = static_cast<int>(text_.size());
    if (start < 0 || end < start || start >= size) {
        return MString();
    }
    if (end >= size) {
        end = size - 1;
    }
    return MString(text_.substr(static_cast<size_t>(start), static_cast<size_t>(end - start + 1)));
}

int MString::index(char c) const {
    size_t p = text_.find(c);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int MString::rindex(char c) const {
    size_t p = text_.rfind(c);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

std::ostream& operator<<(std::ostream& os, const MString& text) {
    return os << text.str();
}

MDGContext MDGContext::fsNormal;

double MDistance::uiToInternal(double value) {
    return value * orvex_host::currentScene().settings().linearUnitToCm;
}

double MDistance::internalToUI(double value) {
    return value / orvex_host::currentScene().settings().linearUnitToCm;
}

double MDistance::asCentimeters() const {
    switch (unit_) {
    case kInches:
        return value_ * 2.54;
    case kFeet:
        return value_ * 30.48;
    case kYards:
        return value_ * 91.44;
    case kMiles:
        return value_ * 160934.4;
    case kMillimeters:
        return value_ * 0.1;
    case kKilometers:
        return value_ * 100000.0;
    case kMeters:
        return value_ * 100.0;
    default:
        return value_;
    }
}

const unsigned int MArgList::kInvalidArgIndex = UINT_MAX;

unsigned int MArgList::length(MStatus* status) const {
    if (status) {
        *status = MS::kSuccess;
    }
    return static_cast<unsigned int>(args_.size());
}

unsigned int MArgList::flagIndex(const char* shortFlag, const char* longFlag) const {
    std::string shortText = std::string("-") + (shortFlag ? shortFlag : "");
    std::string longText = longFlag ? std::string("-") + longFlag : std::string();
    for (size_t i = 0; i < args_.size(); ++i) {
        const std::string& arg = args_[i].str();
        if ((shortFlag && arg == shortText) || (longFlag && arg == longText)) {
            return static_cast<unsigned int>(i);
        }
    }
    return kInvalidArgIndex;
}

MString MArgList::asString(unsigned int index, MStatus* status) const {
    bool ok = index < args_.size();
    if (status) {
        *status = ok ? MS::kSuccess : MS::kFailure;
    }
    return ok ? args_[index] : MString();
}

int MArgList::asInt(unsigned int index, MStatus* status) const {
    MStatus s;
    MString text = asString(index, &s);
    char* end = nullptr;
    long value = s ? std::strtol(text.asChar(), &end, 10) : 0;
    bool ok = s && end && *end == '\0' && text.length() > 0;
    if (status) {
        *status = ok ? MS::kSuccess : MS::kInvalidParameter;
    }
    return ok ? static_cast<int>(value) : 0;
}

double MArgList::asDouble(unsigned int index, MStatus* status) const {
    MStatus s;
    MString text = asString(index, &s);
    char* end = nullptr;
    double value = s ? std::strtod(text.asChar(), &end) : 0.0;
    bool ok = s && end && *end == '\0' && text.length() > 0;
    if (status) {
        *status = ok ? MS::kSuccess : MS::kInvalidParameter;
    }
    return ok ? value : 0.0;
}

bool MArgList::asBool(unsigned int index, MStatus* status) const {
    MStatus s;
    MString text = asString(index, &s);
    bool truth = text == "1" || text == "true" || text == "on" || text == "yes";
    bool ok = s && (truth || text == "0" || text == "false" || text == "off" || text == "no");
    if (status) {
        *status = ok ? MS::kSuccess : MS::kInvalidParameter;
    }
    return ok && truth;
}

MArgList& MArgList::addArg(const MString& arg) {
    args_.push_back(arg);
    return *this;
}

MPxCommand::MPxCommand() = default;
MPxCommand::~MPxCommand() = default;
MStatus MPxCommand::doIt(const MArgList&) {
    return MS::kSuccess;
}
MStatus MPxCommand::undoIt() {
    return MS::kSuccess;
}
MStatus MPxCommand::redoIt() {
    return MS::kSuccess;
}
bool MPxCommand::isUndoable() const {
    return false;
}
bool MPxCommand::hasSyntax() const {
    return true;
}
