// The instrument's data files beside the program: every connection point on the three circuit
// windows has its waveform, picture and text; the waveforms (the points' and the faults') are
// in the editor's quoted form. The points are found on the windows themselves, so a point
// added to a window without its files fails here.
#include "testing.h"

#include "multiscope/waveformfile.h"
#include "platform/form.h"
#include "platform/services.h"
#include "sim/catalogue.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <set>

namespace {

// The captions of the connection points (draggable labels) of the circuit windows.
std::set<QString> captions() {
    std::set<QString> all;
    for (const char* window : {"FRMsimulation", "frmStarting", "frmCharging"}) {
        Form* form = Forms::get(window);
        EXPECT_NE(form, nullptr) << window;
        const QList<DragLabel*> labels = form ? form->findChildren<DragLabel*>() : QList<DragLabel*>();
        EXPECT_FALSE(labels.isEmpty()) << window;
        for (const DragLabel* label : labels) all.insert(label->text());
    }
    return all;
}

// Data file names are looked up without regard to case, as the program does.
QString dataPath(const QString& name) { return findDataFile(name); }

// Exactly 51 lines, each one field in double quotes followed by CR LF, read back by the
// program's reader; the first the meter text, the other 50 whole numbers from -99 to 99.
void expectEditorsForm(const QString& name) {
    SCOPED_TRACE(name.toStdString());
    QFile f(dataPath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "cannot be opened";
    static const QRegularExpression quotedLines("^(\"[^\"\r\n]*\"\r\n){51}$");
    EXPECT_TRUE(quotedLines.match(QString::fromLatin1(f.readAll())).hasMatch()) << "not 51 quoted CR LF lines";
    QString records[msf::kRecords];
    ASSERT_EQ(msf::readWaveformFile(dataPath(name), records), msf::kRecords);
    EXPECT_TRUE(records[0].startsWith("  ")) << "the meter text starts with two spaces";
    static const QRegularExpression whole("^-?[0-9]{1,2}$");
    for (int i = 1; i < msf::kRecords; ++i)
        EXPECT_TRUE(whole.match(records[i]).hasMatch()) << "sample " << i << " is \"" << records[i].toStdString() << "\"";
}

TEST(InstrumentData, EachPointHasItsWaveformPictureAndText) {
    for (const QString& caption : captions()) {
        SCOPED_TRACE(caption.toStdString());
        expectEditorsForm(caption + ".msf");
        const QImage picture(dataPath(caption + ".jpg"));
        EXPECT_FALSE(picture.isNull()) << "the picture does not load";
        EXPECT_GE(picture.width(), 480);
        EXPECT_GE(picture.height(), 360);
        QFile f(dataPath(caption + ".txt"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "no text";
        const QByteArray bytes = f.readAll();
        for (const char c : bytes) {
            const bool plain = (c >= 32 && c < 127) || c == '\n' || c == '\r' || c == '\t';
            ASSERT_TRUE(plain) << "byte " << int(static_cast<unsigned char>(c)) << " is not plain text";
        }
        const QString text = QString::fromLatin1(bytes);
        const int words = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size();
        EXPECT_GE(words, 100);
        EXPECT_LE(words, 250);
        const auto match = faultNumber().match(text);
        EXPECT_FALSE(match.hasMatch()) << "names a fault number: \"" << match.captured().toStdString() << "\"";
    }
}

TEST(InstrumentData, FaultWaveformsAreInTheEditorsForm) {
    // Every waveform a fault puts in a point's place, and the blank trace of a stopped engine.
    QSet<QString> files{"Blank.msf"};
    for (const sim::FaultInfo& f : sim::faults())
        for (const sim::Indication& shown : f.shown)
            if (shown.kind == sim::Indication::Waveform) files << QString::fromUtf8(shown.text);
    EXPECT_GT(files.size(), 1);
    for (const QString& file : files) expectEditorsForm(file);
    QString blank[msf::kRecords];
    msf::readWaveformFile(dataPath("Blank.msf"), blank);
    EXPECT_EQ(QStringList(blank + 1, blank + msf::kRecords), QStringList(50, "0")) << "no signal is a flat zero line";
}

}  // namespace
