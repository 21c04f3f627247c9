#include "spd/kontrola_przed_generowaniem.h"

#include <algorithm>
#include <map>
#include <set>

#include "akta/akta_osobowe.h"
#include "compute/teksty.h"
#include "compute/urlop.h"
#include "compute/zakres_lat.h"
#include "spd/csv_spd.h"
#include "spd/ekstrakcja.h"
#include "spd/kontrola_przesylki.h"
#include "spd/tabele_spd.h"
#include "spd/zrodla_spd.h"
#include "store/katalog.h"
#include "store/tdm.h"
#include "wspolne/dialogi.h"

namespace mirta::spd {

namespace {

using compute::DataKal;

std::string Dzien(DataKal d) {
    return d.Pusta() ? std::string("…") : TekstDaty(d);
}

std::string Okres(DataKal od, DataKal doDnia) {
    return Dzien(od) + " – " + Dzien(doDnia);
}

std::string NazwaPliku(const std::string& sciezka) {
    const size_t ukosnik = sciezka.find_last_of("/\\");
    return ukosnik == std::string::npos ? sciezka : sciezka.substr(ukosnik + 1);
}

// The page a record of a kind is entered on, by its table's component.
std::string_view KomponentPodrodzaju(PodrodzajSPD p) {
    switch (p) {
        case PodrodzajSPD::Pracownik:
            return "TPracownicy";
        case PodrodzajSPD::Urlop:
            return "TUrlopy";
        case PodrodzajSPD::Choroba:
            return "TChoroby";
        case PodrodzajSPD::Nieobecnosc:
            return "TNieobecnosci";
        case PodrodzajSPD::Zawieszenie:
            return "TZawieszenia";
        case PodrodzajSPD::BadanieLekarskie:
            return "TBadania";
        case PodrodzajSPD::PrzebiegPracy:
        case PodrodzajSPD::PrzypisanieOrganizacyjne:
            return "TZatrudnienie";
        case PodrodzajSPD::Stanowisko:
            return "TStanowiska";
        case PodrodzajSPD::Stopien:
            return "TPracStop";
        case PodrodzajSPD::Wyksztalcenie:
            return "TWyksztalcenie";
        case PodrodzajSPD::Kurs:
            return "TKursy";
        case PodrodzajSPD::Order:
            return "TOrdery";
        case PodrodzajSPD::Kara:
            return "TKary";
        case PodrodzajSPD::UrlopNagrodowy:
        case PodrodzajSPD::Wyroznienie:
            return "TWyroznienia";
        case PodrodzajSPD::CzasPracy:
            return "TCzasPracy";
        case PodrodzajSPD::SkladnikWynagrodzenia:
        case PodrodzajSPD::StanowiskoEtatowe:
            return {};
    }
    return {};
}

// The dated records checked against the dismissal: the date each is entered under.
struct TabelaZDatami {
    std::string_view komponent;
    std::string_view poleDaty;
};
constexpr TabelaZDatami kTabeleZDatami[] = {
    {"TZatrudnienie", "DataOd"},
    {"TStanowiska", "DataOd"},
    {"TStanowiskaE", "DataOd"},
    {"TPracStop", "DataOdKiedy"},
    {"TPracGrup", "DataOdKiedy"},
    {"TSzkodliwe", "DataOd"},
    {"TDodSluzbowy", "DataOd"},
    {"TDodInny", "DataOd"},
    {"TNagrody", "DataPrzyznania"},
    {"TOrdery", "DataPrzyznania"},
    {"TKary", "DataPrzyznania"},
    {"TWyroznienia", "DataPrzyznania"},
    {"TChoroby", "DataOd"},
    {"TNieobecnosci", "DataOd"},
    {"TZawieszenia", "DataZawieszenia"},
    {"TBadania", "DataBadania"},
};

// The extraction's messages (a missing payroll file, an unknown kind) become findings; a
// question is answered "Nie", so nothing goes on that the clerk did not choose.
class DialogiKontroli final : public store::Dialogi {
public:
    explicit DialogiKontroli(std::vector<Usterka>& usterki) : m_usterki(usterki) {}
    void Blad(const std::string& t, const std::string&) override { Dodaj(t); }
    void Ostrzezenie(const std::string& t, const std::string&) override { Dodaj(t); }
    void Informacja(const std::string& t, const std::string&) override { Dodaj(t); }
    store::Odpowiedz TakNie(const std::string& t, const std::string&, store::Ikona,
                            store::Odpowiedz) override {
        Dodaj(t);
        return store::Odpowiedz::Nie;
    }
    store::Odpowiedz TakNieAnuluj(const std::string& t, const std::string&, store::Ikona,
                                  store::Odpowiedz) override {
        Dodaj(t);
        return store::Odpowiedz::Anuluj;
    }

private:
    void Dodaj(const std::string& t) {
        Usterka u;
        u.rodzaj = RodzajUsterki::BladDanych;
        u.opis = t;
        m_usterki.push_back(std::move(u));
    }
    std::vector<Usterka>& m_usterki;
};

// Reads the records an extractor hands over through the check before sending, so both find
// the same empty values.
class OdbiorcaKontroli final : public OdbiorcaRekordow {
public:
    OdbiorcaKontroli(store::TDM& tdm, std::vector<Usterka>& usterki, std::string naglowek)
        : m_tdm(tdm), m_usterki(usterki), m_naglowek(std::move(naglowek)) {}

