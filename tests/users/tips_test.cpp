// The tips file's lines: line ends of every kind, the cut-off end of a huge file, and lines a
// label cannot show as they stand.
#include "users/tips.h"

#include <gtest/gtest.h>

namespace {
QStringList parse(const QByteArray& bytes, bool whole = true) {
    QStringList tips;
    EXPECT_EQ(TipList::parse(bytes, whole, &tips), TipList::Load::Loaded);
    return tips;
}
}  // namespace

TEST(Tips, EveryLineEndEndsALineAndBlankLinesAreTips) {
    EXPECT_EQ(parse("a\rb\r\n\nc"), QStringList({"a", "b", "", "c"}));
    EXPECT_EQ(parse("a\n\n"), QStringList({"a", ""}));
    EXPECT_TRUE(parse("").isEmpty());
}

TEST(Tips, TheStartOfAHugeFileLosesItsCutLine) {
    EXPECT_EQ(parse("first\nsecond\nthi", false), QStringList({"first", "second"}));
    EXPECT_EQ(parse("one endless line", false), QStringList({"one endless line"}));
}

TEST(Tips, ControlCharactersAndEndlessLinesAreShownTamed) {
    const QStringList tips = parse("tab\there\x07!\n" + QByteArray(5000, 'x'));
    EXPECT_EQ(tips[0], "tab here !");
    EXPECT_EQ(tips[1].size(), TipList::kMaxTipLength);
    QStringList none;
    EXPECT_EQ(TipList::parse(QByteArray("\x01\x02\x03\x04 text"), true, &none), TipList::Load::NotText);
    EXPECT_TRUE(none.isEmpty());
}
