#include "users/frmtip.h"

#include "app/options.h"
#include "platform/language.h"
#include "platform/status.h"
#include "sim/simstate.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

REGISTER_FORM(frmTip)

namespace {
const QString kTipsFile = QStringLiteral("TIPOFDAY.TXT");
}

frmTip::frmTip() : Form(Kind::Dialog) {
    parentToMainWindow(this);
    setCaption(tr("Tip of the Day"));
    lblDidYouKnow = makeLabel(this, "Label1", tr("Did you know..."), T(240, 180, 5300, 300));
    QFont bold = lblDidYouKnow->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 2);
    lblDidYouKnow->setFont(bold);
    lblTipText = makeLabel(this, "lblTipText", tr("Tip will appear here..."), T(240, 600, 5300, 1320));
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setFrameShape(QFrame::StyledPanel);
    lblTipText->setMargin(4);
    chkLoadTipsAtStartup = makeCheckBox(this, "chkLoadTipsAtStartup", tr("&Show Tips at Startup"), T(240, 2070, 3600, 330));
    cmdOK = makeButton(this, "cmdOK", tr("OK"), T(5820, 180, 1440, 375));
    cmdOK->setDefault(true);
    cmdNextTip = makeButton(this, "cmdNextTip", tr("&Next Tip"), T(5820, 660, 1440, 375));
    connect(cmdOK, &QPushButton::clicked, this, guarded([this] { cmdOK_Click(); }));
    connect(cmdNextTip, &QPushButton::clicked, this, guarded([this] { cmdNextTip_Click(); }));
}

void frmTip::onLoad() {
    setTwips(2000, 1000, 7500, 2600);
    chkLoadTipsAtStartup->setChecked(true);
    if (LoadTips(language::localisedDataFile(kTipsFile))) return;
    switch (lastLoad_) {
    case TipList::Load::NotText:
        lblTipText->setText(tr("That the %1 file holds no text? It cannot be shown.").arg(kTipsFile));
        break;
    case TipList::Load::Unreadable:
        lblTipText->setText(tr("That the %1 file could not be read? ").arg(kTipsFile));
        break;
    default:
        lblTipText->setText(tr("That the %1 file was not found? ").arg(kTipsFile));
    }
}

bool frmTip::LoadTips(const QString& file) {
    lastLoad_ = tips_.load(file);
    if (lastLoad_ != TipList::Load::Loaded) return false;
    nextTip();
    return true;
}

void frmTip::nextTip() {
    tips_.next();
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (tips_.count() > 0) lblTipText->setText(tips_.current());
}

void frmTip::cmdNextTip_Click() { nextTip(); }

void frmTip::cmdOK_Click() {
    // The box is the "Show tip of the day at startup" option; a failed write is reported and
    // the window stays open, so the choice is not lost unseen.
    try {
        SaveSetting("ZRsettings", optionSettingKey(option::TipOfTheDay), chkLoadTipsAtStartup->isChecked() ? "1" : "0");
    } catch (const VbError& e) {
        reportError(e.number, e.description, QString(), MsgIcon::Information);
        return;
    }
    unloadForm();
}
