// The language the program speaks: chosen in the options (or the system's), applied once at
// start-up, before the first window is made. It installs the program's translation and Qt's
// own, sets the number format that controls show and read (the language's decimal comma,
// no group separator) and picks the translated data texts the student reads. Files keep
// their formats whatever the language: only what is shown changes.
#pragma once

#include <QLocale>
#include <QString>

namespace language {

// What the options offer, in the order they list it.
enum class Choice { System, English, German, Spanish };

// The settings' section and key of the choice, and the choice's text there ("System",
// "English", "German", "Spanish"); an unknown text is no choice.
inline constexpr const char* kSection = "ZRsettings";
inline constexpr const char* kKey = "ZRlanguage";
QString settingText(Choice choice);
bool fromSettingText(const QString& text, Choice* choice);

// The choice stored in the settings; none (or an unknown one) is System.
Choice chosenInSettings();

// The language a choice comes to: System takes the system locale's language when the program
// has it, else English.
QLocale::Language resolve(Choice choice, const QLocale& system = QLocale::system());

// The two-letter code of a language the program has ("en", "de", "es"), and back (an unknown
// code gives QLocale::AnyLanguage).
QString code(QLocale::Language lang);
QLocale::Language fromCode(const QString& code);

// Makes `lang` the program's language: the translators of the program (from the program's
// folder, translations/vantorel_<code>.qm) and of Qt, and the default locale. Returns false,
// with what went wrong in `problem`, when the program's translation could not be loaded: the
// program then speaks English.
bool apply(QLocale::Language lang, QString* problem = nullptr);

// The language made current by `apply` (English before).
QLocale::Language current();

// The data text `name` (a file of the program's folder, such as "faults.txt" or "help") in
// the current language: <code>/<name> of the program's folder when there is one (names found
// without regard to case), else the English file.
QString localisedDataFile(const QString& name);

}  // namespace language
