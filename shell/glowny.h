#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <map>
#include <string>

#include "engine/observer.h"
#include "kit/data_source.h"
#include "kit/uslugi.h"
#include "reports/wybory.h"
#include "reports/wydruk_kadrowy.h"
#include "store/czas_pracy.h"

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;
class QVBoxLayout;

namespace mirta::store {
class KomunikatyObliczen;
class TDM;
class TDM1;
class Dialogi;
}  // namespace mirta::store

namespace mirta::kit {
class DbGrid;
class DbNavigator;
}  // namespace mirta::kit

namespace mirta::documents {
class TFEditor;
struct DaneTagow;
struct Document;
}  // namespace mirta::documents

namespace mirta::akta {
class AktaOsobowe;
}
namespace mirta::akta::ui {
class StronaAkt;
}

class QTextEdit;

namespace mirta::shell {

class FiltrZdarzen;
class StronyPracownika;

inline constexpr const char* kTytulGlownego = "Mirta wersja 1.4.1";
inline constexpr const char* kBrakAdministratora = "Nie masz uprawnień administratora systemu !!!";
inline constexpr const char* kZapiszPracownika = "Zapisz dane o pracowniku !!!";

// The main window: the employee list with its search on top, the employee's pages below, the
// menu of every command and the status bar. Its working controls stay hidden until the start
// sequence (login, then the session's settings) has run on the first showing.
class TFGlowny : public QMainWindow {
    Q_OBJECT
public:
    // Touches no table; the list binds during the start sequence.
    TFGlowny(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
             QWidget* parent = nullptr);
    ~TFGlowny() override;

    // The modal start window; afterwards the session tells whether someone logged in.
    using Logowanie = std::function<void(QWidget* rodzic)>;
    void UstawLogowanie(Logowanie logowanie) { m_logowanie = std::move(logowanie); }
    // Runs on the first showing unless run before. False when nobody logged in: the window
    // then closes without a question and the program ends.
    bool SekwencjaStartowa();
    bool PierwszaAktywacja() const { return m_pierwszaAktywacja; }
    // A user without a password is taken to the password change right after the login (he
    // may put it off until the next one). Off in the picture mode, where nobody answers.
    void UstawZmianeHaslaPoZalogowaniu(bool zmiana) { m_zmianaHaslaPoZalogowaniu = zmiana; }

    bool EdycjaAutomatyczna() const { return m_edycjaAutomatyczna.IsOn(); }
    void UstawEdycjeAutomatyczna(bool wlaczona);
    kit::AutomaticEdit& AutoEdycja() { return m_edycjaAutomatyczna; }
    // What the program's windows are handed.
    kit::Uslugi UslugiOkien() { return {m_tdm, m_tdm1, m_dialogi, m_edycjaAutomatyczna}; }

    // Set by the leave-year closing just before it closes the window.
    void UstawZamknijBezPytania(bool zamknij) { m_zamknijBezPytania = zamknij; }
    // The window was closed to log in as another user: the program starts over at the login.
    bool ZmianaUzytkownika() const { return m_zmianaUzytkownika; }

    void PokazCzekanie(const QString& tekst);
    void UkryjCzekanie();

    QLineEdit* SzukajNazwiska() const { return m_szukaj; }
    kit::DbGrid* ListaPracownikow() const { return m_lista; }
    kit::DbNavigator* NawigatorPracownikow() const { return m_nawigator; }
    kit::DataSource& ZrodloPracownikow();
    StronyPracownika* Strony() const { return m_strony; }
    // A menu item by its object name; nullptr when there is none.
    QAction* Polecenie(const QString& nazwa) const;
    // Selects the employee in the list and shows the page of the table's component (none: the
    // page shown stays).
    void PrzejdzDoStrony(int32_t pracownik, const std::string& komponent);

signals:
    // The start sequence found nobody logged in.
    void zakonczProgram();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pozycja;

    void ZbudujPanelGorny(QVBoxLayout* uklad);
    void ZbudujListe();
    void ZbudujMenu();
    void DodajPolecenia(QMenu* menu, const char* nazwaMenu);
    void ZbudujPasekStanu();
    void PokazPasekStanu();
    void PokazLiczbePracownikow();
    void PokazPracePrzyStarcie(bool pokaz);
    void WidocznoscPolecen();
    void ZastosujTrybUrlopowy();
    // Menu commands the user's rights do not allow, shown disabled with the reason.
    void ZastosujUprawnienia();

    void Szukaj(const QString& tekst);
    bool PiszNaLiscie(QKeyEvent* klawisz);
    bool KlawiszWyszukiwania(QKeyEvent* klawisz);
    void OdswiezPolecenia();
    void CzasPracy();
    void KoniecPracy();
    void ZmienUzytkownika();
    void OtworzKartePracy();

