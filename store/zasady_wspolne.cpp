#include "store/zasady_wspolne.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "compute/data_kal.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::DatasetState;
using engine::FieldType;
using engine::Value;

constexpr double kEpsilon = 0.00000001;

struct Strzezona {
    std::string_view plik;
    bool kasowanie;  // the guard runs before delete too
};

constexpr Strzezona kAAKontrola[] = {
    {"Podstawy.db", true},     {"Premie.db", true},           {"RodzZdKadrowego.db", false},
    {"PowodZdKadr.db", false}, {"SlStatPracCyw.db", false},   {"SlWyroznien.db", false},
    {"SlKar.DB", false},       {"SlOrgNadajacych.DB", false}, {"SlOrderow.DB", false},
    {"Wydawcy.db", false},     {"FormyZtr.db", false},        {"SlStanowisk.db", false},
    {"KomNad.db", false},      {"Komorki.db", false},         {"RodzWyk.db", false},
    {"StNauk.DB", false},      {"TytZaw.db", false},          {"RodzKurs.db", false},
    {"SlPokrew.db", false},    {"SlStopni.db", false},        {"SlGrup.db", false},
    {"Mirta.DB", false},       {"Kalendarz.DB", false},       {"CzasPracy.DB", false},
};

// The employee's detail tables of TDM. Stanowiska.db's delete guard adds a check of its own
// to this one.
constexpr Strzezona kTWyksztalcenie[] = {
    {"Wykszt.DB", true},       {"Kursy.DB", true},     {"StanRodz.db", true},
    {"PracStop.db", true},     {"PracGrup.db", true},  {"StanowiskaEtatowe.db", true},
    {"Zatrudnienie.db", true}, {"Szkodliwe.db", true}, {"DodSluz.db", true},
    {"DodInny.db", true},      {"Nagrody.DB", true},   {"PrPracCyw.DB", true},
    {"Ordery.db", true},       {"Kary.db", true},      {"Wyroznienia.DB", true},
    {"Stanowiska.db", true},
};

constexpr Strzezona kAAAPrzedEdycja[] = {
    {"RodzUrlop.db", false},  {"SlSwiadcz.db", false},    {"SLGrupInwal.db", false},
    {"Wydruki.DB", false},    {"GlStrEtatow.db", false},  {"PopZatr.db", true},
    {"Zawieszenia.db", true}, {"Wypowiedzenia.db", true}, {"Zwolnienia.db", true},
    {"Badania.db", true},     {"DodZatrudn.db", true},    {"EmInw.DB", true},
    {"Urlopy.db", true},      {"Choroby.db", true},       {"Nieobecnosci.DB", true},
    {"Decyzje.db", true},     {"UrlNalez.db", true},      {"PozStrEtatow.DB", true},
};

constexpr std::string_view kZakazKasowania[] = {
    // NieKasuj
    "RodzZdKadrowego.db", "PowodZdKadr.db", "SlStatPracCyw.db", "SlWyroznien.db", "SlKar.DB",
    "SlOrgNadajacych.DB", "SlOrderow.DB", "Wydawcy.db", "FormyZtr.db", "SlStanowisk.db",
    "KomNad.db", "Komorki.db", "Hasla.DB", "Parametry.DB", "ParDruk.DB", "RodzWyk.db", "StNauk.DB",
    "TytZaw.db", "RodzKurs.db", "SlPokrew.db", "SlStopni.db", "SlGrup.db", "Mirta.DB",
    "Kalendarz.DB",
    // AAAZakazKasowania
    "RodzUrlop.db", "SlSwiadcz.db", "SLGrupInwal.db", "RejPrzes.db", "Harmonogram.DB",
    "GlStrEtatow.db"};

// Tables whose refused post shows the store's own message.
constexpr std::string_view kBezRaportuBledu[] = {
    "Mirta.DB",     "SlStanowisk.db",   "KomNad.db",    "Komorki.db", "Hasla.DB",
    "Kalendarz.DB", "ParametryKadr.db", "Parametry.DB", "ParDruk.DB", "ParametrySPD.DB"};