    void Rekord(PodrodzajSPD podrodzaj, const std::vector<std::string>& wartosci,
                const PracownikPozycji& pracownik) override {
        KontrolaPrzesylki kontrola;
        kontrola.Naglowek(m_naglowek, podrodzaj == PodrodzajSPD::Pracownik ? "P" : "");
        const auto kolumny = KolumnySPD(podrodzaj);
        for (size_t i = 0; i < kolumny.size() && i < wartosci.size(); ++i) {
            const KolumnaSPD& k = kolumny[i];
            kontrola.Pole({static_cast<int>(i + 1), std::string(k.nazwaPola),
                           std::string(k.opisDodatkowy), k.wymagalnosc, wartosci[i],
                           pracownik.nazwisko, pracownik.imie1, pracownik.identyfikator});
        }
        const std::string komponent(KomponentPodrodzaju(podrodzaj));
        for (const BladPola& b : kontrola.BledyPol()) {
            Usterka u;
            u.pracownik = pracownik.identyfikator;
            u.komponent = komponent;
            u.tabela = PlikKomponentu(komponent);
            if (b.brak == BrakPola::StatusCywilny) {
                u.rodzaj = RodzajUsterki::BrakStatusuCywilnego;
                u.opis = "pracownik cywilny bez statusu pracownika cywilnego";
            } else {
                u.rodzaj = RodzajUsterki::BrakWartosci;
                u.opis = m_naglowek + ": pusta wymagana wartość " + b.pole.nazwaPola;
                const std::string opis(compute::Przytnij(b.pole.opisDodatkowy));
                if (!opis.empty())
                    u.opis += " (" + opis + ")";
                if (!wartosci.empty() && podrodzaj != PodrodzajSPD::Pracownik)
                    u.opis += ", rekord " + wartosci.front();
            }
            m_usterki.push_back(std::move(u));
        }
    }

private:
    std::string PlikKomponentu(const std::string& komponent) const {
        const store::TableComponent* c = komponent.empty() ? nullptr : m_tdm.Find(komponent);
        return c ? std::string(c->Opis().plik) : std::string();
    }

    store::TDM& m_tdm;
    std::vector<Usterka>& m_usterki;
    std::string m_naglowek;
};

class Kontrola {
public:
    Kontrola(store::TDM& tdm, ZrodlaSPD& zrodla, std::vector<Usterka>& usterki)
        : m_tdm(tdm), m_z(zrodla), m_usterki(usterki) {}

