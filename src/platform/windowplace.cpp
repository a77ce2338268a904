#include "platform/windowplace.h"

#include <QStringList>

#include <cstdlib>

namespace windowplace {

QString text(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

std::optional<QRect> parse(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() != 4) return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || std::abs(v[i]) > 1000000) return std::nullopt;
    }
    if (v[2] < 1500 || v[3] < 1500) return std::nullopt;
    return QRect(v[0], v[1], v[2], v[3]);
}

QString key(const QString& formName) { return formName + QStringLiteral("_geometry"); }

}  // namespace windowplace
