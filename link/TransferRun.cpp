#include "TransferRun.h"

#include "ChannelDatabase.h"
#include "CodePageText.h"
#include "FlashTransfer.h"
#include "ImageFile.h"

#include <cerrno>

TransferRun::TransferRun(TransferListener& listener, std::function<void()> readWanted)
    : m_Listener(listener)
    , m_ReadWanted(std::move(readWanted))
{
}

void TransferRun::Begin(TransferKind kind, std::span<const uint8_t> bytes, const TransferOptions& options)
{
    m_Kind = kind;
    m_Options = options;
    m_Bytes.assign(bytes.begin(), bytes.end());
    if (kind == TransferKind::Upgrade)
        m_Flash.clear();
    else
        m_Flash.assign(IMAGE_SIZE, ERASED_FLASH);
    m_bDumpDone = false;
    m_bUpgradeDone = false;
    m_nStallError = 0;
    m_Stage = TransferStage::WaitingForReset;
}

bool TransferRun::Enter(TransferStage from, TransferStage to)
{
    if (!m_Stage.compare_exchange_strong(from, to))
        return false;
    Emit({ .type = TransferEvent::Type::Stage, .stage = to });
    return true;
}

void TransferRun::End(TransferResult result, int error)
{
    const TransferStage stage = m_Stage.exchange(TransferStage::Idle);
    Emit({ .type = TransferEvent::Type::End, .stage = stage, .result = result, .error = error });
}

void TransferRun::LostWhileIdle(int error)
{
    Emit({ .type = TransferEvent::Type::End, .stage = TransferStage::Idle, .result = TransferResult::LinkLost,
        .error = error });
}

TransferOutcome TransferRun::Complete(const DumpArchive& archive)
{
    TransferOutcome outcome;
    outcome.kind = m_Kind;
    if (!archive.Keep(m_Flash, outcome.keptPath, outcome.keepProblem))
        outcome.keptPath.clear();
    if (m_Kind == TransferKind::Verify)
        outcome.verification = VerifyFlash(m_Bytes, m_Flash, AnsiCodePageText());
    outcome.flash = std::move(m_Flash);
    m_Flash.clear();
    return outcome;
}

void TransferRun::OnProgress(uint32_t total, uint32_t done)
{
    TransferEvent event { .type = TransferEvent::Type::Progress, .stage = m_Stage, .done = done, .total = total };
    if (m_Kind == TransferKind::Upgrade) {
        event.unit = ProgressUnit::Percent;
        event.bytes = m_pTransfer ? m_pTransfer->BytesSent() : 0;
    } else {
        event.bytes = done;
    }
    Emit(event);
}

void TransferRun::OnReceiverReady()
{
    if (Enter(TransferStage::WaitingForReset, TransferStage::ReadyToRead) && m_Options.readWhenReady)
        m_ReadWanted();
}

void TransferRun::OnUpgradeStarted()
{
    m_Stage = TransferStage::Upgrading;
    Emit({ .type = TransferEvent::Type::Stage, .stage = TransferStage::Upgrading });
}

void TransferRun::OnRateChangeFailed(int error)
{
    m_nStallError = error ? error : EIO;
    m_Stage = TransferStage::Stalled;
    Emit({ .type = TransferEvent::Type::Stage, .stage = TransferStage::Stalled, .error = m_nStallError });
}

void TransferRun::Emit(TransferEvent event)
{
    event.kind = m_Kind;
    m_Listener.OnEvent(event);
}
