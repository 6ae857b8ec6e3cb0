#include "FlashTransfer.h"

#include "BigEndian.h"
#include "LoaderBlocks.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr uint8_t FIRST_STAGE_MARK = 0x18;
constexpr uint8_t READ_COMMAND = 0xC0;
constexpr uint8_t READ_REPLY = 0x86;
constexpr uint8_t READ_SPACE = 0xA0;
constexpr size_t READ_FRAME_SIZE = 8;
constexpr size_t UPGRADE_HEADER_WORDS = 13;
constexpr size_t UPGRADE_HEADER_LENGTH_WORD = 10;
constexpr const char* TRANSFER_SETTINGS = "115200,N,8,1";
constexpr char SECTION_NAMES[] = {'C', 'F', 'B', 'E', 'L'};

// Pauses in milliseconds: the line drains at the rate in use, the receiver acts.
constexpr int FIRST_STAGE_PAUSE_4M = 2300;
constexpr int FIRST_STAGE_PAUSE_27M = 300;
constexpr int FIRST_STAGE_PAUSE = 650;
constexpr int READ_REPLY_PAUSE = 1000;
constexpr int SHORT_PAUSE = 30;
constexpr int BLOCK_PAUSE = 300;
constexpr int XTAL_4M = 0;
constexpr int XTAL_27M = 4;

