// The one drawing surface of the program: a picture box with a user coordinate scale, a pen
// position, straight lines, circles, arcs and filled sectors, a background picture and
// drawing that persists in a backing image (covering or repainting the window loses
// nothing). A drawing operation repaints only the pixels it touched.
#pragma once

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QLine>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <functional>

// A user coordinate scale over a surface of pixels: (left, top) is the user point at the
// top-left pixel corner, width and height span the whole surface (a negative height makes
// y grow upwards).
struct UserScale {
    double left = 0, top = 0, width = 1, height = 1;
    // Pixel size of the surface the scale spans.
    int pixelWidth = 1, pixelHeight = 1;

    QPointF toPixels(double x, double y) const;
    QPointF toUser(QPointF pixel) const;
    // A horizontal distance in user units as pixels (a circle's radius).
    double radiusToPixels(double r) const;
};

// Twips (15 to a pixel) or pixels: the two built-in scales a picture box resets to.
enum class ScaleMode { Twips, Pixels };

// The geometry of a circle, an arc or a sector, in pixels. Angles are in radians,
// counter-clockwise from the positive x axis as the user sees it; an angle below zero
// (or -0.0) draws the radius to that end of the arc as well, so two negative angles give a
// sector. Zero for both angles is a full circle.
struct ArcGeometry {
    QPointF centre;
    double radius = 0;
    double start = 0, end = 0;  // absolute angles, radians
    double span = 0;            // counter-clockwise sweep from start to end, radians (0, 2π]
    bool full = true;
    bool radiusAtStart = false, radiusAtEnd = false;
    QPointF startPoint() const;  // pixels
    QPointF endPoint() const;
    bool sector() const { return radiusAtStart && radiusAtEnd; }
};
ArcGeometry arcGeometry(QPointF centrePx, double radiusPx, double start, double end, bool hasAngles);

// One recorded drawing operation, in user units (for the script transcript and tests).
struct DrawOp {
    QString kind;             // "line", "circle", "arc", "pie", "frame"
    QList<QPointF> points;    // line: from, to; circle/arc/pie: centre
    double radius = 0;
    double start = 0, end = 0;
    QColor color;
    int width = 1;
    bool filled = false;
};

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Coordinate scale.
    void setScale(double left, double top, double width, double height);
    void resetScale(ScaleMode mode);
    const UserScale& scale() const { sync(); return scale_; }
    double scaleWidth() const { return scale().width; }
    double scaleHeight() const { return scale().height; }

    // Pen and colours.
    double currentX() const { return penX_; }
    double currentY() const { return penY_; }
    void setCurrentX(double x) { penX_ = x; }
    void setCurrentY(double y) { penY_ = y; }
    void setDrawWidth(int pixels);
    void setForeColor(const QColor& c) { fore_ = c; }
    QColor foreColor() const { return fore_; }
    void setBackColor(const QColor& c);
    QColor backColor() const { return back_; }
    enum class FillStyle { Solid, Transparent };
    void setFillStyle(FillStyle s) { fillStyle_ = s; }
    void setFillColor(const QColor& c) { fill_ = c; }

    // Clears the drawing to the back colour and the background picture; the pen returns to
    // the scale's origin (0, 0).
    void cls();
    // A straight line from the pen to (x, y) in the fore colour (or the one given); (x, y)
    // becomes the pen position.
    void lineTo(double x, double y);
    void lineTo(double x, double y, const QColor& color);
    void line(double x1, double y1, double x2, double y2, const QColor& color);
    // A circle, arc or sector (see ArcGeometry); with the solid fill style a closed figure is
    // filled with the fill colour. The centre becomes the pen position.
    void circle(double x, double y, double radius, const QColor& color);
    void circle(double x, double y, double radius, const QColor& color, double start, double end);

    // Paints the whole surface afresh, in pixels and antialiased, in place of what was drawn
    // (the pen returns to the origin); recorded as one operation "frame". `paint` covers every
    // pixel: nothing is cleared for it.
    void paintFrame(const std::function<void(QPainter&, QSizeF)>& paint);
    // Paints over what is drawn, in pixels and antialiased, repainting only the pixels `paint`
    // says it touched.
    void paintOver(const std::function<QRect(QPainter&)>& paint);

    // The background picture, drawn at the top left under the drawing; a null image removes
    // it. `source` names the file it came from (for the transcript).
    void setPicture(const QImage& picture, const QString& source = QString());
    const QImage& picture() const { return picture_; }
    // With fitting on, a picture larger than the surface is scaled down to fit it, its
    // proportions kept, and follows the surface when it is resized (a resize then redraws
    // the picture and drops other drawing); a smaller one is shown at its own size. Either
    // way it is centred.
    void setPictureFit(bool fit);
    // Where the picture stands on the surface, pixels (empty without a picture).
    QRect pictureRect() const;
    QString pictureSource() const { return pictureSource_; }

    // Fixed lines over the drawing (a graticule), in pixels: not part of the drawing, so a
    // clear leaves them, and drawn as the surface is painted.
    void setGuideLines(const QList<QLine>& lines, const QColor& color);

    // What the surface holds: the drawing and picture as rendered.
    const QImage& image() const {
        const_cast<PictureBox*>(this)->ensureBacking();
        return backing_;
    }
    // Operations since the last clear (the oldest are dropped past kMaxOps).
    static constexpr int kMaxOps = 4000;
    const QList<DrawOp>& operations() const { return ops_; }
    int droppedOperations() const { return dropped_; }
    // Scale, width, colours and operations as JSON (user units).
    void describe(class QJsonObject& out) const;

    // Region repainted by the last drawing operation, in pixels (tests).
    QRect lastDirty() const { return lastDirty_; }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    // A surface that has the keyboard's focus shows it with a ring inside its edge.
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void ensureBacking();
    void record(DrawOp op);
    void touched(const QRectF& pixels, int width);
    void drawBackground(class QPainter& p);
    // Brings the scale's pixel size up to the widget's (a hidden widget gets its resize
    // event only when shown).
    void sync() const;

    mutable UserScale scale_;
    bool userScale_ = false;
    ScaleMode mode_ = ScaleMode::Twips;
    double penX_ = 0, penY_ = 0;
    int drawWidth_ = 1;
    QColor fore_ = Qt::black, back_ = QColor(255, 255, 255), fill_ = Qt::black;
    FillStyle fillStyle_ = FillStyle::Transparent;
    QImage backing_;
    QImage picture_;
    QString pictureSource_;
    bool fit_ = false;
    QImage fitted_;  // the picture at the size it is shown with fitting on
    QList<DrawOp> ops_;
    QList<QLine> guides_;
    QColor guideColor_;
    int dropped_ = 0;
    QRect lastDirty_;
};
