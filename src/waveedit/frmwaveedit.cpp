#include "frmwaveedit.h"

#include "sim/simstate.h"
#include "multiscope/displays.h"
#include "multiscope/instrument.h"
#include "multiscope/waveformfile.h"
#include "platform/guard.h"
#include "platform/picturebox.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QFileInfo>
#include <QFocusEvent>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QPushButton>
#include <QSlider>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

REGISTER_FORM(frmWaveEdit)

namespace waveedit {

double leadingNumber(const QString& text) {
    const QByteArray s = text.toLatin1();
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;
    const qsizetype start = i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    qsizetype digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0;
    qsizetype end = i;
    // An exponent counts only when digits follow it ("12e" reads 12).
    if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) {
            while (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
            end = j;
        }
    }
    QByteArray number = s.mid(start, end - start);
    for (char& c : number)
        if (c == 'd' || c == 'D') c = 'e';
    return std::strtod(number.constData(), nullptr);  // out of range: +-infinity, or 0 below
}

QString validSample(const QString& text) {
    QString t = text;
    if (t.isEmpty()) t = QStringLiteral("0");
    if (leadingNumber(t) == 0) t = QStringLiteral("0");
    if (leadingNumber(t) >= 99) t = QStringLiteral("99");
    if (leadingNumber(t) <= -99) t = QStringLiteral("-99");
    return t;
}

void openOnCurrentWaveform() { frmWaveEdit::openOnCurrentWaveform(); }

bool editorShown() {
    const Form* editor = Forms::find<frmWaveEdit>();
    return editor && editor->formVisible();
}

}  // namespace waveedit

using waveedit::kSamples;

namespace {

// Geometry in twips.
constexpr int kRowTop = 1320, kRowLeft = 180, kCell = 300;
constexpr int kZoomTop = 1620, kZoomCell = 600;
constexpr int kZoomPoints = 12;

int cellLeft(int i) { return kRowLeft + kCell * (i - 1); }

// The face of a cell in the row: the largest (up to 15 pixels) at which the widest value, "-99",
// fits inside the cell's frame, in a narrow face so that it stays readable in a small cell.
QFont rowCellFont(const QLineEdit* cell) {
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setStyleHint(QFont::SansSerif);
    const QRect inside = cell->contentsRect();
    const int frame = cell->hasFrame() ? 2 * cell->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, cell) : 0;
    const int room = std::max(1, inside.width() - frame), tall = std::max(1, inside.height() - frame);
    int px = 15;
    for (; px > 8; --px) {
        f.setPixelSize(px);
        const QFontMetrics fm(f);
        if (fm.horizontalAdvance(QStringLiteral("-99")) <= room && fm.ascent() + fm.descent() <= tall + 2) break;
    }
    f.setPixelSize(px);
    return f;
}

// "Current waveform is: name".
QString currentText(const QString& file) { return frmWaveEdit::tr("Current waveform is: %1").arg(file); }

// A cell that tells its window when the focus enters it, after the line edit has placed
// its caret.
class WaveCell : public QLineEdit {
public:
    WaveCell(QWidget* parent, std::function<void()> gotFocus) : QLineEdit(parent), gotFocus_(std::move(gotFocus)) {}

protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        runGuarded(gotFocus_);
    }

private:
    std::function<void()> gotFocus_;
};

// "Edit mode": the scope stopped and cleared.
void putScopeInEditMode() {
    instrument::setReadingText(frmWaveEdit::tr("Edit mode"));
    instrument::setSweepRunning(false);
    instrument::flyback();
}

// Errors the save commands tell apart; the rest are shown by number.
constexpr int kPermissionDenied = 70;
constexpr int kPathFileAccess = 75;
constexpr int kCancel = 32755;

QString errorNumberText(const VbError& e) {
    return frmWaveEdit::tr("Error number %1 %2").arg(QString::number(e.number), e.description);
}

// A waveform file is replaced only where the user may write: the folder must exist (76) and
// take new files (70), and a file already there must be a plain file that is not read only
// (75). A read-only file counts as read only even for an administrator.
void checkReplaceable(const QString& path) {
    const QFileInfo info(path);
    const QByteArray dir = QFile::encodeName(info.absolutePath());
    struct stat st;
    if (::stat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) raiseError(76, frmWaveEdit::tr("Path not found"));
    if (::access(dir.constData(), W_OK | X_OK) != 0) raiseError(kPermissionDenied, frmWaveEdit::tr("Permission denied"));
    const QByteArray file = QFile::encodeName(info.absoluteFilePath());
    if (::stat(file.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(file.constData(), W_OK) != 0)
            raiseError(kPathFileAccess, frmWaveEdit::tr("Path/File access error"));
    }
}

}  // namespace

