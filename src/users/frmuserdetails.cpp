#include "users/frmuserdetails.h"

#include "platform/status.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

REGISTER_FORM(frmUserDetails)

namespace {
struct Field {
    const char* key;
    const char* box;
    const char* label;
};
// In the order they are written.
const Field kFields[] = {{"ZRuserName", "txbName", QT_TRANSLATE_NOOP("frmUserDetails", "Name")},
                         {"ZRuserCompany", "txbCompany", QT_TRANSLATE_NOOP("frmUserDetails", "Company")},
                         {"ZRuserAddress", "txbAddress", QT_TRANSLATE_NOOP("frmUserDetails", "Address")},
                         {"ZRuserTelephone", "txbTelephone", QT_TRANSLATE_NOOP("frmUserDetails", "Telephone")}};
}  // namespace

frmUserDetails::frmUserDetails() : Form(Kind::Dialog) {
    parentToMainWindow(this);
    setCaption(tr("User Details"));
    QLineEdit* boxes[4];
    for (int i = 0; i < 4; ++i) {
        const int y = 240 + i * 480;
        QLabel* label = makeLabel(this, arrayName("Label1", i), tr(kFields[i].label), T(240, y + 45, 1200, 285));
        boxes[i] = makeTextBox(this, kFields[i].box, QString(), T(1500, y, 4200, 345));
        label->setBuddy(boxes[i]);  // a screen reader names the box by its label
        // A stored value longer than a text box usually takes is shown and written back whole.
        boxes[i]->setMaxLength(1 << 20);
    }
    txbName = boxes[0];
    txbCompany = boxes[1];
    txbAddress = boxes[2];
    txbTelephone = boxes[3];
    cmdOK = makeButton(this, "cmdOK", tr("OK"), T(3060, 2280, 1200, 375));
    cmdOK->setDefault(true);
    cmdCancel = makeButton(this, "cmdCancel", tr("Cancel"), T(4500, 2280, 1200, 375));
    setTwips(1500, 1500, 6000, 2900);
    connect(cmdOK, &QPushButton::clicked, this, guarded([this] { cmdOK_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, guarded([this] { cmdCancel_Click(); }));
}

void frmUserDetails::onLoad() {
    for (const Field& f : kFields) ctl<QLineEdit>(f.box)->setText(GetSetting("ZRsettings", f.key, QString()));
}

void frmUserDetails::cmdOK_Click() {
    // The four values go in one write, so the store keeps all the new details or all the old
    // ones. When the write fails the window stays open with what was typed.
    QList<SettingValue> values;
    for (const Field& f : kFields) values.append({"ZRsettings", f.key, ctl<QLineEdit>(f.box)->text()});
    try {
        SaveSettings(values);
    } catch (const VbError& e) {
        reportError(e.number, e.description, QString(), MsgIcon::Information);
        return;
    }
    SetStatus(tr("Ready..."));
    unloadForm();
}

void frmUserDetails::cmdCancel_Click() { unloadForm(); }
