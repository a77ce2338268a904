#include "platform/programstyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>

namespace {

// Two chevrons pointing right (the bar runs across) or down (the bar runs down), in the
// palette's text colour, at whatever size the button asks for.
class OverflowArrowEngine : public QIconEngine {
public:
    explicit OverflowArrowEngine(bool across) : across_(across) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QApplication::palette();
        const QColor colour = mode == QIcon::Disabled
                                  ? palette.color(QPalette::Disabled, QPalette::ButtonText)
                                  : palette.color(QPalette::Active, QPalette::ButtonText);
        const qreal side = std::min(rect.width(), rect.height());
        if (side < 4) return;
        const QRectF box(rect.center().x() - side / 2.0 + 0.5, rect.center().y() - side / 2.0 + 0.5, side, side);
        QPainterPath path;
        for (const qreal offset : {0.22, 0.52}) {
            // One chevron, drawn for a bar running across and turned for one running down.
            const QPointF a(offset, 0.25), b(offset + 0.22, 0.5), c(offset, 0.75);
            auto at = [&](QPointF p) {
                if (!across_) p = QPointF(p.y(), p.x());
                return QPointF(box.left() + p.x() * side, box.top() + p.y() * side);
            };
            path.moveTo(at(a));
            path.lineTo(at(b));
            path.lineTo(at(c));
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(colour, std::max<qreal>(1.2, side / 10.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(path);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new OverflowArrowEngine(across_); }
    QString key() const override { return QStringLiteral("VantorelOverflowArrow"); }

private:
    bool across_;
};

class ProgramStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton) return QIcon(new OverflowArrowEngine(true));
        if (which == SP_ToolBarVerticalExtensionButton) return QIcon(new OverflowArrowEngine(false));
        return QProxyStyle::standardIcon(which, option, widget);
    }

    // Scroll bars and sliders that set a value show that they have the keyboard's focus with a
    // ring around them (the platform's style draws none for a scroll bar).
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* p,
                            const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, p, widget);
        if ((control != CC_ScrollBar && control != CC_Slider) || !(option->state & State_HasFocus)) return;
        p->save();
        p->setBrush(Qt::NoBrush);
        p->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
        p->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
        p->restore();
    }
};

}  // namespace

QStyle* createProgramStyle() {
    // Over the style the application would use: the platform's, or the one the user chose
    // (-style, QT_STYLE_OVERRIDE).
    return new ProgramStyle(QApplication::style()->name());
}

void installProgramStyle() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QApplication::setStyle(createProgramStyle());
}