struct DataZKomunikatem {
    std::string_view plik, pole, komunikat;
};

constexpr DataZKomunikatem kDatyZKomunikatem[] = {
    {"Nagrody.DB", "DataPrzyznania", "Data przyznania nagrody musi być dobrze określona !!!"},
    {"DodInny.db", "DataOd", "Data od kiedy dodatku innego musi być dobrze określona !!!"},
    {"DodSluz.db", "DataOd", "Data od kiedy dodatku służbowego musi być dobrze określona !!!"},
    {"Szkodliwe.db", "DataOd", "Data od kiedy grupy szkodliwości musi być dobrze określona !!!"},
    {"Zatrudnienie.db", "DataOd", "Data od kiedy formy zatrudnienia musi być dobrze określona !!!"},
    {"StanowiskaEtatowe.db", "DataOd",
     "Data objęcia stanowiska etatowego musi być dobrze określona !!!"},
    {"Stanowiska.db", "DataOd", "Data objęcia stanowiska musi być dobrze określona !!!"},
    {"Mirta.DB", "DataUrodzenia", "Data urodzenia musi być dobrze określona !!!"},
    {"Mirta.DB", "DataZatrudnienia", "Data zatrudnienia musi być dobrze określona !!!"},
    {"StawStop.DB", "DataObowiazywania",
     "Data od kiedy obowiązuje stawka musi być dobrze określona !!!"},
    {"StawGrup.DB", "DataObowiazywania",
     "Data od kiedy obowiązuje stawka musi być dobrze określona !!!"},
    {"PracStop.db", "DataOdKiedy",
     "Data od kiedy obowiązuje stopień musi być dobrze określona !!!"},
    {"PracGrup.db", "DataOdKiedy", "Data od kiedy obowiązuje grupa musi być dobrze określona !!!"},
    {"Ordery.db", "DataPrzyznania", "Data przyznania orderu musi być dobrze określona !!!"},
    {"Kary.db", "DataPrzyznania", "Data przyznania kary musi być dobrze określona !!!"},
    {"Wyroznienia.DB", "DataPrzyznania",
     "Data przyznania wyróżnienia musi być dobrze określona !!!"},
    {"Podstawy.db", "DataOd", "Data podstawy musi być dobrze określona !!!"},
    {"Decyzje.db", "DataDecyzji", "Data decyzji musi być dobrze określona !!!"},
    {"Nieobecnosci.DB", "DataOd", "Data od nieobecności musi być dobrze określona !!!"},
    {"Nieobecnosci.DB", "DataDo", "Data do nieobecności musi być dobrze określona !!!"},
    {"Choroby.db", "DataOd", "Data od choroby musi być dobrze określona !!!"},
    {"Choroby.db", "DataDo", "Data do choroby musi być dobrze określona !!!"},
    {"Urlopy.db", "DataOd", "Data od urlopu musi być dobrze określona !!!"},
    {"Urlopy.db", "DataDo", "Data do urlopu musi być dobrze określona !!!"},
    {"EmInw.DB", "DataPrzyznania",
     "Data przyznania emerytury / renty musi być dobrze określona !!!"},
    {"DodZatrudn.db", "DataOd",
     "Data od dla zgody na dodatkowe zatrudnienie musi być dobrze określona !!!"},
    {"Badania.db", "DataBadania", "Data badania musi być dobrze określona !!!"},
    {"Zwolnienia.db", "DataZwolnienia", "Data zwolnienia musi być dobrze określona !!!"},
    {"Wypowiedzenia.db", "DataWypowiedzeniaOd",
     "Data od wypowiedzenia musi być dobrze określona !!!"},
    {"Wypowiedzenia.db", "DataWypowiedzeniaDo",
     "Data do wypowiedzenia musi być dobrze określona !!!"},
    {"PopZatr.db", "DataOd", "Data od poprzedniego zatrudnienia musi być dobrze określona !!!"},
    {"PopZatr.db", "DataDo", "Data do poprzedniego zatrudnienia musi być dobrze określona !!!"},
    {"Zawieszenia.db", "DataZawieszenia", "Data zawieszenia musi być dobrze określona !!!"},
};

