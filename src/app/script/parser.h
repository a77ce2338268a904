// Script mode: how a script line is read. Plain text handling on Qt Core, with no window: the
// words and quoted texts of a line, the escapes of an expected text, a target's three parts,
// a grid cell, a key's name and a transcript value as text.
#pragma once

#include <QJsonValue>
#include <QString>

namespace script {

// A text without the blanks around it and without one pair of surrounding double quotes.
QString unquote(QString s);
// \n, \r and \t as the characters they stand for; a backslash before any other character
// stands for that character.
QString unescape(const QString& s);
// The first word of a line, or its first quoted text ("a file name.csv") without the quotes;
// *rest is the remainder, trimmed.
QString firstWord(const QString& s, QString* rest);

// What a script names: WINDOW, WINDOW.CONTROL or WINDOW.CONTROL(INDEX).
struct TargetName {
    QString window, control, index;
    // The control with its index as the window names its widgets: "chkFault(1)".
    QString controlWithIndex() const;
    // The whole name again: "frmFaults.chkFault(1)".
    QString text() const;
};
// False, with the error text, for a control whose index is not closed as it opens.
bool parseTarget(const QString& text, TargetName* out, QString* error);

// A grid cell's index "ROW,COLUMN": false unless it is two whole numbers.
bool parseCell(const QString& index, int* row, int* column);

// A key by its name (Escape, PageUp, ..., Enter, Space) or one character: its Qt key code and
// the text it types; 0 for a name that is neither.
int keyCode(const QString& name, QString* text);

// A transcript value as `expect` compares it: numbers as the program prints them, arrays
// joined by commas, null as nothing, true and false.
QString jsonText(const QJsonValue& v);

}  // namespace script
