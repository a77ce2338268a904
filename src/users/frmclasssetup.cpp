#include "users/frmclasssetup.h"

#include "platform/files.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/status.h"
#include "platform/vbtypes.h"
#include "sim/simstate.h"
#include "users/classroom.h"
#include "users/classroomsetup.h"
#include "users/users.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

REGISTER_FORM(frmClassSetup)

namespace {
template <class W> W* named(W* w, const char* name, const QString& accessible) {
    w->setObjectName(QLatin1String(name));
    w->setAccessibleName(accessible);
    w->setFocusPolicy(Qt::StrongFocus);
    return w;
}
}  // namespace

frmClassSetup::frmClassSetup() : Form(Kind::Dialog) {
    parentToMainWindow(this);
    setCaption(tr("Set Up Class"));

    auto* outer = new QVBoxLayout(this);
    lblFile = new QLabel(this);
    lblFile->setObjectName("lblFile");
    lblFile->setWordWrap(true);
    lblFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outer->addWidget(lblFile);

    auto* grid = new QGridLayout;
    int row = 0;
    auto label = [&](const char* name, const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setBuddy(buddy);
        grid->addWidget(l, row, 0);
    };
    txtFolder = named(new QLineEdit(this), "txtFolder", tr("Class folder"));
    txtFolder->setMaxLength(ClassroomConfig::kMaxBytes);
    cmdBrowse = named(new QPushButton(tr("&Browse..."), this), "cmdBrowse", tr("Browse for the class folder"));
    label("lblFolder", tr("Class &folder:"), txtFolder);
    grid->addWidget(txtFolder, row, 1);
    grid->addWidget(cmdBrowse, row++, 2);

    txtKey = named(new QLineEdit(this), "txtKey", tr("Class key"));
    cmdNewKey = named(new QPushButton(tr("&New Key"), this), "cmdNewKey", tr("Make a new random class key"));
    label("lblKey", tr("Class &key:"), txtKey);
    grid->addWidget(txtKey, row, 1);
    grid->addWidget(cmdNewKey, row++, 2);

    lblPassword = new QLabel(this);
    lblPassword->setObjectName("lblPassword");
    lblPassword->setWordWrap(true);
    grid->addWidget(lblPassword, row++, 1, 1, 2);
    txtPassword1 = named(new QLineEdit(this), "txtPassword1", tr("Instructor's password"));
    txtPassword2 = named(new QLineEdit(this), "txtPassword2", tr("Instructor's password again"));
    for (QLineEdit* e : {txtPassword1, txtPassword2}) e->setEchoMode(QLineEdit::Password);
    label("lblPassword1", tr("&Password:"), txtPassword1);
    grid->addWidget(txtPassword1, row++, 1);
    label("lblPassword2", tr("&Again:"), txtPassword2);
    grid->addWidget(txtPassword2, row++, 1);
    chkNoPassword = named(new QCheckBox(tr("Wit&hout an instructor's password (each user's own counts)"), this), "chkNoPassword",
                          tr("No instructor's password in the file"));
    grid->addWidget(chkNoPassword, row++, 1, 1, 2);
    chkLock = named(new QCheckBox(tr("&Lock the room: users' own password and class folder count for nothing"), this), "chkLock",
                    tr("Lock the room"));
    grid->addWidget(chkLock, row++, 1, 1, 2);
    cmbStudentId = named(new QComboBox(this), "cmbStudentId", tr("Student id"));
    cmbStudentId->addItem(tr("The computer account's name"));
    cmbStudentId->addItem(tr("An id each student types once"));
    label("lblStudentId", tr("Student &id:"), cmbStudentId);
    grid->addWidget(cmbStudentId, row++, 1);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    cmdCheck = named(new QPushButton(tr("&Check"), this), "cmdCheck", tr("Check the values and the class folder"));
    cmdWrite = named(new QPushButton(tr("&Write"), this), "cmdWrite", tr("Write the classroom file"));
    cmdMakeFolders = named(new QPushButton(tr("&Make Folders"), this), "cmdMakeFolders",
                           tr("Make the class folder's challenges and attempts folders"));
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose", tr("Close"));
    for (QPushButton* b : {cmdCheck, cmdWrite, cmdMakeFolders}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    outer->addLayout(buttons);

    txtReport = named(new QPlainTextEdit(this), "txtReport", tr("What the check found"));
    txtReport->setReadOnly(true);
    txtReport->setTabChangesFocus(true);
    outer->addWidget(txtReport, 1);

    lblText = new QLabel(this);
    lblText->setObjectName("lblText");
    lblText->setWordWrap(true);
    outer->addWidget(lblText);
    txtFileText = named(new QPlainTextEdit(this), "txtFileText", tr("The classroom file's text"));
    txtFileText->setReadOnly(true);
    txtFileText->setTabChangesFocus(true);
    lblText->setBuddy(txtFileText);
    outer->addWidget(txtFileText, 1);
    auto* textButtons = new QHBoxLayout;
    cmdCopy = named(new QPushButton(tr("C&opy"), this), "cmdCopy", tr("Copy the file's text"));
    cmdSaveText = named(new QPushButton(tr("&Save As..."), this), "cmdSaveText", tr("Save the file's text as a file"));
    textButtons->addWidget(cmdCopy);
    textButtons->addWidget(cmdSaveText);
    textButtons->addStretch(1);
    outer->addLayout(textButtons);

    connect(cmdBrowse, &QPushButton::clicked, this, guarded([this] { cmdBrowse_Click(); }));
    connect(cmdNewKey, &QPushButton::clicked, this, guarded([this] { cmdNewKey_Click(); }));
    connect(cmdCheck, &QPushButton::clicked, this, guarded([this] { cmdCheck_Click(); }));
    connect(cmdWrite, &QPushButton::clicked, this, guarded([this] { cmdWrite_Click(); }));
    connect(cmdMakeFolders, &QPushButton::clicked, this, guarded([this] { cmdMakeFolders_Click(); }));
    connect(cmdClose, &QPushButton::clicked, this, guarded([this] { unloadForm(); }));
    connect(cmdCopy, &QPushButton::clicked, this, guarded([this] { cmdCopy_Click(); }));
    connect(cmdSaveText, &QPushButton::clicked, this, guarded([this] { cmdSaveText_Click(); }));
    connect(chkNoPassword, &QCheckBox::toggled, this, guarded([this](bool none) {
        txtPassword1->setEnabled(!none);
        txtPassword2->setEnabled(!none);
    }));
}

void frmClassSetup::onLoad() {
    setTwips(600, 300, 10200, 9600);
    path_ = classsetup::classroomFileInUse();
    const ClassroomConfig config = ClassroomConfig::read(path_);
    const classsetup::Choices c = classsetup::fromConfig(config);
    const QString where = QDir::toNativeSeparators(path_);
    if (config.state == ClassroomConfig::State::Absent)
        lblFile->setText(tr("Classroom file: %1 (not there yet)").arg(where));
    else if (config.state == ClassroomConfig::State::Damaged)
        lblFile->setText(tr("Classroom file: %1 (cannot be used: %2)").arg(where, config.problem));
    else
        lblFile->setText(tr("Classroom file: %1").arg(where));
    txtFolder->setText(c.classFolder);
    // A class without a key is offered a new one; an existing key is kept.
    txtKey->setText(c.classKey.isEmpty() ? classsetup::newClassKey() : c.classKey);
    keptHash_ = c.passwordHash;
    // The hash is never shown in the password boxes: they are for a new password.
    lblPassword->setText(keptHash_.isEmpty() ? tr("The file gives no instructor's password yet: type one twice.")
                                             : tr("The file gives an instructor's password: leave both boxes empty to keep it, "
                                                  "or type a new one twice."));
    txtPassword1->clear();
    txtPassword2->clear();
    chkNoPassword->setChecked(false);
    chkLock->setChecked(c.lock);
    cmbStudentId->setCurrentIndex(c.studentId == StudentIdSource::Asked ? 1 : 0);
    txtReport->clear();
    for (QWidget* w : {static_cast<QWidget*>(lblText), static_cast<QWidget*>(txtFileText), static_cast<QWidget*>(cmdCopy),
                       static_cast<QWidget*>(cmdSaveText)})
        w->setVisible(false);
    txtFolder->setFocus();
}

void frmClassSetup::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        runGuarded([this] { unloadForm(); });
        return;
    }
    Form::keyPressEvent(e);
}

