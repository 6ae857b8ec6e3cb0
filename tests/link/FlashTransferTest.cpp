#include "FakeLink.h"
#include "FlashTransfer.h"

#include "ChannelDatabase.h"
#include "LinkMessages.h"
#include "LoaderBlocks.h"
#include "TransferRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <numeric>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes FirstStageFrame(std::span<const uint8_t> loader)
{
    Bytes block(2048, 0);
    std::copy(loader.begin(), loader.end(), block.begin());
    return block;
}

class FlashTransferTest : public ::testing::Test {
protected:
    void SetUp() override { link.m_bTransferIdle = 0; }

    void Receive(uint8_t byte)
    {
        port.ArriveByte(byte);
        transfer.OnReceive(link.m_nPort);
    }

    void StartUpgrade(uint32_t flashSize)
    {
        link.m_bUpgradeMode = 1;
        imageLoaded = 1;
        database->m_nFlashSize = flashSize;
        for (size_t i = 0; i < IMAGE_SIZE; ++i)
            database->m_Image[i] = uint8_t(i * 31 + (i >> 11));
    }

    FakePort port;
    LinkState link;
    std::unique_ptr<ChannelDatabase> database = std::make_unique<ChannelDatabase>();
    std::atomic<int> imageLoaded{0};
    RecordingSink sink;
    std::vector<int> pauses;
    std::function<void(int)> onPause;
    FlashTransfer transfer{port, link, *database, imageLoaded, sink, [this](int ms) {
                               pauses.push_back(ms);
                               if (onPause)
                                   onPause(ms);
                           }};
};

TEST_F(FlashTransferTest, ResetIsAnsweredWithTheDumpLoaderAloneAfterItsMark)
{
    Receive('V');
    ASSERT_EQ(port.m_Writes.size(), 2u);
    EXPECT_EQ(port.m_Writes[0], Bytes{0x18});
    EXPECT_EQ(port.m_Writes[1], FirstStageFrame(DumpLoader()));
    EXPECT_EQ(pauses, std::vector<int>{300});
}

TEST_F(FlashTransferTest, FirstStagePauseDependsOnTheCrystal)
{
    const int expected[] = {2300, 650, 650, 650, 300};
    for (int xtal = 0; xtal < 5; ++xtal) {
        pauses.clear();
        link.m_nXtal = xtal;
        Receive('V');
        EXPECT_EQ(pauses, std::vector<int>{expected[xtal]}) << "crystal " << xtal;
    }
}

TEST_F(FlashTransferTest, CrystalReplyNamesTheCrystal)
{
    for (int xtal = 0; xtal < 5; ++xtal) {
        link.m_nXtal = xtal;
        port.m_Writes.clear();
        Receive('T');
        EXPECT_EQ(port.Written(), Bytes{uint8_t("CDEFG"[xtal])});
    }
}

TEST_F(FlashTransferTest, RateChangeDrainsTheLineBeforeReopeningAtTheTransferRate)
{
    link.m_nPort = 7;
    Receive('O');
    EXPECT_EQ(port.m_Calls, (std::vector<std::string>{"drain", "close", "open 7 115200,N,8,1"}));
    EXPECT_TRUE(sink.m_Actions.empty());
}

TEST_F(FlashTransferTest, FailedRateChangeInADumpIsReportedAndTheDumpGoesOn)
{
    port.m_bOpenSucceeds = false;
    Receive('O');
    EXPECT_EQ(sink.m_Actions, std::vector<std::string>{"message Can't open the port! / Error"});
    Receive('T');
    EXPECT_EQ(port.Written().size(), 1u);
}

TEST_F(FlashTransferTest, ReceiverReadyTurnsTheDumpButtonIntoRead)
{
    Receive('P');
    EXPECT_EQ(link.m_nDumpStep, 0);
    EXPECT_EQ(sink.m_Actions,
              (std::vector<std::string>{"enable dump", "caption Read", "status Read to read!"}));
}

TEST_F(FlashTransferTest, StartOfTheReadSendsTheReadCommandOnlyWhenAskedTo)
{
    transfer.StartRead(0, 1048576);
    EXPECT_TRUE(port.m_Writes.empty());
    EXPECT_EQ(link.m_bReadRequested, 0);
    EXPECT_EQ(Bytes(link.m_TransferBuf, link.m_TransferBuf + 8), (Bytes{0xC0, 0, 0, 0, 0xA0, 0x10, 0, 0}));

    transfer.StartRead(START_READ_SEND, 1048576);
    EXPECT_EQ(port.Written(), (Bytes{0xC0, 0, 0, 0, 0xA0, 0x10, 0, 0}));
    EXPECT_EQ(link.m_bReadRequested, 1);
}

