// The telemetry model: channel conversions, the pass rule, the history and the export text,
// the track reader, the car's advance with its lap test, and the output channel.
#include "platform/files.h"
#include "telemetry/circuit.h"
#include "telemetry/gauge.h"
#include "telemetry/telemetrystore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace telemetry;

namespace {

Sample numbered(int base) {
    Sample s{};
    for (int c = 1; c <= kChannels; ++c) s[c] = base * 100 + c;
    return s;
}

// A minimal CSV reader: fields split on commas, quotes around a field removed.
QList<QStringList> readCsv(const QByteArray& text, bool* crlfOnly) {
    *crlfOnly = !text.contains("\n") || text.count("\r\n") == text.count('\n');
    QList<QStringList> rows;
    for (QString line : QString::fromLatin1(text).split("\r\n")) {
        if (line.isEmpty()) continue;
        QStringList fields;
        for (QString f : line.split(',')) {
            if (f.size() >= 2 && f.startsWith('"') && f.endsWith('"')) f = f.mid(1, f.size() - 2);
            fields << f;
        }
        rows << fields;
    }
    return rows;
}

TEST(TelemetryChannels, ConversionsOfKnockTemperatureAndInjection) {
    EngineReadings r;
    r.systemVoltage = 14;
    r.throttlePosition = 2;
    r.gear = 5;
    r.knock = -1;
    r.engineSpeed = 6400;
    r.engineLoad = 98;
    r.engineTemperature = -5;
    r.roadSpeed = -3;
    r.ignitionTiming = -12;
    r.injectionDuration = 2.5;
    r.dwellPercentage = 60;
    Sample s = sampleOf(r);
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(s[4], 1);
    EXPECT_EQ(s[7], 0);
    EXPECT_EQ(s[8], -3);   // only the temperature is held at 0
    EXPECT_EQ(s[9], -12);
    EXPECT_EQ(s[10], 2);
    const int asIs[] = {14, 2, 5, 1, 6400, 98, 0, -3, -12, 2, 60};
    for (int c = 1; c <= kChannels; ++c) EXPECT_EQ(s[c], asIs[c - 1]) << "channel " << c;

    r.knock = 0;
    r.injectionDuration = 3.5;
    r.engineTemperature = 0;
    s = sampleOf(r);
    EXPECT_EQ(s[4], 0);
    EXPECT_EQ(s[10], 4);
    EXPECT_EQ(s[7], 0);
    r.injectionDuration = 32767.4;
    EXPECT_EQ(sampleOf(r)[10], 32767);
    r.injectionDuration = 32767.5;  // rounds to 32768: does not fit 16 bits
    try {
        sampleOf(r);
        FAIL() << "no overflow";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number, 6);
    }
}

TEST(TelemetryStore, PassRuleClearsOnTheFirstTickAndAfterSample300) {
    EXPECT_TRUE(startsNewPass(0));
    EXPECT_TRUE(startsNewPass(-1));
    EXPECT_FALSE(startsNewPass(1));
    EXPECT_FALSE(startsNewPass(299));
    EXPECT_TRUE(startsNewPass(300));
    EXPECT_TRUE(startsNewPass(301));
}

TEST(TelemetryStore, HistoryKeepsTheLatest750OldestFirst) {
    SampleHistory h;
    EXPECT_EQ(h.count(), 0);
    for (int i = 1; i <= 3; ++i) h.append(numbered(i));
    ASSERT_EQ(h.count(), 3);
    EXPECT_EQ(h.at(0)[1], 101);
    EXPECT_EQ(h.at(2)[11], 311);
    for (int i = 4; i <= 752; ++i) h.append(numbered(i % 300));
    ASSERT_EQ(h.count(), 750);
    EXPECT_EQ(h.at(0)[1], numbered(3)[1]);        // samples 1 and 2 have gone
    EXPECT_EQ(h.at(749)[1], numbered(752 % 300)[1]);
}

