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
int RunDograjUrlopy(Invocation& call);
int RunDokument(Invocation& call);
int RunDokumenty(Invocation& call);
int RunTagi(Invocation& call);
int RunSprawdzSzablon(Invocation& call);
int RunRaport(Invocation& call);
int RunSpdHarmonogram(Invocation& call);
int RunSpdGeneruj(Invocation& call);
int RunSpdPrzesylki(Invocation& call);
int RunSpdMapowanie(Invocation& call);
int RunSpdParametry(Invocation& call);
int RunSpdWyslij(Invocation& call);
int RunKopia(Invocation& call);
int RunOdtworz(Invocation& call);
int RunDziennik(Invocation& call);
int RunTerminy(Invocation& call);
int RunRodoDane(Invocation& call);
int RunRodoUdostepnienia(Invocation& call);
int RunRodoOkresy(Invocation& call);
int RunRodoDoUsuniecia(Invocation& call);
int RunRodoAnonimizuj(Invocation& call);
int RunSprawdz(Invocation& call);
int RunNapraw(Invocation& call);
int RunAktaLista(Invocation& call);
int RunAktaDodaj(Invocation& call);
int RunAktaEksport(Invocation& call);
int RunAktaImport(Invocation& call);
int RunAktaSprawdz(Invocation& call);
// The options of mirta placowe: the window's two choices and the filter.
const std::vector<Option>& OpcjePlacowe();
// The options of mirta raport: output, period, definitions and the filter.
const std::vector<Option>& OpcjeRaportu();

}  // namespace mirta::cli