TEST_F(FlashTransferTest, ReadCommandCarriesTheHighBitsOfTheCount)
{
    transfer.StartRead(START_READ_SEND, 0x0312A5C7);
    EXPECT_EQ(port.Written(), (Bytes{0xC0, 0, 0, 0, 0xA3, 0x12, 0xA5, 0xC7}));
}

TEST_F(FlashTransferTest, AcceptedReadIsAnsweredAfterASecond)
{
    transfer.StartRead(START_READ_SEND, 1048576);
    port.m_Writes.clear();
    Receive('Q');
    EXPECT_EQ(link.m_bReadAccepted, 1);
    EXPECT_EQ(pauses, std::vector<int>{1000});
    EXPECT_EQ(port.Written(), (Bytes{0x86, 0, 0, 0, 0xA0, 0x10, 0, 0}));
}

TEST_F(FlashTransferTest, BulkReadStoresTheImageBetweenTheFirstAndLastStreamBytes)
{
    transfer.StartRead(START_READ_SEND, 1048576);
    Receive('Q');
    Bytes stream(1048578);
    for (size_t i = 0; i < stream.size(); ++i)
        stream[i] = uint8_t(i * 7 + 3);
    for (size_t at = 0; at < stream.size(); at += 4000)
        port.Arrive(Bytes(stream.begin() + long(at), stream.begin() + long(std::min(at + 4000, stream.size()))));
    sink.m_Posts.clear();
    port.m_MaxCounts.clear();

    transfer.OnReceive(link.m_nPort);

    EXPECT_TRUE(std::equal(database->m_Image, database->m_Image + IMAGE_SIZE, stream.begin() + 1));
    EXPECT_EQ(link.m_nDumpReceived, 1048576u);
    EXPECT_EQ(link.m_bReadRequested, 0);
    EXPECT_EQ(link.m_bReadAccepted, 0);
    EXPECT_EQ(imageLoaded, 1);
    for (int maxCount : port.m_MaxCounts)
        EXPECT_LE(maxCount, 1000);
    ASSERT_GE(sink.m_Posts.size(), 2u);
    EXPECT_EQ(sink.m_Posts[0], (Posted{WM_TRANSFER_PROGRESS, 1048576, 999}));
    EXPECT_EQ(sink.m_Posts[sink.m_Posts.size() - 2], (Posted{WM_TRANSFER_PROGRESS, 1048576, 1048576}));
    EXPECT_EQ(sink.m_Posts.back(), (Posted{WM_DUMP_DONE, 0, 0}));
}

