#include "frmdiagnostics.h"

#include "platform/website.h"
#include "sim/simstate.h"
#include "diagnostics/jobsheet.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QPushButton>
#include <limits>

REGISTER_FORM(frmDiagnostics)

namespace {
// A count as the screen's language writes it, without a group separator (4000, not 4,000).
QString countText(int n) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(n);
}
}  // namespace

// ---- Navigator ----

RecordNavigator::RecordNavigator(QWidget* parent, const QString& name, const QString& caption,
                                 const QRect& twips)
    : QFrame(parent) {
    setObjectName(name);
    setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(0);
    auto button = [&](const char* which, const QString& glyph, Move move) {
        auto* b = new QPushButton(glyph, this);
        b->setObjectName(name + "(" + which + ")");
        b->setFixedWidth(20);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, move] { emit arrow(move); });
        row->addWidget(b);
    };
    button("first", QStringLiteral("|\u25C0"), First);  // untranslated: object name and a glyph
    button("prev", QStringLiteral("\u25C0"), Previous);  // untranslated: object name and a glyph
    caption_ = new QLabel(caption, this);
    caption_->setObjectName(name + "(caption)");
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setAutoFillBackground(true);
    QFont small = caption_->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    caption_->setFont(small);
    setBackColor(caption_, Qt::white);
    row->addWidget(caption_, 1);
    button("next", QStringLiteral("\u25B6"), Next);  // untranslated: object name and a glyph
    button("last", QStringLiteral("\u25B6|"), Last);  // untranslated: object name and a glyph
}

QString RecordNavigator::caption() const { return caption_->text(); }

int RecordNavigator::target(Move move, int position, int count) {
    if (count <= 0) return -1;
    switch (move) {
    case First: return 0;
    case Previous: return qMax(0, position - 1);
    case Next: return qMin(count - 1, position + 1);
    case Last: return count - 1;
    }
    return position;
}

// ---- Window ----

