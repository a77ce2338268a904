// The history of captures (its limit, stepping, pausing) and the capture file (written, read
// back equal; damaged and foreign files refused with a message).
#include "multiscope/capturehistory.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace scope;

namespace {

Capture captureAt(double time) {
    Frame f;
    f.values = {time};
    return {time, {f}};
}
double timeOf(const Capture* c) { return c ? c->time : -1; }

}  // namespace

TEST(CaptureHistory, KeepsTheNewestHundredAndSteps) {
    CaptureHistory h;
    EXPECT_EQ(h.position(), -1);
    EXPECT_EQ(h.selected(), nullptr);
    EXPECT_FALSE(h.back());
    EXPECT_FALSE(h.last());

    for (int i = 0; i < 130; ++i) EXPECT_TRUE(h.add(captureAt(i)));
    ASSERT_EQ(h.size(), 100);
    EXPECT_EQ(timeOf(h.at(0)), 30);   // the 30 oldest went
    EXPECT_EQ(timeOf(h.at(99)), 129);
    EXPECT_EQ(h.at(100), nullptr);
    EXPECT_EQ(h.at(-1), nullptr);
    // The selection followed the newest.
    EXPECT_EQ(h.position(), 99);
    EXPECT_EQ(timeOf(h.selected()), 129);
    EXPECT_FALSE(h.forward());

    EXPECT_TRUE(h.back());
    EXPECT_TRUE(h.back());
    EXPECT_EQ(timeOf(h.selected()), 127);
    EXPECT_TRUE(h.first());
    EXPECT_EQ(timeOf(h.selected()), 30);
    EXPECT_FALSE(h.back());
    EXPECT_FALSE(h.first());
    EXPECT_TRUE(h.forward());
    EXPECT_EQ(timeOf(h.selected()), 31);
    EXPECT_TRUE(h.select(50));
    EXPECT_EQ(timeOf(h.selected()), 80);
    EXPECT_FALSE(h.select(100));
    EXPECT_FALSE(h.select(-1));
    EXPECT_EQ(h.position(), 50);

    // Stepped back, the selection stays on the capture it shows while new ones come in.
    h.add(captureAt(130));
    h.add(captureAt(131));
    EXPECT_EQ(h.position(), 48);
    EXPECT_EQ(timeOf(h.selected()), 80);
    // Once that one is dropped, the oldest kept is shown.
    h.first();
    h.add(captureAt(132));
    EXPECT_EQ(h.position(), 0);
    EXPECT_EQ(timeOf(h.selected()), 33);
    EXPECT_TRUE(h.last());
    EXPECT_EQ(timeOf(h.selected()), 132);
}

TEST(CaptureHistory, PausedTakesNothingAndLimitsShrink) {
    CaptureHistory h(5);
    for (int i = 0; i < 3; ++i) h.add(captureAt(i));
    h.back();
    h.setPaused(true);
    EXPECT_FALSE(h.add(captureAt(3)));
    EXPECT_EQ(h.size(), 3);
    EXPECT_EQ(timeOf(h.selected()), 1);
    h.setPaused(false);
    EXPECT_TRUE(h.add(captureAt(3)));
    EXPECT_EQ(h.size(), 4);

    h.setLimit(2);
    EXPECT_EQ(h.size(), 2);
    EXPECT_EQ(timeOf(h.at(0)), 2);
    EXPECT_EQ(timeOf(h.selected()), 2);  // its capture (1) went: the oldest kept
    h.setLimit(0);                        // never below one
    EXPECT_EQ(h.limit(), 1);
    EXPECT_EQ(timeOf(h.selected()), 3);
    h.clear();
    EXPECT_EQ(h.selected(), nullptr);
    EXPECT_EQ(h.position(), -1);
    h.add(captureAt(9));
    EXPECT_EQ(timeOf(h.selected()), 9);
}

namespace {

CaptureDocument sample() {
    CaptureDocument d;
    d.channels = {{"A", "ecu.speed.wire", "direct", "V", 2, -0.5, true},
                  {"B", "", "clamp", "A", 0.2, 0, false},
                  {"C", "starting.current", "x10", "V", 10, 1.25, true}};
    d.secondsPerDivision = 0.0005;
    d.triggerChannel = "C";
    d.trigger = {TriggerMode::Single, Edge::Falling, 1.0 / 3, 0.25};
    d.capture.time = 12.345678901234;
    Frame a;
    a.start = 12.3;
    a.dt = 1e-5;
    a.triggered = true;
    for (int k = 0; k < kFramePoints; ++k) {
        a.values.push_back(0.1 * k - 1.0 / 7);
        a.lows.push_back(a.values.back() - 1e-9);
        a.highs.push_back(a.values.back() + 1e300);
    }
    Frame c;  // a roll sweep part drawn, without peaks
    c.values = {-0.0, 5e-324, -123456.789};
    c.dt = 0.002;
    d.capture.frames = {a, Frame(), c};
    return d;
}

QByteArray edited(const QByteArray& bytes, const std::function<void(QJsonObject&)>& edit) {
    QJsonObject o = QJsonDocument::fromJson(bytes).object();
    edit(o);
    return QJsonDocument(o).toJson();
}

}  // namespace

