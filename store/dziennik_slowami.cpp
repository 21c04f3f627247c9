#include "store/dziennik_slowami.h"

#include <exception>
#include <optional>
#include <vector>

#include "compute/teksty.h"
#include "engine/dataset.h"
#include "engine/field_text.h"
#include "engine/table.h"
#include "store/data_module.h"
#include "store/katalog.h"
#include "store/opisy_stron.h"
#include "store/slowniki.h"

namespace mirta::store {

namespace {

// Windows that edit a table of their own, by its component.
struct OknoTabeli {
    std::string_view komponent;
    std::string_view tytul;
};
constexpr OknoTabeli kOkna[] = {
    {"THasla", "Obsługa użytkowników"},
    {"TKalendarz", "Kalendarz kadrowy"},
    {"TCzasPracy", "Przebieg pracy pracownika"},
    {"TKomorkaNad", "Podział organizacyjny Firmy"},
    {"TKomorkaPod", "Podział organizacyjny Firmy"},
    {"TGlowkaStrukturyEtatow", "Struktura etatów"},
    {"TPozStrukturyEtatow", "Struktura etatów"},
    {"TParametryFirmy", "Dane firmy"},
    {"TParametry", "Parametry kadr"},
    {"TWydruki", "Aktualizacja szablonów wydruków"},
    {"TUrlopNalez", "Rozliczenie urlopu wypoczynkowego"},
};

// Labels of the windows that are not pages of the employee's file.
struct PoleOkna {
    std::string_view komponent;
    std::string_view pole;
    std::string_view etykieta;
};
constexpr PoleOkna kPolaOkien[] = {
    {"THasla", "NazwaKrotka", "Nazwa krótka"},
    {"THasla", "NazwaPelna", "Nazwa pełna"},
    {"THasla", "Przegladanie", "Przeglądanie"},
    {"THasla", "Aktualizowanie", "Modyfikacja danych"},
    {"THasla", "Administrator", "Administracja systemem"},
    {"THasla", "Pole2", "Tylko godziny pracy i nieobecności"},
};

// A caption without its closing full stop, a label without its colon and mnemonic.
std::string BezZakonczenia(std::string_view t) {
    std::string s;
    for (char c : t)
        if (c != '&')
            s += c;
    while (!s.empty() && (s.back() == ':' || s.back() == '.' || s.back() == ' '))
        s.pop_back();
    return s;
}

bool ZMalejLitery(std::string_view t) {
    if (t.empty())
        return false;
    if (t[0] >= 'a' && t[0] <= 'z')
        return true;
    for (std::string_view litera : {"ą", "ć", "ę", "ł", "ń", "ó", "ś", "ź", "ż"})
        if (t.starts_with(litera))
            return true;
    return false;
}

// "DataWystawieniaDowodu" -> "Data wystawienia dowodu".
std::string Slowa(std::string_view nazwa) {
    std::string s;
    for (size_t i = 0; i < nazwa.size(); ++i) {
        const char c = nazwa[i];
        if (i > 0 && c >= 'A' && c <= 'Z' && !(nazwa[i - 1] >= 'A' && nazwa[i - 1] <= 'Z')) {
            s += ' ';
            s += static_cast<char>(c - 'A' + 'a');
        } else {
            s += c;
        }
    }
    return s;
}

std::string Komponent(std::string_view plik) {
    const OpisTabeli* t = ZnajdzTabele(plik);
    return t ? std::string(t->komponent) : std::string();
}

// The stored field and the lookup fields of the catalogue that show it by name.
bool PokazujePole(std::string_view komponent, std::string_view poleKontrolki,
                  std::string_view pole) {
    if (poleKontrolki == pole)
        return true;
    const OpisTabeli* t = ZnajdzKomponent({}, komponent);
    const OpisPola* p = t ? t->Pole(poleKontrolki) : nullptr;
    return p && p->rodzaj == RodzajPola::Lookup && p->lookupPolaKlucza == pole;
}

struct MiejscePola {
    const OpisStrony* strona = nullptr;
    const OpisTabeliStrony* tabela = nullptr;
    size_t kontrolka = 0;
};

// Where a page shows the field; the first page of the table when none shows it.
std::optional<MiejscePola> ZnajdzNaStronie(std::string_view komponent, std::string_view pole) {
    std::optional<MiejscePola> pierwsza;
    for (const OpisStrony& s : OpisyStron())
        for (const OpisTabeliStrony& t : s.tabele) {
            if (t.komponent != komponent)
                continue;
            if (!pierwsza)
                pierwsza = MiejscePola{&s, &t, t.kontrolki.size()};
            for (size_t i = 0; i < t.kontrolki.size(); ++i)
                if (t.kontrolki[i].rodzaj != RodzajKontrolki::Naglowek &&
                    PokazujePole(komponent, t.kontrolki[i].pole, pole))
                    return MiejscePola{&s, &t, i};
        }
    return pierwsza;
}

// A label as the page reads it: a field beside another shares its label, and a label that
// continues another ("ważności:") is read with its group's title.
std::string EtykietaKontrolki(const OpisTabeliStrony& t, size_t i) {
    std::string_view naglowek;
    std::string_view poprzednia;
    for (size_t j = 0; j < i; ++j) {
        const OpisKontrolki& k = t.kontrolki[j];
        if (k.rodzaj == RodzajKontrolki::Naglowek) {
            naglowek = k.etykieta;
            poprzednia = {};
        } else if (!k.etykieta.empty()) {
            poprzednia = k.etykieta;
        }
    }
    const std::string_view wlasna = t.kontrolki[i].etykieta;
    if (wlasna.empty())
        return BezZakonczenia(poprzednia);
    if (ZMalejLitery(wlasna)) {
        const std::string_view przed = !naglowek.empty() ? naglowek : poprzednia;
        if (!przed.empty())
            return BezZakonczenia(przed) + ": " + BezZakonczenia(wlasna);
    }
    return BezZakonczenia(wlasna);
}

std::string TekstPola(const std::vector<engine::FieldDef>& pola, const engine::Record& r, int i) {
    return r[size_t(i)].IsNull() ? std::string()
                                 : engine::FormatFieldValue(pola[size_t(i)], r[size_t(i)]);
}

int Indeks(const std::vector<engine::FieldDef>& pola, std::string_view nazwa) {
    for (size_t i = 0; i < pola.size(); ++i)
        if (pola[i].name == nazwa)
            return int(i);
    return -1;
}

// The whole file of a component, whatever its view shows.
engine::Table* Tabela(DataModule& modul, std::string_view komponent) {
    TableComponent* c = modul.Find(komponent);
    if (!c)
        return nullptr;
    if (!c->IsOpen())
        modul.Open(*c);
    return &(*c)->GetTable();
}

}  // namespace

std::string PodpisTabeli(std::string_view plik, std::string_view pole) {
    const std::string komponent = Komponent(plik);
    if (komponent.empty())
        return std::string(plik);
    if (const auto m = ZnajdzNaStronie(komponent, pole))
        return BezZakonczenia(m->tabela->tytul.empty() ? m->strona->tytul : m->tabela->tytul);
    for (const OpisSlownika& s : Slowniki())
        if (s.komponent == komponent || s.komponentStawek == komponent)
            return BezZakonczenia(s.tytulOkna);
    for (const OknoTabeli& o : kOkna)
        if (o.komponent == komponent)
            return std::string(o.tytul);
    return std::string(plik);
}

std::string EtykietaPola(std::string_view plik, std::string_view pole) {
    const std::string komponent = Komponent(plik);
    if (const auto m = ZnajdzNaStronie(komponent, pole);
        m && m->kontrolka < m->tabela->kontrolki.size())
        return EtykietaKontrolki(*m->tabela, m->kontrolka);
    for (const PoleOkna& p : kPolaOkien)
        if (p.komponent == komponent && p.pole == pole)
            return std::string(p.etykieta);
    return Slowa(pole);
}

DziennikSlowami::DziennikSlowami(DataModule& modul, int rokPrzetwarzania)
    : m_modul(modul), m_rok(rokPrzetwarzania) {}

const DziennikSlowami::Nazwy& DziennikSlowami::Slownik(std::string_view komponent,
                                                       std::string_view klucz,
                                                       std::string_view nazwa) {
    auto [it, nowy] =
        m_slowniki.try_emplace({std::string(komponent), std::string(klucz), std::string(nazwa)});
    if (!nowy)
        return it->second;
    try {
        if (engine::Table* t = Tabela(m_modul, komponent)) {
            const auto& pola = t->Fields();
            const int k = Indeks(pola, klucz), n = Indeks(pola, nazwa);
            if (k >= 0 && n >= 0)
                for (uint64_t i = 0; i < t->RowCount(); ++i) {
                    const engine::Record r = t->ReadRow(i);
                    it->second[TekstPola(pola, r, k)] = TekstPola(pola, r, n);
                }
        }
    } catch (const std::exception&) {
        // An unreadable dictionary: its identifiers are shown as stored.
    }
    return it->second;
}

std::string DziennikSlowami::Pracownik(int32_t identyfikator) {
    if (!m_pracownicyWczytani) {
        m_pracownicyWczytani = true;
        try {
            if (engine::Table* t = Tabela(m_modul, "TPracownicy")) {
                const auto& pola = t->Fields();
                const int id = Indeks(pola, "Identyfikator");
                const int czesci[] = {Indeks(pola, "Nazwisko"), Indeks(pola, "Imie1"),
                                      Indeks(pola, "Imie2")};
                for (uint64_t i = 0; id >= 0 && i < t->RowCount(); ++i) {
                    const engine::Record r = t->ReadRow(i);
                    if (r[size_t(id)].IsNull())
                        continue;
                    std::string nazwa;
                    for (int c : czesci) {
                        const std::string s =
                            c >= 0 ? std::string(compute::Przytnij(TekstPola(pola, r, c)))
                                   : std::string();
                        if (!s.empty())
                            nazwa += (nazwa.empty() ? "" : " ") + s;
                    }
                    m_pracownicy[int32_t(r[size_t(id)].AsInteger())] = nazwa;
                }
            }
        } catch (const std::exception&) {
            // Without the employee file the identifier alone is shown.
        }
    }
    const auto it = m_pracownicy.find(identyfikator);
    const std::string id = "(" + std::to_string(identyfikator) + ")";
    return it == m_pracownicy.end() || it->second.empty() ? id : it->second + " " + id;
}

std::string DziennikSlowami::Uzytkownik(const std::string& nazwaKrotka) {
    if (!m_uzytkownicyWczytani) {
        m_uzytkownicyWczytani = true;
        m_uzytkownicy = Slownik("THasla", "NazwaKrotka", "NazwaPelna");
    }
    const auto it = m_uzytkownicy.find(nazwaKrotka);
    if (it == m_uzytkownicy.end() || compute::Przytnij(it->second).empty())
        return nazwaKrotka;
    return std::string(compute::Przytnij(it->second)) + " (" + nazwaKrotka + ")";
}

std::string DziennikSlowami::Wartosc(std::string_view plik, std::string_view pole,
                                     const std::string& tekst) {
    if (tekst.empty())
        return tekst;
    const std::string komponent = Komponent(plik);
    const auto m = ZnajdzNaStronie(komponent, pole);
    if (m && m->kontrolka < m->tabela->kontrolki.size()) {
        const OpisKontrolki& k = m->tabela->kontrolki[m->kontrolka];
        if (k.rodzaj == RodzajKontrolki::Kod && k.pole == pole) {
            const ListaKodow& lista = ListaPola(pole, m_rok);
            return lista.Zawiera(tekst) ? lista.Tekst(tekst) : tekst;
        }
        if (k.rodzaj == RodzajKontrolki::Slownik && !k.slownik.empty()) {
            const std::string_view lista = k.listaSlownika;
            const Nazwy& nazwy =
                Slownik(k.slownik, k.kluczSlownika, lista.substr(0, lista.find(';')));
            const auto it = nazwy.find(tekst);
            return it == nazwy.end() ? tekst : it->second;
        }
    }
    // A dictionary identifier the catalogue shows by a looked-up name.
    if (const OpisTabeli* t = ZnajdzTabele(plik))
        for (const OpisPola& p : t->pola)
            if (p.rodzaj == RodzajPola::Lookup && p.lookupPolaKlucza == pole &&
                p.lookupPolaSlownika.find(';') == std::string_view::npos) {
                const Nazwy& nazwy =
                    Slownik(p.lookupKomponent, p.lookupPolaSlownika, p.lookupPoleWyniku);
                const auto it = nazwy.find(tekst);
                if (it != nazwy.end())
                    return it->second;
            }
    return tekst;
}

WpisSlowami DziennikSlowami::Opisz(const WpisDziennika& w) {
    WpisSlowami s;
    s.kiedy = TekstChwili(w.kiedy);
    s.uzytkownik = Uzytkownik(w.uzytkownik);
    s.operacja = w.operacja;
    s.tabela = PodpisTabeli(w.tabela, w.pole);
    s.pracownik = w.pracownik ? Pracownik(w.pracownik) : std::string();
    s.pole = EtykietaPola(w.tabela, w.pole);
    s.stara = Wartosc(w.tabela, w.pole, w.stara);
    s.nowa = Wartosc(w.tabela, w.pole, w.nowa);
    s.klucz = w.klucz;
    return s;
}

}  // namespace mirta::store
