// The gradebook as the learning platforms import it (Moodle's grade import, Canvas's gradebook
// import, a spreadsheet), the grade each score rule chooses, the dashboard's students by
// identifier, and the attempts as xAPI statements for a learning record store.
#include "challenges/classresults.h"
#include "challenges/gradebook.h"
#include "challenges/xapi.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace {

AttemptRecord attempt(const QString& id, const QString& name, const QString& challenge, int score, const QString& at,
                      ScoreRule rule = ScoreRule::Best) {
    static int n = 0;
    AttemptRecord r;
    r.id = QStringLiteral("attempt-%1").arg(++n);
    r.student = name;
    r.studentId = id;
    r.challenge = challenge;
    r.started = QDateTime::fromString("2026-12-08T" + at, Qt::ISODate);
    r.seconds = 120;
    r.answer = "A - B";
    r.right = score >= 50;
    r.score = score;
    r.scoreCounts = rule;
    r.file = r.id + ".vat";
    return r;
}

QList<int> every(const QList<AttemptRecord>& list) {
    QList<int> rows;
    for (int i = 0; i < list.size(); ++i) rows << i;
    return rows;
}

// Reads a CSV file as a platform does (RFC 4180: fields quoted with doubled quotes inside,
// CR LF between records); the byte-order mark must be there and is taken off.
QList<QStringList> readCsv(const QByteArray& bytes) {
    const QByteArray bom("\xEF\xBB\xBF");
    EXPECT_TRUE(bytes.startsWith(bom)) << "no byte-order mark";
    const QString text = QString::fromUtf8(bytes.mid(bom.size()));
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false, any = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') field += u'"', ++i;
            else if (c == u'"') quoted = false;
            else field += c;
        } else if (c == u'"') quoted = any = true;
        else if (c == u',') row << field, field.clear(), any = true;
        else if (c == u'\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == u'\n') << "a CR without LF";
            row << field;
            rows << row;
            row.clear(), field.clear(), any = false;
            ++i;
        } else if (c == u'\n') {
            ADD_FAILURE() << "a line ends in LF alone";
        } else field += c, any = true;
    }
    EXPECT_FALSE(any) << "the last line has no CR LF";
    return rows;
}

const QRegularExpression kNumber("^[0-9]+(\\.[0-9]+)?$");

// Names in several scripts, as students type them.
const QStringList kNames = {"Renée Dubois-Çelik", "Αλέξανδρος Παπαδόπουλος", "Дмитрий Иванов", "محمد الأحمد",
                            "李小龍", "Sam 🚗 Student"};

}  // namespace

TEST(Gradebook, EachRuleChoosesItsGrade) {
    // Handed in out of order: the first started scored 70, the last 55, the best 90.
    const QList<AttemptRecord> list = {attempt("s", "Sam", "C", 90, "10:00:00"), attempt("s", "Sam", "C", 55, "11:00:00"),
                                       attempt("s", "Sam", "C", 70, "09:00:00")};
    const QList<const AttemptRecord*> three = {&list[0], &list[1], &list[2]};
    EXPECT_EQ(gradeOf(three, ScoreRule::Best), 90);
    EXPECT_EQ(gradeOf(three, ScoreRule::First), 70);
    EXPECT_EQ(gradeOf(three, ScoreRule::Last), 55);
    EXPECT_EQ(gradeOf(three, ScoreRule::Mean), 72);  // 71.67
    // The mean is rounded to whole points, halves up.
    const QList<AttemptRecord> halves = {attempt("s", "Sam", "C", 82, "09:00:00"), attempt("s", "Sam", "C", 83, "10:00:00"),
                                         attempt("s", "Sam", "C", 0, "11:00:00"), attempt("s", "Sam", "C", 1, "12:00:00")};
    EXPECT_EQ(gradeOf({&halves[0], &halves[1]}, ScoreRule::Mean), 83);
    EXPECT_EQ(gradeOf({&halves[2], &halves[3]}, ScoreRule::Mean), 1);
    EXPECT_EQ(gradeOf({&halves[2], &halves[2], &halves[3]}, ScoreRule::Mean), 0);  // 0.33
    EXPECT_EQ(gradeOf({&halves[3]}, ScoreRule::Mean), 1);

    // In the gradebook each challenge takes the rule of its latest attempt.
    QList<AttemptRecord> book = list;
    for (AttemptRecord& r : book) r.scoreCounts = ScoreRule::Last;
    book.append(attempt("t", "Tia", "C", 100, "08:00:00", ScoreRule::Best));  // written under an older rule
    book.append(attempt("t", "Tia", "C", 20, "08:30:00", ScoreRule::Best));
    const Gradebook g(book, every(book));
    ASSERT_EQ(g.rows().size(), 2);
    EXPECT_EQ(g.rows()[0].name, "Sam");
    EXPECT_EQ(g.rows()[0].grades, QList<std::optional<int>>{55});
    EXPECT_EQ(g.rows()[1].grades, QList<std::optional<int>>{20});
}

