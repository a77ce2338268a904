#include "platform/qtplatform.h"
#include "platform/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <QUrl>
#include <chrono>
#include <thread>

QtPlatform::QtPlatform() { clock_.start(); }

QtPlatform::~QtPlatform() = default;

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
    if (r.mode == FileDialogRequest::Folder) return QFileDialog::getExistingDirectory(parent, r.title, r.directory);
    if (r.mode == FileDialogRequest::Open)
        return QFileDialog::getOpenFileName(parent, r.title, r.directory, r.filter,
                                            selected.isEmpty() ? nullptr : &selected);
    QString start = r.directory;
    if (!r.defaultName.isEmpty()) start = QDir(r.directory).filePath(r.defaultName);
    return QFileDialog::getSaveFileName(parent, r.title, start, r.filter);
}

int QtPlatform::printerDialog() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return 0;
    const int copies = qMax(1, printer->copyCount());
    // The program prints each copy as a job of its own.
    printer->setCopyCount(1);
    printer_ = std::move(printer);
    return copies;
}

bool QtPlatform::printDocument(const PrintDocument& doc) {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return printDocumentOn(*printer_, doc);
}

bool QtPlatform::printImage(const QImage& image, const QString& caption) {
    // A window goes to the default printer, as the print-form facility does.
    QPrinter printer(QPrinter::HighResolution);
    return printImageOn(printer, image, caption);
}

bool printDocumentOn(QPrinter& printer, const PrintDocument& doc) {
    printer.setResolution(doc.resolution);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal width = page.width();
    const qreal bottom = page.height();
    qreal y = 0;
    for (const PrintLine& line : doc.lines) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(qMax(1, line.size));
        font.setBold(line.bold);
        font.setItalic(line.italic);
        // No ligatures: the printed text stays the text (a PDF reads back letter for letter).
        font.setStyleStrategy(QFont::PreferNoShaping);
        painter.setFont(font);
        const QFontMetricsF metrics(font, &printer);
        // Leading blanks are part of the layout (the insets), so the text is laid out whole.
        QTextLayout layout(line.text.isEmpty() ? QStringLiteral(" ") : line.text, font, &printer);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        QList<QTextLine> rows;
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
            row.setLineWidth(width);
            rows.append(row);
        }
        layout.endLayout();
        for (QTextLine& row : rows) {
            const qreal h = qMax<qreal>(row.height(), metrics.lineSpacing());
            if (y > 0 && y + h > bottom) {
                if (!printer.newPage()) return false;
                y = 0;
            }
            row.draw(&painter, QPointF(0, y - row.y()));
            y += h;
        }
    }
    return painter.end();
}

bool printImageOn(QPrinter& printer, const QImage& image, const QString& caption) {
    if (image.isNull()) return false;
    printer.setDocName(caption);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return painter.end();
}

bool QtPlatform::shellOpen(const QString& target) {
    if (target.contains("://")) return QDesktopServices::openUrl(QUrl(target));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

QString QtPlatform::tempFolder() { return usableTempFolder(); }

QTime QtPlatform::timeOfDay() { return QTime::currentTime(); }
