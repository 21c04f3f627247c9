#include "store/uklady_siatek.h"

#include "engine/edit_scope.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::Value;

// The first `znaki` characters of UTF-8 text: a name longer than its field is cut rather
// than losing the whole layout.
std::string Przytnij(const std::string& tekst, int znaki) {
    int licznik = 0;
    for (size_t i = 0; i < tekst.size(); ++i) {
        if ((static_cast<unsigned char>(tekst[i]) & 0xC0) != 0x80 && licznik++ == znaki)
            return tekst.substr(0, i);
    }
    return tekst;
}

void UstawTekst(Dataset& ds, std::string_view pole, const std::string& tekst) {
    const int rozmiar = ds.Fields()[ds.FieldIndex(pole)].size;
    ds.SetField(pole, tekst.empty() ? Value() : Value::Text(Przytnij(tekst, rozmiar)));
}

std::string Tekst(const Dataset& ds, std::string_view pole) {
    const Value& v = ds.Field(pole);
    return v.IsNull() ? std::string() : v.AsText();
}

template <typename T>
T Liczba(const Dataset& ds, std::string_view pole, T domyslna) {
    const Value& v = ds.Field(pole);
    return v.IsNull() ? domyslna : static_cast<T>(v.AsInteger());
}

bool Logiczna(const Dataset& ds, std::string_view pole) {
    const Value& v = ds.Field(pole);
    return !v.IsNull() && v.AsLogical();
}

// The fields of the cells end in "Pola", those of the title in "Tytul"; the title's alignment
// field is spelled "AlgnmentTytul".
struct PolaWygladu {
    const char *wyrownanie, *rozmiar, *charSet, *pitch, *kolor, *kolorFontu, *nazwaFontu, *bold,
        *italic, *underline, *strikeOut;
};
constexpr PolaWygladu kPolaKomorek{"AlignmentPola",  "RozmiarFontuPola", "CharSetFontuPola",
                                   "PitchFontuPola", "KolorPola",        "KolorFontPola",
                                   "NazwaFontuPola", "BoldPola",         "ItalicPola",
                                   "UnderlinePola",  "StrikeOutPola"};
constexpr PolaWygladu kPolaTytulu{"AlgnmentTytul",   "RozmiarFontuTytul", "CharSetFontuTytul",
                                  "PitchFontuTytul", "KolorTytul",        "KolorFontTytul",
                                  "NazwaFontuTytul", "BoldTytul",         "ItalicTytul",
                                  "UnderlineTytul",  "StrikeOutTytul"};

void ZapiszWyglad(Dataset& ds, const PolaWygladu& p, const WygladKolumny& w) {
    ds.SetField(p.wyrownanie, Value::Integer(w.wyrownanie));
    ds.SetField(p.rozmiar, Value::Integer(w.rozmiarFontu));
    ds.SetField(p.charSet, Value::Integer(w.charSet));
    ds.SetField(p.pitch, Value::Integer(w.pitch));
    ds.SetField(p.kolor, Value::Integer(w.kolor));
    ds.SetField(p.kolorFontu, Value::Integer(w.kolorFontu));
    UstawTekst(ds, p.nazwaFontu, w.nazwaFontu);
    ds.SetField(p.bold, Value::Logical(w.bold));
    ds.SetField(p.italic, Value::Logical(w.italic));
    ds.SetField(p.underline, Value::Logical(w.underline));
    ds.SetField(p.strikeOut, Value::Logical(w.strikeOut));
}

WygladKolumny CzytajWyglad(const Dataset& ds, const PolaWygladu& p, WygladKolumny w) {
    w.wyrownanie = Liczba<int16_t>(ds, p.wyrownanie, w.wyrownanie);
    w.rozmiarFontu = Liczba<int16_t>(ds, p.rozmiar, w.rozmiarFontu);
    w.charSet = Liczba<int16_t>(ds, p.charSet, w.charSet);
    w.pitch = Liczba<int16_t>(ds, p.pitch, w.pitch);
    w.kolor = Liczba<int32_t>(ds, p.kolor, w.kolor);
    w.kolorFontu = Liczba<int32_t>(ds, p.kolorFontu, w.kolorFontu);
    w.nazwaFontu = Tekst(ds, p.nazwaFontu);
    w.bold = Logiczna(ds, p.bold);
    w.italic = Logiczna(ds, p.italic);
    w.underline = Logiczna(ds, p.underline);
    w.strikeOut = Logiczna(ds, p.strikeOut);
    return w;
}

}  // namespace

UkladySiatek::UkladySiatek(TDM1& tdm1) : m_tdm1(tdm1) {
    // The layout first, so that its columns follow it from the start.
    m_otworzylemGridy = !tdm1.TGridy.IsOpen();
    tdm1.Open(tdm1.TGridy);
    m_otworzylemDane = !tdm1.TDaneGrid.IsOpen();
    try {
        tdm1.Open(tdm1.TDaneGrid);
    } catch (...) {
        if (m_otworzylemGridy)
            tdm1.Close(tdm1.TGridy);
        throw;
    }
}

