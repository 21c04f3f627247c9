#pragma once

#include <memory>
#include <optional>

#include "kit/data_source.h"
#include "kit/okno_edycji.h"
#include "kit/uslugi.h"
#include "store/rodzaje_urlopow.h"
#include "store/slowniki.h"
#include "store/ui/opisy_okien_slownikow.h"

class QBoxLayout;

namespace mirta::kit {
class DbGrid;
class DbNavigator;
}  // namespace mirta::kit

namespace mirta::store::ui {

// One dictionary window, shaped by its row of the window table: a navigator without delete and
// a grid over the dictionary, the rate table under the ranks and groups, the fields of the
// positions, leave types and salary bases, and "&Użyj" / "&Zamknij". `numer` 0 is maintenance
// ("&Użyj" disabled); k > 0 fills the k-th target field of the dictionary.
class SlownikOkno : public kit::OknoEdycji {
    Q_OBJECT
public:
    SlownikOkno(OknoSlownika okno, int numer, const kit::Uslugi& u, QWidget* parent = nullptr)
        : SlownikOkno(okno, numer, u.tdm, u.tdm1, u.dialogi, u.edycja, parent) {}
    ~SlownikOkno() override;

    const OpisOknaSlownika& OpisOkna() const { return m_okno; }
    const OpisSlownika& Opis() const { return m_opis; }
    int Numer() const { return m_numer; }

protected:
    // Closing asks about unsaved rows, master first, then the rates; then the rate data are
    // reloaded when they changed.
    void PoZamknieciu() override;

private:
    SlownikOkno(OknoSlownika okno, int numer, TDM& tdm, TDM1& tdm1, Dialogi& dialogi,
                kit::AutomaticEdit& edycja, QWidget* parent);
    void ZbudujSiatke(QBoxLayout* uklad);
    void ZbudujStawki(QBoxLayout* uklad);
    void ZbudujStanowiska(QBoxLayout* uklad);
    void ZbudujUrlopy(QBoxLayout* uklad);
    void ZbudujPodstawy(QBoxLayout* uklad);
    void ZbudujPrzyciski(QBoxLayout* uklad);
    void Uzyj();

    const OpisOknaSlownika& m_okno;
    const OpisSlownika& m_opis;
    const int m_numer;
    TDM& m_tdm;
    kit::AutomaticEdit& m_edycja;
    TableComponent& m_slownik;
    TableComponent* m_stawki = nullptr;  // open only while the window is
    kit::DataSource* m_zrodlo = nullptr;
    kit::DataSource* m_zrodloStawek = nullptr;
    engine::Subscription m_naprawa;
    TDM1& m_tdm1;
    // The leave types' window holds the leave rows' calculation while it is open.
    std::optional<ZawieszenieObliczenUrlopow> m_zawieszenieUrlopow;
};

}  // namespace mirta::store::ui