frmWaveEdit::frmWaveEdit() : Form(Kind::MdiChild) {
    setCaption(tr("Waveform Editor"));

    lblWaveform = makeLabel(this, "lblWaveform", tr("Open waveform:"), T(180, 120, 15000, 300));
    {
        QFont f = lblWaveform->font();
        f.setBold(true);
        lblWaveform->setFont(f);
    }
    cmdMoveUp = makeButton(this, "cmdMoveUp", tr("Move all values one space to the right >"), T(180, 540, 4200, 375));
    cmdCopy = makeButton(this, "cmdCopy", tr("Copy first cell to all >>"), T(4560, 540, 3000, 375));
    Label2 = makeLabel(this, "Label2",
                       tr("Enter the Y (voltage) values of the waveform (-99 to 99) from left to right:"),
                       T(180, 1020, 12000, 285));
    Label1 = makeLabel(this, "Label1", tr("Enter the DMM reading:"), T(2520, 2340, 2940, 285));

    for (int i = 0; i <= kSamples; ++i) {
        auto* cell = new WaveCell(this, [this, i] { txtYvalue_GotFocus(i); });
        cell->setObjectName(arrayName("txtYvalue", i));
        cell->setAccessibleName(i == 0 ? tr("DMM reading") : tr("Y value %1").arg(i));
        txtYvalue[i] = cell;
        if (i == 0) {
            cell->setText("DMM");  // untranslated: the cell's text goes into the waveform file
            cell->setGeometry(twRect(2520, 2640, 2940, 540));
            QFont f(QStringLiteral("sans-serif"));
            f.setStyleHint(QFont::SansSerif);
            f.setPointSize(18);
            f.setBold(true);
            cell->setFont(f);
        } else {
            // A narrow cell: no margins, so that "-99" fits in 300 twips.
            cell->setTextMargins(0, 0, 0, 0);
            cell->setAlignment(Qt::AlignCenter);
            cell->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; }"));
            setLook(i, false);
        }
        connect(cell, &QLineEdit::textChanged, this, guarded([this, i] { txtYvalue_Change(i); }));
    }

    cmdFreezeWave = makeButton(this, "cmdFreezeWave", tr("Freeze Wave"), T(6000, 2640, 2160, 540));
    cmdSave = makeButton(this, "cmdSave", tr("Save and View Full Width"), T(8340, 2640, 3000, 540));
    cmdSaveAs = makeButton(this, "cmdSaveAs", tr("Save As..."), T(11520, 2640, 1680, 540));
    cmdCancel = makeButton(this, "cmdCancel", tr("Close"), T(13380, 2640, 1680, 540));
    cmdSave->installEventFilter(this);
    cmdSaveAs->installEventFilter(this);

    connect(cmdMoveUp, &QPushButton::clicked, this, guarded([this] { cmdMoveUp_Click(); }));
    connect(cmdCopy, &QPushButton::clicked, this, guarded([this] { cmdCopy_Click(); }));
    connect(cmdFreezeWave, &QPushButton::clicked, this, guarded([this] { cmdFreezeWave_Click(); }));
    connect(cmdSave, &QPushButton::clicked, this, guarded([this] { cmdSave_Click(); }));
    connect(cmdSaveAs, &QPushButton::clicked, this, guarded([this] { cmdSaveAs_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, guarded([this] { cmdCancel_Click(); }));
}

void frmWaveEdit::onLoad() {
    setTwips(50, 50, 15500, 4700);
    chdirToAppFolder();
}

void frmWaveEdit::onUnload() {
    instrument::showTerminalIfLoaded();
}

bool frmWaveEdit::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn && (watched == cmdSave || watched == cmdSaveAs))
        runGuarded([this] { cmdSave_GotFocus(); });
    return Form::eventFilter(watched, e);
}

// ---- Look ----

void frmWaveEdit::setLook(int i, bool enlarged) {
    if (i < 1 || i > kSamples) return;
    QLineEdit* cell = txtYvalue[i];
    const int size = enlarged ? kZoomCell : kCell;
    int left = cellLeft(i);
    if (enlarged) {
        // The left edge stays, unless the enlarged cell would stand past the window's right
        // edge (the last cells of the row): then it keeps inside the window.
        const int room = width() * 15 - kZoomCell - 30;
        if (room > 0 && left > room) left = room;
    }
    cell->setGeometry(twRect(left, enlarged ? kZoomTop : kRowTop, size, size));
    QFont f(QStringLiteral("serif"));
    if (enlarged) {
        f.setStyleHint(QFont::Serif);
        f.setPointSize(kZoomPoints);
        f.setBold(true);
    } else {
        f = rowCellFont(cell);
    }
    cell->setFont(f);
    if (enlarged) cell->raise();
    enlarged_[i] = enlarged;
}

