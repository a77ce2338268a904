// The start-up warm-up: whatever the processors the program may use, finishing it returns, and
// a program that ends early does not wait for ever. The warm-up runs once per process, so each
// case runs in a process of its own.
#include "platform/warmup.h"

#include <QFontDatabase>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sched.h>

namespace {

// Ends the process at once (no exit handlers): 0 when the fonts are listed.
[[noreturn]] void warmUpAndCheck() {
    startWarmup();
    warmupWithApplication();
    finishWarmup();
    finishWarmup();  // a second call has nothing to wait for
    std::_Exit(QFontDatabase::families().isEmpty() ? 2 : 0);
}

class WarmUp : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

}  // namespace

TEST_F(WarmUp, FinishesWithTheFontsListed) {
    EXPECT_EXIT(warmUpAndCheck(), ::testing::ExitedWithCode(0), "");
}

TEST_F(WarmUp, FinishesWhenTheProgramMayUseOneProcessorOnly) {
    // The font thread then shares the processor with this one, which must not keep it busy.
    EXPECT_EXIT(
        {
            cpu_set_t one;
            CPU_ZERO(&one);
            CPU_SET(std::max(0, sched_getcpu()), &one);
            if (sched_setaffinity(0, sizeof one, &one) != 0) std::_Exit(3);
            warmUpAndCheck();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(WarmUp, FinishingWithoutAStartReturnsAtOnce) {
    EXPECT_EXIT(
        {
            finishWarmup();
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(WarmUp, AProgramEndingBeforeItNeedsTheFontsEndsAtOnce) {
    // Started, never finished and never told of the application: the thread is let go and
    // joined as the program ends.
    EXPECT_EXIT(
        {
            startWarmup();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(WarmUp, FinishingBeforeTheApplicationIsAnnouncedReturns) {
    // The thread gives up the font list (the first text fills it) rather than wait for ever.
    EXPECT_EXIT(
        {
            startWarmup();
            finishWarmup();
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}
