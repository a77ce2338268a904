#include "platform/qtplatform.h"
#include "platform/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>
#include <chrono>
#include <thread>

QtPlatform::QtPlatform() { clock_.start(); }

QString messageBoxText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

MsgAnswer QtPlatform::messageBox(const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(messageBoxText(text));
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    struct Pair {
        QMessageBox::StandardButton qt;
        MsgAnswer answer;
    };
    QList<Pair> pairs;
    for (const QString& name : msgButtonNames(buttons)) {
        if (name == "OK") pairs.append({QMessageBox::Ok, MsgAnswer::OK});
        else if (name == "Cancel") pairs.append({QMessageBox::Cancel, MsgAnswer::Cancel});
        else if (name == "Abort") pairs.append({QMessageBox::Abort, MsgAnswer::Abort});
        else if (name == "Retry") pairs.append({QMessageBox::Retry, MsgAnswer::Retry});
        else if (name == "Ignore") pairs.append({QMessageBox::Ignore, MsgAnswer::Ignore});
        else if (name == "Yes") pairs.append({QMessageBox::Yes, MsgAnswer::Yes});
        else if (name == "No") pairs.append({QMessageBox::No, MsgAnswer::No});
    }
    QMessageBox::StandardButtons set;
    for (const Pair& p : pairs) set |= p.qt;
    box.setStandardButtons(set);
    box.setDefaultButton(pairs.first().qt);
    const int result = box.exec();
    for (const Pair& p : pairs)
        if (p.qt == result) return p.answer;
    // Closed with Escape or the frame: the cancelling answer if there is one.
    for (const Pair& p : pairs)
        if (p.answer == MsgAnswer::Cancel || p.answer == MsgAnswer::No) return p.answer;
    return pairs.first().answer;
}

void QtPlatform::beep() { QApplication::beep(); }

double QtPlatform::clock() { return clock_.nsecsElapsed() / 1e9; }

void QtPlatform::pause(double seconds) {
    // The program holds without running any event, but the processor is left alone.
    const double end = clock() + seconds;
    for (double left = seconds; (left = end - clock()) > 0;)
        std::this_thread::sleep_for(std::chrono::duration<double>(left));
}

void QtPlatform::doEvents() { QApplication::processEvents(); }

QString QtPlatform::fileDialog(const FileDialogRequest& r) {
    QWidget* parent = QApplication::activeWindow();
    const QStringList filters = r.filter.split(QStringLiteral(";;"));
    QString selected = r.filterIndex >= 1 && r.filterIndex <= filters.size() ? filters[r.filterIndex - 1] : QString();
    if (r.mode == FileDialogRequest::Open)
        return QFileDialog::getOpenFileName(parent, r.title, r.directory, r.filter,
                                            selected.isEmpty() ? nullptr : &selected);
    QString start = r.directory;
    if (!r.defaultName.isEmpty()) start = QDir(r.directory).filePath(r.defaultName);
    return QFileDialog::getSaveFileName(parent, r.title, start, r.filter);
}

int QtPlatform::printerDialog() {
    QPrinter printer;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return 0;
    return qMax(1, printer.copyCount());
}

bool QtPlatform::shellOpen(const QString& target) {
    if (target.contains("://")) return QDesktopServices::openUrl(QUrl(target));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

QString QtPlatform::tempFolder() { return usableTempFolder(); }

QTime QtPlatform::timeOfDay() { return QTime::currentTime(); }
