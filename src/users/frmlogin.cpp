#include "users/frmlogin.h"
#include "users/users.h"
#include "users/classroom.h"
#include "users/password.h"

#include "platform/status.h"
#include "app/options.h"
#include "sim/simstate.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QDir>
#include <QFontMetrics>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPushButton>

REGISTER_FORM(frmLogin)

namespace {
constexpr int kLeft = 3000, kTop = 3000, kWidth = 4095;
constexpr int kNormalHeight = 2000, kHelpHeight = 3000;
// The title of the login's message boxes.
QString messageTitle() { return frmLogin::tr("Login..."); }

QLineEdit* passwordBox(QWidget* parent, const QString& name, int top) {
    QLineEdit* e = makeTextBox(parent, name, QString(), T(1560, top, 2325, 345));
    e->setEchoMode(QLineEdit::Password);
    return e;
}

// The four captions share one font, a size smaller when one of them is wider than its label.
void fitCaptions(QLabel* const (&labels)[4]) {
    QFont f = labels[0]->font();
    auto fits = [&f, &labels] {
        for (QLabel* l : labels)
            if (QFontMetrics(f).horizontalAdvance(QString(l->text()).remove(u'&')) > l->width()) return false;
        return true;
    };
    while (!fits() && f.pointSizeF() > 6) f.setPointSizeF(f.pointSizeF() - 0.5);
    for (QLabel* l : labels) l->setFont(f);
}
}  // namespace

namespace {
// What the typed password is compared with: the room's, or the user's own (the delivered
// password while the user has none).
PasswordRule loginRule() {
    // A value no settings file holds stands for the key being missing.
    static const QString kMissing = QStringLiteral("\x01missing\x01");
    const QString own = GetSetting("ZRsettings", "ZRsettingPW", kMissing);
    return passwordRule(classroomConfig(), own == kMissing ? QString() : own, own != kMissing);
}
}  // namespace