frmDiagnostics::frmDiagnostics() {
    setCaption(tr("Diagnostic Database"));
    DataSystem = new RecordNavigator(this, "DataSystem", tr("Choose the vehicle system from the database >>"),
                                     T(120, 120, 5895, 375));
    cmbSystem = new QComboBox(this);
    cmbSystem->setObjectName("cmbSystem");
    cmbSystem->setEditable(true);
    cmbSystem->setInsertPolicy(QComboBox::NoInsert);
    cmbSystem->setGeometry(twRect(6120, 120, 5500, 375));
    cmbSystem->setEditText(tr("System . . ."));
    datRoutine = new RecordNavigator(this, "datRoutine", tr("Select the symptoms >>"), T(120, 720, 5895, 375));
    txbRoutine[0] = makeTextBox(this, arrayName("txbRoutine", 0), tr("Symptoms . . ."), T(6120, 720, 5500, 375));
    auto* ok = makeLabel(this, "lblOK", tr("OK Routine"), T(120, 1320, 5895, 300));
    auto* notOk = makeLabel(this, "Label1", tr("Not OK Action"), T(6120, 1320, 5500, 300));
    for (QLabel* l : {ok, notOk}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    for (int i = 1; i < RoutineRecord::kFields; ++i) {
        const bool main = i % 2 == 1;
        const int top = 1680 + 360 * ((i - 1) / 2);
        txbRoutine[i] = makeTextBox(this, arrayName("txbRoutine", i), QString(),
                                    main ? T(120, top, 5895, 330) : T(6120, top, 5500, 330));
    }
    for (int i = 0; i < RoutineRecord::kFields; ++i) {
        // Only what the user typed counts as a change, so a text too long for a box is never
        // written back cut short.
        connect(txbRoutine[i], &QLineEdit::textEdited, this, [this, i] { edited_[i] = true; });
        txbRoutine[i]->setMaxLength(std::numeric_limits<int>::max());
    }
    // What a screen reader calls the boxes and the arrows of the two record bars.
    txbRoutine[0]->setAccessibleName(tr("Symptoms"));
    for (int i = 1; i < RoutineRecord::kFields; ++i)
        txbRoutine[i]->setAccessibleName(i % 2 == 1 ? tr("OK routine, step %1").arg((i + 1) / 2)
                                                    : tr("Not OK action, step %1").arg(i / 2));
    cmbSystem->setAccessibleName(tr("Vehicle system"));
    const auto nameArrows = [](QWidget* bar, const QString& first, const QString& previous, const QString& next,
                               const QString& last) {
        const QString name = bar->objectName();
        bar->findChild<QWidget*>(name + "(first)")->setAccessibleName(first);
        bar->findChild<QWidget*>(name + "(prev)")->setAccessibleName(previous);
        bar->findChild<QWidget*>(name + "(next)")->setAccessibleName(next);
        bar->findChild<QWidget*>(name + "(last)")->setAccessibleName(last);
    };
    nameArrows(DataSystem, tr("First system"), tr("Previous system"), tr("Next system"), tr("Last system"));
    nameArrows(datRoutine, tr("First routine"), tr("Previous routine"), tr("Next routine"), tr("Last routine"));
    for (QLineEdit* box : txbRoutine) {
        // Disabled boxes are read-only routines, not absent ones: their text stays dark.
        QPalette p = box->palette();
        p.setColor(QPalette::Disabled, QPalette::Text, QColor(40, 40, 40));
        box->setPalette(p);
        box->setCursorPosition(0);
    }
    connect(DataSystem, &RecordNavigator::arrow, this, guarded([this](RecordNavigator::Move m) { DataSystem_Move(m); }));
    connect(datRoutine, &RecordNavigator::arrow, this, guarded([this](RecordNavigator::Move m) { datRoutine_Move(m); }));
    connect(cmbSystem, &QComboBox::editTextChanged, this,
            guarded([this](const QString& text) { cmbSystem_Change(text); }, Trap::skip()));
    if (QMdiArea* area = Forms::mdiArea()) {
        // Another window taking the focus is leaving this one: the edit is written back.
        connect(area, &QMdiArea::subWindowActivated, this, guarded([this](QMdiSubWindow* w) {
                    if (w && w != frame()) saveRoutine();
                }));
    }
    updateEnabled();
}

frmDiagnostics::~frmDiagnostics() = default;

void frmDiagnostics::fillClientArea() {
    if (QMdiArea* area = Forms::mdiArea()) {
        const QSize inner = area->viewport()->size();
        setTwips(0, 0, inner.width() * 15, inner.height() * 15);
    }
}

void frmDiagnostics::onLoad() { fillClientArea(); }

bool frmDiagnostics::onQueryUnload() {
    hideForm();
    return false;
}

void frmDiagnostics::hideEvent(QHideEvent* e) {
    Form::hideEvent(e);
    runGuarded([this] { saveRoutine(); });
}

void frmDiagnostics::connectDatabase() {
    QString error;
    if (!store_.open(databaseFileName(), &error)) raiseError(3078, error);
    loadSystems();
}

void frmDiagnostics::onActivate() {
    // A database file chosen in a file dialog takes over the routines, once for each newly
    // chosen file; one that is no routines database is refused and the current one stays.
    const QString chosen = SelectedFileName;
    if (!chosen.endsWith(QLatin1String(".db"), Qt::CaseInsensitive) || chosen == switchedFile_) return;
    switchedFile_ = chosen;
    saveRoutine();
    QString error;
    if (!store_.open(chosen, &error)) {
        MsgBox(tr("%1\r\rThe routines stay those of '%2'.").arg(error, QFileInfo(store_.fileName()).fileName()),
               MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    loadSystems();
}

void frmDiagnostics::loadSystems() {
    systems_ = store_.systems();
    table_.clear();
    records_.clear();
    fields_ = {};
    recordPos_ = -1;
    systemPos_ = systems_.isEmpty() ? -1 : 0;
    showSystem();
    // The routines follow the system's name; a name that is no table leaves them empty.
    showRecord();
}

void frmDiagnostics::showSystem() {
    const QString name = systemPos_ >= 0 ? systems_[systemPos_] : QString();
    if (cmbSystem->currentText() == name) cmbSystem_Change(name);
    else cmbSystem->setEditText(name);
}

void frmDiagnostics::DataSystem_Move(RecordNavigator::Move move) {
    saveRoutine();
    const int to = RecordNavigator::target(move, systemPos_, systems_.size());
    if (to < 0 || to == systemPos_) return;
    systemPos_ = to;
    showSystem();
}

void frmDiagnostics::datRoutine_Move(RecordNavigator::Move move) {
    saveRoutine();
    const int to = RecordNavigator::target(move, recordPos_, records_.size());
    if (to < 0 || to == recordPos_) return;
    recordPos_ = to;
    showRecord();
}

void frmDiagnostics::cmbSystem_Change(const QString& text) {
    // Every change of the name, typed or stepped to, selects that table; a name that is no
    // routines table changes nothing.
    if (!store_.isOpen() || !store_.hasRoutines(text)) return;
    selectTable(text);
}

void frmDiagnostics::selectTable(const QString& table) {
    saveRoutine();
    table_ = table;
    records_ = store_.records(table);
    fields_ = store_.fieldsOf(table);
    recordPos_ = records_.isEmpty() ? -1 : 0;
    showRecord();
}

void frmDiagnostics::showRecord() {
    edited_ = {};
    for (int i = 0; i < RoutineRecord::kFields; ++i) {
        const QString text = recordPos_ >= 0 ? records_[recordPos_].text[i] : QString();
        // A text far longer than anyone types (pasted, or a damaged file) would hold the window
        // for seconds: the box shows its start and cannot edit it, so the stored text stays whole.
        const bool cut = text.size() > kShownCharacters;
        txbRoutine[i]->setReadOnly(cut);
        if (cut) {
            txbRoutine[i]->setText(text.left(kShownCharacters) + QChar(0x2026));
            txbRoutine[i]->setToolTip(tr("This text is %1 characters long; the box shows the first %2 and it cannot be edited here.")
                                          .arg(countText(text.size()), countText(kShownCharacters)));
        } else {
            txbRoutine[i]->setText(text);
            // The whole text, for a step longer than its box.
            txbRoutine[i]->setToolTip(text);
        }
        txbRoutine[i]->setCursorPosition(0);
    }
    updateEnabled();
}

void frmDiagnostics::updateEnabled() {
    for (int i = 0; i < RoutineRecord::kFields; ++i)
        txbRoutine[i]->setEnabled(editable_ && recordPos_ >= 0 && fields_[i]);
}

void frmDiagnostics::setRoutinesEnabled(bool enabled) {
    // An edit made while editing was allowed is kept.
    if (!enabled) saveRoutine();
    editable_ = enabled;
    updateEnabled();
}

void frmDiagnostics::saveRoutine() {
    if (!editable_ || saving_ || recordPos_ < 0 || recordPos_ >= records_.size()) return;
    RoutineRecord after = records_[recordPos_];
    for (int i = 0; i < RoutineRecord::kFields; ++i)
        if (fields_[i] && edited_[i]) after.text[i] = txbRoutine[i]->text();
    if (after.text == records_[recordPos_].text) return;
    saving_ = true;
    struct Done {
        bool& b;
        ~Done() { b = false; }
    } done{saving_};
    QString error;
    if (store_.write(table_, records_[recordPos_], after, &error)) {
        records_[recordPos_] = after;
        edited_ = {};
        return;
    }
    // The file keeps what it had; so does the window.
    showRecord();
    MsgBox(error, MsgButtons::OK, MsgIcon::Exclamation);
}

bool frmDiagnostics::scriptShow(const QString& control, const QString& index, QJsonObject& out) {
    if (!index.isEmpty() || (control != "DataSystem" && control != "datRoutine")) return false;
    const bool systems = control == "DataSystem";
    out.insert("caption", (systems ? DataSystem : datRoutine)->caption());
    out.insert("file", QFileInfo(store_.fileName()).fileName());
    out.insert("table", systems ? QStringLiteral("Systems") : table_);
    out.insert("record", (systems ? systemPos_ : recordPos_) + 1);
    out.insert("count", systems ? systems_.size() : records_.size());
    out.insert("visible", !(systems ? DataSystem : datRoutine)->isHidden());
    return true;
}

void frmDiagnostics::printJobSheet() {
    // Cancel in the printer dialog prints nothing.
    const int copies = platform().printerDialog();
    if (copies <= 0) return;
    try {
        JobSheet sheet;
        sheet.system = cmbSystem->currentText();
        bool cut = false;
        for (int i = 0; i < RoutineRecord::kFields; ++i) {
            sheet.fields[i] = txbRoutine[i]->text();
            cut = cut || txbRoutine[i]->isReadOnly();
        }
        if (cut)
            MsgBox(tr("Some texts of this routine are longer than %1 characters: the job sheet prints the first %1 of each.")
                       .arg(countText(kShownCharacters)),
                   MsgButtons::OK, MsgIcon::Information);
        sheet.company = GetSetting("ZRsettings", "ZRuserCompany", "");
        sheet.address = GetSetting("ZRsettings", "ZRuserAddress", "");
        sheet.telephone = GetSetting("ZRsettings", "ZRuserTelephone", "");
        sheet.technician = GetSetting("ZRsettings", "ZRuserName", "");
        // The address the About window and the Help menu open; a website.txt that cannot be
        // used leaves the line empty rather than stopping the print.
        sheet.webAddress = webSiteAddress().target;
        for (int copy = 0; copy < copies; ++copy) {
            // Each copy is a job of its own, dated when it is printed.
            sheet.dateTime = generalDate(platform().now());
            if (!platform().printDocument(sheet.document())) raiseError(482, "Printer error");  // untranslated: caught below, never shown
        }
    } catch (const VbError&) {
        MsgBox(tr("There was a problem printing to your printer."), MsgButtons::OK, MsgIcon::None);
    }
}

void PrintJobSheet() {
    if (auto* diag = Forms::get<frmDiagnostics>()) diag->printJobSheet();
}