TEST(TelemetryExport, SpreadsheetOfElevenNamedColumnsAnd750Rows) {
    SampleHistory h;
    Sample negative = numbered(1);
    negative[9] = -15;
    h.append(negative);
    h.append(numbered(2));
    const QByteArray text = exportText(h);
    EXPECT_TRUE(text.endsWith("\r\n"));
    bool crlf = false;
    const QList<QStringList> rows = readCsv(text, &crlf);
    EXPECT_TRUE(crlf) << "a bare line feed";
    ASSERT_EQ(rows.size(), 751);
    EXPECT_EQ(text.left(text.indexOf("\r\n")),
              "\"SystemVoltage\",\"ThrottlePosition\",\"Gear\",\"Knock\",\"EngineSpeed\",\"EngineLoad\","
              "\"EngineTemperature\",\"RoadSpeed\",\"IgnitionTiming\",\"InjectionDuration\",\"DwellPercentage\"");
    EXPECT_EQ(rows[0], channelNames());
    for (int r = 1; r <= 750; ++r) {
        ASSERT_EQ(rows[r].size(), 11) << "row " << r;
        for (const QString& f : rows[r]) {
            bool ok = false;
            f.toShort(&ok);
            ASSERT_TRUE(ok && !f.contains(' ')) << "row " << r << ": " << f.toStdString();
        }
    }
    EXPECT_EQ(rows[1][8], "-15");
    EXPECT_EQ(rows[1][0], "101");
    EXPECT_EQ(rows[2][10], "211");
    EXPECT_EQ(rows[3], QStringList(QVector<QString>(11, "0").toList()));
    EXPECT_EQ(rows[750], rows[3]);
}

TEST(TrackFile, PointsPairwiseFromCommasOrLines) {
    auto pts = parseTrack("57,112\r\n58,113\r\n");
    ASSERT_EQ(pts.size(), 2);
    EXPECT_EQ(pts[1], QPointF(58, 113));
    pts = parseTrack("1\n2,3\n\n4\r\n");  // line structure does not matter
    ASSERT_EQ(pts.size(), 2);
    EXPECT_EQ(pts[0], QPointF(1, 2));
    EXPECT_EQ(pts[1], QPointF(3, 4));
    EXPECT_EQ(parseTrack("").size(), 0);
    EXPECT_EQ(parseTrack("5,6\r\n7").size(), 1);              // an x without its y is dropped
    EXPECT_EQ(parseTrack("5,6\r\nseven,8\r\n9,9").size(), 1);  // reading ends at text
    pts = parseTrack("-5,300\r\n1e300,1e308\r\n12.5,7\r\n");
    ASSERT_EQ(pts.size(), 3);
    EXPECT_EQ(pts[0], QPointF(0, 200));
    EXPECT_EQ(pts[1], QPointF(200, 200));
    EXPECT_EQ(pts[2], QPointF(12.5, 7));
    EXPECT_EQ(parseTrack("1e999,3").size(), 0);
    QByteArray many;
    for (int i = 0; i < 2000; ++i) many += QByteArray::number(i % 200) + ",1\r\n";
    EXPECT_EQ(parseTrack(many).size(), kMaxTrackPoints);
}

TEST(TrackFile, ShippedCircuitIsClosedAndInsideThePlan) {
    const QByteArray bytes = readRegularFile(QDir(qEnvironmentVariable("VANTOREL_DATA")).filePath("track.txt"));
    const QVector<QPointF> pts = parseTrack(bytes);
    ASSERT_GE(pts.size(), 300);
    ASSERT_LE(pts.size(), 750);
    EXPECT_EQ(bytes.count("\r\n"), pts.size());
    double longest = 0;
    for (int i = 0; i < pts.size(); ++i) {
        const QPointF d = pts[(i + 1) % pts.size()] - pts[i];
        longest = std::max(longest, std::hypot(d.x(), d.y()));
        EXPECT_TRUE(pts[i].x() + kCarSize <= 200 && pts[i].y() + kCarSize <= 200) << i;
    }
    EXPECT_LE(longest, 3.0) << "the path has a gap (the last point leads back to the first)";
}

