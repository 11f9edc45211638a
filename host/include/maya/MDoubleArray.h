#pragma once

#include <maya/MArrayBase.h>

class MDoubleArray : public orvex_host::ArrayBase<double> {};
