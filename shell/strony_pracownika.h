#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kit/data_source.h"

class QPushButton;
class QTabWidget;
class QTextEdit;

namespace mirta::store {
class Dialogi;
class TDM;
class TDM1;
class TableComponent;
}  // namespace mirta::store

namespace mirta::kit {
class DbCodeCombo;
class DbGrid;
}  // namespace mirta::kit

namespace mirta::store {
struct OpisStrony;
}  // namespace mirta::store

namespace mirta::shell {

using store::OpisStrony;
class BudowniczyStron;
class DbPodpowiedzi;

// The tree of tabbed pages of the current employee below the employee list: every record kind
// of the employee's file, bound to the tables of TDM and TDM1. Pages bind their grids while
// shown, the leave table is open only while its page is shown, and a page whose table has
// unsaved changes keeps the user on it.
class StronyPracownika : public QWidget {
    Q_OBJECT
public:
    // TDM.TPracownicy must stay open while the pages live; the other tables may open later
    // (PrzylaczTabele).
    StronyPracownika(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
                     kit::AutomaticEdit& edycjaAutomatyczna, QWidget* parent = nullptr);
    ~StronyPracownika() override;

    // The start sequence after a successful login: binds the tables opened by the login,
    // selects the first pages, closes the leave table while its page is hidden, sets the
    // harmfulness-group choices of the processing year and fills the contract-end
    // suggestions. Call after the tables of the login are open.
    void PoZalogowaniu();
    // Binds pages whose tables were opened after the pages were built.
    void PrzylaczTabele();

    // Only the leave and absence pages (the user's TrybUrlopowy).
    void UstawTrybUrlopowy(bool trybUrlopowy);
    bool TrybUrlopowy() const { return m_trybUrlopowy; }
    // ParametryKadr.db.AktualizacjaDanychPlacowy: false keeps the employee's twenty identity
    // fields disabled, shown on the hint colour.
    void UstawAktualizacjeDanychPlacowych(bool aktualizacja);
    bool AktualizacjaDanychPlacowych() const { return m_aktualizacjaPlacowych; }
    // EdycjaAutomatyczna itself lives in the AutomaticEdit object given to the constructor.

    // Processing years after 2006 get the service-system texts of the harmfulness groups.
    void UstawRokPrzetwarzania(int rok);
    // Refills the drop-down of contract-end ways from Podpowiedzi.DB (kind "1").
    void WypelnijPodpowiedzi();
    // The dictionary windows exist: the "..." buttons may be used (under the edit rule).
    void UdostepnijWyborZeSlownikow(bool dostepny);
    // The leave-due window exists: "Urlopy należne" may be used.
    void UdostepnijUrlopyNalezne(bool dostepny);

    // The employee record's source: the main window's navigator and list bind to it, so that
    // what is typed on these pages is stored before the employee is posted.
    kit::DataSource& ZrodloPracownika();
    // Or the pages take the main window's source of the employee record. REQUIRES: `zrodlo`
    // views TDM.TPracownicy and outlives the pages.
    void UstawZrodloPracownika(kit::DataSource& zrodlo);
    // DBGrid14 of "Poprzednie zatrudnienia" (personal grid layouts).
    kit::DbGrid& SiatkaPoprzednichZatrudnien();
    // Every detail grid with its form's grid name, for the personal grid layouts.
    std::vector<std::pair<QString, kit::DbGrid*>> Siatki() const;

    QTabWidget& Zakladki() const { return *m_zakladki; }
    // A page by its caption (outer or inner); nullptr when there is none.
    QWidget* Strona(const QString& tytul) const;
    // Selects a page (an inner one together with its outer page).
    void PokazStrone(const QString& tytul);
    // The caption of the page shown (the inner one when the outer page holds pages).
    QString BiezacaStrona() const;
    bool StronaWidoczna(const QString& tytul) const;

    // "Informacja zbiorcza" and "Wynagr.": read-only rich text filled by their generator.
    QTextEdit& InformacjaZbiorcza() const { return *m_informacja; }
    QTextEdit& Wynagrodzenia() const { return *m_wynagrodzenia; }
    // The formatted-view toggle of the summary page.
    bool PodgladSformatowany() const { return m_podgladSformatowany; }
    void UstawPodgladSformatowany(bool sformatowany) { m_podgladSformatowany = sformatowany; }

signals:
    // The page became visible or its view was toggled: rebuild its text.
    void informacjaZbiorczaDoPrzebudowy();
    void wynagrodzeniaDoPrzebudowy();
    // A page of another module (RodzajStrony::Osadzona) became visible.
    void stronaOsadzonaPokazana(const QString& tytul);
    // A "..." button: open dictionary window `okno` in picking mode `numer`.
    void wyborZeSlownika(const QString& okno, int numer);
    // "Urlopy należne" pressed.
    void urlopyNalezne();
    // "Wyprowadzenie stażu..." of the summary page.
    void wyprowadzenieStazu();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Karta;
    struct Tabela;
    struct Zrodlo;

    void Zbuduj();
    Karta* StronaOTytule(const QString& tytul) const;
    void Pokaz(Karta& strona);
    Zrodlo& ZrodloKomponentu(store::TableComponent& komponent);
    kit::DataSource* AktualneZrodlo(store::TableComponent& komponent);
    void Przylacz(Tabela& tabela, bool tylkoSiatka);
    void Odlacz(Tabela& tabela, bool tylkoSiatka);
    bool OtworzUrlopy();
    void ZamknijUrlopy();
    bool UrlopyEdytowane() const;

    void Pokazana(Karta& strona);
    void Ukryta(Karta& strona, bool zRodzicem);
    void ZmianaZewnetrznej(int indeks);
    void ZmianaWewnetrznej(Karta& rodzic, int indeks);
    bool Edytowana(std::string_view komponent) const;
    void Straz();
    void StrazWewnetrzna(Karta& rodzic);
    void ZastosujBlokady();
    void PilnujPodpowiedzi();
    void PoZapisiePoprzedniegoZatrudnienia(engine::Dataset& ds);

    store::TDM& m_tdm;
    store::TDM1& m_tdm1;
    store::Dialogi& m_dialogi;
    kit::AutomaticEdit& m_edycja;

    QTabWidget* m_zakladki = nullptr;
    QTextEdit* m_informacja = nullptr;
    QTextEdit* m_wynagrodzenia = nullptr;
    QPushButton* m_urlopyNalezne = nullptr;
    std::vector<std::unique_ptr<Karta>> m_strony;
    std::vector<std::unique_ptr<Tabela>> m_tabele;
    std::map<std::string, std::unique_ptr<Zrodlo>> m_zrodla;
    kit::DbCodeCombo* m_grupaSzkodliwosci = nullptr;
    DbPodpowiedzi* m_podpowiedzi = nullptr;
    const engine::Dataset* m_pilnowanePoprzednie = nullptr;
    Karta* m_aktywnaZewnetrzna = nullptr;
    bool m_widoczne = false;
    bool m_wStrazy = false;
    bool m_trybUrlopowy = false;
    bool m_aktualizacjaPlacowych = true;
    bool m_podgladSformatowany = false;
    bool m_wyborZeSlownikow = false;
    int m_rokGrupSzkodliwosci = 0;

    friend class BudowniczyStron;
};

}  // namespace mirta::shell
