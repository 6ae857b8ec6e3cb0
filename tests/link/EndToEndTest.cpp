#include "LinkHarness.h"

#include "FlashTransfer.h"
#include "LoaderBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

VirtualReceiverOptions DumpReceiver(const std::vector<uint8_t>& image)
{
    VirtualReceiverOptions options;
    options.mode = VirtualReceiverOptions::Mode::Dump;
    options.image = image;
    options.answerTimeoutMs = 5000;
    options.resetIntervalMs = 1000;
    return options;
}

VirtualReceiverOptions UpgradeReceiver()
{
    VirtualReceiverOptions options;
    options.mode = VirtualReceiverOptions::Mode::Upgrade;
    options.answerTimeoutMs = 5000;
    options.resetIntervalMs = 1000;
    options.codeDelayMs = 30;
    options.codeGapMs = 20;
    options.doneDelayMs = 200;
    return options;
}

TEST(EndToEndTest, DumpBringsTheReceiversFlashIntoABufferItHandsOver)
{
    LinkHarness link;
    const std::vector<uint8_t> flash = PatternImage(IMAGE_SIZE, 1);
    ASSERT_TRUE(link.StartReceiver(DumpReceiver(flash)));

    const TransferOutcome outcome = link.Dump();

    EXPECT_EQ(outcome.result, TransferResult::Done);
    EXPECT_EQ(outcome.flash, flash);
    EXPECT_TRUE(link.m_Session->Wait().flash.empty());
    EXPECT_EQ(link.ProgressDone().back(), uint32_t(IMAGE_SIZE));
    EXPECT_EQ(link.Progress().back().unit, ProgressUnit::Bytes);
    const auto dump = TransferKind::Dump;
    EXPECT_EQ(link.Events(),
        (std::vector<TransferEvent>{ StageEvent(dump, TransferStage::ReadyToRead),
            StageEvent(dump, TransferStage::Reading),
            EndEvent(dump, TransferStage::Reading, TransferResult::Done) }));
    EXPECT_TRUE(link.m_Session->IsIdle());
    EXPECT_TRUE(link.PortLetGo());
    link.StopReceiver();
    EXPECT_EQ(link.m_Receiver->Faults(), std::vector<std::string>{});
    EXPECT_EQ(link.m_Receiver->CompletedSessions(), 1);
}

TEST(EndToEndTest, ReceiverThatClosesAfterItsOneSessionLosesNoByte)
{
    LinkHarness link;
    for (int run = 0; run < 20; ++run) {
        SCOPED_TRACE(run);
        const std::vector<uint8_t> flash = PatternImage(IMAGE_SIZE, uint8_t(run + 7));
        ASSERT_TRUE(link.StartReceiver(DumpReceiver(flash), true));

        const TransferOutcome outcome = link.Dump();
        EXPECT_EQ(outcome.result, TransferResult::Done);
        EXPECT_EQ(outcome.flash, flash);
        link.StopReceiver();
        EXPECT_EQ(link.m_Receiver->Faults(), std::vector<std::string>{});
        // The port was let go with the dump: the hang-up after it is no lost link.
        EXPECT_EQ(link.Events().back(), EndEvent(TransferKind::Dump, TransferStage::Reading, TransferResult::Done));
    }
}

TEST(EndToEndTest, ReceiverPlaysRepeatedSessions)
{
    LinkHarness link;
    link.ChooseXtal(2);
    const std::vector<uint8_t> flash = PatternImage(IMAGE_SIZE, 2);
    VirtualReceiverOptions options = DumpReceiver(flash);
    options.sessions = 2;
    options.xtal = 2;
    ASSERT_TRUE(link.StartReceiver(options));

    EXPECT_EQ(link.Dump().result, TransferResult::Done);
    EXPECT_EQ(link.Dump().flash, flash);

    link.StopReceiver();
    EXPECT_EQ(link.m_Receiver->Faults(), std::vector<std::string>{});
    EXPECT_EQ(link.m_Receiver->CompletedSessions(), 2);
}

