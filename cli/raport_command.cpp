// mirta raport: any launcher choice written as PDF, text, CSV, HTML, spreadsheet or our own
// prepared-report file.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "cli/commands.h"
#include "cli/invocation.h"
#include "cli/opcje_filtru.h"
#include "cli/values.h"
#include "documents/dokument_pracownika.h"
#include "documents/rtf_reader.h"
#include "documents/rtf_writer.h"
#include "documents/slownik_tagow.h"
#include "reports/definicje.h"
#include "reports/format_wydruku.h"
#include "reports/qt/miara_qt.h"
#include "reports/qt/zapis_wydruku.h"
#include "reports/raport.h"
#include "reports/wydruk_kadrowy.h"
#include "store/obraz_pracownika.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::cli {

namespace {

std::string NazwaKomorki(store::ZrodlaObliczen& zrodla, int32_t id) {
    engine::Table& t = zrodla.Tabela(zrodla.Tdm().TKomorkaPod);
    const int pid = store::PoleTabeli(t, "Identyfikator"), pn = store::PoleTabeli(t, "Nazwa");
    for (uint64_t i = 0; i < t.RowCount(); ++i)
        if (store::LiczbaCalkowita(t.ReadField(i, pid)) == id)
            return store::Przyciety(t.ReadField(i, pn));
    return {};
}

// The formats a produced document is written in: the document itself (RTF, its text) or its
// pages through the personnel printout (PDF, prepared report). Lists and spreadsheets of a
// letter make no sense.
constexpr std::string_view kFormatyWzorca[] = {"pdf", "rtf", "txt", "qrp"};

std::string Male(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::tolower(c); });
    return t;
}

std::string Przyciete(std::string t) {
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    return t;
}

// "Wydruk według wzorca.": the registered template (the named one, or the first) filled for
// the employee, after the checks the window makes.
int WydrukWedlugWzorca(Invocation& call, store::ZrodlaObliczen& zrodla, store::Dialogi& dialogi,
                       int32_t pracownik, const std::string& format, const std::string& plik) {
    const std::vector<documents::SzablonWydruku> szablony =
        documents::CzytajSzablony(zrodla.Tdm1());
    const documents::SzablonWydruku* szablon = szablony.empty() ? nullptr : &szablony.front();
    if (const std::string* nazwa = call.Value("--szablon")) {
        szablon = nullptr;
        for (const auto& s : szablony)
            if (Przyciete(s.nazwaWydruku) == Przyciete(*nazwa))
                szablon = &s;
        if (!szablon) {
            std::fprintf(stderr, "Nie ma zarejestrowanego wzorca wydruku „%s” !!!\n",
                         nazwa->c_str());
            return kExitFailure;
        }
    }
    if (!documents::KontrolaSzablonu(szablon, zrodla, pracownik, dialogi))
        return kExitFailure;
    if (!szablon->edytor) {
        std::fprintf(stderr,
                     "Wzorzec „%s” nie jest przeznaczony do edytora: dokument nie powstaje.\n",
                     Przyciete(szablon->nazwaWydruku).c_str());
        return kExitFailure;
    }
    const std::string sciezka =
        documents::SciezkaSzablonu(zrodla.Tdm1().DataDirectory(), szablon->nazwaZbioru);
    documents::Document dokument;
    try {
        dokument = documents::DokumentPracownika(sciezka, zrodla, pracownik);
    } catch (const documents::RtfError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return kExitFailure;
    }
    documents::TagiPracownika tagi(zrodla, pracownik);
    std::string tytul = documents::NazwaDokumentu(szablon->nazwaWydruku, tagi);
    if (tytul.empty())
        tytul = Przyciete(szablon->nazwaWydruku);
    size_t stron = 0;
    if (format == "rtf") {
        wspolne::ZapiszAtomowo(plik, documents::WriteRtf(dokument));
    } else if (format == "txt") {
        wspolne::ZapiszAtomowo(plik, documents::PlainText(dokument));
    } else {
        // The registry's columns and orientation are the printout's copies and page.
        reports::ui::ZapewnijAplikacjeQt();
        const reports::ui::MiaraQt miara;
        const reports::Wydruk w = reports::WydrukKadrowy(
            dokument, miara, {std::clamp(szablon->iloscKolumn, 1, 2), szablon->portret}, tytul);
        stron = w.strony.size();
        reports::ui::ZapiszWydruk(
            w, format == "pdf" ? reports::FormatWydruku::Pdf : reports::FormatWydruku::Qrp, plik);
    }
    zrodla.Komunikaty().Pokaz(dialogi);
    if (stron > 0)
        std::printf("Zapisano „%s”: %s, stron: %zu.\n", tytul.c_str(), plik.c_str(), stron);
    else
        std::printf("Zapisano „%s”: %s.\n", tytul.c_str(), plik.c_str());
    return kExitOk;
}

int Lista() {
    for (const reports::Wybor& w : reports::Wybory())
        std::printf("%d. %s\n", w.numer, std::string(w.tekst).c_str());
    return kExitOk;
}

}  // namespace

const std::vector<Option>& OpcjeRaportu() {
    static const std::vector<Option> opcje = [] {
        std::vector<Option> o = {
            {"--lista", "", "wypisuje dziewiętnaście wydruków okna „Wydruki i zestawienia”"},
            {"--format", "FORMAT",
             "pdf, txt, csv, htm, xlsx albo qrp (plik wydruku); wydruk 17: pdf, rtf, txt "
             "albo qrp"},
            {"--od", "DATA", "początek okresu (domyślnie 1 stycznia roku przetwarzania)"},
            {"--do", "DATA", "koniec okresu (domyślnie 31 grudnia roku przetwarzania)"},
            {"--pracownik", "ID",
             "pracownik wydruków jednego pracownika (domyślnie pierwszy z "
             "listy)"},
            {"--definicja", "NAZWA", "zapisana definicja wydruku 18 (domyślnie pierwsza)"},
            {"--szablon", "NAZWA", "wzorzec wydruku 17 (domyślnie pierwszy)"},
            {"--bez-pustych", "",
             "bez pracowników bez danych (pole „Drukuj pracownika bez "
             "danych.” odznaczone)"}};
        for (const Option& f : OpcjeFiltru())
            o.push_back(f);
        return o;
    }();
    return opcje;
}

