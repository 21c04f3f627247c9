#pragma once

#include <array>
#include <memory>

#include "kit/data_source.h"
#include "kit/okno_edycji.h"
#include "store/kalendarz_kadrowy.h"

class QComboBox;
class QLabel;
class QToolButton;

namespace mirta::kit {
class DbEdit;
}

namespace mirta::store::ui {

// The calendar of days: one month of the unit's calendar, 31 day cells whose status is
// changed from the day button's context menu and whose hours are typed in directly.
class TFKalendarz : public kit::OknoEdycji {
    Q_OBJECT
public:
    TFKalendarz(TDM& tdm, Dialogi& dialogi, QWidget* parent = nullptr);
    ~TFKalendarz() override;

    // Shows the month of the processing date, once; false (after its message) when the month
    // cannot be read: the window is then not shown. Showing the window calls it first.
    bool Otworz();
    int exec() override;
    void open() override;
    void setVisible(bool widoczne) override;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    // Closing asks nothing: the month is stored, and hours the file refused are dropped after
    // their message, so the window always closes.
    bool MoznaZamknac() override;

private:
    // Shows what the logic holds; closes the window when `pokazano` is false.
    void Pokaz(bool pokazano);
    void ZmienMiesiac(int miesiac);
    void ZmienRok(int o);
    void MenuDnia(int dzien, const QPoint& gdzie);

    TDM& m_tdm;
    KalendarzKadrowy m_logika;
    // Hours are typed straight into the month: the field starts editing whatever the main
    // window's option.
    kit::AutomaticEdit m_edycja;
    std::unique_ptr<kit::DataSource> m_zrodlo;
    QLabel* m_rok = nullptr;
    QComboBox* m_miesiace = nullptr;
    bool m_przebudowa = false;
    enum class Otwarcie { Nie, Tak, Blad } m_otwarcie = Otwarcie::Nie;
    struct KomorkaDnia {
        QToolButton* przycisk = nullptr;
        QLabel* dzienTygodnia = nullptr;
        kit::DbEdit* godziny = nullptr;
    };
    std::array<KomorkaDnia, 31> m_dni{};
};

}  // namespace mirta::store::ui
