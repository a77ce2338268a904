// Numbers the BASIC way: rounding, the read-out patterns, the general form and the parsing of
// stored figures; the 16-bit Integer and stored figures.
#include "platform/numbers.h"
#include "platform/vbtypes.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

std::string s(const QString& q) { return q.toStdString(); }

TEST(Rounding, HalvesGoToTheEvenNeighbourOthersToTheNearest) {
    const std::vector<std::pair<double, long long>> cases = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {-3.5, -4},
        {4503599627370495.5, 4503599627370496},  // the largest doubles that still hold a half
        {0.49999999999999994, 0},                // floor(x + 0.5) would give 1
        {2.5000000000000004, 3}, {-2.4999999999999996, -2}, {-1.7, -2},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(vb::roundHalfEven(in), out) << "in=" << in;
    for (const auto& [in, out] : std::vector<std::pair<double, double>>{{-2.5, -3}, {-0.0001, -1}, {62.99999, 62}})
        EXPECT_EQ(vb::intFloor(in), out) << "in=" << in;
}

TEST(Format, PatternsOfTheReadOuts) {
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    };
    const std::vector<Case> cases = {
        // forced and optional digits; halves away from zero on the decimal value; the carry's new digit
        {123.4, "00000.0", "00123.4"}, {123456.7, "00000.0", "123456.7"}, {5, "#00", "05"}, {0.5, "#.0", ".5"},
        {5.55, "0.0", "5.6"}, {1.005, "0.00", "1.01"}, {-2.5, "0", "-3"}, {1.04999, "0.0", "1.0"},
        {9.95, "0.0", "10.0"}, {999.5, "#00", "1000"}, {0.96, "#.0", "1.0"},
        // negatives (what rounds to zero has no minus); optional decimals drop zeros and the point
        {-2.5, "00.0", "-02.5"}, {-0.04, "0.0", "0.0"}, {-0.005, "0.00", "-0.01"}, {1.25, "###0.0#", "1.25"},
        {1.995, "###0.0#", "2.0"}, {2, "0.##", "2"}, {-0.004, "###0.0#", "0.0"},
        // literal text, no integer placeholder, empty pattern, only 15 significant digits
        {12.34, "0.0 V", "12.3 V"}, {-5, "T=00", "T=-05"}, {12.5, ".00", "12.50"}, {800, "", "800"},
        {1234567890123456.7, "0.0", "1234567890123460.0"}, {180.0 / 0.354, "#0.0", "508.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(s(vb::format(c.value, QString::fromLatin1(c.pattern))), c.expected)
            << "value=" << c.value << " pattern=" << c.pattern;
}

TEST(Str, GeneralFormWithFifteenSignificantDigits) {
    const std::vector<std::pair<double, const char*>> cases = {
        {-0.0, "0"}, {999999999999999.0, "999999999999999"}, {2.0 / 3.0, "0.666666666666667"}, {0.1 + 0.2, "0.3"},
        {0.0001, "0.0001"}, {-0.000123456789012345678, "-0.000123456789012346"},
        // exponent form outside 0.0001 .. 999999999999999
        {999999999999999.9, "1E+15"}, {-1e16, "-1E+16"}, {123456789012345678.0, "1.23456789012346E+17"},
        {0.00001, "1E-05"}, {std::numeric_limits<double>::quiet_NaN(), "NaN"},
        {-std::numeric_limits<double>::infinity(), "-Inf"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(s(vb::str(value)), expected) << "value=" << value;
}

TEST(Val, ReadsNumbersAndNothingElse) {
    const std::vector<std::pair<const char*, double>> good = {
        {"\t-3.5\r\n", -3.5}, {"+7", 7.0}, {".5", 0.5}, {"5.", 5.0}, {"1E+3", 1000.0}, {"1e-400", 0.0},
    };
    for (const auto& [text, expected] : good) {
        bool ok = false;
        EXPECT_DOUBLE_EQ(vb::val(QString::fromLatin1(text), &ok), expected) << "text=" << text;
        EXPECT_TRUE(ok) << "text=" << text;
    }
    const std::vector<QString> bad = {"", "   ", "1,5", "12abc", "1 2", "-", ".", "1e", "e5", "--1",
                                      "0x10", "inf", "nan", "1.2.3", "1e400",
                                      QString::fromUtf8("\xef\xbc\x91\xef\xbc\x92")};  // full-width digits
    for (const auto& text : bad) {
        bool ok = true;
        EXPECT_EQ(vb::val(text, &ok), 0.0) << "text=" << s(text);
        EXPECT_FALSE(ok) << "text=" << s(text);
        EXPECT_FALSE(vb::isNumeric(text)) << "text=" << s(text);
    }
    for (double v : {0.5, 4.536, 1e-5, -1.23456789012345e17}) EXPECT_EQ(vb::val(vb::str(v)), v) << "value=" << v;
}

TEST(Integer, SixteenBitsWithOverflowAndHalvesToEven) {
    Integer v;
    v = -32768;
    EXPECT_EQ(v, -32768);
    Integer w = 32767;
    try {
        w += 1;
        FAIL() << "no overflow";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number, 6);
        EXPECT_EQ(e.description, "Overflow");
    }
    EXPECT_EQ(w, 32767) << "a failed store leaves the old value";
    EXPECT_THROW(w = -32768.6, VbError);
    EXPECT_THROW(w = std::numeric_limits<double>::quiet_NaN(), VbError);
    for (const auto& [in, out] : std::vector<std::pair<double, int>>{{2.5, 2}, {3.5, 4}, {-2.5, -2}, {84.8, 85},
                                                                     {32767.4, 32767}}) {
        v = in;
        EXPECT_EQ(v, out) << in;
    }
}

TEST(Figure, StoredTextIsANumberForArithmeticAndItselfForReports) {
    Figure f = Figure::fromText(" 055 ");
    EXPECT_TRUE(f.isText());
    EXPECT_DOUBLE_EQ(f.value(), 55);
    EXPECT_EQ(f.toText(), " 055 ");
    f = f + 1;
    EXPECT_FALSE(f.isText());
    EXPECT_EQ(f.toText(), "56");
    const Figure never;
    EXPECT_EQ(never.toText(), "") << "a figure never set is written as nothing";
    EXPECT_DOUBLE_EQ(never + 2.0, 2.0);
}

}  // namespace

TEST(StrSingle, FloatFiguresShowTheDigitsTheyCarry) {
    // A map cell times a single-precision factor, and a float widened to double.
    EXPECT_EQ(s(vb::strSingle(2.25 * double(1.1f))), "2.475");
    EXPECT_EQ(s(vb::strSingle(double(2.25f * 1.1f))), "2.475");
    EXPECT_EQ(s(vb::strSingle(4.2 * double(1.5f * 1.6f))), "10.08");
    EXPECT_EQ(s(vb::strSingle(double(2.475f))), "2.475");
    EXPECT_EQ(s(vb::strSingle(double(0.00001f))), "1E-05");
    EXPECT_EQ(s(vb::strSingle(-double(3.3f))), "-3.3");
    // Exact values a float would round keep their own digits; so do values beyond a float.
    EXPECT_EQ(s(vb::strSingle(16777217.0)), "16777217");
    EXPECT_EQ(s(vb::strSingle(0.1 + 0.2)), "0.3");
    EXPECT_EQ(s(vb::strSingle(1e300)), "1E+300");
    EXPECT_EQ(s(vb::strSingle(std::numeric_limits<double>::quiet_NaN())), "NaN");
    EXPECT_EQ(s(vb::strSingle(0.0)), "0");
}
