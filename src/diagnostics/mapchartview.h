// The three-dimensional drawing of a map chart. The 3D graph renders into an image that this
// widget paints, so the chart is part of the window like any other control (a window
// screenshot includes it); dragging with the mouse turns the chart, the wheel zooms.
//
// A 3D graph needs OpenGL: create a MapChartView only when openGLAvailable() says so.
#pragma once

#include "diagnostics/mapchart.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

class Q3DBars;
class Q3DSurface;
class QAbstract3DGraph;

// Whether the platform can draw 3D charts: not on the offscreen or minimal platform, and
// only where an OpenGL context can be created and made current. Asked once per run.
bool openGLAvailable();

class MapChartView : public QWidget {
    Q_OBJECT
public:
    explicit MapChartView(QWidget* parent = nullptr);
    ~MapChartView() override;

    // Draws the chart's values, type, labels and highlighted cell.
    void draw(const MapChart& chart);
    // The chart as it is drawn now, at the widget's size.
    QImage image();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    QAbstract3DGraph* graph() const;
    void buildBars();
    void buildSurface();
    void placeCamera();
    void render();

    MapChart chart_;
    Q3DBars* bars_ = nullptr;
    Q3DSurface* surface_ = nullptr;
    QImage image_;
    bool dirty_ = true;
    QPoint dragFrom_;
    float rotationX_ = -38;
    float rotationY_ = 24;
    float zoom_ = 100;
};