TEST(Gradebook, OneRowPerStudentIdentifier) {
    const QList<AttemptRecord> list = {
        attempt("s1", "Sam Lee", "Battery", 40, "09:00:00"), attempt("s2", "Sam Lee", "Battery", 90, "09:05:00"),
        // One student who spelled their name two ways: the latest spelling is theirs.
        attempt("k7", "Zoe Novak", "Battery", 30, "09:00:00"), attempt("k7", "Zoë Novák", "Starter", 80, "10:00:00"),
        attempt("k7", "Zoe Novak", "Battery", 60, "09:30:00"),
        // Attempts written before there were identifiers: one student by name.
        attempt("", "Ann Old", "Starter", 10, "09:00:00"), attempt("", "Ann Old", "Starter", 20, "09:10:00"),
        // Two students who gave no name.
        attempt("n1", "", "Battery", 15, "09:00:00"), attempt("n2", " ", "Battery", 25, "09:00:00")};
    const Gradebook g(list, every(list));
    EXPECT_EQ(g.challenges(), QStringList({"Battery", "Starter"}));
    ASSERT_EQ(g.rows().size(), 6);
    QHash<QString, Gradebook::Row> by;
    for (const Gradebook::Row& r : g.rows()) by.insert(r.key, r);
    EXPECT_EQ(by["s1"].grades, (QList<std::optional<int>>{40, std::nullopt}));
    EXPECT_EQ(by["s2"].grades, (QList<std::optional<int>>{90, std::nullopt}));
    EXPECT_EQ(by["k7"].name, "Zoë Novák");
    EXPECT_EQ(by["k7"].grades, (QList<std::optional<int>>{60, 80}));
    EXPECT_EQ(by["Ann Old"].id, "");
    EXPECT_EQ(by["Ann Old"].grades, (QList<std::optional<int>>{std::nullopt, 20}));
    EXPECT_EQ(by["n1"].grades, (QList<std::optional<int>>{15, std::nullopt}));
    EXPECT_EQ(by["n2"].grades, (QList<std::optional<int>>{25, std::nullopt}));

    // The dashboard's filter lists them the same way.
    QTemporaryDir dir;
    for (int i = 0; i < list.size(); ++i) {
        QFile f(dir.filePath(QString("%1.vat").arg(i)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(attemptfile::bytesOf(list[i], QByteArray()));
    }
    ClassResults results;
    results.load(dir.path(), QByteArray());
    ASSERT_EQ(results.attempts().size(), list.size());
    const QStringList keys = results.students();
    QStringList labels;
    for (const QString& k : keys) labels << results.studentLabel(k);
    EXPECT_EQ(labels, QStringList({"(no name) (n1)", "(no name) (n2)", "Ann Old", "Sam Lee (s1)", "Sam Lee (s2)", "Zoë Novák (k7)"}));
    EXPECT_EQ(results.select(QString(), "s2").size(), 1);
    EXPECT_EQ(results.select(QString(), "k7").size(), 3);
    EXPECT_EQ(results.select("Battery", "k7").size(), 2);
    // The table keeps a student's attempts together even where they spelled the name otherwise.
    QStringList order;
    for (int i : results.select(QString(), QString())) order << results.attempts()[i].studentKey();
    EXPECT_EQ(order, QStringList({"n1", "n2", "Ann Old", "Ann Old", "s1", "s2", "k7", "k7", "k7"}));
}

TEST(Gradebook, MoodleImportLayout) {
    QList<AttemptRecord> list;
    for (int i = 0; i < kNames.size(); ++i)
        list << attempt(QString("u%1").arg(i), kNames[i], "Flat battery", 10 * i, "09:00:00");
    list << attempt("u0", kNames[0], "No start, dash lamp off", 75, "10:00:00");
    // Identifiers a spreadsheet would run are the platform's to match: written as they are.
    list << attempt("=1+2", "Formula Id", "Flat battery", 50, "09:00:00");
    list << attempt("-007", "@Hal", "Flat battery", 60, "09:00:00");
    const Gradebook g(list, every(list));
    const QList<QStringList> rows = readCsv(g.csv(GradebookLayout::Moodle));
    ASSERT_EQ(rows.size(), 1 + kNames.size() + 2);
    // A user identifier column first (mapped to username or ID number in the import), the full
    // name beside it (ignored by the import), then one column per grade item.
    EXPECT_EQ(rows[0], QStringList({"Username", "Full name", "Flat battery", "No start, dash lamp off"}));
    QHash<QString, QStringList> byId;
    for (const QStringList& row : rows.mid(1)) {
        ASSERT_EQ(row.size(), rows[0].size()) << row.join('|').toStdString();
        EXPECT_FALSE(byId.contains(row[0]));
        byId.insert(row[0], row);
        for (const QString& cell : row.mid(2))
            EXPECT_TRUE(cell.isEmpty() || kNumber.match(cell).hasMatch()) << cell.toStdString();
    }
    for (int i = 0; i < kNames.size(); ++i) {
        const QStringList row = byId.value(QString("u%1").arg(i));
        ASSERT_FALSE(row.isEmpty()) << i;
        EXPECT_EQ(row[1], kNames[i]);  // every script as typed
        EXPECT_EQ(row[2], QString::number(10 * i));
        EXPECT_EQ(row[3], i == 0 ? "75" : "");
    }
    EXPECT_EQ(byId.value("=1+2").value(2), "50");
    EXPECT_EQ(byId.value("-007").value(1), "'@Hal");  // a name is not matched: made text
    const QString warned = g.warnings(GradebookLayout::Moodle).join(' ');
    EXPECT_TRUE(warned.contains("=1+2") && warned.contains("-007")) << warned.toStdString();
}

TEST(Gradebook, CanvasImportLayout) {
    QList<AttemptRecord> list;
    for (int i = 0; i < kNames.size(); ++i) list << attempt(QString("login%1").arg(i), kNames[i], "Flat battery", 5 * i, "09:00:00");
    list << attempt("login2", kNames[2], "Starter \"clicks\"", 100, "09:40:00");
    const Gradebook g(list, every(list));
    const QList<QStringList> rows = readCsv(g.csv(GradebookLayout::Canvas));
    ASSERT_EQ(rows.size(), 2 + kNames.size());
    EXPECT_EQ(rows[0], QStringList({"Student", "ID", "SIS User ID", "SIS Login ID", "Section", "Flat battery", "Starter \"clicks\""}));
    // The points of each assignment on the second line, as Canvas writes its own export.
    EXPECT_EQ(rows[1].value(0).trimmed(), "Points Possible");
    EXPECT_EQ(rows[1].mid(1, 4), QStringList({"", "", "", ""}));
    EXPECT_EQ(rows[1].mid(5), QStringList({"100", "100"}));
    QSet<QString> logins;
    for (const QStringList& row : rows.mid(2)) {
        ASSERT_EQ(row.size(), rows[0].size());
        EXPECT_EQ(row[1], "");  // Canvas's own user number is not known here
        EXPECT_EQ(row[2], "");
        EXPECT_EQ(row[4], "");
        logins.insert(row[3]);
        const int i = kNames.indexOf(row[0]);
        ASSERT_GE(i, 0) << row[0].toStdString();
        EXPECT_EQ(row[3], QString("login%1").arg(i));
        EXPECT_EQ(row[5], QString::number(5 * i));
        EXPECT_EQ(row[6], i == 2 ? "100" : "");
        for (const QString& cell : row.mid(5)) EXPECT_TRUE(cell.isEmpty() || kNumber.match(cell).hasMatch());
    }
    EXPECT_EQ(logins.size(), kNames.size());
}

TEST(Gradebook, SpreadsheetLayoutKeepsTheMarkedCountOutOfTheGrades) {
    QList<AttemptRecord> list = {attempt("=cmd|' /c calc'!A0", "+Mallory", "=SUM(A1)", 70, "09:00:00"),
                                 attempt("s2", "Sam", "=SUM(A1)", 90, "09:00:00"),
                                 attempt("s2", "Sam", "=SUM(A1)", 10, "09:30:00")};
    list[1].check = AttemptRecord::Check::Failed;
    list[2].check = AttemptRecord::Check::Missing;
    const Gradebook g(list, every(list));
    const QList<QStringList> rows = readCsv(g.csv(GradebookLayout::Spreadsheet));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], QStringList({"Student", "ID", "'=SUM(A1)", "Attempts marked"}));
    // For a spreadsheet every cell that would run is made text, the identifier as well.
    EXPECT_EQ(rows[1], QStringList({"'+Mallory", "'=cmd|' /c calc'!A0", "70", "0"}));
    EXPECT_EQ(rows[2], QStringList({"Sam", "s2", "90", "2"}));
    EXPECT_TRUE(g.warnings(GradebookLayout::Spreadsheet).join(' ').contains("2 attempts"));
    // The platforms' layouts have no column but grades after the student's.
    for (GradebookLayout layout : {GradebookLayout::Moodle, GradebookLayout::Canvas}) {
        const QList<QStringList> platform = readCsv(g.csv(layout));
        EXPECT_FALSE(platform[0].contains("Attempts marked"));
        EXPECT_EQ(platform.last().last(), "90");
    }
}

