#include <gtest/gtest.h>

#include "transfer/LateAnswers.h"

namespace kelvane {
namespace {

const std::string kDevice1("I\x0a\x01", 3);
const std::string kDevice2("I\x0a\x02", 3);

TEST(LateAnswers, OnlyARequestThatTimedOutCanBeAnsweredTwice) {
    LateAnswers late;
    late.NextRequest(kDevice1);
    EXPECT_FALSE(late.IsLateCopy(kDevice1));  // two identical records in a row

    late.TimedOut();
    late.NextRequest(kDevice1);
    EXPECT_TRUE(late.IsLateCopy(kDevice1));
    EXPECT_FALSE(late.IsLateCopy(kDevice1));  // one copy timed out: one late answer at most
}

TEST(LateAnswers, ADifferentAnswerMeansTheLateCopyIsNotComing) {
    LateAnswers late;
    late.TimedOut();
    late.TimedOut();
    late.NextRequest(kDevice1);
    EXPECT_FALSE(late.IsLateCopy(kDevice2));
    EXPECT_FALSE(late.IsLateCopy(kDevice1));
}

TEST(LateAnswers, ARequestLostRatherThanLateCostsOneWaitNotOnePerRecord) {
    LateAnswers late;
    late.TimedOut();  // the first copy was lost: only the second is answered
    late.NextRequest(kDevice1);
    // The next record happens to read the same and is taken for the late copy...
    EXPECT_TRUE(late.IsLateCopy(kDevice1));
    // ...so its request times out and goes again; that time-out is not counted,
    late.TimedOut();
    late.NextRequest(kDevice1);
    // and the records after it are taken as they come.
    EXPECT_FALSE(late.IsLateCopy(kDevice1));
}

TEST(LateAnswers, ResetForgetsTheCopiesOwed) {
    LateAnswers late;
    late.TimedOut();
    late.NextRequest(kDevice1);
    late.Reset();
    EXPECT_FALSE(late.IsLateCopy(kDevice1));
}

}  // namespace
}  // namespace kelvane
