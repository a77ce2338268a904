#include "frmtripcomputer.h"
#include "platform/guard.h"

#include "sim/simstate.h"
#include "platform/accessible.h"
#include "platform/numbers.h"
#include "platform/platform.h"

#include <QLineEdit>
#include <QPushButton>

REGISTER_FORM(frmTripComputer)

frmTripComputer::frmTripComputer() {
    setFixedSizeWindow(true);  // its controls stand at fixed places
    setCaption(tr("Trip Computer"));
    QFont small = font();
    small.setPointSize(7);
    // Short names that fit their small labels.
    static const char* modes[] = {QT_TR_NOOP("Time"), QT_TR_NOOP("Dist"),  QT_TR_NOOP("Inst"),  QT_TR_NOOP("Avg"),
                                  QT_TR_NOOP("ETA"),  QT_TR_NOOP("Av Sp"), QT_TR_NOOP("Elaps"), QT_TR_NOOP("Fuel"),
                                  QT_TR_NOOP("Stop"), QT_TR_NOOP("Arr")};
    for (int i = 0; i < 10; ++i) {
        const int col = i % 5, row = i / 5;
        const int x = 30 + col * 600;
        Label2[i] = makeLabel(this, arrayName("Label2", i), tr(modes[i]), T(x, 30 + row * 660, 570, 210));
        Label2[i]->setAlignment(Qt::AlignCenter);
        Label2[i]->setFont(small);
        setBackColor(Label2[i], Qt::black);
        setForeColor(Label2[i], qbColor(15));
        Command1[i] = makeButton(this, arrayName("Command1", i), QString::number(i), T(x, 255 + row * 660, 570, 360));
        connect(Command1[i], &QPushButton::clicked, this, guarded([this, i] { Command1_Click(i); }));
    }
    txtTripDisplay = makeTextBox(this, "txtTripDisplay", tr("Trip Display"), T(3090, 30, 1980, 420));
    txtTripDisplay->setAccessibleName(tr("Trip display"));
    txtTripDisplay->setAlignment(Qt::AlignCenter);
    setBackColor(txtTripDisplay, Qt::black);
    setForeColor(txtTripDisplay, colorFromValue(65280));
    QFont big = txtTripDisplay->font();
    big.setPointSize(10);
    big.setBold(true);
    txtTripDisplay->setFont(big);
    cmdSet = makeButton(this, "cmdSet", tr("Set Distance"), T(3090, 540, 1980, 360));
    cmdReset = makeButton(this, "cmdReset", tr("Reset"), T(3090, 960, 1980, 360));
    cmdSet->setFont(small);
    cmdReset->setFont(small);
    connect(cmdSet, &QPushButton::clicked, this, guarded([this] { cmdSet_Click(); }));
    connect(cmdReset, &QPushButton::clicked, this, guarded([this] { cmdReset_Click(); }));
}

void frmTripComputer::onLoad() {
    SettingArrival = False;
    setTwips(50, 8000, 5250, 1850);
}

void frmTripComputer::onActivate() { setTwips(50, 8000, 5250, 1850); }

bool frmTripComputer::onQueryUnload() {
    hideForm();
    return false;
}

void frmTripComputer::Command1_Click(int index) {
    if (SettingArrival == True) {
        txtTripDisplay->setText(txtTripDisplay->text() + QString::number(index));
        return;
    }
    for (StepCounter = 0; StepCounter <= 9; StepCounter += 1) setForeColor(Label2[StepCounter], qbColor(15));
    setForeColor(Label2[index], qbColor(4));
    TripDisplayMode = index;
    if (index == 8) StopwatchRunning = StopwatchRunning == True ? False : True;
}

void frmTripComputer::cmdSet_Click() {
    if (SettingArrival == False) {
        SettingArrival = True;
        TripDisplayMode = 9;
        txtTripDisplay->setText(QString());
        MsgBox(tr("Set Arrival Distance using the Trip computer buttons...\r\n\r...then click Set Distance again."),
               MsgButtons::OK, MsgIcon::Information);
        return;
    }
    SettingArrival = False;
    const QString text = txtTripDisplay->text();
    bool ok = false;
    const double typed = vb::val(text, &ok);
    // A distance is a number: anything else is refused, and the stored distance stays.
    if (!ok || !Figure::inRange(typed)) {
        MsgBox(tr("\"%1\" is not a distance. Arrival Distance not changed: enter the distance with the "
                  "number buttons.")
                   .arg(text),
               MsgButtons::OK, MsgIcon::Information);
        return;
    }
    if (MetricUnits == True) {
        ArrivalDistance = Figure::fromText(text);
        MsgBox(tr("Arrival Distance set to: %1 kilometres").arg(text), MsgButtons::OK, MsgIcon::Information);
    } else {
        ArrivalDistance = vb::intFloor(typed) / 0.625;
        MsgBox(tr("Arrival Distance set to: %1 miles").arg(text), MsgButtons::OK, MsgIcon::Information);
    }
}

void frmTripComputer::cmdReset_Click() {
    ElapsedTime = 0;
    TripDistance = 0;
    FuelUsed = 0;
    Stopwatch = 0;
    MsgBox(tr("'Elapsed Time', 'Trip Distance', 'Stop Watch' and 'Fuel Used' reset..."), MsgButtons::OK,
           MsgIcon::Information);
}

void frmTripComputer::showTripDisplay(const QString& text) { setReadout(txtTripDisplay, text); }