enum class RegulaLiczby { ZamienNaZero, Zaokraglenie, Wartosc, PlacaZasadnicza, Mnoznik, Etat };

struct PoleLiczbowe {
    std::string_view plik, pole;
    RegulaLiczby regula;
};

constexpr PoleLiczbowe kPolaLiczbowe[] = {
    {"Podstawy.db", "PodstawaFunkcjonariusze", RegulaLiczby::ZamienNaZero},
    {"Podstawy.db", "PodstawaCywile", RegulaLiczby::ZamienNaZero},
    {"Podstawy.db", "Rezerwa1", RegulaLiczby::ZamienNaZero},
    {"Podstawy.db", "Rezerwa2", RegulaLiczby::ZamienNaZero},
    {"Podstawy.db", "ZaokraglenieFunkcjonarius", RegulaLiczby::Zaokraglenie},
    {"Podstawy.db", "ZaokraglenieCywil", RegulaLiczby::Zaokraglenie},
    {"Podstawy.db", "Zaokraglenie1", RegulaLiczby::Zaokraglenie},
    {"Podstawy.db", "Zaokraglenie2", RegulaLiczby::Zaokraglenie},
    {"Wyroznienia.DB", "KwotaNagrody", RegulaLiczby::ZamienNaZero},
    {"PracGrup.db", "PlacaZasadnicza", RegulaLiczby::PlacaZasadnicza},
    {"PracGrup.db", "Mnoznik", RegulaLiczby::Mnoznik},
    {"StawStop.DB", "Wartosc", RegulaLiczby::Wartosc},
    {"StawGrup.DB", "Wartosc", RegulaLiczby::Wartosc},
    {"DodSluz.db", "Wartosc", RegulaLiczby::Wartosc},
    {"DodInny.db", "Wartosc", RegulaLiczby::Wartosc},
    {"Nagrody.DB", "Kwota", RegulaLiczby::Wartosc},
    {"Mirta.DB", "Etat", RegulaLiczby::Etat},
    {"DodZatrudn.db", "WymiarCzasuPracy", RegulaLiczby::Etat},
};

// int16 fields that hold another table's identifier without saying so in their name.
constexpr std::string_view kInneIdentyfikatory[] = {
    "KomorkaOrganizacyjna", "KomNadrzedna", "KtoWydal",
    "FormaZatrudnienia",    "RodzajUrlopu", "RodzajKursu",
    "RodzajWyksztalcenia",  "TytulNaukowy", "TytulZawodowy",
    "StopienPokrewienstwa", "Stanowisko",   "GrupaInwalidzka",
    "RodzajSwiadczenia"};

template <typename T>
const T* Znajdz(std::span<const T> lista, std::string_view plik) {
    for (const auto& e : lista)
        if (e.plik == plik)
            return &e;
    return nullptr;
}

bool Zawiera(std::span<const std::string_view> lista, std::string_view plik) {
    return std::find(lista.begin(), lista.end(), plik) != lista.end();
}

bool Edytowana(const DataModule& modul, std::string_view komponent) {
    TableComponent* c = modul.Find(komponent);
    return c && c->IsOpen() && (*c)->Editing();
}

DatasetState StanTabeli(const DataModule& modul, std::string_view komponent) {
    TableComponent* c = modul.Find(komponent);
    return c && c->IsOpen() ? (*c)->State() : DatasetState::Browse;
}

void KontrolaPracownika(const DataModule& modul) {
    switch (StanTabeli(modul, "TPracownicy")) {
        case DatasetState::Edit:
            throw BladDanych("Zapisz lub porzuć zmiany dla pracownika !!!");
        case DatasetState::Insert:
            throw BladDanych("Zapisz lub porzuć dopis nowego pracownika !!!");
        case DatasetState::Browse:
            break;
    }
}

