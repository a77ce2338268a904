// Files, settings and the temporary folder under conditions a classroom machine produces: full
// disks, folders that vanish, locks never released, damaged settings, text that is not UTF-8.
#include "testing.h"

#include "sim/simstate.h"
#include "faults/faults.h"
#include "faults/frmfaults.h"
#include "platform/files.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QStringList leftovers(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\."));
}

TEST(AtomicWrite, ReplacesWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString file = dir.filePath("report.txt");
    put(file, "old report\r\n");
    ::chmod(QFile::encodeName(file).constData(), 0640);

    EXPECT_TRUE(writeFileAtomic(file, "new\r\n"));
    EXPECT_EQ(contents(file), "new\r\n");
    struct stat st;
    ::stat(QFile::encodeName(file).constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the permissions of the replaced file are kept";

    AtomicWrite unchanged;
    unchanged.skipUnchanged = true;
    EXPECT_FALSE(writeFileAtomic(file, "new\r\n", unchanged)) << "the same bytes are not written again";
    EXPECT_TRUE(writeFileAtomic(file, "newer\r\n", unchanged));

    {
        FileSizeLimit limit(4);
        EXPECT_EQ(errorOf([&] { writeFileAtomic(file, QByteArray(4096, 'x')); }), 61);
    }
    EXPECT_EQ(contents(file), "newer\r\n") << "a failed write leaves the previous file whole";
    EXPECT_TRUE(leftovers(dir.path()).isEmpty()) << leftovers(dir.path()).join(' ').toStdString();

    EXPECT_EQ(errorOf([&] { writeFileAtomic(dir.filePath("gone/x.txt"), "x"); }), 76);
    QDir(dir.path()).mkdir("folder.txt");
    EXPECT_EQ(errorOf([&] { writeFileAtomic(dir.filePath("folder.txt"), "x"); }), 75);
}

TEST(AtomicWrite, ARefusedTargetStaysAndALinkIsWrittenThrough) {
    QTemporaryDir dir;
    const QString ro = dir.filePath("read only.csv"), share = dir.filePath("share"), link = dir.filePath("results.csv");
    put(ro, "kept\r\n");
    ::chmod(QFile::encodeName(ro).constData(), 0444);
    QString why;
    try {
        writeFileAtomic(ro, "lost\r\n");
    } catch (const VbError& e) {
        why = e.description;
    }
    EXPECT_TRUE(why.contains(ro)) << "the message names the file: " << why.toStdString();
    EXPECT_EQ(contents(ro), "kept\r\n") << "a read-only file is not replaced, even by the superuser";

    QDir(dir.path()).mkdir("share");
    put(share + "/class.csv", "old\r\n");
    ASSERT_TRUE(QFile::link(share + "/class.csv", link));
    EXPECT_TRUE(writeFileAtomic(link, "new\r\n"));
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the link stays a link";
    EXPECT_EQ(contents(share + "/class.csv"), "new\r\n");
    EXPECT_TRUE(leftovers(share).isEmpty() && leftovers(dir.path()).isEmpty());

    ::chmod(QFile::encodeName(share + "/class.csv").constData(), 0444);
    EXPECT_EQ(errorOf([&] { writeFileAtomic(link, "x"); }), 75) << "a link to a read-only file";
    QFile::remove(share + "/class.csv");
    EXPECT_EQ(errorOf([&] { writeFileAtomic(link, "x"); }), 75) << "a link that leads nowhere";
    EXPECT_TRUE(QFileInfo(link).isSymLink() && !QFileInfo::exists(share + "/class.csv"));
}

// FIFOs, folders and missing files in place of data files are the scenarios' and the corpus's.
TEST(DataFiles, TextIsUtf8First) {
    EXPECT_EQ(decodeText("90 \xC2\xB0" "C"), QString::fromUtf8("90 °C"));
    EXPECT_EQ(decodeText("\xEF\xBB\xBF" "ok"), "ok");
    EXPECT_EQ(decodeText("90 \xB0" "C"), QString::fromLatin1("90 \xB0" "C")) << "not UTF-8: Latin-1";
}

TEST(TempFolder, IsAlwaysARealWritableFolderNeverAShortenedOne) {
    const QByteArray saved = qgetenv("TMPDIR");
    QTemporaryDir dir;
    qputenv("TMPDIR", (dir.path() + "/does-not-exist").toLocal8Bit());
    const QString fallback = GetTempFolder();
    EXPECT_EQ(fallback, QDir("/tmp").canonicalPath() + "/");

    // A long path is used whole (no 255-character cut that would point at the folder above).
    QString deep = dir.path();
    while (deep.size() < 300) deep += "/" + QString(40, 'd');
    ASSERT_TRUE(QDir().mkpath(deep));
    qputenv("TMPDIR", deep.toLocal8Bit());
    EXPECT_EQ(GetTempFolder(), QDir(deep).canonicalPath() + "/");
    qputenv("TMPDIR", saved);
}

TEST(Figures, ThoseNoReadOutCanShowCountAsNonNumbers) {
    for (const char* text : {"1e308", "-1e308", "inf", "nan", "1e10", "abc", ""}) {
        const Figure f = Figure::fromText(text);
        EXPECT_EQ(f.value(), 0) << text;
        EXPECT_FALSE(f.isText()) << text;
    }
    EXPECT_EQ(Figure::fromText("999999999.5").value(), 999999999.5);
}

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
        QDir().mkpath(dir_.path() + "/Vantorel");
        reloadSettings();
        setSettingsLockTimeout(50);
    }
    void TearDown() override {
        qputenv("XDG_CONFIG_HOME", saved_);
        reloadSettings();
        setSettingsLockTimeout(2000);
    }
    QString conf() const { return dir_.path() + "/Vantorel/Vantorel.conf"; }
    QTemporaryDir dir_;
    QByteArray saved_;
};