    void Pracownik(const PracownikSPD& p) {
        m_p = &p;
        Zatrudnienie();
        PoZwolnieniu();
        Urlopy();
    }

private:
    void Dodaj(RodzajUsterki rodzaj, std::string opis, std::string_view komponent,
               std::string tabela = {}) {
        Usterka u;
        u.pracownik = m_p->identyfikator;
        u.rodzaj = rodzaj;
        u.opis = std::move(opis);
        u.komponent = komponent;
        u.tabela = tabela.empty() ? Plik(komponent) : std::move(tabela);
        m_usterki.push_back(std::move(u));
    }

    std::string Plik(std::string_view komponent) const {
        const store::TableComponent* c = m_tdm.Find(komponent);
        return c ? std::string(c->Opis().plik) : std::string();
    }

    // The records in their order (start date first); an open record runs on for ever.
    void Zatrudnienie() {
        const int od = m_z.Pole("TZatrudnienie", "DataOd"),
                  doDnia = m_z.Pole("TZatrudnienie", "DataDo");
        const auto& wiersze = m_z.Wiersze("TZatrudnienie", m_p->identyfikator);
        for (size_t i = 1; i < wiersze.size(); ++i) {
            const DataKal poprzedniOd = Data(wiersze[i - 1][od]),
                          poprzedniDo = Data(wiersze[i - 1][doDnia]);
            const DataKal nastepnyOd = Data(wiersze[i][od]), nastepnyDo = Data(wiersze[i][doDnia]);
            if (nastepnyOd.Pusta())
                continue;
            const std::string para =
                Okres(poprzedniOd, poprzedniDo) + " i " + Okres(nastepnyOd, nastepnyDo);
            if (poprzedniDo.Pusta() || !(poprzedniDo < nastepnyOd))
                Dodaj(RodzajUsterki::NakladanieZatrudnienia,
                      "okresy zatrudnienia " + para + " nakładają się", "TZatrudnienie");
            else if (compute::NastepnyDzien(poprzedniDo) < nastepnyOd)
                Dodaj(RodzajUsterki::PrzerwaWZatrudnieniu,
                      "przerwa " +
                          Okres(compute::NastepnyDzien(poprzedniDo),
                                compute::PoprzedniDzien(nastepnyOd)) +
                          " między okresami zatrudnienia " + para,
                      "TZatrudnienie");
        }
    }

    void PoZwolnieniu() {
        const int pole = m_z.PoleMirty("DataZwolnienia");
        const DataKal zwolniony = Data(m_p->wiersz[static_cast<size_t>(pole)]);
        if (zwolniony.Pusta())
            return;
        const std::string po = " po dniu zwolnienia " + Dzien(zwolniony);
        for (const auto& [komponent, poleDaty] : kTabeleZDatami) {
            const int d = m_z.Pole(komponent, poleDaty);
            for (const engine::Record& w : m_z.Wiersze(komponent, m_p->identyfikator))
                if (const DataKal data = Data(w[d]); !data.Pusta() && zwolniony < data)
                    Dodaj(RodzajUsterki::RekordPoZwolnieniu, "rekord z dnia " + Dzien(data) + po,
                          komponent);
        }
        const int koniec = m_z.Pole("TZatrudnienie", "DataDo");
        for (const engine::Record& w : m_z.Wiersze("TZatrudnienie", m_p->identyfikator))
            if (const DataKal data = Data(w[koniec]); !data.Pusta() && zwolniony < data)
                Dodaj(RodzajUsterki::RekordPoZwolnieniu,
                      "okres zatrudnienia kończy się " + Dzien(data) + po, "TZatrudnienie");
        store::ZrodlaObliczen& o = m_z.Obliczenia();
        for (engine::Table* t : o.PlikiUrlopowWszystkichLat()) {
            const int od = PolaTabeli(*t)("DataOd");
            for (const engine::Record& w : o.Wiersze(*t, m_p->identyfikator))
                if (const DataKal data = Data(w[od]); !data.Pusta() && zwolniony < data)
                    Dodaj(RodzajUsterki::RekordPoZwolnieniu, "urlop od " + Dzien(data) + po,
                          "TUrlopy", NazwaPliku(t->Path()));
        }
    }

