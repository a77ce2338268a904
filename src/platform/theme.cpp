#include "platform/theme.h"

#include "platform/services.h"

#include <QPointer>

#include <algorithm>
#include <vector>
#include <cmath>

namespace theme {

namespace {

Theme makeStandard() {
    Theme t;
    t.kind = Kind::Standard;
    t.screenBack = QColor(236, 242, 232);
    t.grid = QColor(170, 180, 170);
    t.gridAxis = QColor(130, 140, 130);
    t.screenText = QColor(40, 40, 40);
    t.trace = QColor(128, 0, 0);  // palette colour 4
    t.channels[0] = QColor(128, 0, 0);
    t.channels[1] = QColor(0, 80, 200);
    t.channels[2] = QColor(0, 125, 40);
    t.channels[3] = QColor(165, 0, 165);
    t.cursor = QColor(0, 110, 60);
    t.cursorActive = QColor(0, 150, 80);
    return t;
}

// Black screen, white graticule and text, a yellow trace: the pairs a projector washes out
// least, each far above the contrast asked of text.
Theme makeProjector() {
    Theme t;
    t.kind = Kind::Projector;
    t.screenBack = QColor(0, 0, 0);
    t.grid = QColor(150, 150, 150);
    t.gridAxis = QColor(220, 220, 220);
    t.screenText = QColor(255, 255, 255);
    t.trace = QColor(255, 230, 0);
    t.channels[0] = QColor(255, 230, 0);
    t.channels[1] = QColor(0, 220, 255);
    t.channels[2] = QColor(90, 255, 90);
    t.channels[3] = QColor(255, 120, 255);
    t.cursor = QColor(255, 160, 0);
    t.cursorActive = QColor(255, 200, 80);
    t.gridWidth = 1.5;
    t.minTraceWidth = 3;
    t.screenTextScale = 1.35;
    t.panelPoints = 8.5;
    t.readoutPoints = 8;
    return t;
}

Kind g_current = Kind::Standard;

struct Listener {
    QPointer<QObject> context;
    std::function<void()> changed;
};
std::vector<Listener>& listeners() {
    static std::vector<Listener> l;
    return l;
}

double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) + 0.0722 * channel(rgb.blue());
}

}  // namespace

const Theme& standard() {
    static const Theme t = makeStandard();
    return t;
}

const Theme& projector() {
    static const Theme t = makeProjector();
    return t;
}

const Theme& of(Kind kind) { return kind == Kind::Projector ? projector() : standard(); }

const Theme& current() { return of(g_current); }

void setCurrent(Kind kind) {
    if (kind == g_current) return;
    g_current = kind;
    auto& all = listeners();
    all.erase(std::remove_if(all.begin(), all.end(), [](const Listener& l) { return l.context.isNull(); }), all.end());
    // A copy: a listener may add another.
    const std::vector<Listener> now = all;
    for (const Listener& l : now)
        if (l.context) l.changed();
}

void whenChanged(QObject* context, std::function<void()> changed) {
    listeners().push_back({QPointer<QObject>(context), std::move(changed)});
}

double traceWidth(const Theme& t, double focusWidth) { return std::max(focusWidth, t.minTraceWidth); }

QString settingText(Kind kind) {
    return kind == Kind::Projector ? QStringLiteral("Projector") : QStringLiteral("Standard");
}

bool fromSettingText(const QString& text, Kind* kind) {
    const QString t = text.trimmed();
    for (Kind k : {Kind::Standard, Kind::Projector}) {
        if (t.compare(settingText(k), Qt::CaseInsensitive) == 0) {
            *kind = k;
            return true;
        }
    }
    return false;
}

void loadFromSettings() {
    Kind k = Kind::Standard;
    if (!fromSettingText(GetSetting(kSection, kKey, QString()), &k)) k = Kind::Standard;
    setCurrent(k);
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace theme
