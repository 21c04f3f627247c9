#include "spd/csv_spd.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "compute/teksty.h"
#include "engine/code_page.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::spd {

namespace {

bool ZnakSterujacy(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// "|" would split the value into two columns and a line end would start a record.
std::string BezSeparatorow(std::string_view tekst) {
    std::string w;
    w.reserve(tekst.size());
    for (char c : tekst) {
        if (c == '|')
            continue;
        w += ZnakSterujacy(static_cast<unsigned char>(c)) ? ' ' : c;
    }
    return w;
}

bool DozwolonaCzescNazwy(std::string_view tekst) {
    for (char c : tekst) {
        if (ZnakSterujacy(static_cast<unsigned char>(c)) ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    }
    return true;
}

const engine::CodePage& Cp1250() {
    static const engine::CodePage& strona = engine::CodePage::ForNumber(1250);
    return strona;
}

}  // namespace

bool WartoscPusta(std::string_view zawartosc) {
    return compute::Przytnij(BezSeparatorow(compute::Przytnij(zawartosc))).empty();
}

std::string WartoscCSV(std::string_view typ, std::string_view zawartosc) {
    std::string w(compute::Przytnij(BezSeparatorow(compute::Przytnij(zawartosc))));
    if (w.empty())
        return "NULL";
    if (typ == "S" || typ == "C") {
        for (char& c : w)
            if (c == '"')
                c = '\'';
        return '"' + w + '"';
    }
    if (typ == "N") {
        for (char& c : w)
            if (c == ',')
                c = '.';
    }
    return w;
}

compute::DataKal DataOkresuCSV(compute::DataKal dataDanych, std::string_view sposobPrzesylania) {
    if (sposobPrzesylania == "K" || sposobPrzesylania == "M" || sposobPrzesylania == "P") {
        dataDanych.dzien = 1;
    } else if (sposobPrzesylania == "R") {
        dataDanych.miesiac = 1;
        dataDanych.dzien = 1;
    }
    return dataDanych;
}

std::string NazwaPlikuCSV(const PlikCSV& plik) {
    const compute::DataKal d =
        DataOkresuCSV(plik.dataDanych, compute::Przytnij(plik.sposobPrzesylania));
    char data[32];
    std::snprintf(data, sizeof data, "%04d-%02d-%02d", d.rok, d.miesiac, d.dzien);
    return std::string(compute::Przytnij(plik.kodSD)) +
           std::string(compute::Przytnij(plik.nazwaPliku)) + data + ".CSV";
}

bool NazwaPlikuCSVDozwolona(const PlikCSV& plik) {
    return DozwolonaCzescNazwy(compute::Przytnij(plik.kodSD)) &&
           DozwolonaCzescNazwy(compute::Przytnij(plik.nazwaPliku));
}

void PisarzCSV::Dodaj(const PoleCSV& pole) {
    if (m_naglowekZapisany) {
        WypiszRekord(pole);
        return;
    }
    if (pole.identyfikatorPola == 1 && !m_pierwszyRekord.empty()) {
        WypiszPierwszyRekord();
        WypiszRekord(pole);
        return;
    }
    m_pierwszyRekord.push_back(pole);
}

bool PisarzCSV::Zakoncz() {
    if (!m_naglowekZapisany && !m_pierwszyRekord.empty())
        WypiszPierwszyRekord();
    if (m_naglowekZapisany)
        Wypisz("\r\n");
    if (std::fflush(m_plik) != 0)
        m_blad = true;
    return !m_blad;
}

void PisarzCSV::Wypisz(std::string_view utf8) {
    const std::string bajty = Cp1250().Encode(utf8);
    if (std::fwrite(bajty.data(), 1, bajty.size(), m_plik) != bajty.size())
        m_blad = true;
}

void PisarzCSV::WypiszRekord(const PoleCSV& pole) {
    Wypisz(pole.identyfikatorPola == 1 ? "\r\n" : "|");
    Wypisz(WartoscCSV(pole.typ, pole.zawartosc));
}

void PisarzCSV::WypiszPierwszyRekord() {
    std::string naglowek;
    for (size_t i = 0; i < m_pierwszyRekord.size(); ++i) {
        if (i > 0)
            naglowek += '|';
        naglowek += '"';
        naglowek += compute::Przytnij(m_pierwszyRekord[i].nazwaPola);
        naglowek += '"';
    }
    Wypisz(naglowek);
    m_naglowekZapisany = true;
    for (const PoleCSV& pole : m_pierwszyRekord)
        WypiszRekord(pole);
    m_pierwszyRekord.clear();
}

std::optional<std::string> ZapiszPlikCSV(const std::string& folder, const PlikCSV& plik,
                                         const ZrodloPol& zrodlo, store::Dialogi& dialogi) {
    PoleCSV pole;
    if (!zrodlo(pole))
        return std::nullopt;
    const std::string sciezka = folder + "/" + NazwaPlikuCSV(plik);
    struct Zamykacz {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    // Half a file would be packed and sent as if it were whole: the rows go to the atomic
    // writer's temporary file, which becomes the CSV file only when it is complete.
    std::optional<wspolne::ZapisAtomowy> zapis;
    std::unique_ptr<std::FILE, Zamykacz> f;
    if (NazwaPlikuCSVDozwolona(plik)) {
        try {
            zapis.emplace(sciezka);
            f.reset(std::fopen(zapis->Tymczasowy().c_str(), "wb"));
        } catch (const std::exception&) {
        }
    }
    if (!f) {
        dialogi.Blad("Nie udało się wykreować pliku: " + sciezka, kTytulKontroliDanych);
        return std::nullopt;
    }
    std::setvbuf(f.get(), nullptr, _IOFBF, 1 << 16);
    PisarzCSV pisarz(f.get());
    do {
        pisarz.Dodaj(pole);
    } while (zrodlo(pole));
    bool zapisany = pisarz.Zakoncz();
    zapisany = std::fclose(f.release()) == 0 && zapisany;
    if (zapisany) {
        try {
            zapis->Zatwierdz();
        } catch (const std::exception&) {
            zapisany = false;
        }
    }
    if (!zapisany) {
        dialogi.Blad("Nie udało się zapisać pliku: " + sciezka, kTytulKontroliDanych);
        return std::nullopt;
    }
    return sciezka;
}

std::optional<std::string> ZapiszPlikCSV(const std::string& folder, const PlikCSV& plik,
                                         std::span<const PoleCSV> pola, store::Dialogi& dialogi) {
    size_t i = 0;
    return ZapiszPlikCSV(
        folder, plik,
        [&](PoleCSV& pole) {
            if (i == pola.size())
                return false;
            pole = pola[i++];
            return true;
        },
        dialogi);
}

}  // namespace mirta::spd
