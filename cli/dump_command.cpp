#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "engine/code_page.h"
#include "engine/dbf_dump.h"
#include "engine/file_system.h"
#include "engine/paradox_dump.h"

namespace mirta::cli {

namespace {

bool LooksLikeDbf(engine::FileSystem& fs, const std::string& path) {
    std::string lower = path;
    for (auto& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".dbf") == 0)
        return true;
    if (lower.size() >= 3 && lower.compare(lower.size() - 3, 3, ".db") == 0)
        return false;
    // No telling extension: dBase files start with a small version byte and a plausible date.
    auto file = fs.Open(path, engine::OpenMode::Read);
    uint8_t head[4] = {};
    if (file->ReadAt(0, head, sizeof head) < sizeof head)
        return false;
    return head[2] >= 1 && head[2] <= 12 && head[3] >= 1 && head[3] <= 31 &&
           (head[0] == 0x03 || head[0] == 0x83 || head[0] == 0x8B || head[0] == 0x30 ||
            head[0] == 0x31 || head[0] == 0x32 || head[0] == 0xF5 || head[0] == 0x04 ||
            head[0] == 0x8C || head[0] == 0x8E);
}

}  // namespace

int RunDump(Invocation& call) {
    const std::string* kodowanie = call.Value("--kodowanie");
    const engine::CodePage* forced = kodowanie ? &engine::CodePage::ForName(*kodowanie) : nullptr;
    auto& fs = engine::FileSystem::Real();
    const std::string path = engine::ResolvePath(fs, call.Operands()[0]);
    std::ios::sync_with_stdio(false);
    if (LooksLikeDbf(fs, path))
        engine::DumpDbf(fs, path, forced, std::cout);
    else
        engine::DumpParadox(fs, path, forced, std::cout);
    std::cout.flush();
    return std::cout ? kExitOk : kExitFailure;
}

}  // namespace mirta::cli
