#include "frmmaps.h"

#include "diagnostics/mapchartview.h"
#include "engine/engine.h"
#include "platform/guard.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QMdiArea>
#include <QRadioButton>
#include <QVBoxLayout>

REGISTER_FORM(frmMaps)

namespace {

// Laid out in pixels of the inner area: the choices on the left, the chart filling the rest.
QRect px(int x, int y, int w, int h) { return T(x * 15, y * 15, w * 15, h * 15); }
constexpr int kPanelWidth = 190;
constexpr int kMargin = 8;

const char* const kStyleCaptions[4] = {QT_TRANSLATE_NOOP("frmMaps", "Bar Chart"), QT_TRANSLATE_NOOP("frmMaps", "Flat Lines"),
                                       QT_TRANSLATE_NOOP("frmMaps", "Smooth Blocks"),
                                       QT_TRANSLATE_NOOP("frmMaps", "Stepped Blocks")};
// The data maps in the order of the list.
const char* const kMapEntries[3] = {QT_TRANSLATE_NOOP("frmMaps", "Timing Map"), QT_TRANSLATE_NOOP("frmMaps", "Dwell Map"),
                                    QT_TRANSLATE_NOOP("frmMaps", "Injection Map")};
const int kStyleTypes[4] = {0, 2, 4, 6};

}  // namespace

frmMaps::frmMaps() {
    setCaption(tr("Maps"));

    Label1 = makeLabel(this, "Label1", tr("Choose which data map:"), px(kMargin, 10, kPanelWidth - kMargin, 18));
    cmbDataSelect = new QComboBox(this);
    cmbDataSelect->setObjectName("cmbDataSelect");
    Label1->setBuddy(cmbDataSelect);  // a screen reader names the list by its label
    for (const char* entry : kMapEntries) cmbDataSelect->addItem(tr(entry));
    cmbDataSelect->setCurrentIndex(0);
    cmbDataSelect->setGeometry(kMargin, 32, kPanelWidth - kMargin - 6, 26);
    Label2 = makeLabel(this, "Label2", tr("Choose a chart style:"), px(kMargin, 74, kPanelWidth - kMargin, 18));
    for (int i = 0; i < 4; ++i)
        Option1[i] = makeOption(this, arrayName("Option1", i), tr(kStyleCaptions[i]), px(kMargin + 4, 98 + i * 26, 170, 22));
    Option1[0]->setChecked(true);

    lblInUse_ = makeLabel(this, "lblInUse", "", px(kMargin, 214, kPanelWidth - kMargin - 6, 120));
    lblInUse_->setWordWrap(true);
    lblInUse_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    MSChart1 = new QWidget(this);
    MSChart1->setObjectName("MSChart1");
    auto* layout = new QVBoxLayout(MSChart1);
    layout->setContentsMargins(0, 0, 0, 0);
    if (openGLAvailable()) {
        view_ = new MapChartView(MSChart1);
        layout->addWidget(view_);
    } else {
        notice_ = new QLabel(
            tr("The three-dimensional chart cannot be drawn here, because OpenGL is not available on this "
               "display. The map's values are still read, and the engine-management window shows them in "
               "its lookup tables."),
            MSChart1);
        notice_->setObjectName("lblNoChart");
        notice_->setWordWrap(true);
        notice_->setAlignment(Qt::AlignCenter);
        notice_->setMargin(24);
        notice_->setFrameShape(QFrame::StyledPanel);
        layout->addWidget(notice_);
    }

    connect(cmbDataSelect, &QComboBox::activated, this, guarded([this] { cmbDataSelect_Click(); }));
    for (int i = 0; i < 4; ++i)
        connect(Option1[i], &QRadioButton::clicked, this, guarded([this, i] { Option1_Click(i); }));
}

void frmMaps::onLoad() {
    // Left 50, top 50, and 100 twips short of the main window's inner area each way.
    int width = 12000, height = 8000;
    if (QMdiArea* mdi = Forms::mdiArea()) {
        width = mdi->viewport()->width() * 15 - 100;
        height = mdi->viewport()->height() * 15 - 100;
    }
    setTwips(50, 50, qMax(width, 9000), qMax(height, 6000));
    try {
        chdirToAppFolder();
    } catch (const VbError&) {
        // The working folder stays as it is.
    }
    redraw();
    engine::followOperatingPoint(this, guarded([this] { followOperatingPoint(); }));
    followOperatingPoint();
}

void frmMaps::cmbDataSelect_Click() { redraw(); }

void frmMaps::Option1_Click(int) { redraw(); }

