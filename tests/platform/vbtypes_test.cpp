#include "app/state.h"
#include "platform/vbtypes.h"

#include <QJsonArray>
#include <gtest/gtest.h>
#include <limits>

TEST(Integer, StoresWithinSixteenBitsAndRaisesOverflowBeyond) {
    Integer v;
    v = 32767;
    EXPECT_EQ(v, 32767);
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
    EXPECT_THROW(w = 40000, VbError);
    EXPECT_THROW(w = -32768.6, VbError);
    EXPECT_THROW(w = std::numeric_limits<double>::quiet_NaN(), VbError);
}

TEST(Integer, RealNumbersRoundHalfToEven) {
    struct Case {
        double in;
        int out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {105.6, 106}, {84.8, 85},
                 {4900.0 / 49, 100}, {1880.0 / -94, -20}, {-0.4, 0}, {32767.4, 32767}, {18.5, 18}};
    for (const Case& c : cases) {
        Integer v;
        v = c.in;
        EXPECT_EQ(v, c.out) << c.in;
    }
}

TEST(Figure, StoredTextIsANumberForArithmeticAndItselfForReports) {
    Figure f = Figure::fromText("123.4");
    EXPECT_TRUE(f.isText());
    EXPECT_DOUBLE_EQ(f.value(), 123.4);
    EXPECT_EQ(f.toText(), "123.4");
    f = f + 1;
    EXPECT_FALSE(f.isText());
    EXPECT_EQ(f.toText(), "124.4");

    Figure padded = Figure::fromText(" 055 ");
    EXPECT_DOUBLE_EQ(padded.value(), 55);
    EXPECT_EQ(padded.toText(), " 055 ");
}

TEST(Figure, EmptyOrNonNumericTextCountsAsZero) {
    for (const char* text : {"", "abc", "12x", "1,5"}) {
        const Figure f = Figure::fromText(text);
        EXPECT_DOUBLE_EQ(f.value(), 0) << text;
        EXPECT_EQ(f.toText(), "0") << text;
    }
    const Figure never;
    EXPECT_TRUE(never.isEmpty());
    EXPECT_EQ(never.toText(), "") << "a figure never set is written as nothing";
    EXPECT_DOUBLE_EQ(never + 2.0, 2.0);
}

TEST(State, ResetGivesStartValuesAndLetAssignsByName) {
    resetState();
    EXPECT_EQ(SystemVoltage, 12);
    EXPECT_EQ(ToolMode, 1);
    EXPECT_EQ(ConnectionName, "Blank");
    EXPECT_EQ(PanelWidth, 3000);
    EXPECT_TRUE(Mileage.isEmpty());

    QString error;
    EXPECT_TRUE(setStateVariable("EngineSpeed", "800", &error));
    EXPECT_EQ(EngineSpeed, 800);
    EXPECT_TRUE(setStateVariable("OptionFlags(3)", "1", &error));
    EXPECT_EQ(OptionFlags[3], 1);
    EXPECT_TRUE(setStateVariable("TripDistance", "12.5", &error));
    EXPECT_DOUBLE_EQ(TripDistance.value(), 12.5);

    EXPECT_FALSE(setStateVariable("EngineSpeed", "40000", &error));
    EXPECT_EQ(EngineSpeed, 800);
    EXPECT_FALSE(setStateVariable("OptionFlags(10)", "1", &error));
    EXPECT_FALSE(setStateVariable("NoSuchThing", "1", &error));
    EXPECT_TRUE(error.contains("NoSuchThing"));

    const QJsonObject json = stateToJson();
    EXPECT_EQ(json.value("EngineSpeed").toInt(), 800);
    EXPECT_EQ(json.value("OptionFlags").toArray().at(3).toInt(), 1);
    EXPECT_EQ(json.value("TelemetryData").toArray().size(), 301);
    EXPECT_TRUE(json.value("AverageSpeed").isNull());
    resetState();
}
