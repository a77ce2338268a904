// The scanner's report files: line texts, number formats, line ends and write failures.
#include "faults/reports.h"
#include "platform/services.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using reports::ScannerReading;

std::string s(const QString& q) { return q.toStdString(); }

const char* kDashes = "------------------------------";

ScannerReading idleReading() {
    // The engine at idle, as a scan sees it just after a start.
    ScannerReading r;
    r.engineSpeed = 800;
    r.engineLoad = 10;
    r.engineTemperature = 90;
    r.ignitionTiming = 10;
    r.injectionDuration = 2.2;
    r.dwellPercentage = 35;
    r.roadSpeed = 0;
    r.systemVoltage = 14;
    r.gear = 0;
    r.throttleOn = false;
    return r;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    return f.readAll();
}

TEST(FaultsReport, NoFaultGivesTheFiveFixedLines) {
    const QStringList want{"System faults found:", kDashes, "", kDashes, "End of faults list..."};
    EXPECT_EQ(reports::faultsReport({}), want);
}

TEST(FaultsReport, FaultLinesSitBetweenTheHeaderAndTheEmptyLine) {
    const QStringList lines = reports::faultsReport({"Fuel system fault", "Fuel system fault"});
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(s(lines[2]), "Fuel system fault");
    EXPECT_EQ(s(lines[3]), "Fuel system fault");
    EXPECT_EQ(s(lines[4]), "");
    EXPECT_EQ(s(lines[6]), "End of faults list...");
}

TEST(ScannerReport, EngineLinesOfTheIdleExample) {
    const QStringList lines = reports::scannerReport(idleReading());
    const std::vector<std::string> want = {
        "Engine speed = 800 rev/min",  "Engine load = 10% of full load", "Engine temperature = 90deg. C",
        "Ignition timing = 10deg. BTDC", "Injection duration= 02.20mS",  "Dwell = 35%",
        "Road speed = 0km/hour",        "System voltage = 14Volts",      "Gear in position = 0",
        "Throttle on = False"};
    ASSERT_EQ(lines.size(), 27);
    for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(s(lines[int(i) + 3]), want[i]) << "line " << i + 4;
}

TEST(ScannerReport, FrameLines) {
    const QStringList lines = reports::scannerReport(ScannerReading());
    const std::vector<std::pair<int, std::string>> want = {
        {1, "System results:"}, {2, kDashes}, {3, "Engine management data..."}, {14, kDashes},
        {15, "Trip and instrumentation data..."}, {26, kDashes}, {27, "End of list..."}};
    for (const auto& [n, text] : want) EXPECT_EQ(s(lines[n - 1]), text) << "line " << n;
}

struct LineCase {
    const char* what;
    std::function<void(ScannerReading&)> set;
    int line;
    const char* text;
};

TEST(ScannerReport, NumberFormats) {
    const std::vector<LineCase> cases = {
        {"no injection", [](ScannerReading& r) { r.injectionDuration = 0; }, 8, "Injection duration= 00.00mS"},
        {"long injection", [](ScannerReading& r) { r.injectionDuration = 12.345; }, 8,
         "Injection duration= 12.35mS"},
        {"injection over 99 ms keeps its digits", [](ScannerReading& r) { r.injectionDuration = 123.4; }, 8,
         "Injection duration= 123.40mS"},
        {"retarded timing", [](ScannerReading& r) { r.ignitionTiming = -2; }, 7, "Ignition timing = -2deg. BTDC"},
        {"reverse", [](ScannerReading& r) { r.roadSpeed = -20; }, 10, "Road speed = -20km/hour"},
        {"reverse, trip section", [](ScannerReading& r) { r.roadSpeed = -20; }, 17, "Road speed = -20"},
        {"cold engine", [](ScannerReading& r) { r.engineTemperature = -20; }, 6, "Engine temperature = -20deg. C"},
        {"throttle on", [](ScannerReading& r) { r.throttleOn = true; }, 13, "Throttle on = True"},
        {"reverse gear", [](ScannerReading& r) { r.gear = 6; }, 12, "Gear in position = 6"},
        {"no mileage", [](ScannerReading& r) { r.mileage = 0; }, 16, "Mileage = 00000.0"},
        {"mileage never set", [](ScannerReading&) {}, 16, "Mileage = 00000.0"},
        {"short mileage", [](ScannerReading& r) { r.mileage = 123.44; }, 16, "Mileage = 00123.4"},
        {"mileage still the stored text", [](ScannerReading& r) { r.mileage = Figure::fromText("9876.5"); }, 16,
         "Mileage = 09876.5"},
        {"long mileage", [](ScannerReading& r) { r.mileage = 123456.78; }, 16, "Mileage = 123456.8"},
        {"instantaneous economy", [](ScannerReading& r) { r.fuelEconomy = 18; }, 20,
         "Instantaneous fuel consumption = 18"},
    };
    for (const auto& c : cases) {
        ScannerReading r = idleReading();
        c.set(r);
        EXPECT_EQ(s(reports::scannerReport(r)[c.line - 1]), c.text) << c.what;
    }
}

