// The program's language: the choice and what it comes to, the translators and number format it
// installs, and the data texts it picks.
#include "platform/language.h"
#include "platform/services.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Puts the program back into English in its own folder when a test ends.
struct LanguageGuard {
    QString folder = appFolder();
    ~LanguageGuard() {
        setAppFolder(folder);
        language::apply(QLocale::English);
    }
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

TEST(Language, SystemChoiceFollowsTheLocaleOnlyToALanguageTheProgramHas) {
    using language::Choice;
    EXPECT_EQ(language::resolve(Choice::System, QLocale(QLocale::German, QLocale::Austria)), QLocale::German);
    EXPECT_EQ(language::resolve(Choice::System, QLocale(QLocale::Spanish, QLocale::Mexico)), QLocale::Spanish);
    EXPECT_EQ(language::resolve(Choice::System, QLocale(QLocale::French, QLocale::France)), QLocale::English);
    EXPECT_EQ(language::resolve(Choice::System, QLocale::c()), QLocale::English);
    // A language chosen in the options wins over the system's.
    EXPECT_EQ(language::resolve(Choice::English, QLocale(QLocale::German)), QLocale::English);
    EXPECT_EQ(language::resolve(Choice::Spanish, QLocale(QLocale::German)), QLocale::Spanish);
}

TEST(Language, SettingTextsAndCodesReadBackAndRejectTheUnknown) {
    using language::Choice;
    for (Choice c : {Choice::System, Choice::English, Choice::German, Choice::Spanish}) {
        Choice back = Choice::System;
        ASSERT_TRUE(language::fromSettingText(language::settingText(c), &back));
        EXPECT_EQ(back, c);
    }
    Choice c = Choice::Spanish;
    EXPECT_TRUE(language::fromSettingText(" german ", &c));
    EXPECT_EQ(c, Choice::German);
    EXPECT_FALSE(language::fromSettingText("Klingon", &c));
    EXPECT_FALSE(language::fromSettingText(QString(), &c));
    EXPECT_EQ(c, Choice::German);  // untouched by a rejected text
    EXPECT_EQ(language::fromCode("DE"), QLocale::German);
    EXPECT_EQ(language::fromCode("fr"), QLocale::AnyLanguage);
}

TEST(Language, GermanShowsAndReadsADecimalCommaAndEnglishNoGroupSeparator) {
    LanguageGuard guard;
    ASSERT_TRUE(language::apply(QLocale::German));
    EXPECT_EQ(language::current(), QLocale::German);
    EXPECT_EQ(QLocale().toString(1.5, 'f', 2), "1,50");
    EXPECT_EQ(QLocale().toString(12345.5, 'f', 1), "12345,5");
    bool ok = false;
    EXPECT_DOUBLE_EQ(QLocale().toDouble("1,5", &ok), 1.5);
    EXPECT_TRUE(ok);
    // A dot is a group separator in German: taken as one, "1.5" would be fifteen. It is refused.
    QLocale().toDouble("1.5", &ok);
    EXPECT_FALSE(ok);
    // The program's own texts and Qt's.
    EXPECT_NE(QCoreApplication::translate("frmMainscreen", "&File"), "&File");

    ASSERT_TRUE(language::apply(QLocale::English));
    EXPECT_EQ(QLocale().toString(12345.5, 'f', 1), "12345.5");
    EXPECT_EQ(QCoreApplication::translate("frmMainscreen", "&File"), "&File");
}

TEST(Language, AMissingTranslationIsReportedAndLeavesEnglish) {
    LanguageGuard guard;
    QTemporaryDir empty;
    setAppFolder(empty.path());
    QString problem;
    EXPECT_FALSE(language::apply(QLocale::Spanish, &problem));
    EXPECT_TRUE(problem.contains("vantorel_es.qm")) << problem.toStdString();
    EXPECT_EQ(language::current(), QLocale::English);
    EXPECT_EQ(QLocale().toString(0.5, 'f', 1), "0.5");
    // English needs no file: it is the program's own text.
    problem.clear();
    EXPECT_TRUE(language::apply(QLocale::English, &problem));
    EXPECT_TRUE(problem.isEmpty());
}

TEST(Language, DataTextsAreTakenInTheLanguageWhereTheyExistWhateverTheCase) {
    LanguageGuard guard;
    QTemporaryDir dir;
    const QString root = dir.path();
    writeFile(root + "/faults.txt", "English list");
    writeFile(root + "/TIPOFDAY.TXT", "English tips");
    writeFile(root + "/DE/Faults.TXT", "Deutsche Liste");
    writeFile(root + "/DE/help/index.html", "<html></html>");
    setAppFolder(root);

    // English whatever is translated (and before any language is applied).
    EXPECT_EQ(language::localisedDataFile("faults.txt"), root + "/faults.txt");

    // German: the translated file, found without regard to case; an untranslated one in English.
    QDir().mkpath(root + "/translations");
    ASSERT_TRUE(QFile::copy(guard.folder + "/translations/vantorel_de.qm", root + "/translations/vantorel_de.qm"));
    ASSERT_TRUE(language::apply(QLocale::German));
    EXPECT_EQ(language::localisedDataFile("faults.txt"), root + "/DE/Faults.TXT");
    EXPECT_EQ(language::localisedDataFile("Faults.txt"), root + "/DE/Faults.TXT");
    EXPECT_EQ(language::localisedDataFile("help"), root + "/DE/help");
    EXPECT_EQ(language::localisedDataFile("TIPOFDAY.TXT"), root + "/TIPOFDAY.TXT");
    // Spanish has no folder here at all.
    QFile::copy(guard.folder + "/translations/vantorel_es.qm", root + "/translations/vantorel_es.qm");
    ASSERT_TRUE(language::apply(QLocale::Spanish));
    EXPECT_EQ(language::localisedDataFile("faults.txt"), root + "/faults.txt");
}
