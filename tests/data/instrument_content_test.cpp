// The instrument's data files beside the program: every connection point on the three circuit
// windows has its waveform, picture and text; the waveforms are in the editor's quoted form;
// the fault waveforms are there and stand apart from the healthy readings they replace.
// The points are found on the windows themselves, so a point added to a window without its
// files fails here.
#include "testing.h"

#include "platform/form.h"
#include "platform/services.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace {

const char* const kCircuitWindows[] = {"FRMsimulation", "frmStarting", "frmCharging"};

// The connection points (draggable labels) of each circuit window, by caption.
std::map<QString, std::set<QString>> pointsByWindow() {
    std::map<QString, std::set<QString>> points;
    for (const char* window : kCircuitWindows) {
        Form* form = Forms::get(window);
        if (!form) continue;
        for (const DragLabel* label : form->findChildren<DragLabel*>()) points[window].insert(label->text());
    }
    return points;
}

std::vector<QString> captions() {
    std::set<QString> all;
    for (const auto& [window, points] : pointsByWindow()) all.insert(points.begin(), points.end());
    return {all.begin(), all.end()};
}

QString dataPath(const QString& name) { return QDir(appFolder()).filePath(name); }

// A waveform file in the editor's form: exactly 51 lines, each one field in double quotes
// followed by CR LF; the first is the meter text, the other 50 whole numbers from -99 to 99.
struct Waveform {
    QString meter;
    std::vector<int> samples;
    QString problem;  // empty when the file is in that form

    double mean() const {
        double sum = 0;
        for (int s : samples) sum += s;
        return samples.empty() ? 0 : sum / samples.size();
    }
    int lowest() const { return *std::min_element(samples.begin(), samples.end()); }
    int highest() const { return *std::max_element(samples.begin(), samples.end()); }
};

Waveform readWaveform(const QString& name) {
    Waveform w;
    QFile f(dataPath(name));
    if (!f.open(QIODevice::ReadOnly)) {
        w.problem = "cannot be opened";
        return w;
    }
    const QByteArray bytes = f.readAll();
    if (!bytes.endsWith("\r\n")) {
        w.problem = "does not end with CR LF";
        return w;
    }
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();  // after the final line end
    if (lines.size() != 51) {
        w.problem = QString("has %1 lines, not 51").arg(lines.size());
        return w;
    }
    static const QRegularExpression whole("^-?[0-9]+$");
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (!line.endsWith('\r') || line.count('\r') != 1) {
            w.problem = QString("line %1 does not end with CR LF").arg(i + 1);
            return w;
        }
        const QByteArray field = line.chopped(1);
        if (field.size() < 2 || !field.startsWith('"') || !field.endsWith('"') || field.count('"') != 2) {
            w.problem = QString("line %1 is not one quoted field").arg(i + 1);
            return w;
        }
        const QString text = QString::fromLatin1(field.mid(1, field.size() - 2));
        if (i == 0) {
            w.meter = text;
            continue;
        }
        const int value = text.toInt();
        if (!whole.match(text).hasMatch() || value < -99 || value > 99) {
            w.problem = QString("sample %1 is \"%2\", not a whole number from -99 to 99").arg(i).arg(text);
            return w;
        }
        w.samples.push_back(value);
    }
    return w;
}

// How far apart two traces lie on the screen: the mean distance between their samples.
double separation(const Waveform& a, const Waveform& b) {
    double sum = 0;
    for (size_t i = 0; i < a.samples.size(); ++i) sum += std::abs(a.samples[i] - b.samples[i]);
    return sum / a.samples.size();
}

// A fifth of a vertical division of the scope at its default controls (a division is 33
// sample units): a trace shifted by this much or more is plainly another trace.
constexpr double kVisibly = 6.5;

const char* const kFaultWaveforms[] = {"Blank", "Low lambda", "High lambda", "8V", "12V", "13V", "16V", "0V", "1"};

