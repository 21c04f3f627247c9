#include "documents/dokument_pracownika.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "compute/teksty.h"
#include "documents/dane_tagow.h"
#include "documents/rtf_reader.h"
#include "documents/rtf_writer.h"
#include "documents/substitution.h"
#include "engine/file_system.h"
#include "store/pola_rekordu.h"
#include "store/szablony_wydrukow.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "wspolne/dialogi.h"
#include "store/zrodla_obliczen.h"

namespace mirta::documents {

namespace {

constexpr std::string_view kWymagaDecyzji = "<Wym|Decyzje>";
constexpr const char* kTytulInicjacji = " Kontrola inicjacji wydruku.";

bool Logiczne(const engine::Value& v, bool pusty) {
    return v.IsNull() ? pusty : v.AsLogical();
}

}  // namespace

std::vector<SzablonWydruku> CzytajSzablony(store::TDM1& tdm1) {
    tdm1.Open(tdm1.TWydruki);
    engine::Table& t = tdm1.TWydruki->GetTable();
    auto pole = [&](std::string_view nazwa) { return store::PoleTabeli(t, nazwa); };
    const int nazwa = pole("NazwaWydruku"), zbior = pole("NazwaZbioru"),
              id = pole("IdentyfikatorSystemowy"), kolumny = pole("IloscKolumn"),
              portret = pole("Portret"), zawijanie = pole("Zawijanie"), edytor = pole("Edytor"),
              inicjacja = pole("Inicjacja");
    std::vector<SzablonWydruku> szablony;
    for (uint64_t i = 0; i < t.RowCount(); ++i) {
        const engine::Record r = t.ReadRow(i);
        SzablonWydruku s;
        s.nazwaWydruku = store::TekstPola(r[nazwa]);
        s.nazwaZbioru = store::Przyciety(r[zbior]);
        s.identyfikatorSystemowy = store::TekstPola(r[id]);
        s.iloscKolumn = std::max(1, store::LiczbaCalkowita(r[kolumny]));
        s.portret = Logiczne(r[portret], true);
        s.zawijanie = Logiczne(r[zawijanie], true);
        s.edytor = Logiczne(r[edytor], true);
        s.inicjacja = store::TekstPola(r[inicjacja]);
        szablony.push_back(std::move(s));
    }
    return szablony;
}

std::optional<SzablonWydruku> SzablonPliku(store::TDM1& tdm1, const std::string& sciezka) {
    namespace fs = std::filesystem;
    const std::string katalog = tdm1.DataDirectory();
    std::error_code blad;
    const fs::path szukany = fs::weakly_canonical(fs::absolute(sciezka, blad), blad);
    for (SzablonWydruku& s : CzytajSzablony(tdm1)) {
        if (s.nazwaZbioru == store::NazwaZbioruSzablonu(sciezka))
            return std::move(s);
        const fs::path plik =
            fs::weakly_canonical(fs::absolute(SciezkaSzablonu(katalog, s.nazwaZbioru)), blad);
        if (!blad && plik == szukany)
            return std::move(s);
    }
    return std::nullopt;
}

std::string SciezkaSzablonu(const std::string& katalogDanych, const std::string& nazwaZbioru) {
    std::string sciezka = nazwaZbioru;
    for (char& c : sciezka)
        if (c == '\\')
            c = '/';
    if (!sciezka.empty() && sciezka[0] != '/')
        sciezka = katalogDanych + "/" + sciezka;
    return engine::ResolvePath(engine::FileSystem::Real(), sciezka);
}

bool KontrolaSzablonu(const SzablonWydruku* szablon, store::ZrodlaObliczen& zrodla,
                      int32_t pracownik, store::Dialogi& dialogi) {
    if (!szablon) {
        dialogi.Blad(" Brak wydruków potrzebnego typu !!!", store::kTytulBledu);
        return false;
    }
    if (szablon->nazwaZbioru.empty()) {
        dialogi.Blad(" Brak nazwy zbioru dla wydruku !!!", store::kTytulBledu);
        return false;
    }
    const std::string plik = SciezkaSzablonu(zrodla.Tdm1().DataDirectory(), szablon->nazwaZbioru);
    if (!engine::FileSystem::Real().Exists(plik)) {
        dialogi.Blad(" Brak zbioru wydrukowego: " + szablon->nazwaZbioru + " !!!",
                     store::kTytulBledu);
        return false;
    }
    return KontrolaInicjacji(*szablon, zrodla, pracownik, dialogi);
}

bool KontrolaInicjacji(const SzablonWydruku& szablon, store::ZrodlaObliczen& zrodla,
                       int32_t pracownik, store::Dialogi& dialogi) {
    if (szablon.inicjacja.find(kWymagaDecyzji) == std::string::npos)
        return true;
    engine::Table& decyzje = zrodla.Tabela(zrodla.Tdm1().TDecyzja);
    if (!zrodla.Wiersze(decyzje, pracownik).empty())
        return true;
    dialogi.Blad("Brak danych o decyzjach !!!", kTytulInicjacji);
    return false;
}

Document WczytajSzablon(const std::string& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik)
        throw RtfError(" Brak zbioru wydrukowego: " + sciezka + " !!!");
    std::ostringstream bajty;
    bajty << plik.rdbuf();
    if (plik.bad())
        throw RtfError("Nie udało się odczytać pliku: " + sciezka + " !!!");
    return ReadRtf(bajty.str());
}

void WypelnijDokument(Document& dokument, TagValues& wartosci) {
    SubstituteInDocument(dokument, wartosci);
}

Document DokumentPracownika(const std::string& sciezkaSzablonu, store::ZrodlaObliczen& zrodla,
                            int32_t pracownik, const WybraneWiersze& wybrane) {
    Document dokument = WczytajSzablon(sciezkaSzablonu);
    TagiPracownika tagi(zrodla, pracownik, wybrane);
    WypelnijDokument(dokument, tagi);
    return dokument;
}

std::string RtfDokumentuPracownika(const std::string& sciezkaSzablonu,
                                   store::ZrodlaObliczen& zrodla, int32_t pracownik,
                                   const WybraneWiersze& wybrane) {
    return WriteRtf(DokumentPracownika(sciezkaSzablonu, zrodla, pracownik, wybrane));
}

std::string BezpiecznaNazwa(std::string_view tekst) {
    std::string wynik(tekst);
    for (char& c : wynik)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    return wynik;
}

std::optional<std::string> WartosciDoNazwyPliku::Value(std::string_view tag) {
    auto wartosc = m_wartosci.Value(tag);
    if (wartosc)
        *wartosc = BezpiecznaNazwa(*wartosc);
    return wartosc;
}

std::string NazwaDokumentu(std::string_view nazwaWydruku, TagValues& wartosci) {
    WartosciDoNazwyPliku bezpieczne(wartosci);
    return std::string(compute::Przytnij(SubstituteInText(nazwaWydruku, bezpieczne, 0)));
}

std::string NazwaDokumentuPracownika(const DaneTagow& dane, int32_t pracownik) {
    std::string nazwa;
    for (const std::string* czesc : {&dane.nazwisko, &dane.imie1}) {
        if (czesc->empty())
            continue;
        nazwa += BezpiecznaNazwa(*czesc) + "_";
    }
    return nazwa + std::to_string(pracownik) + ".rtf";
}

}  // namespace mirta::documents
