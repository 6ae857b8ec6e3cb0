#include "FakeLink.h"
#include "FlashTransfer.h"

#include "ChannelDatabase.h"
#include "LoaderBlocks.h"

#include <gtest/gtest.h>

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
    void SetUp() override
    {
        link.m_bTransferIdle = 0;
        transfer.SetDumpTarget(flash);
    }

    void Receive(uint8_t byte)
    {
        port.ArriveByte(byte);
        transfer.OnReceive(link.m_nPort);
    }

    void StartUpgrade(uint32_t flashSize)
    {
        link.m_bUpgradeMode = 1;
        image.resize(flashSize);
        for (size_t i = 0; i < image.size(); ++i)
            image[i] = uint8_t(i * 31 + (i >> 11));
        transfer.SetUpgradeImage(image);
    }

    FakePort port;
    LinkState link;
    Bytes flash = Bytes(IMAGE_SIZE, 0);
    Bytes image;
    RecordingEvents events;
    std::vector<int> pauses;
    std::function<void(int)> onPause;
    FlashTransfer transfer{port, link, events, [this](int ms) {
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
    EXPECT_TRUE(events.m_Log.empty());
}

TEST_F(FlashTransferTest, FailedRateChangeInADumpIsReportedAndTheDumpGoesOn)
{
    port.m_bOpenSucceeds = false;
    Receive('O');
    EXPECT_EQ(events.m_Log, std::vector<std::string>{"rate change failed"});
    Receive('T');
    EXPECT_EQ(port.Written().size(), 1u);
}

TEST_F(FlashTransferTest, ReceiverReadyIsReported)
{
    Receive('P');
    EXPECT_EQ(events.m_Log, std::vector<std::string>{"ready"});
}

TEST_F(FlashTransferTest, StartOfTheReadSendsTheReadCommand)
{
    transfer.StartRead(1048576);
    EXPECT_EQ(port.Written(), (Bytes{0xC0, 0, 0, 0, 0xA0, 0x10, 0, 0}));
    EXPECT_EQ(link.m_bReadRequested, 1);
}

TEST_F(FlashTransferTest, ReadCommandCarriesTheHighBitsOfTheCount)
{
    transfer.StartRead(0x0312A5C7);
    EXPECT_EQ(port.Written(), (Bytes{0xC0, 0, 0, 0, 0xA3, 0x12, 0xA5, 0xC7}));
}

TEST_F(FlashTransferTest, AcceptedReadIsAnsweredAfterASecond)
{
    transfer.StartRead(1048576);
    port.m_Writes.clear();
    Receive('Q');
    EXPECT_EQ(link.m_bReadAccepted, 1);
    EXPECT_EQ(pauses, std::vector<int>{1000});
    EXPECT_EQ(port.Written(), (Bytes{0x86, 0, 0, 0, 0xA0, 0x10, 0, 0}));
}

TEST_F(FlashTransferTest, BulkReadStoresTheImageBetweenTheFirstAndLastStreamBytes)
{
    transfer.StartRead(1048576);
    Receive('Q');
    Bytes stream(1048578);
    for (size_t i = 0; i < stream.size(); ++i)
        stream[i] = uint8_t(i * 7 + 3);
    for (size_t at = 0; at < stream.size(); at += 4000)
        port.Arrive(Bytes(stream.begin() + long(at), stream.begin() + long(std::min(at + 4000, stream.size()))));
    events.Clear();
    port.m_MaxCounts.clear();

    transfer.OnReceive(link.m_nPort);

    EXPECT_TRUE(std::equal(flash.begin(), flash.end(), stream.begin() + 1));
    EXPECT_EQ(link.m_bReadRequested, 0);
    EXPECT_EQ(link.m_bReadAccepted, 0);
    for (int maxCount : port.m_MaxCounts)
        EXPECT_LE(maxCount, 1000);
    ASSERT_GE(events.m_Log.size(), 2u);
    EXPECT_EQ(events.m_Log[0], "progress 999 of 1048576");
    EXPECT_EQ(events.m_Log[events.m_Log.size() - 2], "progress 1048576 of 1048576");
    EXPECT_EQ(events.m_Log.back(), "dump done");
}

TEST_F(FlashTransferTest, DumpStoresNoMoreThanItsTargetHolds)
{
    Bytes small(100, 0);
    transfer.SetDumpTarget(small);
    transfer.StartRead(1048576);
    Receive('Q');
    port.Arrive(Bytes(1048578, 0x3C));

    transfer.OnReceive(link.m_nPort);

    EXPECT_EQ(small, Bytes(100, 0x3C));
    EXPECT_EQ(events.m_Progress.back(), 100u);
    EXPECT_EQ(events.m_Log.back(), "dump done");
}

TEST_F(FlashTransferTest, BulkReadWaitsForInputAndStopsWhenCancelled)
{
    transfer.StartRead(1048576);
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
    EXPECT_EQ(events.m_Progress.back(), 499u);
    // A cancelled read leaves its flags for the main window's cancel to clear.
    EXPECT_EQ(link.m_bReadRequested, 1);
    EXPECT_EQ(link.m_bReadAccepted, 1);
    for (const std::string& event : events.m_Log)
        EXPECT_NE(event, "dump done");
}

TEST_F(FlashTransferTest, TwoCommandBytesReadTogetherAreLost)
{
    port.Arrive({'T', 'T'});
    transfer.OnReceive(link.m_nPort);
    StartUpgrade(524288);
    port.Arrive({'Z', 'S'});
    transfer.OnReceive(link.m_nPort);
    EXPECT_TRUE(port.m_Writes.empty());
    EXPECT_TRUE(events.m_Log.empty());
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
    EXPECT_TRUE(events.m_Log.empty());
}

TEST_F(FlashTransferTest, UpgradeResetSendsTheCrystalsLoaderAndMovesToTheTransferRate)
{
    StartUpgrade(1048576);
    link.m_nXtal = 2;
    Receive('V');
    EXPECT_EQ(events.m_Log.front(), "upgrade started");
    ASSERT_EQ(port.m_Writes.size(), 2u);
    EXPECT_EQ(port.m_Writes[0], Bytes{0x18});
    EXPECT_EQ(port.m_Writes[1], FirstStageFrame(UpgradeLoader(2)));
    EXPECT_EQ(pauses, std::vector<int>{650});
    EXPECT_EQ(port.m_Calls, (std::vector<std::string>{"write 1", "write 2048", "drain", "close", "open 4 115200,N,8,1"}));
    EXPECT_EQ(events.m_Progress, (std::vector<uint32_t>{0, 1}));
}

TEST_F(FlashTransferTest, UnknownCrystalTakesTheFirstUpgradeLoader)
{
    StartUpgrade(1048576);
    link.m_nXtal = 7;
    port.m_bOpenSucceeds = false;
    Receive('V');
    EXPECT_EQ(port.m_Writes[1], FirstStageFrame(UpgradeLoader(0)));
    EXPECT_EQ(events.m_Log[events.m_Log.size() - 2], "rate change failed");
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
    EXPECT_EQ(events.m_Progress, (std::vector<uint32_t>{2, 3}));
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
    EXPECT_EQ(sent, image);
    EXPECT_EQ(pauses, std::vector<int>(257, 300));
    const std::vector<uint32_t> progress = events.m_Progress;
    ASSERT_EQ(progress.size(), 257u);
    EXPECT_EQ(progress.front(), 3);
    EXPECT_EQ(progress[255], 60);
    EXPECT_EQ(progress.back(), 60);
}

TEST_F(FlashTransferTest, UpgradeOfAnEmptyImageLeavesTheBytesQueued)
{
    StartUpgrade(0);
    for (uint8_t command : {uint8_t('A'), uint8_t('S'), uint8_t('L')})
        port.ArriveByte(command);
    transfer.OnReceive(link.m_nPort);
    EXPECT_EQ(port.m_nReads, 0);
    EXPECT_TRUE(port.m_Writes.empty());
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
    EXPECT_EQ(events.m_Progress, std::vector<uint32_t>(5, 3));
}

TEST_F(FlashTransferTest, CancelStopsTheBlockSenderBeforeItsNextBlock)
{
    StartUpgrade(1048576);
    Receive('S');
    port.m_Writes.clear();
    events.Clear();
    int blockPauses = 0;
    onPause = [&](int) {
        if (++blockPauses == 3)
            link.m_bTransferIdle = 1;
    };
    port.ArriveByte('A');
    transfer.OnReceive(link.m_nPort);
    EXPECT_EQ(port.m_Writes.size(), 3u);
    EXPECT_EQ(events.m_Log.size(), 3u);
}

TEST_F(FlashTransferTest, ReceiverProgressCodesMapFromSixtyTwoToAHundred)
{
    StartUpgrade(1048576);
    for (uint8_t code = 1; code <= 16; ++code)
        Receive(code);
    EXPECT_EQ(events.m_Progress,
              (std::vector<uint32_t>{62, 65, 67, 70, 72, 75, 77, 80, 82, 85, 87, 90, 92, 95, 97, 100}));
    EXPECT_TRUE(port.m_Writes.empty());
}

TEST_F(FlashTransferTest, DoneReopensThePortAndReportsTheEnd)
{
    StartUpgrade(1048576);
    Receive('D');
    EXPECT_EQ(port.m_Calls, (std::vector<std::string>{"drain", "close", "open 4 115200,N,8,1"}));
    EXPECT_EQ(events.m_Log, (std::vector<std::string>{"progress 60 of 100", "upgrade done"}));
}

} // namespace
