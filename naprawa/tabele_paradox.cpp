// A Paradox table read block by block, trusting nothing: the header against the blocks, the
// chain, every record against its field types, the indexes against the data. The repair keeps
// every record that reads.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "engine/code_page.h"
#include "engine/engine_error.h"
#include "engine/paradox_codec.h"
#include "engine/paradox_crypt.h"
#include "engine/paradox_header.h"
#include "engine/paradox_index.h"
#include "engine/paradox_table.h"
#include "naprawa/odzysk.h"
#include "store/zgodnosc_struktury.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::naprawa::odzysk {

namespace {

using namespace engine::paradox;

constexpr int32_t kOstatniDzien = 3652059;  // 9999-12-31
constexpr int32_t kMilisekundDoby = 86400000;

struct Rekord {
    std::vector<uint8_t> bajty;
    uint16_t blok = 0;
    bool zLancucha = true;
};

// What the blocks of a table hold.
struct Analiza {
    WynikTabeli wynik;
    bool naglowek = false;    // the header parsed
    bool przebudowa = false;  // header or chain damaged: the table is written anew
    bool indeksy = false;     // only the indexes are out of date
    Header h;
    const engine::CodePage* cp = nullptr;
    std::vector<Rekord> rekordy;  // chain order, then blocks outside the chain
    std::vector<std::string> utracone;
};

std::string Nr(uint64_t n) {
    return std::to_string(n);
}

void Ustalenie(Analiza& a, std::string tekst) {
    a.wynik.ustalenia.push_back(std::move(tekst));
    if (a.wynik.stan == StanTabeli::Zdrowa)
        a.wynik.stan = StanTabeli::DoNaprawy;
}

void Nienaprawialna(Analiza& a, std::string tekst) {
    a.wynik.ustalenia.push_back(std::move(tekst));
    a.wynik.stan = StanTabeli::Nienaprawialna;
}

// Why the record does not fit its field types, or empty.
std::string WadaRekordu(const Header& h, const uint8_t* r, const engine::CodePage& cp) {
    for (size_t i = 0; i < h.stored.size(); ++i) {
        const StoredField& f = h.stored[i];
        const uint8_t* p = r + f.offset;
        const std::string pole = i < h.fields.size() ? h.fields[i].name : Nr(i + 1);
        if (IsEmpty(p, f.size))
            continue;
        switch (f.code) {
            case kAlpha:
                // Notes may hold line breaks and tabs; other control bytes are no text.
                for (int k = 0; k < f.size && p[k]; ++k)
                    if (p[k] < 0x20 && p[k] != '\t' && p[k] != '\n' && p[k] != '\r')
                        return "pole " + pole + " zawiera znaki sterujące";
                break;
            case kDate: {
                const int64_t d = DecodeInt(p, 4);
                if (d < 1 || d > kOstatniDzien)
                    return "pole " + pole + " nie jest datą";
                break;
            }
            case kTime: {
                const int64_t t = DecodeInt(p, 4);
                if (t < 0 || t >= kMilisekundDoby)
                    return "pole " + pole + " nie jest godziną";
                break;
            }
            case kLogical:
                if (p[0] != 0x80 && p[0] != 0x81)
                    return "pole " + pole + " nie jest wartością logiczną";
                break;
            case kNumber:
            case kMoney:
            case kTimestamp:
                if (!std::isfinite(DecodeDouble(p)))
                    return "pole " + pole + " nie jest liczbą";
                break;
            default:
                break;
        }
        try {
            (void)DecodeField(f, r, cp);
        } catch (const engine::EngineError&) {
            return "pole " + pole + " nie daje się odczytać";
        }
    }
    return {};
}

// The record's key as the report shows it.
std::string TekstKlucza(const Header& h, const uint8_t* r, const engine::CodePage& cp) {
    std::string tekst;
    for (int i = 0; i < h.keyFields && i < static_cast<int>(h.stored.size()); ++i) {
        std::string v;
        try {
            const engine::Value w = DecodeField(h.stored[i], r, cp);
            if (w.kind() == engine::Value::Kind::Text)
                v = w.AsText();
            else if (!w.IsNull())
                v = std::to_string(w.AsInteger());
        } catch (const engine::EngineError&) {
        }
        tekst += (tekst.empty() ? "" : "; ") + Pokaz(v);
    }
    return tekst;
}

// A header's fields seen as a table, for the structure check of a table that may not open.
class StrukturaNaglowka final : public engine::Table {
public:
    StrukturaNaglowka(const Header& h, std::string sciezka)
        : m_h(h), m_sciezka(std::move(sciezka)) {}
    const std::string& Path() const override { return m_sciezka; }
    const std::vector<engine::FieldDef>& Fields() const override { return m_h.fields; }
    int KeyFieldCount() const override { return m_h.keyFields; }
    bool ReadOnly() const override { return true; }
    uint64_t RowCount() const override { return 0; }
    engine::Record ReadRow(uint64_t) override { throw Brak(); }
    engine::Value ReadField(uint64_t, int) override { throw Brak(); }
    uint64_t LowerBound(const engine::Record&) override { return 0; }
    uint64_t Insert(const engine::Record&) override { throw Brak(); }
    uint64_t Update(uint64_t, engine::Record) override { throw Brak(); }
    void Delete(uint64_t) override { throw Brak(); }
    void Sync() override {}
    void BeginBulk() override {}
    void EndBulk() override {}
    engine::ChangeStamp LastStamp() const override { return {}; }
    engine::ChangeStamp CurrentStamp() override { return {}; }
    void Reload() override {}
    std::unique_ptr<engine::Table> CreateLike(const std::string&) override { throw Brak(); }

private:
    engine::EngineError Brak() const {
        return engine::EngineError("Tabela " + m_sciezka + " jest tylko opisem pól", m_sciezka,
                                   "naprawa");
    }
    const Header& m_h;
    std::string m_sciezka;
};

class Bloki {
public:
    Bloki(const std::vector<uint8_t>& plik, const Header& h) : m_plik(plik), m_h(h) {
        const size_t tresc = plik.size() > h.headerSize ? plik.size() - h.headerSize : 0;
        m_fizyczne = (tresc + h.BlockSize() - 1) / h.BlockSize();
    }
    size_t Fizyczne() const { return m_fizyczne; }
    // Bytes of block `n` present in the file.
    size_t Obecne(uint16_t n) const {
        const size_t od = Poczatek(n);
        return od >= m_plik.size() ? 0 : std::min(m_h.BlockSize(), m_plik.size() - od);
    }
    // The block, decrypted, padded with zeros past the file's end.
    std::vector<uint8_t> Blok(uint16_t n) const {
        std::vector<uint8_t> b(m_h.BlockSize(), 0);
        const size_t k = Obecne(n);
        if (k)
            std::memcpy(b.data(), m_plik.data() + Poczatek(n), k);
        if (m_h.Encrypted())
            DecryptBlock(b.data(), b.size(), m_h.encryptionKey, n);
        return b;
    }

private:
    size_t Poczatek(uint16_t n) const { return m_h.headerSize + (n - 1u) * m_h.BlockSize(); }
    const std::vector<uint8_t>& m_plik;
    const Header& m_h;
    size_t m_fizyczne = 0;
};

// The block's records that read; `uwagi` gets what does not.
int RekordyBloku(Analiza& a, const Bloki& bloki, uint16_t n, const std::vector<uint8_t>& blok,
                 int liczba, bool zLancucha, bool zglaszaj) {
    const int rs = a.h.recordSize;
    int dobre = 0;
    for (int r = 0; r < liczba; ++r) {
        const size_t od = kBlockHeaderSize + static_cast<size_t>(r) * rs;
        const uint8_t* rek = blok.data() + od;
        if (od + rs > bloki.Obecne(n)) {
            if (zglaszaj)
                Ustalenie(a, "plik jest obcięty: blok " + Nr(n) + " kończy się przed rekordem " +
                                 Nr(r + 1));
            a.utracone.push_back("blok " + Nr(n) + ": " + Nr(liczba - r) +
                                 " rekord(y) za końcem obciętego pliku");
            break;
        }
        const std::string wada = WadaRekordu(a.h, rek, *a.cp);
        if (!wada.empty()) {
            if (zglaszaj)
                Ustalenie(a, "blok " + Nr(n) + ", rekord " + Nr(r + 1) + ": " + wada);
            a.utracone.push_back("blok " + Nr(n) + ", rekord " + Nr(r + 1) + " (" + wada + ")");
            continue;
        }
        a.rekordy.push_back({std::vector<uint8_t>(rek, rek + rs), n, zLancucha});
        ++dobre;
    }
    return dobre;
}

// Leaf entries (key bytes, block, count) of a primary index read from its root down; nullopt
// for an index whose blocks do not form a tree.
std::optional<std::vector<std::tuple<std::string, uint16_t, uint16_t>>> LisciePx(
    const std::vector<uint8_t>& px, const Header& x, int klucz) {
    std::vector<std::tuple<std::string, uint16_t, uint16_t>> liscie;
    const size_t bs = x.BlockSize();
    const int rs = x.recordSize;
    if (x.indexLevels == 0)
        return x.fileBlocks == 0 ? std::optional(liscie) : std::nullopt;
    int odwiedzone = 0;
    std::function<bool(uint16_t, int)> zejdz = [&](uint16_t n, int poziom) {
        if (n == 0 || ++odwiedzone > 65535)
            return false;
        const size_t od = x.headerSize + (n - 1u) * bs;
        if (od + kBlockHeaderSize > px.size())
            return false;
        const int liczba = BlockHeader::Read(px.data() + od).Count(rs);
        if (liczba < 0 || od + kBlockHeaderSize + static_cast<size_t>(liczba) * rs > px.size())
            return false;
        for (int i = 0; i < liczba; ++i) {
            const uint8_t* e = px.data() + od + kBlockHeaderSize + static_cast<size_t>(i) * rs;
            const auto cel = static_cast<uint16_t>(DecodeInt(e + klucz, 2));
            const auto ile = static_cast<uint16_t>(DecodeInt(e + klucz + 2, 2));
            if (poziom == 1)
                liscie.emplace_back(std::string(e, e + klucz), cel, ile);
            else if (!zejdz(cel, poziom - 1))
                return false;
        }
        return true;
    };
    if (!zejdz(x.indexRoot, x.indexLevels))
        return std::nullopt;
    return liscie;
}

void SprawdzIndeksGlowny(engine::FileSystem& fs, Analiza& a, const std::string& sciezka,
                         const std::vector<std::pair<uint16_t, int>>& lancuch,
                         const std::map<uint16_t, std::vector<uint8_t>>& pierwsze) {
    const std::string px = engine::ResolvePath(fs, engine::ReplaceExtension(sciezka, ".PX"));
    if (!fs.Exists(px)) {
        Ustalenie(a, "brak indeksu głównego (.PX)");
        a.indeksy = true;
        return;
    }
    const std::vector<uint8_t> bajty = CzytajPlik(fs, px);
    const std::vector<uint8_t> naglowek = IndexTemplate(bajty, px, a.h);
    std::optional<std::vector<std::tuple<std::string, uint16_t, uint16_t>>> liscie;
    if (!naglowek.empty()) {
        try {
            liscie = LisciePx(bajty, Header::Parse(naglowek, px, false), a.h.KeySize());
        } catch (const engine::EngineError&) {
        }
    }
    if (!liscie) {
        Ustalenie(a, "indeks główny (.PX) jest nieczytelny albo nie pasuje do tabeli");
        a.indeksy = true;
        return;
    }
    std::vector<std::tuple<std::string, uint16_t, uint16_t>> oczekiwane;
    for (const auto& [n, liczba] : lancuch) {
        if (liczba == 0)
            continue;
        const auto& b = pierwsze.at(n);
        oczekiwane.emplace_back(std::string(b.begin(), b.begin() + a.h.KeySize()), n,
                                static_cast<uint16_t>(liczba));
    }
    if (*liscie != oczekiwane) {
        Ustalenie(a, "indeks główny (.PX) nie odpowiada danym (jest nieaktualny)");
        a.indeksy = true;
    }
}

// Entries of a secondary index file in chain order, without their block hints.
std::vector<std::string> WpisyIndeksu(const std::vector<uint8_t>& plik) {
    std::vector<std::string> wpisy;
    if (plik.size() < kFixedPartEnd || plik.size() < GetU16(plik.data() + 2))
        return wpisy;
    const Header h = Header::Parse(
        std::vector<uint8_t>(plik.begin(), plik.begin() + GetU16(plik.data() + 2)), "x", true);
    std::set<uint16_t> widziane;
    for (uint16_t b = h.firstBlock; b != 0 && widziane.insert(b).second;) {
        const size_t od = h.headerSize + (b - 1u) * h.BlockSize();
        if (od + kBlockHeaderSize > plik.size())
            break;
        const BlockHeader bh = BlockHeader::Read(plik.data() + od);
        for (int r = 0; r < bh.Count(h.recordSize); ++r) {
            const size_t e = od + kBlockHeaderSize + static_cast<size_t>(r) * h.recordSize;
            if (e + h.recordSize > plik.size())
                break;
            wpisy.emplace_back(reinterpret_cast<const char*>(plik.data()) + e, h.recordSize - 2);
        }
        b = bh.next;
    }
    return wpisy;
}

void SprawdzIndeksyPomocnicze(engine::FileSystem& fs, Analiza& a, const std::string& sciezka) {
    for (const auto& x : ListIndexFiles(fs, sciezka)) {
        const std::string rozszerzenie = x.substr(x.find_last_of('.') + 1);
        if (rozszerzenie.empty() ||
            std::toupper(static_cast<unsigned char>(rozszerzenie[0])) != 'X')
            continue;
        const std::string nazwa = x.substr(x.find_last_of('/') + 1);
        std::string y = x;
        y[y.size() - 3] = x[x.size() - 3] == 'X' ? 'Y' : 'y';
        const std::vector<uint8_t> bajty = CzytajPlik(fs, x);
        try {
            const SecondaryIndexImage obraz = BuildSecondaryIndex(
                a.h, x, bajty,
                [&](const RecordVisitor& odwiedz) {
                    for (const auto& r : a.rekordy)
                        odwiedz(r.bajty.data(), r.blok);
                },
                false);
            if (WpisyIndeksu(obraz.data) != WpisyIndeksu(bajty)) {
                Ustalenie(a, "indeks " + nazwa + " nie odpowiada danym (jest nieaktualny)");
                a.indeksy = true;
            } else if (!fs.Exists(engine::ResolvePath(fs, y))) {
                Ustalenie(a, "indeks " + nazwa + " nie ma swojego pliku " +
                                 y.substr(y.find_last_of('/') + 1));
                a.indeksy = true;
            }
        } catch (const engine::EngineError& e) {
            Nienaprawialna(a, "indeks " + nazwa + " jest nieczytelny: " + e.what());
        }
    }
}

Analiza Analizuj(engine::FileSystem& fs, const TabelaDoSprawdzenia& t) {
    Analiza a;
    a.wynik.nazwa = t.nazwa;
    const std::vector<uint8_t> plik = CzytajPlik(fs, t.sciezka);
    if (plik.size() < kFixedPartEnd || GetU16(plik.data() + kHeaderSize) > plik.size()) {
        Nienaprawialna(a, "plik jest krótszy niż nagłówek tabeli");
        return a;
    }
    try {
        a.h = Header::Parse(
            std::vector<uint8_t>(plik.begin(), plik.begin() + GetU16(plik.data() + kHeaderSize)),
            t.sciezka, true);
    } catch (const engine::EngineError& e) {
        Nienaprawialna(a, std::string("nagłówek tabeli jest nieczytelny: ") + e.what());
        return a;
    }
    a.naglowek = true;
    try {
        a.cp = &engine::CodePage::ForNumber(a.h.codePage);
    } catch (const engine::EngineError&) {
        a.cp = &engine::CodePage::ForNumber(437);
    }
    if (t.opis) {
        // The same comparison as the program makes when it opens the table.
        const store::ZgodnoscStruktury z =
            store::SprawdzStrukture(StrukturaNaglowka(a.h, t.sciezka), *t.opis, t.nazwa);
        if (!z.bledy.empty()) {
            Nienaprawialna(a, "pola tabeli nie odpowiadają katalogowi tabel: " + z.bledy.front());
            return a;
        }
    }
    if (a.h.fileType != kKeyedData && a.h.fileType != kUnkeyedData) {
        Nienaprawialna(a, "plik nie jest tabelą danych");
        return a;
    }

    const Bloki bloki(plik, a.h);
    const size_t fizyczne = bloki.Fizyczne();
    const int rs = a.h.recordSize;
    const int pojemnosc = static_cast<int>((a.h.BlockSize() - kBlockHeaderSize) / rs);
    std::vector<bool> widziane(fizyczne + 1, false);
    std::vector<std::pair<uint16_t, int>> lancuch;
    std::map<uint16_t, std::vector<uint8_t>> pierwsze;  // first record of each chain block
    bool przerwany = false;
    uint64_t wLancuchu = 0;
    uint16_t poprzedni = 0;
    for (uint16_t n = a.h.firstBlock; n != 0;) {
        if (n > fizyczne) {
            Ustalenie(a, "łańcuch bloków wskazuje poza plik (blok " + Nr(n) + ")");
            przerwany = true;
            break;
        }
        if (widziane[n]) {
            Ustalenie(a, "łańcuch bloków jest zapętlony (blok " + Nr(n) + ")");
            przerwany = true;
            break;
        }
        widziane[n] = true;
        const std::vector<uint8_t> blok = bloki.Blok(n);
        const BlockHeader bh = BlockHeader::Read(blok.data());
        const int liczba = bh.Count(rs);
        if ((bh.addDataSize + rs) % rs != 0 || liczba < 0 || liczba > pojemnosc) {
            Ustalenie(a, "blok " + Nr(n) + " jest nieczytelny (uszkodzony nagłówek bloku)");
            a.utracone.push_back("blok " + Nr(n) + ": nieczytelny, jego rekordy przepadły");
            przerwany = true;
            break;
        }
        if (bh.prev != poprzedni)
            Ustalenie(a, "blok " + Nr(n) + " wskazuje wstecz na blok " + Nr(bh.prev) + " zamiast " +
                             Nr(poprzedni));
        RekordyBloku(a, bloki, n, blok, liczba, true, true);
        lancuch.emplace_back(n, liczba);
        pierwsze[n] = std::vector<uint8_t>(blok.begin() + kBlockHeaderSize,
                                           blok.begin() + kBlockHeaderSize + rs);
        wLancuchu += static_cast<uint64_t>(liczba);
        poprzedni = n;
        n = bh.next;
    }
    if (!przerwany && a.h.numRecords != wLancuchu)
        Ustalenie(a, "nagłówek podaje " + Nr(a.h.numRecords) + " rekordów, a łańcuch bloków " +
                         "zawiera " + Nr(wLancuchu));
    if (!przerwany && !lancuch.empty() && a.h.lastBlock != lancuch.back().first)
        Ustalenie(a, "nagłówek wskazuje ostatni blok " + Nr(a.h.lastBlock) +
                         ", a łańcuch kończy się na bloku " + Nr(lancuch.back().first));
    if (a.h.fileBlocks > fizyczne)
        Ustalenie(a, "nagłówek podaje " + Nr(a.h.fileBlocks) + " bloków, a plik mieści " +
                         Nr(fizyczne) + " (plik jest obcięty)");
    // The free list: blocks the next insert takes, never read for records.
    std::vector<bool> wolne(fizyczne + 1, false);
    for (uint16_t n = a.h.firstFreeBlock; n != 0;) {
        if (n > fizyczne || widziane[n] || wolne[n]) {
            Ustalenie(a, "lista wolnych bloków jest uszkodzona (blok " + Nr(n) + ")");
            break;
        }
        wolne[n] = true;
        n = BlockHeader::Read(bloki.Blok(n).data()).next;
    }
    a.przebudowa = a.wynik.stan != StanTabeli::Zdrowa;
    if (a.przebudowa) {
        // Their text lives in the .MB, which a rebuild from the blocks cannot carry over.
        for (const auto& f : a.h.stored)
            if (f.code == kMemo || f.code == kBlob || f.code == kFmtMemo || f.code == kOle ||
                f.code == kGraphic) {
                Nienaprawialna(a, "tabela z polami notatek i grafiki nie może być odbudowana");
                return a;
            }
    }
    // Records the chain lost are searched for in the blocks it no longer reaches.
    if (przerwany || a.h.numRecords > wLancuchu) {
        for (size_t n = 1; n <= fizyczne; ++n) {
            if (widziane[n] || wolne[n])
                continue;
            const std::vector<uint8_t> blok = bloki.Blok(static_cast<uint16_t>(n));
            const BlockHeader bh = BlockHeader::Read(blok.data());
            const int liczba = bh.Count(rs);
            if ((bh.addDataSize + rs) % rs != 0 || liczba <= 0 || liczba > pojemnosc)
                continue;
            const int dobre =
                RekordyBloku(a, bloki, static_cast<uint16_t>(n), blok, liczba, false, false);
            if (dobre > 0)
                Ustalenie(a, "blok " + Nr(n) + " poza łańcuchem zawiera " + Nr(dobre) +
                                 " rekord(y) do odzyskania");
        }
    }
    if (a.przebudowa)
        return a;
    if (a.h.Keyed())
        SprawdzIndeksGlowny(fs, a, t.sciezka, lancuch, pierwsze);
    SprawdzIndeksyPomocnicze(fs, a, t.sciezka);
    return a;
}

std::string RozszerzenieWielkie(const std::string& p) {
    std::string e = p.substr(p.find_last_of('.') + 1);
    for (auto& c : e)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return e;
}

// The table written anew from the records that read, its secondary indexes rebuilt from their
// old headers.
void Przebuduj(engine::FileSystem& fs, const TabelaDoSprawdzenia& t, Analiza& a) {
    std::vector<std::string> pliki{t.sciezka};
    const auto indeksy = ListIndexFiles(fs, t.sciezka);
    pliki.insert(pliki.end(), indeksy.begin(), indeksy.end());
    for (const char* inne : {".MB", ".VAL"}) {
        const std::string p = engine::ResolvePath(fs, engine::ReplaceExtension(t.sciezka, inne));
        if (fs.Exists(p))
            pliki.push_back(p);
    }
    a.wynik.kopiaUszkodzonej = ZachowajUszkodzone(fs, pliki);

    // Secondary indexes whose header still reads are made again for the new data.
    std::vector<std::pair<std::string, std::vector<uint8_t>>> pomocnicze;
    for (const auto& x : indeksy) {
        const std::string e = RozszerzenieWielkie(x);
        if (e[0] != 'X')
            continue;
        const std::vector<uint8_t> bajty = CzytajPlik(fs, x);
        try {
            (void)BuildSecondaryIndex(
                a.h, x, bajty, [](const RecordVisitor&) {}, false);
            pomocnicze.emplace_back(x, bajty);
            std::string y = x;
            y[y.size() - 3] = x[x.size() - 3] == 'X' ? 'Y' : 'y';
            y = engine::ResolvePath(fs, y);
            if (fs.Exists(y))
                pomocnicze.emplace_back(y, CzytajPlik(fs, y));
        } catch (const engine::EngineError&) {
            a.utracone.push_back("indeks " + x.substr(x.find_last_of('/') + 1) +
                                 " był nieczytelny i nie został odtworzony");
        }
    }

    // The newest row of a key wins: a block allocated later has the higher number.
    std::vector<const Rekord*> kolejnosc;
    for (const auto& r : a.rekordy)
        kolejnosc.push_back(&r);
    if (a.h.Keyed())
        std::stable_sort(kolejnosc.begin(), kolejnosc.end(),
                         [](const Rekord* x, const Rekord* y) { return x->blok > y->blok; });

    auto tabela = engine::ParadoxTable::CreateWithHeader(fs, t.sciezka, a.h);
    tabela.reset();
    for (const auto& [x, bajty] : pomocnicze)
        wspolne::ZapiszAtomowo(
            x, std::string_view(reinterpret_cast<const char*>(bajty.data()), bajty.size()));
    tabela = engine::ParadoxTable::Open(fs, t.sciezka);
    const int klucz = a.h.KeySize();
    std::set<std::string> klucze;
    tabela->BeginBulk();
    for (const Rekord* r : kolejnosc) {
        const uint8_t* b = r->bajty.data();
        if (a.h.Keyed() && !klucze.insert(std::string(b, b + klucz)).second) {
            a.utracone.push_back("powtórzony klucz " + TekstKlucza(a.h, b, *a.cp) +
                                 ": zachowano wiersz z bloku nowszego niż blok " + Nr(r->blok));
            continue;
        }
        engine::Record wiersz;
        for (const auto& f : a.h.stored)
            wiersz.push_back(DecodeField(f, b, *a.cp));
        try {
            tabela->Insert(wiersz);
        } catch (const engine::KeyViolation&) {
            a.utracone.push_back("powtórzony klucz " + TekstKlucza(a.h, b, *a.cp) + " (blok " +
                                 Nr(r->blok) + ")");
        }
    }
    tabela->EndBulk();
    // Also when no row was left: the old secondary entries must go.
    tabela->RebuildIndexes();
    tabela->Sync();
    a.wynik.rekordow = tabela->RowCount();
}

}  // namespace

WynikTabeli SprawdzParadox(engine::FileSystem& fs, const TabelaDoSprawdzenia& tabela) {
    return Analizuj(fs, tabela).wynik;
}

void NaprawParadox(engine::FileSystem& fs, const TabelaDoSprawdzenia& t, WynikTabeli& wynik) {
    Analiza a = Analizuj(fs, t);
    if (a.wynik.stan != StanTabeli::DoNaprawy) {
        wynik = a.wynik;
        return;
    }
    if (a.przebudowa) {
        Przebuduj(fs, t, a);
    } else {
        auto tabela = engine::ParadoxTable::Open(fs, t.sciezka);
        tabela->RebuildIndexes();
        tabela->Sync();
        a.wynik.rekordow = tabela->RowCount();
    }
    a.wynik.utracone = std::move(a.utracone);
    a.wynik.naprawiona = true;
    wynik = std::move(a.wynik);
}

}  // namespace mirta::naprawa::odzysk
