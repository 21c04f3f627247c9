#pragma once

#include <fstream>
#include <string>

namespace mirta::bench {

// The peak resident memory of this process so far, in KiB (-1 when unknown).
inline long SzczytPamieciKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

}  // namespace mirta::bench