QByteArray frmClassSetup::textFromControls() {
    classsetup::Choices c;
    c.classFolder = txtFolder->text().trimmed();
    c.classKey = txtKey->text().trimmed();
    c.lock = chkLock->isChecked();
    c.studentId = cmbStudentId->currentIndex() == 1 ? StudentIdSource::Asked : StudentIdSource::Account;
    QStringList problems;
    if (!chkNoPassword->isChecked()) {
        const classsetup::TypedPassword typed = classsetup::hashTyped(txtPassword1->text(), txtPassword2->text());
        if (!typed.problem.isEmpty()) problems << typed.problem;
        c.passwordHash = typed.hash.isEmpty() ? keptHash_ : typed.hash;
    }
    problems += classsetup::choiceProblems(c);
    if (!problems.isEmpty()) {
        showReport(tr("The classroom file cannot be made from these values:"), problems.join(u'\n'));
        return QByteArray();
    }
    return classsetup::fileText(c);
}

void frmClassSetup::showReport(const QString& head, const QString& body) {
    txtReport->setPlainText(body.isEmpty() ? head : head + u'\n' + body);
}

void frmClassSetup::showTextForAdministrator(const QByteArray& text) {
    lblText->setText(tr("The file's &text, to copy or save and give to the administrator:"));
    txtFileText->setPlainText(QString::fromUtf8(text));
    for (QWidget* w : {static_cast<QWidget*>(lblText), static_cast<QWidget*>(txtFileText), static_cast<QWidget*>(cmdCopy),
                       static_cast<QWidget*>(cmdSaveText)})
        w->setVisible(true);
}

