#include <gtest/gtest.h>

#include "transfer/AnswerGate.h"

namespace kelvane {
namespace {

using Verdict = AnswerGate::Verdict;

const std::string kDevice35Request("I\x02\x01\x23", 4);
const std::string kDevice36Request("I\x02\x01\x24", 4);
const std::string kDeviceAnswer("I\x0a\x04", 3);  // device answers say nothing of their number
const std::string kZone5Request("t\x01\x05", 3);
const std::string kZone6Request("t\x01\x06", 3);
const std::string kZone5Answer("t\x19\x05", 3);
const std::string kZone6Answer("t\x19\x06", 3);
const std::string kDeviceSave("J\x0d\x23", 3);
const std::string kNextDeviceSave("J\x0d\x24", 3);

std::string MarkerAnswer(const std::string& marker) {
    return std::string("t\x19", 2) + marker[2];
}

TEST(AnswerGate, OnASettledLinkEveryRequestGoesAsItIs) {
    AnswerGate gate;
    EXPECT_EQ(gate.Send(kDevice35Request), kDevice35Request);
    EXPECT_EQ(gate.JudgeFrame(kDeviceAnswer), Verdict::Take);
    EXPECT_EQ(gate.Send(kDevice36Request), kDevice36Request);
    EXPECT_EQ(gate.JudgeFrame(kDeviceAnswer), Verdict::Take);
    EXPECT_FALSE(gate.Unsettled());
}

// The request went twice (time-out, NAK or bad checksum): the first answer
// is the record's, the second copy's answer is owed and would be taken for
// the next device's. The next device request waits behind a marker.
TEST(AnswerGate, AfterAResendTheNextDeviceWaitsForAMarkerAndTheOwedCopyIsDropped) {
    AnswerGate gate;
    gate.Send(kDevice35Request);
    EXPECT_EQ(gate.Resend(), kDevice35Request);
    EXPECT_EQ(gate.JudgeFrame(kDeviceAnswer), Verdict::Take);
    EXPECT_TRUE(gate.Unsettled());

    const std::string marker = gate.Send(kDevice36Request);
    ASSERT_EQ(marker.substr(0, 2), std::string("t\x01", 2));
    EXPECT_TRUE(gate.Settling());
    EXPECT_EQ(gate.JudgeFrame(kDeviceAnswer), Verdict::Drop);  // the second copy's answer
    EXPECT_EQ(gate.JudgeFrame(MarkerAnswer(marker)), Verdict::Settled);
    EXPECT_EQ(gate.Released(), kDevice36Request);
    EXPECT_FALSE(gate.Unsettled());
    EXPECT_EQ(gate.JudgeFrame(kDeviceAnswer), Verdict::Take);
}

TEST(AnswerGate, AMarkerThatGoesUnansweredIsFollowedByOneWithANewNumber) {
    AnswerGate gate;
    gate.Send(kDevice35Request);
    gate.Resend();
    gate.JudgeFrame(kDeviceAnswer);
    const std::string first = gate.Send(kDevice36Request);
    const std::string second = gate.Resend();
    EXPECT_NE(first, second);
    EXPECT_EQ(second.substr(0, 2), std::string("t\x01", 2));
    // The first marker's answer comes after all: it proves nothing about the second.
    EXPECT_EQ(gate.JudgeFrame(MarkerAnswer(first)), Verdict::Drop);
    EXPECT_EQ(gate.JudgeFrame(MarkerAnswer(second)), Verdict::Settled);
}

TEST(AnswerGate, NumberedAnswersAreTakenOnlyForTheirOwnRecordAndNeedNoMarker) {
    AnswerGate gate;
    gate.Send(kZone5Request);
    gate.Resend();
    EXPECT_EQ(gate.JudgeFrame(kZone5Answer), Verdict::Take);
    EXPECT_EQ(gate.Send(kZone6Request), kZone6Request);  // unsettled, but its answer names zone 6
    EXPECT_EQ(gate.JudgeFrame(kZone5Answer), Verdict::Drop);
    EXPECT_EQ(gate.JudgeFrame(kZone6Answer), Verdict::Take);
}

TEST(AnswerGate, SiteAnswersAreTakenOnlyWithTheirOwnLetter) {
    AnswerGate gate;
    gate.Send(std::string("Q\x00", 2));
    EXPECT_EQ(gate.JudgeFrame(std::string("O\x01"
                                          "1",
                                          3)),
              Verdict::Drop);
    EXPECT_EQ(gate.JudgeFrame(std::string("Q\x01"
                                          "2",
                                          3)),
              Verdict::Take);
    // An answer that nothing awaits tells of copies owed.
    EXPECT_EQ(gate.JudgeFrame(std::string("Q\x01"
                                          "2",
                                          3)),
              Verdict::Drop);
    EXPECT_TRUE(gate.Unsettled());
}

// Acknowledgements carry nothing: a late one must never let a save skip a record.
TEST(AnswerGate, ALateAcknowledgementIsDroppedBehindAMarker) {
    AnswerGate gate;
    gate.Send(kDeviceSave);
    gate.Resend();  // no acknowledgement within the time-out
    EXPECT_EQ(gate.JudgeAck(), Verdict::Take);
    const std::string marker = gate.Send(kNextDeviceSave);
    EXPECT_NE(marker, kNextDeviceSave);
    EXPECT_EQ(gate.JudgeAck(), Verdict::Drop);  // the second copy's acknowledgement
    EXPECT_EQ(gate.JudgeFrame(MarkerAnswer(marker)), Verdict::Settled);
    EXPECT_EQ(gate.Released(), kNextDeviceSave);
    EXPECT_EQ(gate.JudgeAck(), Verdict::Take);
    EXPECT_EQ(gate.JudgeAck(), Verdict::Drop);
}

TEST(AnswerGate, AnAcknowledgementDoesNotAnswerARequestAndAFrameDoesNotAnswerASave) {
    AnswerGate gate;
    gate.Send(kDevice35Request);
    EXPECT_EQ(gate.JudgeAck(), Verdict::Drop);
    gate.Send(kDeviceSave);
    EXPECT_EQ(gate.JudgeFrame(kDeviceAnswer), Verdict::Drop);
}

TEST(AnswerGate, TheRequestPastTheLastRecordWaitsForASettledLinkLikeADevice) {
    AnswerGate gate;
    gate.Send(kZone5Request);
    gate.Resend();
    gate.JudgeFrame(kZone5Answer);
    const std::string closing("t\x01\x41", 3);  // zone 65
    const std::string marker = gate.Send(closing, AnswerGate::Identity::LetterOnly);
    EXPECT_NE(marker, closing);
    gate.JudgeFrame(MarkerAnswer(marker));
    EXPECT_EQ(gate.Released(), closing);
    // Its answer is taken whatever number it carries.
    EXPECT_EQ(gate.JudgeFrame(std::string("t\x19\x00", 3)), Verdict::Take);
}

TEST(AnswerGate, ATransferThatEndsWithARequestInHandLeavesTheLinkUnsettled) {
    AnswerGate gate;
    gate.Send(kDevice35Request);
    gate.Abandon();
    EXPECT_EQ(gate.JudgeFrame(kDeviceAnswer), Verdict::Drop);
    EXPECT_NE(gate.Send(kDevice35Request), kDevice35Request);
    EXPECT_TRUE(gate.Settling());
}

}  // namespace
}  // namespace kelvane