TEST_F(FlashTransferTest, DumpIntoABufferOfItsOwnLeavesTheImageAlone)
{
    Bytes flash(IMAGE_SIZE, 0);
    link.m_pDumpTarget = flash.data();
    transfer.StartRead(START_READ_SEND, 1048576);
    Receive('Q');
    Bytes stream(1048578, 0x3C);
    port.Arrive(stream);

    transfer.OnReceive(link.m_nPort);

    EXPECT_EQ(flash, Bytes(IMAGE_SIZE, 0x3C));
    EXPECT_TRUE(std::all_of(database->m_Image, database->m_Image + IMAGE_SIZE, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(imageLoaded, 0);
    EXPECT_EQ(sink.m_Posts.back(), (Posted{WM_DUMP_DONE, 0, 0}));
}

TEST_F(FlashTransferTest, BulkReadWaitsForInputAndStopsWhenCancelled)
{
    transfer.StartRead(START_READ_SEND, 1048576);
    Receive('Q');
    port.Arrive(Bytes(500, 0x11));
    int waits = 0;
    port.m_OnWait = [&] {
        if (++waits == 3)
            link.m_bTransferIdle = 1;
    };

    transfer.OnReceive(link.m_nPort);

    EXPECT_EQ(waits, 3);
    EXPECT_EQ(port.m_Calls.back(), "wait 10");
    EXPECT_EQ(link.m_nDumpReceived, 499u);
    EXPECT_EQ(imageLoaded, 0);
    // A cancelled read leaves its flags for the main window's cancel to clear.
    EXPECT_EQ(link.m_bReadRequested, 1);
    EXPECT_EQ(link.m_bReadAccepted, 1);
    for (const Posted& post : sink.m_Posts)
        EXPECT_NE(post.message, WM_DUMP_DONE);
}

TEST_F(FlashTransferTest, TwoCommandBytesReadTogetherAreLost)
{
    port.Arrive({'T', 'T'});
    transfer.OnReceive(link.m_nPort);
    StartUpgrade(524288);
    port.Arrive({'Z', 'S'});
    transfer.OnReceive(link.m_nPort);
    EXPECT_TRUE(port.m_Writes.empty());
    EXPECT_TRUE(sink.m_Posts.empty());
    EXPECT_EQ(port.m_nReads, 2);
}

TEST_F(FlashTransferTest, NotificationsAreIgnoredForOtherPortsAndWhileIdle)
{
    port.ArriveByte('T');
    transfer.OnReceive(3);
    link.m_bTransferIdle = 1;
    transfer.OnReceive(link.m_nPort);
    EXPECT_EQ(port.m_nReads, 0);
    EXPECT_EQ(port.m_Arrivals.size(), 1u);
}

TEST_F(FlashTransferTest, UpgradeWithoutAnImageLeavesTheBytesQueued)
{
    link.m_bUpgradeMode = 1;
    port.ArriveByte('V');
    transfer.OnReceive(link.m_nPort);
    EXPECT_EQ(port.m_nReads, 0);
    EXPECT_TRUE(port.m_Writes.empty());
}

TEST_F(FlashTransferTest, OtherBytesDoNothingInADump)
{
    for (uint8_t byte : {uint8_t('S'), uint8_t('A'), uint8_t('Z'), uint8_t(1), uint8_t(0xFF)})
        Receive(byte);
    EXPECT_TRUE(port.m_Writes.empty());
    EXPECT_TRUE(sink.m_Posts.empty());
    EXPECT_TRUE(sink.m_Actions.empty());
}

TEST_F(FlashTransferTest, UpgradeResetSendsTheCrystalsLoaderAndMovesToTheTransferRate)
{
    StartUpgrade(1048576);
    link.m_nXtal = 2;
    Receive('V');
    EXPECT_EQ(sink.m_Actions, std::vector<std::string>{"status Upgrading,Please wait!"});
    ASSERT_EQ(port.m_Writes.size(), 2u);
    EXPECT_EQ(port.m_Writes[0], Bytes{0x18});
    EXPECT_EQ(port.m_Writes[1], FirstStageFrame(UpgradeLoader(2)));
    EXPECT_EQ(pauses, std::vector<int>{650});
    EXPECT_EQ(port.m_Calls, (std::vector<std::string>{"write 1", "write 2048", "drain", "close", "open 4 115200,N,8,1"}));
    EXPECT_EQ(sink.Progress(), (std::vector<intptr_t>{0, 1}));
}

TEST_F(FlashTransferTest, UnknownCrystalTakesTheFirstUpgradeLoader)
{
    StartUpgrade(1048576);
    link.m_nXtal = 7;
    port.m_bOpenSucceeds = false;
    Receive('V');
    EXPECT_EQ(port.m_Writes[1], FirstStageFrame(UpgradeLoader(0)));
    EXPECT_EQ(sink.m_Actions.back(), "message Can't open port! / Error");
}

TEST_F(FlashTransferTest, StageTwoGoesOutInThreePacedParts)
{
    StartUpgrade(1048576);
    Receive('Z');
    ASSERT_EQ(port.m_Writes.size(), 3u);
    EXPECT_EQ(port.m_Writes[0].size(), 4u);
    EXPECT_EQ(port.m_Writes[1].size(), 2048u);
    EXPECT_EQ(port.m_Writes[2].size(), 1360u);
    const Bytes stage(StageTwoImage().begin(), StageTwoImage().end());
    EXPECT_EQ(port.Written(), stage);
    EXPECT_EQ(stage[3], 0x54); // its own length, 3412, big-endian
    EXPECT_EQ(pauses, (std::vector<int>{30, 300, 300}));
    EXPECT_EQ(sink.Progress(), (std::vector<intptr_t>{2, 3}));
}

TEST_F(FlashTransferTest, UpgradeHeaderCarriesTheFlashSizeLittleEndian)
{
    StartUpgrade(524288);
    Receive('S');
    Bytes header(52, 0);
    header[42] = 0x08;
    EXPECT_EQ(port.Written(), header);
    EXPECT_EQ(pauses, std::vector<int>{30});
}

TEST_F(FlashTransferTest, HalfMegabyteImageGoesOutIn256BlocksReachingSixty)
{
    StartUpgrade(524288);
    Receive('S');
    port.m_Writes.clear();
    pauses.clear();
    Receive('A');

    ASSERT_EQ(port.m_Writes.size(), 257u);
    for (size_t i = 0; i < 256; ++i)
        ASSERT_EQ(port.m_Writes[i].size(), 2048u);
    EXPECT_TRUE(port.m_Writes[256].empty());
    const Bytes sent = port.Written();
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), database->m_Image));
    EXPECT_EQ(sent.size(), 524288u);
    EXPECT_EQ(pauses, std::vector<int>(257, 300));
    const std::vector<intptr_t> progress = sink.Progress();
    ASSERT_EQ(progress.size(), 257u);
    EXPECT_EQ(progress.front(), 3);
    EXPECT_EQ(progress[255], 60);
    EXPECT_EQ(progress.back(), 60);
}

