// tavrel-make-sample [--max] OUT.bin: writes a sample flash image.

#include "SampleImage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <getopt.h>

namespace {

int Usage(std::FILE* stream, int status)
{
    std::fprintf(stream,
                 "usage: tavrel-make-sample [--max] OUT.bin\n"
                 "\n"
                 "Writes a 1 MiB sample flash image with a few satellites, transponders and programs.\n"
                 "\n"
                 "  --max    fill the database to its capacity instead\n"
                 "  --help   show this help\n"
                 "\n"
                 "Put -- before a file name that starts with -.\n");
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    static const option OPTIONS[] = {
        {"max", no_argument, nullptr, 'm'},
        {"help", no_argument, nullptr, 'h'},
        {nullptr, 0, nullptr, 0},
    };
    bool capacity = false;
    int c;
    while ((c = getopt_long(argc, argv, "", OPTIONS, nullptr)) != -1) {
        if (c == 'm')
            capacity = true;
        else if (c == 'h')
            return Usage(stdout, 0);
        else
            return Usage(stderr, 2);
    }
    if (optind != argc - 1)
        return Usage(stderr, 2);
    const char* path = argv[optind];

    const std::vector<uint8_t> image = capacity ? MakeCapacityImage() : MakeSampleImage();
    std::FILE* file = std::fopen(path, "wb");
    if (!file) {
        std::fprintf(stderr, "tavrel-make-sample: %s: %s\n", path, std::strerror(errno));
        return 2;
    }
    const bool written = std::fwrite(image.data(), 1, image.size(), file) == image.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "tavrel-make-sample: %s: %s\n", path, std::strerror(errno));
        return 2;
    }
    return 0;
}