TEST(EndToEndTest, UpgradeWritesTheImageIntoTheReceiver)
{
    LinkHarness link;
    link.ChooseXtal(1);
    const std::vector<uint8_t> image = PatternImage(IMAGE_SIZE, 3);
    VirtualReceiverOptions options = UpgradeReceiver();
    options.xtal = 1;
    ASSERT_TRUE(link.StartReceiver(options));

    ASSERT_TRUE(link.m_Session->Upgrade(image, link.m_Options));
    const TransferOutcome outcome = link.m_Session->Wait();

    EXPECT_EQ(outcome.result, TransferResult::Done);
    EXPECT_TRUE(outcome.flash.empty());
    link.StopReceiver();
    EXPECT_EQ(link.m_Receiver->Faults(), std::vector<std::string>{});
    EXPECT_TRUE(link.m_Receiver->ReceivedImage() == image);
    // The program's own steps: 0 and 1 around the loader, 2 and 3 around the
    // second stage, then one for each 2048-byte block and one for the rest.
    const std::vector<uint32_t> progress = link.ProgressDone();
    const size_t own = 4 + IMAGE_SIZE / FlashTransfer::BLOCK_SIZE + 1;
    ASSERT_GT(progress.size(), own);
    EXPECT_EQ(std::vector<uint32_t>(progress.begin(), progress.begin() + 4), (std::vector<uint32_t>{0, 1, 2, 3}));
    EXPECT_EQ(progress[own - 1], 60u);
    // Then the receiver's codes, those that arrived alone, and 60 at 'D'.
    const std::vector<uint32_t> codes(progress.begin() + long(own), progress.end() - 1);
    for (const uint32_t percent : codes)
        EXPECT_TRUE(percent >= 62 && percent <= 100) << percent;
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end() - 1));
    EXPECT_TRUE(std::adjacent_find(codes.begin(), codes.end()) == codes.end());
    EXPECT_EQ(progress.back(), 60u);
    // Percent of the whole, with the image bytes sent beside.
    EXPECT_EQ(link.Progress().back().unit, ProgressUnit::Percent);
    EXPECT_EQ(link.Progress().back().total, 100u);
    EXPECT_EQ(link.Progress().back().bytes, uint32_t(IMAGE_SIZE));
    const auto upgrade = TransferKind::Upgrade;
    EXPECT_EQ(link.Events(),
        (std::vector<TransferEvent>{ StageEvent(upgrade, TransferStage::Upgrading),
            EndEvent(upgrade, TransferStage::Upgrading, TransferResult::Done) }));
}

TEST(EndToEndTest, ReceiverReportsFramesThatDifferFromTheProtocol)
{
    {
        LinkHarness link;
        VirtualReceiverOptions options = DumpReceiver(PatternImage(IMAGE_SIZE, 4));
        options.xtal = 2;
        ASSERT_TRUE(link.StartReceiver(options));
        ASSERT_TRUE(link.m_Session->Dump(link.m_Options));
        ASSERT_TRUE(LinkHarness::WaitFor([&] { return !link.m_Receiver->Faults().empty(); }));
        EXPECT_EQ(link.m_Receiver->Faults()[0], "wrong crystal reply: byte 0 is 0x47, expected 0x45");
    }
    {
        LinkHarness link;
        link.ChooseXtal(3);
        VirtualReceiverOptions options = UpgradeReceiver();
        options.xtal = 2;
        ASSERT_TRUE(link.StartReceiver(options));
        ASSERT_TRUE(link.m_Session->Upgrade(PatternImage(IMAGE_SIZE, 5), link.m_Options));
        ASSERT_TRUE(LinkHarness::WaitFor([&] { return !link.m_Receiver->Faults().empty(); }));
        EXPECT_EQ(link.m_Receiver->Faults()[0].rfind("wrong upgrade loader: byte ", 0), 0u);
    }
}

