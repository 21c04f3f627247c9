// mirta spd ...: the central-system packages of the SPD menu.
#include <cstdlib>
#include <iomanip>
#include <map>
#include <string>

#include "cli/commands.h"
#include "cli/values.h"
#include "spd/generowanie.h"
#include "spd/harmonogram.h"
#include "spd/katalog_spd.h"
#include "spd/klient_sftp.h"
#include "spd/kontrola_przed_generowaniem.h"
#include "spd/mapowanie.h"
#include "spd/parametry_spd.h"
#include "spd/rejestr.h"
#include "spd/tabele_spd.h"
#include "spd/wysylanie_paczki.h"
#include "store/obraz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::cli {

namespace {

std::string Data(compute::DataKal d) {
    char b[16];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", d.rok, d.miesiac, d.dzien);
    return b;
}

struct Harmonogram {
    std::vector<spd::WpisHarmonogramu> wpisy;
    std::map<int32_t, compute::DataKal> ostatnie;
};

Harmonogram CzytajHarmonogram(const store::TDM& tdm) {
    Harmonogram h;
    h.wpisy = spd::CzytajHarmonogram(
        *spd::OtworzTabeleSPD(tdm.Fs(), tdm.DataDirectory(), "THarmonogramPrzesylek"));
    h.ostatnie =
        spd::OstatnieWysylki(*spd::OtworzTabeleSPD(tdm.Fs(), tdm.DataDirectory(), "TPrzesylki"));
    return h;
}

// Answers the question about an unknown server key by the option, every other one as the
// terminal would.
class DialogiKlucza final : public store::Dialogi {
public:
    DialogiKlucza(store::Dialogi& inne, bool przyjmij) : m_inne(inne), m_przyjmij(przyjmij) {}
    void Blad(const std::string& t, const std::string& c) override { m_inne.Blad(t, c); }
    void Ostrzezenie(const std::string& t, const std::string& c) override {
        m_inne.Ostrzezenie(t, c);
    }
    void Informacja(const std::string& t, const std::string& c) override {
        m_inne.Informacja(t, c);
    }
    store::Odpowiedz TakNie(const std::string& t, const std::string& c, store::Ikona i,
                            store::Odpowiedz d) override {
        if (c == spd::kTytulKluczaSerwera) {
            m_inne.Informacja(t, c);
            if (!m_przyjmij)
                m_inne.Blad("Nieznany klucz serwera: przyjmij go opcją --przyjmij-klucz.", c);
            return m_przyjmij ? store::Odpowiedz::Tak : store::Odpowiedz::Nie;
        }
        return m_inne.TakNie(t, c, i, d);
    }
    store::Odpowiedz TakNieAnuluj(const std::string& t, const std::string& c, store::Ikona i,
                                  store::Odpowiedz d) override {
        return m_inne.TakNieAnuluj(t, c, i, d);
    }

private:
    store::Dialogi& m_inne;
    bool m_przyjmij;
};

// The entries of --wpis (each may list ID,ID,...), none for a wrong identifier.
std::optional<std::vector<int32_t>> WpisyZOpcji(Invocation& call) {
    std::vector<int32_t> wybrane;
    for (const std::string& lista : call.Values("--wpis")) {
        size_t pos = 0;
        while (pos <= lista.size()) {
            const size_t przecinek = std::min(lista.find(',', pos), lista.size());
            const auto id = ParseInteger(lista.substr(pos, przecinek - pos), 1, INT32_MAX);
            if (!id) {
                call.UsageError("Niepoprawny identyfikator wpisu: " + lista);
                return std::nullopt;
            }
            wybrane.push_back(static_cast<int32_t>(*id));
            pos = przecinek + 1;
        }
    }
    return wybrane;
}

// The entries named, with the due ones when none is named or --nalezne asks for them; an
// unknown or inactive entry is told and gives nothing.
std::optional<spd::Zaznaczenia> ZaznaczWpisy(Invocation& call, Sesja& s, const Harmonogram& h,
                                             const std::vector<int32_t>& wybrane,
                                             bool domyslnieWszystkie) {
    spd::Zaznaczenia zaznaczone;
    if (wybrane.empty() && domyslnieWszystkie && !call.Has("--nalezne"))
        zaznaczone = spd::Zaznaczenia::Wszystkie(h.wpisy);
    else if (wybrane.empty() || call.Has("--nalezne"))
        zaznaczone =
            spd::Zaznaczenia::Nalezne(h.wpisy, h.ostatnie, store::DataPrzetwarzania(*s.tdm));
    for (int32_t id : wybrane) {
        const auto it = std::find_if(h.wpisy.begin(), h.wpisy.end(),
                                     [&](const auto& w) { return w.identyfikator == id; });
        if (it == h.wpisy.end()) {
            call.Term().err << "Brak wpisu harmonogramu o identyfikatorze " << id << ".\n";
            return std::nullopt;
        }
        if (!it->aktywny) {
            s.dialogi.Blad(std::string(spd::kPozycjaNieaktywna) + " (" + it->nazwa + ")",
                           "Kontrola danych.");
            return std::nullopt;
        }
        if (!zaznaczone.Zaznaczony(id))
            zaznaczone.Zaznacz(id);
    }
    return zaznaczone;
}

std::optional<compute::DataKal> DataDanychZOpcji(Invocation& call, bool& blad) {
    blad = false;
    if (const std::string* d = call.Value("--data-danych")) {
        const auto data = ParseDate(*d);
        if (!data) {
            call.UsageError("Niepoprawna data danych: " + *d + " (RRRR-MM-DD)");
            blad = true;
        }
        return data;
    }
    return std::nullopt;
}

}  // namespace

