#include "lookuptable.h"

#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QColor>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QString fieldName(int column) { return "Speed " + QString::number(column + 1); }
}  // namespace

LookupTableModel::LookupTableModel(const QString& table, const QString& caption, QObject* parent)
    : QAbstractTableModel(parent), table_(table), caption_(caption) {}

void LookupTableModel::classify(const QVariant& v, QString* text, Cell* cell) {
    cell->value = 0;
    if (v.isNull()) {
        text->clear();
        cell->state = CellState::Empty;
        return;
    }
    const int type = v.typeId();
    if (type == QMetaType::Double || type == QMetaType::Int || type == QMetaType::LongLong ||
        type == QMetaType::UInt || type == QMetaType::ULongLong) {
        cell->value = v.toDouble();
        cell->state = CellState::Number;
        *text = vb::str(cell->value);
        return;
    }
    *text = v.toString();
    bool ok = false;
    const double d = vb::val(*text, &ok);
    if (text->trimmed().isEmpty()) {
        cell->state = CellState::Empty;
    } else if (ok) {
        cell->value = d;
        cell->state = CellState::Number;
    } else {
        cell->state = CellState::NotNumber;
    }
}

void LookupTableModel::load() {
    beginResetModel();
    rows_.clear();
    markedRow_ = markedColumn_ = -1;
    QString error;
    try {
        QSqlDatabase& db = database();
        // SQLite reads a double-quoted name that is no field as a text, so a renamed field would
        // fill a whole column with its own name: the table's fields are checked first. Each
        // table answers for itself, so one damaged map does not empty the other two.
        if (const QString missing = missingLookupField(db, table_); !missing.isEmpty()) raiseError(3265, missing);
        QSqlQuery q(db);
        QStringList fields{"rowid"};
        for (int c = 0; c < kColumns; ++c) fields << sqlName(fieldName(c));
        if (!q.exec("SELECT " + fields.join(", ") + " FROM " + sqlName(table_) + " ORDER BY rowid")) {
            error = q.lastError().databaseText();
        } else {
            while (q.next()) {
                Row r;
                r.rowid = q.value(0).toLongLong();
                for (int c = 0; c < kColumns; ++c) classify(q.value(c + 1), &r.text[c], &r.cells[c]);
                rows_.append(r);
            }
        }
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
    if (!error.isEmpty())
        raiseError(3078, tr("The lookup table '%1' could not be read (%2).").arg(table_, error));
}

QString LookupTableModel::cellText(int row, int column) const {
    if (row < 0 || row >= rows_.size() || column < 0 || column >= kColumns) return QString();
    return rows_[row].text[column];
}

void LookupTableModel::setMarkedCell(int row, int column) {
    if (row < 0 || row >= rows_.size() || column < 0 || column >= kColumns) row = column = -1;
    if (row == markedRow_ && column == markedColumn_) return;
    const int oldRow = markedRow_, oldColumn = markedColumn_;
    markedRow_ = row;
    markedColumn_ = column;
    if (oldRow >= 0) emit dataChanged(index(oldRow, oldColumn), index(oldRow, oldColumn), {Qt::BackgroundRole});
    if (row >= 0) emit dataChanged(index(row, column), index(row, column), {Qt::BackgroundRole});
}

int LookupTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_.size(); }

int LookupTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QString LookupTableModel::shownText(int row, int column) const {
    QString text = cellText(row, column);
    // A number in the screen's language (2,5 on a German screen); other texts as they stand.
    if (cell(row, column).state == CellState::Number) text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return text;
}

QVariant LookupTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole) return shownText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role == Qt::BackgroundRole && isMarked(index.row(), index.column())) return QColor(255, 205, 130);
    return QVariant();
}

QVariant LookupTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QVariant();
    if (orientation == Qt::Horizontal) return tr("Speed %1").arg(section + 1);
    return QString::number(section + 1);
}

Qt::ItemFlags LookupTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid()) f |= Qt::ItemIsEditable;
    return f;
}

bool LookupTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !editable_ || index.row() >= rows_.size()) return false;
    QString typed = value.toString().trimmed();
    // A number typed with the screen's decimal comma (2,5) is the number 2.5.
    const QChar decimal = QLocale().decimalPoint().at(0);
    if (decimal != QLatin1Char('.') && !typed.contains(QLatin1Char('.'))) {
        const QString withPoint = QString(typed).replace(decimal, QLatin1Char('.'));
        if (vb::isNumeric(withPoint)) typed = withPoint;
    }
    QVariant stored;
    bool numeric = false;
    const double number = vb::val(typed, &numeric);
    if (typed.isEmpty()) stored = QVariant(QMetaType(QMetaType::Double));  // NULL
    else if (numeric) stored = number;
    else stored = typed;

    Row& row = rows_[index.row()];
    try {
        QSqlQuery q(database());
        q.prepare("UPDATE " + sqlName(table_) + " SET " + sqlName(fieldName(index.column())) + " = ? WHERE rowid = ?");
        q.addBindValue(stored);
        q.addBindValue(row.rowid);
        if (!q.exec())
            raiseError(3027, tr("Cannot update the %1: %2.").arg(caption_, q.lastError().databaseText()));
        if (q.numRowsAffected() != 1)
            raiseError(3167, tr("The record of the %1 was deleted.").arg(caption_));
    } catch (const VbError& e) {
        reportError(e.number, e.description, QString(), MsgIcon::Critical);
        return false;
    }
    classify(stored, &row.text[index.column()], &row.cells[index.column()]);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit cellEdited(index.row(), index.column());
    return true;
}