TEST(EndToEndTest, StalledDumpCanBeCancelled)
{
    LinkHarness link;
    VirtualReceiverOptions options = DumpReceiver(PatternImage(IMAGE_SIZE, 6));
    options.stallAfter = 5000;
    ASSERT_TRUE(link.StartReceiver(options));
    ASSERT_TRUE(link.m_Session->Dump(link.m_Options));
    ASSERT_TRUE(LinkHarness::WaitFor([&] { return link.Heard(TransferStage::ReadyToRead); }));
    link.m_Session->Read();
    // The receiver stops after the lead byte and 4999 of the flash.
    ASSERT_TRUE(LinkHarness::WaitFor([&] {
        const auto done = link.ProgressDone();
        return !done.empty() && done.back() >= 4999;
    }));
    EXPECT_EQ(link.ProgressDone().back(), 4999u);

    link.m_Session->Cancel();
    EXPECT_TRUE(link.m_Session->IsIdle());
    EXPECT_TRUE(link.PortLetGo());
    EXPECT_EQ(link.Events().back(), EndEvent(TransferKind::Dump, TransferStage::Reading, TransferResult::Cancelled));
    EXPECT_TRUE(link.m_Session->Wait().flash.empty());
}

TEST(EndToEndTest, HangUpInTheMiddleOfADumpEndsIt)
{
    LinkHarness link;
    VirtualReceiverOptions options = DumpReceiver(PatternImage(IMAGE_SIZE, 7));
    options.hangUpAfter = 300000;
    ASSERT_TRUE(link.StartReceiver(options));
    const TransferOutcome outcome = link.Dump();
    // What was still on its way when the line dropped may be lost with it.
    EXPECT_GT(link.ProgressDone().back(), 0u);
    EXPECT_LE(link.ProgressDone().back(), 299999u);

    // The session ends the transfer itself and lets the port go.
    EXPECT_EQ(outcome.result, TransferResult::LinkLost);
    EXPECT_EQ(outcome.error, EIO);
    EXPECT_EQ(link.Events().back(), EndEvent(TransferKind::Dump, TransferStage::Reading, TransferResult::LinkLost, EIO));
    EXPECT_FALSE(link.m_Session->IsConnected());
    EXPECT_TRUE(outcome.flash.empty());
}

TEST(EndToEndTest, StrayByteWithACommandLeavesTheDumpWaiting)
{
    LinkHarness link;
    VirtualReceiverOptions options = DumpReceiver(PatternImage(IMAGE_SIZE, 8));
    options.strayCommand = 'T';
    options.answerTimeoutMs = 500;
    ASSERT_TRUE(link.StartReceiver(options));
    ASSERT_TRUE(link.m_Session->Dump(link.m_Options));
    ASSERT_TRUE(LinkHarness::WaitFor([&] { return !link.m_Receiver->Faults().empty(); }));
    EXPECT_EQ(link.m_Receiver->Faults()[0], "no complete crystal reply: 0 of 1 bytes");

    link.m_Session->Cancel();
    EXPECT_TRUE(link.m_Session->IsIdle());
    EXPECT_TRUE(link.PortLetGo());
}

TEST(EndToEndTest, StalledUpgradeCanBeCancelledWhileBlocksGoOut)
{
    LinkHarness link;
    VirtualReceiverOptions options = UpgradeReceiver();
    options.stallAfter = 100000;
    ASSERT_TRUE(link.StartReceiver(options));
    ASSERT_TRUE(link.m_Session->Upgrade(PatternImage(IMAGE_SIZE, 9), link.m_Options));
    ASSERT_TRUE(LinkHarness::WaitFor([&] {
        const auto progress = link.Progress();
        return !progress.empty() && progress.back().bytes >= 100000;
    }));

    link.m_Session->Cancel();
    EXPECT_TRUE(link.m_Session->IsIdle());
    EXPECT_TRUE(link.PortLetGo());
    EXPECT_EQ(link.Events().back(),
        EndEvent(TransferKind::Upgrade, TransferStage::Upgrading, TransferResult::Cancelled));
}

TEST(EndToEndTest, EndingTheSessionEndsItsTransferAtOnce)
{
    LinkHarness link;
    ASSERT_TRUE(link.StartReceiver(DumpReceiver(PatternImage(IMAGE_SIZE, 10))));
    ASSERT_TRUE(link.m_Session->Dump(link.m_Options));
    ASSERT_TRUE(LinkHarness::WaitFor([&] { return link.Heard(TransferStage::ReadyToRead); }));

    // A session that left its worker waiting for the read would hang here.
    link.m_Session.reset();
    EXPECT_TRUE(link.PortLetGo());
}

} // namespace
