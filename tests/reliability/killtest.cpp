// Kills the program (SIGKILL) at random moments while it writes one kind of file in a loop,
// and checks after every kill that each file it writes is whole: one of the contents a
// finished write leaves, or of the shape every finished write has; a database passes its
// integrity check and holds the edited cell's old or new value. After a restart no temporary
// file of the atomic write may be left anywhere: after every kill for the captures, which go
// to folders of the user's choosing, and at the end of each kind for the others.
//
// Then the hand-in of classroom attempts, killed the same way: straight to a reachable class
// folder, and through the outbox (the class folder away in some runs, back in others). After
// every kill each attempt file is whole and every results row has its attempt kept somewhere
// (one attempt more is allowed: kept, killed before its row); after a last start every attempt
// is in the class folder, once, and nothing temporary is left there or in the outbox.
//   killtest PROGRAM DATA_DIR [KILLS=200] [MAX_DELAY_MS=250] [HANDIN_KILLS=100]
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <cstdio>

namespace {

struct Target { const char* path; const char* shape = nullptr; int lines = 0; };  // no shape: learnt from finished runs
// `share`: the kind's part of the kills, at least (a quarter for the captures); `restart`: a
// restart after every kill, which must leave no temporary file anywhere.
struct Kind { const char* name; const char* setup; const char* body; const char* a; const char* b; QList<Target> targets;
              int share = 0; bool restart = false; };

// A waveform file as the Live screen's capture writes it: the meter text and 50 samples.
const char* const kCapture = "(\"[^\"\r\n]*\"\r\n)+";

const QList<Kind> kKinds = {
    {"settings", "", "menu Tools > User Details\nset frmUserDetails.txbName %1\nset frmUserDetails.txbAddress %1\n"
     "click frmUserDetails.cmdOK\n", "Alpha-Alpha-Alpha-Alpha-Alpha-Alpha-Alpha-Alpha", "Bravo", {{"config/Vantorel/Vantorel.conf", nullptr}}},
    {"waveform", "menu Tools > MultiScope\n", "dblclick MultiScope.scopescreen\nset frmWaveEdit.txtYvalue(5) %1\n"
     "answer file TEMP:w.msf\nclick frmWaveEdit.cmdSaveAs\n", "11", "22", {{"tmp/w.msf", nullptr}}},
    {"scanner", "menu File > Start / Stop Engine\nmenu Tools > Scanner\n",
     "set FRMsimulation.HSB_engine_speed %1\nclick frmFaults.chkFault(2)\ntick\n", "1500", "3000",
     {{"tmp/Scanner.scn", "System results:\r\n([^\r\n]*\r\n)+End of list\\.\\.\\.\r\n", 27},
      {"tmp/Faults.scn", "System faults found:\r\n-{30}\r\n([^\r\n]*\r\n)*-{30}\r\nEnd of faults list\\.\\.\\.\r\n"}}},
    {"telemetry", "menu Tools > Telemetry\n", "let EngineSpeed %1\ntelemetry 1\nanswer Yes\nanswer file TEMP:run.csv\n"
     "click MultiScope.Command1\n", "1200", "4400", {{"tmp/run.csv", "\"SystemVoltage\"[^\r\n]*\r\n(-?\\d+(,-?\\d+){10}\r\n)+", 751}}},
    {"track", "menu Tools > Telemetry\nanswer Yes\nkey MultiScope.picCircuit End\n", "key MultiScope.picCircuit %1\n", "Right",
     "Down", {{"data/track.txt", "(\\d+,\\d+\r\n)*"}}},
    {"routine", "let LoggedIn -1\napplyoptions\nmenu Tools > Diagnostics\n", "set frmDiagnostics.txbRoutine(3) %1\n"
     "click frmDiagnostics.datRoutine(next)\nclick frmDiagnostics.datRoutine(prev)\n", "Check-the-feed", "Check-the-earth",
     {{"data/ZR.db", nullptr}}},
    {"lookup", "let LoggedIn -1\napplyoptions\n", "set FRMsimulation.DBtiminggrid(2,3) %1\n", "50", "51", {{"data/ZR.db", nullptr}}},
    // Captures of the Live screen into folders of the user's: one beside nothing of the
    // program's, one through a link into another folder (the link stays a link).
    {"capture", "menu File > Start / Stop Engine\nmenu Tools > MultiScope\nclick MultiScope.optLive\n"
     "drop FRMsimulation.lblECU(1) MultiScope.cmdConnection\nsweep 8\n",
     "sweep 4\nanswer file %1\nclick MultiScope.mnuCaptureWave\n", "WORK:captures/idle-capture.msf", "WORK:captures/link.msf",
     {{"captures/idle-capture.msf", kCapture, 51}, {"elsewhere/linked.msf", kCapture, 51}}, 4, true},
};

QString program, work;

// A file's bytes; for a database its integrity and every table's rows.
QByteArray snapshot(const QString& path) {
    if (!path.endsWith(".db")) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QByteArray out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (!db.open() || !q.exec("PRAGMA integrity_check") || !q.next()) out = "<cannot open>";
        else if (q.value(0).toString() != "ok") out = "<damaged> " + q.value(0).toByteArray();
        QStringList tables;
        for (q.exec("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"); q.next();)
            tables << q.value(0).toString();
        for (const QString& t : tables)
            for (QSqlQuery r("SELECT * FROM \"" + t + "\" ORDER BY rowid", db); r.next();)
                for (int i = 0; i < r.record().count(); ++i) out += r.value(i).toByteArray() + '\x1f';
        db.close();
    }
    QSqlDatabase::removeDatabase("check");
    return out;
}

