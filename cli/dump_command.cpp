#include <cstdio>

#include "cli/commands.h"

namespace mirta::cli {

int RunDump(const Args& args) {
    if (args.empty()) return UsageError("dump");
    std::fprintf(stderr, "dump: not yet\n");
    return 1;
}

}  // namespace mirta::cli
