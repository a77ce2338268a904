// The Live screen in words: what a screen reader says of it holds what the screen shows.
#include "multiscope/screendescription.h"

#include <gtest/gtest.h>

namespace {

scope::ScreenView oneChannel() {
    scope::ScreenView v;
    v.perDivision = 2;
    v.unit = QStringLiteral("V");
    v.secondsPerDivision = 0.5e-3;
    v.trigger.mode = scope::TriggerMode::Normal;
    v.trigger.edge = scope::Edge::Falling;
    v.trigger.level = 1.25;
    v.status = scope::Status::Waiting;
    v.measurements = {QStringLiteral("Frequency 13.33 Hz"), QStringLiteral("Duty 40.0 %")};
    return v;
}

void expectHas(const QString& text, const char* part) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << "missing \"" << part << "\" in: " << text.toStdString();
}

TEST(ScreenDescription, OneChannelGivesItsScalesTriggerAndMeasurements) {
    const QString d = scope::describeScreen(oneChannel());
    expectHas(d, "2 V/div");
    expectHas(d, "500 µs/div");
    expectHas(d, "Normal");
    expectHas(d, "falling");
    expectHas(d, "1.25 V");
    expectHas(d, "Waiting for trigger");
    expectHas(d, "Frequency 13.33 Hz");
    expectHas(d, "Duty 40.0 %");
    EXPECT_FALSE(d.contains("Cursors")) << "cursors off";
}

TEST(ScreenDescription, FollowsWhatChanges) {
    scope::ScreenView v = oneChannel();
    const QString before = scope::describeScreen(v);
    v.status = scope::Status::Triggered;
    EXPECT_NE(scope::describeScreen(v), before);
    expectHas(scope::describeScreen(v), "Triggered");
    v.trigger.mode = scope::TriggerMode::Roll;
    const QString roll = scope::describeScreen(v);
    expectHas(roll, "Roll");
    EXPECT_FALSE(roll.contains("1.25 V")) << "a rolling screen has no trigger level";
    v.cursors.shown = true;
    expectHas(scope::describeScreen(v), "ΔT");
    v.message = QStringLiteral("No signal to measure on this point");
    expectHas(scope::describeScreen(v), "No signal to measure on this point");
}

TEST(ScreenDescription, SeveralChannelsEachWithItsPointScaleAndMeasurements) {
    scope::ScreenView v = oneChannel();
    v.triggerName = QStringLiteral("B");
    scope::ChannelView a;
    a.name = QStringLiteral("A");
    a.label = QStringLiteral("Engine speed (ECU picture, at the ECU pin)");
    a.perDivision = 5;
    a.measurements = {QStringLiteral("Frequency 800 Hz")};
    scope::ChannelView b;
    b.name = QStringLiteral("B");
    b.label = QStringLiteral("Injector (engine window, at the part)");
    b.unit = QStringLiteral("A");
    b.perDivision = 0.2;
    b.autoRange = true;
    b.measurements = {QStringLiteral("Maximum 1.20 A")};
    v.channels = {a, b};
    const QString d = scope::describeScreen(v);
    expectHas(d, "Engine speed (ECU picture, at the ECU pin)");
    expectHas(d, "5 V/div");
    expectHas(d, "Frequency 800 Hz");
    expectHas(d, "Injector (engine window, at the part)");
    expectHas(d, "200 mA/div");
    expectHas(d, "Maximum 1.20 A");
    expectHas(d, "channel B");
    // Each channel's measurements stand with that channel, not the other.
    EXPECT_LT(d.indexOf("Frequency 800 Hz"), d.indexOf("Injector"));
    EXPECT_GT(d.indexOf("Maximum 1.20 A"), d.indexOf("Injector"));
}

}  // namespace
