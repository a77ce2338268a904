// The diagnostic routines database: the table "Systems" names the vehicle systems, and each
// system's name is also the name of its routines table, whose records hold a symptom
// ("Symptoms") and up to 25 routine steps ("1" .. "25"). The store keeps a connection of its
// own, so that switching the routines to another file leaves the lookup tables alone.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

struct RoutineRecord {
    static constexpr int kFields = 26;  // "Symptoms", then "1" .. "25"
    qint64 rowid = 0;
    std::array<QString, kFields> text;  // a missing field or an empty (NULL) cell is empty text
};

class RoutinesStore {
    Q_DECLARE_TR_FUNCTIONS(RoutinesStore)
public:
    RoutinesStore();
    ~RoutinesStore();
    RoutinesStore(const RoutinesStore&) = delete;
    RoutinesStore& operator=(const RoutinesStore&) = delete;

    // The name of field i of a routine: "Symptoms" for 0, else the number.
    static QString fieldName(int i);

    // Opens a routines database. A file that is missing, cannot be read, is not a database
    // or has no table "Systems" with a field "Systems" is refused with a message for the
    // user, and the file in use so far stays in use. The file itself is never changed.
    bool open(const QString& file, QString* error);
    bool isOpen() const { return !connection_.isEmpty(); }
    QString fileName() const { return file_; }

    // The systems in their stored order.
    QStringList systems() const;
    // Whether a routines table of that name exists (with at least one of the routine fields).
    bool hasRoutines(const QString& table) const;
    // Which of the 26 fields the table has.
    std::array<bool, RoutineRecord::kFields> fieldsOf(const QString& table) const;
    // The records of a routines table in their stored order; empty when there is no such table.
    QVector<RoutineRecord> records(const QString& table) const;
    // Writes the fields that differ between `before` (as read) and `after` to the record
    // read as `before`, in one transaction: all of them or none. On
    // failure (locked or read-only file, record gone) the message says why.
    bool write(const QString& table, const RoutineRecord& before, const RoutineRecord& after,
               QString* error);

private:
    void close();
    QString connection_;  // the named database connection, empty while closed
    QString file_;
};
