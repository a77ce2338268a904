#include "mapchartview.h"

#include "platform/guard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPainter>
#include <QtDataVisualization>
#include <cmath>
#include <memory>

namespace {

const QColor kHighlightColour(225, 30, 30);

// Labels at the cell centres of an axis that runs from -0.5 to n - 0.5, with grid lines on
// the cell borders, so that blocks and bars stand between the lines over their labels.
class CellAxisFormatter : public QValue3DAxisFormatter {
public:
    explicit CellAxisFormatter(const QStringList& labels = {}) : labels_(labels) {}
    void setLabels(const QStringList& labels) {
        labels_ = labels;
        markDirty(true);
    }

protected:
    QValue3DAxisFormatter* createNewInstance() const override { return new CellAxisFormatter; }
    void populateCopy(QValue3DAxisFormatter& copy) const override {
        QValue3DAxisFormatter::populateCopy(copy);
        static_cast<CellAxisFormatter&>(copy).labels_ = labels_;
    }
    void recalculate() override {
        gridPositions().clear();
        subGridPositions().clear();
        labelPositions().clear();
        labelStrings().clear();
        const int n = labels_.size();
        if (n == 0) return;
        for (int i = 0; i <= n; ++i) gridPositions() << float(i) / n;
        for (int i = 0; i < n; ++i) {
            labelPositions() << (i + 0.5f) / n;
            labelStrings() << labels_[i];
        }
    }

private:
    QStringList labels_;
};

QStringList columnLabels() {
    QStringList l;
    for (int c = 0; c < MapChart::kColumns; ++c) l << MapChart::columnLabel(c);
    return l;
}

QStringList rowLabels(const MapChart& chart) {
    QStringList l;
    for (int r = 0; r < MapChart::kRows; ++r) l << chart.rowLabel(r);
    return l;
}

void styleTheme(Q3DTheme* theme) {
    theme->setType(Q3DTheme::ThemeQt);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(34);
    theme->setFont(f);
    theme->setBackgroundColor(QColor(246, 246, 250));
    theme->setWindowColor(QColor(255, 255, 255));
    theme->setLabelBackgroundColor(QColor(255, 255, 255, 230));
    theme->setLabelTextColor(QColor(20, 20, 40));
    theme->setGridLineColor(QColor(170, 170, 185));
    theme->setSingleHighlightColor(kHighlightColour);
    theme->setAmbientLightStrength(0.45f);
    theme->setLabelBorderEnabled(true);
    theme->setColorStyle(Q3DTheme::ColorStyleRangeGradient);
}

QLinearGradient heightGradient() {
    QLinearGradient g(0, 0, 1, 100);
    g.setColorAt(0.0, QColor(40, 90, 170));
    g.setColorAt(0.5, QColor(80, 170, 110));
    g.setColorAt(1.0, QColor(235, 190, 60));
    return g;
}

// The value axis: from 0 (or below the lowest value when it is negative) to the first round
// step at or above the highest value, in at most eight steps of 1, 2 or 5 times a power of ten.
void setValueRange(QValue3DAxis* axis, const MapChart& chart) {
    const double low = qMin(0.0, chart.minimum());
    const double high = qMax(chart.maximum(), low + 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10((high - low) / 8)));
    static const double kFactors[3] = {1, 2, 5};
    double step = magnitude;
    for (int i = 0; i < 30; ++i) {
        step = magnitude * std::pow(10.0, i / 3) * kFactors[i % 3];
        if (std::ceil(high / step) - std::floor(low / step) <= 8) break;
    }
    const double bottom = std::floor(low / step) * step, top = std::ceil(high / step) * step;
    axis->setRange(float(bottom), float(top));
    axis->setSegmentCount(qBound(1, int(std::lround((top - bottom) / step)), 8));
    axis->setSubSegmentCount(1);
    // Whole numbers plainly, fractions (a value shown at the marked cell) as they are.
    axis->setLabelFormat(QStringLiteral("%.4g"));
}

// The cell in use: a red patch just above the chart's surface over that cell.
QSurface3DSeries* highlightPatch(const MapChart& chart, QValue3DAxis* valueAxis) {
    const int r = chart.highlightRow(), c = chart.highlightColumn();
    const float lift = (valueAxis->max() - valueAxis->min()) * 0.015f;
    const float y = float(chart.value(r, c)) + lift;
    auto* data = new QSurfaceDataArray;
    for (float z : {r - 0.32f, r + 0.32f}) {
        auto* row = new QSurfaceDataRow;
        *row << QSurfaceDataItem(QVector3D(c - 0.32f, y, z)) << QSurfaceDataItem(QVector3D(c + 0.32f, y, z));
        data->append(row);
    }
    auto* s = new QSurface3DSeries;
    s->dataProxy()->resetArray(data);
    s->setDrawMode(QSurface3DSeries::DrawSurface);
    s->setFlatShadingEnabled(true);
    s->setColorStyle(Q3DTheme::ColorStyleUniform);
    s->setBaseColor(kHighlightColour);
    s->setName(MapChartView::tr("In use"));
    return s;
}

