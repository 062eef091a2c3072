#pragma once
// A 10 kOhm NTC thermistor's R-T table as a datasheet prints it: -40 to 125 degrees Celsius
// in steps of 5, resistances to four significant digits (the thermistor of the widely
// published Steinhart-Hart constants A = 1.129148E-3, B = 2.34125E-4, C = 8.76741E-8).
namespace zolvik_test {

inline constexpr const char *kNtc10kDatasheet =
    "T (C)\tR (ohm)\n"
    "-40\t336100\n-35\t242400\n-30\t176800\n-25\t130300\n-20\t97010\n-15\t72910\n"
    "-10\t55300\n-5\t42320\n0\t32650\n5\t25390\n10\t19900\n15\t15710\n20\t12490\n"
    "25\t10000\n30\t8056\n35\t6530\n40\t5325\n45\t4367\n50\t3601\n55\t2985\n60\t2487\n"
    "65\t2082\n70\t1752\n75\t1480\n80\t1256\n85\t1070\n90\t916\n95\t786.8\n100\t678.4\n"
    "105\t587.1\n110\t509.8\n115\t444.2\n120\t388.3\n125\t340.6\n";

}  // namespace zolvik_test