TEST(Gradebook, StudentsWithoutAnIdentifierAreToldBeforeImport) {
    const QList<AttemptRecord> list = {attempt("", "Ann Old", "C", 10, "09:00:00"), attempt("a1", "Ann New", "C", 30, "09:00:00")};
    const Gradebook g(list, every(list));
    const QList<QStringList> rows = readCsv(g.csv(GradebookLayout::Moodle));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1], QStringList({"a1", "Ann New", "30"}));
    EXPECT_EQ(rows[2], QStringList({"", "Ann Old", "10"}));  // no name where an identifier goes
    EXPECT_TRUE(g.warnings(GradebookLayout::Moodle).join(' ').contains("1 student has no identifier"))
        << g.warnings(GradebookLayout::Moodle).join(' ').toStdString();
    EXPECT_TRUE(g.warnings(GradebookLayout::Spreadsheet).isEmpty());
    // Nothing attempted: a heading alone.
    EXPECT_EQ(readCsv(Gradebook(list, {}).csv(GradebookLayout::Moodle)), (QList<QStringList>{{"Username", "Full name"}}));
}

namespace {
// Reads an ISO 8601 duration of time (PnDTnHnMnS, each part optional): its seconds, or -1 when
// the text is not one.
double isoSeconds(const QString& text) {
    static const QRegularExpression form("^P(?:(\\d+)D)?(?:T(?:(\\d+)H)?(?:(\\d+)M)?(?:(\\d+(?:\\.\\d+)?)S)?)?$");
    const auto m = form.match(text);
    if (!m.hasMatch() || text == "P" || text.endsWith('T')) return -1;
    return m.captured(1).toDouble() * 86400 + m.captured(2).toDouble() * 3600 + m.captured(3).toDouble() * 60 +
           m.captured(4).toDouble();
}

bool isAbsoluteIri(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty() && !text.contains(u' ') && text == text.trimmed();
}

const QRegularExpression kUuid("^[0-9a-f]{8}-[0-9a-f]{4}-[1-5][0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$");
}  // namespace

