#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/value.h"

namespace mirta::store {

// Where a table's file lives.
enum class MiejscePliku {
    Dane,           // the data directory (the working directory)
    Placowy,        // the payroll program's directory, ParametryKadr.db.SciezkaPlac
    Spd,            // SPD\ under the data directory
    Paczka,         // a package folder of the SPD export (one copy per package)
    Rovante,        // ROVANTE\ under the data directory, written for the payroll program
    KartotekaPlac,  // the payroll card file, directory chosen at run time
};

enum class FormatPliku { Paradox, Dbase };

// When the owning data module opens the table.
enum class Otwieranie {
    PrzyStarcie,      // when the data module is created
    PoZalogowaniu,    // by the start sequence after a successful login
    PrzezWlasciciela  // by the window or operation that uses it, closed again by it
};

// A stored field, or a lookup / calculated field that only the dataset knows.
enum class RodzajPola { Zapisane, Lookup, Wyliczane };

struct OpisPola {
    std::string_view nazwa = {};
    engine::FieldType typ = engine::FieldType::Alpha;
    // Text width; 0 for the fixed-size types. dBase: column width.
    int rozmiar = 0;
    int miejscaDziesietne = 0;  // dBase N columns
    RodzajPola rodzaj = RodzajPola::Zapisane;
    // Lookup: keyFields of this table = lookupKeyFields of lookupDataset, showing resultField.
    std::string_view lookupPolaKlucza = {};
    std::string_view lookupKomponent = {};  // component name of the dictionary, e.g. "TSlowStopni"
    std::string_view lookupPolaSlownika = {};
    std::string_view lookupPoleWyniku = {};
    // A field of the payroll program's own whose name this system does not fix; only its
    // type and size are checked.
    bool nazwaObca = false;
};

// Detail field(s) = master field(s); the master named by its component.
struct Powiazanie {
    std::string_view polaSzczegolowe = {};     // "IdentyfikatorPracownika"
    std::string_view komponentNadrzedny = {};  // "TPracownicy"
    std::string_view polaNadrzedne = {};       // "Identyfikator"
    // Only while a window is open (Komorki.db follows KomNad.db only in its window).
    bool tylkoWOknie = false;
    bool Jest() const { return !polaSzczegolowe.empty(); }
};

struct OpisTabeli {
    // File name as the system spells it; new files get exactly this spelling. The per-year
    // leave files and the payroll card files carry their generic name here (see below).
    std::string_view plik = {};
    MiejscePliku miejsce = MiejscePliku::Dane;
    FormatPliku format = FormatPliku::Paradox;
    std::string_view modul = {};      // "TDM", "TDM1"; empty for files of the payroll export
    std::string_view komponent = {};  // "TPracownicy"
    // Index field list "A;B" giving the order rows are shown and searched in; empty for
    // physical order.
    std::string_view porzadek = {};
    // The primary key is the first polaKlucza fields in file order (0: unkeyed). Where the
    // index list is not a unique prefix of the fields, the key is a unique prefix and the
    // index order is served by the dataset's sorted view.
    int polaKlucza = 0;
    Powiazanie powiazanie = {};
    Otwieranie otwieranie = Otwieranie::PrzyStarcie;
    // Another view of a file described by an earlier entry (TPracStopRob): same file and
    // structure, so it is not created or checked twice.
    bool drugiWidok = false;
    // Fields as the table declares them; the stored ones are in file order, lookup and
    // calculated ones sit among them where the record kind lists them.
    std::span<const OpisPola> pola = {};
    // dBase language byte for new files (0 for Paradox).
    unsigned char bajtJezyka = 0;

    // The stored fields as the engine creates them.
    std::vector<engine::FieldDef> PolaPliku() const;
    // Index field names split at ';'.
    std::vector<std::string> PolaPorzadku() const;
    bool PorzadekJestKluczem() const;
    const OpisPola* Pole(std::string_view nazwa) const;
};

// Every table of the system, in the order the data modules open them: TDM's tables first,
// ParametryKadr.db before the four payroll-directory tables.
std::span<const OpisTabeli> KatalogTabel();

// The first entry whose file name equals `plik` ignoring letter case and any directory part;
// the per-year leave files (UrN2026.DB, WykUrl2026.DB) and payroll card files (KART0312.DBF)
// find their generic entry. nullptr when the file is not in the catalogue.
const OpisTabeli* ZnajdzTabele(std::string_view plik);
// By component name, e.g. ("TDM", "TPracownicy"); module may be empty to match any.
const OpisTabeli* ZnajdzKomponent(std::string_view modul, std::string_view komponent);

// Per-year leave files, from 2006 on; earlier years stay in UrlNalez.db and Urlopy.db. Readers
// of every year look for year files up to kOstatniRokPlikowUrlopow.
inline constexpr int kPierwszyRokPlikowUrlopow = 2006;
inline constexpr int kOstatniRokPlikowUrlopow = 2049;
std::string PlikUrlopowNaleznych(int rok);       // "UrN2026.DB", or "UrlNalez.db" before 2006
std::string PlikUrlopowWykorzystanych(int rok);  // "WykUrl2026.DB", or "Urlopy.db" before 2006
// The payroll program's card file of a month: "KART%02d%02d.DBF" (year % 100, month),
// KART0812.DBF for December 2008.
std::string PlikKartotekiPlac(int rok, int miesiac);

// The files a new data directory holds: every entry except second views, package-folder
// copies and the payroll card files, plus the per-year leave pair of `rok` (the generic
// Urlopy.db / UrlNalez.db are created as well). Payroll-directory tables go to the data
// directory itself (an empty SciezkaPlac).
struct PlikDoUtworzenia {
    const OpisTabeli* opis;
    std::string plik;  // relative to the data directory, '/' separated
};
std::vector<PlikDoUtworzenia> PlikiNowejBazy(int rok);

}  // namespace mirta::store