TEST(ConnectionPoints, EveryCircuitWindowCarriesSome) {
    const auto points = pointsByWindow();
    for (const char* window : kCircuitWindows) {
        SCOPED_TRACE(window);
        ASSERT_TRUE(points.count(window));
        EXPECT_FALSE(points.at(window).empty());
        for (const QString& caption : points.at(window)) EXPECT_FALSE(caption.trimmed().isEmpty());
    }
}

TEST(ConnectionPoints, EachCaptionHasItsWaveformPictureAndText) {
    for (const QString& caption : captions()) {
        for (const char* extension : {".msf", ".jpg", ".txt"}) {
            const QString name = caption + extension;
            EXPECT_TRUE(QFile::exists(dataPath(name))) << name.toStdString() << " is missing";
        }
    }
}

TEST(Waveforms, PointsAndFaultsAreInTheEditorsQuotedForm) {
    std::vector<QString> names = captions();
    for (const char* fault : kFaultWaveforms) names.push_back(fault);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const Waveform w = readWaveform(name + ".msf");
        EXPECT_TRUE(w.problem.isEmpty()) << name.toStdString() << ".msf " << w.problem.toStdString();
        EXPECT_TRUE(w.meter.startsWith("  ")) << "the meter text starts with two spaces: \"" << w.meter.toStdString() << "\"";
    }
}

TEST(Waveforms, EveryPointShowsAReadingAndATraceUnlikeNoSignal) {
    const Waveform blank = readWaveform("Blank.msf");
    ASSERT_TRUE(blank.problem.isEmpty());
    for (const QString& caption : captions()) {
        SCOPED_TRACE(caption.toStdString());
        const Waveform w = readWaveform(caption + ".msf");
        ASSERT_TRUE(w.problem.isEmpty()) << w.problem.toStdString();
        EXPECT_TRUE(w.meter.contains(QRegularExpression("[0-9]"))) << "meter text \"" << w.meter.toStdString() << "\"";
        EXPECT_GE(separation(w, blank), kVisibly);
    }
}

TEST(Pictures, LoadAndAreAtLeast480By360) {
    for (const QString& caption : captions()) {
        SCOPED_TRACE(caption.toStdString());
        const QImage picture(dataPath(caption + ".jpg"));
        ASSERT_FALSE(picture.isNull()) << "the picture does not load";
        EXPECT_GE(picture.width(), 480);
        EXPECT_GE(picture.height(), 360);
    }
}

