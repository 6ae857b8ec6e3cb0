#include "CliLink.h"

#include "Cli.h"
#include "CliArguments.h"
#include "CliCheck.h"
#include "CliCommand.h"
#include "CliLoaders.h"
#include "CodePageText.h"
#include "Crystals.h"
#include "DumpArchive.h"
#include "FlashVerify.h"
#include "ImageDocument.h"
#include "ImageFile.h"
#include "LoaderBlocks.h"
#include "PortDevices.h"
#include "PrintableText.h"
#include "ProgressLine.h"
#include "SerialPorts.h"
#include "TransferSession.h"
#include "cnComm.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>

namespace {

const char* const DUMP_USAGE = R"(Usage: tavrel-cli dump --port DEVICE [--xtal CRYSTAL] -o FILE [--trace LOG] [--quiet]
                       [--loaders DIR]

Reads the receiver's whole flash (1 MiB) into FILE. Once the port is open it
asks you to reset the receiver; the transfer then runs by itself. FILE is
replaced only once the dump is complete, and every complete dump is also kept
in $XDG_DATA_HOME/tavrel/dumps (~/.local/share/tavrel/dumps). Prints whether
the flash holds a channel database that decodes.

  --port DEVICE    the serial device: /dev/ttyUSB0, or its stable name under
                   /dev/serial/by-id ('tavrel-cli ports' lists them)
  --xtal CRYSTAL   the receiver's crystal: 4M, 8M, 13.5M, 16M or 27M (the
                   default); it sets the rate the transfer starts at
  -o FILE          where the flash is written
  --trace LOG      writes every byte sent and received and every step of the
                   transfer to LOG, with timestamps: for support
  --quiet          no progress and no notes; the request to reset the
                   receiver and the errors still show
  --loaders DIR    takes the loader blocks from DIR first ('tavrel-cli loaders
                   --help' tells where else they are looked for); the
                   placeholder blocks built in are sent only to a
                   pseudo-terminal

Ctrl+C cancels: the port is closed and FILE is left as it was.
)";

const char* const UPGRADE_USAGE = R"(Usage: tavrel-cli upgrade --port DEVICE [--xtal CRYSTAL] IMAGE [--verify] [--force]
                          [--trace LOG] [--quiet] [--loaders DIR]

Writes IMAGE into the receiver's flash, as many bytes as its flash holds, the
way the window's Upgrade does. An image that does not decode, a file that ends
before its flash does, or a channel list with errors that 'tavrel-cli check'
finds is refused.

  --verify         after the upgrade, asks for a second reset, reads the flash
                   back and compares it with what was sent; the exit status is
                   1 when it differs
  --force          sends an image that does not decode, all of its bytes; one
                   that ends early, padded with erased flash (0xFF); or a
                   channel list with errors
  --port, --xtal, --trace, --quiet and --loaders are those of 'tavrel-cli
                   dump'.

Ctrl+C cancels. A cancelled upgrade leaves the receiver's flash incomplete:
upgrade it again.
)";

const char* const VERIFY_USAGE = R"(Usage: tavrel-cli verify --port DEVICE [--xtal CRYSTAL] IMAGE [--force] [--trace LOG]
                         [--quiet] [--loaders DIR]

Reads the receiver's flash and compares it with the bytes an upgrade of IMAGE
writes: its flash size when it decodes, else (with --force) the whole file; an
image that does not decode, or an empty file, is refused. Prints the byte
ranges that differ and, when both decode, the records that differ. The exit
status is 0 when the receiver holds IMAGE and 1 when it does not. The dump is
kept as 'tavrel-cli dump' keeps it; --port, --xtal, --trace, --quiet and
--loaders are those of dump.
)";

const char* const PORTS_USAGE = R"(Usage: tavrel-cli ports

Lists the serial devices present: USB adapters (ttyUSB*, ttyACM*) with their
stable names from /dev/serial/by-id, and the on-board ports (ttyS*) that have
hardware behind them. Each is opened and let go again to tell whether you can
use it; for one you cannot, it says why and what to do. Either name of a
device goes to --port; the stable one stays the same when the adapter is
plugged in elsewhere.
)";

// The number the device is known by inside the link; only the trace shows it.
constexpr unsigned CLI_PORT = 1;

std::atomic<TransferSession*> g_pInterruptible { nullptr };

extern "C" void OnInterrupt(int)
{
    if (TransferSession* session = g_pInterruptible.load())
        session->RequestCancel();
}

