// The data texts in German and Spanish as they are installed in the program's folder: each is a
// translation of an English file of the same name, every text the student reads has one, and
// a translation keeps what the program reads from it (the faults list's entries) and every
// figure of the original.
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString programFolder() { return qEnvironmentVariable("VANTOREL_DATA"); }

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The texts a student reads: the points' texts, the faults list and the tips.
QStringList studentTexts() {
    QStringList out = QDir(programFolder()).entryList({"*.txt", "*.TXT"}, QDir::Files, QDir::Name);
    out.removeAll("track.txt");    // the telemetry circuit's points
    out.removeAll("website.txt");  // an address
    return out;
}

// The figures of a text (1.4, 60-2, 1500): in a translation with a decimal comma or point, and
// German's unit of engine speed (1/min) is no figure.
QStringList figures(QString text) {
    static const QRegularExpression number("\\d+(?:[.,]\\d+)?");
    text.remove(QStringLiteral("1/min"));
    QStringList out;
    for (auto m = number.globalMatch(text); m.hasNext();) out << m.next().captured().replace(',', '.');
    out.sort();
    return out;
}

const QStringList kLanguages{"de", "es"};

TEST(TranslatedTexts, EveryTextTheStudentReadsIsTranslated) {
    const QStringList texts = studentTexts();
    ASSERT_GT(texts.size(), 15);
    for (const QString& lang : kLanguages)
        for (const QString& name : texts)
            EXPECT_TRUE(QFile::exists(QDir(programFolder()).filePath(lang + "/" + name))) << (lang + "/" + name).toStdString();
}

TEST(TranslatedTexts, NoTranslationWithoutAnEnglishFileOfItsName) {
    for (const QString& lang : kLanguages) {
        const QDir dir(QDir(programFolder()).filePath(lang));
        for (const QString& name : dir.entryList(QDir::Files))
            EXPECT_TRUE(QFile::exists(QDir(programFolder()).filePath(name))) << (lang + "/" + name).toStdString();
    }
}

TEST(TranslatedTexts, TheFaultsListKeepsEveryEntryAndItsNumber) {
    static const QRegularExpression entry("^(\\d+) - ([^:\\n]+):", QRegularExpression::MultilineOption);
    auto numbers = [](const QString& text) {
        QList<int> out;
        for (auto m = entry.globalMatch(text); m.hasNext();) out << m.next().captured(1).toInt();
        return out;
    };
    const QList<int> english = numbers(readText(QDir(programFolder()).filePath("faults.txt")));
    ASSERT_EQ(english.size(), 44);
    for (const QString& lang : kLanguages)
        EXPECT_EQ(numbers(readText(QDir(programFolder()).filePath(lang + "/faults.txt"))), english) << lang.toStdString();
}

TEST(TranslatedTexts, PointTextsKeepTheirParagraphsAndFigures) {
    for (const QString& name : studentTexts()) {
        if (name == "faults.txt" || name == "TIPOFDAY.TXT") continue;
        const QString english = readText(QDir(programFolder()).filePath(name));
        for (const QString& lang : kLanguages) {
            SCOPED_TRACE((lang + "/" + name).toStdString());
            const QString translated = readText(QDir(programFolder()).filePath(lang + "/" + name));
            ASSERT_FALSE(translated.isEmpty());
            EXPECT_EQ(translated.trimmed().split(QRegularExpression("\\n\\s*\\n")).size(),
                      english.trimmed().split(QRegularExpression("\\n\\s*\\n")).size());
            EXPECT_EQ(figures(translated), figures(english));
        }
    }
}

}  // namespace
