#include "cli/CliCommand.h"

#include <iostream>

int main(int argc, char** argv)
{
    morva::cli::CliStreams io{std::cout, std::cerr};
    return morva::cli::RunMorva(std::vector<std::string>(argv + 1, argv + argc), io);
}
