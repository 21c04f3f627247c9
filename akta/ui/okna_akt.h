#pragma once

#include <QDialog>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "akta/akta_osobowe.h"
#include "akta/spis_akt.h"

class QBuffer;
class QComboBox;
class QLabel;
class QLineEdit;
class QPdfDocument;
class QPdfView;
class QPrinter;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTreeWidget;

namespace mirta::store {
class Dialogi;
}
namespace mirta::documents {
class TFEditor;
}

namespace mirta::akta::ui {

// The part, title and date of a document being filed or changed. With several files at once
// the title is each file's name and its field is off.
class TFDokumentAkt : public QDialog {
    Q_OBJECT
public:
    TFDokumentAkt(const std::vector<CzescAkt>& czesci, const NowyDokument& poczatek,
                  bool tytulWlasny, store::Dialogi& dialogi, QWidget* parent = nullptr);

    // What the fields hold; nullopt, after the message and with the cursor in the field,
    // when the date is no date.
    std::optional<NowyDokument> Odczytaj();

protected:
    void accept() override;

private:
    store::Dialogi& m_dialogi;
    QComboBox* m_czesc;
    QLineEdit* m_tytul;
    QLineEdit* m_data;
    bool m_tytulWlasny;
};

// The built-in viewer: PDF pages and images with zoom, and printing. Other kinds (ODT, DOCX,
// RTF) say that they have no preview.
class TFPrzegladarkaDokumentu : public QDialog {
    Q_OBJECT
public:
    explicit TFPrzegladarkaDokumentu(store::Dialogi& dialogi, QWidget* parent = nullptr);
    ~TFPrzegladarkaDokumentu() override;

    // Shows the checked bytes of `d`; false when they cannot be shown (a damaged PDF, an
    // image Qt cannot read), the message in the window.
    bool Pokaz(const DokumentAkt& d, const std::string& bajty);
    // Percent of the natural size, 10 to 800.
    void UstawPowiekszenie(int procent);
    int Powiekszenie() const { return m_procent; }
    int LiczbaStron() const;
    // Prints every page (PDF) or the image fitted to the page.
    bool Drukuj(QPrinter& drukarka);

private:
    void Odswiez();
    void DrukujZOkna();

    store::Dialogi& m_dialogi;
    QStackedWidget* m_widoki;
    QPdfView* m_pdf;
    QPdfDocument* m_dokumentPdf;
    QBuffer* m_bufor;
    QScrollArea* m_obszar;
    QLabel* m_obraz;
    QLabel* m_brak;
    QLabel* m_strony;
    QPushButton* m_drukuj;
    QImage* m_obrazZrodlowy;
    int m_procent = 100;
    bool m_jestPdf = false;
};

// The page "Akta osobowe" of the employee's file: the documents part by part with their
// numbers; adding by the file dialog or by dropping files, changing, removing (administrator,
// after a question), the viewer, the table of contents and the hand-over.
class StronaAkt : public QWidget {
    Q_OBJECT
public:
    explicit StronaAkt(store::Dialogi& dialogi, QWidget* parent = nullptr);

    // The personnel files of the session; nullptr while nobody is logged in.
    void UstawAkta(AktaOsobowe* akta);
    // The employee whose file is shown; nothing: no employee.
    void UstawPracownika(std::optional<OsobaAkt> osoba);
    void Odswiez();

    // The commands as the buttons run them, without their dialogs (the tests' way in); true
    // when something was done.
    bool Dodaj(const QStringList& pliki, const NowyDokument& opis);
    bool Zmien(const NowyDokument& opis);
    bool Usun();
    bool Przekaz(const QString& plik);
    bool Importuj(const QString& plik);
    // The viewer for the current document (modal unless told not to); nullptr when none.
    TFPrzegladarkaDokumentu* Otworz(bool modalnie = true);
    // The table of contents in the report preview.
    void Spis();

    QTreeWidget& Lista() const { return *m_lista; }
    std::optional<DokumentAkt> Biezacy() const;
    // Selects a document by part and number.
    bool Wybierz(const std::string& czesc, int32_t numer);

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void DodajZOkna(QStringList pliki);
    void ZmienZOkna();
    void PrzekazZOkna();
    void ImportujZOkna();
    void UstawPrzyciski();

    store::Dialogi& m_dialogi;
    AktaOsobowe* m_akta = nullptr;
    std::optional<OsobaAkt> m_osoba;
    QLabel* m_naglowek;
    QTreeWidget* m_lista;
    QPushButton *m_dodaj, *m_zmien, *m_usun, *m_otworz, *m_spis, *m_przekaz, *m_importuj;
    std::unique_ptr<TFPrzegladarkaDokumentu> m_przegladarka;
};

// The table of contents laid out with Qt's fonts and written as PDF bytes.
std::string PdfSpisu(const SpisAkt& spis);

// The editor's "Zapisz w aktach osobowych": a document produced from a template is filed as
// PDF through the personnel printout, titled with the template's name, after asking for the
// part. `akta` gives the session's personnel files (nullptr: none) when the item is used.
void PodlaczZapisWAktach(documents::TFEditor& edytor, std::function<AktaOsobowe*()> akta,
                         store::Dialogi& dialogi);

}  // namespace mirta::akta::ui
