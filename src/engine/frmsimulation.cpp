#include "frmsimulation.h"
#include "platform/guard.h"

#include "sim/catalogue.h"
#include "sim/session.h"
#include "sim/simstate.h"
#include "engine/ecupicture.h"
#include "engine/lookuptable.h"
#include "platform/accessible.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QEvent>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableView>
#include <cstring>
#include <optional>

REGISTER_FORM(FRMsimulation)

namespace {
constexpr sim::Slider kSliders[] = {sim::Slider::Speed, sim::Slider::Load, sim::Slider::Temperature,
                                    sim::Slider::Voltage, sim::Slider::Lambda};
}  // namespace

namespace {

// The window is laid out in pixels of its inner area (775 x 285) and converted to twips.
QRect px(int x, int y, int w, int h) { return T(x * 15, y * 15, w * 15, h * 15); }

// A connection point of this window, named and captioned as the catalogue has it.
DragLabel* makePoint(QWidget* parent, sim::PointId id, const QRect& twips) {
    const sim::PointInfo& p = sim::point(id);
    const QString name = p.index < 0 ? QString::fromLatin1(p.control) : arrayName(p.control, p.index);
    DragLabel* l = makeDragLabel(parent, name, sim::captionOf(id), twips);
    l->setAccessibleName(sim::captionWithPlace(id));  // the caption alone is shared with other windows
    return l;
}

// Columns of the block diagram.
constexpr int kInputLeft = 4, kInputRight = 164;
constexpr int kControlLeft = 182, kControlRight = 600;
constexpr int kOutputLeft = 618, kOutputRight = 771;
constexpr int kBlockTop = 17;
constexpr int kGridWidth = 202, kGridHeight = 121, kGridColumn = 25, kGridRow = 12;

// Vertical position of each input (caption line) and output (read-out line).
int inputTop(int i) { return 20 + i * 44; }
constexpr int kOutputRows[5] = {22, 42, 66, 112, 158};  // pump, regulator, injector, dwell, timing

QLineEdit* readout(QWidget* parent, const QString& name, const QString& text, const QRect& r) {
    QLineEdit* e = makeTextBox(parent, name, text, r);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignCenter);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QColor blockColour(int block) {
    static const QColor colours[3] = {QColor(40, 90, 150), QColor(90, 60, 130), QColor(150, 70, 40)};
    return colours[block];
}

void arrow(QPainter& p, int x1, int x2, int y, const QColor& c) {
    p.setPen(QPen(c, 1.5));
    p.drawLine(QPointF(x1, y), QPointF(x2 - 4, y));
    QPainterPath head;
    head.moveTo(x2, y);
    head.lineTo(x2 - 5, y - 3);
    head.lineTo(x2 - 5, y + 3);
    head.closeSubpath();
    p.fillPath(head, c);
}

// Frames the cell the unit is using, over the selection colour of the current cell.
class OperatingCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(p, option, index);
        const auto* map = qobject_cast<const LookupTableModel*>(index.model());
        if (!map || !map->isMarked(index.row(), index.column())) return;
        p->save();
        p->setPen(QPen(QColor(215, 40, 20), 2));
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        p->restore();
    }
};

QJsonArray rgbOf(const QColor& c) { return QJsonArray{c.red(), c.green(), c.blue()}; }

}  // namespace

