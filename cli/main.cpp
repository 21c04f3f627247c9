// The command-line front end for headless jobs.
#include <string>
#include <vector>

#include "cli/run.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return mirta::cli::Run(args);
}
