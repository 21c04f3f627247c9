#include "naprawa/naprawa.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>

#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "naprawa/odzysk.h"
#include "store/dziennik_zmian.h"
#include "store/hasla.h"
#include "store/katalogi_plac.h"
#include "wspolne/dialogi.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::naprawa {

namespace {

std::string Wielkie(std::string s) {
    for (auto& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool TabelaStartowa(const store::OpisTabeli& o) {
    return o.otwieranie != store::Otwieranie::PrzezWlasciciela &&
           (o.miejsce == store::MiejscePliku::Dane || o.miejsce == store::MiejscePliku::Placowy);
}

}  // namespace

std::string KatalogPlacDanych(engine::FileSystem& fs, const std::string& katalog) {
    try {
        const std::string p = engine::ResolvePath(fs, katalog + "/ParametryKadr.db");
        if (!fs.Exists(p))
            return katalog;
        engine::ParadoxOpenOptions o;
        o.readOnly = true;
        auto t = engine::ParadoxTable::Open(fs, p, o);
        return store::UstawKatalogiPlac(*t, katalog);
    } catch (const engine::EngineError&) {
        return katalog;
    }
}

namespace {

std::string Folder(const store::OpisTabeli& o) {
    switch (o.miejsce) {
        case store::MiejscePliku::Spd:
            return "SPD/";
        case store::MiejscePliku::Rovante:
            return "ROVANTE/";
        default:
            return "";
    }
}

// Per-year leave files of the directory, in name order.
std::vector<std::string> PlikiLat(engine::FileSystem& fs, const std::string& katalog) {
    std::vector<std::string> pliki;
    for (const auto& nazwa : fs.List(katalog)) {
        const std::string w = Wielkie(nazwa);
        const bool rok = (w.rfind("URN", 0) == 0 || w.rfind("WYKURL", 0) == 0) && w.size() > 3 &&
                         w.substr(w.size() - 3) == ".DB";
        if (rok && store::ZnajdzTabele(nazwa) != nullptr)
            pliki.push_back(nazwa);
    }
    std::sort(pliki.begin(), pliki.end());
    return pliki;
}

}  // namespace

std::vector<TabelaDoSprawdzenia> TabeleDoSprawdzenia(engine::FileSystem& fs,
                                                     const std::string& katalogDanych,
                                                     const std::vector<std::string>& nazwy) {
    const std::string plac = KatalogPlacDanych(fs, katalogDanych);
    std::vector<TabelaDoSprawdzenia> wszystkie;
    std::vector<std::string> brakujace;
    for (const auto& opis : store::KatalogTabel()) {
        if (opis.drugiWidok || opis.miejsce == store::MiejscePliku::Paczka ||
            opis.miejsce == store::MiejscePliku::KartotekaPlac)
            continue;
        const std::string katalog =
            opis.miejsce == store::MiejscePliku::Placowy ? plac : katalogDanych;
        const std::string nazwa = Folder(opis) + std::string(opis.plik);
        const std::string sciezka = engine::ResolvePath(fs, katalog + "/" + nazwa);
        if (std::any_of(wszystkie.begin(), wszystkie.end(),
                        [&](const TabelaDoSprawdzenia& t) { return t.sciezka == sciezka; }))
            continue;
        wszystkie.push_back({nazwa, sciezka, &opis});
        if (opis.komponent == "TUrlopy" || opis.komponent == "TUrlopNalez")
            for (const auto& rok : PlikiLat(fs, katalogDanych)) {
                const store::OpisTabeli* o = store::ZnajdzTabele(rok);
                if (o == &opis)
                    wszystkie.push_back({rok, katalogDanych + "/" + rok, &opis});
            }
    }
    std::vector<TabelaDoSprawdzenia> wynik;
    for (auto& t : wszystkie) {
        const bool wybrana =
            nazwy.empty() || std::any_of(nazwy.begin(), nazwy.end(), [&](const std::string& n) {
                const std::string w = Wielkie(n);
                const std::string plik = t.nazwa.substr(t.nazwa.find_last_of('/') + 1);
                return w == Wielkie(t.nazwa) || w == Wielkie(plik);
            });
        if (!wybrana)
            continue;
        if (!fs.Exists(t.sciezka) && nazwy.empty() && !TabelaStartowa(*t.opis))
            continue;
        wynik.push_back(std::move(t));
    }
    for (const auto& n : nazwy) {
        const bool znaleziona = std::any_of(wynik.begin(), wynik.end(), [&](const auto& t) {
            return Wielkie(t.nazwa) == Wielkie(n) ||
                   Wielkie(t.nazwa.substr(t.nazwa.find_last_of('/') + 1)) == Wielkie(n);
        });
        if (!znaleziona)
            throw BladNaprawy("Tabela " + n + " nie należy do katalogu tabel programu.");
    }
    return wynik;
}

WynikTabeli SprawdzTabele(engine::FileSystem& fs, const TabelaDoSprawdzenia& tabela) {
    if (!fs.Exists(tabela.sciezka)) {
        WynikTabeli w;
        w.nazwa = tabela.nazwa;
        w.stan = StanTabeli::Nienaprawialna;
        w.ustalenia.push_back("brak pliku tabeli");
        return w;
    }
    try {
        if (tabela.opis && tabela.opis->format == store::FormatPliku::Dbase)
            return odzysk::SprawdzDbase(fs, tabela);
        return odzysk::SprawdzParadox(fs, tabela);
    } catch (const std::exception& e) {
        WynikTabeli w;
        w.nazwa = tabela.nazwa;
        w.stan = StanTabeli::Nienaprawialna;
        w.ustalenia.push_back(std::string("plik nie daje się odczytać: ") + e.what());
        return w;
    }
}

void NaprawTabele(engine::FileSystem& fs, const TabelaDoSprawdzenia& tabela, WynikTabeli& wynik,
                  const std::string& katalogDanych, const std::string& uzytkownik) {
    if (wynik.stan != StanTabeli::DoNaprawy)
        return;
    const std::vector<std::string> ustalenia = wynik.ustalenia;
    if (tabela.opis && tabela.opis->format == store::FormatPliku::Dbase)
        odzysk::NaprawDbase(fs, tabela, wynik);
    else
        odzysk::NaprawParadox(fs, tabela, wynik);
    if (!wynik.naprawiona)
        return;
    store::WpisDziennika wpis;
    wpis.kiedy = store::Teraz();
    wpis.uzytkownik = uzytkownik;
    wpis.operacja = "naprawa";
    wpis.tabela = tabela.nazwa;
    for (const auto& u : ustalenia)
        wpis.stara += (wpis.stara.empty() ? "" : "; ") + u;
    wpis.nowa = "rekordów: " + std::to_string(wynik.rekordow) +
                ", utraconych pozycji: " + std::to_string(wynik.utracone.size());
    if (!wynik.kopiaUszkodzonej.empty())
        wpis.nowa += ", uszkodzona tabela zachowana jako " + wynik.kopiaUszkodzonej;
    store::DopiszDoDziennika(fs, katalogDanych, {wpis});
}

int KodWyniku(const std::vector<WynikTabeli>& wyniki) {
    int kod = 0;
    for (const auto& w : wyniki) {
        if (w.stan == StanTabeli::Nienaprawialna)
            return 2;
        if (w.stan == StanTabeli::DoNaprawy)
            kod = 1;
    }
    return kod;
}

std::string TekstRaportu(const std::vector<WynikTabeli>& wyniki, bool poNaprawie) {
    std::string t;
    size_t zdrowe = 0;
    for (const auto& w : wyniki) {
        if (w.stan == StanTabeli::Zdrowa) {
            ++zdrowe;
            continue;
        }
        t += w.nazwa + ": ";
        if (w.stan == StanTabeli::Nienaprawialna)
            t += "nie można naprawić\n";
        else if (w.naprawiona)
            t += "naprawiona\n";
        else
            t += poNaprawie ? "nie naprawiona\n" : "do naprawy\n";
        for (const auto& u : w.ustalenia)
            t += "  - " + u + "\n";
        if (w.naprawiona) {
            t += "  Rekordów po naprawie: " + std::to_string(w.rekordow) + "\n";
            if (!w.kopiaUszkodzonej.empty())
                t += "  Uszkodzona tabela zachowana jako " + w.kopiaUszkodzonej + "\n";
            if (w.utracone.empty())
                t += "  Niczego nie utracono.\n";
            for (const auto& u : w.utracone)
                t += "  Utracono: " + u + "\n";
        }
    }
    t += "Sprawdzono tabel: " + std::to_string(wyniki.size()) +
         ", bez uszkodzeń: " + std::to_string(zdrowe) + ".\n";
    return t;
}

void SprawdzAdministratora(engine::FileSystem& fs, const std::string& katalogDanych,
                           const std::string& nazwa, const std::string& haslo) {
    const std::string sciezka = engine::ResolvePath(fs, katalogDanych + "/Hasla.DB");
    std::unique_ptr<engine::ParadoxTable> hasla;
    try {
        engine::ParadoxOpenOptions o;
        o.readOnly = true;
        hasla = engine::ParadoxTable::Open(fs, sciezka, o);
    } catch (const engine::EngineError& e) {
        throw BladNaprawy(std::string("Nie można odczytać tabeli użytkowników Hasla.DB: ") +
                          e.what());
    }
    const auto& pola = hasla->Fields();
    auto kolumna = [&](const char* n) {
        for (size_t i = 0; i < pola.size(); ++i)
            if (pola[i].name == n)
                return static_cast<int>(i);
        throw BladNaprawy(std::string("Tabela Hasla.DB nie ma pola ") + n + ".");
    };
    const int cNazwa = kolumna("NazwaKrotka"), cHaslo = kolumna("Haslo"),
              cId = kolumna("Identyfikator"), cAdmin = kolumna("Administrator");
    store::MagazynHasel magazyn(fs, katalogDanych);
    for (uint64_t i = 0; i < hasla->RowCount(); ++i) {
        const engine::Record r = hasla->ReadRow(i);
        if (r[cNazwa].IsNull() || r[cNazwa].AsText() != nazwa)
            continue;
        const auto id = r[cId].IsNull() ? 0 : static_cast<int32_t>(r[cId].AsInteger());
        std::optional<bool> zgodne = magazyn.Sprawdz(id, haslo);
        if (!zgodne)
            zgodne = (r[cHaslo].IsNull() ? std::string() : r[cHaslo].AsText()) == haslo;
        if (!*zgodne)
            continue;
        if (r[cAdmin].IsNull() || !r[cAdmin].AsLogical())
            throw BladNaprawy("Nie masz uprawnień administratora systemu !!!");
        return;
    }
    throw BladNaprawy("Niepoprawne dane użytkownika !!!");
}

std::vector<WynikTabeli> SprawdzINapraw(engine::FileSystem& fs, const std::string& katalogDanych,
                                        const std::vector<TabelaDoSprawdzenia>& tabele,
                                        store::Dialogi& dialogi, const PrzebiegNaprawy& przebieg) {
    std::vector<WynikTabeli> wyniki;
    for (size_t i = 0; i < tabele.size(); ++i) {
        if (przebieg.postep)
            przebieg.postep("Sprawdzanie " + tabele[i].nazwa,
                            static_cast<double>(i) / static_cast<double>(tabele.size()));
        wyniki.push_back(SprawdzTabele(fs, tabele[i]));
    }
    const auto doNaprawy = std::count_if(wyniki.begin(), wyniki.end(), [](const WynikTabeli& w) {
        return w.stan == StanTabeli::DoNaprawy;
    });
    if (przebieg.naProbe || doNaprawy == 0)
        return wyniki;
    if (dialogi.TakNie("Uszkodzone tabele do naprawy: " + std::to_string(doNaprawy) +
                           ".\nUszkodzone pliki zostaną zachowane pod nowymi nazwami.\n"
                           "Czy naprawić je teraz ?",
                       kTytulNaprawy, store::Ikona::Pytanie,
                       store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
        return wyniki;
    if (przebieg.kopia) {
        const store::Odpowiedz o =
            dialogi.TakNieAnuluj("Czy przed naprawą wykonać kopię zapasową danych ?", kTytulNaprawy,
                                 store::Ikona::Pytanie, store::Odpowiedz::Tak);
        if (o == store::Odpowiedz::Anuluj || (o == store::Odpowiedz::Tak && !przebieg.kopia()))
            return wyniki;
    }
    size_t zrobione = 0;
    for (size_t i = 0; i < tabele.size(); ++i) {
        if (wyniki[i].stan != StanTabeli::DoNaprawy)
            continue;
        if (przebieg.postep)
            przebieg.postep("Naprawa " + tabele[i].nazwa,
                            static_cast<double>(zrobione) / static_cast<double>(doNaprawy));
        try {
            NaprawTabele(fs, tabele[i], wyniki[i], katalogDanych, przebieg.uzytkownik);
        } catch (const std::exception& e) {
            wyniki[i].stan = StanTabeli::Nienaprawialna;
            wyniki[i].ustalenia.push_back(std::string("naprawa nie powiodła się: ") + e.what());
        }
        ++zrobione;
    }
    if (przebieg.postep)
        przebieg.postep("Gotowe", 1.0);
    return wyniki;
}

}  // namespace mirta::naprawa

namespace mirta::naprawa::odzysk {

std::vector<uint8_t> CzytajPlik(engine::FileSystem& fs, const std::string& sciezka) {
    auto plik = fs.Open(sciezka, engine::OpenMode::Read);
    std::vector<uint8_t> bajty(plik->Size());
    bajty.resize(plik->ReadAt(0, bajty.data(), bajty.size()));
    return bajty;
}

std::string ZachowajUszkodzone(engine::FileSystem& fs, const std::vector<std::string>& pliki) {
    const std::time_t teraz = std::time(nullptr);
    std::tm czas{};
    localtime_r(&teraz, &czas);
    char znacznik[32];
    std::strftime(znacznik, sizeof znacznik, "-uszkodzona-%Y%m%d-%H%M%S", &czas);
    const std::string pierwszy = pliki.front();
    const size_t ukosnik = pierwszy.find_last_of('/');
    const std::string katalog = ukosnik == std::string::npos ? "" : pierwszy.substr(0, ukosnik + 1);
    const std::string nazwa = pierwszy.substr(katalog.size());
    const std::string rdzen = nazwa.substr(0, nazwa.find_last_of('.'));
    std::string nowyRdzen = rdzen + znacznik;
    // Never over an earlier copy.
    for (int n = 2; fs.Exists(katalog + nowyRdzen + nazwa.substr(rdzen.size())); ++n)
        nowyRdzen = rdzen + znacznik + "-" + std::to_string(n);
    std::string wynik;
    for (const auto& p : pliki) {
        const std::string plik = p.substr(p.find_last_of('/') + 1);
        const std::string cel = katalog + nowyRdzen + plik.substr(plik.find_last_of('.'));
        const std::vector<uint8_t> bajty = CzytajPlik(fs, p);
        wspolne::ZapiszAtomowo(
            cel, std::string_view(reinterpret_cast<const char*>(bajty.data()), bajty.size()));
        if (wynik.empty())
            wynik = cel.substr(katalog.size());
    }
    return wynik;
}

std::string Pokaz(const std::string& tekst, size_t n) {
    std::string t;
    size_t znakow = 0;
    for (size_t i = 0; i < tekst.size(); ++i) {
        const auto c = static_cast<unsigned char>(tekst[i]);
        if ((c & 0xC0) != 0x80 && ++znakow > n)
            return "„" + t + "…”";
        t += c < 0x20 ? '?' : tekst[i];
    }
    return "„" + t + "”";
}

}  // namespace mirta::naprawa::odzysk
