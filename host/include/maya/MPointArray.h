#pragma once

#include <maya/MArrayBase.h>
#include <maya/MPoint.h>

class MPointArray : public orvex_host::ArrayBase<MPoint> {};