TEST(ScannerReport, TripFiguresAreWrittenAsTheyStand) {
    ScannerReading r = idleReading();
    r.averageSpeed = 57.25;                                // a number: general form
    r.fuelLevel = 60;                                      // a whole number: no point
    r.averageEconomy = Figure();                           // never set: nothing
    r.tripDistance = Figure::fromText("12.50");            // still the stored text
    r.elapsedTime = 3600;
    r.arrivalDistance = -3.5;
    r.timeToArrival = 1.0 / 3;                             // a fraction that does not end
    const QStringList lines = reports::scannerReport(r);
    EXPECT_EQ(s(lines[17]), "Average speed = 57.25");
    EXPECT_EQ(s(lines[18]), "Fuel left in the tank = 60");
    EXPECT_EQ(s(lines[20]), "Average fuel counsumtion = ");
    EXPECT_EQ(s(lines[21]), "Trip distance = 12.50");
    EXPECT_EQ(s(lines[22]), "Elapsed time = 3600");
    EXPECT_EQ(s(lines[23]), "Arrival distance = -3.5");
    const QString eta = lines[24].mid(QString("Estimated time of arrival = ").size());
    EXPECT_TRUE(lines[24].startsWith("Estimated time of arrival = 0.333"));
    EXPECT_NEAR(eta.toDouble(), 1.0 / 3, 1e-14) << s(eta);
}

TEST(WriteReport, LinesEndInCrLfAndReplaceTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Faults.scn");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'x'));
    }
    reports::writeReport(path, reports::faultsReport({"Knock sensor out of range"}));
    EXPECT_EQ(readAll(path),
              QByteArray("System faults found:\r\n------------------------------\r\nKnock sensor out of range\r\n\r\n"
                         "------------------------------\r\nEnd of faults list...\r\n"));
}

TEST(WriteReport, TheIdleExampleByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Scanner.scn");
    reports::writeReport(path, reports::scannerReport(idleReading()));
    const QByteArray want =
        "Engine management data...\r\n"
        "Engine speed = 800 rev/min\r\n"
        "Engine load = 10% of full load\r\n"
        "Engine temperature = 90deg. C\r\n"
        "Ignition timing = 10deg. BTDC\r\n"
        "Injection duration= 02.20mS\r\n"
        "Dwell = 35%\r\n"
        "Road speed = 0km/hour\r\n"
        "System voltage = 14Volts\r\n"
        "Gear in position = 0\r\n"
        "Throttle on = False\r\n"
        "------------------------------\r\n";
    const QByteArray bytes = readAll(path);
    EXPECT_TRUE(bytes.startsWith(QByteArray("System results:\r\n------------------------------\r\n") + want))
        << bytes.toStdString();
    EXPECT_TRUE(bytes.endsWith("------------------------------\r\nEnd of list...\r\n")) << bytes.toStdString();
    EXPECT_EQ(bytes.count("\r\n"), 27);
    EXPECT_EQ(bytes.count('\n'), 27);
}

TEST(WriteReport, TextIsWrittenAsSingleByteCharacters) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Scanner.scn");
    reports::writeReport(path, {QString::fromUtf8("90\u00b0C")});
    EXPECT_EQ(readAll(path), QByteArray("90\xb0" "C\r\n"));
}

