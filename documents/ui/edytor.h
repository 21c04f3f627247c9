#pragma once

#include <QMainWindow>
#include <QPageLayout>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "documents/document.h"
#include "documents/slownik_tagow.h"

class QAction;
class QComboBox;
class QFontComboBox;
class QLineEdit;
class QMenu;
class QTextEdit;
class QPrinter;

namespace mirta::store {
class Dialogi;
class ZrodlaObliczen;
}  // namespace mirta::store

namespace mirta::documents {

class Linijka;
struct SzablonWydruku;
struct PozycjaMenuTagow;

// The text editor TFEditor: a word processor for RTF and plain text with a ruler, the tag
// pop-up menus for writing templates, and the document produced from a registered template
// for the current employee.
class TFEditor : public QMainWindow {
    Q_OBJECT
public:
    enum class Tryb { Nowy = 0, Edycja = 1, Szablon = 2 };

    TFEditor(store::Dialogi& dialogi, QWidget* parent = nullptr);
    ~TFEditor() override;

    // Starts a new empty document ("Untitled") in the given mode and shows the window.
    void Otworz(Tryb tryb);
    // The template filled for the employee (mode 2): false, after the check's message, when
    // the template cannot be produced. The produced text closes without a question.
    bool OtworzSzablon(const SzablonWydruku& szablon, store::ZrodlaObliczen& zrodla,
                       int32_t pracownik, const WybraneWiersze& wybrane = {});
    // A listing made by the program as a new untitled document, unchanged, and shows it.
    void OtworzTekst(const QString& tekst);

    // Loads a file (RTF by its content, else plain text); false after a message.
    bool Wczytaj(const QString& plik);
    // Writes the text to a file: RTF, or plain text for a name ending in ".TXT".
    bool ZapiszDo(const QString& plik);

    // Every <<...>> of the text that is no tag, as "line: text" lines; empty when none.
    QStringList NieznaneSymbole() const;

    // The report launcher's tag picker: while set, tag items call it with the title and tag
    // instead of pasting, "Kopiuj" and "Wklej" hide and "Wytnij" reads "Wyczyść".
    using Wybor = std::function<void(const QString& tytul, const QString& tag)>;
    void UstawWyborTagow(Wybor wybor, std::function<void()> wyczysc);

    // "Wydruk inny": the document shown through the personnel printout, `kopie` (1 or 2) on a
    // sheet, portrait or landscape. Its items stay disabled until the printout is connected.
    using WydrukInny = std::function<void(const Document& dokument, int kopie, bool portret,
                                          const QString& tytul)>;
    void UstawWydrukInny(WydrukInny wydruk);
    // "Zapisz w aktach osobowych": a document produced from a template (mode 2) handed on with
    // its employee and the template's name. The item stays disabled until this is set and for
    // any other text.
    using ZapisWAktach = std::function<void(const Document& dokument, int32_t pracownik,
                                            const QString& nazwaSzablonu)>;
    void UstawZapisWAktach(ZapisWAktach zapis);
    // The text as it stands, as a document of our model.
    Document BiezacyDokument() const;

    QTextEdit& Tekst() { return *m_tekst; }
    const QString& NazwaPliku() const { return m_plik; }
    Tryb AktualnyTryb() const { return m_tryb; }
    bool PytaPrzyPorzucaniu() const { return m_pytaj; }
    QMenu& MenuPodreczne() { return *m_podreczne; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void ZbudujAkcje();
    void ZbudujMenu();
    void ZbudujPasekNarzedzi();
    void ZbudujMenuPodreczne();
    QAction* Akcja(const QString& tekst, const QString& podpowiedz, void (TFEditor::*slot)());
    void UstawPlik(const QString& plik);
    void NowyTekst();
    // The save-discard-cancel question before a command drops the text; false: abandon it.
    bool MoznaPorzucic();
    void WstawTag(const PozycjaMenuTagow& p);
    void OdswiezPasek();
    void ZastosujRozmiar();
    void Drukuj();
    void Podglad(QPageLayout::Orientation orientacja);
    void PodgladInny(int kopie, bool portret);

    void Nowy();
    void OtworzPlik();
    void Zapisz();
    void ZapiszJako();
    void DrukujPlik();
    void PodgladWydruku();
    void Pogrubienie();
    void Kursywa();
    void Podkreslenie();
    void DoLewej();
    void Srodek();
    void DoPrawej();
    void Wypunktowanie();
    void Zawijanie();
    void Czcionka();
    void SprawdzSymbole();

    store::Dialogi& m_dialogi;
    QTextEdit* m_tekst = nullptr;
    Linijka* m_linijka = nullptr;
    QFontComboBox* m_czcionki = nullptr;
    QComboBox* m_rozmiar = nullptr;
    QLineEdit* m_znaki = nullptr;
    QMenu* m_podreczne = nullptr;
    QAction *m_wytnij = nullptr, *m_kopiuj = nullptr, *m_wklej = nullptr;
    QAction *m_pogrubiony = nullptr, *m_kursywa = nullptr, *m_podkreslenie = nullptr;
    QAction *m_lewo = nullptr, *m_srodek = nullptr, *m_prawo = nullptr, *m_punkty = nullptr;
    QAction* m_zawijaj = nullptr;
    // The template file of the document produced here (for the register of disclosures).
    std::string m_szablonDokumentu;
    Document m_wczytany;  // what was loaded: page, fonts and kept RTF a save writes back
    QString m_plik;
    Tryb m_tryb = Tryb::Nowy;
    bool m_pytaj = true;
    bool m_pytajONadpisanie = false;  // a produced document's first save
    bool m_aktualizujePasek = false;
    Wybor m_wybor;
    WydrukInny m_wydrukInny;
    QMenu* m_menuInny = nullptr;
    ZapisWAktach m_zapisWAktach;
    QAction* m_wAktach = nullptr;
    int32_t m_pracownikSzablonu = 0;  // the employee of the produced document; 0: none
    QString m_nazwaSzablonu;
    void OdswiezZapisWAktach();
    std::function<void()> m_wyczysc;
};

}  // namespace mirta::documents
