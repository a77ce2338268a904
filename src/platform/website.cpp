#include "platform/website.h"

#include "platform/files.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QDir>
#include <QRegularExpression>

namespace {
const QString kWebSiteFile = QStringLiteral("website.txt");
// An address longer than this is not one anybody typed into the file.
constexpr int kMaxAddress = 2048;

// "https:", "mailto:"; a single letter before the colon is a drive, not a scheme.
bool hasScheme(const QString& line) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(line).hasMatch();
}
}  // namespace

WebAddress webSiteAddress() {
    QByteArray bytes;
    try {
        bytes = readRegularFileHead(findDataFile(kWebSiteFile), 64 * 1024);
    } catch (const VbError& e) {
        return {QString(), "Error number: " + QString::number(e.number) + " - " + e.description + ": " + kWebSiteFile};
    }
    if (bytes.contains('\0')) return {QString(), "the file " + kWebSiteFile + " is not a text file."};
    for (QString line : decodeText(bytes).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty()) continue;
        if (line.size() > kMaxAddress) return {QString(), "the first line of " + kWebSiteFile + " is too long to be an address."};
        for (const QChar c : line)
            if (c.unicode() < 32) return {QString(), "the first line of " + kWebSiteFile + " is not an address."};
        if (!hasScheme(line)) return {QDir::cleanPath(QDir(appFolder()).absoluteFilePath(line)), QString()};
        const QString scheme = line.section(u':', 0, 0).toLower();
        if (scheme != "http" && scheme != "https" && scheme != "file")
            return {QString(), "the address in " + kWebSiteFile + " is not a web page (http or https): " + line};
        return {line, QString()};
    }
    return {QString(), "the file " + kWebSiteFile + " holds no address."};
}

