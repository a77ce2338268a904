#include "users/frmoptions.h"
#include "users/users.h"

#include "platform/status.h"
#include "app/options.h"
#include "challenges/session.h"
#include "users/classroom.h"
#include "users/classroomsetup.h"
#include "sim/simstate.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/theme.h"
#include "platform/vbtypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPushButton>

REGISTER_FORM(frmOptions)

namespace {
const char* const kCaptions[option::kCount] = {
    QT_TRANSLATE_NOOP("frmOptions", "Allow database and look up tables data to be edited"),
    QT_TRANSLATE_NOOP("frmOptions", "Show background picture"),
    QT_TRANSLATE_NOOP("frmOptions", "Show look up tables (hide ECU picture)"),
    QT_TRANSLATE_NOOP("frmOptions", "Show diagnostic screen at startup"),
    QT_TRANSLATE_NOOP("frmOptions", "Show faults screen at startup"),
    QT_TRANSLATE_NOOP("frmOptions", "Start engine when program starts"),
    QT_TRANSLATE_NOOP("frmOptions", "Show status bar"),
    QT_TRANSLATE_NOOP("frmOptions", "Show tip of the day at startup"),
    QT_TRANSLATE_NOOP("frmOptions", "Display 'User Details' at startup"),
    QT_TRANSLATE_NOOP("frmOptions", "Reset Trip computer at startup"),
};
constexpr int kRow = 360;  // twips from one box to the next
constexpr int kThemeTop = 180 + 10 * kRow + 60;  // the theme's row
constexpr int kLanguageTop = kThemeTop + 480;    // the language's row
constexpr int kClassTop = kLanguageTop + 480;    // the class folder's row
constexpr int kButtonTop = kClassTop + 1740;      // below the class folder's note
}  // namespace

frmOptions::frmOptions() : Form(Kind::Dialog) {
    parentToMainWindow(this);
    setCaption(tr("Options"));
    // The last option stands at the top.
    for (int i = 0; i < option::kCount; ++i) {
        Check1[i] = makeCheckBox(this, arrayName("Check1", i), tr(kCaptions[i]), T(240, 180 + (9 - i) * kRow, 5400, 330));
        // The click handling runs whenever a box's value changes, by the user or by the load.
        connect(Check1[i], &QCheckBox::toggled, this, guarded([this, i] { Check1_Click(i); }));
    }
    lblTheme = makeLabel(this, "lblTheme", tr("&Theme:"), T(240, kThemeTop + 45, 1200, 285));
    cboTheme = new QComboBox(this);
    cboTheme->setObjectName("cboTheme");
    cboTheme->setGeometry(twRect(1380, kThemeTop, 4260, 345));
    // In the order of theme::Kind.
    cboTheme->addItem(tr("Standard"));
    cboTheme->addItem(tr("Projector (high contrast)"));
    cboTheme->setAccessibleName(tr("Theme"));
    cboTheme->setFocusPolicy(Qt::StrongFocus);
    lblTheme->setBuddy(cboTheme);
    lblLanguage = makeLabel(this, "lblLanguage", tr("&Language:"), T(240, kLanguageTop + 45, 1200, 285));
    cboLanguage = new QComboBox(this);
    cboLanguage->setObjectName("cboLanguage");
    cboLanguage->setGeometry(twRect(1380, kLanguageTop, 4260, 345));
    // In the order of language::Choice; each language by its own name, as a reader of it looks for it.
    cboLanguage->addItem(tr("System"));
    cboLanguage->addItem(QStringLiteral("English"));  // untranslated: a language's own name
    cboLanguage->addItem(QStringLiteral("Deutsch"));  // untranslated: a language's own name
    cboLanguage->addItem(QStringLiteral("Español"));  // untranslated: a language's own name
    cboLanguage->setAccessibleName(tr("Language"));
    cboLanguage->setFocusPolicy(Qt::StrongFocus);
    lblLanguage->setBuddy(cboLanguage);
    lblClassFolder = makeLabel(this, "lblClassFolder", tr("Class &folder:"), T(240, kClassTop + 45, 1200, 285));
    txtClassFolder = makeTextBox(this, "txtClassFolder", QString(), T(1380, kClassTop, 3180, 345));
    txtClassFolder->setAccessibleName(tr("Class folder"));
    // A stored path longer than a text box usually takes is shown and kept whole.
    txtClassFolder->setMaxLength(1 << 20);
    lblClassFolder->setBuddy(txtClassFolder);
    cmdClassFolder = makeButton(this, "cmdClassFolder", tr("&Browse..."), T(4620, kClassTop, 1020, 345));
    cmdClassFolder->setAccessibleName(tr("Browse for the class folder"));
    lblClassFolderNote = makeLabel(this, "lblClassFolderNote", QString(), T(240, kClassTop + 400, 5400, 1290));
    lblClassFolderNote->setWordWrap(true);
    lblClassFolderNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(cmdClassFolder, &QPushButton::clicked, this, guarded([this] { cmdClassFolder_Click(); }));
    cmdOK = makeButton(this, "cmdOK", tr("&OK"), T(2400, kButtonTop, 1200, 375));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, guarded([this] { cmdOK_Click(); }));
}

