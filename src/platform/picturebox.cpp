#include "platform/picturebox.h"

#include <QJsonObject>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
constexpr double kTwoPi = 6.283185307179586;

QJsonArray rgbArray(const QColor& c) { return QJsonArray{c.red(), c.green(), c.blue()}; }
QJsonArray pointArray(QPointF p) { return QJsonArray{p.x(), p.y()}; }

// Angles outside one turn come back into [0, 2π).
double normalised(double a) {
    double r = std::fmod(a, kTwoPi);
    if (r < 0) r += kTwoPi;
    return r;
}
}  // namespace

QPointF UserScale::toPixels(double x, double y) const {
    return QPointF((x - left) * pixelWidth / width, (y - top) * pixelHeight / height);
}

QPointF UserScale::toUser(QPointF p) const {
    return QPointF(left + p.x() * width / pixelWidth, top + p.y() * height / pixelHeight);
}

double UserScale::radiusToPixels(double r) const { return std::abs(r * pixelWidth / width); }

QPointF ArcGeometry::startPoint() const {
    return centre + QPointF(radius * std::cos(start), -radius * std::sin(start));
}

QPointF ArcGeometry::endPoint() const {
    return centre + QPointF(radius * std::cos(end), -radius * std::sin(end));
}

ArcGeometry arcGeometry(QPointF centrePx, double radiusPx, double start, double end, bool hasAngles) {
    ArcGeometry g;
    g.centre = centrePx;
    g.radius = std::abs(radiusPx);
    if (!hasAngles) return g;
    // A negative angle (including -0) asks for the radius at that end too.
    g.radiusAtStart = std::signbit(start);
    g.radiusAtEnd = std::signbit(end);
    g.start = normalised(std::abs(start));
    g.end = normalised(std::abs(end));
    double span = g.end - g.start;
    if (span <= 0) span += kTwoPi;
    g.span = span;
    g.full = false;
    return g;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    sync();
}

void PictureBox::sync() const {
    const int w = std::max(1, width()), h = std::max(1, height());
    scale_.pixelWidth = w;
    scale_.pixelHeight = h;
    if (!userScale_) {
        const double unit = mode_ == ScaleMode::Twips ? 15.0 : 1.0;
        scale_.left = 0;
        scale_.top = 0;
        scale_.width = w * unit;
        scale_.height = h * unit;
    }
}

void PictureBox::setScale(double left, double top, double width, double height) {
    if (width == 0 || height == 0) return;  // a scale of no extent maps nothing
    userScale_ = true;
    scale_.left = left;
    scale_.top = top;
    scale_.width = width;
    scale_.height = height;
    sync();
}

void PictureBox::resetScale(ScaleMode mode) {
    userScale_ = false;
    mode_ = mode;
    sync();
}

void PictureBox::setDrawWidth(int pixels) { drawWidth_ = std::max(1, pixels); }

void PictureBox::setBackColor(const QColor& c) {
    back_ = c;
    cls();
}

void PictureBox::ensureBacking() {
    sync();
    const qreal dpr = devicePixelRatioF();
    const QSize want = QSize(std::max(1, width()), std::max(1, height())) * dpr;
    if (backing_.size() == want) return;
    if (fit_ && !picture_.isNull() && !backing_.isNull()) {
        // The picture follows the surface: draw it afresh at the new size.
        backing_ = QImage();
        fitted_ = QImage();
        backing_ = QImage(want, QImage::Format_ARGB32_Premultiplied);
        backing_.setDevicePixelRatio(dpr);
        cls();
        return;
    }
    // A larger surface keeps what is drawn and shows the back colour in the new part.
    QImage grown(want, QImage::Format_ARGB32_Premultiplied);
    grown.setDevicePixelRatio(dpr);
    grown.fill(back_);
    QPainter p(&grown);
    drawBackground(p);
    if (!backing_.isNull()) p.drawImage(QPointF(0, 0), backing_);
    p.end();
    backing_ = grown;
}

QRect PictureBox::pictureRect() const {
    if (picture_.isNull()) return QRect();
    if (!fit_) return QRect(QPoint(0, 0), picture_.size());
    const QSize area(std::max(1, width()), std::max(1, height()));
    QSize shown = picture_.size();
    if (shown.width() > area.width() || shown.height() > area.height())
        shown.scale(area, Qt::KeepAspectRatio);
    shown = shown.expandedTo(QSize(1, 1));
    return QRect(QPoint((area.width() - shown.width()) / 2, (area.height() - shown.height()) / 2), shown);
}

