// The guide and the tips as they are installed in the program's folder: every link of every
// page leads to a page, picture or anchor that is there, nothing leads out of the guide, every
// page can be reached from the contents, and neither the guide nor the tips name a fault by
// its number; every window's F1 leads to a page (and part) of the guide that is there.
#include "app/help/frmhelp.h"
#include "sim/simstate.h"
#include "platform/form.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include "multiscope/guidedtests.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

QString programFolder() { return qEnvironmentVariable("VANTOREL_DATA"); }

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The guide in `help`; a translated guide takes its pictures and style sheet from the English
// one (`shared`), as the help window does.
void checkGuide(const QDir& help, const QDir& shared) {
    const QStringList pages = help.entryList({"*.html"}, QDir::Files);
    ASSERT_TRUE(pages.contains("index.html"));
    ASSERT_TRUE(pages.contains("about.html"));

    static const QRegularExpression idAttr("\\bid=\"([^\"]+)\"");
    static const QRegularExpression linkAttr("\\b(href|src)=\"([^\"]*)\"");
    static const QRegularExpression tag("<[^>]*>");
    std::map<QString, std::set<QString>> ids;
    std::map<QString, std::set<QString>> linksTo;
    for (const QString& page : pages) {
        const QString html = readText(help.filePath(page));
        for (auto m = idAttr.globalMatch(html); m.hasNext();) ids[page].insert(m.next().captured(1));
        const auto named = faultNumber().match(QString(html).remove(tag));
        EXPECT_FALSE(named.hasMatch()) << page.toStdString() << " names a fault: " << named.captured().toStdString();
    }
    for (const QString& page : pages) {
        const QString html = readText(help.filePath(page));
        for (auto m = linkAttr.globalMatch(html); m.hasNext();) {
            const QString link = m.next().captured(2);
            SCOPED_TRACE(page.toStdString() + " -> " + link.toStdString());
            // The program's own links set a guided test up: the test must be there.
            if (link.startsWith(QLatin1String("vantorel:guided/"))) {
                EXPECT_NE(guided::testForKey(link.mid(16)), nullptr) << "no such guided test";
                continue;
            }
            if (link.isEmpty() || link.contains(':') || link.startsWith('/') || link.contains("..")) {
                ADD_FAILURE() << "leads out of the guide";
                continue;
            }
            const QString target = link.section('#', 0, 0).isEmpty() ? page : link.section('#', 0, 0);
            QFileInfo file(help.filePath(target));
            if (!file.exists() && !target.endsWith(".html")) file = QFileInfo(shared.filePath(target));
            if (!file.isFile()) {
                ADD_FAILURE() << "no such file";
                continue;
            }
            EXPECT_LT(file.size(), 150 * 1024) << "too large to ship";
            if (link.contains('#')) EXPECT_TRUE(ids[target].count(link.section('#', 1))) << "no such anchor";
            if (target.endsWith(".html")) linksTo[page].insert(target);
        }
    }

    std::set<QString> reached{"index.html"};
    QStringList queue{"index.html"};
    while (!queue.isEmpty())
        for (const QString& next : linksTo[queue.takeFirst()])
            if (reached.insert(next).second) queue.append(next);
    for (const QString& page : pages) EXPECT_TRUE(reached.count(page)) << page.toStdString() << " cannot be reached";
}

TEST(HelpContent, LinksLeadToPagesPicturesAndAnchorsOfTheGuide) {
    const QDir help(QDir(programFolder()).filePath("help"));
    checkGuide(help, help);
}

TEST(HelpContent, TheTranslatedGuidesAreWholeAndLinkAsTheEnglishOne) {
    const QDir english(QDir(programFolder()).filePath("help"));
    for (const QString lang : {"de", "es"}) {
        SCOPED_TRACE(lang.toStdString());
        const QDir help(QDir(programFolder()).filePath(lang + "/help"));
        ASSERT_TRUE(help.exists());
        // Every page of the English guide, and no other: a page missing here would be read in
        // English in the middle of the translated guide.
        EXPECT_EQ(help.entryList({"*.html"}, QDir::Files), english.entryList({"*.html"}, QDir::Files));
        checkGuide(help, english);
    }
}

TEST(HelpContent, EveryWindowHasItsOwnPageOfTheGuide) {
    const QDir help(QDir(programFolder()).filePath("help"));
    auto check = [&help](const QString& window, const QString& page) {
        SCOPED_TRACE(window.toStdString() + " -> " + page.toStdString());
        EXPECT_NE(page.section('#', 0, 0), "index.html") << "a window of its own has a page of its own";
        const QString html = readText(help.filePath(page.section('#', 0, 0)));
        ASSERT_FALSE(html.isEmpty()) << "no such page";
        if (page.contains('#')) EXPECT_TRUE(html.contains("id=\"" + page.section('#', 1) + "\"")) << "no such part";
    };
    const QStringList windows = Forms::names();
    ASSERT_GT(windows.size(), 10);
    for (const QString& name : windows)
        if (name != "frmHelp") check(name, helpPageFor(name));
    // The instrument's page follows the device in front.
    const int before = ToolMode;
    for (int mode : {2, 3, 4, 9}) {
        ToolMode = mode;
        check("MultiScope in mode " + QString::number(mode), helpPageFor("MultiScope"));
    }
    ToolMode = before;
    EXPECT_EQ(helpPageFor("frmMainscreen"), "index.html");
}

int checkTips(const QString& file) {
    const QString text = readText(file);
    const QStringList lines = text.split('\n');
    int tips = 0;
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty()) continue;
        ++tips;
        EXPECT_LT(line.size(), 200) << line.toStdString();
        EXPECT_FALSE(faultNumber().match(line).hasMatch()) << line.toStdString();
    }
    return tips;
}

TEST(HelpContent, TipsAreOnePerLineAndKeepTheFaultsSecret) {
    const int english = checkTips(QDir(programFolder()).filePath("TIPOFDAY.TXT"));
    EXPECT_GE(english, 40);
    // The translations give every tip, one a line.
    for (const QString lang : {"de", "es"})
        EXPECT_EQ(checkTips(QDir(programFolder()).filePath(lang + "/TIPOFDAY.TXT")), english) << lang.toStdString();
}

}  // namespace