TEST(Statements, DurationsAreIso8601) {
    EXPECT_EQ(xapi::duration(0), "PT0S");
    EXPECT_EQ(xapi::duration(271), "PT4M31S");
    EXPECT_EQ(xapi::duration(3725), "PT1H2M5S");
    for (double s : {0.0, 0.004, 0.5, 59.999, 60.0, 95.5, 271.0, 3599.995, 3600.0, 3725.25, 86400.0, 1e7}) {
        const QString d = xapi::duration(s);
        const double back = isoSeconds(d);
        EXPECT_GE(back, 0) << s << " gives " << d.toStdString();
        EXPECT_NEAR(back, s, 0.0051) << d.toStdString();
        EXPECT_FALSE(d.contains(QRegularExpression("[^0-9.]60(\\.\\d+)?[MS]"))) << d.toStdString();  // carried up
    }
    for (double bad : {-1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(xapi::duration(bad), "") << bad;
}

TEST(Statements, EachAttemptIsAStatementAStoreAccepts) {
    QList<AttemptRecord> list = {attempt("s1", "Renée Dubois", "Flat battery", 85, "09:15:02"),
                                 attempt("s2", "李小龍", "Starter clicks #2 / 50% (cold)?", 0, "23:59:30"),
                                 attempt("", "Ann Old", "Flat battery", 100, "10:00:00")};
    list[0].seconds = 271;
    list[1].seconds = 3725.5;
    list[2].seconds = 0;
    list.append(list[0]);  // a copy of a file, its score changed
    list[3].score = 100;
    list[3].file = "copy.vat";
    const QJsonDocument doc = QJsonDocument::fromJson(xapi::statements(list, every(list), "https://school.example/lms"));
    ASSERT_TRUE(doc.isArray());
    const QJsonArray all = doc.array();
    ASSERT_EQ(all.size(), list.size());
    QSet<QString> ids;
    for (int i = 0; i < all.size(); ++i) {
        const AttemptRecord& r = list[i];
        const QJsonObject s = all[i].toObject();
        SCOPED_TRACE(i);
        // The properties a statement must have, each of its form.
        const QString id = s.value("id").toString();
        EXPECT_TRUE(kUuid.match(id).hasMatch()) << id.toStdString();
        ids.insert(id);
        const QJsonObject actor = s.value("actor").toObject();
        EXPECT_EQ(actor.value("objectType"), "Agent");
        const QJsonObject account = actor.value("account").toObject();
        EXPECT_EQ(account.value("homePage"), "https://school.example/lms");
        EXPECT_EQ(account.value("name").toString(), r.studentId.isEmpty() ? r.student : r.studentId);
        EXPECT_EQ(actor.value("name").toString(), r.student);
        // An agent is identified once: by its account alone.
        for (const char* other : {"mbox", "mbox_sha1sum", "openid"}) EXPECT_FALSE(actor.contains(other));
        const QJsonObject verb = s.value("verb").toObject();
        EXPECT_TRUE(isAbsoluteIri(verb.value("id").toString()));
        EXPECT_EQ(verb.value("id"), r.right ? "http://adlnet.gov/expapi/verbs/passed" : "http://adlnet.gov/expapi/verbs/failed");
        EXPECT_FALSE(verb.value("display").toObject().isEmpty());
        const QJsonObject object = s.value("object").toObject();
        EXPECT_EQ(object.value("objectType"), "Activity");
        EXPECT_TRUE(isAbsoluteIri(object.value("id").toString())) << object.value("id").toString().toStdString();
        const QJsonObject name = object.value("definition").toObject().value("name").toObject();
        ASSERT_EQ(name.size(), 1);
        EXPECT_EQ(name.begin().value().toString(), r.challenge);
        // The result: the scaled score within -1..1 and as the raw one within its range.
        const QJsonObject result = s.value("result").toObject();
        const QJsonObject score = result.value("score").toObject();
        const double scaled = score.value("scaled").toDouble(-9), raw = score.value("raw").toDouble(-9);
        const double lo = score.value("min").toDouble(), hi = score.value("max").toDouble();
        EXPECT_GE(scaled, -1);
        EXPECT_LE(scaled, 1);
        EXPECT_LE(lo, raw);
        EXPECT_LE(raw, hi);
        EXPECT_EQ(raw, r.score);
        EXPECT_NEAR(scaled, r.score / 100.0, 1e-9);
        EXPECT_EQ(result.value("success").toBool(!r.right), r.right);
        EXPECT_EQ(result.value("completion"), true);
        EXPECT_NEAR(isoSeconds(result.value("duration").toString()), r.seconds, 0.005);
        // The time it came to its result, with its zone.
        const QString ts = s.value("timestamp").toString();
        EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(\\.\\d+)?(Z|[+-]\\d\\d:\\d\\d)$").match(ts).hasMatch())
            << ts.toStdString();
        EXPECT_EQ(QDateTime::fromString(ts, Qt::ISODateWithMs), r.started.addMSecs(qint64(r.seconds * 1000))) << ts.toStdString();
    }
    EXPECT_EQ(ids.size(), list.size());  // the copy with the same attempt id is a statement of its own
    // The same attempt exported again is the same statement; two activities are two ids.
    EXPECT_EQ(xapi::statementId(list[1]), all[1].toObject().value("id").toString());
    EXPECT_EQ(xapi::statements(list, {1}, "https://x.example/"), xapi::statements(list, {1}, "https://x.example/"));
    EXPECT_NE(xapi::activityId("Flat battery"), xapi::activityId("Flat battery?"));
    EXPECT_NE(xapi::activityId("A/B"), xapi::activityId("A%2FB"));
}