TEST_F(FlashTransferTest, BlockSenderWithoutAFlashSizeSendsNothing)
{
    StartUpgrade(0);
    Receive('A');
    Receive('S');
    Receive('L');
    // Only the header of 'S' went out.
    ASSERT_EQ(port.m_Writes.size(), 1u);
    EXPECT_EQ(port.m_Writes[0].size(), 52u);
    EXPECT_EQ(sink.Progress(), (std::vector<intptr_t>{60, 60}));
}

TEST_F(FlashTransferTest, EmptySectionsOnlyReportAndPause)
{
    StartUpgrade(1048576);
    Receive('S');
    port.m_Writes.clear();
    pauses.clear();
    for (uint8_t section : {'C', 'F', 'B', 'E', 'L'})
        Receive(section);
    EXPECT_EQ(port.Written().size(), 0u);
    EXPECT_EQ(pauses, std::vector<int>(5, 300));
    EXPECT_EQ(sink.Progress(), std::vector<intptr_t>(5, 3));
}

TEST_F(FlashTransferTest, CancelStopsTheBlockSenderBeforeItsNextBlock)
{
    StartUpgrade(1048576);
    Receive('S');
    port.m_Writes.clear();
    sink.m_Posts.clear();
    int blockPauses = 0;
    onPause = [&](int) {
        if (++blockPauses == 3)
            link.m_bTransferIdle = 1;
    };
    port.ArriveByte('A');
    transfer.OnReceive(link.m_nPort);
    EXPECT_EQ(port.m_Writes.size(), 3u);
    EXPECT_EQ(sink.m_Posts.size(), 3u);
}

TEST_F(FlashTransferTest, ReceiverProgressCodesMapFromSixtyTwoToAHundred)
{
    StartUpgrade(1048576);
    for (uint8_t code = 1; code <= 16; ++code)
        Receive(code);
    EXPECT_EQ(sink.Progress(),
              (std::vector<intptr_t>{62, 65, 67, 70, 72, 75, 77, 80, 82, 85, 87, 90, 92, 95, 97, 100}));
    EXPECT_TRUE(port.m_Writes.empty());
}

TEST_F(FlashTransferTest, DoneReopensThePortAndReportsTheEnd)
{
    StartUpgrade(1048576);
    Receive('D');
    EXPECT_EQ(port.m_Calls, (std::vector<std::string>{"drain", "close", "open 4 115200,N,8,1"}));
    EXPECT_EQ(sink.m_Posts,
              (std::vector<Posted>{{WM_TRANSFER_PROGRESS, 100, 60}, {WM_UPGRADE_DONE, 100, 0}}));
}

TEST_F(FlashTransferTest, ClosePortClosesAnOpenPortOnly)
{
    transfer.ClosePort();
    transfer.ClosePort();
    EXPECT_EQ(port.m_Calls, std::vector<std::string>{"close"});
}

// The line goes away the moment the receiver's last byte has been read, as
// an adapter pulled right after a dump does.
class PortGoneWhenDrained : public FakePort {
public:
    int LostError() const override { return m_Arrivals.empty() ? EIO : 0; }
};

class SilentListener : public TransferRunner::Listener {
public:
    void OnStage(TransferRunner::Stage) override {}
    void OnProgress(uint32_t, uint32_t) override {}
};

TEST(TransferRunnerTest, ALineLostRightAfterTheLastByteLosesNothing)
{
    PortGoneWhenDrained port;
    for (const uint8_t command : {'V', 'T', 'O', 'P', 'Q'})
        port.ArriveByte(command);
    Bytes stream(IMAGE_SIZE + 2);
    for (size_t i = 0; i < stream.size(); ++i)
        stream[i] = uint8_t(i * 7 + (i >> 9));
    port.Arrive(stream);
    SilentListener listener;
    TransferRunner runner(port, listener);
    runner.SetPauseScale(0);
    const auto flash = std::make_unique<ChannelDatabase>();

    EXPECT_EQ(runner.Dump(1, 4, *flash), TransferRunner::Result::Done);
    EXPECT_TRUE(std::equal(stream.begin() + 1, stream.end() - 1, flash->m_Image));
}

} // namespace