TEST(CaptureFile, WrittenAndReadBackEqual) {
    const CaptureDocument d = sample();
    const QByteArray bytes = formatCaptureFile(d);
    const CaptureFileResult r = readCaptureFile(bytes);
    ASSERT_TRUE(r.document) << r.error.toStdString();
    EXPECT_TRUE(r.error.isEmpty());
    EXPECT_TRUE(*r.document == d);
    EXPECT_EQ(r.document->capture.frames[0].values[7], d.capture.frames[0].values[7]);
    EXPECT_EQ(r.document->channels[1].probe, "clamp");
    EXPECT_FALSE(r.document->channels[1].on);
    EXPECT_EQ(r.document->trigger.mode, TriggerMode::Single);
    // Written again, the same bytes.
    EXPECT_EQ(formatCaptureFile(*r.document), bytes);

    // The comparison sees a change anywhere.
    CaptureDocument other = d;
    other.capture.frames[2].values[2] += 1e-6;
    EXPECT_FALSE(other == d);
    other = d;
    other.channels[0].offset = 0;
    EXPECT_FALSE(other == d);
    other = d;
    other.trigger.edge = Edge::Rising;
    EXPECT_FALSE(other == d);
}

TEST(CaptureFile, DamagedAndForeignFilesAreRefusedWithAMessage) {
    const QByteArray good = formatCaptureFile(sample());
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* message;  // a part of the message
    } cases[] = {
        {"empty", "", "empty"},
        {"cut short", good.left(good.size() / 2), "not a capture file"},
        {"binary", QByteArray("\x00\xff\xfe{\x01", 5), "not a capture file"},
        {"another JSON", "{\"name\": \"x\"}", "not a capture file"},
        {"a list", "[1, 2, 3]", "not a capture file"},
        {"a newer version", edited(good, [](QJsonObject& o) { o["version"] = 2; }), "newer version"},
        {"version a text", edited(good, [](QJsonObject& o) { o["version"] = "1"; }), "\"version\""},
        {"no channels", edited(good, [](QJsonObject& o) { o["channels"] = QJsonArray(); }), "\"channels\""},
        {"five channels", edited(good, [](QJsonObject& o) {
             QJsonArray a = o["channels"].toArray();
             a.append(a[0]); a.append(a[0]);
             o["channels"] = a;
         }), "\"channels\""},
        {"a name twice", edited(good, [](QJsonObject& o) {
             QJsonArray a = o["channels"].toArray();
             QJsonObject c = a[1].toObject(); c["name"] = "A"; a[1] = c;
             o["channels"] = a;
         }), "Channel 2"},
        {"a sample a text", edited(good, [](QJsonObject& o) {
             QJsonArray a = o["channels"].toArray();
             QJsonObject c = a[0].toObject();
             QJsonArray v = c["values"].toArray(); v[3] = "x"; c["values"] = v; a[0] = c;
             o["channels"] = a;
         }), "sample 4"},
        {"too many samples", edited(good, [](QJsonObject& o) {
             QJsonArray a = o["channels"].toArray();
             QJsonObject c = a[0].toObject();
             QJsonArray v = c["values"].toArray(); v.append(1); c["values"] = v; a[0] = c;
             o["channels"] = a;
         }), "more than 501"},
        {"peaks not matching", edited(good, [](QJsonObject& o) {
             QJsonArray a = o["channels"].toArray();
             QJsonObject c = a[0].toObject();
             QJsonArray v = c["lows"].toArray(); v.removeLast(); c["lows"] = v; a[0] = c;
             o["channels"] = a;
         }), "\"lows\""},
        {"a channel a number", edited(good, [](QJsonObject& o) {
             QJsonArray a = o["channels"].toArray(); a[0] = 5; o["channels"] = a;
         }), "Channel 1"},
        {"scale zero", edited(good, [](QJsonObject& o) {
             QJsonArray a = o["channels"].toArray();
             QJsonObject c = a[2].toObject(); c["perDivision"] = 0; a[2] = c;
             o["channels"] = a;
         }), "\"perDivision\""},
        {"switched on by text", edited(good, [](QJsonObject& o) {
             QJsonArray a = o["channels"].toArray();
             QJsonObject c = a[0].toObject(); c["on"] = "yes"; a[0] = c;
             o["channels"] = a;
         }), "\"on\""},
        {"an unknown trigger mode", edited(good, [](QJsonObject& o) {
             QJsonObject t = o["trigger"].toObject(); t["mode"] = "Sometimes"; o["trigger"] = t;
         }), "\"mode\""},
        {"the trigger on no channel", edited(good, [](QJsonObject& o) {
             QJsonObject t = o["trigger"].toObject(); t["channel"] = "D"; o["trigger"] = t;
         }), "\"channel\""},
        {"no timebase", edited(good, [](QJsonObject& o) { o.remove("timebase"); }), "\"timebase\""},
        {"a huge number", edited(good, [](QJsonObject& o) { o["timebase"] = "HUGE"; }).replace("\"HUGE\"", "1e999"), "not a capture file"},
    };
    for (const Case& c : cases) {
        const CaptureFileResult r = readCaptureFile(c.bytes);
        EXPECT_FALSE(r.document) << c.what;
        EXPECT_TRUE(r.error.contains(QLatin1String(c.message))) << c.what << ": " << r.error.toStdString();
    }
    // Every shorter start of a good file is refused, none crashes.
    for (qsizetype n = 0; n < good.size(); n += 97) EXPECT_FALSE(readCaptureFile(good.left(n)).document) << n;
}