int RunSpdHarmonogram(Invocation& call) {
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    const Harmonogram h = CzytajHarmonogram(*s->tdm);
    const compute::DataKal dzis = store::DataPrzetwarzania(*s->tdm);
    const spd::Zaznaczenia nalezne = spd::Zaznaczenia::Nalezne(h.wpisy, h.ostatnie, dzis);
    auto& out = call.Term().out;
    out << "Identyfikator\tRodzaj\tNazwa\tCzęstotliwość\tAktywny\tOstatnio\tNależny na "
        << Data(dzis) << "\n";
    for (const auto& w : h.wpisy) {
        const auto ostatnia = h.ostatnie.find(w.identyfikator);
        out << w.identyfikator << '\t' << w.rodzaj << " " << spd::NazwaRodzajuDanych(w.rodzaj)
            << '\t' << w.nazwa << '\t' << spd::OpisWykonania(w) << '\t'
            << (w.aktywny ? "Tak" : "Nie") << '\t'
            << (ostatnia == h.ostatnie.end() ? std::string("-") : Data(ostatnia->second)) << '\t'
            << (nalezne.Zaznaczony(w.identyfikator) ? "*" : "-") << '\n';
    }
    return kExitOk;
}

int RunSpdGeneruj(Invocation& call) {
    bool zlaData = false;
    const std::optional<compute::DataKal> dataDanych = DataDanychZOpcji(call, zlaData);
    if (zlaData)
        return kExitUsage;
    const auto wybrane = WpisyZOpcji(call);
    if (!wybrane)
        return kExitUsage;
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    const Harmonogram h = CzytajHarmonogram(*s->tdm);
    const auto zaznaczone = ZaznaczWpisy(call, *s, h, *wybrane, false);
    if (!zaznaczone)
        return kExitFailure;
    if (zaznaczone->Lista().empty()) {
        call.Term().err << "Żaden wpis harmonogramu nie jest należny ani wskazany; nic do "
                           "wygenerowania.\n";
        return kExitFailure;
    }
    if (!call.Has("--bez-kontroli")) {
        const auto usterki =
            spd::KontrolaPrzedGenerowaniem(*s->tdm, *s->tdm1, zaznaczone->Wybrane(h.wpisy),
                                           dataDanych.value_or(store::DataPrzetwarzania(*s->tdm)));
        if (!usterki.empty())
            call.Term().err << "Uwaga: kontrola danych przed eksportem znalazła usterek: "
                            << usterki.size() << " (lista: mirta sprawdz).\n";
    }
    spd::OpcjeGenerowania opcje;
    opcje.dataDanych = dataDanych;
    std::string ostatni;
    opcje.postep = [&](const std::string& podpis, double udzial) {
        if (podpis.empty() || podpis == ostatni)
            return;
        ostatni = podpis;
        call.Term().err << "Proszę czekać. Trwa generowanie danych SPD. " << podpis << " "
                        << static_cast<int>(udzial * 100) << "%" << std::endl;
    };
    const spd::WynikGenerowania w =
        spd::GenerujPrzesylkeSPD(*s->tdm, *s->tdm1, *zaznaczone, s->dialogi, opcje);
    if (w.stan != spd::WynikGenerowania::Stan::Wygenerowano)
        return kExitFailure;
    auto& out = call.Term().out;
    for (const auto& n : w.naglowki)
        out << n.harmonogram << '\t' << n.rodzaj << '\t' << n.nazwa << '\t' << n.rekordy
            << " rekordów\t" << n.wiersze << " wierszy\n";
    out << w.rejestr << '\t' << w.folder << std::endl;
    return kExitOk;
}

