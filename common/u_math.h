#pragma once

namespace zolvik {

// e ^ (exponent * ln(base)) in extended precision. A base of 0 throws
// "Floating point division by zero", a negative base "Invalid floating point operation",
// a result beyond the extended range "Floating point overflow".
long double PowerOf(long double base, long double exponent);

}  // namespace zolvik