FRMsimulation::FRMsimulation() {
    setFixedSizeWindow(true);  // its controls stand at fixed places
    setCaption(tr("Engine Management system"));
    QFont small = font();
    small.setPointSizeF(7);
    setFont(small);

    // Headings of the block diagram.
    static const char* headings[3] = {QT_TR_NOOP("Input"), QT_TR_NOOP("Control"), QT_TR_NOOP("Output")};
    const int headingLeft[3] = {kInputLeft, kControlLeft, kOutputLeft};
    const int headingRight[3] = {kInputRight, kControlRight, kOutputRight};
    QFont headingFont = small;
    headingFont.setPointSizeF(8);
    headingFont.setBold(true);
    for (int i = 0; i < 3; ++i) {
        lblSystem[i] = makeLabel(this, arrayName("lblSystem", i), tr(headings[i]),
                                 px(headingLeft[i], 1, headingRight[i] - headingLeft[i], 14));
        lblSystem[i]->setAlignment(Qt::AlignCenter);
        lblSystem[i]->setFont(headingFont);
        setBackColor(lblSystem[i], blockColour(i));
        setForeColor(lblSystem[i], Qt::white);
    }

    // Inputs: caption (a connection point), read-out and slider.
    struct Input {
        sim::PointId point;
        const char* box;
        const char* design;
    };
    const Input inputs[5] = {{sim::PointId::SpeedSensor, "speed", QT_TR_NOOP("Speed")},
                             {sim::PointId::LoadSensor, "load", QT_TR_NOOP("Load")},
                             {sim::PointId::TemperatureSensor, "temp", QT_TR_NOOP("Temp")},
                             {sim::PointId::VoltageSensing, "volts", QT_TR_NOOP("Volts")},
                             {sim::PointId::LambdaSensor, "lambda", "1"}};
    QLineEdit* boxes[5];
    for (int i = 0; i < 5; ++i) {
        const int y = inputTop(i);
        makePoint(this, inputs[i].point, px(8, y, 100, 13));
        boxes[i] = readout(this, inputs[i].box, tr(inputs[i].design), px(110, y - 1, 52, 16));
    }
    speed = boxes[0];
    load = boxes[1];
    temp = boxes[2];
    volts = boxes[3];
    lambda = boxes[4];
    HSB_engine_speed = makeHScroll(this, "HSB_engine_speed", 0, 7000, 0, px(8, inputTop(0) + 17, 154, 15));
    HSB_engine_speed->setSingleStep(10);
    HSB_engine_speed->setPageStep(100);
    HSB_engine_load = makeHScroll(this, "HSB_engine_load", 0, 100, 0, px(8, inputTop(1) + 17, 154, 15));
    HSB_engine_load->setPageStep(10);
    HSB_engine_temperature =
        makeHScroll(this, "HSB_engine_temperature", -20, 110, 0, px(8, inputTop(2) + 17, 154, 15));
    HSB_engine_temperature->setPageStep(10);
    HSB_system_voltage = makeHScroll(this, "HSB_system_voltage", 0, 16, 0, px(8, inputTop(3) + 17, 154, 15));
    HSB_system_voltage->setPageStep(1);
    HSB_Lambda = makeHScroll(this, "HSB_Lambda", -1, 1, 0, px(8, inputTop(4) + 17, 154, 15));
    HSB_Lambda->setPageStep(1);
    makePoint(this, sim::PointId::KnockSensor, px(8, inputTop(5), 100, 13));
    txbknock = readout(this, "txbknock", tr("Knock"), px(110, inputTop(5) - 1, 52, 16));
    cmbKnock = makeButton(this, "cmbKnock", tr("Knock"), px(8, inputTop(5) + 16, 80, 20));

    // Outputs: the actuators, with read-outs and bars for the three map outputs.
    const sim::PointId outputs[5] = {sim::PointId::FuelPump, sim::PointId::PressureRegulator, sim::PointId::Injector,
                                     sim::PointId::IgnitionCoil, sim::PointId::SparkPlugLead};
    for (int i = 0; i < 5; ++i) makePoint(this, outputs[i], px(kOutputLeft + 4, kOutputRows[i], 145, 13));
    // Read-outs wide enough for the injection time's full decimal text, bars beneath.
    fuel = readout(this, "fuel", tr("Fuel"), px(kOutputLeft + 4, kOutputRows[2] + 14, 145, 16));
    dwell = readout(this, "dwell", tr("Dwell"), px(kOutputLeft + 4, kOutputRows[3] + 14, 145, 16));
    timing = readout(this, "timing", tr("Timing"), px(kOutputLeft + 4, kOutputRows[4] + 14, 145, 16));
    bar_fuel = makeProgress(this, "bar_fuel", 35, px(kOutputLeft + 4, kOutputRows[2] + 32, 145, 7));
    bar_dwell = makeProgress(this, "bar_dwell", 65, px(kOutputLeft + 4, kOutputRows[3] + 32, 145, 7));
    bar_timing = makeProgress(this, "bar_timing", 65, px(kOutputLeft + 4, kOutputRows[4] + 32, 145, 7));
    QLabel* hint = makeLabel(this, "lblHint",
                             tr("Drag a caption onto the MultiScope's connection terminal to measure that point."),
                             px(kOutputLeft + 4, 206, 147, 44));
    hint->setWordWrap(true);
    setForeColor(hint, QColor(90, 90, 90));
    cmdECU = makeButton(this, "cmdECU", tr("Tables/ECU"), px(kOutputLeft + 4, 258, 145, 22));

    // What a screen reader calls the read-outs, the sliders and the bars.
    speed->setAccessibleName(tr("Engine speed"));
    load->setAccessibleName(tr("Engine load"));
    temp->setAccessibleName(tr("Engine temperature"));
    volts->setAccessibleName(tr("System voltage"));
    lambda->setAccessibleName(tr("Lambda"));
    txbknock->setAccessibleName(tr("Knock detected"));
    fuel->setAccessibleName(tr("Injection time"));
    dwell->setAccessibleName(tr("Dwell"));
    timing->setAccessibleName(tr("Ignition timing"));
    HSB_engine_speed->setAccessibleName(tr("Set engine speed"));
    HSB_engine_load->setAccessibleName(tr("Set engine load"));
    HSB_engine_temperature->setAccessibleName(tr("Set engine temperature"));
    HSB_system_voltage->setAccessibleName(tr("Set system voltage"));
    HSB_Lambda->setAccessibleName(tr("Set lambda: rich, correct or lean"));
    bar_fuel->setAccessibleName(tr("Injection time bar"));
    bar_dwell->setAccessibleName(tr("Dwell bar"));
    bar_timing->setAccessibleName(tr("Ignition timing bar"));
    cmbKnock->setAccessibleName(tr("Knock: switch on or off"));

    // The three lookup tables.
    Data1 = new LookupTableModel("timing", tr("Timing Lookup Table"), this);
    Data1->setObjectName("Data1");
    Data2 = new LookupTableModel("Dwell", tr("Dwell Lookup Table"), this);
    Data2->setObjectName("Data2");
    Data3 = new LookupTableModel("injection", tr("Injection Lookup Table"), this);
    Data3->setObjectName("Data3");
    const int rightGrid = kControlRight - kGridWidth;
    const int lowerGrid = kBlockTop + 134;
    DBtiminggrid = makeGrid("DBtiminggrid", Data1, tr("Timing Lookup Table"), kControlLeft, kBlockTop, 0);
    DBinjectiongrid = makeGrid("DBinjectiongrid", Data3, tr("Injection Lookup Table"), rightGrid, kBlockTop, 2);
    DBdwellgrid = makeGrid("DBdwellgrid", Data2, tr("Dwell Lookup Table"), kControlLeft, lowerGrid, 1);

    // What the rows and columns stand for, and which cell the engine uses.
    Label10 = makeLabel(this, "Label10", tr("Speed look up value"), px(rightGrid + 2, lowerGrid + 4, 110, 14));
    text3 = makeLabel(this, "text3", "", px(rightGrid + 114, lowerGrid + 2, 30, 17));
    text3->setAlignment(Qt::AlignCenter);
    text3->setFrameShape(QFrame::Panel);
    text3->setFrameShadow(QFrame::Sunken);
    setBackColor(text3, Qt::white);
    Label2 = makeLabel(this, "Label2", tr("Load look up value"), px(rightGrid + 2, lowerGrid + 24, 190, 14));
    Label12 = makeLabel(this, "Label12", tr("Volts look up value"), px(rightGrid + 2, lowerGrid + 24, 190, 14));
    Label12->setVisible(false);
    QFont bold = small;
    bold.setBold(true);
    Label10->setFont(bold);
    Label2->setFont(bold);
    Label12->setFont(bold);
    QLabel* axes = makeLabel(this, "lblAxes",
                             tr("Columns Speed 1 ... Speed 8:\n    800 ... 6400 rev/min\n"
                                "Timing and injection rows 1 ... 8:\n    load 98 % ... 0 %\n"
                                "Dwell rows 1 ... 8:\n    15 V ... 8 V"),
                             px(rightGrid + 2, lowerGrid + 44, 198, 84));
    axes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setForeColor(axes, QColor(60, 60, 60));

    // The picture of the unit, over the tables.
    auto* cover = new EcuCover(this);
    cover->setGeometry(kControlLeft, kBlockTop, EcuCover::kWidth, EcuCover::kHeight);
    pbxCover = cover;
    pbxECU = cover->unit();
    for (int i = 0; i < 18; ++i) lblECU[i] = cover->label(i);
    pbxCover->raise();

    // The session has a slider's new value before the slider's own handling runs; a window
    // loaded afresh puts its sliders into the session, and from then on shows what the engine
    // leaves there.
    for (sim::Slider s : kSliders) {
        QScrollBar* bar = slider(s);
        connect(bar, &QScrollBar::valueChanged, this, [s](int value) { sim::session().setSlider(s, value); });
        sim::session().setSlider(s, bar->value());
    }
    connect(&sim::session(), &sim::Session::controlsChanged, this, [this] { showSliders(); });
    connect(HSB_engine_speed, &QScrollBar::valueChanged, this, guarded([this] { HSB_engine_speed_Change(); }));
    connect(HSB_engine_load, &QScrollBar::valueChanged, this, guarded([this] { HSB_engine_load_Change(); }));
    connect(HSB_engine_temperature, &QScrollBar::valueChanged, this, guarded([this] { HSB_engine_temperature_Change(); }));
    connect(HSB_system_voltage, &QScrollBar::valueChanged, this, guarded([this] { HSB_system_voltage_Change(); }));
    connect(HSB_Lambda, &QScrollBar::valueChanged, this, guarded([this] { HSB_Lambda_Change(); }));
    connect(cmbKnock, &QPushButton::clicked, this, guarded([this] { cmbKnock_Click(); }));
    connect(cmdECU, &QPushButton::clicked, this, guarded([this] { cmdECU_Click(); }));
}