bool frmWaveEdit::enlarged(int i) const { return i >= 1 && i <= kSamples && enlarged_[i]; }

void frmWaveEdit::normalLookAll() {
    for (int i = 1; i <= kSamples; ++i) setLook(i, false);
}

// ---- Opening ----

void frmWaveEdit::openOnCurrentWaveform() {
    // Each statement on its own: one that fails is skipped.
    auto skipping = [](auto&& body) {
        try {
            body();
        } catch (const VbError&) {
        }
    };
    frmWaveEdit* editor = nullptr;
    skipping([&] {
        editor = frm<frmWaveEdit>();
        editor->showForm();
        editor->lblWaveform->setText(currentText(CurrentWaveformFile));
    });
    skipping([] { instrument::setReadingText(tr("Edit mode")); });
    skipping([] { instrument::setSweepRunning(false); });
    skipping([] { instrument::flyback(); });
    if (!editor) return;
    // A file that cannot be opened, or a field that cannot be read, ends the reading there.
    skipping([&] {
        msf::WaveformReader reader(instrumentFilePath(CurrentWaveformFile));
        EditorLoadIndex = 0;
        while (!reader.atEnd()) {
            const QString field = reader.readField();
            if (EditorLoadIndex > kSamples) {
                EditorLoadIndex = kSamples;
                break;
            }
            editor->txtYvalue[int(EditorLoadIndex)]->setText(field);
            EditorLoadIndex = EditorLoadIndex + 1;
        }
    });
    msf::closeChannel();
}

void frmWaveEdit::showCurrentFile() {
    lblWaveform->setText(currentText(CurrentWaveformFile));
    putScopeInEditMode();
}

// ---- Cells ----

void frmWaveEdit::txtYvalue_Change(int /*index*/) { putScopeInEditMode(); }

void frmWaveEdit::txtYvalue_GotFocus(int index) {
    for (int i = 1; i <= kSamples; ++i) {
        setLook(i, false);
        const QString valid = waveedit::validSample(txtYvalue[i]->text());
        if (valid != txtYvalue[i]->text()) txtYvalue[i]->setText(valid);
    }
    if (index > 0) {
        setLook(index, true);
        txtYvalue[index]->end(true);  // selects from the caret to the end, as Shift+End does
    }
}

void frmWaveEdit::cmdSave_GotFocus() { normalLookAll(); }

QStringList frmWaveEdit::cellTexts() const {
    QStringList out;
    for (int i = 0; i <= kSamples; ++i) {
        QString t = txtYvalue[i]->text();
        t.replace(QLatin1String("\r\n"), QLatin1String(" "));
        t.replace(QLatin1Char('\r'), QLatin1Char(' '));
        t.replace(QLatin1Char('\n'), QLatin1Char(' '));
        out << t;
    }
    return out;
}

// ---- Row buttons ----

void frmWaveEdit::cmdCopy_Click() {
    if (MsgBox(tr("Are you sure you want to copy the first cell value to all the others?"), MsgButtons::YesNo) !=
        MsgAnswer::Yes)
        return;
    for (int i = 1; i <= kSamples; ++i) txtYvalue[i]->setText(txtYvalue[1]->text());
}

void frmWaveEdit::cmdMoveUp_Click() {
    if (MsgBox(tr("Are you sure you want to move all the cell values along by one?"), MsgButtons::YesNo) !=
        MsgAnswer::Yes)
        return;
    for (int i = kSamples - 1; i >= 1; --i) txtYvalue[i + 1]->setText(txtYvalue[i]->text());
}

void frmWaveEdit::cmdFreezeWave_Click() {
    if (ScopePaused != True) {
        ScopePaused = True;
        cmdFreezeWave->setText(tr("Un-Freeze..."));
    } else {
        ScopePaused = False;
        instrument::setSweepRunning(true);
        cmdFreezeWave->setText(tr("Freeze Wave"));
    }
}

// ---- Saving ----

void frmWaveEdit::writeCells(const QString& name) const {
    msf::closeChannel();
    const QString path = instrumentFilePath(name);
    checkReplaceable(path);
    msf::writeWaveformFile(path, cellTexts());
}

