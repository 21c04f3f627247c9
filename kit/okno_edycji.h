#pragma once

#include <QDialog>
#include <QStyle>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/dataset.h"
#include "kit/uslugi.h"
#include "wspolne/dialogi.h"

class QHBoxLayout;
class QPushButton;

namespace mirta::kit {

class AutomaticEdit;
class DataSource;

// What closing asks about one table with unsaved changes.
struct PytaniaOZapis {
    std::string zapis;  // in edit state: " Czy zapisać dane użytkownika ?"
    std::string dopis;  // in insert state: "Czy dopisać nowego użytkownika ?"
    std::string tytul;  // the caption: " Kontrola użytkowników."
};

// The question every window asks on closing for a table with unsaved changes (Yes/No/Cancel,
// warning icon, Yes by default); nothing in browse state. Yes posts, No drops the changes;
// false for Cancel. A refused post throws, the record staying in its state.
bool ZapytajOZapis(const PytaniaOZapis& pytania, engine::Dataset& tabela, store::Dialogi& dialogi);

// The frame of every window that edits data. The window lays out its controls and puts
// Przyciski() under them; the frame owns the rest:
// - the button row: the window's own buttons (DodajPrzycisk), then "&Zamknij";
// - closing: "&Zamknij", Esc, the close box and accept() all end in done(), which first
//   writes what the controls of every added data source hold and asks ZapytajOZapis about
//   each, in the order added; a refused text, a refused post or a Cancel keeps the window;
// - PoZamknieciu() once closing was allowed;
// - Bezpiecznie(), the guarded runner with the window's Dialogi.
//
//   class TFWydawcy : public kit::OknoEdycji {
//       TFWydawcy(...) : OknoEdycji(dialogi, parent) {
//           m_zrodlo = &NoweZrodlo(*tdm.TWydawcy, edycja,
//                                  {" Czy zapisać ... ?", "Czy dopisać ... ?", " Kontrola."});
//           auto* uklad = new QVBoxLayout(this);
//           ... controls ...
//           uklad->addLayout(Przyciski());
//       }
//   };
class OknoEdycji : public QDialog {
    Q_OBJECT
public:
    explicit OknoEdycji(store::Dialogi& dialogi, QWidget* parent = nullptr);
    // A window of the program: its sources follow the program's automatic-edit option.
    explicit OknoEdycji(const Uslugi& uslugi, QWidget* parent = nullptr);
    ~OknoEdycji() override;

    store::Dialogi& DialogiOkna() const { return m_dialogi; }

    // A data source over `tabela`, owned by the window; closing asks about its table. Its
    // controls let go of it by themselves, whatever goes first, so the window needs no
    // destructor of its own for them.
    DataSource& NoweZrodlo(engine::Dataset& tabela, AutomaticEdit& edycja, PytaniaOZapis pytania);
    // The same, asked about through another source, or not at all; closing only writes what
    // its controls hold.
    DataSource& NoweZrodlo(engine::Dataset& tabela, AutomaticEdit& edycja);
    // The same under the automatic-edit option the window was handed.
    // REQUIRES: the window was made from Uslugi.
    DataSource& NoweZrodlo(engine::Dataset& tabela, PytaniaOZapis pytania);
    DataSource& NoweZrodlo(engine::Dataset& tabela);

    // Closing asks about this source's table.
    void DodajZrodlo(DataSource& zrodlo, PytaniaOZapis pytania);
    // Closing only writes what this source's controls hold (its table is asked about through
    // another source, or not at all).
    void DodajZrodlo(DataSource& zrodlo);

    // The button row, right-aligned; the window adds it to its layout once.
    QHBoxLayout* Przyciski() const { return m_przyciski; }
    QPushButton* PrzyciskZamknij() const { return m_zamknij; }
    // A button of the window's own, placed before the buttons added later and "&Zamknij".
    QPushButton* DodajPrzycisk(const QString& tekst, const char* nazwa,
                               QStyle::StandardPixmap ikona = QStyle::SP_CustomBase);

    // Runs `akcja` guarded, reporting through the window's Dialogi; false when it threw.
    bool Bezpiecznie(const std::function<void()>& akcja);

    void done(int wynik) override;

protected:
    // Whether the window may close now: by default writes and asks, as above. A window that
    // closes on other terms overrides it.
    virtual bool MoznaZamknac();
    // What the window does once closing was allowed, before it hides.
    virtual void PoZamknieciu() {}

    void showEvent(QShowEvent* zdarzenie) override;

private:
    struct Zrodlo {
        DataSource* zrodlo;
        std::optional<PytaniaOZapis> pytania;
    };

    store::Dialogi& m_dialogi;
    AutomaticEdit* m_edycja = nullptr;
    std::vector<Zrodlo> m_zrodla;
    QHBoxLayout* m_przyciski;
    QPushButton* m_zamknij;
    // Set once closing was allowed, so a second done() of the same closing asks nothing.
    bool m_zamykane = false;
};

}  // namespace mirta::kit
