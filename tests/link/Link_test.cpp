// The link primitives over the in-memory line.
#include <gtest/gtest.h>

#include "VirtualLine.h"
#include "link/Link.h"

#include <optional>

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

// A far end that answers each pair (b, 0x00) with b + 1.
VirtualLine::Radio AnswerNextByte() {
    return [last = std::uint8_t{0}](std::uint8_t b) mutable {
        if (b != 0x00) last = b;
        return b == 0x00 ? Bytes{static_cast<std::uint8_t>(last + 1)} : Bytes{};
    };
}

TEST(LinkInput, StaleInputGoesBeforeTheSendAndAnImmediateAnswerCounts) {
    VirtualLine line(AnswerNextByte());
    line.reaction = std::chrono::milliseconds(0);
    Link link(line);
    link.SendByte(0x10);  // its answer 0x11 is never taken: stale by the next send
    link.SendByte(0x20);
    link.ReceiveByte();
    EXPECT_FALSE(link.linkError());
    EXPECT_EQ(link.lastByte(), 0x21);
}

TEST(LinkInput, EchoIsRecognisedOnTheFirstExchangeAndTakenOffEverySend) {
    using std::chrono::milliseconds;
    struct Row {
        std::optional<milliseconds> echo;
        milliseconds reaction;
    };
    const Row rows[] = {{std::nullopt, milliseconds(10)}, {std::nullopt, milliseconds(0)},
                        {milliseconds(0), milliseconds(10)}, {milliseconds(5), milliseconds(10)},
                        {milliseconds(30), milliseconds(10)}, {milliseconds(0), milliseconds(0)},
                        {milliseconds(30), milliseconds(0)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "echo " << (row.echo ? row.echo->count() : -1)
                                        << " ms, reaction " << row.reaction.count() << " ms");
        VirtualLine line(AnswerNextByte());
        line.echo = row.echo;
        line.reaction = row.reaction;
        Link link(line);
        link.BeginTransfer();
        for (std::uint8_t request : {0x30, 0x40, 0x4F}) {
            link.SendByte(request);
            ASSERT_FALSE(link.linkError());
            link.ReceiveBlock(1);
            ASSERT_FALSE(link.linkError());
            // Exactly the answer: no echo byte before it or left after it.
            EXPECT_EQ(link.lastBlock(), Bytes{static_cast<std::uint8_t>(request + 1)});
        }
        EXPECT_EQ(link.echo(), row.echo ? Echo::Present : Echo::Absent);
        EXPECT_EQ(line.sent, testing::Pairs({0x30, 0x40, 0x4F}));
        // Nothing waits for an echo that a plain cable never sends: each
        // exchange takes the reaction and the quiet after the answer.
        if (!row.echo) {
            EXPECT_NEAR(line.seconds(), 3 * (row.reaction + kAnswerSettle).count() / 1000.0, 1e-9);
        }
    }
}

TEST(LinkInput, AnswerThatBeginsLikeTheRequestIsNoEcho) {
    // A radio whose first answer is the request byte itself, through a plain
    // and through an echoing cable.
    for (bool echo : {false, true}) {
        SCOPED_TRACE(echo);
        VirtualLine line([](std::uint8_t b) { return b == 0x00 ? Bytes{0x52} : Bytes{}; });
        if (echo) line.echo = std::chrono::milliseconds(5);
        Link link(line);
        link.BeginTransfer();
        link.SendByte(0x52);
        link.ReceiveBytePolled(500000);
        EXPECT_FALSE(link.linkError());
        EXPECT_EQ(link.lastByte(), 0x52);
        EXPECT_EQ(link.echo(), echo ? Echo::Present : Echo::Absent);
    }
}

TEST(LinkInput, EchoThatBreaksOffFailsTheSend) {
    // The echo wire breaks after the first exchange, before the next pair
    // (nothing comes back: the send waits a time-out for it) or within it
    // (the answer takes the missing byte's place: it is not taken for echo).
    struct Row {
        int echoed;
        double failsAfter;
    };
    for (const Row row : {Row{2, 1.8}, Row{3, 0.0}}) {
        SCOPED_TRACE(row.echoed);
        VirtualLine line(AnswerNextByte());
        line.echo = std::chrono::milliseconds(0);
        line.echoLimit = row.echoed;
        Link link(line);
        link.BeginTransfer();
        link.SendByte(0x30);
        link.ReceiveByte();
        ASSERT_EQ(link.lastByte(), 0x31);
        const double t = line.seconds();
        link.SendByte(0x40);
        EXPECT_TRUE(link.linkError());
        EXPECT_GE(line.seconds() - t, row.failsAfter);
        EXPECT_LE(line.seconds() - t, std::max(row.failsAfter, 0.01) + 0.2);
    }
}

TEST(LinkPrimitives, BlockReceiveKeepsEveryByteThatArrived) {
    Bytes answer{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    VirtualLine line(AnswerAfterZero(answer));
    Link link(line);
    link.SendByte(0x0B);
    link.ReceiveBlock(10);
    EXPECT_FALSE(link.linkError());
    EXPECT_EQ(link.lastBlock(), answer);
    EXPECT_FALSE(link.answerClean());  // one byte more than asked for

    link.ReceiveBlock(9);  // nothing more comes
    EXPECT_TRUE(link.linkError());
    EXPECT_TRUE(link.lastBlock().empty());
}

TEST(LinkPrimitives, AbortQuitOrLostLineEndsAnyWaitWithinOneTick) {
    // Half a second into a wait that would last seconds (a send that never
    // drains, a receive, a polled receive), the dialog is closed, the
    // application quits or the cable is pulled.
    enum class Event { Abort, Quit, Pull };
    enum class Wait { Drain, Receive, Polled };
    for (Event event : {Event::Abort, Event::Quit, Event::Pull}) {
        for (Wait wait : {Wait::Drain, Wait::Receive, Wait::Polled}) {
            SCOPED_TRACE(::testing::Message() << "event " << int(event) << ", wait " << int(wait));
            VirtualLine line(AnswerAfterZero({}));
            Link link(line);
            link.BeginTransfer();
            const std::chrono::milliseconds at(500);
            if (event == Event::Abort)
                line.onWait = [&] { if (line.seconds() >= 0.5) link.Abort(); };
            if (event == Event::Quit) line.closingAfter = at;
            if (event == Event::Pull) line.lostAfter = at;
            if (wait == Wait::Drain) line.stuckQueue = 0;
            if (wait == Wait::Drain) link.SendByte(0x52);
            if (wait == Wait::Receive) link.ReceiveByte();
            if (wait == Wait::Polled) link.ReceiveBytePolled(500000);
            EXPECT_TRUE(link.linkError());
            EXPECT_LE(line.seconds(), 0.5 + 0.2);
            EXPECT_EQ(link.lineLost(), event == Event::Pull);
            // Nothing more reaches the radio, and no wait sleeps any more.
            line.stuckQueue = -1;
            const double t = line.seconds();
            link.SendByte(0x46);
            link.ReceiveBlock(9);
            EXPECT_TRUE(link.linkError());
            EXPECT_EQ(line.seconds(), t);
            EXPECT_EQ(line.sent, Bytes{});
        }
    }
}

TEST(LinkPrimitives, NextTransferForgetsAnAbort) {
    VirtualLine line(AnswerAfterZero({}));
    Link link(line);
    link.Abort();
    link.SendByte(0x46);
    EXPECT_TRUE(link.linkError());
    link.BeginTransfer();
    link.SendByte(0x46);
    EXPECT_FALSE(link.linkError());
    EXPECT_EQ(line.sent, (Bytes{0x46, 0x00}));
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
