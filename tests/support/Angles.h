#pragma once
// The one value of pi the tests share.

namespace orvex_test {

constexpr double kPi = 3.14159265358979323846;

} // namespace orvex_test