bool JestIdentyfikatorem(const engine::FieldDef& pole) {
    if (pole.type != FieldType::Short)
        return false;
    return pole.name.starts_with("Id") || Zawiera(kInneIdentyfikatory, pole.name);
}

std::string BezOdstepow(std::string_view tekst) {
    std::string wynik;
    for (size_t i = 0; i < tekst.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(tekst[i]);
        if (c == ' ' || c == '\t')
            continue;
        // A no-break space, as a grouped amount is shown.
        if (c == 0xC2 && i + 1 < tekst.size() && static_cast<unsigned char>(tekst[i + 1]) == 0xA0) {
            ++i;
            continue;
        }
        wynik += tekst[i];
    }
    return wynik;
}

void UstawLiczbe(Dataset& ds, const std::string& pole, double v) {
    const auto& def = ds.Fields()[ds.FieldIndex(pole)];
    if (def.type == FieldType::Short || def.type == FieldType::Long) {
        const double zaokraglona = std::round(v);
        if (std::abs(zaokraglona) > 2147483647.0)
            throw BladDanych("Wartość poza zakresem pola " + pole + " !!!");
        ds.SetField(pole, Value::Integer(static_cast<int64_t>(zaokraglona)));
    } else {
        ds.SetField(pole, Value::Number(v));
    }
}

void PodlaczLiczbe(TableComponent& komponent, const PoleLiczbowe& opis) {
    const std::string pole(opis.pole);
    const RegulaLiczby regula = opis.regula;
    komponent.Hooks(pole).setText = [pole, regula](Dataset& ds, const std::string& tekst) {
        double v = CzytajLiczbe(tekst);
        switch (regula) {
            case RegulaLiczby::ZamienNaZero:
                if (v < 0)
                    v = 0;
                break;
            case RegulaLiczby::Zaokraglenie:
                // -1 and -2 round to tens and hundreds; other negatives mean nothing.
                if (std::round(v) < -2)
                    v = 0;
                break;
            case RegulaLiczby::PlacaZasadnicza:
                if (v < -kEpsilon)
                    throw BladDanych("Wartość płacy zasadniczej nie może być ujemna !!!");
                break;
            case RegulaLiczby::Mnoznik:
                if (v < kEpsilon)
                    v = 0;
                break;
            case RegulaLiczby::Wartosc:
                if (std::abs(v) < kEpsilon)
                    throw BladDanych("Wartość musi być różna od zera !!!");
                break;
            case RegulaLiczby::Etat:
                if (v <= -kEpsilon)
                    throw BladDanych("Wartość etatu nie może być mniejsza od zera !!!");
                break;
        }
        UstawLiczbe(ds, pole, v);
    };
}

}  // namespace

void AAKontrola(const DataModule& modul, std::string_view plik) {
    if (!modul.Sesja().Aktualizowanie)
        throw BladDanych(kBrakPrawa);
    if (plik == "Komorki.db" && Edytowana(modul, "TKomorkaNad"))
        throw BladDanych("Musisz najpierw zapisać lub porzucić zmiany dla komórki nadrzędznej !!!");
}

void TWyksztalcenieBeforeEdit(const DataModule& modul) {
    KontrolaPracownika(modul);
    if (!modul.Sesja().Aktualizowanie)
        throw BladDanych(kBrakPrawa);
}

