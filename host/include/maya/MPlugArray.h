#pragma once

#include <maya/MArrayBase.h>
#include <maya/MPlug.h>

class MPlugArray : public orvex_host::ArrayBase<MPlug> {};