QTableView* FRMsimulation::makeGrid(const QString& name, LookupTableModel* model, const QString& caption, int left,
                                    int top, int captionIndex) {
    QLabel* title = makeLabel(this, arrayName("lblGridCaption", captionIndex), caption, px(left, top, kGridWidth, 11));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    setBackColor(title, QColor(225, 225, 232));

    auto* grid = new QTableView(this);
    grid->setObjectName(name);
    grid->setAccessibleName(caption);
    grid->setGeometry(left, top + 11, kGridWidth, kGridHeight);
    grid->setModel(model);
    grid->setItemDelegate(new OperatingCellDelegate(grid));
    QFont cellFont = font();
    cellFont.setStretch(QFont::Condensed);
    grid->setFont(cellFont);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->verticalHeader()->hide();
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrow keys move between the cells; Tab moves on to the next control.
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->setCornerButtonEnabled(false);
    QHeaderView* columns = grid->horizontalHeader();
    columns->setMinimumSectionSize(10);
    columns->setDefaultSectionSize(kGridColumn);
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setHighlightSections(false);
    // "Speed n" over two lines so that eight columns fit.
    QFont headerFont = font();
    headerFont.setStretch(QFont::Condensed);
    columns->setFont(headerFont);
    columns->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    columns->setFixedHeight(kGridHeight - 2 - 8 * kGridRow);
    QHeaderView* rows = grid->verticalHeader();
    rows->setMinimumSectionSize(8);
    rows->setDefaultSectionSize(kGridRow);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    connect(model, &LookupTableModel::cellEdited, this, guarded([this, grid] { grid_Activated(grid); }));
    return grid;
}