void AAAPrzedEdycja(const DataModule& modul, std::string_view plik) {
    KontrolaPracownika(modul);
    if (!modul.Sesja().Aktualizowanie)
        throw BladDanych(kBrakPrawa);
    const bool zamkniety = modul.Sesja().RokUrlopowyZamkniety;
    if (plik == "UrlNalez.db" && zamkniety)
        throw BladDanych("Nie można zmieniać archiwalnych danych o urlopach należnych !!!");
    if (plik == "Urlopy.db" && zamkniety)
        throw BladDanych("Nie można zmieniać archiwalnych danych o urlopach !!!");
    if (plik == "GlStrEtatow.db" && Edytowana(modul, "TPozStrukturyEtatow"))
        throw BladDanych("Pozycja struktury jest aktualizowana !!!");
    if (plik == "PozStrEtatow.DB") {
        if (Edytowana(modul, "TGlowkaStrukturyEtatow"))
            throw BladDanych("Główka struktury jest aktualizowana !!!");
        TableComponent* glowki = modul.Find("TGlowkaStrukturyEtatow");
        if (!glowki || !glowki->IsOpen() || (*glowki)->GetTable().RowCount() == 0)
            throw BladDanych("Brak główek do struktury etatów !!!");
    }
}

std::optional<int32_t> CzytajDate(std::string_view tekst) {
    const compute::DataKal data = compute::DataZTekstu(tekst);
    if (!data.Poprawna())
        return std::nullopt;
    return static_cast<int32_t>(compute::NumerDnia(data));
}

double CzytajLiczbe(std::string_view tekst) {
    std::string s = BezOdstepow(tekst);
    auto blad = [&]() -> double {
        throw BladDanych("'" + std::string(tekst) + "' nie jest poprawną wartością liczbową");
    };
    // The decimal separator is the comma; a point is no separator at all.
    if (s.empty() || s.find('.') != std::string::npos)
        return blad();
    std::replace(s.begin(), s.end(), ',', '.');
    std::string_view v = s;
    if (v.front() == '+')
        v.remove_prefix(1);
    double wynik = 0;
    auto [koniec, ec] = std::from_chars(v.data(), v.data() + v.size(), wynik);
    if (ec != std::errc() || koniec != v.data() + v.size() || !std::isfinite(wynik))
        return blad();
    return wynik;
}

void UstawIdentyfikator(Dataset& ds, std::string_view pole, int64_t identyfikator) {
    const auto& def = ds.Fields()[ds.FieldIndex(pole)];
    int64_t min = std::numeric_limits<int32_t>::min(), max = std::numeric_limits<int32_t>::max();
    if (def.type == FieldType::Short) {
        min = std::numeric_limits<int16_t>::min();
        max = std::numeric_limits<int16_t>::max();
    }
    if (identyfikator < min || identyfikator > max)
        throw BladDanych("Identyfikator poza zakresem pola " + def.name + " !!!");
    ds.SetField(pole, Value::Integer(identyfikator));
}

std::string RaportBleduZapisu(const engine::EngineError& blad, std::string_view komponent,
                              std::string_view plik) {
    std::string raport =
        "  Dane powtarzają się lub są niepoprawne !!!\nDokładna specyfikacja błędu:\n";
    raport += blad.what();
    if (std::string_view(blad.what()) == "Key violation.")
        raport += "(unikalne wartości powtarzają się)";
    raport += "\n Dla komponentu:";
    raport += komponent;
    raport += "\nNazwa tabeli:";
    raport += plik;
    return raport;
}

void PokazPrzezListe(TableComponent& komponent, const std::string& pole, const ListaKodow& lista) {
    komponent.Hooks(pole).getText = [&lista](const engine::RowView&,
                                             const Value& v) -> std::string {
        return lista.Tekst(v.IsNull() ? std::string() : v.AsText());
    };
}

void UstawPoleKodowe(TableComponent& komponent, const std::string& pole, const ListaKodow& lista,
                     std::string komunikat) {
    PokazPrzezListe(komponent, pole, lista);
    komponent.Hooks(pole).validate = [pole, &lista, komunikat](const Dataset&, const Value& v) {
        const std::string kod = v.IsNull() ? std::string() : v.AsText();
        if (!kod.empty() && !lista.Zawiera(kod))
            throw BladDanych(komunikat, pole);
    };
}