void frmMaps::redraw() {
    // Every step may fail on its own; the next one still runs.
    auto step = [](const auto& body) {
        try {
            body();
        } catch (const VbError&) {
        }
    };
    for (int i = 0; i < 4; ++i)
        step([&] {
            if (Option1[i]->isChecked()) chart_.setChartType(kStyleTypes[i]);
        });

    engine::loadManagementWindow();
    // The list's entries in the order of kMapEntries.
    const struct {
        engine::Map table;
        MapKind map;
    } maps[3] = {{engine::Map::Timing, MapKind::Timing},
                 {engine::Map::Dwell, MapKind::Dwell},
                 {engine::Map::Injection, MapKind::Injection}};
    for (int r = 1; r <= MapChart::kRows; ++r) {
        for (int c = 1; c <= MapChart::kColumns; ++c) {
            step([&] { chart_.setCurrentPoint(r, c); });
            for (int i = 0; i < 3; ++i) {
                const auto& m = maps[i];
                step([&] {
                    if (cmbDataSelect->currentIndex() != i) return;
                    chart_.setMap(m.map);
                    // A cell the table lacks cannot become current: the point keeps its value.
                    QString text;
                    if (engine::selectMapCell(m.table, r - 1, c - 1, &text)) chart_.setCurrentData(text);
                });
            }
        }
    }
    redrawing_ = true;
    followOperatingPoint();
    redrawing_ = false;
}

void frmMaps::followOperatingPoint() {
    const int wasRow = chart_.highlightRow(), wasColumn = chart_.highlightColumn();
    const engine::OperatingPoint op = engine::operatingPoint();
    if (op.valid)
        chart_.setHighlight(chart_.map() == MapKind::Dwell ? op.voltageIndex : op.loadIndex, op.speedIndex);
    else
        chart_.clearHighlight();

    if (chart_.hasHighlight()) {
        const int r = chart_.highlightRow(), c = chart_.highlightColumn();
        // The value in the screen's language (2,5 on a German screen).
        const QString value = vb::str(chart_.value(r, c)).replace(QLatin1Char('.'), QLocale().decimalPoint());
        lblInUse_->setText(tr("Cell in use at the last engine step (marked in red):\n%1: %2 %3")
                               .arg(chart_.cellPlace(r, c), value, chart_.valueUnit()));
    } else {
        lblInUse_->setText(tr("While the engine runs, the cell the unit uses is marked in red."));
    }
    if (redrawing_ || chart_.highlightRow() != wasRow || chart_.highlightColumn() != wasColumn) drawChart();
}

void frmMaps::drawChart() {
    if (view_) view_->draw(chart_);
}

void frmMaps::resizeEvent(QResizeEvent* e) {
    MSChart1->setGeometry(kPanelWidth, kMargin, qMax(200, width() - kPanelWidth - kMargin),
                          qMax(150, height() - 2 * kMargin));
    Form::resizeEvent(e);
}

bool frmMaps::scriptShow(const QString& control, const QString& index, QJsonObject& out) {
    if (control != "MSChart1") return false;
    if (!index.isEmpty()) {
        // One data point, row and column counted from 1 as the chart counts them.
        const QStringList rc = index.split(',');
        bool rowOk = false, columnOk = false;
        const int r = rc.size() == 2 ? rc[0].trimmed().toInt(&rowOk) : 0;
        const int c = rc.size() == 2 ? rc[1].trimmed().toInt(&columnOk) : 0;
        if (!rowOk || !columnOk || r < 1 || r > MapChart::kRows || c < 1 || c > MapChart::kColumns) return false;
        out.insert("value", chart_.value(r - 1, c - 1));
        out.insert("highlighted", chart_.hasHighlight() && chart_.highlightRow() == r - 1 &&
                                      chart_.highlightColumn() == c - 1);
        return true;
    }
    out.insert("type", QString(MSChart1->metaObject()->className()));
    out.insert("charttype", chart_.chartType());
    out.insert("chartname", MapChart::chartTypeName(chart_.chartType()));
    QJsonArray values;
    for (int r = 0; r < MapChart::kRows; ++r) {
        QJsonArray row;
        for (int c = 0; c < MapChart::kColumns; ++c) row.append(chart_.value(r, c));
        values.append(row);
    }
    out.insert("values", values);
    out.insert("row", chart_.currentRow());
    out.insert("column", chart_.currentColumn());
    out.insert("columntitle", MapChart::columnTitle());
    out.insert("rowtitle", MapChart::rowTitle());
    out.insert("valuetitle", chart_.valueTitle());
    QJsonArray columnLabels, rowLabels;
    for (int c = 0; c < MapChart::kColumns; ++c) columnLabels.append(MapChart::columnLabel(c));
    for (int r = 0; r < MapChart::kRows; ++r) rowLabels.append(chart_.rowLabel(r));
    out.insert("columnlabels", columnLabels);
    out.insert("rowlabels", rowLabels);
    out.insert("highlight", chart_.hasHighlight() ? QJsonValue(QJsonArray{chart_.highlightRow(), chart_.highlightColumn()})
                                                  : QJsonValue());
    out.insert("drawn", chartDrawn());
    out.insert("notice", notice_ ? notice_->text() : QString());
    out.insert("visible", !MSChart1->isHidden());
    return true;
}
