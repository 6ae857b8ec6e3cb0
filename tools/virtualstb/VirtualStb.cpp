// tavrel-virtual-stb: a receiver on a pseudo-terminal for trying the link without hardware.

#include "VirtualReceiver.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include <getopt.h>

namespace {

constexpr size_t FLASH_SIZE = 0x100000;

VirtualReceiver* g_pReceiver = nullptr;

void OnSignal(int)
{
    if (g_pReceiver)
        g_pReceiver->Stop();
}

int Usage(std::FILE* stream, int status)
{
    std::fprintf(stream,
                 "usage: tavrel-virtual-stb dump --image FILE [options]\n"
                 "       tavrel-virtual-stb upgrade [--output FILE] [options]\n"
                 "       tavrel-virtual-stb --flash FILE [options]\n"
                 "\n"
                 "Plays a receiver on a pseudo-terminal and prints its device. Point a port\n"
                 "at it, e.g. TAVREL_COM4=/dev/pts/5, or use --link.\n"
                 "\n"
                 "  --image FILE        flash image to serve (padded with 0xFF to 1 MiB)\n"
                 "  --output FILE       where the upgraded image is written\n"
                 "  --flash FILE        the receiver's flash: each session plays the dump or the\n"
                 "                      upgrade the program starts; a dump serves FILE (erased\n"
                 "                      flash when it is missing), an upgrade writes into it\n"
                 "  --corrupt-at N      the flash keeps a wrong byte at offset N (0x.. for hex)\n"
                 "  --xtal X            crystal the program is set to: 4M 8M 13.5M 16M 27M or 0-4 (27M)\n"
                 "  --baud N            pace the receiver's output at N baud\n"
                 "  --link PATH         also make the device reachable as PATH\n"
                 "  --repeat N          play N sessions, 0 for ever (1)\n"
                 "  --stall-after N     stop after N bytes of the dump stream or the upgrade image\n"
                 "  --stray C           send a stray byte together with the command byte C\n"
                 "  --hang-up-after N   hang the line up after N bytes of the stream or image\n"
                 "  --answer-timeout MS how long to wait for an answer (30000)\n"
                 "  --code-delay MS     upgrade: pause before the progress codes (500)\n"
                 "  --code-gap MS       upgrade: pause between the progress codes (50)\n"
                 "  --loaders DIR       expect the loader blocks found as the programs find them\n"
                 "                      with --loaders DIR (and TAVREL_LOADERS, the data folders)\n"
                 "  --help              show this help\n"
                 "\n"
                 "A FILE or PATH that starts with - is written ./-name.\n");
    return status;
}

bool ParseNumber(const char* text, long& value)
{
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return *text && end && *end == '\0' && value >= 0;
}

bool ParseXtal(const std::string& text, int& xtal)
{
    static const char* const NAMES[] = {"4M", "8M", "13.5M", "16M", "27M"};
    for (int i = 0; i < 5; ++i) {
        if (text == NAMES[i] || text == std::to_string(i)) {
            xtal = i;
            return true;
        }
    }
    return false;
}

// A numeric option's value; false, with a message, when it is not a number.
template <typename Number>
bool ParseCount(const char* option, const char* text, Number& value)
{
    long number = 0;
    if (!ParseNumber(text, number)) {
        std::fprintf(stderr, "tavrel-virtual-stb: --%s needs a number, not '%s'\n", option, text);
        return false;
    }
    value = static_cast<Number>(number);
    return true;
}

// A file option's value; another option in its place is a mistake, not a name.
bool ParsePath(const char* option, const char* value, std::string& path)
{
    if (value[0] == '-' || value[0] == '\0') {
        std::fprintf(stderr, "tavrel-virtual-stb: --%s needs a file name, not '%s'\n", option, value);
        return false;
    }
    path = value;
    return true;
}

enum Option { IMAGE = 1000, OUTPUT, FLASH, CORRUPT_AT, XTAL, BAUD, LINK, REPEAT, STALL_AFTER, STRAY, HANG_UP_AFTER, ANSWER_TIMEOUT,
              CODE_DELAY, CODE_GAP, LOADERS, HELP };

} // namespace