void FRMsimulation::onLoad() {
    setTwips(50, 50, 11750, 4700);
    // The three data controls open their tables; every table is tried, and the first
    // failure is passed on to the caller's error handling.
    std::optional<VbError> failure;
    for (LookupTableModel* map : {Data1, Data2, Data3}) {
        try {
            map->load();
        } catch (const VbError& e) {
            if (!failure) failure = e;
        }
    }
    if (failure) throw *failure;
}

void FRMsimulation::onActivate() {
    setTwips(50, 50, 11750, 4700);
    try {
        chdirToAppFolder();
    } catch (const VbError&) {
        // The working folder stays as it is.
    }
}

bool FRMsimulation::onQueryUnload() {
    hideForm();
    return false;
}

bool FRMsimulation::showGrid(QTableView* grid, const QString& index, QJsonObject& out) const {
    const auto* map = static_cast<const LookupTableModel*>(grid->model());
    if (!index.isEmpty()) {
        const QStringList rc = index.split(',');
        bool rowOk = false, columnOk = false;
        const QModelIndex mi = rc.size() == 2 ? map->index(rc[0].toInt(&rowOk), rc[1].toInt(&columnOk)) : QModelIndex();
        if (!rowOk || !columnOk || !mi.isValid()) return false;  // the generic read-out reports the bad cell
        out.insert("text", mi.data(Qt::DisplayRole).toString());
        out.insert("current", grid->currentIndex() == mi);
        out.insert("operating", map->isMarked(mi.row(), mi.column()));
    } else {
        out.insert("operating", map->markedRow() < 0 ? QJsonValue() : QJsonArray{map->markedRow(), map->markedColumn()});
    }
    out.insert("type", QString(grid->metaObject()->className()));
    out.insert("visible", !grid->isHidden());
    out.insert("enabled", grid->isEnabled());
    out.insert("fore", rgbOf(foreColor(grid)));
    out.insert("back", rgbOf(backColor(grid)));
    out.insert("tooltip", grid->toolTip());
    return true;
}