void PictureBox::setPictureFit(bool fit) {
    fit_ = fit;
    fitted_ = QImage();
    cls();
}

void PictureBox::drawBackground(QPainter& p) {
    if (picture_.isNull()) return;
    if (!fit_) {
        p.drawImage(QPointF(0, 0), picture_);
        return;
    }
    const QRect r = pictureRect();
    if (fitted_.size() != r.size())
        fitted_ = r.size() == picture_.size() ? picture_
                                              : picture_.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(r.topLeft(), fitted_);
}

void PictureBox::cls() {
    ensureBacking();
    backing_.fill(back_);
    QPainter p(&backing_);
    drawBackground(p);
    p.end();
    ops_.clear();
    dropped_ = 0;
    penX_ = 0;
    penY_ = 0;
    lastDirty_ = rect();
    update();
}

void PictureBox::paintFrame(const std::function<void(QPainter&, QSizeF)>& paint) {
    ensureBacking();
    QPainter p(&backing_);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    paint(p, QSizeF(std::max(1, width()), std::max(1, height())));
    p.end();
    ops_.clear();
    dropped_ = 0;
    penX_ = 0;
    penY_ = 0;
    DrawOp op;
    op.kind = QStringLiteral("frame");
    record(op);
    lastDirty_ = rect();
    update();
}

void PictureBox::paintOver(const std::function<QRect(QPainter&)>& paint) {
    ensureBacking();
    QPainter p(&backing_);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRect dirty = paint(p);
    p.end();
    lastDirty_ = dirty & rect();
    if (!lastDirty_.isEmpty()) update(lastDirty_);
}

void PictureBox::record(DrawOp op) {
    if (ops_.size() >= kMaxOps) {
        ops_.removeFirst();
        ++dropped_;
    }
    ops_.append(std::move(op));
}

void PictureBox::touched(const QRectF& pixels, int width) {
    const int margin = width / 2 + 2;
    const QRect r = pixels.normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin) & rect();
    lastDirty_ = r;
    if (!r.isEmpty()) update(r);
}

void PictureBox::lineTo(double x, double y) { lineTo(x, y, fore_); }

void PictureBox::lineTo(double x, double y, const QColor& color) { line(penX_, penY_, x, y, color); }

void PictureBox::line(double x1, double y1, double x2, double y2, const QColor& color) {
    ensureBacking();
    const QPointF a = scale_.toPixels(x1, y1), b = scale_.toPixels(x2, y2);
    QPainter p(&backing_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(color, drawWidth_, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.drawLine(a, b);
    p.end();
    penX_ = x2;
    penY_ = y2;
    DrawOp op;
    op.kind = "line";
    op.points = {QPointF(x1, y1), QPointF(x2, y2)};
    op.color = color;
    op.width = drawWidth_;
    record(std::move(op));
    touched(QRectF(a, b), drawWidth_);
}

void PictureBox::circle(double x, double y, double radius, const QColor& color) {
    ensureBacking();
    const ArcGeometry g = arcGeometry(scale_.toPixels(x, y), scale_.radiusToPixels(radius), 0, 0, false);
    QPainter p(&backing_);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(color, drawWidth_));
    if (fillStyle_ == FillStyle::Solid) p.setBrush(fill_);
    p.drawEllipse(g.centre, g.radius, g.radius);
    p.end();
    penX_ = x;
    penY_ = y;
    DrawOp op;
    op.kind = "circle";
    op.points = {QPointF(x, y)};
    op.radius = radius;
    op.color = color;
    op.width = drawWidth_;
    op.filled = fillStyle_ == FillStyle::Solid;
    record(std::move(op));
    touched(QRectF(g.centre.x() - g.radius, g.centre.y() - g.radius, 2 * g.radius, 2 * g.radius), drawWidth_);
}

void PictureBox::circle(double x, double y, double radius, const QColor& color, double start, double end) {
    ensureBacking();
    const ArcGeometry g = arcGeometry(scale_.toPixels(x, y), scale_.radiusToPixels(radius), start, end, true);
    const QRectF box(g.centre.x() - g.radius, g.centre.y() - g.radius, 2 * g.radius, 2 * g.radius);
    const double toDeg = 180.0 / 3.141592653589793;
    QPainterPath path;
    if (g.radiusAtStart) path.moveTo(g.centre), path.lineTo(g.startPoint());
    else path.moveTo(g.startPoint());
    path.arcTo(box, g.start * toDeg, g.span * toDeg);
    if (g.radiusAtEnd) path.lineTo(g.centre);
    const bool closed = g.sector();
    if (closed) path.closeSubpath();
    QPainter p(&backing_);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(color, drawWidth_));
    if (closed && fillStyle_ == FillStyle::Solid) p.fillPath(path, fill_);
    p.drawPath(path);
    p.end();
    penX_ = x;
    penY_ = y;
    DrawOp op;
    op.kind = closed ? "pie" : "arc";
    op.points = {QPointF(x, y)};
    op.radius = radius;
    op.start = start;
    op.end = end;
    op.color = color;
    op.width = drawWidth_;
    op.filled = closed && fillStyle_ == FillStyle::Solid;
    record(std::move(op));
    touched(box, drawWidth_);
}

