#include "store/ui/karta_pracy.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "store/tdm.h"
#include "store/ui/okna_wspolne.h"

namespace mirta::store::ui {

namespace {

using kit::NavButton;

constexpr const char* kTytulKontroli = "Kontrola danych.";

const kit::NavigatorHints kPodpowiedzi = {
    "Pierwsza karta", "Poprzednia karta", "Natępna karta", "Ostatnia karta", "Dodaj kartę",
    "Usuń kartę",     "Edytuj kartę",     "Zapisz kartę",  "Porzuć zmiany",  "Odświerz dane"};

QLabel* Pogrubiona(const QString& tekst, QWidget* rodzic) {
    auto* l = new QLabel(tekst, rodzic);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QToolButton* Strzalka(const char* nazwa, const QString& znak, const QString& podpowiedz,
                      QWidget* rodzic) {
    auto* b = new QToolButton(rodzic);
    b->setObjectName(nazwa);
    b->setText(znak);
    b->setToolTip(podpowiedz);
    b->setFixedSize(22, 22);
    return b;
}

int Calkowita(const engine::Value& v) {
    return v.IsNull() ? 0 : static_cast<int>(v.AsInteger());
}

}  // namespace

TFKalendarzPracownika::TFKalendarzPracownika(TDM& tdm, Dialogi& dialogi, kit::AutomaticEdit& edycja,
                                             GodzinyDomyslne& godziny, QWidget* parent)
    : OknoEdycji(dialogi, parent), m_karty(std::make_unique<KartyPracy>(tdm, godziny)) {
    setObjectName("TFKalendarzPracownika");
    setWindowTitle("Przebieg pracy pracownika");
    m_edycjaDni.SetOn(true);
    engine::Dataset& karta = m_karty->Karta();
    // Both sources show the one card: closing writes what each holds and asks once.
    m_zrodlo =
        &NoweZrodlo(karta, edycja, {kPytanieZapisuKarty, kPytanieDopisuKarty, kTytulKartPracy});
    m_zrodloDni = &NoweZrodlo(karta, m_edycjaDni);

    auto* uklad = new QVBoxLayout(this);
    ZbudujNaglowek(uklad);
    ZbudujListe(uklad);
    ZbudujKarte(uklad);
    uklad->addLayout(Przyciski());
    uklad->addStretch();

    // The totals are read once the dataset has finished the change it reports.
    m_zmiany = karta.Observe([this](const engine::DatasetChange&) {
        if (!m_sumyZaplanowane) {
            m_sumyZaplanowane = true;
            QMetaObject::invokeMethod(
                this, [this] { PokazSumy(); }, Qt::QueuedConnection);
        }
    });
    PokazGodzinyDomyslne();
    PokazSumy();
    UstawTryb(false);
}

// The employee's name over the navigator and the card switch.
void TFKalendarzPracownika::ZbudujNaglowek(QVBoxLayout* uklad) {
    auto* naglowek = Pogrubiona(Q(m_karty->Naglowek()), this);
    naglowek->setObjectName("naglowek");
    QFont duza = naglowek->font();
    duza.setPointSizeF(duza.pointSizeF() * 1.2);
    naglowek->setFont(duza);
    uklad->addWidget(naglowek);

    auto* polecenia = new QHBoxLayout;
    m_nawigator = new kit::DbNavigator(this);
    m_nawigator->setObjectName("nawigator");
    m_nawigator->SetHints(kPodpowiedzi);
    m_nawigator->SetDataSource(m_zrodlo);
    m_nawigator->Attach();
    polecenia->addWidget(m_nawigator);
    polecenia->addStretch();
    m_przelacz = new QPushButton("Pokaż kartę pracy", this);
    m_przelacz->setObjectName("przelaczKarte");
    m_przelacz->setAutoDefault(false);
    m_przelacz->setMinimumWidth(140);
    connect(m_przelacz, &QPushButton::clicked, this, &TFKalendarzPracownika::PrzelaczKarte);
    polecenia->addWidget(m_przelacz);
    uklad->addLayout(polecenia);
}

// List mode: the cards with the year and month of the current one.
void TFKalendarzPracownika::ZbudujListe(QVBoxLayout* uklad) {
    m_panelListy = new QWidget(this);
    m_panelListy->setObjectName("panelListy");
    auto* ul = new QHBoxLayout(m_panelListy);
    ul->setContentsMargins(0, 0, 0, 0);
    auto* lista = new kit::DbGrid(m_panelListy);
    lista->setObjectName("lista");
    lista->SetColumns({Kolumna("Rok", "Rok", 60, Qt::AlignCenter),
                       Kolumna("Miesiac", "Miesiąc", 70, Qt::AlignCenter),
                       Kolumna("RazemPlan", "Plan", 70, kDoPrawej),
                       Kolumna("RazemWykonanie", "Wykon.", 70, kDoPrawej)});
    lista->SetReadOnly(true);
    lista->SetDataSource(m_zrodlo);
    lista->Attach();
    lista->setFixedWidth(310);
    lista->setMinimumHeight(180);
    ul->addWidget(lista);
    auto* pola = new QGridLayout;
    const char* opisy[] = {"Rok:", "Miesiąc:"};
    const char* nazwy[] = {"Rok", "Miesiac"};
    for (int i = 0; i < 2; ++i) {
        pola->addWidget(new QLabel(opisy[i], m_panelListy), i, 0);
        auto* pole = new kit::DbEdit(m_panelListy);
        pole->setObjectName(nazwy[i]);
        pole->setFixedWidth(70);
        pole->Bind(m_zrodlo, nazwy[i]);
        pole->Attach();
        pola->addWidget(pole, i, 1);
    }
    pola->setRowStretch(2, 1);
    ul->addLayout(pola);
    ul->addStretch(1);
    uklad->addWidget(m_panelListy);
}

// Card mode: a cell for every day of the month, the totals and the filling controls.
void TFKalendarzPracownika::ZbudujKarte(QVBoxLayout* uklad) {
    m_panelKarty = new QWidget(this);
    m_panelKarty->setObjectName("panelKarty");
    auto* uk = new QVBoxLayout(m_panelKarty);
    uk->setContentsMargins(0, 0, 0, 0);
    uk->addWidget(ZbudujDni());
    auto* dol = new QHBoxLayout;
    dol->addWidget(ZbudujSumy());
    dol->addWidget(ZbudujCoWstawiac());
    dol->addWidget(ZbudujGodzinyDomyslne());
    dol->addStretch();
    uk->addLayout(dol);
    uklad->addWidget(m_panelKarty);
}

QWidget* TFKalendarzPracownika::ZbudujDni() {
    auto* ramkaDni = new QGroupBox("Karta pracy (godziny planowane / przepracowane)", m_panelKarty);
    auto* siatka = new QGridLayout(ramkaDni);
    siatka->setHorizontalSpacing(12);
    siatka->setVerticalSpacing(8);
    constexpr int kKolumny = 8;
    for (int d = 1; d <= 31; ++d) {
        KomorkaDnia& k = m_dni[static_cast<size_t>(d - 1)];
        k.komorka = new QWidget(ramkaDni);
        auto* u = new QGridLayout(k.komorka);
        u->setContentsMargins(0, 0, 0, 0);
        u->setHorizontalSpacing(2);
        u->setVerticalSpacing(2);
        k.przycisk = new QPushButton(k.komorka);
        k.przycisk->setObjectName(QString("dzien%1").arg(d));
        k.przycisk->setAutoDefault(false);
        k.przycisk->setFixedWidth(76);
        connect(k.przycisk, &QPushButton::clicked, this, [this, d] { WypelnijDzien(d); });
        u->addWidget(k.przycisk, 0, 0, 1, 2);
        kit::DbEdit** pole[] = {&k.plan, &k.wykonanie};
        const char litery[] = {'P', 'W'};
        const char* podpowiedzi[] = {"Godziny planowane", "Godziny przepracowane"};
        for (int i = 0; i < 2; ++i) {
            auto* e = new kit::DbEdit(k.komorka);
            e->setObjectName(QString("%1%2").arg(litery[i]).arg(d));
            e->setToolTip(podpowiedzi[i]);
            e->setFixedWidth(37);
            e->setAlignment(Qt::AlignRight);
            e->Bind(m_zrodloDni, std::string(1, litery[i]) + std::to_string(d));
            e->Attach();
            u->addWidget(e, 1, i);
            *pole[i] = e;
        }
        siatka->addWidget(k.komorka, (d - 1) / kKolumny, (d - 1) % kKolumny);
    }
    return ramkaDni;
}

QWidget* TFKalendarzPracownika::ZbudujSumy() {
    auto* sumy = new QGroupBox("Razem", m_panelKarty);
    auto* us = new QGridLayout(sumy);
    us->addWidget(new QLabel("Razem godziny planowane:", sumy), 0, 0);
    m_razemPlan = Pogrubiona({}, sumy);
    m_razemPlan->setObjectName("razemPlan");
    us->addWidget(m_razemPlan, 0, 1);
    us->addWidget(new QLabel("Razem godziny przepracowane:", sumy), 1, 0);
    m_razemWykonanie = Pogrubiona({}, sumy);
    m_razemWykonanie->setObjectName("razemWykonanie");
    us->addWidget(m_razemWykonanie, 1, 1);
    us->setColumnMinimumWidth(1, 36);
    us->setRowStretch(2, 1);
    return sumy;
}

QWidget* TFKalendarzPracownika::ZbudujCoWstawiac() {
    auto* co = new QGroupBox("Co wstawiać", m_panelKarty);
    auto* uc = new QGridLayout(co);
    auto* grupa = new QButtonGroup(co);
    for (int i = 0; i < 4; ++i) {
        auto* r = new QRadioButton(Q(kCoWstawiac[i]), co);
        r->setObjectName(QString("coWstawiac%1").arg(i));
        r->setChecked(static_cast<CoWstawiac>(i) == m_karty->co);
        grupa->addButton(r, i);
        uc->addWidget(r, i % 2, i / 2);
    }
    uc->setRowStretch(2, 1);
    connect(grupa, &QButtonGroup::idClicked, this,
            [this](int i) { m_karty->co = static_cast<CoWstawiac>(i); });
    return co;
}

// The hours a day's button puts in, changed by the arrows beside them.
QWidget* TFKalendarzPracownika::ZbudujGodzinyDomyslne() {
    auto* ramkaDomyslnych = new QGroupBox("Godziny wstawiane przyciskiem dnia", m_panelKarty);
    auto* domyslne = new QGridLayout(ramkaDomyslnych);
    domyslne->addWidget(new QLabel("Wstawiaj w godziny planowane:", ramkaDomyslnych), 0, 0);
    m_domyslnyPlan = Pogrubiona({}, ramkaDomyslnych);
    m_domyslnyPlan->setObjectName("domyslnyPlan");
    m_domyslnyPlan->setMinimumWidth(24);
    m_domyslnyPlan->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    domyslne->addWidget(m_domyslnyPlan, 0, 1);
    domyslne->addWidget(new QLabel("Wstawiaj w godziny wykonane:", ramkaDomyslnych), 1, 0);
    m_domyslneWykonanie = Pogrubiona({}, ramkaDomyslnych);
    m_domyslneWykonanie->setObjectName("domyslneWykonanie");
    m_domyslneWykonanie->setMinimumWidth(24);
    m_domyslneWykonanie->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    domyslne->addWidget(m_domyslneWykonanie, 1, 1);
    struct Zmiana {
        const char* nazwa;
        const char* znak;
        const char* podpowiedz;
        int wiersz, kolumna, o;
        bool plan;
    };
    const Zmiana zmiany[] = {
        {"planWiecej", "▲", "Więcej godzin planowanych", 0, 2, 1, true},
        {"planMniej", "▼", "Mniej godzin planowanych", 0, 3, -1, true},
        {"wykonanieWiecej", "▲", "Więcej godzin wykonanych", 1, 2, 1, false},
        {"wykonanieMniej", "▼", "Mniej godzin wykonanych", 1, 3, -1, false},
    };
    for (const Zmiana& z : zmiany) {
        auto* b = Strzalka(z.nazwa, z.znak, z.podpowiedz, ramkaDomyslnych);
        const int o = z.o;
        const bool plan = z.plan;
        connect(b, &QToolButton::clicked, this, [this, o, plan] {
            GodzinyDomyslne& g = m_karty->Godziny();
            plan ? g.ZmienPlan(o) : g.ZmienWykonanie(o);
            PokazGodzinyDomyslne();
        });
        domyslne->addWidget(b, z.wiersz, z.kolumna);
    }
    domyslne->setRowStretch(2, 1);
    return ramkaDomyslnych;
}

TFKalendarzPracownika::~TFKalendarzPracownika() = default;

void TFKalendarzPracownika::PokazGodzinyDomyslne() {
    m_domyslnyPlan->setText(QString::number(m_karty->Godziny().plan));
    m_domyslneWykonanie->setText(QString::number(m_karty->Godziny().wykonanie));
}

void TFKalendarzPracownika::PokazSumy() {
    m_sumyZaplanowane = false;
    const engine::Dataset& k = m_karty->Karta();
    const bool jest = !k.IsEmpty() || k.Editing();
    m_razemPlan->setText(jest ? QString::number(Calkowita(k.Field("RazemPlan"))) : QString());
    m_razemWykonanie->setText(jest ? QString::number(Calkowita(k.Field("RazemWykonanie")))
                                   : QString());
}

void TFKalendarzPracownika::UstawTryb(bool karta) {
    m_panelListy->setEnabled(!karta);
    for (int i = 0; i < kit::kNavButtonCount; ++i) {
        const auto b = static_cast<NavButton>(i);
        m_nawigator->SetButtonVisible(b, !karta || b == NavButton::Post || b == NavButton::Cancel);
    }
    // The navigator's save stores what the visible fields hold.
    m_nawigator->SetDataSource(karta ? m_zrodloDni : m_zrodlo);
    m_nawigator->Attach();
    m_przelacz->setText(karta ? "Ukryj kartę pracy" : "Pokaż kartę pracy");
    if (karta) {
        const std::vector<std::string> podpisy = m_karty->PodpisyDni();
        for (size_t d = 0; d < m_dni.size(); ++d) {
            m_dni[d].komorka->setVisible(d < podpisy.size());
            if (d < podpisy.size())
                m_dni[d].przycisk->setText(Q(podpisy[d]));
        }
    }
    m_panelKarty->setVisible(karta);
    adjustSize();
    PokazBiezacaKarte();
}

void TFKalendarzPracownika::PokazBiezacaKarte() {
    if (auto* lista = m_panelListy->findChild<kit::DbGrid*>("lista"))
        lista->scrollTo(lista->currentIndex());
}

void TFKalendarzPracownika::showEvent(QShowEvent* zdarzenie) {
    OknoEdycji::showEvent(zdarzenie);
    // The list opens on the employee's last card.
    PokazBiezacaKarte();
}

void TFKalendarzPracownika::PrzelaczKarte() {
    Bezpiecznie([&] {
        if (!m_karty->TrybKarty()) {
            if (m_zrodlo->UpdateRecord())
                m_karty->PokazKarte();
        } else if (m_zrodloDni->UpdateRecord()) {
            m_karty->UkryjKarte();
        }
    });
    UstawTryb(m_karty->TrybKarty());
}

void TFKalendarzPracownika::WypelnijDzien(int dzien) {
    Bezpiecznie([&] {
        if (m_zrodloDni->UpdateRecord())
            m_karty->WypelnijDzien(dzien);
    });
}

}  // namespace mirta::store::ui