void WriteLE32(uint8_t* p, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

FlashTransfer::FlashTransfer(TransferPort& port, LinkState& link, TransferEvents& events, PauseFunction pause)
    : m_Port(port)
    , m_Link(link)
    , m_Events(events)
    , m_Pause(std::move(pause))
{
}

bool FlashTransfer::Cancelled() const
{
    return m_Link.m_bTransferIdle == 1 || m_Port.LostError() != 0;
}

void FlashTransfer::Send(const uint8_t* bytes, size_t length)
{
    m_Port.Write(bytes, int(length));
}

void FlashTransfer::OnReceive(unsigned port)
{
    if (Cancelled() || port != m_Link.m_nPort)
        return;
    if (m_Link.m_bUpgradeMode == 1)
        UpgradeStep();
    else if (m_Link.m_bReadRequested == 1 && m_Link.m_bReadAccepted == 1)
        BulkRead();
    else
        DumpStep();
}

void FlashTransfer::StartRead(uint32_t count)
{
    uint8_t command[READ_FRAME_SIZE] = {};
    command[0] = READ_COMMAND;
    WriteBE32(command + 4, count);
    command[4] |= READ_SPACE;
    m_Link.m_bReadRequested = 1;
    m_nRemaining = count + 2;
    Send(command, READ_FRAME_SIZE);
}

void FlashTransfer::DumpStep()
{
    if (m_Port.Read(m_Buffer, DUMP_READ_MAX) != 1)
        return;
    switch (m_Buffer[0]) {
    case 'V':
        SendFirstStage(DumpLoader());
        PauseAfterFirstStage();
        break;
    case 'T': {
        const uint8_t reply = static_cast<uint8_t>('C' + m_Link.m_nXtal);
        Send(&reply, 1);
        break;
    }
    case 'O':
        if (!ChangeRate())
            m_Events.OnRateChangeFailed(errno);
        break;
    case 'P':
        m_Events.OnReceiverReady();
        break;
    case 'Q': {
        m_Link.m_bReadAccepted = 1;
        m_Pause(READ_REPLY_PAUSE);
        uint8_t reply[READ_FRAME_SIZE] = {READ_REPLY};
        WriteBE32(reply + 4, m_nRemaining - 2);
        reply[4] = READ_SPACE;
        Send(reply, sizeof reply);
        break;
    }
    default:
        break;
    }
}

void FlashTransfer::BulkRead()
{
    const uint32_t total = m_nRemaining - 2;
    const uint32_t storable = std::min<uint32_t>(total, uint32_t(m_DumpTarget.size()));
    uint8_t* const image = m_DumpTarget.data();
    uint32_t streamPos = 0;
    uint8_t* buffer = m_Buffer;
    while (m_nRemaining != 0) {
        if (Cancelled())
            return;
        const int n = m_Port.Read(buffer, int(std::min(BULK_READ_MAX, m_nRemaining)));
        if (n <= 0) {
            m_Port.WaitForInput(10);
            continue;
        }
        // The stream carries one byte before and one after the image.
        for (int i = 0; i < n; ++i) {
            const uint32_t pos = streamPos + uint32_t(i);
            if (pos >= 1 && pos <= storable)
                image[pos - 1] = buffer[i];
        }
        streamPos += uint32_t(n);
        const uint32_t stored = streamPos == 0 ? 0 : std::min(streamPos - 1, storable);
        m_Events.OnProgress(total, stored);
        m_nRemaining -= uint32_t(n);
    }
    m_Link.m_bReadRequested = 0;
    m_Link.m_bReadAccepted = 0;
    m_Events.OnDumpDone();
}

void FlashTransfer::UpgradeStep()
{
    if (m_UpgradeImage.empty())
        return;
    if (m_Port.Read(m_Buffer, UPGRADE_READ_MAX) != 1)
        return;
    const uint8_t command = m_Buffer[0];
    if (command >= 1 && command <= 16) {
        PostProgress(command * 40u / 16u + 60u);
        return;
    }
    switch (command) {
    case 'V':
        m_Events.OnUpgradeStarted();
        m_nBytesSent = 0;
        PostProgress(0);
        SendFirstStage(UpgradeLoader(m_Link.m_nXtal));
        PauseAfterFirstStage();
        if (!ChangeRate())
            m_Events.OnRateChangeFailed(errno);
        PostProgress(1);
        break;
    case 'Z':
        SendStageTwo();
        break;
    case 'S':
        SendUpgradeHeader();
        break;
    case 'A':
        SendBlocks(m_nTotalLength, 0);
        break;
    case 'D':
        if (!ChangeRate())
            m_Events.OnRateChangeFailed(errno);
        PostProgress(60);
        m_Events.OnUpgradeDone();
        break;
    default: {
        const char* section = std::find(std::begin(SECTION_NAMES), std::end(SECTION_NAMES), char(command));
        if (section != std::end(SECTION_NAMES)) {
            const auto index = section - SECTION_NAMES;
            SendBlocks(m_nSectionLength[index], m_nSectionOffset[index]);
        }
        break;
    }
    }
}

void FlashTransfer::SendFirstStage(std::span<const uint8_t> loader)
{
    Send(&FIRST_STAGE_MARK, 1);
    uint8_t block[BLOCK_SIZE] = {};
    std::copy(loader.begin(), loader.end(), block);
    Send(block, sizeof block);
}

void FlashTransfer::PauseAfterFirstStage()
{
    const int xtal = m_Link.m_nXtal;
    m_Pause(xtal == XTAL_4M ? FIRST_STAGE_PAUSE_4M : xtal == XTAL_27M ? FIRST_STAGE_PAUSE_27M : FIRST_STAGE_PAUSE);
}

bool FlashTransfer::ChangeRate()
{
    // Closing discards what is still queued, so let the loader leave the line first.
    if (m_Port.IsOpen()) {
        m_Port.DrainOutput();
        m_Port.Close();
    }
    return m_Port.OpenAndConfigure(m_Link.m_nPort, TRANSFER_SETTINGS);
}

void FlashTransfer::SendStageTwo()
{
    const std::span<const uint8_t> stage = StageTwoImage();
    PostProgress(2);
    Send(stage.data(), 4);
    m_Pause(SHORT_PAUSE);
    Send(stage.data() + 4, BLOCK_SIZE);
    m_Pause(BLOCK_PAUSE);
    Send(stage.data() + 4 + BLOCK_SIZE, stage.size() - 4 - BLOCK_SIZE);
    m_Pause(BLOCK_PAUSE);
    PostProgress(3);
}

void FlashTransfer::SendUpgradeHeader()
{
    std::fill(std::begin(m_nSectionLength), std::end(m_nSectionLength), 0u);
    std::fill(std::begin(m_nReserved), std::end(m_nReserved), 0u);
    m_nTotalLength = uint32_t(m_UpgradeImage.size());
    uint8_t header[UPGRADE_HEADER_WORDS * 4] = {};
    WriteLE32(header + UPGRADE_HEADER_LENGTH_WORD * 4, m_nTotalLength);
    Send(header, sizeof header);
    m_Pause(SHORT_PAUSE);
}

void FlashTransfer::SendBlocks(uint32_t length, uint32_t offset)
{
    uint32_t divisor = 0;
    for (uint32_t sectionLength : m_nSectionLength)
        divisor += sectionLength;
    if (divisor == 0)
        divisor = m_nTotalLength;
    if (divisor == 0) {
        // Nothing known to send: no flash size was ever decoded.
        PostProgress(60);
        return;
    }
    const uint32_t size = uint32_t(m_UpgradeImage.size());
    offset = std::min(offset, size);
    length = std::min(length, size - offset);

    const uint8_t* image = m_UpgradeImage.data() + offset;
    const uint32_t blocks = length / BLOCK_SIZE;
    for (uint32_t block = 0; block < blocks; ++block) {
        if (Cancelled())
            return;
        if (m_Port.IsOpen())
            Send(image + BLOCK_SIZE * block, BLOCK_SIZE);
        m_nBytesSent += BLOCK_SIZE;
        PostProgress(m_nBytesSent * 57 / divisor + 3);
        m_Pause(BLOCK_PAUSE);
    }
    const uint32_t rest = length - BLOCK_SIZE * blocks;
    m_nBytesSent += rest;
    if (m_Port.IsOpen())
        Send(image + BLOCK_SIZE * blocks, rest);
    PostProgress(m_nBytesSent * 57 / divisor + 3);
    m_Pause(BLOCK_PAUSE);
}

void FlashTransfer::PostProgress(uint32_t percent)
{
    m_Events.OnProgress(100, percent);
}
