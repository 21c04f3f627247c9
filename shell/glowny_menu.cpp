// The main window's menu: every command, with the administrator check of those that need it.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "shell/glowny.h"
#include "store/tdm.h"

namespace mirta::shell {

namespace {

constexpr const char* kBrakAdministratoraSzablony =
    "Do tej funkcji potrzebne są uprawnienia administratora systemu.\n"
    "Nie masz uprawnień administratora systemu !!!";

}  // namespace

// An item opens its window through `akcja`; without one (the window belongs to a later piece
// of work) the item is shown disabled.
struct TFGlowny::Pozycja {
    const char* menu;
    const char* tytul;
    const char* nazwa;
    const char* tylkoAdministrator;  // the refusal shown to other users
    void (TFGlowny::*akcja)();
};

void TFGlowny::ZbudujMenu() {
    static const Pozycja kPozycje[] = {
        {"administrowanie", "Zmiana hasła", "zmianaHasla", nullptr, &TFGlowny::ZmianaHasla},
        {"administrowanie", "Zmień użytkownika", "zmianaUzytkownika", nullptr,
         &TFGlowny::ZmienUzytkownika},
        {"administrowanie", "Wprowadzanie użytkownikow", "uzytkownicy", kBrakAdministratora,
         &TFGlowny::Uzytkownicy},
        {"administrowanie", "Aktualizacja szablonów wydruków.", "szablonyWydrukow",
         kBrakAdministratoraSzablony, &TFGlowny::SzablonyWydrukow},
        {"administrowanie", "Zamknięcie roku do urlopów.", "zamkniecieRoku", kBrakAdministratora,
         &TFGlowny::ZamkniecieRoku},
        {"administrowanie", "Dograj urlopy z poprzedniego roku.", "dograjUrlopy", nullptr,
         &TFGlowny::DograjUrlopy},
        {"administrowanie", "Dane straży", "daneStrazy", kBrakAdministratora,
         &TFGlowny::DaneStrazy},
        {"administrowanie", "Przegraj dane do płac", "przegrajDoPlac", nullptr,
         &TFGlowny::PrzegrajDoPlac},
        {"administrowanie", "Naprawa tabel", "naprawaTabel", kBrakAdministratora,
         &TFGlowny::NaprawaTabel},
        {"inne", "Kopia zapasowa danych.", "kopiaDanych", nullptr, &TFGlowny::KopiaDanych},
        {"inne", "Wyprowadzenie stażu pracownika.", "wyprowadzenieStazuMenu", nullptr,
         &TFGlowny::WyprowadzenieStazu},
        {"inne", "Dziennik zmian.", "dziennikZmian", nullptr, &TFGlowny::DziennikZmian},
        {"inne", "Terminy.", "terminy", nullptr, &TFGlowny::Terminy},
        {"inne", "Informacje o programie.", "informacje", nullptr, &TFGlowny::Informacje},
        {"inne", "Edytor tekstowy.", "edytor", nullptr, &TFGlowny::Edytor},
        {"inne", "Koniec pracy.", "koniecPracy", nullptr, &TFGlowny::KoniecPracy},
        {"spd", "Utworzenie przesyłek", "utworzeniePrzesylek", nullptr,
         &TFGlowny::UtworzeniePrzesylek},
        {"spd", "Wysyłanie przesyłek", "wysylaniePrzesylek", nullptr,
         &TFGlowny::WysylaniePrzesylek},
        {"spd", "Harmonogram", "harmonogram", nullptr, &TFGlowny::HarmonogramSPD},
        {"spd", "Składniki wchodzące do wynagrodzenia", "skladnikiWynagrodzenia", nullptr,
         &TFGlowny::SkladnikiWynagrodzenia},
        {"spd", "ParametrySPD", "parametrySPD", nullptr, &TFGlowny::ParametrySPD},
        {"spd", "Struktura etatów", "strukturaEtatow", nullptr, &TFGlowny::StrukturaEtatow},
        {"spd", "Dane do mapowania", "daneDoMapowania", nullptr, &TFGlowny::DaneDoMapowania},
        {"spd", "Kontrola danych przed eksportem", "kontrolaDanychSPD", nullptr,
         &TFGlowny::KontrolaDanychSPD},
        {"rodo", "Dane osobowe pracownika.", "daneOsobowe", nullptr,
         &TFGlowny::DaneOsobowePracownika},
        {"rodo", "Rejestr udostępnień danych.", "rejestrUdostepnien", nullptr,
         &TFGlowny::RejestrUdostepnien},
        {"rodo", "Rejestr upoważnień.", "rejestrUpowaznien", nullptr, &TFGlowny::RejestrUpowaznien},
        {"rodo", "Okresy przechowywania akt.", "okresyPrzechowywania", nullptr,
         &TFGlowny::OkresyPrzechowywania},
    };

    QMenuBar* pasek = menuBar();
    auto menu = [&](const char* klucz, const char* tytul) {
        QMenu* m = pasek->addMenu(tytul);
        m->setObjectName(QString("menu_") + klucz);
        m_menu[klucz] = m;
        return m;
    };
    DodajSlowniki(menu("slowniki", "Słowniki"));
    QAction* kalendarz = pasek->addAction("Kalendarz");
    kalendarz->setObjectName("kalendarz");
    connect(kalendarz, &QAction::triggered, this, &TFGlowny::Kalendarz);
    menu("administrowanie", "Administrowanie Systemem.");
    menu("inne", "Inne");
    QMenu* edycja = menu("edycja", "Edycja automatyczna");
    menu("spd", "System SPD");
    menu("rodo", "Ochrona danych");

    for (const Pozycja& p : kPozycje) {
        QAction* a = m_menu.at(p.menu)->addAction(p.tytul);
        a->setObjectName(p.nazwa);
        a->setEnabled(p.akcja != nullptr);
        if (!p.akcja)
            continue;
        connect(a, &QAction::triggered, this, [this, &p] {
            if (p.tylkoAdministrator && !m_tdm.Sesja().Administrator) {
                m_dialogi.Blad(p.tylkoAdministrator, store::kTytulBledu);
                return;
            }
            (this->*p.akcja)();
        });
    }
    m_menu.at("inne")->insertSeparator(Polecenie("koniecPracy"));

    auto* grupa = new QActionGroup(this);
    grupa->setExclusive(true);
    m_edycjaTak = edycja->addAction("Tak");
    m_edycjaTak->setObjectName("edycjaTak");
    m_edycjaNie = edycja->addAction("Nie");
    m_edycjaNie->setObjectName("edycjaNie");
    for (QAction* a : {m_edycjaTak, m_edycjaNie}) {
        a->setCheckable(true);
        grupa->addAction(a);
    }
    m_edycjaTak->setChecked(true);
    connect(m_edycjaTak, &QAction::triggered, this, [this] { UstawEdycjeAutomatyczna(true); });
    connect(m_edycjaNie, &QAction::triggered, this, [this] { UstawEdycjeAutomatyczna(false); });
}

QAction* TFGlowny::Polecenie(const QString& nazwa) const {
    return findChild<QAction*>(nazwa);
}

void TFGlowny::KoniecPracy() {
    close();
}

// Closes as at the end of work (layouts saved, pending changes asked about) without asking
// whether to end; the program then shows the login again.
void TFGlowny::ZmienUzytkownika() {
    m_zmianaUzytkownika = true;
    if (!close())
        m_zmianaUzytkownika = false;
}

}  // namespace mirta::shell
