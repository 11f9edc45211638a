#pragma once
// Byte string of the host API (no encoding, no escaping).

#include <maya/MTypes.h>

#include <ostream>
#include <string>

class MString {
public:
    MString() = default;
    MString(const char* text) : text_(text ? text : "") {}
    MString(const char* text, int length)
        : text_(text ? std::string(text, static_cast<size_t>(length)) : "") {}
    MString(const std::string& text) : text_(text) {}

    const char* asChar() const { return text_.c_str(); }
    unsigned int length() const { return static_cast<unsigned int>(text_.size()); }
    unsigned int numChars() const { return length(); }
    // Characters from `start` to `end`, both included; empty when out of range.
    MString substring(int start, int end) const;
    int index(char c) const;
    int rindex(char c) const;

    MString& operator=(const char* text) {
        text_ = text ? text : "";
        return *this;
    }
    MString& operator+=(const MString& other) {
        text_ += other.text_;
        return *this;
    }
    MString& operator+=(const char* other) {
        text_ += other ? other : "";
        return *this;
    }
    MString operator+(const MString& other) const { return MString(text_ + other.text_); }
    MString operator+(const char* other) const { return MString(text_ + (other ? other : "")); }

    bool operator==(const MString& other) const { return text_ == other.text_; }
    bool operator==(const char* other) const { return text_ == (other ? other : ""); }
    bool operator!=(const MString& other) const { return text_ != other.text_; }
    bool operator!=(const char* other) const { return !(*this == other); }

    // Host-side convenience (not used by plug-in code).
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

inline MString operator+(const char* left, const MString& right) {
    return MString(left) + right;
}
std::ostream& operator<<(std::ostream& os, const MString& text);