frmLogin::frmLogin() : Form(Kind::Dialog) {
    parentToMainWindow(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);  // top-most, but modeless
    setCaption(tr("Login"));
    const char* captions[4] = {QT_TR_NOOP("&User Name:"), QT_TR_NOOP("&Password:"), QT_TR_NOOP("&New Password:"),
                               QT_TR_NOOP("&Repeat Password:")};
    const int tops[4] = {135, 525, 1650, 2115};
    for (int i = 0; i < 4; ++i)
        lblLabels[i] = makeLabel(this, arrayName("lblLabels", i), tr(captions[i]), T(105, tops[i] + 45, 1440, 270));
    fitCaptions(lblLabels);
    txtUserName = makeTextBox(this, "txtUserName", QString(), T(1560, 135, 2325, 345));
    txtPassword = passwordBox(this, "txtPassword", 525);
    txtNewPassword1 = passwordBox(this, "txtNewPassword1", 1650);
    txtNewPassword2 = passwordBox(this, "txtNewPassword2", 2115);
    lblLabels[0]->setBuddy(txtUserName);
    lblLabels[1]->setBuddy(txtPassword);
    lblLabels[2]->setBuddy(txtNewPassword1);
    lblLabels[3]->setBuddy(txtNewPassword2);
    cmdOK = makeButton(this, "cmdOK", tr("OK"), T(120, 960, 1140, 390));
    cmdOK->setDefault(true);
    cmdCancel = makeButton(this, "cmdCancel", tr("Cancel"), T(1440, 960, 1140, 390));
    cmdHelp = makeButton(this, "cmdHelp", tr("Help"), T(2760, 960, 1140, 390));
    lblChecking = makeLabel(this, "lblChecking", tr("Checking the password..."), T(120, 1395, 3780, 255));
    lblChecking->setAccessibleName(tr("Password check"));
    lblChecking->setFocusPolicy(Qt::TabFocus);
    lblChecking->setVisible(false);
    connect(cmdOK, &QPushButton::clicked, this, guarded([this] { cmdOK_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, guarded([this] { cmdCancel_Click(); }));
    connect(cmdHelp, &QPushButton::clicked, this, guarded([this] { cmdHelp_Click(); }));
}

void frmLogin::onLoad() {
    setHeightTwips(kNormalHeight);
    txtPassword->setFocus();
}

void frmLogin::setHeightTwips(int height) {
    setTwips(kLeft, kTop, kWidth, height);
    // The new-password boxes lie below the window's normal height: they come into view only
    // when Help makes the window taller.
    const bool reach = height >= kHelpHeight;
    for (QWidget* w : {static_cast<QWidget*>(lblLabels[2]), static_cast<QWidget*>(lblLabels[3]),
                       static_cast<QWidget*>(txtNewPassword1), static_cast<QWidget*>(txtNewPassword2)})
        w->setVisible(reach);
}

void frmLogin::onUnload() {
    ++check_;  // a check still under way no longer logs anyone in
    SetStatus(tr("Ready..."));
}

void frmLogin::cmdOK_Click() {
    // A failure (the settings store cannot be written) ends the command with the window open.
    try {
        checkPassword();
    } catch (const VbError& e) {
        reportError(e.number, e.description, QString(), MsgIcon::Critical);
    }
}

void frmLogin::checkPassword() {
    const PasswordRule rule = loginRule();
    if (!rule.refusal.isEmpty()) {
        MsgBox(rule.refusal, MsgButtons::OK, MsgIcon::Critical, messageTitle());
        LoggedIn = False;
        return;
    }
    // A hash of many iterations takes seconds to check: the window says that it checks, and
    // the program goes on meanwhile.
    setChecking(true);
    const int check = ++check_;
    const bool fromClassroom = rule.fromClassroom;
    password::matchesAside(this, txtPassword->text(), rule.stored, [this, check, fromClassroom](bool matched) {
        if (check != check_) return;
        setChecking(false);
        runGuarded([&] {
            try {
                passwordChecked(matched, fromClassroom);
            } catch (const VbError& e) {
                reportError(e.number, e.description, QString(), MsgIcon::Critical);
            }
        });
    });
}

void frmLogin::setChecking(bool checking) {
    for (QWidget* w : std::initializer_list<QWidget*>{txtUserName, txtPassword, txtNewPassword1, txtNewPassword2, cmdOK, cmdHelp})
        w->setEnabled(!checking);
    lblChecking->setVisible(checking);
    if (checking) setCursor(Qt::BusyCursor);
    else unsetCursor();
}

void frmLogin::passwordChecked(bool matched, bool fromClassroom) {
    if (!matched) {
        MsgBox(tr("Invalid Password, please try again!"), MsgButtons::OK, MsgIcon::Critical, messageTitle());
        txtPassword->setFocus();
        txtPassword->selectAll();
        LoggedIn = False;
        return;
    }
    LoggedIn = True;
    MsgBox(tr("Password accepted, you now have access to the database and faults list..."), MsgButtons::OK,
           MsgIcon::Information, messageTitle());

    // The options now unlock editing where they allow it; the faults window stays as it was.
    // An option that cannot be applied is reported there; the login and a new password still
    // go through.
    ApplyOptionsAtLogin();

    if (!txtNewPassword1->text().isEmpty()) {
        if (txtNewPassword1->text() != txtNewPassword2->text()) {
            MsgBox(tr("The new passwords do not match, please try again..."));
            txtNewPassword1->clear();
            txtNewPassword2->clear();
            txtPassword->clear();
            LoggedIn = False;
            return;
        }
        if (fromClassroom && classroomConfig().locksPassword()) {
            MsgBox(tr("The password of this room is set in the classroom configuration \"%1\" and cannot be changed here. "
                      "Ask the administrator to change it there.")
                       .arg(QDir::toNativeSeparators(classroomConfig().path)),
                   MsgButtons::OK, MsgIcon::Information, messageTitle());
        } else {
            // Kept as a salted hash: the settings file no longer shows the password.
            SaveSetting("ZRsettings", "ZRsettingPW", password::makeHash(txtNewPassword1->text()));
            MsgBox(tr("New password has been set..."));
        }
    }
    txtNewPassword1->clear();
    txtNewPassword2->clear();
    txtPassword->clear();
    unloadForm();
}

void frmLogin::cmdHelp_Click() {
    if (loginRule().fromClassroom) {
        // The room's password is the administrator's: nothing here may name one.
        MsgBox(tr("The list of faults and database access is password protected. In this room the password is set "
                  "by the administrator in the classroom configuration; ask your instructor."));
        setHeightTwips(kHelpHeight);
        return;
    }
    MsgBox(tr("The list of faults and database access is password protected - the password is initially set to "
              "'gearcase'. Click YES to change this and prevent 'students' seeing the list of faults or changing the "
              "database!"));
    setHeightTwips(kHelpHeight);
}

void frmLogin::cmdCancel_Click() { unloadForm(); }

void frmLogin::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        runGuarded([this] { cmdCancel_Click(); });
        return;
    }
    Form::keyPressEvent(e);
}

bool frmLogin::scriptShow(const QString& control, const QString& index, QJsonObject& out) {
    // The masked boxes print their text, what is selected in them and whether they have the
    // focus, besides what any control prints.
    auto* box = qobject_cast<QLineEdit*>(this->control(control));
    if (!box || !index.isEmpty()) return false;
    out.insert("type", "QLineEdit");
    out.insert("text", box->text());
    out.insert("masked", box->echoMode() == QLineEdit::Password);
    out.insert("selected", box->selectedText());
    out.insert("focus", focusWidget() == box);
    out.insert("visible", !box->isHidden());
    out.insert("enabled", box->isEnabled());
    return true;
}

void ShowLoginWindow() { frm<frmLogin>()->showForm(); }
