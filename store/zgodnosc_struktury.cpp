#include "store/zgodnosc_struktury.h"

#include <algorithm>

namespace mirta::store {
namespace {

std::string NazwaTypu(const engine::FieldDef& pole, FormatPliku format) {
    using engine::FieldType;
    std::string rozmiar = "(" + std::to_string(pole.size) + ")";
    switch (pole.type) {
        case FieldType::Alpha:
            return "tekst" + rozmiar;
        case FieldType::Date:
            return "data";
        case FieldType::Time:
            return "czas";
        case FieldType::Timestamp:
            return "data i czas";
        case FieldType::Number:
            return format == FormatPliku::Dbase ? "liczba(" + std::to_string(pole.size) + "," +
                                                      std::to_string(pole.decimals) + ")"
                                                : "liczba";
        case FieldType::Money:
            return "kwota";
        case FieldType::Short:
            return "int16";
        case FieldType::Long:
            return "int32";
        case FieldType::AutoInc:
            return "autoinc";
        case FieldType::Logical:
            return "logiczne";
        case FieldType::Bcd:
            return "BCD";
        case FieldType::Bytes:
            return "bajty" + rozmiar;
        case FieldType::Memo:
            return "memo";
        case FieldType::Blob:
            return "blob";
    }
    return "?";
}

bool TenSamTyp(const engine::FieldDef& jest, const engine::FieldDef& ma, FormatPliku format) {
    if (jest.type != ma.type)
        return false;
    switch (ma.type) {
        case engine::FieldType::Alpha:
            return jest.size == ma.size;
        case engine::FieldType::Number:
            return format != FormatPliku::Dbase ||
                   (jest.size == ma.size && jest.decimals == ma.decimals);
        default:
            return true;
    }
}

std::string ListaKlucza(const std::vector<engine::FieldDef>& pola, int ile) {
    if (ile == 0)
        return "brak klucza";
    std::string wynik;
    for (int i = 0; i < ile && i < static_cast<int>(pola.size()); ++i)
        wynik += (i ? ";" : "") + pola[i].name;
    return wynik;
}

}  // namespace

ZgodnoscStruktury SprawdzStrukture(const engine::Table& tabela, const OpisTabeli& opis,
                                   const std::string& plik) {
    ZgodnoscStruktury wynik;
    const auto& jest = tabela.Fields();
    const auto ma = opis.PolaPliku();
    std::vector<const OpisPola*> zapisane;
    for (const auto& p : opis.pola)
        if (p.rodzaj == RodzajPola::Zapisane)
            zapisane.push_back(&p);
    const std::string przedrostek = "Tabela " + plik + ": ";

    const size_t wspolne = std::min(jest.size(), ma.size());
    for (size_t i = 0; i < wspolne; ++i) {
        const std::string numer = "pole nr " + std::to_string(i + 1);
        if (!zapisane[i]->nazwaObca && jest[i].name != ma[i].name)
            wynik.bledy.push_back(przedrostek + numer + " nazywa się " + jest[i].name +
                                  ", oczekiwano " + ma[i].name);
        else if (!TenSamTyp(jest[i], ma[i], opis.format))
            wynik.bledy.push_back(przedrostek + numer + " (" + jest[i].name + ") jest typu " +
                                  NazwaTypu(jest[i], opis.format) + ", oczekiwano " +
                                  NazwaTypu(ma[i], opis.format));
    }
    for (size_t i = wspolne; i < ma.size(); ++i)
        wynik.bledy.push_back(przedrostek + "brak pola " + ma[i].name);
    for (size_t i = wspolne; i < jest.size(); ++i)
        wynik.bledy.push_back(przedrostek + "nadmiarowe pole " + jest[i].name);

    if (opis.format == FormatPliku::Paradox && tabela.KeyFieldCount() != opis.polaKlucza)
        wynik.uwagi.push_back(przedrostek + "klucz główny pliku (" +
                              ListaKlucza(jest, tabela.KeyFieldCount()) +
                              ") różni się od oczekiwanego (" + ListaKlucza(ma, opis.polaKlucza) +
                              "); struktury nie zmieniono");
    return wynik;
}

}  // namespace mirta::store