// While it lives, Ctrl+C and a termination cancel the transfer instead of
// ending the program in the middle of it; a second Ctrl+C ends it at once.
class InterruptCancels {
public:
    explicit InterruptCancels(TransferSession& session)
    {
        g_pInterruptible = &session;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_OldInterrupt);
        sigaction(SIGTERM, &action, &m_OldTerminate);
    }
    ~InterruptCancels()
    {
        sigaction(SIGINT, &m_OldInterrupt, nullptr);
        sigaction(SIGTERM, &m_OldTerminate, nullptr);
        g_pInterruptible = nullptr;
    }
    InterruptCancels(const InterruptCancels&) = delete;
    InterruptCancels& operator=(const InterruptCancels&) = delete;

private:
    struct sigaction m_OldInterrupt {};
    struct sigaction m_OldTerminate {};
};

// The link options every transfer command shares.
struct LinkOptions {
    std::string device;
    int xtal = DEFAULT_XTAL;
    std::optional<std::string> trace;
    bool quiet = false;
};

bool ParseLinkOptions(Command& command, const CliArguments& arguments, LinkOptions& options, int& status)
{
    const std::optional<std::string> device = arguments.Value("--port");
    if (!device || device->empty())
        return command.UsageError("--port DEVICE is missing", status);
    options.device = *device;
    const std::string xtal = arguments.Value("--xtal").value_or(XTAL_NAMES[DEFAULT_XTAL]);
    options.xtal = XtalIndex(xtal);
    if (options.xtal < 0)
        return command.UsageError("--xtal is 4M, 8M, 13.5M, 16M or 27M, not " + xtal, status);
    options.trace = arguments.Value("--trace");
    options.quiet = arguments.Flag("--quiet");
    return true;
}

// One receiver on one port for the length of a command: its transfers, the
// progress they show, and their failures reported as the command's. It
// starts the read as soon as the receiver is ready.
class LinkSession : private TransferListener {
public:
    LinkSession(Command& command, const LinkOptions& options, bool terminal, double pauseScale)
        : m_Command(command)
        , m_Options(options)
        , m_Progress(command.Err(), terminal, options.quiet)
        , m_Session(std::make_unique<cnComm>(m_Ports, false), *this)
    {
        m_Ports.Assign(CLI_PORT, options.device);
        m_Session.Choose(CLI_PORT, options.xtal);
        m_Flow.pauseScale = pauseScale;
        m_Flow.readWhenReady = true;
        // Nobody would give the cancel that a port that does not open waits for.
        m_Flow.endOnPortFailure = true;
    }

    // Starts the trace, opens the port and checks the loader blocks for
    // each use, before the user is asked to reset the receiver: the port
    // is the first problem named. False after reporting why not.
    bool Ready(const std::vector<LoaderUse>& uses)
    {
        std::string reason;
        if (m_Options.trace && !m_Session.TraceTo(*m_Options.trace, reason)) {
            m_Command.Trouble(*m_Options.trace, reason);
            return false;
        }
        m_Session.Note("port 1 is " + m_Options.device + ", crystal " + XTAL_NAMES[m_Options.xtal]);
        if (!m_Session.OpenPort()) {
            ReportPortFailure(m_Session.PortError());
            return false;
        }
        for (LoaderUse use : uses) {
            if (const auto refusal = PlaceholderRefusal(use, m_Options.xtal, IsPseudoTerminal(m_Options.device))) {
                m_Command.Trouble(m_Options.device, *refusal);
                return false;
            }
        }
        return true;
    }

    // Reads the whole flash and keeps it; false after reporting why not.
    bool Dump(std::vector<uint8_t>& flash, const char* resetRequest)
    {
        TransferOutcome outcome;
        {
            const InterruptCancels interrupt(m_Session);
            if (!Ended(m_Session.Dump(m_Flow), resetRequest, "the dump was cancelled; nothing was written", outcome))
                return false;
        }
        ReportKept(outcome);
        flash = std::move(outcome.flash);
        return true;
    }

    // Sends the image, all of its bytes; false after reporting why not.
    bool Upgrade(std::span<const uint8_t> image)
    {
        m_nUpgradeLength = uint32_t(image.size());
        TransferOutcome outcome;
        const InterruptCancels interrupt(m_Session);
        return Ended(m_Session.Upgrade(image, m_Flow), "reset the receiver now (Ctrl+C cancels)",
            "the upgrade was cancelled; the receiver's flash is incomplete: upgrade it again", outcome);
    }

    void Note(const std::string& text)
    {
        if (!m_Options.quiet)
            m_Command.Note(m_Options.device, text);
    }