    // As the leave computation counts a row: without a type, with a date it cannot count or a
    // calendar code in place of the working days, the row counts 0 days.
    void Urlopy() {
        store::ZrodlaObliczen& o = m_z.Obliczenia();
        for (engine::Table* t : o.PlikiUrlopowWszystkichLat()) {
            const PolaTabeli pola(*t);
            const int od = pola("DataOd"), doDnia = pola("DataDo"), rodzaj = pola("RodzajUrlopu");
            for (const engine::Record& w : o.Wiersze(*t, m_p->identyfikator)) {
                const DataKal a = Data(w[od]), b = Data(w[doDnia]);
                const auto typ = Calkowita(w[rodzaj]);
                const store::RodzajUrlopuOpis* opis =
                    typ ? o.RodzajUrlopu(static_cast<int32_t>(*typ)) : nullptr;
                const std::string powod = PowodBrakuLiczby(a, b, opis);
                if (!powod.empty())
                    Dodaj(RodzajUsterki::UrlopBezLiczbyDni,
                          "urlop " + Okres(a, b) + (opis ? " (" + opis->nazwa + ")" : "") +
                              " liczony jako 0 dni: " + powod,
                          "TUrlopy", NazwaPliku(t->Path()));
            }
        }
    }

    std::string PowodBrakuLiczby(DataKal a, DataKal b, const store::RodzajUrlopuOpis* opis) {
        if (!opis)
            return "brak rodzaju urlopu";
        auto liczona = [](DataKal d) {
            return d.Poprawna() && d.rok >= compute::kPierwszyRokLiczeniaDni &&
                   d.rok <= compute::kOstatniRok;
        };
        if (!liczona(a) || !liczona(b))
            return "data spoza lat " + std::to_string(compute::kPierwszyRokLiczeniaDni) + "–" +
                   std::to_string(compute::kOstatniRok) + " albo pusta";
        if (b < a)
            return "data do przed datą od";
        const char dni = opis->typ.rodzajDni;
        if (dni == 'R' || (dni == 'F' && a.rok >= compute::kPierwszyRokGodzinUrlopu)) {
            const int32_t n = m_z.Obliczenia().LiczDni(a, b, 'R');
            if (compute::JestKodemDni(n) || n < 0)
                return "kalendarz nie policzył dni roboczych (kod " + std::to_string(n) + ")";
        }
        return {};
    }

