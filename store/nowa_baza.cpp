#include "store/nowa_baza.h"

#include <memory>

#include "engine/code_page.h"
#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "store/katalog.h"
#include "store/czesci_akt.h"

namespace mirta::store {
namespace {

using engine::Record;
using engine::Table;
using engine::Value;

// Polish letters in the order the payroll program's code table lists them.
constexpr std::string_view kPolskieLitery = "ążśźćęółńĄŻŚŹĆĘÓŁŃ";

std::string Sciezka(const std::string& katalog, const std::string& plik) {
    return katalog + "/" + plik;
}

// A record of the table's stored fields, all empty, with the named ones set.
Record Wiersz(const OpisTabeli& opis,
              std::initializer_list<std::pair<std::string_view, Value>> wartosci) {
    auto pola = opis.PolaPliku();
    Record wiersz(pola.size());
    for (const auto& [nazwa, wartosc] : wartosci) {
        bool jest = false;
        for (size_t i = 0; i < pola.size(); ++i) {
            if (pola[i].name == nazwa) {
                wiersz[i] = wartosc;
                jest = true;
            }
        }
        if (!jest)
            throw engine::EngineError("Tabela " + std::string(opis.plik) + " nie ma pola " +
                                      std::string(nazwa));
    }
    return wiersz;
}

std::unique_ptr<Table> Utworz(engine::FileSystem& fs, const std::string& sciezka,
                              const OpisTabeli& opis) {
    if (opis.format == FormatPliku::Dbase)
        return engine::DbfTable::Create(fs, sciezka, opis.PolaPliku(), opis.bajtJezyka);
    return engine::ParadoxTable::Create(fs, sciezka, opis.PolaPliku(), opis.polaKlucza,
                                        engine::ParadoxCreateOptions{});
}

Value T(std::string_view s) {
    return Value::Text(std::string(s));
}

// Rows whose identifiers the rules test: they must be the n-th rows of a fresh table, as
// the table hands out identifiers in insertion order.
void WypelnijSlowniki(const std::string& plik, const OpisTabeli& opis, Table& tabela) {
    if (plik == "RodzUrlop.db") {
        struct Rodzaj {
            std::string_view nazwa, symbol, dni, rodzaj;
        };
        static constexpr Rodzaj kRodzaje[] = {
            {"Urlop wypoczynkowy", "UW", "R", "W"},    {"Urlop dodatkowy", "UD", "R", "D"},
            {"Urlop okolicznościowy", "UO", "R", "I"}, {"Urlop macierzyński", "UM", "K", "I"},
            {"Urlop wychowawczy", "UWY", "K", "I"},    {"Urlop na żądanie", "UNŻ", "R", "W"},
            {"Urlop szkoleniowy", "USZ", "R", "I"},    {"Urlop zdrowotny", "UZD", "K", "I"},
            {"Urlop bezpłatny", "UB", "K", "I"},
        };
        for (const auto& r : kRodzaje)
            tabela.Insert(Wiersz(opis, {{"NazwaUrlopu", T(r.nazwa)},
                                        {"Symbol", T(r.symbol)},
                                        {"RodzajDni", T(r.dni)},
                                        {"RodzajUrlopu", T(r.rodzaj)}}));
    } else if (plik == "FormyZtr.db") {
        // 1 and 2 count as service, 3 is the fixed-term employment.
        static constexpr std::pair<std::string_view, std::string_view> kFormy[] = {
            {"Służba stała", "SS"},
            {"Służba przygotowawcza", "SP"},
            {"Umowa na czas określony", "UCO"},
            {"Umowa na czas nieokreślony", "UCN"},
        };
        for (const auto& [nazwa, symbol] : kFormy)
            tabela.Insert(
                Wiersz(opis, {{"NazwaFormyZatrudnienia", T(nazwa)}, {"Symbol", T(symbol)}}));
    } else if (plik == "SlPokrew.db") {
        // 3 and 4 are the children.
        for (std::string_view nazwa : {"Żona", "Mąż", "Syn", "Córka"})
            tabela.Insert(Wiersz(opis, {{"NazwaPokrewienstwa", T(nazwa)}}));
    } else if (plik == "CzesciAkt.DB") {
        for (const auto& c : DomyslneCzesciAkt())
            tabela.Insert(Wiersz(opis, {{"Czesc", T(c.czesc)}, {"NazwaCzesci", T(c.nazwa)}}));
    } else if (plik == "Hasla.DB") {
        tabela.Insert(Wiersz(opis, {{"NazwaKrotka", T("ADMIN")},
                                    {"NazwaPelna", T("Administrator systemu")},
                                    {"Przegladanie", Value::Logical(true)},
                                    {"Aktualizowanie", Value::Logical(true)},
                                    {"Administrator", Value::Logical(true)},
                                    {"Pole1", Value::Logical(false)},
                                    {"Pole2", Value::Logical(false)},
                                    {"Pole3", Value::Logical(false)},
                                    {"Pole4", Value::Logical(false)},
                                    {"Pole10", Value::Integer(0)}}));
    } else if (plik == "ParametryKadr.db") {
        // No payroll program beside a new installation: employees are entered here.
        tabela.Insert(Wiersz(opis, {{"Identyfikator", Value::Integer(1)},
                                    {"AktualizacjaDanychPlacowy", Value::Logical(true)}}));
    } else if (plik == "Parametry.DB") {
        tabela.Insert(Wiersz(opis, {{"Kraj", T("Polska")}}));
    } else if (plik == "ROVANTE/KODPOL.DBF") {
        // The code bytes themselves, not text of the file's code page.
        tabela.Insert(Wiersz(
            opis, {{"KODY", Value::Bytes(engine::CodePage::Mazovia().Encode(kPolskieLitery))},
                   {"STANDART", T("M")}}));
        tabela.Insert(Wiersz(
            opis, {{"KODY", Value::Bytes(engine::CodePage::ForNumber(852).Encode(kPolskieLitery))},
                   {"STANDART", T("L")}}));
    }
}

}  // namespace

void UtworzNowaBaze(engine::FileSystem& fs, const std::string& katalog, engine::CivilDate dzis) {
    auto pliki = PlikiNowejBazy(dzis.year);
    for (const auto& p : pliki) {
        std::string sciezka = engine::ResolvePath(fs, Sciezka(katalog, p.plik));
        if (fs.Exists(sciezka))
            throw engine::EngineError("Katalog " + katalog + " zawiera już tabelę " + p.plik +
                                      "; nowej bazy nie utworzono");
    }
    fs.CreateDirectories(katalog + "/SPD");
    fs.CreateDirectories(katalog + "/ROVANTE");
    for (const auto& p : pliki) {
        auto tabela = Utworz(fs, Sciezka(katalog, p.plik), *p.opis);
        WypelnijSlowniki(p.plik, *p.opis, *tabela);
        tabela->Sync();
    }
}

}  // namespace mirta::store