bool FRMsimulation::scriptShow(const QString& control, const QString& index, QJsonObject& out) {
    // The grids also tell which cell the unit is using.
    for (QTableView* grid : {DBtiminggrid, DBdwellgrid, DBinjectiongrid})
        if (control == grid->objectName()) return showGrid(grid, index, out);
    // The fuel bar holds a 32-bit real value, which the generic read-out would round.
    if (control != "bar_fuel" || !index.isEmpty()) return false;
    out.insert("type", QString(bar_fuel->metaObject()->className()));
    out.insert("value", QString::number(double(fuelBarValue_), 'g', 7).toDouble());
    out.insert("min", bar_fuel->minimum());
    out.insert("max", bar_fuel->maximum());
    out.insert("visible", !bar_fuel->isHidden());
    out.insert("enabled", bar_fuel->isEnabled());
    const QColor fore = foreColor(bar_fuel), back = backColor(bar_fuel);
    out.insert("fore", QJsonArray{fore.red(), fore.green(), fore.blue()});
    out.insert("back", QJsonArray{back.red(), back.green(), back.blue()});
    out.insert("tooltip", bar_fuel->toolTip());
    return true;
}

bool FRMsimulation::selectMapCell(Map map, int row, int column, QString* text) {
    QTableView* grid = map == Map::Timing ? DBtiminggrid : map == Map::Dwell ? DBdwellgrid : DBinjectiongrid;
    const QModelIndex cell = grid->model()->index(row, column);
    if (!cell.isValid()) return false;
    grid->setCurrentIndex(cell);
    // The cell's text as it is stored (a decimal point, whatever the screen shows).
    *text = static_cast<const LookupTableModel*>(grid->model())->cellText(row, column);
    return true;
}

