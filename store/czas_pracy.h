#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/dataset.h"

namespace mirta::store {

class TDM;
class TableComponent;

// CzasPracy.DB's own rules: defaults of a new card, the before-post checks and corrections,
// the totals, and the rights check before a card is deleted.
void PodlaczCzasPracy(TDM& tdm, TableComponent& czasPracy);

// The hours a click on a day button fills in. One pair lives for the whole run (the main
// window keeps it), not stored; each value stays within 0 to 24.
struct GodzinyDomyslne {
    int plan = 8;
    int wykonanie = 8;
    void ZmienPlan(int o) { plan = Obetnij(plan + o); }
    void ZmienWykonanie(int o) { wykonanie = Obetnij(wykonanie + o); }

private:
    static int Obetnij(int v) { return v < 0 ? 0 : v > 24 ? 24 : v; }
};

// The choice "Co wstawiać", in the order of its texts.
enum class CoWstawiac { PlanIWykonanie, Plan, Wykonanie, Czysc };
inline constexpr std::string_view kCoWstawiac[] = {"Plan i wykonanie", "Plan", "Wykonanie",
                                                   "Czyść"};

// The closing question for a pending card (asked by the window through ZapytajOZapis).
inline constexpr const char* kPytanieZapisuKarty = " Czy zapisać dane karty pracy ?";
inline constexpr const char* kPytanieDopisuKarty = "Czy dopisać nową kartę pracy ?";
inline constexpr const char* kTytulKartPracy = " Kontrola danych o kartach pracy.";

// What the card window (TFKalendarzPracownika) does for the current employee, without the
// window. Opening opens CzasPracy.DB on the employee's last card; destruction closes it.
class KartyPracy {
public:
    KartyPracy(TDM& tdm, GodzinyDomyslne& godziny);
    ~KartyPracy();
    KartyPracy(const KartyPracy&) = delete;
    KartyPracy& operator=(const KartyPracy&) = delete;

    // Imie1 and Nazwisko of the employee, one blank between.
    std::string Naglowek() const;
    engine::Dataset& Karta() const;
    GodzinyDomyslne& Godziny() const { return m_godziny; }

    bool TrybKarty() const { return m_trybKarty; }
    // "Pokaż kartę pracy": posts a pending card first (a refusal propagates); false after
    // its message box when the card is still not saved or the employee has no card.
    bool PokazKarte();
    // "Ukryj kartę pracy": posts a pending card (a refusal propagates, card mode stays).
    void UkryjKarte();

    // Captions of the days 1 .. the month's length of the current card: "1 Pn.".
    std::vector<std::string> PodpisyDni() const;

    CoWstawiac co = CoWstawiac::PlanIWykonanie;
    // A click on day `dzien`'s button: the card is put in edit state (its guard applies) and
    // both hours of the day are set from `co` and the default hours.
    void WypelnijDzien(int dzien);

private:
    TDM& m_tdm;
    GodzinyDomyslne& m_godziny;
    bool m_trybKarty = false;
};

}  // namespace mirta::store
