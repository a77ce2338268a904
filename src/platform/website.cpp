#include "platform/website.h"

#include "platform/files.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace {
const QString kWebSiteFile = QStringLiteral("website.txt");
// An address longer than this is not one anybody typed into the file.
constexpr int kMaxAddress = 2048;

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WebSite)
};

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
        return {QString(), Texts::tr("Error number: %1 - %2: %3").arg(QString::number(e.number), e.description, kWebSiteFile)};
    }
    if (bytes.contains('\0')) return {QString(), Texts::tr("the file %1 is not a text file.").arg(kWebSiteFile)};
    for (QString line : decodeText(bytes).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty()) continue;
        if (line.size() > kMaxAddress) return {QString(), Texts::tr("the first line of %1 is too long to be an address.").arg(kWebSiteFile)};
        for (const QChar c : line)
            if (c.unicode() < 32) return {QString(), Texts::tr("the first line of %1 is not an address.").arg(kWebSiteFile)};
        if (!hasScheme(line)) return {QDir::cleanPath(QDir(appFolder()).absoluteFilePath(line)), QString()};
        const QString scheme = line.section(u':', 0, 0).toLower();
        if (scheme != "http" && scheme != "https" && scheme != "file")
            return {QString(), Texts::tr("the address in %1 is not a web page (http or https): %2").arg(kWebSiteFile, line)};
        return {line, QString()};
    }
    return {QString(), Texts::tr("the file %1 holds no address.").arg(kWebSiteFile)};
}

