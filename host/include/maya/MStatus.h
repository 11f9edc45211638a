#pragma once
// Result of a host API call.

#include <maya/MTypes.h>

#include <ostream>

class MString;

class MS {
public:
    enum MStatusCode {
        kSuccess = 0,
        kFailure,
        kInsufficientMemory,
        kInvalidParameter,
        kLicenseFailure,
        kUnknownParameter,
        kNotImplemented,
        kNotFound,
        kEndOfFile
    };
};

class MStatus {
public:
    MStatus() : code_(MS::kSuccess) {}
    MStatus(MS::MStatusCode code) : code_(code) {}

    bool operator==(const MStatus& other) const { return code_ == other.code_; }
    bool operator==(MS::MStatusCode code) const { return code_ == code; }
    bool operator!=(const MStatus& other) const { return code_ != other.code_; }
    bool operator!=(MS::MStatusCode code) const { return code_ != code; }
    operator bool() const { return code_ == MS::kSuccess; }

    bool error() const { return code_ != MS::kSuccess; }
    void clear() { code_ = MS::kSuccess; }
    MS::MStatusCode statusCode() const { return code_; }
    MString errorString() const;
    // Prints the text with the status's description to the script output.
    void perror(const char* text) const;
    void perror(const MString& text) const;

private:
    MS::MStatusCode code_;
};

std::ostream& operator<<(std::ostream& os, const MStatus& status);
