// The link primitives over the in-memory line.
#include <gtest/gtest.h>

#include "VirtualLine.h"
#include "link/Link.h"

namespace vantrel::link {
namespace {

using testing::VirtualLine;

// A far end that answers every 0x00 with the given bytes.
VirtualLine::Radio AnswerAfterZero(Bytes answer) {
    return [answer](std::uint8_t b) { return b == 0x00 ? answer : Bytes{}; };
}

TEST(LinkPrimitives, SendBytePutsTheByteAndAZeroOnTheLine) {
    VirtualLine line(AnswerAfterZero({}));
    Link link(line);
    link.SendByte(0x52);
    EXPECT_FALSE(link.linkError());
    EXPECT_EQ(line.sent, (Bytes{0x52, 0x00}));
}

TEST(LinkPrimitives, TimeOutsLastTenTicks) {
    // A send that never drains and a receive that gets nothing both fail
    // after 10 ticks of 200 ms, i.e. between 1.8 s and 2.0 s.
    VirtualLine line(AnswerAfterZero({}));
    line.stuckQueue = 0;
    Link link(line);
    link.SendByte(0x52);
    EXPECT_TRUE(link.linkError());
    EXPECT_EQ(line.sent, Bytes{});
    double t = line.seconds();
    EXPECT_GE(t, 1.8);
    EXPECT_LE(t, 2.0);

    link.ReceiveByte();
    EXPECT_TRUE(link.linkError());
    EXPECT_GE(line.seconds() - t, 1.8);
    EXPECT_LE(line.seconds() - t, 2.0);
}

TEST(LinkPrimitives, PolledReceiveIsBoundedByItsPollBudget) {
    VirtualLine line(AnswerAfterZero({}));
    Link link(line);
    link.ReceiveBytePolled(500000);
    EXPECT_TRUE(link.linkError());
    EXPECT_NEAR(line.seconds(), 10.0, 0.01);
}

TEST(LinkPrimitives, EchoAndEarlyInputAreDiscardedBeforeTheReceive) {
    VirtualLine line(AnswerAfterZero({0x31}));
    line.echo = true;
    Link link(line);
    link.SendByte(0x52);
    link.ReceiveByte();
    EXPECT_FALSE(link.linkError());
    EXPECT_EQ(link.lastByte(), 0x31);
}

TEST(LinkPrimitives, BlockReceiveKeepsEveryByteThatArrived) {
    Bytes answer{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    VirtualLine line(AnswerAfterZero(answer));
    Link link(line);
    link.SendByte(0x0B);
    link.ReceiveBlock(10);
    EXPECT_FALSE(link.linkError());
    EXPECT_EQ(link.lastBlock(), answer);

    link.ReceiveBlock(9);  // nothing more comes
    EXPECT_TRUE(link.linkError());
    EXPECT_TRUE(link.lastBlock().empty());
}

TEST(LinkPrimitives, AbortEndsAWaitAtOnceAndStopsFurtherSends) {
    VirtualLine line(AnswerAfterZero({}));
    Link link(line);
    line.onWait = [&] { if (line.seconds() > 0.5) link.Abort(); };
    link.ReceiveBytePolled(500000);
    EXPECT_TRUE(link.linkError());
    EXPECT_LT(line.seconds(), 0.7);
    link.SendByte(0x46);
    EXPECT_TRUE(link.linkError());
    EXPECT_EQ(line.sent, Bytes{});
    link.BeginTransfer();
    line.onWait = nullptr;
    link.SendByte(0x46);
    EXPECT_FALSE(link.linkError());
}

TEST(LinkPrimitives, BlinkPaintsPaleFirstThenAlternatesEveryTick) {
    VirtualLine line(AnswerAfterZero({}));
    Link link(line);
    testing::RecordingObserver observer;
    link.setObserver(&observer);
    link.StartBlink(Indicator::Red);
    link.Pause(std::chrono::milliseconds(650));  // ticks at 130, 330, 530 ms
    link.StopBlink();
    link.Pause(std::chrono::milliseconds(400));
    using P = std::pair<Indicator, bool>;
    EXPECT_EQ(observer.paints, (std::vector<P>{{Indicator::Red, false}, {Indicator::Red, true},
                                               {Indicator::Red, false}}));
}

}  // namespace
}  // namespace vantrel::link
