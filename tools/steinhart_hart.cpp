#include "tools/steinhart_hart.h"

#include <cmath>

#include "common/u_math.h"
#include "common/u_string.h"
#include "common/errors.h"
#include "common/number_text.h"

namespace zolvik {

namespace {

// Faults are found from the operands and the results; the floating-point unit stays masked.

long double Checked(long double value)
{
    if (std::isnan(value))
        throw Error(kFloatInvalidOp);
    if (std::isinf(value))
        throw Error(kFloatOverflow);
    return value;
}

// An extended value stored into a double: beyond the double range is an overflow.
double Store(long double value)
{
    Checked(value);
    const double stored = static_cast<double>(value);
    if (std::isinf(stored))
        throw Error(kFloatOverflow);
    return stored;
}

long double Divide(long double dividend, long double divisor)
{
    if (divisor == 0.0L)
        throw Error(dividend == 0.0L ? kFloatInvalidOp : kFloatDivByZero);
    return Checked(dividend / divisor);
}

long double Ln(long double value)
{
    if (value == 0.0L)
        throw Error(kFloatDivByZero);
    if (value < 0.0L)
        throw Error(kFloatInvalidOp);
    return Checked(std::log(value));
}

double ToKelvin(double celsius)
{
    return Store(static_cast<long double>(celsius) + kZeroCelsiusInKelvin);
}

}  // namespace

DecimalField ReadDecimalField(std::string_view text, double defaultValue, char decimalSeparator)
{
    DecimalField field;
    field.text = FixDecimalSeparator(std::string(text), decimalSeparator);
    field.value = StrToFloatDef(field.text, defaultValue, decimalSeparator);
    return field;
}

bool SteinhartPointsUsable(const SteinhartPoints &p)
{
    for (double t : {p.t1, p.t2, p.t3})
        if (t == kUnreadableTemperature)
            return false;
    for (double r : {p.r1, p.r2, p.r3})
        if (r == kUnreadableResistance)
            return false;
    return true;
}

SteinhartTerms SteinhartTermsOf(const SteinhartPoints &p)
{
    const double k1 = ToKelvin(p.t1);
    const double k2 = ToKelvin(p.t2);
    const double k3 = ToKelvin(p.t3);

    SteinhartTerms terms;
    terms.l1 = Store(Ln(p.r1));
    terms.l2 = Store(Ln(p.r2));
    terms.l3 = Store(Ln(p.r3));

    terms.y1 = Store(Divide(1.0L, k1));
    const double y2 = Store(Divide(1.0L, k2));
    const double y3 = Store(Divide(1.0L, k3));

    const long double y1 = terms.y1, l1 = terms.l1, l2 = terms.l2, l3 = terms.l3;
    terms.g2 = Store(Divide(Checked(y2 - y1), Checked(l2 - l1)));
    const double g3 = Store(Divide(Checked(y3 - y1), Checked(l3 - l1)));
    terms.h = Store(Divide(Checked(g3 - static_cast<long double>(terms.g2)), Checked(l3 - l2)));
    return terms;
}

double SteinhartCOf(const SteinhartTerms &t)
{
    // H divided by the sum of the logarithms, taken as the sum to the power -1.
    const long double sum = Checked(static_cast<long double>(t.l1) + t.l2 + t.l3);
    return Store(Checked(t.h * PowerOf(sum, -1.0L)));
}

double SteinhartBOf(const SteinhartTerms &t, double c)
{
    const long double l1 = t.l1, l2 = t.l2;
    const double q = Store(Checked(Checked(PowerOf(l1, 2.0L) + l1 * l2) + PowerOf(l2, 2.0L)));
    return Store(Checked(t.g2 - Checked(c * static_cast<long double>(q))));
}

double SteinhartAOf(const SteinhartTerms &t, double c, double b)
{
    const long double l1 = t.l1;
    const long double inner = Checked(Checked(PowerOf(l1, 2.0L) * c) + b);
    return Store(Checked(t.y1 - Checked(inner * l1)));
}

SteinhartConstants SteinhartConstantsOf(const SteinhartPoints &points)
{
    const SteinhartTerms terms = SteinhartTermsOf(points);
    SteinhartConstants constants;
    constants.c = SteinhartCOf(terms);
    constants.b = SteinhartBOf(terms, constants.c);
    constants.a = SteinhartAOf(terms, constants.c, constants.b);
    return constants;
}

bool SteinhartConstantsComputed(const SteinhartConstants &k)
{
    return k.a != 0.0 && k.b != 0.0 && k.c != 0.0;
}

double SteinhartKelvin(const SteinhartConstants &k, double resistance)
{
    const double l = Store(Ln(resistance));
    const double p = Store(PowerOf(l, 3.0L));
    const long double lx = l, px = p;
    const long double linear = Checked(Checked(lx * k.b) + k.a);
    const long double denominator = Checked(linear + Checked(k.c * px));
    return Store(Divide(1.0L, denominator));
}

long double KelvinToCelsius(double kelvin)
{
    return Checked(static_cast<long double>(kelvin) - kZeroCelsiusInKelvin);
}

std::string SteinhartTemperatureText(long double temperature, char decimalSeparator)
{
    return Format("%10.2f", {temperature}, decimalSeparator);
}

}  // namespace zolvik
