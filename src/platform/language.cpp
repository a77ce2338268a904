#include "platform/language.h"

#include "platform/services.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace language {

namespace {

QLocale::Language& currentLanguage() {
    static QLocale::Language lang = QLocale::English;
    return lang;
}

// The translators installed now, removed when another language is applied.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> list;
    return list;
}

// `name` in `dir`, found without regard to case; empty when there is none.
QString entryIn(const QDir& dir, const QString& name) {
    if (dir.exists(name)) return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(e);
    return QString();
}

// In a language whose decimal sign is a comma, the dot typed in a number box is that comma
// (as the keypad's decimal key gives it): "1.5" is one and a half, never fifteen with the dot
// dropped as a thousands separator nobody types.
class DecimalKey : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->text() != QLatin1String(".")) return false;
        auto* box = qobject_cast<QDoubleSpinBox*>(watched);
        if (!box && watched->parent()) box = qobject_cast<QDoubleSpinBox*>(watched->parent());
        if (!box) return false;
        const QString comma = box->locale().decimalPoint();
        if (comma == QLatin1String(".")) return false;
        QKeyEvent replaced(QEvent::KeyPress, Qt::Key_Comma, key->modifiers(), comma, key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(watched, &replaced);
        return true;
    }
};

// Qt's own German gives the child windows' menu one access key for Minimise and Close; the
// program's translation gives Minimise another.
[[maybe_unused]] const char* const kQtTextsMended[] = {QT_TRANSLATE_NOOP("QMdiSubWindow", "Mi&nimize")};

QObject*& decimalKey() {
    static QObject* filter = nullptr;
    return filter;
}

}  // namespace

QString settingText(Choice choice) {
    switch (choice) {
    case Choice::System: return QStringLiteral("System");
    case Choice::English: return QStringLiteral("English");
    case Choice::German: return QStringLiteral("German");
    case Choice::Spanish: return QStringLiteral("Spanish");
    }
    return QStringLiteral("System");
}

bool fromSettingText(const QString& text, Choice* choice) {
    for (Choice c : {Choice::System, Choice::English, Choice::German, Choice::Spanish})
        if (text.trimmed().compare(settingText(c), Qt::CaseInsensitive) == 0) {
            *choice = c;
            return true;
        }
    return false;
}

Choice chosenInSettings() {
    Choice c = Choice::System;
    if (!fromSettingText(GetSetting(kSection, kKey, QString()), &c)) c = Choice::System;
    return c;
}

QLocale::Language resolve(Choice choice, const QLocale& system) {
    switch (choice) {
    case Choice::English: return QLocale::English;
    case Choice::German: return QLocale::German;
    case Choice::Spanish: return QLocale::Spanish;
    case Choice::System: break;
    }
    const QLocale::Language l = system.language();
    return (l == QLocale::German || l == QLocale::Spanish) ? l : QLocale::English;
}

QString code(QLocale::Language lang) {
    switch (lang) {
    case QLocale::German: return QStringLiteral("de");
    case QLocale::Spanish: return QStringLiteral("es");
    default: return QStringLiteral("en");
    }
}

QLocale::Language fromCode(const QString& text) {
    for (QLocale::Language l : {QLocale::English, QLocale::German, QLocale::Spanish})
        if (text.trimmed().compare(code(l), Qt::CaseInsensitive) == 0) return l;
    return QLocale::AnyLanguage;
}

bool apply(QLocale::Language lang, QString* problem) {
    for (auto& t : installed()) QCoreApplication::removeTranslator(t.get());
    installed().clear();
    bool ok = true;
    // English plural forms live in a translation of their own; the other languages' files hold
    // every text.
    const QString folder = entryIn(QDir(appFolder()), QStringLiteral("translations"));
    auto t = std::make_unique<QTranslator>();
    const QString file = folder.isEmpty() ? QString() : QDir(folder).filePath("vantorel_" + code(lang) + ".qm");
    if (!(!file.isEmpty() && t->load(file))) {
        t.reset();
        if (lang != QLocale::English) {
            ok = false;
            if (problem)
                *problem = QCoreApplication::translate("language", "The translation file %1 could not be read: Vantorel speaks English.")
                               .arg(QDir::toNativeSeparators(file.isEmpty() ? QStringLiteral("translations/vantorel_%1.qm").arg(code(lang)) : file));
            lang = QLocale::English;
        }
    }
    if (lang != QLocale::English) {
        // Qt's own texts (the standard buttons, the file dialogs), where this Qt ships them;
        // installed first, so that the program's own translation, searched first, may mend one.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(lang), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            installed().push_back(std::move(qt));
        }
    }
    if (t) {
        QCoreApplication::installTranslator(t.get());
        installed().push_back(std::move(t));
    }
    QLocale locale(lang, lang == QLocale::German ? QLocale::Germany
                        : lang == QLocale::Spanish ? QLocale::Spain
                                                   : QLocale::UnitedStates);
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(locale);
    if (lang != QLocale::English && !decimalKey() && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        decimalKey() = new DecimalKey(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(decimalKey());
    }
    currentLanguage() = lang;
    return ok;
}

QLocale::Language current() { return currentLanguage(); }

QString localisedDataFile(const QString& name) {
    if (currentLanguage() != QLocale::English) {
        const QString folder = entryIn(QDir(appFolder()), code(currentLanguage()));
        if (!folder.isEmpty()) {
            const QString translated = entryIn(QDir(folder), name);
            if (!translated.isEmpty()) return translated;
        }
    }
    return findDataFile(name);
}

}  // namespace language