void frmOptions::onLoad() {
    setTwips(500, 500, 5900, kButtonTop + 375 + 240);
    LoadOptions();
    // A box is ticked for the value 1 only: the program takes any other stored number as off,
    // and the box shows what the program does.
    for (int i = 0; i < option::kCount; ++i) Check1[i]->setChecked(OptionFlags[i] == 1);
    themeShown_ = theme::current().kind;
    cboTheme->setCurrentIndex(int(themeShown_));
    languageShown_ = language::chosenInSettings();
    cboLanguage->setCurrentIndex(int(languageShown_));

    // The user's own class folder, unless the classroom file decides it.
    const ClassroomConfig& config = classroomConfig();
    const QString file = QDir::toNativeSeparators(config.path);
    classFolderLocked_ = config.locksClassFolder();
    if (config.state == ClassroomConfig::State::Damaged) {
        classFolderShown_.clear();
        lblClassFolderNote->setText(tr("The classroom file \"%1\" cannot be used (%2): no class folder can be set here.")
                                        .arg(file, config.problem));
    } else if (classFolderLocked_) {
        classFolderShown_ = config.classFolder;
        lblClassFolderNote->setText(tr("Set by the classroom file \"%1\", which locks it.").arg(file));
    } else {
        classFolderShown_ = GetSetting("ZRsettings", "ZRclassFolder", "");
        lblClassFolderNote->setText(
            config.classFolder.isEmpty()
                ? tr("Where this seat hands its attempts in and finds the class's challenges. Empty: no class.")
                : tr("Where this seat hands its attempts in. Empty: the classroom file's \"%1\".")
                      .arg(QDir::toNativeSeparators(config.classFolder)));
    }
    txtClassFolder->setText(classFolderShown_);
    txtClassFolder->setReadOnly(classFolderLocked_);
    cmdClassFolder->setEnabled(!classFolderLocked_);
}

void frmOptions::cmdClassFolder_Click() {
    FileDialogRequest r;
    r.mode = FileDialogRequest::Folder;
    r.title = tr("Class Folder");
    r.directory = txtClassFolder->text().trimmed();
    const QString chosen = platform().fileDialog(r);
    if (!chosen.isEmpty()) txtClassFolder->setText(QDir::cleanPath(chosen));
}

bool frmOptions::classFolderAccepted() {
    const QString folder = txtClassFolder->text().trimmed();
    if (folder.isEmpty()) return true;
    if (!QDir::isAbsolutePath(folder)) {
        MsgBox(tr("The class folder \"%1\" is not an absolute path: give the whole path, from the top folder.").arg(folder),
               MsgButtons::OK, MsgIcon::Exclamation);
        txtClassFolder->setFocus();
        return false;
    }
    const classsetup::Report report = classsetup::checkFolder(folder);
    if (!report.hasProblems()) return true;
    // A share not mounted now may be there in class: the user decides.
    return MsgBox(tr("The class folder cannot be used now:\n\n%1\n\nAttempts wait on this computer until it can. Keep this "
                     "class folder?").arg(report.text()),
                  MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
}


void frmOptions::Check1_Click(int index) {
    // The diagnostic screen at start-up and the engine started at start-up exclude each other.
    if (index == 3 && Check1[3]->isChecked()) Check1[5]->setChecked(false);
    else if (index == 5 && Check1[5]->isChecked()) Check1[3]->setChecked(false);
}

void frmOptions::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        close();
        return;
    }
    Form::keyPressEvent(e);
}

void frmOptions::cmdOK_Click() {
    const bool classFolderChanged = !classFolderLocked_ && txtClassFolder->text().trimmed() != classFolderShown_.trimmed();
    if (classFolderChanged && !classFolderAccepted()) return;
    // Each step that fails is reported and the next one runs: the options still take effect
    // and the window still closes.
    auto step = [](auto&& f) {
        try {
            f();
        } catch (const VbError& e) {
            reportError(e.number, e.description, QString(), MsgIcon::Information);
        }
    };
    // The ten values go in one write, in index order: the store keeps all or none of them.
    step([this, classFolderChanged] {
        QList<SettingValue> values;
        for (int i = 0; i < option::kCount; ++i)
            values.append({"ZRsettings", optionSettingKey(i), Check1[i]->isChecked() ? "1" : "0"});
        if (classFolderChanged) values.append({"ZRsettings", "ZRclassFolder", QDir::cleanPath(txtClassFolder->text().trimmed())});
        const auto chosenTheme = theme::Kind(cboTheme->currentIndex());
        if (chosenTheme != themeShown_) values.append({theme::kSection, theme::kKey, theme::settingText(chosenTheme)});
        const auto chosenLanguage = language::Choice(cboLanguage->currentIndex());
        const bool languageChanged = chosenLanguage != languageShown_;
        if (languageChanged) values.append({language::kSection, language::kKey, language::settingText(chosenLanguage)});
        SaveSettings(values);
        // The windows are made in one language: the new one comes with the next start.
        if (languageChanged &&
            language::resolve(chosenLanguage) != language::current())
            MsgBox(tr("Vantorel speaks the language you chose from its next start."), MsgButtons::OK, MsgIcon::Information);
        // The seat hands in to the new folder from now on.
        if (classFolderChanged) forgetSeatClassFolder();
    });
    step([] { LoadOptions(); });
    step([] { ApplyOptions(); });
    unloadForm();
}

void ShowOptionsWindow() { frm<frmOptions>()->showForm(); }