TEST_F(SettingsStore, ALockThatIsNeverReleasedFailsTheSaveAndLeavesTheFile) {
    put(conf(), "[Instruments]\nmileage=12\n");
    QLockFile held(conf() + ".lock");
    ASSERT_TRUE(held.lock());
    EXPECT_EQ(errorOf([] { SaveSetting("Instruments", "mileage", "13"); }), 75);
    held.unlock();
    EXPECT_EQ(contents(conf()), "[Instruments]\nmileage=12\n");
    SaveSetting("Instruments", "mileage", "13");
    reloadSettings();
    EXPECT_EQ(GetSetting("Instruments", "mileage", "0"), "13");
}

TEST_F(SettingsStore, DamagedSettingsCountAsDefaultsAndAreReplacedByACleanFile) {
    for (const QByteArray& damage : {QByteArray("\xEF\xBB\xBF[Instruments]\nmileage=12\n"),
                                     QByteArray("[Instruments]\nmileage\n"), QByteArray("\x93\x01=\xFF\xFE\x00zz", 8)}) {
        put(conf(), damage);
        reloadSettings();
        EXPECT_TRUE(settingsWereDamaged()) << damage.toHex().toStdString();
        EXPECT_EQ(GetSetting("Instruments", "mileage", "0"), "0");
        EXPECT_EQ(errorOf([] {
                      SaveSettings({{"Trip_Computer", "Trip_Distance", "1.5"}, {"Instruments", "mileage", "7"}});
                  }),
                  0)
            << "a read-format problem is no write failure";
        reloadSettings();
        EXPECT_FALSE(settingsWereDamaged());
        EXPECT_EQ(GetSetting("Instruments", "mileage", ""), "7");
        EXPECT_EQ(GetSetting("Trip_Computer", "Trip_Distance", ""), "1.5");
    }
}

TEST_F(SettingsStore, ASaveKeepsWhatAnotherInstanceWroteMeanwhile) {
    EXPECT_EQ(GetSetting("ZRsettings", "ZRsetting1", "1"), "1");
    put(conf(), "[ZRsettings]\nZRsetting1=0\n");
    SaveSetting("Instruments", "mileage", "5");
    reloadSettings();
    EXPECT_EQ(GetSetting("ZRsettings", "ZRsetting1", "1"), "0");
    EXPECT_EQ(GetSetting("Instruments", "mileage", ""), "5");
}

// The scan's report is replaced whole or not at all: a scanner reading it never sees half.
TEST(ScanReports, AReportThatCannotBeReplacedStaysAsItWas) {
    QTemporaryDir tmp;
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmp.path().toLocal8Bit());
    resetState();
    frmFaults* faults = frm<frmFaults>();
    faults->cmdClear_Click();
    CollectSystemData();
    const QString report = GetTempFolder() + "Faults.scn";
    const QByteArray before = contents(report);
    ASSERT_TRUE(before.startsWith("System faults found:"));
    testEvents().clear();
    {
        FileSizeLimit limit(16);
        faults->ctl<QCheckBox>("chkFault", 2)->setChecked(false);
    }
    EXPECT_EQ(contents(report), before);
    bool told = false;
    for (const QJsonObject& e : testEvents())
        told = told || e.value("text").toString().startsWith("Collect system data - Error number: 61 - Disk full");
    EXPECT_TRUE(told);
    faults->cmdClear_Click();
    EXPECT_TRUE(contents(report).contains("End of faults list..."));
    qputenv("TMPDIR", saved);
}

}  // namespace
