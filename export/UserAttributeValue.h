#pragma once
// The kinds of user-added attributes that the UserAttributes section lists,
// with the type text and the value text each is written with.

#include <maya/MObject.h>
#include <maya/MPlug.h>

#include <string>

struct UserAttributeValue {
    std::string type;  // "boolean", "integer", "float", "string" or "scriptCallback"
    std::string value; // the current value as text
};

// Fills `result` for an attribute of a supported kind; false for every other
// kind (short, char, multi-component numbers, typed attributes holding
// anything but a string, message, compound, enum and unit attributes).
// `shortName` decides between a string and a script callback ("onCreate").
bool describeUserAttribute(const MObject& attribute, const MPlug& plug, const std::string& shortName,
                           UserAttributeValue& result);
