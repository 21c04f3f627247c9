// mirta terminy: what falls due for the employees in the coming days, as lines or as a report
// file.
#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "cli/obliczenia_pracownika.h"
#include "cli/values.h"
#include "reports/dane_raportu.h"
#include "reports/format_wydruku.h"
#include "reports/raport_terminow.h"
#include "reports/qt/miara_qt.h"
#include "reports/qt/zapis_wydruku.h"
#include "store/obraz_pracownika.h"
#include "store/terminy.h"
#include "store/zrodla_obliczen.h"

namespace mirta::cli {

int RunTerminy(Invocation& call) {
    int32_t dni = 60;
    if (const std::string* n = call.Value("--dni")) {
        const auto liczba = ParseInteger(*n, 0, 3660);
        if (!liczba)
            return call.UsageError("--dni: liczba dni od 0 do 3660.");
        dni = static_cast<int32_t>(*liczba);
    }
    std::optional<reports::FormatWydruku> format;
    if (const std::string* nazwa = call.Value("--format")) {
        format = reports::FormatZNazwy(*nazwa);
        if (!format)
            return call.UsageError("Nieznany format: " + *nazwa);
        if (call.Operands().size() != 1)
            return call.UsageError("Podaj plik wydruku.");
        if (!reports::RozszerzeniePasuje(call.Operands()[0], *format))
            return call.UsageError(reports::kZleRozszerzenie);
    } else if (!call.Operands().empty()) {
        return call.UsageError("Podaj format pliku: --format pdf|txt|csv|htm|xlsx|qrp.");
    }
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    store::ZrodlaObliczen zrodla(*s->tdm, *s->tdm1);
    const compute::DataKal od = store::DataPrzetwarzania(zrodla);
    reports::ZestawienieTerminow z{
        od, compute::DodajDni(od, dni), store::TerminyWOkresie(zrodla, od, dni), {}, {}};
    if (!format) {
        for (const store::Termin& t : z.terminy)
            call.Term().out << DataCli(t.data) << '\t' << t.pracownik << '\t' << t.nazwisko << '\t'
                            << store::NazwaTerminu(t.rodzaj) << '\t' << t.opis << '\n';
        call.Term().out.flush();
        zrodla.Komunikaty().Pokaz(s->dialogi);
        return kExitOk;
    }
    z.jednostka = reports::DaneRaportu(zrodla).NazwaJednostki();
    reports::ui::ZapewnijAplikacjeQt();
    const reports::Wydruk w = reports::WydrukTerminow(z, reports::ui::MiaraQt());
    const std::string& plik = call.Operands()[0];
    reports::ui::ZapiszWydruk(w, *format, plik);
    zrodla.Komunikaty().Pokaz(s->dialogi);
    call.Term().out << "Zapisano „" << w.tytul << "”: " << plik
                    << ", terminów: " << z.terminy.size() << ", stron: " << w.strony.size()
                    << ".\n";
    return kExitOk;
}

}  // namespace mirta::cli
