#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv)
{
    // Every completed dump is kept: here, in a folder of the tests' own.
    char folder[] = "/tmp/tavrel-link-tests-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    setenv("XDG_DATA_HOME", folder, 1);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::filesystem::remove_all(folder);
    return status;
}
