#include "platform/vbtypes.h"
#include "platform/numbers.h"

#include <QCoreApplication>

#include <cmath>

void raiseOverflow() { raiseError(6, QCoreApplication::translate("Platform", "Overflow")); }

long long roundToEven(double x) {
    if (!(x > -9.2e18 && x < 9.2e18)) raiseOverflow();  // also catches NaN
    return vb::roundHalfEven(x);
}

Figure Figure::fromText(const QString& text) {
    bool ok = false;
    const double v = vb::val(text, &ok);
    Figure f;
    if (ok && inRange(v)) {
        f.kind_ = Text;
        f.text_ = text;
        f.num_ = v;
    } else {
        // Empty or non-numeric stored text, or a figure no read-out can show, counts as 0.
        f.kind_ = Number;
        f.num_ = 0;
    }
    return f;
}

bool Figure::inRange(double v) { return std::isfinite(v) && std::abs(v) <= kLimit; }

QString Figure::toText() const {
    switch (kind_) {
    case Empty: return QString();
    case Text: return text_;
    case Number: break;
    }
    return vb::str(num_);
}