    // Dumps the flash, keeps it, and prints what it holds against the image:
    // the exit status says whether they differ.
    int Verify(const std::string& imagePath, std::span<const uint8_t> image, const char* resetRequest)
    {
        TransferOutcome outcome;
        {
            const InterruptCancels interrupt(m_Session);
            if (!Ended(m_Session.Verify(image, m_Flow), resetRequest, "the dump was cancelled; nothing was written",
                    outcome))
                return EXIT_TROUBLE;
        }
        ReportKept(outcome);
        const FlashVerification& verification = outcome.verification;
        if (verification.Same() && verification.compared > 0) {
            m_Command.Out() << "the receiver holds " << imagePath << " (" << verification.compared
                            << " bytes compared)\n";
            return EXIT_SAME;
        }
        m_Command.Out() << "the receiver's flash differs from " << imagePath << "\n"
                        << VerificationText(verification, MAX_LISTED, MAX_LISTED);
        return EXIT_DIFFERENT;
    }

private:
    // Waits for the flow just started; false after reporting why it did not finish.
    bool Ended(bool started, const char* resetRequest, const char* cancelled, TransferOutcome& outcome)
    {
        if (started)
            m_Command.Note(m_Options.device, resetRequest);
        outcome = m_Session.Wait();
        m_Progress.Finish();
        const std::string& device = m_Options.device;
        switch (outcome.result) {
        case TransferResult::Done:
            return true;
        case TransferResult::Cancelled:
            m_Command.Trouble(device, cancelled);
            break;
        case TransferResult::PortFailed:
            ReportPortFailure(outcome.error);
            break;
        case TransferResult::LinkLost:
            m_Command.Trouble(device, std::string("the receiver link was lost: ") + std::strerror(outcome.error));
            break;
        case TransferResult::Failed:
            m_Command.Trouble(device, std::string("the port could not be opened again at the transfer rate (")
                    + RateChangeFailureText(outcome.kind) + ")");
            break;
        }
        return false;
    }

    void ReportPortFailure(int error)
    {
        if (error)
            m_Command.Err() << "tavrel-cli: " << PortFailureText(EchoedText(m_Options.device), error) << "\n";
        else
            m_Command.Trouble(m_Options.device, "the port cannot be opened");
    }

    // Every complete dump is kept before anything is made of it.
    void ReportKept(const TransferOutcome& outcome)
    {
        if (outcome.keptPath.empty())
            m_Command.Note(m_Session.Archive().Folder(), "the dump could not be kept: " + outcome.keepProblem);
        else if (!m_Options.quiet)
            m_Command.Note(outcome.keptPath, "the dump is kept here");
    }

    void OnEvent(const TransferEvent& event) override
    {
        if (event.type == TransferEvent::Type::Stage && event.stage == TransferStage::Reading)
            m_Progress.Start("dump");
        else if (event.type == TransferEvent::Type::Stage && event.stage == TransferStage::Upgrading)
            m_Progress.Start("upgrade");
        else if (event.type == TransferEvent::Type::Progress && event.unit == ProgressUnit::Bytes)
            m_Progress.Show(event.Percent(), event.done, event.total);
        else if (event.type == TransferEvent::Type::Progress)
            m_Progress.Show(event.Percent(), event.bytes, m_nUpgradeLength);
    }

    Command& m_Command;
    const LinkOptions& m_Options;
    PortDevices m_Ports;
    ProgressLine m_Progress;
    TransferOptions m_Flow;
    // The bytes an upgrade sends. Read on the worker thread.
    std::atomic<uint32_t> m_nUpgradeLength = 0;
    TransferSession m_Session;
};

// What the flash holds, as the document that adopted it reads it.
std::string DecodeSummary(const ImageDocument& image)
{
    const ChannelDatabase& db = image.Database();
    if (!image.IsDecoded())
        return "does not decode: " + DecodeProblemOf(db);
    return "decodes: flash type " + std::to_string(db.m_nFlashType) + " (" + std::to_string(db.m_nFlashSize / 1024)
        + " KiB), " + std::to_string(db.m_nSatCount) + " satellites, " + std::to_string(db.m_nTpCount)
        + " transponders, " + std::to_string(db.m_nTvCount) + " TV and " + std::to_string(db.m_nRadioCount)
        + " radio programs";
}

} // namespace

int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal,
    double pauseScale)
{
    Command command("dump", DUMP_USAGE, out, err);
    CliArguments arguments({ "--port", "--xtal", "-o", "--trace", "--loaders" }, { "--quiet" });
    int status = EXIT_SAME;
    LinkOptions options;
    if (!command.Parse(arguments, args, 0, status) || !ParseLinkOptions(command, arguments, options, status))
        return status;
    const std::optional<std::string> output = arguments.Value("-o");
    if (!output) {
        command.UsageError("-o FILE is missing", status);
        return status;
    }
    if (!UseLoaders(command, arguments))
        return EXIT_TROUBLE;

    LinkSession session(command, options, errIsTerminal, pauseScale);
    std::vector<uint8_t> dump;
    if (!session.Ready({ LoaderUse::Dump }) || !session.Dump(dump, "reset the receiver now (Ctrl+C cancels)"))
        return EXIT_TROUBLE;
    std::string reason;
    if (!WriteImageFile(*output, dump, reason))
        return command.Trouble(*output, reason);
    ImageDocument image;
    image.AdoptDump(dump);
    out << PrintableText(*output) << ": " << IMAGE_SIZE << " bytes, the flash " << DecodeSummary(image) << "\n";
    return EXIT_SAME;
}

