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

void LoadImage(LinkHarness& link, const std::vector<uint8_t>& image)
{
    std::copy(image.begin(), image.end(), link.m_Database->m_Image);
    link.m_Database->m_nFlashSize = uint32_t(image.size());
    link.m_bImageLoaded = 1;
}

TEST(EndToEndTest, DumpBringsTheReceiversFlashIntoTheImage)
{
    LinkHarness link;
    const std::vector<uint8_t> flash = PatternImage(IMAGE_SIZE, 1);
    ASSERT_TRUE(link.StartReceiver(DumpReceiver(flash)));

    ASSERT_TRUE(link.Dump());

    EXPECT_TRUE(std::equal(flash.begin(), flash.end(), link.m_Database->m_Image));
    EXPECT_EQ(link.m_bImageLoaded, 1);
    EXPECT_EQ(link.m_Window.Progress().back(), intptr_t(IMAGE_SIZE));
    EXPECT_EQ(link.m_Window.m_Actions,
              (std::vector<std::string>{"enable dump", "caption Read", "status Read to read!"}));
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
        link.m_Window.m_Messages.clear();

        ASSERT_TRUE(link.Dump());
        EXPECT_FALSE(link.m_Window.Received(WM_LINK_LOST));
        EXPECT_TRUE(std::equal(flash.begin(), flash.end(), link.m_Database->m_Image));
        link.Cancel();
        link.StopReceiver();
        EXPECT_EQ(link.m_Receiver->Faults(), std::vector<std::string>{});
    }
}

TEST(EndToEndTest, ReceiverPlaysRepeatedSessions)
{
    LinkHarness link;
    link.m_Link.m_nXtal = 2;
    const std::vector<uint8_t> flash = PatternImage(IMAGE_SIZE, 2);
    VirtualReceiverOptions options = DumpReceiver(flash);
    options.sessions = 2;
    options.xtal = 2;
    ASSERT_TRUE(link.StartReceiver(options));

    ASSERT_TRUE(link.Dump());
    link.Cancel();
    std::fill(link.m_Database->m_Image, link.m_Database->m_Image + IMAGE_SIZE, 0);
    link.m_Window.m_Messages.clear();
    ASSERT_TRUE(link.Dump());

    EXPECT_TRUE(std::equal(flash.begin(), flash.end(), link.m_Database->m_Image));
    link.StopReceiver();
    EXPECT_EQ(link.m_Receiver->Faults(), std::vector<std::string>{});
    EXPECT_EQ(link.m_Receiver->CompletedSessions(), 2);
}

TEST(EndToEndTest, UpgradeWritesTheImageIntoTheReceiver)
{
    LinkHarness link;
    link.m_Link.m_nXtal = 1;
    const std::vector<uint8_t> image = PatternImage(IMAGE_SIZE, 3);
    LoadImage(link, image);
    VirtualReceiverOptions options = UpgradeReceiver();
    options.xtal = 1;
    ASSERT_TRUE(link.StartReceiver(options));

    ASSERT_TRUE(link.StartTransfer(true));
    ASSERT_TRUE(LinkHarness::WaitFor([&] { return link.m_Window.Received(WM_UPGRADE_DONE); }, 30000));

    link.StopReceiver();
    EXPECT_EQ(link.m_Receiver->Faults(), std::vector<std::string>{});
    EXPECT_TRUE(link.m_Receiver->ReceivedImage() == image);
    // The program's own steps: 0 and 1 around the loader, 2 and 3 around the
    // second stage, then one for each 2048-byte block and one for the rest.
    const std::vector<intptr_t> progress = link.m_Window.Progress();
    const size_t own = 4 + IMAGE_SIZE / FlashTransfer::BLOCK_SIZE + 1;
    ASSERT_GT(progress.size(), own);
    EXPECT_EQ(std::vector<intptr_t>(progress.begin(), progress.begin() + 4), (std::vector<intptr_t>{0, 1, 2, 3}));
    EXPECT_EQ(progress[own - 1], 60);
    // Then the receiver's codes, those that arrived alone, and 60 at 'D'.
    const std::vector<intptr_t> codes(progress.begin() + long(own), progress.end() - 1);
    for (const intptr_t percent : codes)
        EXPECT_TRUE(percent >= 62 && percent <= 100) << percent;
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end() - 1));
    EXPECT_TRUE(std::adjacent_find(codes.begin(), codes.end()) == codes.end());
    EXPECT_EQ(progress.back(), 60);
    EXPECT_EQ(link.m_Window.m_Actions, std::vector<std::string>{"status Upgrading,Please wait!"});
}