void PictureBox::setPicture(const QImage& picture, const QString& source) {
    picture_ = picture;
    fitted_ = QImage();
    pictureSource_ = picture.isNull() ? QString() : source;
    cls();
}

void PictureBox::describe(QJsonObject& o) const {
    o.insert("scale", QJsonArray{scale_.left, scale_.top, scale_.width, scale_.height});
    o.insert("drawwidth", drawWidth_);
    o.insert("forecolor", rgbArray(fore_));
    o.insert("backcolor", rgbArray(back_));
    o.insert("fillcolor", rgbArray(fill_));
    o.insert("fillstyle", fillStyle_ == FillStyle::Solid ? "solid" : "transparent");
    o.insert("pen", pointArray(QPointF(penX_, penY_)));
    o.insert("picture", pictureSource_.isEmpty() && picture_.isNull() ? QJsonValue() : QJsonValue(pictureSource_));
    if (!picture_.isNull()) {
        const QRect r = pictureRect();
        o.insert("picturesize", QJsonArray{picture_.width(), picture_.height()});
        o.insert("shownrect", QJsonArray{r.x(), r.y(), r.width(), r.height()});
    }
    o.insert("size", QJsonArray{std::max(1, width()), std::max(1, height())});
    QJsonArray ops, ends;
    for (const DrawOp& op : ops_) {
        if (op.kind == QLatin1String("line")) ends.append(pointArray(op.points.value(1)));
        QJsonObject j{{"kind", op.kind}, {"color", rgbArray(op.color)}, {"width", op.width}};
        QJsonArray pts;
        for (QPointF p : op.points) pts.append(pointArray(p));
        j.insert("points", pts);
        if (op.kind != "line") {
            j.insert("radius", op.radius);
            j.insert("filled", op.filled);
        }
        if (op.kind == "arc" || op.kind == "pie") {
            j.insert("start", op.start);
            j.insert("end", op.end);
        }
        ops.append(j);
    }
    o.insert("ops", ops);
    o.insert("ends", ends);  // where each line ended: a trace point by point
    o.insert("opcount", ops_.size());
    o.insert("dropped", dropped_);
}

void PictureBox::setGuideLines(const QList<QLine>& lines, const QColor& color) {
    if (lines == guides_ && color == guideColor_) return;
    guides_ = lines;
    guideColor_ = color;
    update();
}

void PictureBox::paintEvent(QPaintEvent* e) {
    ensureBacking();
    QPainter p(this);
    const QRect r = e->rect();
    const qreal dpr = backing_.devicePixelRatio();
    p.drawImage(r, backing_, QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
    if (!guides_.isEmpty()) {
        p.save();
        p.setClipRect(r);
        p.setPen(QPen(guideColor_, 0));
        for (const QLine& l : guides_)
            if (QRect(l.p1(), l.p2()).normalized().adjusted(-1, -1, 1, 1).intersects(r)) p.drawLine(l);
        p.restore();
    }
    if (hasFocus()) {
        // Two pixels in the highlight colour over a pixel of the window's text colour, so that
        // the ring shows on a pale drawing and on a dark one. Not part of the drawing (which keeps
        // its own pixels for whoever reads them).
        p.setClipping(false);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1));
        p.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PictureBox::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

void PictureBox::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    sync();
    ensureBacking();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit doubleClicked();
    QWidget::mouseDoubleClickEvent(e);
}
