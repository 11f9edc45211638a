#pragma once

#include <maya/MArrayBase.h>
#include <maya/MFloatVector.h>

class MFloatVectorArray : public orvex_host::ArrayBase<MFloatVector> {};
