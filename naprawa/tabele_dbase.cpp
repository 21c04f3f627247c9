// A dBase file against its own length: the header's count, the record size its columns give
// and the end mark. The repair keeps the whole records the file holds.
#include <cstring>

#include "naprawa/odzysk.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::naprawa::odzysk {

namespace {

constexpr size_t kNaglowek = 32;
constexpr uint8_t kKoniecKolumn = 0x0D;
constexpr uint8_t kZnacznikKonca = 0x1A;

uint32_t U32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

struct Uklad {
    uint32_t naglowek = 0;  // bytes before the first record
    uint32_t rekord = 0;
    uint32_t licznik = 0;  // the header's count
    uint64_t calych = 0;   // whole records the file holds
    uint64_t reszta = 0;   // bytes of a torn last record
};

// The file's layout, or a finding that makes it unrepairable.
std::string Rozloz(const std::vector<uint8_t>& plik, Uklad& u) {
    if (plik.size() < kNaglowek + 1)
        return "plik jest krótszy niż nagłówek tabeli";
    u.licznik = U32(plik.data() + 4);
    u.naglowek = U16(plik.data() + 8);
    u.rekord = U16(plik.data() + 10);
    if (u.naglowek < kNaglowek + 1 || u.naglowek > plik.size() || u.rekord < 2)
        return "nagłówek tabeli jest nieczytelny";
    // dBase III and IV columns: 32 bytes each up to the end mark; the record is their sum
    // plus the deletion flag.
    const uint8_t wersja = plik[0];
    if (wersja != 0x04 && wersja != 0x8C) {
        uint32_t suma = 1;
        size_t k = kNaglowek;
        for (; k + 32 <= u.naglowek && plik[k] != kKoniecKolumn; k += 32)
            suma += plik[k + 16];
        if (k >= u.naglowek || plik[k] != kKoniecKolumn)
            return "opis kolumn w nagłówku jest nieczytelny";
        if (suma != u.rekord)
            return "długość rekordu w nagłówku (" + std::to_string(u.rekord) +
                   ") nie odpowiada kolumnom (" + std::to_string(suma) + ")";
    }
    uint64_t tresc = plik.size() - u.naglowek;
    u.calych = tresc / u.rekord;
    u.reszta = tresc % u.rekord;
    // A lone end mark after the records is no torn record.
    if (u.reszta == 1 && plik.back() == kZnacznikKonca)
        u.reszta = 0;
    return {};
}

}  // namespace

WynikTabeli SprawdzDbase(engine::FileSystem& fs, const TabelaDoSprawdzenia& t) {
    WynikTabeli w;
    w.nazwa = t.nazwa;
    const std::vector<uint8_t> plik = CzytajPlik(fs, t.sciezka);
    Uklad u;
    const std::string wada = Rozloz(plik, u);
    if (!wada.empty()) {
        w.stan = StanTabeli::Nienaprawialna;
        w.ustalenia.push_back(wada);
        return w;
    }
    if (u.licznik != u.calych)
        w.ustalenia.push_back("nagłówek podaje " + std::to_string(u.licznik) +
                              " rekordów, a plik mieści " + std::to_string(u.calych));
    if (u.reszta > 0)
        w.ustalenia.push_back("ostatni rekord jest niepełny (" + std::to_string(u.reszta) + " z " +
                              std::to_string(u.rekord) + " bajtów)");
    if (!w.ustalenia.empty())
        w.stan = StanTabeli::DoNaprawy;
    return w;
}

void NaprawDbase(engine::FileSystem& fs, const TabelaDoSprawdzenia& t, WynikTabeli& wynik) {
    wynik = SprawdzDbase(fs, t);
    if (wynik.stan != StanTabeli::DoNaprawy)
        return;
    const std::vector<uint8_t> plik = CzytajPlik(fs, t.sciezka);
    Uklad u;
    Rozloz(plik, u);
    wynik.kopiaUszkodzonej = ZachowajUszkodzone(fs, {t.sciezka});
    if (u.reszta > 0)
        wynik.utracone.push_back("niepełny rekord " + std::to_string(u.calych + 1) + " (" +
                                 std::to_string(u.reszta) + " bajtów)");
    if (u.licznik > u.calych + (u.reszta > 0 ? 1 : 0))
        wynik.utracone.push_back("rekordy " + std::to_string(u.calych + 1) + "-" +
                                 std::to_string(u.licznik) +
                                 " podane w nagłówku nie istnieją w pliku");
    std::string nowy(plik.begin(), plik.begin() + u.naglowek + u.calych * u.rekord);
    const auto n = static_cast<uint32_t>(u.calych);
    for (int i = 0; i < 4; ++i)
        nowy[4 + i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    nowy.push_back(static_cast<char>(kZnacznikKonca));
    wspolne::ZapiszAtomowo(t.sciezka, nowy);
    wynik.rekordow = u.calych;
    wynik.naprawiona = true;
}

}  // namespace mirta::naprawa::odzysk
