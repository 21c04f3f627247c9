#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <utility>

#include "reports/format_wydruku.h"
#include "reports/strona.h"

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSlider;
class QTimer;

namespace mirta::store {
class Dialogi;
}

namespace mirta::reports {
class ZadanieWydruku;
}

namespace mirta::reports::ui {

// The preview window: pages of a report shown as they are laid out, zoom, page navigation,
// opening and saving prepared reports, exports and printing.
class TQuickReportViewer : public QDialog {
    Q_OBJECT
public:
    explicit TQuickReportViewer(store::Dialogi& dialogi, QWidget* parent = nullptr);
    ~TQuickReportViewer() override;

    // Shows the report being prepared: page 1 as soon as it is laid out, the rest in the
    // background; "Zapisz wydruk" once all is done.
    void Pokaz(std::unique_ptr<ZadanieWydruku> zadanie);
    // Shows a report already prepared (a file opened, or a report made elsewhere).
    void PokazGotowy(Wydruk wydruk, bool zapisywalny = true);

    // "Zapisz wydruk" with the file and format the dialog gave; false, after the message (or
    // a beep with nothing prepared), when nothing was written.
    bool ZapiszJako(const QString& plik, FormatWydruku format);
    // "Otwórz wydruk" with a chosen file; false after the message.
    bool Otworz(const QString& plik);
    // Runs the preparation to its end (tests, printing).
    void DokonczPrzygotowanie();

    bool Przygotowany() const { return m_gotowy; }
    int Strona() const { return m_strona; }
    int LiczbaStron() const;
    const Wydruk& Biezacy() const { return m_wydruk; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void reject() override;

private:
    void Krok();
    void Zakonczono();
    void IdzDo(int strona);
    void Odswiez();
    void UstawPowiekszenie(int procent);
    double Skala() const;
    void ZapiszZOkna();
    void OtworzZOkna();
    void Drukuj();
    void Zamknij();

    store::Dialogi& m_dialogi;
    std::unique_ptr<ZadanieWydruku> m_zadanie;
    Wydruk m_wydruk;
    bool m_gotowy = false;
    bool m_ustawianie = false;  // the slider moved by a fit, not by the user
    bool m_zapisywalny = true;
    int m_strona = 0;  // from 0
    enum class Dopasowanie { Brak, CalaStrona, Szerokosc } m_dopasowanie = Dopasowanie::Szerokosc;
    QTimer* m_zegar;
    QScrollArea* m_obszar;
    QLabel* m_obraz;
    QSlider* m_powiekszenie;
    QLabel* m_procent;
    QPushButton *m_sto, *m_calaStrona, *m_szerokosc, *m_pierwsza, *m_poprzednia, *m_nastepna,
        *m_ostatnia, *m_otworz, *m_zapisz, *m_drukuj, *m_zamknij;
    QLabel *m_panel1, *m_panel2;
};

// Prints every page, each scaled to the printer's page.
void DrukujNa(QPrinter& drukarka, const Wydruk& w);

// The save dialog of prepared reports: a file and the format of the filter chosen; nothing
// when cancelled.
// A name without an extension gets the format's; a wrong extension is reported and the
// dialog comes back with the name kept.
std::optional<std::pair<QString, FormatWydruku>> WybierzPlikWydruku(QWidget* rodzic,
                                                                    const QString& tytul,
                                                                    store::Dialogi& dialogi);

// Writes `w` as the user asked in a window: a beep for a report without pages, the message of
// a file name that does not fit the format, the writer's failure through `dialogi`; true once
// written.
bool ZapiszWydrukOkna(const Wydruk& w, const QString& plik, FormatWydruku format,
                      store::Dialogi& dialogi);

}  // namespace mirta::reports::ui
