#include "Cli.h"
#include "CodePageText.h"

#include <iostream>

#include <unistd.h>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    ChooseAnsiCodePage(CodePageFromEnvironment());
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunCli(args, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
    std::cout.flush();
    return std::cout ? status : EXIT_TROUBLE;
}