TEST(EndToEndTest, ReceiverReportsFramesThatDifferFromTheProtocol)
{
    {
        LinkHarness link;
        link.m_Link.m_nXtal = 4;
        VirtualReceiverOptions options = DumpReceiver(PatternImage(IMAGE_SIZE, 4));
        options.xtal = 2;
        ASSERT_TRUE(link.StartReceiver(options));
        ASSERT_TRUE(link.StartTransfer(false));
        ASSERT_TRUE(LinkHarness::WaitFor([&] { return !link.m_Receiver->Faults().empty(); }, 10000));
        EXPECT_EQ(link.m_Receiver->Faults()[0], "wrong crystal reply: byte 0 is 0x47, expected 0x45");
    }
    {
        LinkHarness link;
        link.m_Link.m_nXtal = 3;
        LoadImage(link, PatternImage(IMAGE_SIZE, 5));
        VirtualReceiverOptions options = UpgradeReceiver();
        options.xtal = 2;
        ASSERT_TRUE(link.StartReceiver(options));
        ASSERT_TRUE(link.StartTransfer(true));
        ASSERT_TRUE(LinkHarness::WaitFor([&] { return !link.m_Receiver->Faults().empty(); }, 10000));
        EXPECT_EQ(link.m_Receiver->Faults()[0].rfind("wrong upgrade loader: byte ", 0), 0u);
    }
}

TEST(EndToEndTest, StalledDumpCanBeCancelled)
{
    LinkHarness link;
    VirtualReceiverOptions options = DumpReceiver(PatternImage(IMAGE_SIZE, 6));
    options.stallAfter = 5000;
    ASSERT_TRUE(link.StartReceiver(options));
    ASSERT_FALSE(link.Dump(3000));
    EXPECT_EQ(link.m_Link.m_nDumpReceived, 4999u);

    link.Cancel();
    EXPECT_TRUE(link.WorkerResponds());
    EXPECT_FALSE(link.m_Window.Received(WM_DUMP_DONE));
}

TEST(EndToEndTest, HangUpInTheMiddleOfADumpCanBeCancelled)
{
    LinkHarness link;
    VirtualReceiverOptions options = DumpReceiver(PatternImage(IMAGE_SIZE, 7));
    options.hangUpAfter = 300000;
    ASSERT_TRUE(link.StartReceiver(options));
    ASSERT_FALSE(link.Dump(3000));
    // What was still on its way when the line dropped may be lost with it.
    EXPECT_GT(link.m_Link.m_nDumpReceived, 0u);
    EXPECT_LE(link.m_Link.m_nDumpReceived, 299999u);

    link.Cancel();
    EXPECT_TRUE(link.WorkerResponds());
    EXPECT_FALSE(link.m_Window.Received(WM_DUMP_DONE));
}

TEST(EndToEndTest, StrayByteWithACommandLeavesTheDumpWaiting)
{
    LinkHarness link;
    VirtualReceiverOptions options = DumpReceiver(PatternImage(IMAGE_SIZE, 8));
    options.strayCommand = 'T';
    options.answerTimeoutMs = 500;
    ASSERT_TRUE(link.StartReceiver(options));
    ASSERT_TRUE(link.StartTransfer(false));
    ASSERT_TRUE(LinkHarness::WaitFor([&] { return !link.m_Receiver->Faults().empty(); }, 10000));
    EXPECT_EQ(link.m_Receiver->Faults()[0], "no complete crystal reply: 0 of 1 bytes");

    link.Cancel();
    EXPECT_TRUE(link.WorkerResponds());
}

TEST(EndToEndTest, StalledUpgradeCanBeCancelledWhileBlocksGoOut)
{
    LinkHarness link;
    LoadImage(link, PatternImage(IMAGE_SIZE, 9));
    VirtualReceiverOptions options = UpgradeReceiver();
    options.stallAfter = 100000;
    ASSERT_TRUE(link.StartReceiver(options));
    ASSERT_TRUE(link.StartTransfer(true));
    // Progress 8 is about 100000 bytes into the image.
    ASSERT_TRUE(LinkHarness::WaitFor([&] {
        const auto progress = link.m_Window.Progress();
        return !progress.empty() && progress.back() >= 8;
    }, 10000));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    link.Cancel();
    EXPECT_TRUE(link.WorkerResponds());
    EXPECT_FALSE(link.m_Window.Received(WM_UPGRADE_DONE));
}

TEST(EndToEndTest, StoppingTheWorkerDoesNotWaitForABusyWindow)
{
    LinkHarness link;
    ASSERT_TRUE(link.StartReceiver(DumpReceiver(PatternImage(IMAGE_SIZE, 10))));
    ASSERT_TRUE(link.StartTransfer(false));
    // The user-interface thread runs no events: the worker's window calls for 'P' wait for it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (link.m_Link.m_nDumpStep != 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(link.m_Link.m_nDumpStep, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));

    QElapsedTimer timer;
    timer.start();
    link.m_Worker->Stop();
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(link.m_Link.m_nWorkThreadId, 0);
    EXPECT_FALSE(link.m_Comm.IsOpen());
    EXPECT_TRUE(link.m_Window.m_Actions.empty());
}

} // namespace
