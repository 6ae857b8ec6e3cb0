// tavrel-info IMAGE: the older name of `tavrel-cli info IMAGE`.

#include "Cli.h"
#include "CodePageText.h"

#include <iostream>

int main(int argc, char** argv)
{
    ChooseAnsiCodePage(CodePageFromEnvironment());
    std::vector<std::string> args { "info" };
    args.insert(args.end(), argv + 1, argv + argc);
    return RunCli(args, std::cout, std::cerr);
}
