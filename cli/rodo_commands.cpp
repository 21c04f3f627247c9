// mirta rodo ...: one person's data, the register of disclosures, the retention rules, the
// files past their retention and the anonymisation.
#include <algorithm>
#include <iostream>

#include "cli/commands.h"
#include "cli/kopia_cli.h"
#include "cli/obliczenia_pracownika.h"
#include "cli/values.h"
#include "compute/teksty_dat.h"
#include "reports/format_wydruku.h"
#include "reports/qt/miara_qt.h"
#include "reports/qt/zapis_wydruku.h"
#include "rodo/anonimizacja.h"
#include "rodo/dane_osoby.h"
#include "rodo/wydruki_rodo.h"
#include "rodo/zestawienia_rodo.h"
#include "store/dziennik_zmian.h"
#include "store/okresy_przechowywania.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/udostepnienia.h"
#include "wspolne/blad_danych.h"
#include "wspolne/dialogi.h"

namespace mirta::cli {

namespace {

constexpr const char* kTytulRodo = "Ochrona danych osobowych.";

std::optional<int32_t> Identyfikator(const std::string& tekst) {
    const auto id = ParseInteger(tekst, 1, 2147483647);
    if (!id)
        return std::nullopt;
    return static_cast<int32_t>(*id);
}

bool RozszerzenieZip(const std::string& plik) {
    std::string koniec = plik.size() >= 4 ? plik.substr(plik.size() - 4) : std::string();
    for (char& c : koniec)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return koniec == ".zip";
}

compute::DataKal Dzis(const store::TDM& tdm) {
    const auto& d = tdm.Sesja().DataPrzetwarzania;
    return {d.year, static_cast<uint8_t>(d.month), static_cast<uint8_t>(d.day)};
}

}  // namespace

int RunRodoDane(Invocation& call) {
    const auto id = Identyfikator(call.Operands()[0]);
    if (!id)
        return call.UsageError("Niepoprawny identyfikator pracownika.");
    const std::string* format = call.Value("--format");
    if (!format || (*format != "pdf" && *format != "zip"))
        return call.UsageError("Podaj format pliku: --format pdf|zip.");
    const std::string& plik = call.Operands()[1];
    if (*format == "pdf" && !reports::RozszerzeniePasuje(plik, reports::FormatWydruku::Pdf))
        return call.UsageError(reports::kZleRozszerzenie);
    if (*format == "zip" && !RozszerzenieZip(plik))
        return call.UsageError("Rozszerzenie pliku nie odpowiada formatowi: .zip.");
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    rodo::SprawdzPrawoEksportu(s->tdm->Sesja());
    const rodo::DaneOsoby d = rodo::ZbierzDaneOsoby(*s->tdm, *s->tdm1, *id);
    size_t wierszy = 0;
    for (const rodo::TabelaOsoby& t : d.tabele)
        wierszy += t.wiersze.size();
    if (*format == "zip") {
        rodo::ZapiszArchiwumDanychOsoby(s->tdm->Sesja(), d, plik);
    } else {
        reports::ui::ZapewnijAplikacjeQt();
        const reports::Wydruk w = rodo::WydrukDanychOsoby(d, reports::ui::MiaraQt());
        reports::ui::ZapiszWydruk(w, reports::FormatWydruku::Pdf, plik);
    }
    call.Term().out << "Zapisano dane pracownika " << d.nazwisko << ": " << plik
                    << ", tabel: " << d.tabele.size() << ", wierszy: " << wierszy << ".\n";
    return kExitOk;
}

int RunRodoUdostepnienia(Invocation& call) {
    store::FiltrUdostepnien f;
    for (const char* opcja : {"--od", "--do"}) {
        if (const std::string* t = call.Value(opcja)) {
            const auto d = ParseDate(*t);
            if (!d)
                return call.UsageError("Niepoprawna data: RRRR-MM-DD.");
            (std::string(opcja) == "--od" ? f.od : f.doDnia) =
                engine::CivilDate{d->rok, d->miesiac, d->dzien};
        }
    }
    if (const std::string* p = call.Value("--pracownik")) {
        f.pracownik = Identyfikator(*p);
        if (!f.pracownik)
            return call.UsageError("Niepoprawny identyfikator pracownika.");
    }
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    for (const store::Udostepnienie& u :
         store::CzytajUdostepnienia(s->tdm->Fs(), s->tdm->DataDirectory(), f)) {
        call.Term().out << u.numer << '\t' << store::TekstChwili(u.kiedy) << '\t' << u.uzytkownik
                        << '\t' << u.odbiorca << '\t' << u.rodzaj << '\t' << u.opis << '\t' << u.cel
                        << '\t';
        for (size_t i = 0; i < u.pracownicy.size(); ++i)
            call.Term().out << (i ? "," : "") << u.pracownicy[i];
        call.Term().out << '\n';
    }
    call.Term().out.flush();
    return kExitOk;
}

int RunRodoOkresy(Invocation& call) {
    std::vector<std::pair<std::string, int>> zmiany;
    for (const std::string& op : call.Operands()) {
        const size_t rowna = op.find('=');
        if (rowna == std::string::npos || rowna == 0)
            return call.UsageError("Zmiana okresu: KOD=LATA, np. 2=10.");
        const auto lata = ParseInteger(op.substr(rowna + 1), 1, 200);
        if (!lata)
            return call.UsageError("Liczba lat od 1 do 200: " + op + ".");
        const std::string kod = op.substr(0, rowna);
        if (kod.size() != 1)
            return call.UsageError("Kod rodzaju pracownika to jeden znak, jak w Mirta.DB: " + op +
                                   ".");
        zmiany.emplace_back(kod, static_cast<int>(*lata));
    }
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    engine::FileSystem& fs = s->tdm->Fs();
    const std::string& katalog = s->tdm->DataDirectory();
    auto zasady = store::CzytajZasadyPrzechowywania(fs, katalog);
    if (!zmiany.empty()) {
        for (const auto& [kod, lata] : zmiany) {
            store::ZasadaPrzechowywania nowa{kod, store::SposobPrzechowywania::LataOdKoncaRoku,
                                             lata};
            auto it = std::find_if(zasady.begin(), zasady.end(),
                                   [&](const auto& z) { return z.kod == kod; });
            if (it != zasady.end())
                *it = nowa;
            else
                zasady.push_back(nowa);
        }
        try {
            store::ZapiszZasadyPrzechowywania(s->tdm->Sesja(), fs, katalog, zasady);
        } catch (const store::BladDanych& e) {
            s->dialogi.Blad(e.what(), store::kTytulBledu);
            return kExitFailure;
        }
    }
    for (const store::ZasadaPrzechowywania& z : zasady)
        call.Term().out << z.kod << '\t' << store::OpisZasady(z) << '\n';
    call.Term().out.flush();
    return kExitOk;
}

int RunRodoDoUsuniecia(Invocation& call) {
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    const auto zasady = store::CzytajZasadyPrzechowywania(s->tdm->Fs(), s->tdm->DataDirectory());
    const compute::DataKal dzis = Dzis(*s->tdm);
    for (const store::OkresAktPracownika& o :
         store::AktaDoZniszczenia(s->tdm->TPracownicy->GetTable(), zasady, dzis, dzis))
        call.Term().out << o.pracownik << '\t' << o.nazwisko << '\t' << DataCli(o.zwolnienie)
                        << '\t' << DataCli(o.koniec) << '\n';
    call.Term().out.flush();
    return kExitOk;
}

int RunRodoAnonimizuj(Invocation& call) {
    const auto id = Identyfikator(call.Operands()[0]);
    if (!id)
        return call.UsageError("Niepoprawny identyfikator pracownika.");
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    try {
        rodo::SprawdzAnonimizacje(*s->tdm, *s->tdm1, *id);
    } catch (const store::BladDanych& e) {
        s->dialogi.Blad(e.what(), kTytulRodo);
        return kExitFailure;
    }
    const std::string osoba = rodo::OsobaDoAnonimizacji(*s->tdm, *id);
    if (const std::string* katalog = call.Value("--kopia")) {
        if (s->dialogi.TakNie("Przed anonimizacją zalecana jest kopia zapasowa danych. "
                              "Czy wykonać ją teraz ?",
                              kTytulRodo, store::Ikona::Pytanie,
                              store::Odpowiedz::Tak) == store::Odpowiedz::Tak &&
            !WykonajKopie(call, *s, *katalog))
            return kExitFailure;
    }
    if (s->dialogi.TakNie("Czy na pewno zanonimizować dane pracownika " + osoba +
                              " ?\nNazwiska, PESEL, adresy i dane rodziny zostaną usunięte "
                              "bezpowrotnie.",
                          kTytulRodo, store::Ikona::Pytanie,
                          store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
        return kExitFailure;
    const rodo::WynikAnonimizacji w = rodo::Anonimizuj(*s->tdm, *s->tdm1, *id);
    for (const std::string& p : w.pliki)
        call.Term().out << p << '\n';
    call.Term().out << "Zanonimizowano dane pracownika o identyfikatorze " << *id
                    << "; zmienionych wierszy: " << w.wierszy << ".\n";
    call.Term().out.flush();
    return kExitOk;
}

}  // namespace mirta::cli