TEST(Texts, AreShortPlainTextsThatKeepTheFaultNumbersSecret) {
    // "fault 12", "faults 3 and 4", "box 7", "No. 22", "#30": anything that names a fault
    // by its number.
    static const QRegularExpression faultNumber("\\b(faults?|box(es)?|no\\.?|numbers?|chkFault)\\s*[#(]?\\s*[0-9]+|#\\s*[0-9]+",
                                                QRegularExpression::CaseInsensitiveOption);
    for (const QString& caption : captions()) {
        SCOPED_TRACE(caption.toStdString());
        QFile f(dataPath(caption + ".txt"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        for (const char c : bytes) {
            const bool plain = (c >= 32 && c < 127) || c == '\n' || c == '\r' || c == '\t';
            ASSERT_TRUE(plain) << "byte " << int(static_cast<unsigned char>(c)) << " is not plain text";
        }
        const QString text = QString::fromLatin1(bytes);
        const int words = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size();
        EXPECT_GE(words, 100);
        EXPECT_LE(words, 250);
        const auto match = faultNumber.match(text);
        EXPECT_FALSE(match.hasMatch()) << "names a fault number: \"" << match.captured().toStdString() << "\"";
    }
}

TEST(FaultWaveforms, BlankIsAFlatZeroLineWithNothingMeasured) {
    const Waveform blank = readWaveform("Blank.msf");
    ASSERT_TRUE(blank.problem.isEmpty()) << blank.problem.toStdString();
    EXPECT_EQ(blank.lowest(), 0);
    EXPECT_EQ(blank.highest(), 0);
    EXPECT_FALSE(blank.meter.contains(QRegularExpression("[0-9]"))) << blank.meter.toStdString();
}

TEST(FaultWaveforms, VoltageLevelsAreFlatAndShareTheSystemVoltageScale) {
    // 0 V, 8 V, 12 V, 13 V and 16 V: each a flat line whose meter reads its own voltage, all
    // on one straight volts scale, with a healthy charging voltage (about 14 V) between 13
    // and 16.
    const int volts[] = {0, 8, 12, 13, 16};
    std::map<int, double> level;
    for (int v : volts) {
        SCOPED_TRACE(v);
        const Waveform w = readWaveform(QString("%1V.msf").arg(v));
        ASSERT_TRUE(w.problem.isEmpty()) << w.problem.toStdString();
        EXPECT_EQ(w.lowest(), w.highest()) << "a flat line";
        EXPECT_NEAR(QString(w.meter).remove(QRegularExpression("[^0-9.]")).toDouble(), v, 0.05) << w.meter.toStdString();
        level[v] = w.mean();
    }
    const double perVolt = (level[16] - level[0]) / 16;
    EXPECT_GT(perVolt, 0);
    for (int v : volts) EXPECT_NEAR(level[v], level[0] + v * perVolt, 1.0) << v << " V off the scale of 0 V and 16 V";
    for (const char* charging : {"System voltage", "Charge warning light"}) {
        SCOPED_TRACE(charging);
        const Waveform w = readWaveform(QString(charging) + ".msf");
        ASSERT_TRUE(w.problem.isEmpty());
        EXPECT_GT(w.mean(), level[13]);
        EXPECT_LT(w.mean(), level[16]);
    }
}

TEST(FaultWaveforms, StuckLambdaLevelsAreTheEndsOfTheHealthySwitching) {
    const Waveform healthy = readWaveform("Lambda.msf");
    const Waveform lean = readWaveform("Low lambda.msf");
    const Waveform rich = readWaveform("High lambda.msf");
    ASSERT_TRUE(healthy.problem.isEmpty() && lean.problem.isEmpty() && rich.problem.isEmpty());
    EXPECT_LT(lean.highest() - lean.lowest(), 10) << "a lean sensor stays low";
    EXPECT_LT(rich.highest() - rich.lowest(), 10) << "a rich sensor stays high";
    EXPECT_LE(healthy.lowest(), lean.mean() + 5) << "a healthy sensor reaches down to the lean level";
    EXPECT_GE(healthy.highest(), rich.mean() - 5) << "and up to the rich level";
}

TEST(FaultWaveforms, DifferVisiblyFromTheReadingTheyReplace) {
    // Where a fault shows its own waveform instead of the point's: each pair must look
    // different on the screen. (No signal, Blank, is checked against every point above.)
    const std::pair<const char*, const char*> replaced[] = {
        {"Low lambda", "Lambda"},     {"High lambda", "Lambda"},           {"12V", "System voltage"},
        {"13V", "System voltage"},    {"16V", "System voltage"},           {"0V", "Charge warning light"},
        {"13V", "Charge warning light"}, {"16V", "Charge warning light"},  {"8V", "Starter supply"},
        {"1", "Alternator earth"},
    };
    for (const auto& [fault, point] : replaced) {
        SCOPED_TRACE(std::string(fault) + " at " + point);
        const Waveform f = readWaveform(QString(fault) + ".msf");
        const Waveform h = readWaveform(QString(point) + ".msf");
        ASSERT_TRUE(f.problem.isEmpty() && h.problem.isEmpty());
        EXPECT_GE(separation(f, h), kVisibly);
        EXPECT_NE(f.meter, h.meter);
    }
}

}  // namespace
