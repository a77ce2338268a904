// Script mode's reading of a line: words and quoted texts, escapes, targets, grid cells, keys
// and values as `expect` compares them.
#include "app/script/parser.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace script;

namespace {

TEST(ScriptParser, AQuotedFirstWordKeepsItsBlanksAndOnlyAClosedQuoteCounts) {
    QString rest;
    EXPECT_EQ(firstWord("  \"USERDATA:Challenge results.csv\"  3 \"a b\" ", &rest), "USERDATA:Challenge results.csv");
    EXPECT_EQ(rest, "3 \"a b\"");
    // A closing quote that does not end the word is part of it, as is a quote never closed.
    EXPECT_EQ(firstWord("\"ab\"cd ef", &rest), "\"ab\"cd");
    EXPECT_EQ(rest, "ef");
    EXPECT_EQ(firstWord("\"abc def", &rest), "\"abc");
    EXPECT_EQ(rest, "def");
    // The quotes of an empty text.
    EXPECT_EQ(firstWord("\"\" x", &rest), "");
    EXPECT_EQ(rest, "x");
    EXPECT_EQ(firstWord("   ", &rest), "");
    EXPECT_EQ(rest, "");
}

TEST(ScriptParser, QuotesAndEscapesComeOffOnlyWhereTheyStand) {
    EXPECT_EQ(unquote("  \"Frequency 799.2 Hz\" "), "Frequency 799.2 Hz");
    EXPECT_EQ(unquote("\"half"), "\"half");
    EXPECT_EQ(unquote("\""), "\"");
    EXPECT_EQ(unquote("\"\"inner\"\""), "\"inner\"");  // one pair only

    EXPECT_EQ(unescape("a\\nb\\r\\tc"), QString("a\nb\r\tc"));
    EXPECT_EQ(unescape("C:\\\\temp \\\"x\\\""), "C:\\temp \"x\"");
    EXPECT_EQ(unescape("ends with \\"), "ends with \\");  // a lone backslash at the end stays
}

TEST(ScriptParser, ATargetSplitsIntoWindowControlAndIndex) {
    TargetName t;
    QString error;
    ASSERT_TRUE(parseTarget(" frmFaults.chkFault(12) ", &t, &error));
    EXPECT_EQ(t.window, "frmFaults");
    EXPECT_EQ(t.control, "chkFault");
    EXPECT_EQ(t.index, "12");
    EXPECT_EQ(t.controlWithIndex(), "chkFault(12)");
    EXPECT_EQ(t.text(), "frmFaults.chkFault(12)");

    ASSERT_TRUE(parseTarget("FRMsimulation.DBtiminggrid( 2,3 )", &t, &error));
    EXPECT_EQ(t.index, "2,3");
    EXPECT_EQ(t.text(), "FRMsimulation.DBtiminggrid(2,3)");

    ASSERT_TRUE(parseTarget("MultiScope", &t, &error));
    EXPECT_EQ(t.window, "MultiScope");
    EXPECT_TRUE(t.control.isEmpty());
    EXPECT_TRUE(t.index.isEmpty());
    EXPECT_EQ(t.text(), "MultiScope");

    // Only the first dot parts the window from the control; a dot in the index stays there.
    ASSERT_TRUE(parseTarget("frmMaps.MSChart1(1.5,2)", &t, &error));
    EXPECT_EQ(t.control, "MSChart1");
    EXPECT_EQ(t.index, "1.5,2");

    // An index closed that was never opened.
    EXPECT_FALSE(parseTarget("frmFaults.chkFault1)", &t, &error));
    EXPECT_EQ(error, "bad target frmFaults.chkFault1)");
}

TEST(ScriptParser, AGridCellIsTwoWholeNumbers) {
    int row = -1, column = -1;
    ASSERT_TRUE(parseCell("7,0", &row, &column));
    EXPECT_EQ(row, 7);
    EXPECT_EQ(column, 0);
    ASSERT_TRUE(parseCell(" 2 , 3 ", &row, &column));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(column, 3);
    // Negative numbers are numbers (the grid then has no such cell).
    EXPECT_TRUE(parseCell("-1,4", &row, &column));
    for (const char* bad : {"3", "1,2,3", "a,b", "1,x", "", ",", "1.5,2"})
        EXPECT_FALSE(parseCell(bad, &row, &column)) << bad;
}

TEST(ScriptParser, KeysByNameOrAsOneCharacter) {
    QString text;
    EXPECT_EQ(keyCode("Enter", &text), Qt::Key_Return);
    EXPECT_EQ(text, "\r");
    EXPECT_EQ(keyCode("PAGEUP", &text), Qt::Key_PageUp);
    EXPECT_EQ(text, "");
    EXPECT_EQ(keyCode("space", &text), Qt::Key_Space);
    EXPECT_EQ(text, " ");
    EXPECT_EQ(keyCode("Escape", &text), Qt::Key_Escape);
    EXPECT_EQ(text, "\x1b");
    // One character types itself; its key is the capital's.
    EXPECT_EQ(keyCode("q", &text), Qt::Key_Q);
    EXPECT_EQ(text, "q");
    EXPECT_EQ(keyCode("7", &text), Qt::Key_7);
    // A combination or an unknown name is no single key.
    EXPECT_EQ(keyCode("F1", &text), 0);
    EXPECT_EQ(keyCode("Ctrl+O", &text), 0);
    EXPECT_EQ(keyCode("", &text), 0);
}

TEST(ScriptParser, ValuesReadAsTheTranscriptPrintsThem) {
    EXPECT_EQ(jsonText(QJsonValue(800.0)), "800");
    EXPECT_EQ(jsonText(QJsonValue(-2.5)), "-2.5");
    EXPECT_EQ(jsonText(QJsonValue(true)), "true");
    EXPECT_EQ(jsonText(QJsonValue(false)), "false");
    EXPECT_EQ(jsonText(QJsonValue(QJsonValue::Null)), "");
    EXPECT_EQ(jsonText(QJsonValue("Rolling")), "Rolling");
    // Arrays (colours, trace points) joined by commas, nested ones too.
    EXPECT_EQ(jsonText(QJsonArray{255, 0, 128}), "255,0,128");
    EXPECT_EQ(jsonText(QJsonArray{QJsonArray{0, 248}, QJsonArray{6, 246}}), "0,248,6,246");
    EXPECT_EQ(jsonText(QJsonObject{{"mode", "Auto"}}), "{\"mode\":\"Auto\"}");
}

}  // namespace
