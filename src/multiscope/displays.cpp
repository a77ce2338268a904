#include "multiscope/displays.h"
#include "platform/language.h"
#include "platform/numbers.h"

#include "sim/simstate.h"
#include "multiscope/multiscope.h"
#include "multiscope/waveformfile.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"
#include "waveedit/waveedit.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {
struct Texts { Q_DECLARE_TR_FUNCTIONS(Displays) };

constexpr qint64 kPictureLimit = 32 * 1024 * 1024;

// Runs one statement of a routine whose statements are each skipped when they fail.
template <class F> void skipping(F&& body) {
    try {
        body();
    } catch (const VbError&) {
    }
}

QString rightThree(const QString& name) { return name.right(3); }

QImage loadPicture(const QString& path) {
    QByteArray bytes = readRegularFile(path, kPictureLimit);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) raiseError(481, QStringLiteral("Invalid picture"));  // untranslated: a runtime error's own name (the message that reports it translates it)
    return image;
}
}  // namespace

QString instrumentFilePath(const QString& name) {
    if (name.isEmpty()) return name;
    if (QFileInfo(name).isAbsolute()) return name;
    return findDataFile(name);
}

QString readTextFile(const QString& path, qint64 maxBytes) {
    const QByteArray bytes = readRegularFile(path, maxBytes);
    if (bytes.contains('\0')) raiseError(13, QStringLiteral("Type mismatch"));  // untranslated: a runtime error's own name (the message that reports it translates it)
    QString text = decodeText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

void ShowWaveform(const QString& file) {
    MultiScope* ms = frm<MultiScope>();
    ms->frontScope();
    // Any letter case of the extension names a waveform file ("Idle.MSF" too).
    if (!msf::isWaveformFileName(file)) return;
    CurrentWaveformFile = file;
    ms->flyback();
    ms->setReadingText("Signal");
    msf::closeChannel();
    const int records = msf::readWaveformFile(instrumentFilePath(file), Waveform);
    ms->setMeterText(Waveform[0]);
    // A sample that is no number (text, "nan", "inf", beyond the range of a number) is left out
    // of the trace; the user is told which, so a gap or a flat trace has its reason.
    const QStringList bad = msf::samplesNotNumbers(Waveform, records);
    if (bad.isEmpty()) return;
    MsgBox(bad.size() == 1 ? Texts::tr("%1; the trace leaves it out.").arg(msf::samplesNotNumbersText(bad, file))
                           : Texts::tr("%1; the trace leaves them out.").arg(msf::samplesNotNumbersText(bad, file)),
           MsgButtons::OK, MsgIcon::Exclamation);
}

void OpenWaveformEditor() {
    if (CurrentWaveformFile.right(3).toLower() == QLatin1String("msf")) {
        waveedit::openOnCurrentWaveform();
        return;
    }
    MsgBox(Texts::tr("A waveform file must be open before the editor can be used..."), MsgButtons::OK, MsgIcon::Information);
}

void ShowPicture(const QString& file) {
    MultiScope* ms = frm<MultiScope>();
    ms->frontPictures();
    CurrentPictureFile = file;
    skipping([ms] {
        if (CurrentPictureFile.isEmpty()) ms->showPictureImage(QImage(), QString());
        else ms->showPictureImage(loadPicture(instrumentFilePath(CurrentPictureFile)), CurrentPictureFile);
    });
    skipping([] {
        if (CurrentPictureFile.size() < 3) raiseError(5, QStringLiteral("Invalid procedure call or argument"));  // untranslated: a runtime error's own name (the message that reports it translates it)
        CurrentTextFile = CurrentPictureFile.left(CurrentPictureFile.size() - 3) + "txt";
    });
    skipping([ms] {
        FileNumber = 1;
        // The point's text in the program's language, where it is translated.
        const QString text = CurrentTextFile.isEmpty() || QFileInfo(CurrentTextFile).isAbsolute()
                                 ? instrumentFilePath(CurrentTextFile)
                                 : language::localisedDataFile(CurrentTextFile);
        ms->setInfoText(readTextFile(text));
    });
}

void ShowScanner(const QString& file) {
    MultiScope* ms = frm<MultiScope>();
    ms->frontScanner();
    ms->setScannerText(QString());
    if (rightThree(file) == QLatin1String("scn")) {
        CurrentScannerFile = file;
        FileNumber = 1;
        ms->setScannerText(readTextFile(instrumentFilePath(file)));
    }
}

void OpenInstrumentFile() {
    const auto report = [] { MsgBox(Texts::tr("File opening error..."), MsgButtons::OK, MsgIcon::Information); };
    auto step = [&](auto&& body) {
        try {
            body();
        } catch (const VbError&) {
            report();
        }
    };
    FileDialogRequest request;
    step([&] {
        request.mode = FileDialogRequest::Open;
        request.title = Texts::tr("Open");
        request.directory = appFolder();
        request.filter = Texts::tr("All Files (*.*);;Picture Files (*.jpg *.bmp *.gif);;Multiscope Files (*.msf)");
        // The filter of the device in front; the scanner and telemetry have none of their own.
        request.filterIndex = ToolMode >= 1 && ToolMode <= 3 ? int(ToolMode) : 1;
    });
    step([&] { SelectedFileName = platform().fileDialog(request); });
    const QString ext = SelectedFileName.right(3).toLower();
    step([&] {
        if (ext == QLatin1String("jpg") || ext == QLatin1String("bmp") || ext == QLatin1String("gif")) {
            CurrentPictureFile = SelectedFileName;
            ShowPicture(CurrentPictureFile);
        }
    });
    if (ext != QLatin1String("msf")) return;
    MultiScope* ms = frm<MultiScope>();
    step([&] { CurrentWaveformFile = SelectedFileName; });
    step([&] { ms->setReadingText("Signal"); });
    step([&] { ms->detachProbe(); });
    // A file opened is a file to see: the scope shows stored waveforms.
    step([&] { ms->setSource(MultiScope::Source::Stored); });
    step([&] {
        if (waveedit::editorShown()) OpenWaveformEditor();
    });
    step([&] { ms->setSweepRunning(true); });
    step([&] { ShowWaveform(CurrentWaveformFile); });
}
