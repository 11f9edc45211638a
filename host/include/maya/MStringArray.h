#pragma once

#include <maya/MString.h>
#include <maya/MArrayBase.h>

class MStringArray : public orvex_host::ArrayBase<MString> {};