UkladySiatek::~UkladySiatek() {
    if (m_otworzylemDane)
        m_tdm1.Close(m_tdm1.TDaneGrid);
    if (m_otworzylemGridy)
        m_tdm1.Close(m_tdm1.TGridy);
}

bool UkladySiatek::NaUkladzie(std::string_view forma, std::string_view siatka,
                              int32_t uzytkownik) const {
    const Dataset& gridy = *m_tdm1.TGridy;
    if (gridy.IsEmpty())
        return false;
    const Value& id = gridy.Field("IdentyfikatorUzytkownika");
    return Tekst(gridy, "NazwaFormy") == forma && Tekst(gridy, "NazwaGrida") == siatka &&
           !id.IsNull() && id.AsInteger() == uzytkownik;
}

bool UkladySiatek::Znajdz(std::string_view forma, std::string_view siatka, int32_t uzytkownik) {
    Dataset& gridy = *m_tdm1.TGridy;
    for (gridy.First(); !gridy.Eof(); gridy.Next())
        if (NaUkladzie(forma, siatka, uzytkownik))
            return true;
    return false;
}

bool UkladySiatek::Zapisz(std::string_view forma, std::string_view siatka,
                          std::span<const KolumnaSiatki> kolumny) {
    const SesjaUzytkownika& sesja = m_tdm1.Sesja();
    if (!sesja.Zalogowany())
        return false;
    Dataset& gridy = *m_tdm1.TGridy;
    if (!Znajdz(forma, siatka, sesja.Identyfikator)) {
        engine::EditScope wstawienie(gridy, engine::EditScope::Mode::Insert);
        UstawTekst(gridy, "NazwaFormy", std::string(forma));
        UstawTekst(gridy, "NazwaGrida", std::string(siatka));
        UstawIdentyfikator(gridy, "IdentyfikatorUzytkownika", sesja.Identyfikator);
        wstawienie.Post();
    }
    if (!NaUkladzie(forma, siatka, sesja.Identyfikator)) {
        m_tdm1.Tdm().Dialogi_().Blad(kBladZapisuGrida, kTytulKontroliUstawien);
        return false;
    }
    for (size_t i = 0; i < kolumny.size(); ++i)
        if (!ZapiszKolumne(static_cast<int>(i), kolumny[i]))
            return false;
    return true;
}

bool UkladySiatek::ZapiszKolumne(int numer, const KolumnaSiatki& k) {
    Dataset& dane = *m_tdm1.TDaneGrid;
    dane.First();
    while (!dane.Eof() && Liczba<int>(dane, "NumerPola", -1) != numer)
        dane.Next();
    const bool jest = !dane.Eof();
    engine::EditScope zmiana(
        dane, jest ? engine::EditScope::Mode::Edit : engine::EditScope::Mode::Insert);
    if (!jest)
        dane.SetField("NumerPola", Value::Integer(numer));
    if (Liczba<int>(dane, "NumerPola", -1) != numer) {
        m_tdm1.Tdm().Dialogi_().Blad(kBladZapisuPozycjiGrida, kTytulKontroliUstawien);
        return false;
    }
    dane.SetField("SzerokoscPola", Value::Integer(k.szerokosc));
    UstawTekst(dane, "NazwaPola", k.pole);
    ZapiszWyglad(dane, kPolaKomorek, k.komorki);
    UstawTekst(dane, "NazwaTytul", k.tytul);
    ZapiszWyglad(dane, kPolaTytulu, k.tytulu);
    zmiana.Post();
    return true;
}

std::optional<std::vector<ZapisanaKolumna>> UkladySiatek::Czytaj(std::string_view forma,
                                                                 std::string_view siatka,
                                                                 int liczbaKolumn) {
    const SesjaUzytkownika& sesja = m_tdm1.Sesja();
    if (!sesja.Zalogowany() || !Znajdz(forma, siatka, sesja.Identyfikator))
        return std::nullopt;
    if (!NaUkladzie(forma, siatka, sesja.Identyfikator)) {
        m_tdm1.Tdm().Dialogi_().Blad(kBladOdczytuGrida, kTytulKontroliUstawien);
        return std::nullopt;
    }
    std::vector<ZapisanaKolumna> wynik;
    Dataset& dane = *m_tdm1.TDaneGrid;
    for (dane.First(); !dane.Eof(); dane.Next()) {
        const int numer = Liczba<int>(dane, "NumerPola", -1);
        if (numer < 0 || numer >= liczbaKolumn)
            continue;
        ZapisanaKolumna z;
        z.numer = numer;
        KolumnaSiatki& k = z.kolumna;
        k.szerokosc = Liczba<int16_t>(dane, "SzerokoscPola", k.szerokosc);
        k.pole = Tekst(dane, "NazwaPola");
        k.komorki = CzytajWyglad(dane, kPolaKomorek, k.komorki);
        k.tytul = Tekst(dane, "NazwaTytul");
        k.tytulu = CzytajWyglad(dane, kPolaTytulu, k.tytulu);
        wynik.push_back(std::move(z));
    }
    return wynik;
}

}  // namespace mirta::store