    // Commands that open windows (glowny_okna.cpp).
    void DodajSlowniki(QMenu* menu);
    void WyborZeSlownika(const QString& okno, int numer);
    void Kalendarz();
    void PodzialOrganizacyjny();
    void StrukturaEtatow();
    void ZmianaHasla();
    void Uzytkownicy();
    void DaneStrazy();
    void Informacje();
    void PrzegrajDoPlac();
    void KopiaDanych();
    void NaprawaTabel();
    void WyprowadzenieStazu();
    void DziennikZmian();
    void Terminy();
    // Personal data: one person's data, the registers, retention and anonymisation.
    void DaneOsobowePracownika();
    void RejestrUdostepnien();
    void RejestrUpowaznien();
    void OkresyPrzechowywania();
    // The employee the pages show; 0 when none.
    int32_t BiezacyPracownik() const;
    void WyborPracownikow();
    void UrlopyNalezne();

    // Leave-year commands (glowny_urlopy.cpp).
    void ZamkniecieRoku();
    void DograjUrlopy();
    // Documents (glowny_dokumenty.cpp).
    void PodlaczDokumenty();
    // The page "Akta osobowe" and the editor's filing into it.
    void PodlaczAkta();
    void UstawAktaSesji();
    void OdswiezStroneAkt();
    documents::TFEditor& EdytorTekstu();
    void Edytor();
    void SzablonyWydrukow();
    void PrzebudujStrone(
        QTextEdit& strona,
        const std::function<documents::Document(documents::DaneTagow&, store::KomunikatyObliczen&)>&
            budowa);
    void PrzebudujInformacjeZbiorcza();
    void PrzebudujWynagrodzenia();
    void DrukujInformacjeZbiorcza();
    void Wydruki();
    bool Zamykanie();

    // The SPD menu (glowny_spd.cpp).
    void UtworzeniePrzesylek();
    void WysylaniePrzesylek();
    void HarmonogramSPD();
    void SkladnikiWynagrodzenia();
    void ParametrySPD();
    void DaneDoMapowania();
    void KontrolaDanychSPD();

    store::TDM& m_tdm;
    store::TDM1& m_tdm1;
    store::Dialogi& m_dialogi;
    kit::AutomaticEdit m_edycjaAutomatyczna;
    store::GodzinyDomyslne m_godziny;  // of the work-time card, kept for the run
    // The report launcher's cells, kept for the run.
    reports::DefinicjaWydruku m_definicjaWydruku;
    reports::TQRWydrukKadrowy m_wydrukKadrowy;  // the editor's "Wydruk inny"
    FiltrZdarzen* m_filtr = nullptr;
    Logowanie m_logowanie;

    bool m_pierwszaAktywacja = true;
    bool m_startZaplanowany = false;
    bool m_zmianaHaslaPoZalogowaniu = true;
    bool m_zamknijBezPytania = false;
    bool m_zmianaUzytkownika = false;
    bool m_zamkniecieRokuDozwolone = false;
    bool m_wydrukiDostepne = true;
    bool m_wyborFiltruDostepny = true;

    QWidget* m_panelGorny = nullptr;
    kit::DbNavigator* m_nawigator = nullptr;
    QLineEdit* m_szukaj = nullptr;
    QPushButton* m_wydruki = nullptr;
    QPushButton* m_wyborPracownikow = nullptr;
    QPushButton* m_czasPracy = nullptr;
    QSplitter* m_podzial = nullptr;
    kit::DbGrid* m_lista = nullptr;
    QWidget* m_obszarStron = nullptr;
    StronyPracownika* m_strony = nullptr;
    documents::TFEditor* m_edytor = nullptr;  // made at first use, kept
    std::shared_ptr<akta::AktaOsobowe> m_akta;  // of the logged-in session
    akta::ui::StronaAkt* m_stronaAkt = nullptr;
    QLabel* m_czekanie = nullptr;
    QLabel* m_panelData = nullptr;
    QLabel* m_panelDzis = nullptr;
    QLabel* m_panelUzytkownik = nullptr;
    QLabel* m_panelLiczba = nullptr;
    QLabel* m_panelKatalog = nullptr;
    QAction* m_edycjaTak = nullptr;
    QAction* m_edycjaNie = nullptr;
    std::map<std::string, QMenu*> m_menu;

    engine::Subscription m_polecenia;
    engine::Subscription m_polecenia1;
    engine::Subscription m_liczbaPracownikow;
    engine::Subscription m_informacjaZbiorcza;  // rebuilds the statement for another employee
    engine::Subscription m_aktaPracownika;      // the personnel file follows the employee
};

}  // namespace mirta::shell
