#include <chrono>
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "engine/file_system.h"
#include "store/nowa_baza.h"

namespace mirta::cli {

int RunNowaBaza(Invocation& call) {
    const std::string& katalog = call.Operands()[0];
    auto dzis = std::chrono::year_month_day(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    engine::CivilDate data{int(dzis.year()), int(unsigned(dzis.month())),
                           int(unsigned(dzis.day()))};
    store::UtworzNowaBaze(engine::FileSystem::Real(), katalog, data);
    std::printf("Utworzono nową bazę w katalogu %s (użytkownik ADMIN, puste hasło).\n",
                katalog.c_str());
    return kExitOk;
}

}  // namespace mirta::cli
