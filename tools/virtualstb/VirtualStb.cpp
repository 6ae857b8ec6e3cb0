// tavrel-virtual-stb: a receiver on a pseudo-terminal for trying the link without hardware.

#include "VirtualReceiver.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr size_t FLASH_SIZE = 0x100000;

VirtualReceiver* g_pReceiver = nullptr;

void OnSignal(int)
{
    if (g_pReceiver)
        g_pReceiver->Stop();
}

int Usage()
{
    std::fprintf(stderr,
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
                 "  --code-gap MS       upgrade: pause between the progress codes (50)\n");
    return 2;
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

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    VirtualReceiverOptions options;
    const std::string mode = argv[1];
    // With --flash the program's transfer decides, and the mode may be left out.
    const int firstOption = mode.rfind("--", 0) == 0 ? 1 : 2;
    if (mode == "dump")
        options.mode = VirtualReceiverOptions::Mode::Dump;
    else if (mode == "upgrade")
        options.mode = VirtualReceiverOptions::Mode::Upgrade;
    else if (firstOption == 2)
        return Usage();

    std::string imageFile;
    for (int i = firstOption; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            return Usage();
        const char* value = argv[++i];
        long number = 0;
        const bool isNumber = ParseNumber(value, number);
        if (option == "--image")
            imageFile = value;
        else if (option == "--output")
            options.outputFile = value;
        else if (option == "--link")
            options.linkPath = value;
        else if (option == "--flash")
            options.flashFile = value;
        else if (option == "--corrupt-at") {
            char* end = nullptr;
            options.corruptAt = std::strtol(value, &end, 0);
            if (!*value || *end || options.corruptAt < 0)
                return Usage();
        } else if (option == "--xtal") {
            if (!ParseXtal(value, options.xtal))
                return Usage();
        } else if (option == "--stray") {
            if (std::strlen(value) != 1)
                return Usage();
            options.strayCommand = static_cast<unsigned char>(value[0]);
        } else if (!isNumber)
            return Usage();
        else if (option == "--baud")
            options.baud = unsigned(number);
        else if (option == "--repeat")
            options.sessions = int(number);
        else if (option == "--stall-after")
            options.stallAfter = number;
        else if (option == "--hang-up-after")
            options.hangUpAfter = number;
        else if (option == "--answer-timeout")
            options.answerTimeoutMs = int(number);
        else if (option == "--code-delay")
            options.codeDelayMs = int(number);
        else if (option == "--code-gap")
            options.codeGapMs = int(number);
        else
            return Usage();
    }

    if (!options.flashFile.empty()) {
        options.mode = VirtualReceiverOptions::Mode::Either;
        std::ifstream in(options.flashFile, std::ios::binary);
        options.image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (options.image.size() > FLASH_SIZE) {
            std::fprintf(stderr, "tavrel-virtual-stb: the flash is larger than 1 MiB\n");
            return 2;
        }
        options.image.resize(FLASH_SIZE, 0xFF);
    } else if (firstOption == 1) {
        return Usage();
    } else if (options.mode == VirtualReceiverOptions::Mode::Dump) {
        std::ifstream in(imageFile, std::ios::binary);
        if (imageFile.empty() || !in) {
            std::fprintf(stderr, "tavrel-virtual-stb: cannot read the image '%s'\n", imageFile.c_str());
            return 2;
        }
        options.image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (options.image.size() > FLASH_SIZE) {
            std::fprintf(stderr, "tavrel-virtual-stb: the image is larger than 1 MiB\n");
            return 2;
        }
        options.image.resize(FLASH_SIZE, 0xFF);
    }

    VirtualReceiver receiver(options);
    receiver.SetReport([](const std::string& text) { std::fprintf(stderr, "tavrel-virtual-stb: %s\n", text.c_str()); });
    if (!receiver.Open())
        return 1;
    std::printf("%s\n", receiver.DevicePath().c_str());
    std::fflush(stdout);

    g_pReceiver = &receiver;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    const int faults = receiver.Run();
    g_pReceiver = nullptr;
    return faults == 0 ? 0 : 1;
}