int main(int argc, char** argv)
{
    static const option OPTIONS[] = {
        {"image", required_argument, nullptr, IMAGE},
        {"output", required_argument, nullptr, OUTPUT},
        {"flash", required_argument, nullptr, FLASH},
        {"corrupt-at", required_argument, nullptr, CORRUPT_AT},
        {"xtal", required_argument, nullptr, XTAL},
        {"baud", required_argument, nullptr, BAUD},
        {"link", required_argument, nullptr, LINK},
        {"repeat", required_argument, nullptr, REPEAT},
        {"stall-after", required_argument, nullptr, STALL_AFTER},
        {"stray", required_argument, nullptr, STRAY},
        {"hang-up-after", required_argument, nullptr, HANG_UP_AFTER},
        {"answer-timeout", required_argument, nullptr, ANSWER_TIMEOUT},
        {"code-delay", required_argument, nullptr, CODE_DELAY},
        {"code-gap", required_argument, nullptr, CODE_GAP},
        {"loaders", required_argument, nullptr, LOADERS},
        {"help", no_argument, nullptr, HELP},
        {nullptr, 0, nullptr, 0},
    };
    VirtualReceiverOptions options;
    std::string imageFile;
    std::optional<std::string> loaders;
    int c;
    while ((c = getopt_long(argc, argv, "", OPTIONS, nullptr)) != -1) {
        bool valid = true;
        switch (c) {
        case IMAGE:
            valid = ParsePath("image", optarg, imageFile);
            break;
        case OUTPUT:
            valid = ParsePath("output", optarg, options.outputFile);
            break;
        case LINK:
            valid = ParsePath("link", optarg, options.linkPath);
            break;
        case FLASH:
            valid = ParsePath("flash", optarg, options.flashFile);
            break;
        case CORRUPT_AT: {
            char* end = nullptr;
            options.corruptAt = std::strtol(optarg, &end, 0);
            valid = *optarg && !*end && options.corruptAt >= 0;
            if (!valid)
                std::fprintf(stderr, "tavrel-virtual-stb: --corrupt-at needs an offset, not '%s'\n", optarg);
            break;
        }
        case XTAL:
            valid = ParseXtal(optarg, options.xtal);
            if (!valid)
                std::fprintf(stderr, "tavrel-virtual-stb: no crystal '%s'\n", optarg);
            break;
        case STRAY:
            valid = std::strlen(optarg) == 1;
            if (!valid)
                std::fprintf(stderr, "tavrel-virtual-stb: --stray needs one character, not '%s'\n", optarg);
            options.strayCommand = static_cast<unsigned char>(optarg[0]);
            break;
        case BAUD:
            valid = ParseCount("baud", optarg, options.baud);
            break;
        case REPEAT:
            valid = ParseCount("repeat", optarg, options.sessions);
            break;
        case STALL_AFTER:
            valid = ParseCount("stall-after", optarg, options.stallAfter);
            break;
        case HANG_UP_AFTER:
            valid = ParseCount("hang-up-after", optarg, options.hangUpAfter);
            break;
        case ANSWER_TIMEOUT:
            valid = ParseCount("answer-timeout", optarg, options.answerTimeoutMs);
            break;
        case CODE_DELAY:
            valid = ParseCount("code-delay", optarg, options.codeDelayMs);
            break;
        case CODE_GAP:
            valid = ParseCount("code-gap", optarg, options.codeGapMs);
            break;
        case LOADERS:
            loaders = optarg;
            break;
        case HELP:
            return Usage(stdout, 0);
        default:
            return Usage(stderr, 2);
        }
        if (!valid)
            return 2;
    }
    // With --flash the program's transfer decides, and the mode may be left out.
    const std::string mode = optind == argc - 1 ? argv[optind] : "";
    if (mode == "dump")
        options.mode = VirtualReceiverOptions::Mode::Dump;
    else if (mode == "upgrade")
        options.mode = VirtualReceiverOptions::Mode::Upgrade;
    else if (!mode.empty() || optind != argc || options.flashFile.empty())
        return Usage(stderr, 2);

    if (!options.flashFile.empty()) {
        options.mode = VirtualReceiverOptions::Mode::Either;
        std::ifstream in(options.flashFile, std::ios::binary);
        options.image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (options.image.size() > FLASH_SIZE) {
            std::fprintf(stderr, "tavrel-virtual-stb: %s: larger than 1 MiB\n", options.flashFile.c_str());
            return 2;
        }
        options.image.resize(FLASH_SIZE, 0xFF);
    } else if (options.mode == VirtualReceiverOptions::Mode::Dump) {
        if (imageFile.empty()) {
            std::fprintf(stderr, "tavrel-virtual-stb: dump needs --image FILE\n");
            return 2;
        }
        std::ifstream in(imageFile, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "tavrel-virtual-stb: %s: %s\n", imageFile.c_str(), std::strerror(errno));
            return 2;
        }
        options.image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (options.image.size() > FLASH_SIZE) {
            std::fprintf(stderr, "tavrel-virtual-stb: %s: larger than 1 MiB\n", imageFile.c_str());
            return 2;
        }
        options.image.resize(FLASH_SIZE, 0xFF);
    }

    options.loaders = LoaderSet::FromEnvironment(loaders);
    if (!options.loaders->Problem().empty()) {
        std::fprintf(stderr, "tavrel-virtual-stb: %s\n", options.loaders->Problem().c_str());
        return 2;
    }

    VirtualReceiver receiver(options);
    receiver.SetReport([](const std::string& text) { std::fprintf(stderr, "tavrel-virtual-stb: %s\n", text.c_str()); });
    if (!receiver.Open())
        return 2;
    std::printf("%s\n", receiver.DevicePath().c_str());
    std::fflush(stdout);

    g_pReceiver = &receiver;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    const int faults = receiver.Run();
    g_pReceiver = nullptr;
    return faults == 0 ? 0 : 1;
}
