// Script mode's inspectors: what `show` reads of each kind of widget and what `set` changes,
// on widgets of their own (no window of the program).
#include "app/script/inspectors.h"
#include "app/script/target.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

using namespace script;

namespace {

Target targetOf(QWidget* w, const QString& control, const QString& index = QString()) {
    Target t;
    t.name = {"frmTest", control, index};
    t.object = w;
    t.widget = w;
    return t;
}

QJsonObject shown(const Target& t) {
    QJsonObject o;
    QString error;
    EXPECT_TRUE(showTarget(t, &o, &error)) << error.toStdString();
    return o;
}

TEST(ScriptInspectors, ACheckBoxIsReadAsOneAndTakesOnlyZeroOrOne) {
    QCheckBox box("Fault 3");
    box.setObjectName("chkFault(3)");
    const Target t = targetOf(&box, "chkFault", "3");
    QJsonObject o = shown(t);
    EXPECT_EQ(o.value("target").toString(), "frmTest.chkFault(3)");
    EXPECT_EQ(o.value("type").toString(), "QCheckBox");
    EXPECT_EQ(o.value("text").toString(), "Fault 3");
    EXPECT_EQ(o.value("value").toInt(-1), 0);  // a check box, not only a button: it has a value
    EXPECT_FALSE(o.value("checked").toBool(true));

    QString error;
    for (const char* bad : {"2", "-1", "yes", ""}) {
        EXPECT_EQ(setTarget(t, bad, &error), SetResult::Failed) << bad;
        EXPECT_EQ(error, "a check box takes 0 or 1");
        EXPECT_FALSE(box.isChecked()) << bad;
    }
    EXPECT_EQ(setTarget(t, "1", &error), SetResult::Done);
    EXPECT_TRUE(box.isChecked());
    o = shown(t);
    EXPECT_EQ(o.value("value").toInt(), 1);
    EXPECT_TRUE(o.value("checked").toBool());
}

TEST(ScriptInspectors, ASliderRefusesAValueOutsideItsRangeAndKeepsItsOwn) {
    QScrollBar bar(Qt::Horizontal);
    bar.setRange(800, 6400);
    bar.setValue(1000);
    const Target t = targetOf(&bar, "HSB_engine_speed");
    QString error;
    EXPECT_EQ(setTarget(t, "6401", &error), SetResult::Failed);
    EXPECT_EQ(error, "Invalid property value: 6401 is outside 800..6400");
    EXPECT_EQ(setTarget(t, "nan", &error), SetResult::Failed);
    EXPECT_EQ(bar.value(), 1000);
    EXPECT_EQ(setTarget(t, "6400", &error), SetResult::Done);
    const QJsonObject o = shown(t);
    EXPECT_EQ(o.value("value").toInt(), 6400);
    EXPECT_EQ(o.value("min").toInt(), 800);
    EXPECT_EQ(o.value("max").toInt(), 6400);
}

class GridCells : public ::testing::Test {
protected:
    void SetUp() override {
        model.setRowCount(3);
        model.setColumnCount(2);
        model.setItem(2, 1, new QStandardItem("37.5"));
        grid.setModel(&model);
        grid.setObjectName("DBtiminggrid");
    }
    QStandardItemModel model;
    QTableView grid;
};

TEST_F(GridCells, ACellIsShownByRowAndColumnAndOnlyWhenItIsThere) {
    QJsonObject o = shown(targetOf(&grid, "DBtiminggrid", "2,1"));
    EXPECT_EQ(o.value("text").toString(), "37.5");
    EXPECT_FALSE(o.value("current").toBool(true));
    grid.setCurrentIndex(model.index(2, 1));
    EXPECT_TRUE(shown(targetOf(&grid, "DBtiminggrid", "2,1")).value("current").toBool());

    QString error;
    o = QJsonObject();
    EXPECT_FALSE(showTarget(targetOf(&grid, "DBtiminggrid", "3,0"), &o, &error));
    EXPECT_EQ(error, "no cell 3,0");
    EXPECT_FALSE(showTarget(targetOf(&grid, "DBtiminggrid", "2"), &o, &error));
    EXPECT_EQ(error, "a grid cell is (row,column)");
    // Words are no cell: not the first cell either.
    EXPECT_FALSE(showTarget(targetOf(&grid, "DBtiminggrid", "x,y"), &o, &error));
    EXPECT_EQ(error, "no cell x,y");
}

TEST_F(GridCells, AGridThatTakesNoTypingRefusesAndKeepsItsCell) {
    QString error;
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(setTarget(targetOf(&grid, "DBtiminggrid", "2,1"), "50", &error), SetResult::Refused);
    EXPECT_EQ(model.item(2, 1)->text(), "37.5");

    grid.setEditTriggers(QAbstractItemView::DoubleClicked);
    model.item(2, 1)->setEditable(false);
    EXPECT_EQ(setTarget(targetOf(&grid, "DBtiminggrid", "2,1"), "50", &error), SetResult::Refused);
    EXPECT_EQ(model.item(2, 1)->text(), "37.5");

    model.item(2, 1)->setEditable(true);
    EXPECT_EQ(setTarget(targetOf(&grid, "DBtiminggrid", "2,1"), "50", &error), SetResult::Done);
    EXPECT_EQ(model.item(2, 1)->text(), "50");
    EXPECT_EQ(grid.currentIndex(), model.index(2, 1));  // typed where the cursor went

    EXPECT_EQ(setTarget(targetOf(&grid, "DBtiminggrid", "9,9"), "50", &error), SetResult::Failed);
    EXPECT_EQ(error, "no cell 9,9");
}

TEST(ScriptInspectors, AComboBoxListsItsItemsAndIsTypedIntoOnlyWhenEditable) {
    QComboBox combo;
    combo.addItems({"Roll", "Auto", "Normal"});
    combo.setCurrentIndex(1);
    const Target t = targetOf(&combo, "cmbTrigger");
    QJsonObject o = shown(t);
    EXPECT_EQ(o.value("text").toString(), "Auto");
    EXPECT_EQ(o.value("index").toInt(), 1);
    EXPECT_EQ(o.value("items").toArray(), (QJsonArray{"Roll", "Auto", "Normal"}));

    QString error;
    EXPECT_EQ(setTarget(t, "Single", &error), SetResult::Failed);
    EXPECT_EQ(error, "the combo box is not editable; use pick");
    EXPECT_EQ(combo.currentText(), "Auto");
    combo.setEditable(true);
    EXPECT_EQ(setTarget(t, "Sine", &error), SetResult::Done);
    EXPECT_EQ(combo.currentText(), "Sine");
}

TEST(ScriptInspectors, ADisabledControlOrOneThatTakesNoValueIsNotChanged) {
    QLabel label("Battery 12.6 V");
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label.setPalette(p);
    label.setToolTip("Battery voltage");
    const Target t = targetOf(&label, "lblBattery");
    const QJsonObject o = shown(t);
    EXPECT_EQ(o.value("text").toString(), "Battery 12.6 V");
    EXPECT_EQ(o.value("fore").toArray(), (QJsonArray{255, 0, 0}));
    EXPECT_EQ(o.value("tooltip").toString(), "Battery voltage");
    QString error;
    EXPECT_EQ(setTarget(t, "x", &error), SetResult::NotSettable);
    EXPECT_EQ(error, "cannot set a QLabel");
    EXPECT_EQ(label.text(), "Battery 12.6 V");

    QCheckBox box;
    box.setEnabled(false);
    EXPECT_EQ(setTarget(targetOf(&box, "chkAutoRun"), "1", &error), SetResult::Failed);
    EXPECT_EQ(error, "chkAutoRun is disabled");
    EXPECT_FALSE(box.isChecked());

    // A push button is a button, not a check box: it has no value to read or set.
    QPushButton button("Start");
    const QJsonObject b = shown(targetOf(&button, "cmdStart"));
    EXPECT_EQ(b.value("text").toString(), "Start");
    EXPECT_FALSE(b.contains("value"));
    EXPECT_EQ(setTarget(targetOf(&button, "cmdStart"), "1", &error), SetResult::NotSettable);
}

}  // namespace
