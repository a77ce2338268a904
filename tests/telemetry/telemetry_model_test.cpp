// The telemetry model: channel conversions, the export text, the track reader
// and the car's advance with its lap test.
#include "platform/files.h"
#include "telemetry/circuit.h"
#include "telemetry/telemetrystore.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace telemetry;

namespace {

TEST(TelemetryChannels, ConversionsOfKnockTemperatureAndInjection) {
    sim::Snapshot r;
    r.engineSpeed = 6400;
    r.knock = -1;
    r.engineTemperature = -5;
    r.roadSpeed = -3;
    r.injectionDuration = 2.5;
    Sample s = sampleOf(r);
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(s[4], 1);
    EXPECT_EQ(s[5], 6400);
    EXPECT_EQ(s[7], 0);
    EXPECT_EQ(s[8], -3);  // only the temperature is held at 0
    EXPECT_EQ(s[10], 2);  // halves go to the even number
    r.knock = 0;
    r.injectionDuration = 3.5;
    s = sampleOf(r);
    EXPECT_EQ(s[4], 0);
    EXPECT_EQ(s[10], 4);
    r.injectionDuration = 32767.5;  // rounds to 32768: does not fit 16 bits
    EXPECT_THROW(sampleOf(r), VbError);
}

TEST(TelemetryExport, SpreadsheetOfElevenNamedColumnsAnd750Rows) {
    SampleHistory h;
    for (int i = 1; i <= 752; ++i) {  // the first two leave the history
        Sample s{};
        for (int c = 1; c <= kChannels; ++c) s[c] = i % 300 * 100 + c;
        s[9] = -15;
        h.append(s);
    }
    const QByteArray text = exportText(h);
    EXPECT_TRUE(text.endsWith("\r\n"));
    EXPECT_EQ(text.count("\r\n"), text.count('\n')) << "a bare line feed";
    const QList<QByteArray> rows = text.chopped(2).split('\n');
    ASSERT_EQ(rows.size(), 751);
    EXPECT_EQ(rows[0], "\"SystemVoltage\",\"ThrottlePosition\",\"Gear\",\"Knock\",\"EngineSpeed\",\"EngineLoad\","
                       "\"EngineTemperature\",\"RoadSpeed\",\"IgnitionTiming\",\"InjectionDuration\",\"DwellPercentage\"\r");
    for (int r = 1; r <= 750; ++r) ASSERT_EQ(rows[r].split(',').size(), 11) << "row " << r;
    EXPECT_EQ(rows[1], "301,302,303,304,305,306,307,308,-15,310,311\r");  // sample 3, oldest first
    EXPECT_EQ(rows[750].left(6), "15201,");                                // sample 752
}

TEST(TrackFile, DamagedFilesGiveAUsableTrack) {
    QByteArray many;
    for (int i = 0; i < 2000; ++i) many += QByteArray::number(i % 200) + ",1\r\n";
    const struct {
        const char* what;
        QByteArray text;
        QVector<QPointF> first;  // the first points expected
        int count;
    } cases[] = {
        {"CR LF lines", "57,112\r\n58,113\r\n", {{57, 112}, {58, 113}}, 2},
        {"line structure does not matter", "1\n2,3\n\n4\r\n", {{1, 2}, {3, 4}}, 2},
        {"empty", "", {}, 0},
        {"an x without its y is dropped", "10,20\r\n30,40\r\n50\r\n", {{10, 20}}, 2},
        {"reading ends at text", "5,6\r\nseven,8\r\n9,9", {{5, 6}}, 1},
        {"held inside the plan", "-5,300\r\n1e300,1e308\r\n12.5,7\r\n", {{0, 200}, {200, 200}, {12.5, 7}}, 3},
        {"too large to be a number", "1e999,3", {}, 0},
        {"10 MB of digits", QByteArray(10000000, '7'), {}, 0},
        {"at most 750 points", many, {{0, 1}}, kMaxTrackPoints},
    };
    for (const auto& c : cases) {
        const QVector<QPointF> pts = parseTrack(c.text);
        ASSERT_EQ(pts.size(), c.count) << c.what;
        for (int i = 0; i < c.first.size(); ++i) EXPECT_EQ(pts[i], c.first[i]) << c.what;
    }
}

TEST(TrackFile, ShippedCircuitIsClosedAndInsideThePlan) {
    const QByteArray bytes = readRegularFile(QDir(qEnvironmentVariable("VANTOREL_DATA")).filePath("track.txt"));
    const QVector<QPointF> pts = parseTrack(bytes);
    ASSERT_GE(pts.size(), 300);
    double longest = 0;
    for (int i = 0; i < pts.size(); ++i) {
        const QPointF d = pts[(i + 1) % pts.size()] - pts[i];
        longest = std::max(longest, std::hypot(d.x(), d.y()));
        EXPECT_TRUE(pts[i].x() + kCarSize <= 200 && pts[i].y() + kCarSize <= 200) << i;
    }
    EXPECT_LE(longest, 3.0) << "the path has a gap (the last point leads back to the first)";
}

TEST(CarAdvance, HalvesToEvenAndStandsWithoutATrack) {
    // 30 km/h is a step of 1.5: 5 -> 6 (6.5 to even), 6 -> 8 (7.5 to even).
    EXPECT_EQ(advanceCar(5, 1, 100, 30).position, 6);
    EXPECT_EQ(advanceCar(6, 1, 100, 30).position, 8);
    EXPECT_EQ(advanceCar(6, 1, 100, 9).position, 6);  // under 10 km/h the car stands
    const CarState s = advanceCar(0, 1, 0, 100);      // no track: no lap is counted
    EXPECT_FALSE(s.moved);
    EXPECT_EQ(s.lap, 1);
    EXPECT_EQ(placementPoint(5, 0), 0);
}

}  // namespace