void FRMsimulation::setTablesEditable(bool editable) {
    const auto triggers = editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                         QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                                   : QAbstractItemView::NoEditTriggers;
    for (LookupTableModel* map : {Data2, Data1, Data3}) map->setEditable(editable);
    for (QTableView* grid : {DBdwellgrid, DBtiminggrid, DBinjectiongrid}) grid->setEditTriggers(triggers);
}

void FRMsimulation::setCoverVisible(bool visible) {
    pbxCover->setVisible(visible);
    if (visible) pbxCover->raise();
}

void FRMsimulation::moveCurrentCells(int speedIndex, int loadIndex, int voltageIndex) {
    const struct {
        QTableView* grid;
        int row;
    } moves[3] = {{DBtiminggrid, loadIndex}, {DBinjectiongrid, loadIndex}, {DBdwellgrid, voltageIndex}};
    for (const auto& m : moves) {
        const QModelIndex target = m.grid->model()->index(m.row, speedIndex);
        if (target.isValid() && m.grid->currentIndex() != target) m.grid->setCurrentIndex(target);
    }
    operatingPoint_ = {true, speedIndex, loadIndex, voltageIndex};
    markOperatingPoint();
}

void FRMsimulation::clearOperatingPoint() {
    if (!operatingPoint_.valid) return;
    operatingPoint_ = {};
    markOperatingPoint();
}

void FRMsimulation::markOperatingPoint() {
    const OperatingPoint& op = operatingPoint_;
    if (op.valid) {
        Data1->setMarkedCell(op.loadIndex, op.speedIndex);
        Data3->setMarkedCell(op.loadIndex, op.speedIndex);
        Data2->setMarkedCell(op.voltageIndex, op.speedIndex);
    } else {
        for (LookupTableModel* map : {Data1, Data2, Data3}) map->setMarkedCell(-1, -1);
    }
    emit operatingPointChanged();
}

void FRMsimulation::showOutputBars(int timingValue, int dwellValue, float fuelValue) {
    auto put = [](QProgressBar* bar, int value) {
        bar->setValue(qBound(bar->minimum(), value, bar->maximum()));
    };
    put(bar_timing, timingValue);
    put(bar_dwell, dwellValue);
    fuelBarValue_ = fuelValue;
    put(bar_fuel, static_cast<int>(roundToEven(fuelValue)));
}

QScrollBar* FRMsimulation::slider(sim::Slider s) const {
    switch (s) {
    case sim::Slider::Speed: return HSB_engine_speed;
    case sim::Slider::Load: return HSB_engine_load;
    case sim::Slider::Temperature: return HSB_engine_temperature;
    case sim::Slider::Voltage: return HSB_system_voltage;
    case sim::Slider::Lambda: return HSB_Lambda;
    }
    return nullptr;
}

void FRMsimulation::showSliders() {
    const sim::Controls& c = sim::session().controls();
    for (sim::Slider s : kSliders) {
        QScrollBar* bar = slider(s);
        if (bar->value() == c.slider(s)) continue;
        // Without running its handler: the engine has applied what it does.
        const QSignalBlocker quiet(bar);
        bar->setValue(c.slider(s));
    }
}

void FRMsimulation::setSlider(sim::Slider s, int value) { slider(s)->setValue(value); }

int FRMsimulation::sliderValue(sim::Slider s) const { return slider(s)->value(); }

LookupTableModel* FRMsimulation::lookupTable(Map map) const {
    switch (map) {
    case Map::Timing: return Data1;
    case Map::Dwell: return Data2;
    case Map::Injection: return Data3;
    }
    return nullptr;
}