void PodlaczZasadyWspolne(DataModule& modul, TableComponent& komponent) {
    Dataset& ds = *komponent;
    const std::string plik(komponent.Opis().plik);
    const DataModule* m = &modul;

    auto straz = [&](std::function<void()> kontrola, bool kasowanie) {
        ds.SetModifyCheck([m] { return m->Sesja().Aktualizowanie; });
        auto h = [kontrola](Dataset&) { kontrola(); };
        ds.AddHandler(DatasetEvent::BeforeInsert, h);
        ds.AddHandler(DatasetEvent::BeforeEdit, h);
        if (kasowanie)
            ds.AddHandler(DatasetEvent::BeforeDelete, h);
    };
    if (auto s = Znajdz<Strzezona>(kAAKontrola, plik))
        straz([m, plik] { AAKontrola(*m, plik); }, s->kasowanie);
    if (modul.Name() == "TDM") {
        if (auto s = Znajdz<Strzezona>(kTWyksztalcenie, plik))
            straz([m] { TWyksztalcenieBeforeEdit(*m); }, s->kasowanie);
    }
    if (auto s = Znajdz<Strzezona>(kAAAPrzedEdycja, plik))
        straz([m, plik] { AAAPrzedEdycja(*m, plik); }, s->kasowanie);

    if (Zawiera(kZakazKasowania, plik))
        ds.AddHandler(DatasetEvent::BeforeDelete, [](Dataset&) { throw BladDanych(kNieKasuj); });

    for (int i = 0; i < ds.StoredFieldCount(); ++i) {
        const auto& def = ds.Fields()[i];
        if (def.type == FieldType::Date) {
            std::string komunikat;
            for (const auto& d : kDatyZKomunikatem)
                if (d.plik == plik && d.pole == def.name)
                    komunikat = d.komunikat;
            const std::string pole = def.name;
            komponent.Hooks(pole).setText = [pole, komunikat](Dataset& d, const std::string& t) {
                if (auto dzien = CzytajDate(t))
                    d.SetField(pole, Value::Date(*dzien));
                else if (!komunikat.empty())
                    throw BladDanych(komunikat, pole);
                else
                    d.SetField(pole, Value());
            };
        } else if (JestIdentyfikatorem(def)) {
            const std::string pole = def.name;
            komponent.Hooks(pole).setText = [pole](Dataset& d, const std::string& t) {
                std::string s = BezOdstepow(t);
                if (s.empty()) {
                    d.SetField(pole, Value());
                    return;
                }
                int64_t v = 0;
                auto [koniec, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
                if (ec == std::errc::result_out_of_range)
                    throw BladDanych("Identyfikator poza zakresem pola " + pole + " !!!", pole);
                if (ec != std::errc() || koniec != s.data() + s.size())
                    throw BladDanych("'" + t + "' nie jest poprawną liczbą całkowitą", pole);
                UstawIdentyfikator(d, pole, v);
            };
        }
    }
    for (const auto& p : kPolaLiczbowe)
        if (p.plik == plik)
            PodlaczLiczbe(komponent, p);

    if (!Zawiera(kBezRaportuBledu, plik)) {
        const std::string nazwa = komponent.Name();
        ds.AddPostErrorHandler([nazwa](Dataset& d, const engine::EngineError& blad) {
            std::string widoczna = d.GetTable().Path();
            const size_t ukosnik = widoczna.find_last_of("/\\");
            if (ukosnik != std::string::npos)
                widoczna.erase(0, ukosnik + 1);
            throw BladDanych(RaportBleduZapisu(blad, nazwa, widoczna));
        });
    }
}

void PodlaczPoOperacjach(DataModule& modul, TableComponent& komponent) {
    const std::string nazwa = komponent.Name();
    DataModule* m = &modul;
    auto h = [m, nazwa](Dataset&) { m->NotifyCommands(nazwa); };
    for (auto e : {DatasetEvent::AfterInsert, DatasetEvent::AfterEdit, DatasetEvent::AfterCancel,
                   DatasetEvent::AfterPost, DatasetEvent::AfterDelete})
        komponent->AddHandler(e, h);
}

}  // namespace mirta::store