QProcess* start(const QString& script) {
    QFile f(work + "/script.vs");
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write the script");
    f.write(QString(script).replace("WORK:", work + "/").toUtf8());
    f.close();
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (auto [name, value] : {std::pair<QString, QString>{"XDG_CONFIG_HOME", work + "/config"}, {"TMPDIR", work + "/tmp"},
                               {"XDG_DATA_HOME", work + "/userdata"}, {"QT_QPA_PLATFORM", "offscreen"}})
        env.insert(name, value);
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(program, {"--data", work + "/data", "--script", work + "/script.vs"});
    if (!p->waitForStarted()) qFatal("cannot start %s", qPrintable(program));
    return p;
}

// Runs a script to its end; a failed line fails the test.
void finish(const QString& script, const char* kind) {
    QProcess* p = start(script);
    p->waitForFinished(60000);
    const QByteArray out = p->readAllStandardOutput();
    if (!out.contains("{\"errors\":0,\"event\":\"end\"}")) qFatal("%s: a finished run failed:\n%s", kind, out.constData());
    delete p;
}

// The temporary files of the atomic write (".NAME.XXXXXX") anywhere in the work folder.
QStringList temporariesLeft() {
    static const QRegularExpression temporary("^\\..+\\.[A-Za-z0-9]{6}$");
    QStringList found;
    for (QDirIterator it(work, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        if (temporary.match(it.fileName()).hasMatch()) found << path.mid(work.size() + 1);
    }
    return found;
}

void writeSettings(const QByteArray& text) {
    QFile conf(work + "/config/Vantorel/Vantorel.conf");
    if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate) || conf.write(text) < 0) qFatal("cannot write settings");
}

// Copies the program's folder to a fresh work folder (without the program).
void freshWork(const QString& data) {
    QDir(work).mkpath("config/Vantorel"), QDir(work).mkpath("tmp");
    QProcess::execute("cp", {"-r", data, work + "/data"});
    QFile::remove(work + "/data/" + QFileInfo(program).fileName());
    // The runs play one challenge again and again: it allows any number of attempts.
    QFile challenge(work + "/data/challenges/01 The engine will not start.vch");
    if (!challenge.open(QIODevice::ReadOnly)) qFatal("cannot read the challenge");
    QByteArray text = challenge.readAll();
    challenge.close();
    text.replace("\nInstructions:\n", "\nAttempts: any\nInstructions:\n");
    if (!challenge.open(QIODevice::WriteOnly | QIODevice::Truncate) || challenge.write(text) < 0) qFatal("cannot write the challenge");
}