void frmWaveEdit::cmdSave_Click() {
    try {
        chdirToAppFolder();
        showCurrentFile();
        writeCells(CurrentWaveformFile);
        OpenWaveformEditor();
        PanelWidth = 0;
        instrument::viewUnderEditor(twipsGeometry());
        ShowWaveform(CurrentWaveformFile);
    } catch (const VbError& e) {
        if (e.number == kPermissionDenied || e.number == kPathFileAccess) {
            MsgBox(tr("Please try again and use the 'Save As...' option to choose another location or name.\r\n\r (%1"
                      ") may be read only)\r\n\rFiles must be saved in an area such as 'My Documents', where you "
                      "have permission to work...")
                       .arg(CurrentWaveformFile),
                   MsgButtons::OK, MsgIcon::Information);
        } else {
            MsgBox(errorNumberText(e), MsgButtons::OK, MsgIcon::Information);
        }
        chdirToAppFolder();
    }
}

void frmWaveEdit::cmdSaveAs_Click() {
    chdirToAppFolder();
    const QString previous = CurrentWaveformFile;
    const std::function<void()> steps[] = {
        [&] { showCurrentFile(); },
        [&] { msf::closeChannel(); },
        [&] {
            FileDialogRequest request;
            request.mode = FileDialogRequest::Save;
            request.title = tr("Save As");
            request.directory = appFolder();
            request.filter = tr("Multiscope Files (*.msf)");
            request.defaultName = CurrentWaveformFile;
            const QString chosen = platform().fileDialog(request);
            if (chosen.isEmpty()) raiseError(kCancel, QStringLiteral("Cancel was selected."));  // untranslated: caught below, never shown
            CurrentWaveformFile = chosen;
        },
        [&] { writeCells(CurrentWaveformFile); },
        [&] { OpenWaveformEditor(); },
        [&] { ShowWaveform(CurrentWaveformFile); },
        [&] { instrument::setSweepRunning(true); },
    };
    // A failed step is told and then tried once more with the previous name; a second failure
    // ends the command. A failed write is not retried: that would put the edits into the
    // previous file, which the user chose not to overwrite.
    bool retried = false;
    for (const auto& step : steps) {
        const bool writing = &step == &steps[3];
        for (;;) {
            try {
                step();
                break;
            } catch (const VbError& e) {
                CurrentWaveformFile = previous;
                if (e.number == kCancel) return;
                if (e.number == kPermissionDenied)
                    MsgBox(tr("Please try again! Files must be saved in an area such as 'My Documents', where you have "
                              "permission..."),
                           MsgButtons::OK, MsgIcon::Information);
                else if (e.number == kPathFileAccess)
                    MsgBox(tr("Please try again! Files must be saved in an area such as 'My Documents', where existing "
                              "files are not Read Only..."),
                           MsgButtons::OK, MsgIcon::Information);
                else
                    MsgBox(errorNumberText(e), MsgButtons::OK, MsgIcon::Information);
                chdirToAppFolder();
                if (retried || writing) return;
                retried = true;
            }
        }
    }
}

void frmWaveEdit::cmdCancel_Click() {
    normalLookAll();
    msf::closeChannel();
    PanelWidth = 3000;
    instrument::showTerminal(true);
    instrument::placeAsOpened();
    ScopePaused = False;
    try {
        ShowWaveform(CurrentWaveformFile);
    } catch (const VbError& e) {
        // The stored file is gone or unreadable: say so, and close all the same.
        MsgBox(errorNumberText(e), MsgButtons::OK, MsgIcon::Information);
    }
    unloadForm();
}

// ---- Script access ----

bool frmWaveEdit::scriptShow(const QString& control, const QString& index, QJsonObject& out) {
    if (control != QLatin1String("txtYvalue")) return false;
    bool ok = false;
    const int i = index.toInt(&ok);
    if (!ok || i < 0 || i > kSamples) return false;
    const QLineEdit* cell = txtYvalue[i];
    const auto rgb = [](const QColor& c) { return QJsonArray{c.red(), c.green(), c.blue()}; };
    out.insert("type", QString(cell->metaObject()->className()));
    out.insert("text", cell->text());
    out.insert("selected", cell->selectedText());
    out.insert("locked", cell->isReadOnly());
    out.insert("left", cell->x() * 15);
    out.insert("top", cell->y() * 15);
    out.insert("width", cell->width() * 15);
    out.insert("height", cell->height() * 15);
    out.insert("pointsize", cell->font().pointSize());
    out.insert("bold", cell->font().bold());
    out.insert("family", QFontInfo(cell->font()).family());
    out.insert("visible", !cell->isHidden());
    out.insert("enabled", cell->isEnabled());
    out.insert("fore", rgb(foreColor(cell)));
    out.insert("back", rgb(backColor(cell)));
    out.insert("tooltip", cell->toolTip());
    return true;
}