    store::TDM& m_tdm;
    ZrodlaSPD& m_z;
    std::vector<Usterka>& m_usterki;
    const PracownikSPD* m_p = nullptr;
};

}  // namespace

std::vector<Usterka> KontrolaPrzedGenerowaniem(store::TDM& tdm, store::TDM1& tdm1,
                                               const std::vector<WpisHarmonogramu>& wpisy,
                                               DataKal dataDanych) {
    std::vector<Usterka> usterki;
    ZrodlaSPD zrodla(tdm, tdm1);
    const auto& wybrani = zrodla.Wybrani(dataDanych);
    Kontrola kontrola(tdm, zrodla, usterki);
    for (const PracownikSPD& p : wybrani)
        kontrola.Pracownik(p);

    const ParametryRekordu par =
        CzytajParametrySPD(*OtworzTabeleSPD(tdm.Fs(), tdm.DataDirectory(), "TSPDParametry"));
    DialogiKontroli dialogi(usterki);
    for (const WpisHarmonogramu& w : wpisy) {
        OdbiorcaKontroli odbiorca(tdm, usterki, w.nazwa);
        const NaglowekEkstrakcji naglowek{w.rodzaj, w.katalogPlac, par.nazwaKomorkiOrganizacyjnej};
        KontekstEkstrakcji k{zrodla, odbiorca, dataDanych, naglowek, dialogi, tdm.DataDirectory(),
                             {}};
        PobierzDaneRodzaju(k);
    }

    // The personnel files of the employees listed: every file there with its size (the digests
    // are for `mirta akta sprawdz`, too slow to run before every package).
    {
        std::set<int32_t> ktorzy;
        for (const PracownikSPD& p : wybrani)
            ktorzy.insert(p.identyfikator);
        const akta::AktaOsobowe akta(tdm.Fs(), tdm.DataDirectory(), tdm.Sesja());
        for (const akta::Niezgodnosc& n : akta.Sprawdz(0, false))
            if (ktorzy.count(n.dokument.pracownik))
                usterki.push_back({n.dokument.pracownik, {}, RodzajUsterki::PlikAktOsobowych,
                                   n.dokument.czesc + "/" + std::to_string(n.dokument.numer) +
                                       " „" + n.dokument.tytul + "”: " + n.opis,
                                   {}, akta::kPlikAkt});
    }

    // The employee list's order; findings about no one last.
    std::map<int32_t, size_t> kolejnosc;
    std::map<int32_t, std::string> nazwiska;
    for (const PracownikSPD& p : wybrani) {
        kolejnosc.emplace(p.identyfikator, kolejnosc.size());
        nazwiska.emplace(p.identyfikator, std::string(compute::Przytnij(p.pozycja.nazwisko)) + " " +
                                              std::string(compute::Przytnij(p.pozycja.imie1)));
    }
    for (Usterka& u : usterki)
        if (const auto it = nazwiska.find(u.pracownik); it != nazwiska.end())
            u.nazwisko = it->second;
    auto miejsce = [&](const Usterka& u) {
        const auto it = kolejnosc.find(u.pracownik);
        return it == kolejnosc.end() ? kolejnosc.size() : it->second;
    };
    std::stable_sort(usterki.begin(), usterki.end(),
                     [&](const Usterka& a, const Usterka& b) { return miejsce(a) < miejsce(b); });
    return usterki;
}

std::vector<WpisHarmonogramu> AktywneWpisy(store::TDM& tdm) {
    std::vector<WpisHarmonogramu> wpisy =
        CzytajHarmonogram(*OtworzTabeleSPD(tdm.Fs(), tdm.DataDirectory(), "THarmonogramPrzesylek"));
    std::erase_if(wpisy, [](const WpisHarmonogramu& w) { return !w.aktywny; });
    return wpisy;
}

std::string NazwaUsterki(RodzajUsterki rodzaj) {
    switch (rodzaj) {
        case RodzajUsterki::NakladanieZatrudnienia:
            return "nakładanie się okresów zatrudnienia";
        case RodzajUsterki::PrzerwaWZatrudnieniu:
            return "przerwa w zatrudnieniu";
        case RodzajUsterki::RekordPoZwolnieniu:
            return "rekord po dacie zwolnienia";
        case RodzajUsterki::BrakWartosci:
            return "brak wymaganej wartości";
        case RodzajUsterki::BrakStatusuCywilnego:
            return "brak statusu pracownika cywilnego";
        case RodzajUsterki::UrlopBezLiczbyDni:
            return "urlop bez liczby dni";
        case RodzajUsterki::BladDanych:
            return "błąd danych";
        case RodzajUsterki::PlikAktOsobowych:
            return "niezgodny plik akt osobowych";
    }
    return {};
}

std::string TekstUsterek(const std::vector<Usterka>& usterki) {
    std::string t;
    for (const Usterka& u : usterki) {
        t += (u.pracownik ? std::to_string(u.pracownik) : std::string("-")) + '\t' + u.nazwisko +
             '\t' + NazwaUsterki(u.rodzaj) + '\t' + u.tabela + '\t' + u.opis + '\n';
    }
    return t;
}

}  // namespace mirta::spd
