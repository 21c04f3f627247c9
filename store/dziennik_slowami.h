#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "store/dziennik_zmian.h"

namespace mirta::store {

class DataModule;

// A journal entry in the words of the windows.
struct WpisSlowami {
    std::string kiedy;       // "2026-12-10 14:03:07"
    std::string uzytkownik;  // "Małgorzata Żółkiewska (KADRY)"
    std::string operacja;    // "dopisanie", "zmiana", "usunięcie"
    std::string tabela;      // the caption of its page or window: "Urlopy"
    std::string pracownik;   // "Kowalski Jan Maria (54)"; empty: not a record of one employee
    std::string pole;        // the field's label: "Data od"
    std::string stara;       // a code by its text, a dictionary entry by its name
    std::string nowa;
    std::string klucz;  // the record's key fields as stored
};

// The caption of the page or window that shows the field `pole` of the table in file `plik`
// ("Mirta.DB", "WykUrl2026.DB"), and the field's label as it reads there; the file's and the
// field's own names (split into words) when no window shows them.
std::string PodpisTabeli(std::string_view plik, std::string_view pole);
std::string EtykietaPola(std::string_view plik, std::string_view pole);

// Turns journal entries into the words a clerk knows: tables and fields as the windows
// caption and label them, codes by their code-list texts, dictionary identifiers by the
// dictionary's names, the employee by surname and first names with the identifier, the user
// by full name. The tables are read through `modul` (and its peers) on first need; a table
// that cannot be read leaves the stored values as they are.
class DziennikSlowami {
public:
    DziennikSlowami(DataModule& modul, int rokPrzetwarzania);

    WpisSlowami Opisz(const WpisDziennika& wpis);

    // "Kowalski Jan Maria (54)", or "(54)" for an identifier nobody has.
    std::string Pracownik(int32_t identyfikator);
    // "Małgorzata Żółkiewska (KADRY)", or the short name of a user nobody has.
    std::string Uzytkownik(const std::string& nazwaKrotka);

private:
    using Nazwy = std::map<std::string, std::string>;
    // The names of a dictionary's rows by the text of their key.
    const Nazwy& Slownik(std::string_view komponent, std::string_view klucz,
                         std::string_view nazwa);
    std::string Wartosc(std::string_view plik, std::string_view pole, const std::string& tekst);

    DataModule& m_modul;
    int m_rok;
    std::map<std::tuple<std::string, std::string, std::string>, Nazwy> m_slowniki;
    bool m_pracownicyWczytani = false;
    std::map<int32_t, std::string> m_pracownicy;
    bool m_uzytkownicyWczytani = false;
    Nazwy m_uzytkownicy;
};

}  // namespace mirta::store
