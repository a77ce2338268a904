// One ECU map as the engine-management window's grid shows it: the records of a database
// table ("timing", "Dwell", "injection") with the fields "Speed 1" .. "Speed 8", held in
// memory so that the engine step reads a cell without touching the database. An edit
// made in the grid is written to the database at once and used from the next step on.
#pragma once

#include "sim/engine.h"

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

class LookupTableModel : public QAbstractTableModel, public sim::MapSource {
    Q_OBJECT
public:
    static constexpr int kColumns = 8;

    // table: the database table; caption: what the user calls it ("Timing Lookup Table").
    LookupTableModel(const QString& table, const QString& caption, QObject* parent = nullptr);

    QString table() const { return table_; }
    QString caption() const override { return caption_; }

    // Reads the table from the database; raises the run-time error of a missing database,
    // table or field (the model is then empty).
    void load();

    // Whether the grid may change cells.
    void setEditable(bool editable) { editable_ = editable; }
    bool editable() const { return editable_; }

    // A cell as the engine step sees it.
    using CellState = sim::CellState;
    using Cell = sim::MapCell;
    Cell cell(int row, int column) const override {
        if (row < 0 || row >= rows_.size() || column < 0 || column >= kColumns) return {};
        return rows_[row].cells[column];
    }
    int rows() const override { return rows_.size(); }
    // The text of a cell as it is stored (a number with a decimal point).
    QString cellText(int row, int column) const override;
    // The text of a cell as the grid shows it: a number in the screen's language.
    QString shownText(int row, int column) const;

    // The cell the unit used at its last engine step, drawn marked; a row or column outside
    // the table marks none.
    void setMarkedCell(int row, int column);
    int markedRow() const { return markedRow_; }
    int markedColumn() const { return markedColumn_; }
    bool isMarked(int row, int column) const { return markedRow_ >= 0 && row == markedRow_ && column == markedColumn_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A user's edit: empty text clears the field, a number is stored as a number, any
    // other text is stored as typed (the engine step then refuses it). The database is
    // written first; when that fails the error is reported and the cell keeps its value.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // A cell was changed by an edit (after the database accepted it).
    void cellEdited(int row, int column);

private:
    struct Row {
        qint64 rowid = 0;
        QString text[kColumns];
        Cell cells[kColumns];
    };
    static void classify(const QVariant& v, QString* text, Cell* cell);

    QString table_;
    QString caption_;
    bool editable_ = false;
    QVector<Row> rows_;
    int markedRow_ = -1;
    int markedColumn_ = -1;
};
