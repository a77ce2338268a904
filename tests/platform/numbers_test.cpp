#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

std::string s(const QString& q)
{
    return q.toStdString();
}

// ---------------------------------------------------------------- rounding

struct RoundCase {
    double in;
    long long out;
};

TEST(RoundHalfEven, ExactHalvesGoToEvenNeighbour)
{
    const std::vector<RoundCase> cases = {
        {0.5, 0},   {1.5, 2},   {2.5, 2},   {3.5, 4},   {4.5, 4},
        {-0.5, 0},  {-1.5, -2}, {-2.5, -2}, {-3.5, -4}, {1000001.5, 1000002},
        {4503599627370495.5, 4503599627370496}, // largest doubles that still hold a half
        {-4503599627370494.5, -4503599627370494},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::roundHalfEven(c.in), c.out) << "in=" << c.in;
}

TEST(RoundHalfEven, NonHalvesGoToNearest)
{
    const std::vector<RoundCase> cases = {
        {0.0, 0},
        {-0.0, 0},
        {0.49999999999999994, 0}, // floor(x + 0.5) would give 1
        {0.5000000000000001, 1},
        {2.4999999999999996, 2},
        {2.5000000000000004, 3},
        {-2.5000000000000004, -3},
        {-2.4999999999999996, -2},
        {1.2, 1},
        {1.7, 2},
        {-1.2, -1},
        {-1.7, -2},
        {7.0, 7},
        {-7.0, -7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::roundHalfEven(c.in), c.out) << "in=" << c.in;
}

TEST(RoundHalfEven, LargeMagnitudesStayExact)
{
    const std::vector<RoundCase> cases = {
        {9e15, 9000000000000000LL},
        {-9e15, -9000000000000000LL},
        {9007199254740991.0, 9007199254740991LL},
        {8999999999999999.0, 8999999999999999LL},
        {123456789012345.25, 123456789012345LL},
        {123456789012345.75, 123456789012346LL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::roundHalfEven(c.in), c.out) << "in=" << c.in;
}

TEST(IntFloor, TakesLargestIntegerNotAbove)
{
    const std::vector<std::pair<double, double>> cases = {
        {-2.5, -3.0}, {-0.5, -1.0}, {62.5, 62.0}, {62.99999, 62.0}, {0.0, 0.0},
        {3.0, 3.0},   {-3.0, -3.0}, {-0.0001, -1.0}, {0.9999999, 0.0}, {-1e15 - 0.5, -1e15 - 1},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(vb::intFloor(in), out) << "in=" << in;
}

// ---------------------------------------------------------------- format

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

void checkFormat(const std::vector<FormatCase>& cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(s(vb::format(c.value, QString::fromLatin1(c.pattern))), c.expected)
            << "value=" << c.value << " pattern=" << c.pattern;
}

TEST(Format, ForcedDigitsPadIntegerPart)
{
    checkFormat({
        {0, "00000.0", "00000.0"},
        {123.4, "00000.0", "00123.4"},
        {123456.7, "00000.0", "123456.7"},
        {5, "#00", "05"},
        {123, "#00", "123"},
        {3.14159, "00.00", "03.14"},
        {7, "0", "7"},
        {12345, "0", "12345"},
        {0, "0.0", "0.0"},
        {0, "0.00", "0.00"},
        {4.5, "00.0", "04.5"},
    });
}

TEST(Format, OptionalIntegerDigits)
{
    checkFormat({
        {0, "###0", "0"},
        {12345, "###0", "12345"},
        {194, "##0.0", "194.0"},
        {0, "##0.0", "0.0"},
        {0, "#0.0", "0.0"},
        {0.25, "#0.0", "0.3"},
        {42.04, "###0.0", "42.0"},
        {0.5, "#.0", ".5"},
        {1.5, "#.0", "1.5"},
        {0, "#.0", ".0"},
        {5, "0#0", "005"},          // a '#' right of a '0' is padded too
    });
}

TEST(Format, RoundsHalfAwayFromZeroOnDecimalDigits)
{
    checkFormat({
        {5.55, "0.0", "5.6"},       // binary 5.5499999...
        {2.25, "0.0", "2.3"},       // a true half, not to even
        {0.125, "0.00", "0.13"},
        {1.005, "0.00", "1.01"},    // binary 1.00499999...
        {0.285, "0.00", "0.29"},
        {13.186813, "00.0", "13.2"},
        {2.5, "0", "3"},
        {3.5, "0", "4"},
        {0.5, "0", "1"},
        {0.4999, "0", "0"},
        {1.04999, "0.0", "1.0"},
        {1.0000000000000002, "0.0", "1.0"},
    });
}

TEST(Format, RoundingCarriesIntoNewDigit)
{
    checkFormat({
        {9.95, "0.0", "10.0"},
        {99999.96, "00000.0", "100000.0"},
        {99999.94, "00000.0", "99999.9"},
        {0.995, "0.00", "1.00"},
        {9.5, "0", "10"},
        {999.5, "#00", "1000"},
        {0.96, "#.0", "1.0"},
        {-9.95, "0.0", "-10.0"},
    });
}

TEST(Format, NegativeValuesAndNegativeZero)
{
    checkFormat({
        {-2.5, "00.0", "-02.5"},
        {-2.5, "0", "-3"},
        {-0.5, "#.0", "-.5"},
        {-194, "##0.0", "-194.0"},
        {-0.04, "0.0", "0.0"},      // rounds to zero: no minus
        {-0.004, "0.00", "0.00"},
        {-0.005, "0.00", "-0.01"},
        {-0.0, "00.0", "00.0"},
        {-0.4, "###0", "0"},
        {-123.4, "00000.0", "-00123.4"},
    });
}

TEST(Format, OptionalDecimalsDropTrailingZeros)
{
    checkFormat({
        {1.5, "###0.0#", "1.5"},
        {1.25, "###0.0#", "1.25"},
        {1.256, "###0.0#", "1.26"},
        {2, "###0.0#", "2.0"},
        {1.995, "###0.0#", "2.0"},
        {-1.25, "###0.0#", "-1.25"},
        {2, "0.##", "2"},           // nothing after the point: the point goes too
        {2.1, "0.##", "2.1"},
        {0.001, "0.###", "0.001"},
    });
}

TEST(Format, LiteralTextIsCopied)
{
    checkFormat({
        {12.34, "0.0 V", "12.3 V"},
        {5, "T=00", "T=05"},
        {-5, "T=00", "T=-05"},
        {12.5, ".00", "12.50"},     // no integer placeholder: digits before the point
        {2, "0.# rpm", "2 rpm"},
        {3, "abc", "abc"},
    });
}

TEST(Format, LargeValuesAndEmptyPattern)
{
    checkFormat({
        {1e20, "0", "100000000000000000000"},
        {12345678901234.56, "0.0", "12345678901234.6"},
        {123456789012345.6, "0.0", "123456789012346.0"},   // only 15 significant digits count
        {1234567890123456.7, "0.0", "1234567890123460.0"},
        {0.000001, "0.0000", "0.0000"},
        {0.00005, "0.0000", "0.0001"},
        {800, "", "800"},
    });
}

// The patterns of the read-outs, each with its boundaries and negatives.
TEST(Format, ReadOutPatternsAtTheirBoundaries)
{
    checkFormat({
        // odometer
        {0.05, "00000.0", "00000.1"},
        {0.04999, "00000.0", "00000.0"},
        {-0.05, "00000.0", "-00000.1"},
        {-1, "00000.0", "-00001.0"},
        {12345.65, "00000.0", "12345.7"},
        {99999.95, "00000.0", "100000.0"},
        // fuel gauge
        {60.0 / 4.55, "00.0", "13.2"},
        {9.95, "00.0", "10.0"},
        {99.96, "00.0", "100.0"},
        {0, "00.0", "00.0"},
        {-0.96, "00.0", "-01.0"},
        {-0.04, "00.0", "00.0"},
        // temperature in F
        {-4, "##0.0", "-4.0"},
        {0.05, "##0.0", "0.1"},
        {999.96, "##0.0", "1000.0"},
        {230, "##0.0", "230.0"},
        // trip distance, arrival distance
        {0, "###0.0", "0.0"},
        {22.5, "###0.0", "22.5"},
        {9999.95, "###0.0", "10000.0"},
        {-6249.375, "###0.0", "-6249.4"},
        {-0.04, "###0.0", "0.0"},
        // economy, fuel used
        {180.0 / 0.354, "#0.0", "508.5"},
        {-3.25, "#0.0", "-3.3"},
        {0.05, "#0.0", "0.1"},
        {99.99, "#0.0", "100.0"},
        // time to arrival, average speed
        {0, "#00", "00"},
        {4.5, "#00", "05"},
        {-4.5, "#00", "-05"},
        {-0.4, "#00", "00"},
        {1234, "#00", "1234"},
        {99.5, "#00", "100"},
        // elapsed time, stopwatch
        {60000, "###0", "60000"},
        {0.5, "###0", "1"},
        {2.5, "###0", "3"},         // half away from zero, not to even
        {-2.5, "###0", "-3"},
        {-60000, "###0", "-60000"},
        // two forced decimals
        {0, "00.00", "00.00"},
        {-3.14159, "00.00", "-03.14"},
        {9.995, "00.00", "10.00"},
        {123.456, "00.00", "123.46"},
        // one forced and one optional decimal
        {0, "###0.0#", "0.0"},
        {0.005, "###0.0#", "0.01"},
        {-0.004, "###0.0#", "0.0"},
        {1234.5, "###0.0#", "1234.5"},
        {12345.678, "###0.0#", "12345.68"},
        {-0.1, "###0.0#", "-0.1"},
    });
}

// ---------------------------------------------------------------- str

struct StrCase {
    double value;
    const char* expected;
};

void checkStr(const std::vector<StrCase>& cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(s(vb::str(c.value)), c.expected) << "value=" << c.value;
}

TEST(Str, IntegersHaveNoPoint)
{
    checkStr({
        {0, "0"}, {-0.0, "0"}, {800, "800"}, {-2, "-2"}, {100, "100"}, {1e14, "100000000000000"},
        {999999999999999.0, "999999999999999"}, {-999999999999999.0, "-999999999999999"},
    });
}

TEST(Str, FractionsUpToFifteenDigits)
{
    checkStr({
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {4.536, "4.536"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {123.4, "123.4"},
        {0.1 + 0.2, "0.3"},
        {1.1 - 1.0, "0.1"},
        {12345.678901234567, "12345.6789012346"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {-0.0001, "-0.0001"},
    });
}

TEST(Str, ExponentFormOutsidePlainRange)
{
    checkStr({
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"},   // rounds up past the plain range
        {1e16, "1E+16"},
        {-1e16, "-1E+16"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {1.5e300, "1.5E+300"},
        {0.00001, "1E-05"},
        {0.000015, "1.5E-05"},
        {-0.00001, "-1E-05"},
        {0.000099999, "9.9999E-05"},
        {1e-100, "1E-100"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    });
}

TEST(Str, FifteenSignificantDigitsAtTheEdges)
{
    checkStr({
        {123456789012345.0, "123456789012345"},
        {-123456789012345.0, "-123456789012345"},
        {12345678901234.5, "12345678901234.5"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {0.123456789012345678, "0.123456789012346"},
        {-0.000123456789012345678, "-0.000123456789012346"},
        {0.1 + 0.7, "0.8"},
        {100 * 1.1, "110"},
        {123.4 + 1 / 36.0, "123.427777777778"},
        {-5.0 / 8, "-0.625"},
        {32767, "32767"},
        {-32768, "-32768"},
    });
}

TEST(Str, NonFiniteValues)
{
    checkStr({
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
        {std::numeric_limits<double>::infinity(), "Inf"},
        {-std::numeric_limits<double>::infinity(), "-Inf"},
    });
}

// ---------------------------------------------------------------- val

TEST(Val, AcceptsWellFormedNumbers)
{
    const std::vector<std::pair<const char*, double>> cases = {
        {"123.4", 123.4},  {"0", 0.0},        {"  12  ", 12.0}, {"\t-3.5\r\n", -3.5},
        {"+7", 7.0},       {"-0", 0.0},       {".5", 0.5},      {"5.", 5.0},
        {"007", 7.0},      {"1e3", 1000.0},   {"1E+3", 1000.0}, {"2.5e-2", 0.025},
        {"-1.5E-05", -1.5e-5}, {"1e-400", 0.0}, // too small to hold: zero
        {"999999999999999", 999999999999999.0},
    };
    for (const auto& [text, expected] : cases) {
        bool ok = false;
        EXPECT_DOUBLE_EQ(vb::val(QString::fromLatin1(text), &ok), expected) << "text=" << text;
        EXPECT_TRUE(ok) << "text=" << text;
        EXPECT_TRUE(vb::isNumeric(QString::fromLatin1(text))) << "text=" << text;
    }
}

TEST(Val, RejectsEverythingElseWithZero)
{
    const std::vector<QString> cases = {
        "", "   ", "abc", "1,5", "12abc", "1 2", "-", "+", ".", "-.", "1e", "1e+",
        "e5", "--1", "+-1", "0x10", "inf", "nan", "1.2.3", "1e400", "-1e400",
        QString::fromUtf8("\xef\xbc\x91\xef\xbc\x92"), // full-width digits
    };
    for (const auto& text : cases) {
        bool ok = true;
        EXPECT_EQ(vb::val(text, &ok), 0.0) << "text=" << s(text);
        EXPECT_FALSE(ok) << "text=" << s(text);
        EXPECT_FALSE(vb::isNumeric(text)) << "text=" << s(text);
    }
}

TEST(Val, WorksWithoutOkPointer)
{
    EXPECT_EQ(vb::val(QStringLiteral("42.5")), 42.5);
    EXPECT_EQ(vb::val(QStringLiteral("x")), 0.0);
}

TEST(Val, ReadsBackWhatStrAndFormatWrite)
{
    const std::vector<double> values = {0, 800, -2, 0.5, 4.536, 123.4, 0.0001, 1e-5, 1.5e-5,
                                        1e16, -1.23456789012345e17, 999999999999999.0};
    for (double v : values) {
        bool ok = false;
        EXPECT_EQ(vb::val(vb::str(v), &ok), v) << "value=" << v;
        EXPECT_TRUE(ok) << "value=" << v;
    }
    EXPECT_DOUBLE_EQ(vb::val(vb::format(-2.5, QStringLiteral("00.0"))), -2.5);
    EXPECT_DOUBLE_EQ(vb::val(vb::format(0.5, QStringLiteral("#.0"))), 0.5);
}

} // namespace