int RunSprawdz(Invocation& call) {
    // 1 tells "found something", so a check that could not run ends with 2.
    constexpr int kNieSprawdzono = 2;
    bool zlaData = false;
    const std::optional<compute::DataKal> dataDanych = DataDanychZOpcji(call, zlaData);
    if (zlaData)
        return kExitUsage;
    const auto wybrane = WpisyZOpcji(call);
    if (!wybrane)
        return kExitUsage;
    try {
        auto s = call.Zaloguj();
        if (!s)
            return kNieSprawdzono;
        const Harmonogram h = CzytajHarmonogram(*s->tdm);
        const auto zaznaczone = ZaznaczWpisy(call, *s, h, *wybrane, true);
        if (!zaznaczone)
            return kNieSprawdzono;
        const auto usterki =
            spd::KontrolaPrzedGenerowaniem(*s->tdm, *s->tdm1, zaznaczone->Wybrane(h.wpisy),
                                           dataDanych.value_or(store::DataPrzetwarzania(*s->tdm)));
        call.Term().out << spd::TekstUsterek(usterki) << std::flush;
        if (usterki.empty()) {
            call.Term().err << "Kontrola danych przed eksportem: brak usterek.\n";
            return kExitOk;
        }
        call.Term().err << "Kontrola danych przed eksportem: usterek " << usterki.size() << ".\n";
        return kExitFailure;
    } catch (const std::exception& e) {
        call.Term().err << "Kontrola danych przed eksportem nie powiodła się: " << e.what() << "\n";
        return kNieSprawdzono;
    }
}

int RunSpdPrzesylki(Invocation& call) {
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    const std::string& katalog = s->tdm->DataDirectory();
    auto& out = call.Term().out;
    out << "Identyfikator\tData\tGodzina\tUtworzył\tFolder\tPlik zarządzania\tStan\n";
    for (const auto& w :
         spd::CzytajRejestr(*spd::OtworzTabeleSPD(s->tdm->Fs(), katalog, "TRejPrzesylek")))
        out << w.identyfikator << '\t' << Data(w.dataTworzenia) << '\t'
            << spd::TekstCzasu(w.czasTworzenia) << '\t' << w.ktoUtworzyl << '\t' << w.katalog
            << '\t' << w.nazwaPlikuZarzadzajacego << '\t'
            << (spd::PaczkaNiekompletna(katalog, w.katalog) ? "niedokończona" : "gotowa") << '\n';
    return kExitOk;
}

int RunSpdMapowanie(Invocation& call) {
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    call.Term().out << spd::DaneDoMapowania(*s->tdm, *s->tdm1) << std::flush;
    return kExitOk;
}

