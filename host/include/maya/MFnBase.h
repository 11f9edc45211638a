#pragma once
// Base of all function sets. A function set attaches only to objects of a
// compatible kind; calls on an unattached set fail and return empty values.

#include <maya/MObject.h>
#include <maya/MStatus.h>

class MFnBase {
public:
    MFnBase() = default;
    virtual ~MFnBase() = default;

    virtual MFn::Type type() const;
    bool hasObj(MFn::Type type) const;
    bool hasObj(const MObject& object) const;
    MObject object(MStatus* status = NULL) const;
    virtual MStatus setObject(const MObject& object);

protected:
    // Attaches when the object has this set's kind.
    MStatus attach(const MObject& object);
    bool attached() const { return !object_.isNull(); }
    const MObject& obj() const { return object_; }

private:
    MObject object_;
};
