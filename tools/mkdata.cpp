// Builds the data files that are generated rather than copied: the database from its SQL
// text, the main window's background picture and the connection-point pictures
// (src/multiscope/pointpictures.cpp).
//   mkdata OUTDIR FILE.sql...
#include "multiscope/pointpictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cmath>
#include <cstdio>

static bool buildDatabase(const QString& file, const QStringList& sqlFiles) {
    QFile::remove(file);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "mkdata");
        db.setDatabaseName(file);
        if (!db.open()) {
            std::fprintf(stderr, "mkdata: cannot create %s\n", qPrintable(file));
            return false;
        }
        QSqlQuery q(db);
        q.exec("BEGIN");
        for (const QString& sqlFile : sqlFiles) {
            QFile f(sqlFile);
            if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
                std::fprintf(stderr, "mkdata: cannot read %s\n", qPrintable(sqlFile));
                return false;
            }
            // Statements end with a semicolon at the end of a line.
            QString statement;
            QTextStream in(&f);
            int lineNo = 0;
            while (!in.atEnd()) {
                const QString line = in.readLine();
                ++lineNo;
                if (statement.isEmpty() && (line.trimmed().isEmpty() || line.trimmed().startsWith("--"))) continue;
                statement += line + "\n";
                if (line.trimmed().endsWith(';')) {
                    if (!q.exec(statement)) {
                        std::fprintf(stderr, "mkdata: %s:%d: %s\n", qPrintable(sqlFile), lineNo,
                                     qPrintable(q.lastError().text()));
                        return false;
                    }
                    statement.clear();
                }
            }
        }
        q.exec("COMMIT");
        db.close();
    }
    QSqlDatabase::removeDatabase("mkdata");
    return true;
}

static bool buildBackground(const QString& file) {
    // The size of the main window at its start-up geometry (16000 x 12000 twips), so that no
    // scaling is needed when the program starts.
    QImage img(1067, 800, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, QColor(34, 52, 78));
    g.setColorAt(1, QColor(12, 20, 34));
    p.fillRect(img.rect(), g);
    // A faint oscilloscope graticule.
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int x = 0; x < img.width(); x += 51) p.drawLine(x, 0, x, img.height());
    for (int y = 0; y < img.height(); y += 51) p.drawLine(0, y, img.width(), y);
    // An ignition-style trace across the lower half.
    QPainterPath trace;
    const double base = img.height() * 0.72;
    trace.moveTo(0, base);
    for (int x = 0; x <= img.width(); x += 2) {
        const int phase = x % 256;
        double y = base;
        if (phase >= 80 && phase < 84) y = base - 260 + (phase - 80) * 10;
        else if (phase >= 84 && phase < 150) y = base - 60 + 12 * std::sin((phase - 84) / 4.0);
        else if (phase >= 150 && phase < 180) y = base + 30 * std::exp(-(phase - 150) / 8.0) * std::sin((phase - 150) / 2.0);
        trace.lineTo(x, y);
    }
    p.setPen(QPen(QColor(80, 220, 110, 90), 3));
    p.drawPath(trace);
    // A rev-counter dial on the right.
    const QPointF c(img.width() * 0.78, img.height() * 0.34);
    const double r = 150;
    p.setPen(QPen(QColor(255, 255, 255, 50), 6));
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -45 * 16, 270 * 16);
    for (int i = 0; i <= 8; ++i) {
        const double a = (225 - i * 33.75) * M_PI / 180;
        p.setPen(QPen(i >= 7 ? QColor(230, 80, 60, 120) : QColor(255, 255, 255, 70), 5));
        p.drawLine(QPointF(c.x() + std::cos(a) * (r - 28), c.y() - std::sin(a) * (r - 28)),
                   QPointF(c.x() + std::cos(a) * (r - 8), c.y() - std::sin(a) * (r - 8)));
    }
    const double na = (225 - 2.6 * 33.75) * M_PI / 180;
    p.setPen(QPen(QColor(230, 90, 60, 150), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::cos(na) * (r - 40), c.y() - std::sin(na) * (r - 40)));
    p.end();
    return img.save(file, "JPG", 85);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: mkdata OUTDIR FILE.sql...\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!buildDatabase(out.filePath("ZR.db"), args.mid(2))) return 1;
    if (!buildBackground(out.filePath("background.jpg"))) return 1;
    if (!pointpictures::buildPictures(out.path())) return 1;
    return 0;
}
