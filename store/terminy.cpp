#include "store/terminy.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "compute/staz.h"
#include "compute/teksty_dat.h"
#include "store/okresy_przechowywania.h"
#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/urlop_nalezny.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store {

namespace {

using compute::DataKal;
using compute::RodzajStazu;

// The first day of (od, do] on which `osiagniety` holds, for a condition that once true stays
// true as the days pass; none when it does not hold on the last day.
std::optional<DataKal> PierwszyDzien(DataKal od, DataKal doDnia,
                                     const std::function<bool(DataKal)>& osiagniety) {
    int64_t lewy = compute::NumerDnia(od), prawy = compute::NumerDnia(doDnia);
    if (prawy <= lewy || !osiagniety(doDnia))
        return std::nullopt;
    while (prawy - lewy > 1) {
        const int64_t srodek = lewy + (prawy - lewy) / 2;
        (osiagniety(compute::DataZNumeruDnia(srodek)) ? prawy : lewy) = srodek;
    }
    return compute::DataZNumeruDnia(prawy);
}

bool WOkresie(DataKal d, DataKal od, DataKal doDnia) {
    return !d.Pusta() && !(d < od) && !(doDnia < d);
}

class Zbieracz {
public:
    Zbieracz(ZrodlaObliczen& zrodla, DataKal od, DataKal doDnia)
        : m_z(zrodla), m_od(od), m_do(doDnia) {}

    void Pracownik(const DaneKadrowePracownika& d, const std::string& nazwisko,
                   DataKal waznoscDowodu) {
        m_dane = &d;
        m_nazwisko = nazwisko;
        Wysluga();
        Progi(RodzajStazu::NagrodaJubileuszowa, kProgiJubileuszowe,
              RodzajTerminu::NagrodaJubileuszowa);
        if (d.podzial == '1')
            Progi(RodzajStazu::Emerytura, kProgiEmerytalne, RodzajTerminu::StazEmerytalny);
        Dodatkowy();
        Badanie();
        if (WOkresie(waznoscDowodu, m_od, m_do))
            Dodaj(waznoscDowodu, RodzajTerminu::DowodOsobisty, "");
        Umowa();
    }

    std::vector<Termin> Wynik() && { return std::move(m_wynik); }

private:
    int32_t Lata(RodzajStazu r, DataKal x) const {
        return PoliczStazRodzaju(*m_dane, r, x).staz.lata;
    }

    double Procent(int32_t lata) const {
        return m_dane->podzial == '1' ? compute::ProcentWyslugiFunkcjonariusza(lata)
                                      : compute::ProcentWyslugiCywila(lata);
    }

    static std::string TekstProcentu(double p) {
        std::string t = std::to_string(p);
        t.erase(t.find_last_not_of('0') + 1);
        if (t.back() == '.')
            t.pop_back();
        // A Polish decimal comma: "22,5%".
        std::replace(t.begin(), t.end(), '.', ',');
        return t + "%";
    }

    void Wysluga() {
        const int32_t teraz = Lata(RodzajStazu::Wysluga, m_od);
        const auto d = PierwszyDzien(
            m_od, m_do, [&](DataKal x) { return Lata(RodzajStazu::Wysluga, x) > teraz; });
        if (!d)
            return;
        const int32_t potem = Lata(RodzajStazu::Wysluga, *d);
        if (Procent(potem) == Procent(teraz))
            return;
        Dodaj(*d, RodzajTerminu::WzrostDodatkuStazowego,
              std::to_string(potem) + " lat, " + TekstProcentu(Procent(potem)) + " (było " +
                  TekstProcentu(Procent(teraz)) + ")");
    }

    template <size_t N>
    void Progi(RodzajStazu r, const int32_t (&progi)[N], RodzajTerminu rodzaj) {
        const int32_t teraz = Lata(r, m_od);
        for (const int32_t prog : progi) {
            if (prog <= teraz)
                continue;
            if (const auto d =
                    PierwszyDzien(m_od, m_do, [&](DataKal x) { return Lata(r, x) >= prog; }))
                Dodaj(*d, rodzaj, std::to_string(prog) + " lat");
            return;  // the next threshold only
        }
    }

    void Dodatkowy() {
        auto dni = [&](DataKal x) {
            return UprawnienieUrlopowe(*m_dane, nullptr, x, false, m_od.rok).dodatkowy.dni;
        };
        const int32_t teraz = dni(m_od);
        if (const auto d = PierwszyDzien(m_od, m_do, [&](DataKal x) { return dni(x) > teraz; }))
            Dodaj(*d, RodzajTerminu::UrlopDodatkowy,
                  std::to_string(dni(*d)) + " dni (było " + std::to_string(teraz) + ")");
    }