void titleAxis(QAbstract3DAxis* axis, const QString& title) {
    axis->setTitle(title);
    axis->setTitleVisible(true);
    axis->setTitleFixed(true);
}

}  // namespace

bool openGLAvailable() {
    static const bool available = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return false;
        QOffscreenSurface surface;
        surface.create();
        if (!surface.isValid()) return false;
        QOpenGLContext context;
        if (!context.create()) return false;
        const bool current = context.makeCurrent(&surface);
        if (current) context.doneCurrent();
        return current;
    }();
    return available;
}

MapChartView::MapChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    setCursor(Qt::OpenHandCursor);
    setToolTip(tr("Drag to turn the chart; the mouse wheel zooms."));
}

MapChartView::~MapChartView() {
    delete bars_;
    delete surface_;
}

QAbstract3DGraph* MapChartView::graph() const {
    if (chart_.chartType() == 0) return bars_;
    return surface_;
}

void MapChartView::draw(const MapChart& chart) {
    chart_ = chart;
    if (chart_.chartType() == 0) buildBars();
    else buildSurface();
    dirty_ = true;
    update();
}

void MapChartView::buildBars() {
    if (!bars_) {
        bars_ = new Q3DBars;
        styleTheme(bars_->activeTheme());
        bars_->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
        bars_->setSelectionMode(QAbstract3DGraph::SelectionItem);
        bars_->setBarThickness(1.0f);
        bars_->setBarSpacing(QSizeF(0.35, 0.35));
        auto* series = new QBar3DSeries;
        series->setMesh(QAbstract3DSeries::MeshBevelBar);
        series->setBaseGradient(heightGradient());
        series->setColorStyle(Q3DTheme::ColorStyleRangeGradient);
        series->setItemLabelFormat(QStringLiteral("@valueLabel"));
        series->setSingleHighlightColor(kHighlightColour);
        QLinearGradient red(0, 0, 1, 100);
        red.setColorAt(0, kHighlightColour);
        red.setColorAt(1, kHighlightColour.lighter(130));
        series->setSingleHighlightGradient(red);
        bars_->addSeries(series);
        bars_->setValueAxis(new QValue3DAxis);
        bars_->setRowAxis(new QCategory3DAxis);
        bars_->setColumnAxis(new QCategory3DAxis);
    }
    QBar3DSeries* series = bars_->seriesList().first();
    auto* data = new QBarDataArray;
    for (int r = 0; r < MapChart::kRows; ++r) {
        auto* row = new QBarDataRow(MapChart::kColumns);
        for (int c = 0; c < MapChart::kColumns; ++c) (*row)[c].setValue(float(chart_.value(r, c)));
        data->append(row);
    }
    series->dataProxy()->resetArray(data, rowLabels(chart_), columnLabels());
    bars_->rowAxis()->setLabels(rowLabels(chart_));
    bars_->columnAxis()->setLabels(columnLabels());
    titleAxis(bars_->rowAxis(), MapChart::rowTitle());
    titleAxis(bars_->columnAxis(), MapChart::columnTitle());
    titleAxis(bars_->valueAxis(), chart_.valueTitle());
    setValueRange(bars_->valueAxis(), chart_);
    series->setSelectedBar(chart_.hasHighlight() ? QPoint(chart_.highlightRow(), chart_.highlightColumn())
                                                 : QBar3DSeries::invalidSelectionPosition());
}

