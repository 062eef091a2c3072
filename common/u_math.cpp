#include "common/u_math.h"

#include <cmath>

#include "common/errors.h"

namespace zolvik {

long double PowerOf(long double base, long double exponent)
{
    // The faults are found from the operands and the result, never by unmasking the FPU.
    if (std::isnan(base) || std::isnan(exponent))
        throw Error(kFloatInvalidOp);
    if (base == 0.0L)
        throw Error(kFloatDivByZero);  // ln(0)
    if (base < 0.0L)
        throw Error(kFloatInvalidOp);  // ln of a negative number, even for whole exponents
    const long double result = std::exp(exponent * std::log(base));
    if (std::isnan(result))
        throw Error(kFloatInvalidOp);  // 0 x infinity, e.g. an infinite base to the power 0
    if (std::isinf(result))
        throw Error(kFloatOverflow);
    return result;
}

}  // namespace zolvik
