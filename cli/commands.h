#pragma once

#include "cli/invocation.h"

// Command handlers, one file per command or small group; their rows are in commands.cpp.
namespace mirta::cli {

int RunDump(Invocation& call);
int RunSlownie(Invocation& call);
int RunZaokraglij(Invocation& call);
int RunOkres(Invocation& call);
int RunWyrazenie(Invocation& call);
int RunDataSlownie(Invocation& call);
int RunNowaBaza(Invocation& call);
int RunDemo(Invocation& call);
int RunZaloguj(Invocation& call);
int RunPracownicy(Invocation& call);
int RunKalendarz(Invocation& call);
int RunDni(Invocation& call);
int RunPlacowe(Invocation& call);
int RunStaz(Invocation& call);
int RunUrlop(Invocation& call);
int RunWynagrodzenie(Invocation& call);
int RunZamknijRok(Invocation& call);
int RunKopia(Invocation& call);
int RunOdtworz(Invocation& call);
int RunDziennik(Invocation& call);
int RunTerminy(Invocation& call);
// The options of mirta placowe: the window's two choices and the filter.
const std::vector<Option>& OpcjePlacowe();

}  // namespace mirta::cli
