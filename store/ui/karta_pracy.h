#pragma once

#include <array>
#include <memory>

#include "engine/observer.h"
#include "kit/data_source.h"
#include "kit/okno_edycji.h"
#include "kit/uslugi.h"
#include "store/czas_pracy.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace mirta::kit {
class DbEdit;
class DbNavigator;
}  // namespace mirta::kit

namespace mirta::store::ui {

// The work-time cards of the current employee: the list of monthly cards, and the card of
// the current one with a cell per day filled by the day's button or typed in.
class TFKalendarzPracownika : public kit::OknoEdycji {
    Q_OBJECT
public:
    // Opens CzasPracy.DB on the employee's last card; the window closes it again.
    TFKalendarzPracownika(const kit::Uslugi& u, GodzinyDomyslne& godziny, QWidget* parent = nullptr)
        : TFKalendarzPracownika(u.tdm, u.dialogi, u.edycja, godziny, parent) {}
    ~TFKalendarzPracownika() override;

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    TFKalendarzPracownika(TDM& tdm, Dialogi& dialogi, kit::AutomaticEdit& edycja,
                          GodzinyDomyslne& godziny, QWidget* parent);
    void ZbudujNaglowek(QVBoxLayout* uklad);
    void ZbudujListe(QVBoxLayout* uklad);
    void ZbudujKarte(QVBoxLayout* uklad);
    QWidget* ZbudujDni();
    QWidget* ZbudujSumy();
    QWidget* ZbudujCoWstawiac();
    QWidget* ZbudujGodzinyDomyslne();
    void PrzelaczKarte();
    void PokazBiezacaKarte();
    void UstawTryb(bool karta);
    void PokazGodzinyDomyslne();
    void PokazSumy();
    void WypelnijDzien(int dzien);

    // Day cells are typed into while the card shows, whatever the main window's option.
    kit::AutomaticEdit m_edycjaDni;
    std::unique_ptr<KartyPracy> m_karty;
    kit::DataSource* m_zrodlo = nullptr;
    kit::DataSource* m_zrodloDni = nullptr;
    engine::Subscription m_zmiany;
    bool m_sumyZaplanowane = false;
    QWidget* m_panelListy = nullptr;
    QWidget* m_panelKarty = nullptr;
    kit::DbNavigator* m_nawigator = nullptr;
    QPushButton* m_przelacz = nullptr;
    QLabel* m_razemPlan = nullptr;
    QLabel* m_razemWykonanie = nullptr;
    QLabel* m_domyslnyPlan = nullptr;
    QLabel* m_domyslneWykonanie = nullptr;
    struct KomorkaDnia {
        QWidget* komorka = nullptr;
        QPushButton* przycisk = nullptr;
        kit::DbEdit* plan = nullptr;
        kit::DbEdit* wykonanie = nullptr;
    };
    std::array<KomorkaDnia, 31> m_dni{};
};

}  // namespace mirta::store::ui
