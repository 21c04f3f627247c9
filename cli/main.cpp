// The command-line front end for headless jobs.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/commands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return mirta::cli::Run(args);
}