TEST(CarAdvance, LapTestBeforeTheAdvanceAndHalvesToEven) {
    // 100 points at 60 km/h: three points a tick; at 100 or beyond a lap and restart at 1 + 3.
    CarState s = advanceCar(97, 1, 100, 60);
    EXPECT_EQ(s.position, 100);
    EXPECT_FALSE(s.lapped);
    s = advanceCar(s.position, s.lap, 100, 60);
    EXPECT_TRUE(s.lapped);
    EXPECT_EQ(s.lap, 2);
    EXPECT_EQ(s.position, 4);
    s = advanceCar(99, 2, 100, 60);
    EXPECT_EQ(s.position, 102);  // past the end until the next lap test
    EXPECT_EQ(placementPoint(s.position, 100), 100);
    // 30 km/h is a step of 1.5: 5 -> 6 (6.5 to even), 6 -> 8 (7.5 to even).
    EXPECT_EQ(advanceCar(5, 1, 100, 30).position, 6);
    EXPECT_EQ(advanceCar(6, 1, 100, 30).position, 8);
    EXPECT_EQ(advanceCar(6, 1, 100, 9).position, 6);  // under 10 km/h the car stands
    for (int speed : {0, -20}) {
        s = advanceCar(100, 1, 100, speed);
        EXPECT_FALSE(s.moved);
        EXPECT_EQ(s.position, 100);
        EXPECT_EQ(s.lap, 1);
    }
    s = advanceCar(0, 1, 0, 100);  // no track: the car stands and no lap is counted
    EXPECT_FALSE(s.moved);
    EXPECT_EQ(s.lap, 1);
    EXPECT_EQ(placementPoint(5, 0), 0);
    EXPECT_EQ(placementPoint(0, 10), 1);
    EXPECT_EQ(placementPoint(30000, 750), 750);
}

TEST(OutputChannel, RecordingIsWrittenPointByPointAndRefusesWhenClosed) {
    QTemporaryDir dir;
    const QString path = dir.filePath("track.txt");
    QFile::remove(path);
    OutputChannel ch;
    try {
        ch.writePoint(1, 2);
        FAIL() << "wrote to a closed channel";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number, 52);
    }
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("9,9\r\n");
    }
    ch.openRecording(path);
    EXPECT_EQ(readRegularFile(path), QByteArray());  // emptied
    ch.writePoint(-1, 0);
    EXPECT_EQ(readRegularFile(path), "-1,0\r\n");
    ch.writePoint(-1, 1);
    EXPECT_EQ(readRegularFile(path), "-1,0\r\n-1,1\r\n");
    ch.close();
    EXPECT_THROW(ch.writePoint(0, 0), VbError);
    EXPECT_EQ(readRegularFile(path), "-1,0\r\n-1,1\r\n");
    EXPECT_THROW(ch.openRecording(dir.filePath("missing/track.txt")), VbError);
    EXPECT_FALSE(ch.isOpen());
}

TEST(GaugeGeometry, ChannelTableBarAndNeedle) {
    ASSERT_EQ(channelEntries().size(), 12);
    EXPECT_EQ(channelEntries()[0].text, "00 Select Input Source...");
    EXPECT_EQ(channelEntries()[11].text, "11 Dwel Percentage");
    const int full[] = {0, 20, 2, 7, 2, 7500, 100, 150, 300, 60, 30, 60};
    for (int c = 0; c <= 11; ++c) {
        EXPECT_EQ(fullScaleOf(c), full[c]) << c;
        EXPECT_EQ(channelEntries()[c].channel, c);
    }
    EXPECT_DOUBLE_EQ(barEnd(3750.0f / 7500), 75);
    EXPECT_DOUBLE_EQ(barEnd(0), 25);
    EXPECT_GT(barEnd(1.5), 125);  // nothing clamped
    EXPECT_NEAR(needleAngle(0.5), 3.1415928 / 2, 1e-12);
    EXPECT_NEAR(needleAngle(0), 3 * 3.1415928 / 4, 1e-12);
    EXPECT_LT(needleAngle(1.2), 3.1415928 / 4);
    EXPECT_GT(needleAngle(-0.2), 3 * 3.1415928 / 4);
}

}  // namespace