void frmClassSetup::cmdBrowse_Click() {
    FileDialogRequest r;
    r.mode = FileDialogRequest::Folder;
    r.title = tr("Class Folder");
    r.directory = txtFolder->text().trimmed();
    const QString chosen = platform().fileDialog(r);
    if (!chosen.isEmpty()) txtFolder->setText(QDir::cleanPath(chosen));
}

void frmClassSetup::cmdNewKey_Click() {
    // Every seat must have the same key: a new one is only for a class whose seats get this file.
    if (!txtKey->text().trimmed().isEmpty() &&
        MsgBox(tr("A new class key must be given to every seat of the class, and attempts handed in with the old key are "
                  "marked as changed in the dashboard. Make a new key?"),
               MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
        return;
    txtKey->setText(classsetup::newClassKey());
}

void frmClassSetup::cmdCheck_Click() {
    const QByteArray text = textFromControls();
    if (text.isEmpty()) return;
    // The values as they stand in the window (a file not written yet is checked as it would read).
    const classsetup::Report report = classsetup::checkConfig(ClassroomConfig::parse(text, QString()));
    bool same = false;
    try {
        same = readRegularFile(path_, ClassroomConfig::kMaxBytes) == text;
    } catch (const VbError&) {
    }
    showReport(same ? tr("The classroom file is as shown above. The check found:")
                    : tr("The values above (not written yet). The check found:"),
               report.text());
}

void frmClassSetup::cmdWrite_Click() {
    const QByteArray text = textFromControls();
    if (text.isEmpty()) return;
    const QString failed = classsetup::writeClassroomFile(path_, text);
    if (!failed.isEmpty()) {
        // What the administrator is given is checked all the same.
        showReport(tr("Not written. %1\n\nThe values above, checked:").arg(failed),
                   classsetup::checkConfig(ClassroomConfig::parse(text, QString())).text());
        showTextForAdministrator(text);
        return;
    }
    keptHash_ = ClassroomConfig::parse(text, path_).passwordHash;
    txtPassword1->clear();
    txtPassword2->clear();
    lblPassword->setText(keptHash_.isEmpty() ? tr("The file gives no instructor's password yet: type one twice.")
                                             : tr("The file gives an instructor's password: leave both boxes empty to keep it, "
                                                  "or type a new one twice."));
    for (QWidget* w : {static_cast<QWidget*>(lblText), static_cast<QWidget*>(txtFileText), static_cast<QWidget*>(cmdCopy),
                       static_cast<QWidget*>(cmdSaveText)})
        w->setVisible(false);
    showReport(tr("The classroom file \"%1\" is written. The program reads it when it starts: start it again on each seat for "
                  "the new values to take effect. The check found:")
                   .arg(QDir::toNativeSeparators(path_)),
               classsetup::checkFile(path_).text());
    SetStatus(tr("The classroom file is written."));
}

void frmClassSetup::cmdMakeFolders_Click() {
    const QString folder = txtFolder->text().trimmed();
    const QString failed = classsetup::makeClassFolders(folder);
    const classsetup::Report report = classsetup::checkFolder(folder);
    showReport(failed.isEmpty() ? tr("The class folder's folders are there. The check found:") : failed, report.text());
}

void frmClassSetup::cmdCopy_Click() {
    QGuiApplication::clipboard()->setText(txtFileText->toPlainText());
    SetStatus(tr("The classroom file's text is copied."));
}

void frmClassSetup::cmdSaveText_Click() {
    FileDialogRequest r;
    r.mode = FileDialogRequest::Save;
    r.title = tr("Save the Classroom File's Text As");
    r.filter = tr("Classroom files (*.conf);;All files (*)");
    r.directory = QDir::homePath();
    r.defaultName = QStringLiteral("classroom.conf");
    const QString path = platform().fileDialog(r);
    if (path.isEmpty()) return;
    try {
        writeFileAtomic(path, txtFileText->toPlainText().toUtf8());
    } catch (const VbError& e) {
        MsgBox(tr("The text could not be saved to \"%1\": %2").arg(QDir::toNativeSeparators(path), e.description), MsgButtons::OK,
               MsgIcon::Exclamation);
        return;
    }
    SetStatus(tr("The classroom file's text is saved."));
}

void ShowClassSetupWindow() {
    if (LoggedIn != True) {
        MsgBox(QCoreApplication::translate("frmClassSetup", "You must login before you can set up a class"), MsgButtons::OK,
               MsgIcon::Information);
        ShowLoginWindow();
        return;
    }
    frm<frmClassSetup>()->showForm();
}
