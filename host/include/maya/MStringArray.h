#pragma once

#include <maya/MArrayBase.h>
#include <maya/MString.h>

class MStringArray : public orvex_host::ArrayBase<MString> {};