int RunSpdParametry(Invocation& call) {
    std::map<std::string, std::string> zmiany;
    for (const std::string& op : call.Operands()) {
        const size_t rowna = op.find('=');
        const std::string pole = op.substr(0, rowna);
        if (pole == spd::kPoleHasla) {
            if (rowna != std::string::npos)
                return call.UsageError(
                    "Hasła SPD nie podaje się w wierszu polecenia: ustaw zmienną MIRTA_SPD_HASLO "
                    "i podaj samo HasloSPD.");
            const char* haslo = std::getenv("MIRTA_SPD_HASLO");
            if (!haslo)
                return call.UsageError("Brak zmiennej MIRTA_SPD_HASLO z hasłem SPD.");
            zmiany[pole] = haslo;
            continue;
        }
        if (rowna == std::string::npos)
            return call.UsageError("Oczekiwano POLE=WARTOSC: " + op);
        zmiany[pole] = op.substr(rowna + 1);
    }
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    const std::string& katalog = s->tdm->DataDirectory();
    if (!zmiany.empty()) {
        if (auto blad = spd::ZmienParametrySPD(s->tdm->Fs(), katalog, s->tdm->Sesja(), zmiany)) {
            s->dialogi.Blad(*blad, "Kontrola danych.");
            return kExitFailure;
        }
    }
    const auto pola = spd::CzytajPolaParametrow(s->tdm->Fs(), katalog);
    for (const std::string& nazwa : spd::PolaParametrowSPD()) {
        const std::string& wartosc = pola.at(nazwa);
        call.Term().out << nazwa << '='
                        << (nazwa == spd::kPoleHasla && !wartosc.empty() ? "***" : wartosc) << '\n';
    }
    call.Term().out << "Numer wersji interfejsu=" << spd::kWersjaInterfejsu << std::endl;
    return kExitOk;
}

int RunSpdWyslij(Invocation& call) {
    const auto id = ParseInteger(call.Operands().at(0), 1, INT32_MAX);
    if (!id)
        return call.UsageError("Niepoprawny identyfikator przesyłki: " + call.Operands()[0]);
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    const std::string& katalog = s->tdm->DataDirectory();
    const auto rejestr =
        spd::CzytajRejestr(*spd::OtworzTabeleSPD(s->tdm->Fs(), katalog, "TRejPrzesylek"));
    const auto wpis = std::find_if(rejestr.begin(), rejestr.end(),
                                   [&](const auto& w) { return w.identyfikator == *id; });
    if (wpis == rejestr.end()) {
        call.Term().err << "Brak przesyłki o identyfikatorze " << *id << " w rejestrze.\n";
        return kExitFailure;
    }
    DialogiKlucza dialogi(s->dialogi, call.Has("--przyjmij-klucz"));
    spd::OpcjeWysylaniaPaczki opcje;
    opcje.krok = [&](const std::string& k) { call.Term().err << k << std::endl; };
    opcje.pokazBledy = [&](const std::string& z) { call.Term().err << z; };
    uint64_t procent = 101;
    std::string plik;
    opcje.wysylka.postep = [&](const spd::PostepWysylki& p) {
        const uint64_t teraz = p.rozmiar ? p.wyslano * 100 / p.rozmiar : 100;
        if (p.plik == plik && teraz / 25 == procent / 25)
            return;
        plik = p.plik;
        procent = teraz;
        call.Term().err << "Wysłano " << p.plik << ": " << p.wyslano << " z " << p.rozmiar
                        << " bajtów" << std::endl;
    };
    const auto nazwa =
        spd::GenerujIWyslijPlikiSPD(s->tdm->Fs(), katalog, *wpis, s->tdm->Sesja(), dialogi, opcje);
    if (!nazwa)
        return kExitFailure;
    call.Term().out << *nazwa << std::endl;
    return kExitOk;
}

}  // namespace mirta::cli
