#pragma once

#include <maya/MArrayBase.h>

class MIntArray : public orvex_host::ArrayBase<int> {};
