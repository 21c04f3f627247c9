#include <chrono>
#include <cstdio>

#include "cli/commands.h"
#include "store/engine/file_system.h"
#include "store/nowa_baza.h"

namespace mirta::cli {

int RunNowaBaza(const Args& args) {
    if (args.size() != 1)
        return UsageError("nowa-baza");
    auto dzis = std::chrono::year_month_day(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    engine::CivilDate data{int(dzis.year()), int(unsigned(dzis.month())),
                           int(unsigned(dzis.day()))};
    store::UtworzNowaBaze(engine::FileSystem::Real(), args[0], data);
    std::printf("Utworzono nową bazę w katalogu %s (użytkownik ADMIN, puste hasło).\n",
                args[0].c_str());
    return 0;
}

}  // namespace mirta::cli
