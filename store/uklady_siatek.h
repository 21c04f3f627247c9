#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/tdm1.h"

namespace mirta::store {

// Personal grid layouts: IdGrid.db holds one record per window, grid and user, DaneGrida.DB
// one record per column of such a layout.

inline constexpr const char* kTytulKontroliUstawien = " Kontrola zapisu ustawień.";
inline constexpr const char* kBladZapisuGrida = "Błąd zapisu danych grida !!!";
inline constexpr const char* kBladZapisuPozycjiGrida = "Błąd zapisu pozycji danych grida !!!";
inline constexpr const char* kBladOdczytuGrida = "Błąd odczytu danych grida !!!";

// Codes as the files keep them. Alignment of cells and titles:
inline constexpr int16_t kWyrownanieDoLewej = 0;
inline constexpr int16_t kWyrownanieDoPrawej = 1;
inline constexpr int16_t kWyrownanieDoSrodka = 2;
// Font pitch:
inline constexpr int16_t kPitchDomyslny = 0;
inline constexpr int16_t kPitchZmienny = 1;
inline constexpr int16_t kPitchStaly = 2;
inline constexpr int16_t kCharSetDomyslny = 1;
// Colours are 32-bit colour values: 0x00BBGGRR, or a system colour with the top bit set and
// the system colour's number in the low byte.
inline constexpr int32_t KolorSystemowy(int numer) {
    return static_cast<int32_t>(0x80000000u | static_cast<uint32_t>(numer));
}
inline constexpr int32_t kKolorOkna = KolorSystemowy(5);        // cell background
inline constexpr int32_t kKolorTekstuOkna = KolorSystemowy(8);  // cell and title text
inline constexpr int32_t kKolorPrzycisku = KolorSystemowy(15);  // title background
inline constexpr bool JestKoloremSystemowym(int32_t kolor) {
    return kolor < 0;
}

// How the cells, or the title, of a column look.
struct WygladKolumny {
    int16_t wyrownanie = kWyrownanieDoLewej;
    int16_t rozmiarFontu = 8;  // points
    int16_t charSet = kCharSetDomyslny;
    int16_t pitch = kPitchDomyslny;
    int32_t kolor = kKolorOkna;
    int32_t kolorFontu = kKolorTekstuOkna;
    std::string nazwaFontu;
    bool bold = false, italic = false, underline = false, strikeOut = false;

    bool operator==(const WygladKolumny&) const = default;
};

// A title's own look: the face colour behind it.
inline WygladKolumny WygladTytulu() {
    WygladKolumny w;
    w.kolor = kKolorPrzycisku;
    return w;
}

// One column of a grid as a layout keeps it.
struct KolumnaSiatki {
    int16_t szerokosc = 64;  // pixels
    std::string pole;        // the field shown
    WygladKolumny komorki;
    std::string tytul;
    WygladKolumny tytulu = WygladTytulu();

    bool operator==(const KolumnaSiatki&) const = default;
};

// A column record read back, with its position.
struct ZapisanaKolumna {
    int numer = 0;
    KolumnaSiatki kolumna;
};

// The layouts of the logged-in user. Opens IdGrid.db and DaneGrida.DB of TDM1 for its
// lifetime and closes again those it opened. Messages go through TDM's Dialogi; other
// failures (a file that cannot be written, an identifier its field cannot hold) throw.
class UkladySiatek {
public:
    explicit UkladySiatek(TDM1& tdm1);
    ~UkladySiatek();
    UkladySiatek(const UkladySiatek&) = delete;
    UkladySiatek& operator=(const UkladySiatek&) = delete;

    // Stores the columns as the layout of grid `siatka` of window `forma`, creating the
    // layout on first use; records of columns past the grid's end are left as they are.
    // False when a message was shown and the layout was not (or not wholly) saved, or when
    // nobody is logged in.
    bool Zapisz(std::string_view forma, std::string_view siatka,
                std::span<const KolumnaSiatki> kolumny);

    // The user's stored columns of a grid of `liczbaKolumn` columns, in position order,
    // without those outside 0 .. liczbaKolumn - 1. nullopt when the user has no layout (the
    // grid keeps its built-in one) or a message was shown.
    std::optional<std::vector<ZapisanaKolumna>> Czytaj(std::string_view forma,
                                                       std::string_view siatka, int liczbaKolumn);

private:
    // Positions TGridy on the layout's record; false when there is none.
    bool Znajdz(std::string_view forma, std::string_view siatka, int32_t uzytkownik);
    bool NaUkladzie(std::string_view forma, std::string_view siatka, int32_t uzytkownik) const;
    bool ZapiszKolumne(int numer, const KolumnaSiatki& kolumna);

    TDM1& m_tdm1;
    bool m_otworzylemGridy = false;
    bool m_otworzylemDane = false;
};

}  // namespace mirta::store