TEST(WriteReport, FailuresRaiseTheFileErrors) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("Faults.scn");  // a folder where the file should go
    struct Case {
        QString path;
        int number;
    };
    const std::vector<Case> cases = {
        {dir.filePath("missing/Faults.scn"), 76},
        {dir.filePath("Faults.scn"), 75},
    };
    for (const Case& c : cases) {
        try {
            reports::writeReport(c.path, {"x"});
            ADD_FAILURE() << s(c.path) << " was written";
        } catch (const VbError& e) {
            EXPECT_EQ(e.number, c.number) << s(c.path) << ": " << s(e.description);
        }
    }
}

}  // namespace

namespace {

// The faults list shipped beside the program describes every fault number exactly once.
TEST(FaultsList, DescribesEachFaultOnce) {
    QFile f(findDataFile("faults.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << s(f.fileName());
    const QByteArray bytes = f.readAll();
    for (char c : bytes) EXPECT_TRUE(c == '\n' || (c >= 32 && c < 127)) << "plain text only";
    std::map<int, int> entries;
    const QRegularExpression entry("^(\\d+) - \\S", QRegularExpression::MultilineOption);
    for (auto it = entry.globalMatch(QString::fromLatin1(bytes)); it.hasNext();) ++entries[it.next().captured(1).toInt()];
    for (int n = 1; n <= 44; ++n) EXPECT_EQ(entries[n], 1) << "fault " << n;
    EXPECT_EQ(entries.size(), 44u);
}

// The list follows the faults' groups: faults that act alike stand under one heading, and
// each sensor's three faults come as the sensor itself, its wiring, then its connection at
// the ECU (the fault that leaves only the ECU pin without a signal).
TEST(FaultsList, GroupsFollowTheFaults) {
    QFile f(findDataFile("faults.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    std::map<int, int> section;   // fault -> number of the heading it stands under
    std::map<int, QString> text;  // fault -> its description
    std::map<int, int> position;  // fault -> order in the file
    int heading = 0, order = 0;
    const QRegularExpression entry("^(\\d+) - (.*)$");
    for (const QString& line : QString::fromLatin1(f.readAll()).split('\n')) {
        const QRegularExpressionMatch m = entry.match(line);
        if (m.hasMatch()) {
            const int n = m.captured(1).toInt();
            section[n] = heading;
            text[n] = m.captured(2);
            position[n] = ++order;
        } else if (const QString head = line.section(" (", 0, 0);
                   !line.isEmpty() && line.at(0).isLetter() && head == head.toUpper()) {  // a heading
            ++heading;
        }
    }
    const std::vector<std::vector<int>> groups = {
        {1, 7, 13}, {2, 8, 14}, {3, 9, 15}, {4, 10, 16}, {5, 11, 17}, {6, 12, 18},
        {19, 22, 25}, {20, 23, 26}, {21, 24, 27}, {28, 29}, {31, 32, 33, 34, 35, 36},
        {37, 38, 39, 40, 41, 42, 43, 44}};
    std::set<int> headings;
    for (const auto& g : groups) {
        for (int n : g) EXPECT_EQ(section[n], section[g.front()]) << "fault " << n << " beside " << g.front();
        EXPECT_TRUE(headings.insert(section[g.front()]).second) << "group of " << g.front() << " shares a heading";
    }
    for (int sensor = 1; sensor <= 6; ++sensor) {
        const int wiring = sensor + 6, pin = sensor + 12;
        EXPECT_LT(position[sensor], position[wiring]) << sensor;
        EXPECT_LT(position[wiring], position[pin]) << sensor;
        EXPECT_TRUE(text[sensor].contains("failed")) << s(text[sensor]);
        EXPECT_TRUE(text[wiring].contains("wiring")) << s(text[wiring]);
        EXPECT_TRUE(text[pin].contains("connection at the ECU")) << s(text[pin]);
        EXPECT_TRUE(text[pin].contains("none at the ECU pin")) << s(text[pin]);
    }
}

}  // namespace