namespace {
// Writes a read-out only when its text changes.
void showText(QLineEdit* box, const QString& text) {
    if (box->text() == text) return;
    setReadout(box, text);  // announced to a screen reader
    box->setCursorPosition(0);  // a long number shows from its first digit
}
void showNumber(QLineEdit* box, int value) { showText(box, QString::number(value)); }

// The injection time's text, worked out again only when the value changed since the last
// call (the engine holds it for seconds at a time).
QString injectionText(double value) {
    static double last = 0;
    static QString text = vb::strSingle(0.0);
    static QChar point = QLatin1Char('.');
    const QChar decimal = QLocale().decimalPoint().at(0);
    if (std::memcmp(&last, &value, sizeof value) != 0 || point != decimal) {
        last = value;
        point = decimal;
        // In the screen's language: 2,5 on a German screen.
        text = vb::strSingle(value).replace(QLatin1Char('.'), decimal);
    }
    return text;
}
}  // namespace

void FRMsimulation::showReadings(const sim::Readings& r) {
    showNumber(speed, r.speed);
    showNumber(load, r.load);
    showNumber(temp, r.temperature);
    showNumber(volts, r.volts);
    showNumber(timing, r.timing);
    showNumber(dwell, r.dwell);
    showText(fuel, injectionText(r.injection));
}

void FRMsimulation::showOperatingColumn(const sim::Readings& r) {
    const QString column = QString::number(r.column);
    if (text3->text() != column) text3->setText(column);
    // A stopped engine uses no map cell.
    if (!r.running) clearOperatingPoint();
}

void FRMsimulation::showCrankingSpeed(int value) { setReadout(speed, QString::number(value)); }
// The engine step says "Yes" or "No" (as cmbKnock_Click does): shown in the screen's language.
void FRMsimulation::showKnockText(const QString& text) { setReadout(txbknock, tr(text.toUtf8().constData())); }
void FRMsimulation::showLambdaText(const QString& text) { setReadout(lambda, text); }

void FRMsimulation::HSB_engine_speed_Change() { EngineSpeed = HSB_engine_speed->value(); }
void FRMsimulation::HSB_engine_load_Change() { EngineLoad = HSB_engine_load->value(); }
void FRMsimulation::HSB_engine_temperature_Change() { EngineTemperature = HSB_engine_temperature->value(); }
void FRMsimulation::HSB_system_voltage_Change() { SystemVoltage = HSB_system_voltage->value(); }

void FRMsimulation::HSB_Lambda_Change() {
    const int v = HSB_Lambda->value();
    setReadout(lambda, v < 0 ? "< 1" : v == 0 ? "1" : "> 1");
}

void FRMsimulation::cmbKnock_Click() {
    if (Knock != True) {
        Knock = True;
        setReadout(txbknock, tr("Yes"));
    } else {
        Knock = False;
        setReadout(txbknock, tr("No"));
    }
}

void FRMsimulation::cmdECU_Click() {
    if (!pbxCover->isHidden()) {
        pbxCover->hide();
    } else {
        pbxCover->show();
        pbxCover->raise();
    }
}

void FRMsimulation::grid_Activated(QTableView* grid) {
    const bool dwellRows = grid == DBdwellgrid;
    Label12->setVisible(dwellRows);
    Label2->setVisible(!dwellRows);
}

bool FRMsimulation::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::MouseButtonPress) {
        for (QTableView* grid : {DBtiminggrid, DBdwellgrid, DBinjectiongrid})
            if (watched == grid || watched == grid->viewport()) grid_Activated(grid);
    }
    return Form::eventFilter(watched, e);
}

void FRMsimulation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The three blocks of the diagram.
    const int lefts[3] = {kInputLeft, kControlLeft, kOutputLeft};
    const int rights[3] = {kInputRight, kControlRight, kOutputRight};
    for (int b = 0; b < 3; ++b) {
        QColor fill = blockColour(b);
        fill.setAlpha(22);
        p.setPen(QPen(blockColour(b), 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(lefts[b] - 1.5, 15.5, rights[b] - lefts[b] + 3, height() - 17), 3, 3);
    }
    // Signals into the unit and out to the actuators.
    for (int i = 0; i < 6; ++i) arrow(p, kInputRight + 2, kControlLeft - 2, inputTop(i) + 7, blockColour(0));
    for (int row : kOutputRows) arrow(p, kControlRight + 2, kOutputLeft - 2, row + 7, blockColour(2));
}
