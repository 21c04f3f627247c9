#include <map>
#include <memory>

#include "engine/paradox_table.h"
#include "store/katalog.h"
#include "tools/demo_wewn.h"
#include "tools/zapis_tabeli.h"

namespace mirta::tools {

namespace {

using engine::Record;

std::string Znak(char c) {
    return std::string(1, c);
}

void WpiszOsobe(const ZapisTabeli& t, Record& w, const Pracownik& p) {
    const Osoba& o = p.osoba;
    t.Liczba(w, "NumerPracownika", p.numer);
    t.Tekst(w, "Nazwisko", o.nazwisko);
    t.Tekst(w, "Imie1", o.imie1);
    t.Tekst(w, "Imie2", o.imie2);
    t.Tekst(w, "KodPocztowy", o.zameldowania.kodPocztowy);
    t.Tekst(w, "Miejscowosc", o.zameldowania.miejscowosc->nazwa);
    t.Tekst(w, "Poczta", o.zameldowania.miejscowosc->poczta);
    t.Tekst(w, "Ulica", o.zameldowania.ulica);
    t.Tekst(w, "NrDomuiMieszkania", o.zameldowania.nrDomu);
    t.Data(w, "DataUrodzenia", o.dataUrodzenia);
    t.Tekst(w, "ImieOjca", o.imieOjca);
    t.Tekst(w, "ImieMatki", o.imieMatki);
    t.Tekst(w, "UmyslowyFizyczny", p.podzial == '2' && p.komorka >= 12 ? "F" : "U");
    t.Kwota(w, "Etat", p.etat);
    t.Tekst(w, "SystemZatrudnienia", "Z");
    t.Tekst(w, "KosztyUzyskaniaPrzychodu",
            o.zameldowania.miejscowosc == o.zamieszkania.miejscowosc ? "E" : "Z");
    t.Data(w, "DataZatrudnienia", p.dataZatrudnienia);
    t.Data(w, "DataZwolnienia", p.dataZwolnienia);
    t.Tekst(w, "KontoKosztow", p.kontoKosztow);
    t.Tekst(w, "UlgaPodatkowa", "T");
    t.Tekst(w, "NumerDowoduOsobistego", o.dowod);
    t.Tekst(w, "NumerKontaBankowego", o.kontoBankowe);
    t.Tekst(w, "Plec", Znak(o.plec));
    t.Tekst(w, "MiejsceUrodzenia", o.miejsceUrodzenia);
    t.Tekst(w, "PESEL", o.pesel);
    t.Liczba(w, "UrzadSkarbowy", 2007);
    t.Tekst(w, "KtoWydalDowodosobisty", o.ktoWydalDowod);
    t.Tekst(w, "CharakterZatrudnienia", Znak(p.charakter));
    t.Tekst(w, "Nip", o.nip);
    t.Tekst(w, "KodUbezpieczenia",
            p.podzial == '1'     ? ""
            : p.charakter == 'U' ? "041100"
                                 : "011000");
    t.Liczba(w, "Kraj", 1);
    t.Liczba(w, "Gmina", 1);
    t.Liczba(w, "NumerListy", p.podzial == '1' ? 1 : p.podzial == '4' ? 4 : 2);
    t.Liczba(w, "LiczbaOsobDoZasilkuRodzin", 0);
    t.Liczba(w, "LiczbaOsobDoZasilkuPieleg", 0);
    t.Tekst(w, "NazwiskoRodoweMatki", o.nazwiskoRodoweMatki);
    t.Tekst(w, "NazwiskoRodowe", o.nazwiskoRodowe);
    t.Data(w, "DataWystawieniaDowodu", o.dataWydaniaDowodu);
    t.Tekst(w, "KodPocztaZamieszkania", o.zamieszkania.KodIPoczta());
    t.Tekst(w, "MiejscowoscAdresZamieszka",
            o.zamieszkania.ulica.empty()
                ? o.zamieszkania.Linia()
                : std::string(o.zamieszkania.miejscowosc->nazwa) + ", " + o.zamieszkania.ZUlica());
    t.Tekst(w, "TelefonZamieszkania", o.telefon);
    t.Tekst(w, "OsobaPowiadamiania", o.osobaPowiadamiania);
    t.Tekst(w, "KodPocztaPowiadamiania", o.adresPowiadamiania.KodIPoczta());
    t.Tekst(w, "MiejscowoscAdresPowiadami", o.adresPowiadamiania.ZUlica());
    t.Tekst(w, "TelefonPowiadamiania", o.telefonPowiadamiania);
    t.Tekst(w, "NrEwidencyjny", p.nrEwidencyjny);
    t.Tekst(w, "Podzial", Znak(p.podzial));
    t.Liczba(w, "KomorkaOrganizacyjna", p.komorka);
    t.Tekst(w, "SystemSluzby", Znak(p.systemSluzby));
    t.Tekst(w, "KodZamieszkania", o.zamieszkania.miejscowosc->kodGus);
    t.Tekst(w, "KodWystawcyDowodu", o.kodWystawcyDowodu);
    t.Tekst(w, "TelefonKomorkowy", o.telefonKomorkowy);
    t.Data(w, "DataWaznosciDowodu", o.dataWaznosciDowodu);
    t.Tekst(w, "AdresMail", o.email);
    // Officers and pensioners carry no civil status (the master record's rule empties it).
    if (p.podzial == '2' || p.podzial == '3')
        t.Liczba(w, "IdStPracCyw", p.statusCywilny);
}

// One writer per table, all open at once while the employees are walked.
class Zapisy {
public:
    Zapisy(KontekstDemo& k) : m_k(k) {}
    ZapisTabeli& operator[](const std::string& plik) {
        auto& t = m_tabele[plik];
        if (!t)
            t = std::make_unique<ZapisTabeli>(m_k.fs, m_k.katalog, plik);
        return *t;
    }
    // Rows of one employee share the key's first field, so sorting them alone keeps every
    // table's appends in key order.
    void Oproznij() {
        for (auto& [plik, t] : m_tabele)
            t->Oproznij();
    }
    void Zamknij() {
        for (auto& [plik, t] : m_tabele) {
            t->Zamknij();
            m_k.liczniki.emplace_back(plik, t->Tabela().RowCount());
        }
        m_tabele.clear();
    }

private:
    KontekstDemo& m_k;
    std::map<std::string, std::unique_ptr<ZapisTabeli>> m_tabele;
};

// Year files of leave that the new data directory does not have yet.
void UtworzPlikiUrlopow(KontekstDemo& k, int rok) {
    const std::string pliki[2][2] = {
        {"UrlNalez.db", store::PlikUrlopowNaleznych(rok)},
        {"Urlopy.db", store::PlikUrlopowWykorzystanych(rok)},
    };
    for (const auto& [wzor, plik] : pliki) {
        const std::string sciezka = k.katalog + "/" + plik;
        if (k.fs.Exists(engine::ResolvePath(k.fs, sciezka)))
            continue;
        auto baza =
            engine::ParadoxTable::Open(k.fs, engine::ResolvePath(k.fs, k.katalog + "/" + wzor));
        baza->CreateLike(sciezka);
    }
}

void WpiszHistorie(Zapisy& z, int32_t id, const Pracownik& p) {
    auto wiersz = [&](const std::string& plik, auto&& wypelnij) {
        auto& t = z[plik];
        Record w = t.Nowy();
        wypelnij(t, w);
        t.Dodaj(std::move(w));
    };
    for (const auto& s : p.stopnie)
        wiersz("PracStop.db", [&](ZapisTabeli& t, Record& w) {
            t.Liczba(w, "IdentyfikatorPracownika", id);
            t.Data(w, "DataOdKiedy", s.od);
            t.Liczba(w, "IdentyfikatorStopnia", s.stopien);
            t.Tekst(w, "Ubruttowienie", "N");
            t.Liczba(w, "KtoWydal", s.ktoWydal);
            t.Tekst(w, "NrRozkazu", s.nrRozkazu);
            t.Data(w, "DataObowiazywaniaStopnia", s.obowiazuje);
            t.Liczba(w, "IdPodstawy", s.podstawa);
        });
    for (const auto& g : p.grupy)
        wiersz("PracGrup.db", [&](ZapisTabeli& t, Record& w) {
            t.Liczba(w, "IdentyfikatorPracownika", id);
            t.Data(w, "DataOdKiedy", g.od);
            t.Liczba(w, "IdentyfikatorGrupy", g.grupa);
            t.Tekst(w, "Ubruttowienie", Znak(g.ubruttowienie));
            t.Kwota(w, "Mnoznik", g.mnoznik);
            t.Kwota(w, "PlacaZasadnicza", 0);
        });
    for (const auto& s : p.stanowiska)
        wiersz("Stanowiska.db", [&](ZapisTabeli& t, Record& w) {
            t.Liczba(w, "IdentyfikatorPracownika", id);
            t.Data(w, "DataOd", s.od);
            t.Liczba(w, "IdentyfikatorStanowiska", s.stanowisko);
            t.Liczba(w, "IdPodstawy", s.podstawa);
        });
    for (const auto& s : p.stanowiskaEtatowe)
        wiersz("StanowiskaEtatowe.db", [&](ZapisTabeli& t, Record& w) {
            t.Liczba(w, "IdentyfikatorPracownika", id);
            t.Data(w, "DataOd", s.od);
            t.Liczba(w, "IdentyfikatorStanowiska", s.stanowisko);
            t.Liczba(w, "IdPodstawy", s.podstawa);
        });
    for (const auto& f : p.zatrudnienie)
        wiersz("Zatrudnienie.db", [&](ZapisTabeli& t, Record& w) {
            t.Liczba(w, "IdentyfikatorPracownika", id);
            t.Data(w, "DataOd", f.od);
            t.Liczba(w, "IdentyfikatorFormyZatrudn", f.forma);
            t.Data(w, "DataDo", f.doDnia);
            t.Liczba(w, "IdPodstawy", f.podstawa);
            t.Liczba(w, "IdRodzaju", f.rodzaj);
        });
    for (const auto& s : p.szkodliwe)
        wiersz("Szkodliwe.db", [&](ZapisTabeli& t, Record& w) {
            t.Liczba(w, "IdentyfikatorPracownika", id);
            t.Data(w, "DataOd", s.od);
            t.Tekst(w, "GrupaSzkodliwosci", Znak(s.grupa));
        });
    for (const auto* lista : {&p.dodSluzbowy, &p.dodInny}) {
        const std::string plik = lista == &p.dodSluzbowy ? "DodSluz.db" : "DodInny.db";
        for (const auto& d : *lista)
            wiersz(plik, [&](ZapisTabeli& t, Record& w) {
                t.Liczba(w, "IdentyfikatorPracownika", id);
                t.Data(w, "DataOd", d.od);
                t.Data(w, "DataDo", d.doDnia);
                t.Kwota(w, "Wartosc", d.wartosc);
            });
    }
    for (const auto& n : p.nagrody)
        wiersz("Nagrody.DB", [&](ZapisTabeli& t, Record& w) {
            t.Liczba(w, "IdentyfikatorPracownika", id);
            t.Tekst(w, "RodzajNagrody", Znak(n.rodzaj));
            t.Data(w, "DataPrzyznania", n.data);
            t.Tekst(w, "Komentarz", n.komentarz);
            t.Kwota(w, "Kwota", n.kwota);
        });
    for (const auto& r : p.premie)
        wiersz("PrPracCyw.DB", [&](ZapisTabeli& t, Record& w) {
            t.Liczba(w, "IdPracownika", id);
            t.Tekst(w, "TypPremi", "C");
            t.Liczba(w, "Rok", r.rok);
            t.Liczba(w, "Miesiac", r.miesiac);
            t.Kwota(w, "Kwota", r.procent);
            t.Tekst(w, "Uwagi", r.uwagi);
        });
}

void WpiszNieobecnosci(Zapisy& z, int32_t id, const Pracownik& p) {
    for (const auto& u : p.urlopy) {
        auto& t = z[store::PlikUrlopowWykorzystanych(Rok(u.od))];
        Record w = t.Nowy();
        t.Liczba(w, "IdentyfikatorPracownika", id);
        t.Data(w, "DataOd", u.od);
        t.Liczba(w, "RodzajUrlopu", u.rodzaj);
        t.Data(w, "DataDo", u.doDnia);
        t.Dodaj(std::move(w));
    }
    for (const auto& n : p.urlopyNalezne) {
        auto& t = z[store::PlikUrlopowNaleznych(n.rok)];
        Record w = t.Nowy();
        t.Liczba(w, "IdentyfikatorPracownika", id);
        t.Liczba(w, "Rok", n.rok);
        t.Liczba(w, "UrlopNalezny", n.nalezny);
        t.Liczba(w, "UrlopDodatkowy", n.dodatkowy);
        t.Liczba(w, "UrlopZaleglyPoprzedniRok", n.zaleglyPoprzedni);
        t.Liczba(w, "UrlopZalegly2LataWstecz", 0);
        t.Liczba(w, "UrlopZalegly3LataWstecz", 0);
        t.Liczba(w, "DniZalegleDodatkowy", n.zaleglyDodatkowy);
        t.Liczba(w, "GodzinyZalegleDodatkowy", 0);
        t.Liczba(w, "GodzUrlopZalegly", 0);
        t.Kwota(w, "Przelicznik", n.przelicznik);
        t.Tekst(w, "SystemSluzby", Znak(n.systemSluzby));
        t.Dodaj(std::move(w));
    }
    for (const auto* lista : {&p.choroby, &p.nieobecnosci}) {
        const bool choroba = lista == &p.choroby;
        auto& t = z[choroba ? "Choroby.db" : "Nieobecnosci.DB"];
        for (const auto& c : *lista) {
            Record w = t.Nowy();
            t.Liczba(w, "IdentyfikatorPracownika", id);
            t.Data(w, "DataOd", c.od);
            t.Tekst(w, choroba ? "RodzajChoroby" : "RodzajNieobecnosci", std::to_string(c.rodzaj));
            t.Data(w, "DataDo", c.doDnia);
            t.Dodaj(std::move(w));
        }
    }
    auto& tz = z["Zawieszenia.db"];
    for (const auto& s : p.zawieszenia) {
        Record w = tz.Nowy();
        tz.Liczba(w, "IdentyfikatorPracownika", id);
        tz.Data(w, "DataZawieszenia", s.data);
        tz.Tekst(w, "Powod", Znak(s.powod));
        tz.Data(w, "DataPowrotu", s.powrot);
        tz.Tekst(w, "KlasyfikacjaZawieszenia", Znak(s.klasyfikacja));
        tz.Logiczne(w, "CzyFunkcjonariusz", p.podzial == '1');
        tz.Logiczne(w, "CzyWSluzbie", s.wSluzbie);
        tz.Logiczne(w, "DoWyslugi", s.doWyslugi);
        tz.Logiczne(w, "DoUrlopu", false);
        tz.Logiczne(w, "DoNagrodyJubileuszowej", false);
        tz.Logiczne(w, "DoEmerytury", false);
        tz.Dodaj(std::move(w));
    }
}

// One row of `plik` per entry, the employee's identifier in `poleId`, the other fields filled by
// `wypelnij`. The table is opened by the first row.
template <typename Wpis, typename Wypelnij>
void WpiszWiersze(Zapisy& z, const std::string& plik, const std::string& poleId, int32_t id,
                  const std::vector<Wpis>& wpisy, Wypelnij wypelnij) {
    if (wpisy.empty())
        return;
    ZapisTabeli& t = z[plik];
    for (const Wpis& x : wpisy) {
        Record w = t.Nowy();
        t.Liczba(w, poleId, id);
        wypelnij(t, w, x);
        t.Dodaj(std::move(w));
    }
}

void WpiszAkta(Zapisy& z, int32_t id, const Pracownik& p) {
    WpiszWiersze(z, "Wypowiedzenia.db", "IdentyfikatorPracownika", id, p.wypowiedzenia,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Data(w, "DataWypowiedzeniaOd", x.od);
                     t.Tekst(w, "TypWypowiedzenia", Znak(x.typ));
                     t.Data(w, "DataWypowiedzeniaDo", x.doDnia);
                     t.Tekst(w, "Opis", x.opis);
                 });
    WpiszWiersze(z, "Zwolnienia.db", "IdentyfikatorPracownika", id, p.zwolnienia,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Data(w, "DataZwolnienia", x.data);
                     t.Tekst(w, "SposobZwolnienia", x.sposob);
                     t.Tekst(w, "PrzyczynaZwolnienia", x.przyczyna);
                 });
    WpiszWiersze(z, "Decyzje.db", "IdentyfikatorPracownika", id, p.decyzje,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Data(w, "DataDecyzji", x.data);
                     t.Tekst(w, "NrDecyzji", x.numer);
                 });
    WpiszWiersze(z, "PopZatr.db", "IdentyfikatorPracownika", id, p.poprzednie,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Data(w, "DataOd", x.od);
                     t.Tekst(w, "NazwaZakładuPracy", x.zaklad);
                     t.Data(w, "DataDo", x.doDnia);
                     t.Tekst(w, "AdresZakładuPracy", x.adres);
                     if (x.stanowisko)
                         t.Liczba(w, "Stanowisko", x.stanowisko);
                     t.Logiczne(w, "WSluzbie", x.wSluzbie);
                     for (const char* pole :
                          {"DoWyslugi", "DoUrlopu", "DoNagrodyJubileuszowej", "DoEmerytury"})
                         t.Logiczne(w, pole, true);
                     t.Tekst(w, "SposobRozwiazaniaUmowy", x.sposobRozwiazania);
                     t.Tekst(w, "NazwaStanowiskaWpr", x.stanowiskoWpr);
                 });
    WpiszWiersze(z, "DodZatrudn.db", "IdentyfikatorPracownika", id, p.dodatkowe,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Data(w, "DataOd", x.od);
                     t.Tekst(w, "NazwaZakladu", x.zaklad);
                     t.Data(w, "DataDo", x.doDnia);
                     t.Liczba(w, "FormaZatrudnienia", x.forma);
                     t.Kwota(w, "WymiarCzasuPracy", x.wymiar);
                     t.Tekst(w, "ZgodyUdzielil", x.zgodyUdzielil);
                 });
    WpiszWiersze(z, "Badania.db", "IdentyfikatorPracownika", id, p.badania,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Tekst(w, "RodzajBadania", Znak(x.rodzaj));
                     t.Data(w, "DataBadania", x.data);
                     t.Tekst(w, "WynikBadania", Znak(x.wynik));
                     t.Data(w, "DataNastepnegoBadania", x.nastepne);
                     t.Tekst(w, "PrzyczynaNiewykonania", x.przyczynaNiewykonania);
                 });
    WpiszWiersze(z, "EmInw.DB", "IdentyfikatorPracownika", id, p.swiadczenia,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Data(w, "DataPrzyznania", x.przyznano);
                     t.Data(w, "DataZawieszenia", x.zawieszono);
                     if (x.grupaInwalidzka)
                         t.Liczba(w, "GrupaInwalidzka", x.grupaInwalidzka);
                     if (x.rodzajSwiadczenia)
                         t.Liczba(w, "RodzajSwiadczenia", x.rodzajSwiadczenia);
                     t.Tekst(w, "NrRentyEmerytury", x.numer);
                     t.Tekst(w, "Opis", x.opis);
                 });
    WpiszWiersze(z, "Wykszt.DB", "IdentyfikatorPracownika", id, p.wyksztalcenie,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Liczba(w, "RokUkonczenia", x.rok);
                     t.Tekst(w, "NazwaUczelni", x.uczelnia);
                     t.Liczba(w, "RodzajWyksztalcenia", x.rodzaj);
                     t.Liczba(w, "TytulNaukowy", x.tytulNaukowy);
                     t.Liczba(w, "TytulZawodowy", x.kierunek);
                     t.Logiczne(w, "Strazackie", x.strazackie);
                     t.Data(w, "DataUzyskania", x.dataUzyskania);
                 });
    WpiszWiersze(z, "Kursy.DB", "IdentyfikatorPracownika", id, p.kursy,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Liczba(w, "RodzajKursu", x.rodzaj);
                     t.Liczba(w, "RokUkonczenia", x.rok);
                     t.Tekst(w, "NazwaKursu", x.nazwa);
                     t.Data(w, "DataWaznosci", x.waznosc);
                     t.Data(w, "DataNabycia", x.nabycie);
                 });
    WpiszWiersze(z, "StanRodz.db", "IdentyfikatorPracownika", id, p.rodzina,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Liczba(w, "StopienPokrewienstwa", x.pokrewienstwo);
                     t.Data(w, "DataZawarciaZwMalzenskieg", x.slub);
                     t.Data(w, "DataUrodzenia", x.urodzenie);
                     t.Tekst(w, "Nazwisko", x.nazwisko);
                     t.Tekst(w, "Imie1", x.imie1);
                     t.Tekst(w, "Imie2", x.imie2);
                 });
    WpiszWiersze(z, "Ordery.db", "IdPracownika", id, p.ordery,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Data(w, "DataPrzyznania", x.data);
                     t.Liczba(w, "IdOrderu", x.rodzaj);
                     t.Liczba(w, "IdOrganu", x.organ);
                     t.Tekst(w, "NumerLegitimacji", x.numer);
                 });
    WpiszWiersze(z, "Kary.db", "IdPracownika", id, p.kary,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Data(w, "DataPrzyznania", x.data);
                     t.Liczba(w, "IdKary", x.rodzaj);
                     if (x.organ)
                         t.Liczba(w, "IdOrganuNadajacego", x.organ);
                 });
    WpiszWiersze(z, "Wyroznienia.DB", "IdPracownika", id, p.wyroznienia,
                 [](ZapisTabeli& t, Record& w, const auto& x) {
                     t.Data(w, "DataPrzyznania", x.data);
                     t.Liczba(w, "IdWyroznienia", x.rodzaj);
                     t.Liczba(w, "IdOrganuNadajacego", x.organ);
                     t.Kwota(w, "KwotaNagrody", x.kwota);
                     t.Liczba(w, "IloscDniUrlopuDodatkowego", x.dniUrlopu);
                     t.Tekst(w, "NumerLegitymacji", x.numer);
                 });
    WpiszWiersze(z, "CzasPracy.DB", "IdPracownika", id, p.karty,
                 [](ZapisTabeli& t, Record& w, const auto& c) {
                     t.Liczba(w, "Rok", c.rok);
                     t.Liczba(w, "Miesiac", c.miesiac);
                     for (int d = 0; d < 31; ++d) {
                         t.Liczba(w, std::string("P").append(std::to_string(d + 1)), c.plan[d]);
                         t.Liczba(w, std::string("W").append(std::to_string(d + 1)),
                                  c.wykonanie[d]);
                     }
                 });
}

}  // namespace