void MapChartView::buildSurface() {
    if (!surface_) {
        surface_ = new Q3DSurface;
        styleTheme(surface_->activeTheme());
        surface_->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
        surface_->setSelectionMode(QAbstract3DGraph::SelectionItem);
        auto* x = new QValue3DAxis;
        x->setFormatter(new CellAxisFormatter(columnLabels()));
        x->setRange(-0.5f, MapChart::kColumns - 0.5f);
        auto* z = new QValue3DAxis;
        z->setFormatter(new CellAxisFormatter);
        z->setRange(-0.5f, MapChart::kRows - 0.5f);
        surface_->setAxisX(x);
        surface_->setAxisZ(z);
        surface_->setAxisY(new QValue3DAxis);
        surface_->setHorizontalAspectRatio(1.0f);
    }
    static_cast<CellAxisFormatter*>(surface_->axisZ()->formatter())->setLabels(rowLabels(chart_));
    titleAxis(surface_->axisX(), MapChart::columnTitle());
    titleAxis(surface_->axisZ(), MapChart::rowTitle());
    titleAxis(surface_->axisY(), chart_.valueTitle());
    setValueRange(surface_->axisY(), chart_);
    for (QSurface3DSeries* s : surface_->seriesList()) {
        surface_->removeSeries(s);
        delete s;
    }

    auto addSeries = [this](QSurfaceDataArray* data, QSurface3DSeries::DrawFlags flags, bool flat) {
        auto* s = new QSurface3DSeries;
        s->dataProxy()->resetArray(data);
        s->setDrawMode(flags);
        s->setFlatShadingEnabled(flat);
        s->setBaseGradient(heightGradient());
        s->setColorStyle(Q3DTheme::ColorStyleRangeGradient);
        s->setWireframeColor(QColor(40, 40, 60));
        s->setItemLabelFormat(QStringLiteral("@yLabel"));
        surface_->addSeries(s);
        return s;
    };
    const int hr = chart_.highlightRow(), hc = chart_.highlightColumn();
    const bool lit = chart_.hasHighlight();

    if (chart_.chartType() == 2) {
        // Lines: one ribbon along each row, rising and falling with the values.
        for (int r = 0; r < MapChart::kRows; ++r) {
            auto* data = new QSurfaceDataArray;
            for (float z : {r - 0.15f, r + 0.15f}) {
                auto* row = new QSurfaceDataRow;
                for (int c = 0; c < MapChart::kColumns; ++c)
                    *row << QSurfaceDataItem(QVector3D(c, float(chart_.value(r, c)), z));
                data->append(row);
            }
            QSurface3DSeries* s = addSeries(data, QSurface3DSeries::DrawSurfaceAndWireframe, false);
            if (lit && r == hr) s->setSelectedPoint(QPoint(0, hc));
        }
    } else if (chart_.chartType() == 6) {
        // Steps: a flat top over each cell with upright walls between neighbours.
        constexpr float kWall = 0.02f;
        auto edges = [](int i, int n) {
            return std::pair<float, float>(i == 0 ? -0.5f : i - 0.5f + kWall, i == n - 1 ? n - 0.5f : i + 0.5f - kWall);
        };
        auto* data = new QSurfaceDataArray;
        for (int r = 0; r < MapChart::kRows; ++r) {
            const auto [z0, z1] = edges(r, MapChart::kRows);
            for (float z : {z0, z1}) {
                auto* row = new QSurfaceDataRow;
                for (int c = 0; c < MapChart::kColumns; ++c) {
                    const auto [x0, x1] = edges(c, MapChart::kColumns);
                    const float y = float(chart_.value(r, c));
                    *row << QSurfaceDataItem(QVector3D(x0, y, z)) << QSurfaceDataItem(QVector3D(x1, y, z));
                }
                data->append(row);
            }
        }
        QSurface3DSeries* s = addSeries(data, QSurface3DSeries::DrawSurfaceAndWireframe, true);
        if (lit) s->setSelectedPoint(QPoint(2 * hr, 2 * hc));
    } else {
        // Area: one smooth surface through the cell values.
        auto* data = new QSurfaceDataArray;
        for (int r = 0; r < MapChart::kRows; ++r) {
            auto* row = new QSurfaceDataRow;
            for (int c = 0; c < MapChart::kColumns; ++c)
                *row << QSurfaceDataItem(QVector3D(c, float(chart_.value(r, c)), r));
            data->append(row);
        }
        QSurface3DSeries* s = addSeries(data, QSurface3DSeries::DrawSurface, false);
        if (lit) s->setSelectedPoint(QPoint(hr, hc));
    }
    if (lit) surface_->addSeries(highlightPatch(chart_, surface_->axisY()));
}

void MapChartView::placeCamera() {
    QAbstract3DGraph* g = graph();
    if (!g) return;
    // The surface's axes stand further out than the bars': it is drawn a little smaller.
    const float zoom = g == surface_ ? zoom_ * 0.9f : zoom_;
    g->scene()->activeCamera()->setCameraPosition(rotationX_, rotationY_, zoom);
}

void MapChartView::render() {
    QAbstract3DGraph* g = graph();
    if (!g || width() < 10 || height() < 10) {
        image_ = QImage();
        return;
    }
    // Drawn at the screen's pixel density.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    g->resize(pixels);
    placeCamera();
    image_ = g->renderToImage(4, pixels);
    image_.setDevicePixelRatio(ratio);
    dirty_ = false;
}

QImage MapChartView::image() {
    if (dirty_ || image_.deviceIndependentSize().toSize() != size()) render();
    return image_;
}

void MapChartView::paintEvent(QPaintEvent*) {
    runGuarded([this] {
        QPainter p(this);
        const QImage img = image();
        if (img.isNull()) p.fillRect(rect(), QColor(246, 246, 250));
        else p.drawImage(rect(), img);
    });
}

void MapChartView::resizeEvent(QResizeEvent* e) {
    dirty_ = true;
    QWidget::resizeEvent(e);
}

void MapChartView::mousePressEvent(QMouseEvent* e) {
    runGuarded([&] { dragFrom_ = e->position().toPoint(); });
}

void MapChartView::mouseMoveEvent(QMouseEvent* e) {
    runGuarded([&] {
        if (!(e->buttons() & Qt::LeftButton)) return;
        const QPoint now = e->position().toPoint();
        const QPoint d = now - dragFrom_;
        dragFrom_ = now;
        rotationX_ += d.x() * 0.4f;
        rotationY_ = qBound(0.0f, rotationY_ + d.y() * 0.3f, 90.0f);
        dirty_ = true;
        update();
    });
}

void MapChartView::wheelEvent(QWheelEvent* e) {
    runGuarded([&] {
        zoom_ = qBound(40.0f, zoom_ + e->angleDelta().y() / 12.0f, 300.0f);
        dirty_ = true;
        update();
    });
}
