#include "frminstruments.h"
#include "platform/guard.h"

#include "sim/simstate.h"
#include "engine/engine.h"
#include "platform/accessible.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

REGISTER_FORM(frmInstruments)

namespace {
QLineEdit* gauge(QWidget* parent, const QString& name, const QString& text, int x) {
    QLineEdit* e = makeTextBox(parent, name, text, T(x, 240, 960, 300));
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignCenter);
    e->setFrame(true);
    setBackColor(e, Qt::black);
    setForeColor(e, colorFromValue(65280));
    QFont f = e->font();
    f.setPointSize(7);
    f.setBold(true);
    e->setFont(f);
    e->setTextMargins(0, 0, 0, 0);
    e->setStyleSheet("padding: 0px;");
    return e;
}

QLabel* light(QWidget* parent, const QString& name, const QString& caption, const QColor& colour, int x, int w) {
    QLabel* l = makeLabel(parent, name, caption, T(x, 630, w, 240));
    l->setAlignment(Qt::AlignCenter);
    setBackColor(l, colour);
    setForeColor(l, colour == Qt::blue || colour == QColor(200, 0, 0) ? Qt::white : Qt::black);
    QFont f = l->font();
    f.setPointSize(7);
    f.setBold(true);
    l->setFont(f);
    return l;
}
}  // namespace

frmInstruments::frmInstruments() {
    setFixedSizeWindow(true);  // its controls stand at fixed places
    setCaption(tr("Instruments"));
    QFont small = font();
    small.setPointSize(7);
    const char* captions[] = {QT_TR_NOOP("Speedometer"), QT_TR_NOOP("Rev. counter"), QT_TR_NOOP("Fuel gauge"),
                              QT_TR_NOOP("Temp. gauge"), QT_TR_NOOP("Trip")};
    const char* names[] = {"Label1", "Label2", "Label3", "Label4", "Label5"};
    for (int i = 0; i < 5; ++i) {
        QLabel* l = makeLabel(this, names[i], tr(captions[i]), T(30 + i * 1010, 20, 960, 210));
        l->setAlignment(Qt::AlignCenter);
        l->setFont(small);
    }
    txbSpeed = gauge(this, "txbSpeed", tr("Speed"), 30);
    txbRev = gauge(this, "txbRev", tr("Revs"), 1040);
    txbFuel = gauge(this, "txbFuel", tr("Fuel"), 2050);
    txbTemp = gauge(this, "txbTemp", tr("Temp"), 3060);
    txtMileage = gauge(this, "txtMileage", tr("Miles"), 4070);
    txbSpeed->setAccessibleName(tr("Road speed"));
    txbRev->setAccessibleName(tr("Engine speed, rev/min"));
    txbFuel->setAccessibleName(tr("Fuel level"));
    txbTemp->setAccessibleName(tr("Engine temperature"));
    txtMileage->setAccessibleName(tr("Trip distance"));

    lblCheckWL = light(this, "lblCheckWL", tr("Check Engine"), QColor(200, 0, 0), 30, 1200);
    lblOilWL = light(this, "lblOilWL", tr("Oil"), QColor(255, 140, 0), 1290, 600);
    lblChargeWL = light(this, "lblChargeWL", tr("Charge"), QColor(200, 0, 0), 1950, 800);
    lblMainBeamWL = light(this, "lblMainBeamWL", tr("Main"), Qt::blue, 2810, 640);
    lblIndLeft = light(this, "lblIndLeft", "<<", QColor(0, 200, 0), 3510, 400);
    lblIndRight = light(this, "lblIndRight", ">>", QColor(0, 200, 0), 3970, 400);
    lblCheckWL->setVisible(false);
    lblMainBeamWL->setVisible(false);
    lblIndLeft->setVisible(false);
    lblIndRight->setVisible(false);

    cmdConvert = makeButton(this, "cmdConvert", tr("Change display to km/h or mph"), T(30, 960, 5040, 330));
    cmdConvert->setFont(small);
    connect(cmdConvert, &QPushButton::clicked, this, guarded([this] { cmdConvert_Click(); }));
}

void frmInstruments::place() {
    const int simHeight = engine::managementWindowTwips().height();
    setTwips(50, simHeight + 100, 5250, 1850);
}

void frmInstruments::onLoad() { place(); }
void frmInstruments::onActivate() { place(); }

bool frmInstruments::onQueryUnload() {
    hideForm();
    return false;
}

void frmInstruments::cmdConvert_Click() { MetricUnits = MetricUnits == True ? False : True; }

void frmInstruments::setChargeLight(bool on) { lblChargeWL->setVisible(on); }
void frmInstruments::setOilLight(bool on) { lblOilWL->setVisible(on); }
void frmInstruments::setCheckEngineLight(bool on) { lblCheckWL->setVisible(on); }

void frmInstruments::showGauges(const QString& roadSpeed, const QString& mileage, const QString& fuel,
                                const QString& temperature, const QString& revs) {
    // A screen reader hears each gauge that moves.
    setReadout(txbSpeed, roadSpeed);
    setReadout(txtMileage, mileage);
    setReadout(txbFuel, fuel);
    setReadout(txbTemp, temperature);
    setReadout(txbRev, revs);
}

void frmInstruments::setRevCounterColor(const QColor& color) { setForeColor(txbRev, color); }
