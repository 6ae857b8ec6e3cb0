// tavrel-make-sample [--max] OUT.bin: writes a sample flash image.

#include "SampleImage.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    bool capacity = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--max") == 0)
            capacity = true;
        else
            path = argv[i];
    }
    if (!path) {
        std::fprintf(stderr, "usage: tavrel-make-sample [--max] OUT.bin\n");
        return 2;
    }
    const std::vector<uint8_t> image = capacity ? MakeCapacityImage() : MakeSampleImage();
    std::FILE* file = std::fopen(path, "wb");
    if (!file) {
        std::perror(path);
        return 1;
    }
    const bool written = std::fwrite(image.data(), 1, image.size(), file) == image.size();
    if (std::fclose(file) != 0 || !written) {
        std::perror(path);
        return 1;
    }
    return 0;
}
