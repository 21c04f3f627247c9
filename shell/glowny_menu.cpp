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
        {"slowniki", "Rodzaje stopni i wynagrodzeń", "rodzajeStopni", nullptr, nullptr},
        {"slowniki", "Rodzaje grup i wynagrodzeń", "rodzajeGrup", nullptr, nullptr},
        {"slowniki", "Słownik stanowisk", "slownikStanowisk", nullptr, nullptr},
        {"slowniki", "Słownik form zatrudnienia", "slownikFormZatrudnienia", nullptr, nullptr},
        {"slowniki", "Słownik grup inwalidzkich", "slownikGrupInwalidzkich", nullptr, nullptr},
        {"slowniki", "Słownik rodzajów emerytur / rent", "slownikSwiadczen", nullptr, nullptr},
        {"slowniki", "Słownik statusów pracowników cywilnych", "slownikStatusow", nullptr, nullptr},
        {"slowniki", "Wystawcy rozkazów", "wydawcy", nullptr, nullptr},
        {"slowniki", "Rodzaje wykształceń", "rodzajeWyksztalcenia", nullptr, nullptr},
        {"slowniki", "Rodzaje stopni naukowych", "rodzajeStopniNaukowych", nullptr, nullptr},
        {"slowniki", "Rodzaje tytułów zawodowych", "tytulyZawodowe", nullptr, nullptr},
        {"slowniki", "Rodzaje kursów i studiów podyplomowych", "rodzajeKursow", nullptr, nullptr},
        {"slowniki", "Rodzaje pokrewieństw", "rodzajePokrewienstw", nullptr, nullptr},
        {"slowniki", "Rodzaje urlopów", "rodzajeUrlopow", nullptr, nullptr},
        {"slowniki", "Podstawy wynagrodzeń w grupach płacowych", "podstawyWynagrodzen", nullptr,
         nullptr},
        {"slowniki", "Premia pracowników cywilnych", "premieCywili", nullptr, nullptr},
        {"slowniki", "Podział organizacyjny firmy", "podzialOrganizacyjny", nullptr, nullptr},
        {"slowniki", "Słownik orderów", "slownikOrderow", nullptr, nullptr},
        {"slowniki", "Słownik organów nadających", "slownikOrganow", nullptr, nullptr},
        {"slowniki", "Słownik kar", "slownikKar", nullptr, nullptr},
        {"slowniki", "Słownik wyróżnień", "slownikWyroznien", nullptr, nullptr},
        {"slowniki", "Podstawy zdarzeń kadrowych", "podstawyZdarzen", nullptr, nullptr},
        {"slowniki", "Rodzaje zdarzeń kadrowych", "rodzajeZdarzen", nullptr, nullptr},
        {"administrowanie", "Zmiana hasła", "zmianaHasla", nullptr, nullptr},
        {"administrowanie", "Wprowadzanie użytkownikow", "uzytkownicy", kBrakAdministratora,
         nullptr},
        {"administrowanie", "Aktualizacja szablonów wydruków.", "szablonyWydrukow",
         kBrakAdministratoraSzablony, nullptr},
        {"administrowanie", "Zamknięcie roku do urlopów.", "zamkniecieRoku", kBrakAdministratora,
         nullptr},
        {"administrowanie", "Dograj urlopy z poprzedniego roku.", "dograjUrlopy", nullptr, nullptr},
        {"administrowanie", "Dane straży", "daneStrazy", kBrakAdministratora, nullptr},
        {"administrowanie", "Przegraj dane do płac", "przegrajDoPlac", nullptr, nullptr},
        {"inne", "Informacje o programie.", "informacje", nullptr, nullptr},
        {"inne", "Edytor tekstowy.", "edytor", nullptr, nullptr},
        {"inne", "Koniec pracy.", "koniecPracy", nullptr, &TFGlowny::KoniecPracy},
        {"spd", "Utworzenie przesyłek", "utworzeniePrzesylek", nullptr, nullptr},
        {"spd", "Wysyłanie przesyłek", "wysylaniePrzesylek", nullptr, nullptr},
        {"spd", "Harmonogram", "harmonogram", nullptr, nullptr},
        {"spd", "Składniki wchodzące do wynagrodzenia", "skladnikiWynagrodzenia", nullptr, nullptr},
        {"spd", "ParametrySPD", "parametrySPD", nullptr, nullptr},
        {"spd", "Struktura etatów", "strukturaEtatow", nullptr, nullptr},
        {"spd", "Dane do mapowania", "daneDoMapowania", nullptr, nullptr},
    };

    QMenuBar* pasek = menuBar();
    auto menu = [&](const char* klucz, const char* tytul) {
        QMenu* m = pasek->addMenu(tytul);
        m->setObjectName(QString("menu_") + klucz);
        m_menu[klucz] = m;
        return m;
    };
    menu("slowniki", "Słowniki");
    QAction* kalendarz = pasek->addAction("Kalendarz");
    kalendarz->setObjectName("kalendarz");
    kalendarz->setEnabled(false);
    menu("administrowanie", "Administrowanie Systemem.");
    menu("inne", "Inne");
    QMenu* edycja = menu("edycja", "Edycja automatyczna");
    menu("spd", "System SPD");

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

}  // namespace mirta::shell