int RunUpgrade(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal,
    double pauseScale)
{
    Command command("upgrade", UPGRADE_USAGE, out, err);
    CliArguments arguments({ "--port", "--xtal", "--trace", "--loaders" }, { "--verify", "--force", "--quiet" });
    int status = EXIT_SAME;
    LinkOptions options;
    if (!command.Parse(arguments, args, 1, status) || !ParseLinkOptions(command, arguments, options, status))
        return status;
    const std::string& imagePath = arguments.Operands()[0];
    ImageDocument image;
    if (!command.ReadImage(imagePath, image))
        return EXIT_TROUBLE;
    const bool decodes = image.IsDecoded();
    if (!decodes && !arguments.Flag("--force"))
        return command.Trouble(imagePath, "not a flash image: " + DecodeProblemOf(image.Database())
                + "; --force sends it anyway");
    if (decodes && ShorterThanFlash(image) && !arguments.Flag("--force"))
        return command.Trouble(imagePath, "the file is " + std::to_string(image.FileLength())
                + " bytes, shorter than its flash of " + std::to_string(image.Database().m_nFlashSize)
                + "; --force sends it padded with erased flash (0xFF)");
    if (image.FileLength() == 0)
        return command.Trouble(imagePath, "the file is empty; there is nothing to send");
    if (!CheckBeforeUpgrade(command, imagePath, image.Database(), arguments.Flag("--force")))
        return EXIT_TROUBLE;
    const std::span<const uint8_t> bytes = image.UpgradeBytes();
    std::vector<LoaderUse> uses { LoaderUse::Upgrade };
    if (arguments.Flag("--verify"))
        uses.push_back(LoaderUse::Dump);
    if (!UseLoaders(command, arguments))
        return EXIT_TROUBLE;

    LinkSession session(command, options, errIsTerminal, pauseScale);
    if (!session.Ready(uses) || !session.Upgrade(bytes))
        return EXIT_TROUBLE;
    session.Note("upgrade done: " + std::to_string(bytes.size()) + " bytes sent");
    if (!arguments.Flag("--verify"))
        return EXIT_SAME;
    return session.Verify(imagePath, bytes,
        "reset the receiver again to verify the upgrade (Ctrl+C cancels)");
}

int RunVerify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal,
    double pauseScale)
{
    Command command("verify", VERIFY_USAGE, out, err);
    CliArguments arguments({ "--port", "--xtal", "--trace", "--loaders" }, { "--force", "--quiet" });
    int status = EXIT_SAME;
    LinkOptions options;
    if (!command.Parse(arguments, args, 1, status) || !ParseLinkOptions(command, arguments, options, status))
        return status;
    const std::string& imagePath = arguments.Operands()[0];
    ImageDocument image;
    if (!command.ReadImage(imagePath, image))
        return EXIT_TROUBLE;
    // As upgrade refuses to send it: a verify of nothing must never pass.
    if (image.FileLength() == 0)
        return command.Trouble(imagePath, "the file is empty; there is nothing to compare");
    const bool decodes = image.IsDecoded();
    if (!decodes && !arguments.Flag("--force"))
        return command.Trouble(imagePath, "not a flash image: " + DecodeProblemOf(image.Database())
                + "; --force compares it anyway");
    if (!UseLoaders(command, arguments))
        return EXIT_TROUBLE;

    LinkSession session(command, options, errIsTerminal, pauseScale);
    if (!session.Ready({ LoaderUse::Dump }))
        return EXIT_TROUBLE;
    return session.Verify(imagePath, image.UpgradeBytes(), "reset the receiver now (Ctrl+C cancels)");
}

int RunPorts(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Command command("ports", PORTS_USAGE, out, err);
    CliArguments arguments({}, {});
    int status = EXIT_SAME;
    if (!command.Parse(arguments, args, 0, status))
        return status;
    const std::string root = SerialDeviceRoot();
    const std::vector<SerialPort> ports = ListSerialPorts(root);
    if (ports.empty()) {
        command.Note(root, "no serial ports found");
        return EXIT_SAME;
    }
    size_t width = 0;
    for (const SerialPort& port : ports)
        width = std::max(width, port.device.size());
    for (const SerialPort& port : ports) {
        std::string line = port.device;
        line.append(width + 2 - port.device.size(), ' ');
        line += port.usable ? "ready" : port.problem.reason;
        if (!port.byId.empty())
            line += "  " + port.byId;
        out << PrintableText(line) << "\n";
        if (!port.usable && !port.problem.advice.empty())
            out << std::string(width + 2, ' ') << port.problem.advice << "\n";
    }
    return EXIT_SAME;
}
