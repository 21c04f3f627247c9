#include "store/ui/podzial_organizacyjny.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "store/tdm.h"
#include "store/ui/okna_wspolne.h"

namespace mirta::store::ui {

namespace {

const kit::NavigatorHints kPodpowiedziNad = {"Pierwsza komórka nadrzędna",
                                             "Poprzednia komórka nadrzędna",
                                             "Następna komórka nadrzędna",
                                             "Ostatnia komórka nadrzędna",
                                             "Dodaj komórkę nadrzędną",
                                             "",
                                             "Edytuj dane komórki nadrzędnej",
                                             "Zapisz dane komórki nadrzędnej",
                                             "Porzuć zmiany",
                                             "Odśwież dane"};

const kit::NavigatorHints kPodpowiedziPod = {"Pierwsza komórka organizacyjna",
                                             "Poprzednia komórka organizacyjna",
                                             "Następna komórka organizacyjna",
                                             "Ostatnia komórka organizacyjna",
                                             "Dodaj komórkę organizacyjną",
                                             "",
                                             "Edytuj dane komórki organizacyjnej",
                                             "Zapisz dane komórki organizacyjnej",
                                             "Porzuć zmiany",
                                             "Odśwież dane"};

// One level of cells: its navigator (no delete: cells are never deleted) over its list.
QGroupBox* Poziom(const QString& tytul, const char* nazwa, kit::DataSource& zrodlo,
                  const kit::NavigatorHints& podpowiedzi, const QString& tytulNazwy,
                  QWidget* rodzic) {
    auto* ramka = new QGroupBox(tytul, rodzic);
    auto* uklad = new QVBoxLayout(ramka);
    auto* nawigator = new kit::DbNavigator(ramka);
    nawigator->setObjectName(QString(nazwa) + "Nawigator");
    nawigator->SetHints(podpowiedzi);
    nawigator->SetButtonVisible(kit::NavButton::Delete, false);
    nawigator->SetDataSource(&zrodlo);
    nawigator->Attach();
    uklad->addWidget(nawigator);
    auto* lista = new kit::DbGrid(ramka);
    lista->setObjectName(QString(nazwa) + "Lista");
    lista->SetColumns({Kolumna("Nazwa", tytulNazwy, 420), Kolumna("Symbol", "Symbol", 90)});
    lista->SetDataSource(&zrodlo);
    lista->Attach();
    uklad->addWidget(lista, 1);
    return ramka;
}

}  // namespace

TFPoidzialOrganizacyjny::TFPoidzialOrganizacyjny(TDM& tdm, Dialogi& dialogi,
                                                 kit::AutomaticEdit& edycja,
                                                 PodzialOrganizacyjny::Tryb tryb, QWidget* parent)
    : OknoEdycji(dialogi, parent), m_logika(std::make_unique<PodzialOrganizacyjny>(tdm, tryb)) {
    setObjectName("TFPoidzialOrganizacyjny");
    setWindowTitle("Podział organizacyjny Firmy.");
    m_nad = &NoweZrodlo(*tdm.TKomorkaNad, edycja,
                        {kPytanieZapisuKomorkiNad, kPytanieDopisuKomorkiNad, kTytulPodzialu});
    m_pod = &NoweZrodlo(*tdm.TKomorkaPod, edycja,
                        {kPytanieZapisuKomorki, kPytanieDopisuKomorki, kTytulPodzialu});

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(Poziom("Komórki nadrzędne", "nad", *m_nad, kPodpowiedziNad,
                            "Nazwa komórki nadrzędnej", this),
                     2);
    uklad->addWidget(Poziom("Komórki organizacyjne", "pod", *m_pod, kPodpowiedziPod,
                            "Nazwa komórki organizacyjnej", this),
                     3);

    QPushButton* uzyj = DodajPrzycisk("&Użyj", "uzyj");
    uzyj->setEnabled(m_logika->UzyjDostepne());
    connect(uzyj, &QPushButton::clicked, this, &TFPoidzialOrganizacyjny::Uzyj);
    uklad->addLayout(Przyciski());
    resize(620, 560);
}

TFPoidzialOrganizacyjny::~TFPoidzialOrganizacyjny() = default;

void TFPoidzialOrganizacyjny::Uzyj() {
    bool zamknij = false;
    Bezpiecznie([&] {
        if (!m_nad->UpdateRecord() || !m_pod->UpdateRecord())
            return;
        zamknij = m_logika->Uzyj();
    });
    if (zamknij) {
        m_uzyto = true;
        accept();
    }
}

void TFPoidzialOrganizacyjny::done(int wynik) {
    OknoEdycji::done(m_uzyto ? QDialog::Accepted : wynik);
}

}  // namespace mirta::store::ui
