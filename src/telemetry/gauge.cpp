#include "gauge.h"

#include "sim/simstate.h"
#include "platform/form.h"
#include "platform/picturebox.h"

#include <QCoreApplication>

namespace telemetry {

const QVector<ChannelEntry>& channelEntries() {
    //: The two-digit number and the space in front of a channel stay: the gauge options read the
    //: channel from them and take the rest as the gauge's title.
    static const QVector<ChannelEntry> entries = {
        {QT_TRANSLATE_NOOP("telemetry::Channels", "00 Select Input Source..."), 0, 0},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "01 System Voltage"), 1, 20},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "02 Throttle Position"), 2, 2},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "03 Gear"), 3, 7},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "04 Knock"), 4, 2},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "05 Engine Speed"), 5, 7500},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "06 Engine Load"), 6, 100},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "07 Engine Temperature"), 7, 150},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "08 Road Speed"), 8, 300},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "09 Ignition Timing"), 9, 60},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "10 Injection Duration"), 10, 30},
        {QT_TRANSLATE_NOOP("telemetry::Channels", "11 Dwel Percentage"), 11, 60}};
    return entries;
}

QString shownEntry(const ChannelEntry& entry) {
    const QString shown = QCoreApplication::translate("telemetry::Channels", entry.text.toUtf8().constData());
    // A translation that lost the channel's number would assign the wrong channel.
    return shown.left(3) == entry.text.left(3) ? shown : entry.text;
}

int fullScaleOf(int channel) {
    for (const ChannelEntry& e : channelEntries())
        if (e.channel == channel) return e.fullScale;
    return 0;
}

}  // namespace telemetry

namespace {
// The bar background of the gauge GaugeIndex, in the window that holds the picture.
QWidget* barBackground(PictureBox* picture) {
    for (QWidget* w = picture; w; w = w->parentWidget())
        if (auto* form = qobject_cast<Form*>(w)) return form->findChild<QWidget*>(arrayName("shpBarBack", GaugeIndex));
    return nullptr;
}
}  // namespace

void DrawGauge(PictureBox* picture, const QString& style, Integer centreX, Integer centreY, float& fraction) {
    using telemetry::kGaugePi;
    const QColor black(0, 0, 0), red(255, 0, 0);
    picture->resetScale(ScaleMode::Pixels);
    if (style == QLatin1String("Bar")) {
        if (QWidget* back = barBackground(picture)) back->setVisible(true);
        picture->resetScale(ScaleMode::Twips);
        picture->setScale(0, 0, 150, 30);
        picture->setFillStyle(PictureBox::FillStyle::Solid);
        picture->setBackColor(QColor(192, 192, 255));
        picture->setDrawWidth(5);
        picture->setForeColor(red);
        picture->line(25, 15, telemetry::barEnd(fraction), 15, red);
        return;
    }
    if (QWidget* back = barBackground(picture)) back->setVisible(false);
    picture->setDrawWidth(1);
    fraction = 1 - fraction;
    const double cx = centreX, cy = centreY;
    // A negative angle draws the radius to that end: two of them make a sector.
    auto sector = [&](double radius, const QColor& outline, double from, double to) {
        picture->circle(cx, cy, radius, outline, -from, -to);
    };
    picture->setFillStyle(PictureBox::FillStyle::Solid);
    picture->setFillColor(QColor(192, 255, 255));
    sector(80, black, kGaugePi / 4 - 0.1, 3 * kGaugePi / 4 + 0.1);
    const double theta = kGaugePi / 4 + (kGaugePi / 2) * double(fraction);
    picture->setFillColor(red);
    sector(75, black, theta - 0.02, theta + 0.02);
    const QColor back = picture->backColor();
    picture->setFillColor(back);
    picture->setForeColor(back);
    sector(60, back, kGaugePi / 4 - 0.14, 3 * kGaugePi / 4 + 0.14);
    picture->setForeColor(black);
    picture->circle(cx, cy, 60, black, kGaugePi / 4 - 0.1, 3 * kGaugePi / 4 + 0.1);
}
