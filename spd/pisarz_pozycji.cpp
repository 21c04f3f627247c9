#include "spd/pisarz_pozycji.h"

#include <algorithm>

#include "compute/teksty.h"
#include "engine/code_page.h"
#include "spd/pola_tabeli.h"

namespace mirta::spd {

namespace {

using engine::Value;

constexpr std::string_view kPustaDataOdwrotna = "__-__ - ____";

Value TekstLubPusty(const std::string& t, int szerokosc) {
    if (t.empty())
        return {};
    return Value::Text(DopasujDoPola(t, szerokosc));
}

int Szerokosc(const engine::Table& t, int pole) {
    return t.Fields()[static_cast<size_t>(pole)].size;
}

}  // namespace

std::string DopasujDoPola(const std::string& tekst, int szerokosc) {
    // ASCII that fits is itself in code page 1250: no round trip.
    if (tekst.size() <= static_cast<size_t>(std::max(szerokosc, 0)) &&
        std::all_of(tekst.begin(), tekst.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return tekst;
    const engine::CodePage& cp = engine::CodePage::ForNumber(1250);
    std::string bajty = cp.Encode(tekst);
    if (bajty.size() > static_cast<size_t>(szerokosc))
        bajty.resize(static_cast<size_t>(szerokosc));
    return cp.Decode(bajty);
}

PisarzPozycji::PisarzPozycji(engine::Table& pozycje, int32_t identyfikatorHarmonogramu,
                             bool placowy)
    : m_tabela(pozycje), m_harmonogram(identyfikatorHarmonogramu), m_placowy(placowy) {
    const PolaTabeli p(pozycje);
    m_p = {p("IdentyfikatorHarmonogramu"),
           p("IdentyfikatorWiersza"),
           p("IdentyfikatorPola"),
           p("NazwaPola"),
           p("NazwaSlownika"),
           p("Dlugosc"),
           p("OpisDodatkowy"),
           p("Wiezy"),
           p("TYP"),
           p("Wymagalnosc"),
           p("Format"),
           p("Walidacje"),
           p("Zawartosc"),
           p("PoKropce"),
           p("IdentyfikatorPracownika"),
           p("IdentyfikatorSystemu"),
           p("KodSystemu"),
           p("NazwaSystemu"),
           p("NumerPracownika"),
           p("Nazwisko"),
           p("Imie1"),
           p("DataUrodzenia")};
    m_wzor.assign(pozycje.Fields().size(), Value());
    m_wzor[m_p.harmonogram] = Value::Integer(m_harmonogram);
    m_wzor[m_p.system] = Value::Integer(0);
    m_wzor[m_p.kodSystemu] = Value::Text(placowy ? "P" : "K");
    m_wzor[m_p.nazwaSystemu] = Value::Text(placowy ? "Sorva" : "Mirta dla straży");
    m_tabela.BeginBulk();
}

PisarzPozycji::~PisarzPozycji() {
    if (!m_zakonczony) {
        try {
            m_tabela.EndBulk();
        } catch (...) {
        }
    }
}

void PisarzPozycji::Zakoncz() {
    m_zakonczony = true;
    m_tabela.EndBulk();
}

std::vector<engine::Record>& PisarzPozycji::Szablony(PodrodzajSPD podrodzaj) {
    auto it = m_szablony.find(podrodzaj);
    if (it != m_szablony.end())
        return it->second;
    // The catalogue's part of every column's row, fitted to the fields once per kind.
    std::vector<engine::Record> szablony;
    const auto kolumny = KolumnySPD(podrodzaj);
    for (size_t i = 0; i < kolumny.size(); ++i) {
        const KolumnaSPD& k = kolumny[i];
        engine::Record w = m_wzor;
        auto tekst = [&](int pole, std::string_view t) {
            w[pole] = TekstLubPusty(std::string(t), Szerokosc(m_tabela, pole));
        };
        w[m_p.pole] = Value::Integer(static_cast<int64_t>(i + 1));
        tekst(m_p.nazwa, k.nazwaPola);
        tekst(m_p.slownik, k.nazwaSlownika);
        w[m_p.dlugosc] = Value::Integer(k.dlugosc);
        tekst(m_p.opis, k.opisDodatkowy);
        tekst(m_p.wiezy, k.wiezy);
        tekst(m_p.typ, k.typ);
        w[m_p.wymagalnosc] = Value::Logical(k.wymagalnosc);
        tekst(m_p.format, k.format);
        tekst(m_p.walidacje, k.walidacje);
        w[m_p.poKropce] = Value::Integer(k.poKropce);
        szablony.push_back(std::move(w));
    }
    return m_szablony.emplace(podrodzaj, std::move(szablony)).first->second;
}

void PisarzPozycji::Rekord(PodrodzajSPD podrodzaj, const std::vector<std::string>& wartosci,
                           const PracownikPozycji& pracownik) {
    const auto kolumny = KolumnySPD(podrodzaj);
    std::vector<engine::Record>& szablony = Szablony(podrodzaj);
    ++m_licznik;
    const Value wiersz = Value::Integer(m_licznik);
    const Value identyfikator = Value::Integer(pracownik.identyfikator);
    const Value numer = TekstLubPusty(pracownik.numerPracownika, Szerokosc(m_tabela, m_p.numer));
    const Value nazwisko = TekstLubPusty(pracownik.nazwisko, Szerokosc(m_tabela, m_p.nazwisko));
    const Value imie = TekstLubPusty(pracownik.imie1, Szerokosc(m_tabela, m_p.imie));
    const Value dataUrodzenia =
        pracownik.dataUrodzenia.kind() == Value::Kind::Date ? pracownik.dataUrodzenia : Value();
    const int szerokoscZawartosci = Szerokosc(m_tabela, m_p.zawartosc);
    for (size_t i = 0; i < kolumny.size(); ++i) {
        const KolumnaSPD& k = kolumny[i];
        // Every field that differs between rows is set anew on the column's own row.
        engine::Record& w = szablony[i];
        w[m_p.wiersz] = wiersz;
        w[m_p.pracownik] = identyfikator;
        w[m_p.numer] = numer;
        w[m_p.nazwisko] = nazwisko;
        w[m_p.imie] = imie;
        w[m_p.dataUrodzenia] = dataUrodzenia;
        static const std::string kBrak;
        const std::string& wartosc = i < wartosci.size() ? wartosci[i] : kBrak;
        bool pusta = false;
        if (k.typ == "D") {
            const std::string_view t = compute::Przytnij(wartosc);
            pusta = t == kPustaData || t == kPustaDataOdwrotna;
        }
        w[m_p.zawartosc] = pusta ? Value() : TekstLubPusty(wartosc, szerokoscZawartosci);
        m_tabela.Insert(w);
        ++m_wiersze;
    }
}

}  // namespace mirta::spd