int RunRaport(Invocation& call) {
    if (call.Has("--lista")) {
        if (!call.Operands().empty())
            return call.UsageError("--lista nie przyjmuje argumentów.");
        return Lista();
    }
    if (call.Operands().size() != 2)
        return call.UsageError("Podaj numer wydruku i plik.");
    const auto numer = ParseInteger(call.Operands()[0], 1, reports::kLiczbaWyborow);
    if (!numer)
        return call.UsageError("Numer wydruku to liczba od 1 do 19.");
    const std::string& plik = call.Operands()[1];
    const std::string* nazwaFormatu = call.Value("--format");
    if (!nazwaFormatu)
        return call.UsageError("Podaj format: --format pdf|txt|csv|htm|xlsx|qrp.");
    const bool wzorzec = *numer == reports::kWyborWzorca;
    const std::string formatWzorca = Male(*nazwaFormatu);
    if (wzorzec && std::find(std::begin(kFormatyWzorca), std::end(kFormatyWzorca), formatWzorca) ==
                       std::end(kFormatyWzorca))
        return call.UsageError(
            "Wydruk według wzorca zapisuje się jako pdf, rtf, txt albo qrp, nie " + *nazwaFormatu +
            ".");
    // RTF is the produced document itself, not a format of prepared reports.
    const bool rtf = wzorzec && formatWzorca == "rtf";
    const auto format = rtf ? std::nullopt : reports::FormatZNazwy(*nazwaFormatu);
    if (!rtf && !format)
        return call.UsageError("Nieznany format: " + *nazwaFormatu);
    if (rtf ? !Male(plik).ends_with(".rtf") : !reports::RozszerzeniePasuje(plik, *format))
        return call.UsageError("Rozszerzenie nazwy nie odpowiada wybranemu formatowi.");
    reports::ParametryWydruku p;
    p.numer = int(*numer);
    p.drukujBezDanych = !call.Has("--bez-pustych");
    for (auto [opcja, data] : {std::pair{"--od", &p.od}, std::pair{"--do", &p.doDnia}})
        if (const std::string* t = call.Value(opcja)) {
            const auto d = ParseDate(*t);
            if (!d)
                return call.UsageError(std::string("Niepoprawna data ") + opcja + ": " + *t);
            *data = *d;
        }
    auto filtr = CzytajFiltr(call);
    if (!filtr)
        return kExitUsage;
    std::optional<long long> pracownik;
    if (const std::string* t = call.Value("--pracownik")) {
        pracownik = ParseInteger(*t, 1, INT32_MAX);
        if (!pracownik)
            return call.UsageError("Niepoprawny identyfikator pracownika: " + *t);
    }

    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    store::ZrodlaObliczen zrodla(*s->tdm, *s->tdm1);
    const compute::DataKal dzis = store::DataPrzetwarzania(zrodla);
    p.znaczniki = [&zrodla](int32_t id) -> std::unique_ptr<documents::TagValues> {
        return std::make_unique<documents::TagiPracownika>(zrodla, id);
    };
    if (!call.Value("--od"))
        p.od = {dzis.rok, 1, 1};
    if (!call.Value("--do"))
        p.doDnia = {dzis.rok, 12, 31};
    if (filtr->FiltrKomorki) {
        p.komorka = filtr->KomorkaFiltru;
        p.nazwaKomorki = NazwaKomorki(zrodla, *p.komorka);
        filtr->FiltrKomorki = false;
    }
    s->tdm->Filtr() = *filtr;
    s->tdm->OdswiezListePracownikow();
    auto& lista = *s->tdm->TPracownicy;
    p.biezacyPracownik = pracownik ? int32_t(*pracownik)
                         : lista.IsEmpty()
                             ? 0
                             : store::LiczbaCalkowita(lista.RowAt(0)["Identyfikator"]);
    if (wzorzec)
        return WydrukWedlugWzorca(call, zrodla, s->dialogi, p.biezacyPracownik, formatWzorca, plik);
    if (p.numer == reports::kWyborKonfigurowany) {
        const std::string* nazwa = call.Value("--definicja");
        std::optional<reports::NazwaDefinicji> d;
        if (nazwa)
            d = reports::ZnajdzDefinicje(*s->tdm1, *nazwa);
        else if (auto spis = reports::SpisDefinicji(*s->tdm1); !spis.empty())
            d = spis.front();
        if (nazwa && !d) {
            std::fprintf(stderr, "Nie ma zapisanej definicji wydruku „%s” !!!\n", nazwa->c_str());
            return kExitFailure;
        }
        if (d)
            reports::OdczytajDefinicje(*s->tdm1, d->id, p.definicja);
    }

    reports::ui::ZapewnijAplikacjeQt();
    const reports::ui::MiaraQt miara;
    const reports::Wydruk w = reports::PrzygotujWydruk(zrodla, miara, p);
    reports::ui::ZapiszWydruk(w, *format, plik);
    zrodla.Komunikaty().Pokaz(s->dialogi);
    std::printf("Zapisano „%s”: %s, stron: %zu.\n", w.tytul.c_str(), plik.c_str(), w.strony.size());
    return kExitOk;
}

}  // namespace mirta::cli