// ---- Hand-in ----

const char* const kChallenge =
    "menu Tools > Challenges...\npick frmChallenges.lstChallenges \"01 The engine will not start\"\n"
    "set frmChallenges.txtStudentName \"Sam Student\"\nclick frmChallenges.cmdStart\npick frmChallengeRun.cmbAnswerPart(0) \"Engine speed sensor\"\n"
    "pick frmChallengeRun.cmbAnswerCircuit(0) \"The part itself\"\nanswer Yes\nclick frmChallengeRun.cmdSubmit\n"
    "click frmChallengeRun.cmdClose\n";
const char* const kResultsShape =
    "Student,Challenge,Date and time,Answer,Result,Time,Measurements,Hints,Score\r\n([^,\r\n]+(,[^,\r\n]*){8}\r\n)*";

QString classAttempts() { return work + "/class/attempts"; }
QString outbox() { return work + "/userdata/vantorel/Class outbox"; }
QString resultsFile() { return work + "/userdata/vantorel/Challenge results.csv"; }

QStringList entries(const QString& folder, QDir::Filters which) {
    return QDir(folder).entryList(which | QDir::NoDotAndDotDot, QDir::Name);
}

// The attempts kept in a folder, by id, each with its student; a file that is not a whole
// attempt file is a failure.
int readAttempts(const QString& folder, QMap<QString, QString>* ids, const QString& what) {
    int failures = 0;
    for (const QString& name : entries(folder, QDir::Files | QDir::Dirs)) {
        QFile f(folder + "/" + name);
        const QJsonObject o = f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
        if (!name.endsWith(".vat") || o.value("format").toString() != "Vantorel attempt" || o.value("id").toString().isEmpty()) {
            ++failures;
            std::printf("FAIL %s: \"%s\" is not a whole attempt file\n", qPrintable(what), qPrintable(name));
            continue;
        }
        ids->insert(o.value("id").toString(), o.value("student").toString());
    }
    return failures;
}

// Rows of the results file for one student.
int resultRows(const QString& student) {
    QFile f(resultsFile());
    if (!f.open(QIODevice::ReadOnly)) return 0;
    return f.readAll().count(("\r\n" + student + ",").toUtf8());
}