void ZapiszPracownikow(KontekstDemo& k, const std::vector<Pracownik>& ludzie) {
    std::vector<int32_t> identyfikatory;
    {
        ZapisTabeli mirta(k.fs, k.katalog, "Mirta.DB");
        const int poleId = mirta.Pole("Identyfikator");
        for (const auto& p : ludzie) {
            Record w = mirta.Nowy();
            WpiszOsobe(mirta, w, p);
            identyfikatory.push_back(
                static_cast<int32_t>(mirta.Wstaw(w)[static_cast<size_t>(poleId)].AsInteger()));
        }
        mirta.Zamknij();
        k.liczniki.emplace_back("Mirta.DB", mirta.Tabela().RowCount());
    }
    for (int rok = std::max(store::kPierwszyRokPlikowUrlopow, k.kariera.pierwszyRok);
         rok <= Rok(k.kariera.dzis); ++rok)
        UtworzPlikiUrlopow(k, rok);

    Zapisy z(k);
    for (size_t i = 0; i < ludzie.size(); ++i) {
        WpiszHistorie(z, identyfikatory[i], ludzie[i]);
        WpiszNieobecnosci(z, identyfikatory[i], ludzie[i]);
        WpiszAkta(z, identyfikatory[i], ludzie[i]);
        z.Oproznij();
    }
    z.Zamknij();
}

}  // namespace mirta::tools