    void Badanie() {
        engine::Table& t = m_z.Tabela(m_z.Tdm1().TBadania);
        const int pole = PoleTabeli(t, "DataNastepnegoBadania");
        DataKal nastepne;
        for (const engine::Record& w : m_z.Wiersze(t, m_dane->identyfikator)) {
            const DataKal d = DataPola(w[pole]);
            if (nastepne.Pusta() || nastepne < d)
                nastepne = d;
        }
        if (WOkresie(nastepne, m_od, m_do))
            Dodaj(nastepne, RodzajTerminu::BadanieLekarskie, "");
    }

    // A fixed-term record ending in the period, unless another record starts the next day.
    void Umowa() {
        const auto& z = m_dane->staz.zatrudnienie;
        for (const auto& r : z) {
            if (r.identyfikatorFormyZatrudn != kFormaNaCzasOkreslony ||
                !WOkresie(r.dataDo, m_od, m_do))
                continue;
            const DataKal nastepny = compute::NastepnyDzien(r.dataDo);
            const bool ciagly = std::any_of(
                z.begin(), z.end(), [&](const auto& inny) { return inny.dataOd == nastepny; });
            if (!ciagly)
                Dodaj(r.dataDo, RodzajTerminu::KoniecUmowy, "");
        }
    }

    void Dodaj(DataKal d, RodzajTerminu rodzaj, std::string opis) {
        m_wynik.push_back({d, m_dane->identyfikator, m_nazwisko, rodzaj, std::move(opis)});
    }

    static constexpr int32_t kFormaNaCzasOkreslony = 3;

    ZrodlaObliczen& m_z;
    DataKal m_od, m_do;
    const DaneKadrowePracownika* m_dane = nullptr;
    std::string m_nazwisko;
    std::vector<Termin> m_wynik;
};

}  // namespace

std::string NazwaTerminu(RodzajTerminu rodzaj) {
    switch (rodzaj) {
        case RodzajTerminu::WzrostDodatkuStazowego:
            return "wzrost dodatku stażowego";
        case RodzajTerminu::NagrodaJubileuszowa:
            return "nagroda jubileuszowa";
        case RodzajTerminu::UrlopDodatkowy:
            return "wyższy urlop dodatkowy";
        case RodzajTerminu::BadanieLekarskie:
            return "badanie lekarskie";
        case RodzajTerminu::DowodOsobisty:
            return "koniec ważności dowodu osobistego";
        case RodzajTerminu::KoniecUmowy:
            return "koniec umowy na czas określony";
        case RodzajTerminu::StazEmerytalny:
            return "staż emerytalny";
        case RodzajTerminu::KoniecPrzechowywania:
            return "koniec przechowywania akt";
    }
    return {};
}

namespace {

// Former employees whose files may be destroyed by the end of the period, those already due
// included: they stay on the list until the person is anonymised.
void DopiszKoniecPrzechowywania(ZrodlaObliczen& zrodla, engine::Table& pracownicy, DataKal od,
                                DataKal doDnia, std::vector<Termin>& wynik) {
    const auto zasady = CzytajZasadyPrzechowywania(zrodla.Tdm().Fs(), zrodla.Tdm().DataDirectory());
    for (const OkresAktPracownika& o : AktaDoZniszczenia(pracownicy, zasady, od, doDnia))
        wynik.push_back(
            {compute::NastepnyDzien(o.koniec), o.pracownik, o.nazwisko,
             RodzajTerminu::KoniecPrzechowywania,
             "akta do zniszczenia (zwolniony " + compute::TekstDaty(o.zwolnienie) + ")"});
}

}  // namespace

std::vector<Termin> TerminyWOkresie(ZrodlaObliczen& zrodla, DataKal od, int32_t dni) {
    const DataKal doDnia = compute::DodajDni(od, dni);
    engine::Table& pracownicy = zrodla.Tabela(zrodla.Tdm().TPracownicy);
    const int id = PoleTabeli(pracownicy, "Identyfikator");
    const int nazwisko = PoleTabeli(pracownicy, "Nazwisko");
    const int imie = PoleTabeli(pracownicy, "Imie1");
    const int dowod = PoleTabeli(pracownicy, "DataWaznosciDowodu");
    Zbieracz z(zrodla, od, doDnia);
    for (uint64_t i = 0; i < pracownicy.RowCount(); ++i) {
        const engine::Record w = pracownicy.ReadRow(i);
        const DaneKadrowePracownika dane = CzytajDaneKadrowe(zrodla, LiczbaCalkowita(w[id]));
        if (!dane.znaleziony || (!dane.dataZwolnienia.Pusta() && !(od < dane.dataZwolnienia)))
            continue;
        z.Pracownik(dane, TekstPola(w[nazwisko]) + " " + TekstPola(w[imie]), DataPola(w[dowod]));
    }
    std::vector<Termin> wynik = std::move(z).Wynik();
    DopiszKoniecPrzechowywania(zrodla, pracownicy, od, doDnia, wynik);
    std::stable_sort(wynik.begin(), wynik.end(), [](const Termin& a, const Termin& b) {
        return a.data != b.data ? a.data < b.data : a.nazwisko < b.nazwisko;
    });
    return wynik;
}

}  // namespace mirta::store