// Kills hand-ins: straight to the class folder or, throughOutbox, with the class folder away in
// about half the runs (the attempts wait in the outbox and go with a later run).
int handInKills(const QString& data, int kills, int maxDelay, bool throughOutbox) {
    const char* kind = throughOutbox ? "outbox" : "handin";
    QTemporaryDir dir;
    work = dir.path();
    freshWork(data);
    QDir(work).mkpath("class/attempts");
    const QString classConf = "[ZRsettings]\nZRclassFolder=" + work + "/class\n";
    writeSettings((classConf + "ZRuserName=Trial\n").toUtf8());
    finish(QString(kChallenge), kind);  // a run to the end hands in
    if (entries(classAttempts(), QDir::Files).size() != 1) qFatal("%s: a finished run handed nothing in", kind);

    const QString loop = "show frmMainscreen\ntick\n" + QString(kChallenge).repeated(300);
    QSet<QString> everId;
    int failures = 0, missed = 0;
    for (int n = 0; n < kills;) {
        const QString student = QString("Run %1").arg(n + 1);
        writeSettings((classConf + "ZRuserName=" + student + "\n").toUtf8());
        const bool away = throughOutbox && QRandomGenerator::global()->bounded(2) == 0;
        if (away && !QDir(work + "/class").rename("attempts", "held")) qFatal("cannot take the class folder away");
        const int delay = QRandomGenerator::global()->bounded(maxDelay + 1);
        QProcess* p = start(loop);
        QByteArray out;
        while (!out.contains("\"target\":\"frmMainscreen\"") && p->waitForReadyRead(10000)) out += p->readAllStandardOutput();
        const bool ended = p->waitForFinished(delay);
        if (!ended) {
            ::kill(static_cast<pid_t>(p->processId()), SIGKILL);
            p->waitForFinished();
        }
        out += p->readAllStandardOutput();
        delete p;
        if (away && !QDir(work + "/class").rename("held", "attempts")) qFatal("cannot bring the class folder back");
        if (ended) {
            if (++missed > kills) qFatal("%s: the loop keeps ending before the kill", kind);
            continue;
        }
        ++n;
        if (out.contains("\"event\":\"error\"") || out.contains("Error number")) {
            ++failures;
            std::printf("FAIL %s kill %d (%d ms): a failure before the kill\n%s\n", kind, n, delay, out.constData());
        }
        QFile results(resultsFile());
        const QString csv = results.open(QIODevice::ReadOnly) ? QString::fromUtf8(results.readAll()) : QString();
        if (!csv.isEmpty() && !QRegularExpression(QString("\\A(?:") + kResultsShape + ")\\z").match(csv).hasMatch()) {
            ++failures;
            std::printf("FAIL %s kill %d (%d ms): the results file is not whole\n", kind, n, delay);
        }
        QMap<QString, QString> kept;
        failures += readAttempts(classAttempts(), &kept, kind) + readAttempts(outbox(), &kept, kind);
        const int rows = resultRows(student), attempts = int(kept.keys(student).size());
        if (attempts != rows && attempts != rows + 1) {
            ++failures;
            std::printf("FAIL %s kill %d (%d ms): %d results rows but %d attempts kept\n", kind, n, delay, rows, attempts);
        }
        for (auto it = kept.cbegin(); it != kept.cend(); ++it) everId.insert(it.key());
    }

    // A start later on (the temporaries a kill left are a minute old by then) hands in what waits.
    for (const QString& folder : {outbox(), classAttempts(), work + "/userdata/vantorel"})
        for (const QString& name : entries(folder, QDir::Files | QDir::Hidden)) {
            QFile f(folder + "/" + name);
            if (!f.open(QIODevice::Append) || !f.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime))
                qFatal("cannot age %s", qPrintable(name));
        }
    writeSettings((classConf + "ZRuserName=Last\n").toUtf8());
    finish("tick\n", kind);
    QMap<QString, QString> delivered;
    failures += readAttempts(classAttempts(), &delivered, kind);
    for (const QString& id : everId)
        if (!delivered.contains(id)) {
            ++failures;
            std::printf("FAIL %s: the attempt %s never reached the class folder\n", kind, qPrintable(id));
        }
    if (entries(classAttempts(), QDir::Files).size() != delivered.size()) {
        ++failures;
        std::printf("FAIL %s: an attempt is in the class folder twice\n", kind);
    }
    for (const QString& folder : {outbox(), classAttempts(), work + "/userdata/vantorel"})
        for (const QString& name : entries(folder, QDir::Files | QDir::Hidden)) {
            if (folder != outbox() && !name.startsWith('.')) continue;
            ++failures;
            std::printf("FAIL %s: \"%s\" is left in %s\n", kind, qPrintable(name), qPrintable(folder));
        }
    std::printf("%-9s %d kills (%d runs ended before their kill), %lld attempts handed in\n", kind, kills, missed,
                static_cast<long long>(delivered.size()));
    std::fflush(stdout);
    return failures;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) qFatal("usage: killtest PROGRAM DATA_DIR [KILLS] [MAX_DELAY_MS] [HANDIN_KILLS]");
    program = args[1];
    const int kills = args.size() > 3 ? args[3].toInt() : 200, maxDelay = args.size() > 4 ? args[4].toInt() : 250;
    const int handIns = args.size() > 5 ? args[5].toInt() : 100;
    const int perKind = (kills + kKinds.size() - 1) / kKinds.size();
    int failures = 0, done = 0, missed = 0;
    for (const Kind& k : kKinds) {
        const int killsOfKind = k.share ? std::max(perKind, kills / k.share) : perKind;
        QTemporaryDir dir;
        work = dir.path();
        freshWork(args[2]);
        QDir(work).mkpath("userdata"), QDir(work).mkpath("captures"), QDir(work).mkpath("elsewhere");
        QFile linked(work + "/elsewhere/linked.msf");
        if (!linked.open(QIODevice::WriteOnly) || linked.write("\"first\"\r\n") < 0) qFatal("cannot write a capture");
        linked.close();
        if (!QFile::link(work + "/elsewhere/linked.msf", work + "/captures/link.msf")) qFatal("cannot make the link");
        writeSettings("[ZRsettings]\nZRsetting0=1\n");  // option 0: the tables take edits
        const QString setup = QString(k.setup), bodyA = QString(k.body).arg(k.a), bodyB = QString(k.body).arg(k.b);
        QMap<QString, QList<QByteArray>> known;  // what a finished write of A or of B leaves
        for (const QString& body : {bodyA, bodyB}) {
            finish(setup + body, k.name);
            for (const Target& t : k.targets) known[t.path] << snapshot(work + "/" + t.path);
        }
        const QString loop = setup + "show frmMainscreen\n" + (bodyA + bodyB).repeated(500);
        for (int n = 0; n < killsOfKind;) {
            const int delay = QRandomGenerator::global()->bounded(maxDelay + 1);
            QProcess* p = start(loop);
            QByteArray out;
            while (!out.contains("\"target\":\"frmMainscreen\"") && p->waitForReadyRead(10000)) out += p->readAllStandardOutput();
            if (p->waitForFinished(delay)) {  // the loop ended before the kill: not counted
                if (++missed > kills) qFatal("%s: the loop keeps ending before the kill", k.name);
                delete p;
                continue;
            }
            ::kill(static_cast<pid_t>(p->processId()), SIGKILL);
            p->waitForFinished();
            out += p->readAllStandardOutput();
            delete p;
            ++n, ++done;
            if (out.contains("\"event\":\"error\"") || out.contains("Error number")) {  // e.g. a lock the last kill left
                ++failures;
                std::printf("FAIL %s kill %d (%d ms): a failure before the kill\n%s\n", k.name, n, delay, out.constData());
            }
            for (const Target& t : k.targets) {
                const QByteArray now = snapshot(work + "/" + t.path);
                const bool whole = t.shape ? QRegularExpression(QString("\\A(?:") + t.shape + ")\\z").match(QString::fromLatin1(now)).hasMatch() &&
                                                 (!t.lines || now.count("\r\n") == t.lines)
                                           : known[t.path].contains(now);
                if (whole) continue;
                ++failures;
                std::printf("FAIL %s kill %d (%d ms): %s is not a whole write (%lld bytes): %s\n", k.name, n, delay, t.path,
                            static_cast<long long>(now.size()), now.left(120).toHex().constData());
            }
            if (!QFileInfo(work + "/captures/link.msf").isSymLink()) {
                ++failures;
                std::printf("FAIL %s kill %d (%d ms): the link was replaced\n", k.name, n, delay);
                QFile::remove(work + "/captures/link.msf");
                QFile::link(work + "/elsewhere/linked.msf", work + "/captures/link.msf");
            }
            if (k.restart) {
                finish("show frmMainscreen\n", k.name);
                if (const QStringList left = temporariesLeft(); !left.isEmpty()) {
                    ++failures;
                    std::printf("FAIL %s kill %d (%d ms): left after a restart: %s\n", k.name, n, delay, qPrintable(left.join(", ")));
                }
            }
        }
        finish(setup + bodyA, k.name);  // the program starts and writes after the kills
        if (const QStringList left = temporariesLeft(); !left.isEmpty()) {
            ++failures;
            std::printf("FAIL %s: left after the kills and a run to the end: %s\n", k.name, qPrintable(left.join(", ")));
        }
        std::printf("%-9s %d kills\n", k.name, killsOfKind);
        std::fflush(stdout);
    }
    if (handIns > 0) {
        failures += handInKills(args[2], handIns / 2, maxDelay, false);
        failures += handInKills(args[2], handIns - handIns / 2, maxDelay, true);
        done += handIns;
    }
    std::printf("%d kills (%d runs ended before their kill), %d failures\n", done, missed, failures);
    return failures == 0 ? 0 : 1;
}
