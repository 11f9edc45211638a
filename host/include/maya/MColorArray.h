#pragma once

#include <maya/MArrayBase.h>
#include <maya/MColor.h>

class MColorArray : public orvex_host::ArrayBase<MColor> {};
