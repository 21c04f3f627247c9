#include "store/ui/slownik_okno.h"

#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>
#include <tuple>

#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "store/listy_kodow.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/ui/okna_wspolne.h"
#include "store/ui/pozycje_kodow.h"

namespace mirta::store::ui {
namespace {

const OpisSlownika& OpisZeStore(const OpisOknaSlownika& okno) {
    const OpisSlownika* opis = ZnajdzSlownik(okno.komponent);
    if (!opis)
        throw std::logic_error(std::string("Brak opisu słownika ") + okno.komponent);
    return *opis;
}

TableComponent& Komponent(TDM& tdm, std::string_view nazwa) {
    TableComponent* c = tdm.Find(nazwa);
    if (!c)
        throw std::logic_error("Brak tabeli " + std::string(nazwa));
    return *c;
}

// A coded column is wide enough for the longest text of its code list.
int SzerokoscKolumny(const KolumnaSlownika& k, const QFontMetrics& miary) {
    int szerokosc = k.szerokosc;
    if (const ListaKodow* lista = k.kod ? ZnajdzListe(k.pole) : nullptr)
        for (const PozycjaKodu& p : lista->pozycje)
            szerokosc = std::max(szerokosc, miary.horizontalAdvance(Q(p.tekst)) + 16);
    return szerokosc;
}

std::vector<kit::Column> Kolumny(std::span<const KolumnaSlownika> kolumny,
                                 const QFontMetrics& miary) {
    std::vector<kit::Column> wynik;
    for (const KolumnaSlownika& k : kolumny) {
        kit::Column c =
            kit::MakeColumn(k.pole, QString::fromUtf8(k.tytul), SzerokoscKolumny(k, miary),
                            k.liczba ? kit::kAlignRight : kit::kAlignLeft);
        c.readOnly = k.kod;
        wynik.push_back(std::move(c));
    }
    return wynik;
}

template <typename Kontrolka>
Kontrolka* Pole(QWidget* rodzic, kit::DataSource* zrodlo, const char* pole) {
    auto* k = new Kontrolka(rodzic);
    k->setObjectName(pole);
    k->Bind(zrodlo, pole);
    return k;
}

}  // namespace

SlownikOkno::SlownikOkno(OknoSlownika okno, int numer, TDM& tdm, TDM1& tdm1, Dialogi& dialogi,
                         kit::AutomaticEdit& edycja, QWidget* parent)
    : OknoEdycji(dialogi, parent),
      m_okno(ui::OpisOkna(okno)),
      m_opis(OpisZeStore(m_okno)),
      m_numer(numer),
      m_tdm(tdm),
      m_edycja(edycja),
      m_slownik(Komponent(tdm, m_okno.komponent)),
      m_tdm1(tdm1) {
    if (m_okno.uklad == Uklad::Urlopy)
        m_zawieszenieUrlopow.emplace(tdm1);
    setObjectName(m_okno.nazwa);
    setWindowTitle(Q(m_opis.tytulOkna));
    setModal(true);

    m_slownik.Module().Open(m_slownik);
    if (!m_opis.komponentStawek.empty()) {
        m_stawki = &Komponent(tdm, m_opis.komponentStawek);
        m_stawki->Module().Open(*m_stawki);
    }
    m_zrodlo = &NoweZrodlo(*m_slownik, edycja,
                           {std::string(m_opis.pytanieZapisu), std::string(m_opis.pytanieDopisu),
                            std::string(m_opis.tytulPytan)});

    auto* uklad = new QVBoxLayout(this);
    ZbudujSiatke(uklad);
    switch (m_okno.uklad) {
        case Uklad::ZeStawkami:
            ZbudujStawki(uklad);
            break;
        case Uklad::Stanowiska:
            ZbudujStanowiska(uklad);
            break;
        case Uklad::Urlopy:
            ZbudujUrlopy(uklad);
            break;
        case Uklad::Podstawy:
            ZbudujPodstawy(uklad);
            break;
        case Uklad::Prosty:
        case Uklad::Premie:
            break;
    }
    ZbudujPrzyciski(uklad);
    resize(m_okno.szerokosc, m_okno.wysokosc);
    // Never narrower than the list's columns: the last one is read whole.
    if (auto* siatka = findChild<kit::DbGrid*>()) {
        int kolumny = siatka->verticalHeader()->isVisible() ? siatka->verticalHeader()->width() : 0;
        for (const kit::Column& k : siatka->Columns())
            kolumny += k.width > 0 ? k.width : siatka->horizontalHeader()->defaultSectionSize();
        const QMargins m = uklad->contentsMargins();
        const int potrzebna = kolumny + m.left() + m.right() + 2 * siatka->frameWidth() +
                              style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
        if (potrzebna > width())
            resize(potrzebna, height());
    }

    if (m_numer > 0)
        Bezpiecznie([this] { UstawSlownikNaCelu(m_slownik.Module(), m_opis, m_numer); });
    for (auto* link : findChildren<QWidget*>()) {
        if (auto* l = dynamic_cast<kit::DataLink*>(link); l && l->Source())
            l->Attach();
    }
}

SlownikOkno::~SlownikOkno() {
    // The rate table is open only while the window is; its controls let go of it as it closes.
    m_naprawa = {};
    if (m_stawki) {
        try {
            m_stawki->Module().Close(*m_stawki);
        } catch (const std::exception& e) {
            qWarning("Tabela stawek nie została zamknięta: %s", e.what());
        }
    }
}

void SlownikOkno::ZbudujSiatke(QBoxLayout* uklad) {
    auto* nawigator = new kit::DbNavigator(this);
    nawigator->setObjectName("nawigator");
    nawigator->SetHints(PodpowiedziNawigatora(m_okno.encja));
    // Dictionary rows are never deleted; salary bases and bonus years may be.
    const bool kasowanie = m_okno.uklad == Uklad::Podstawy || m_okno.uklad == Uklad::Premie;
    nawigator->SetButtonVisible(kit::NavButton::Delete, kasowanie);
    if (kasowanie && m_okno.encja.biernik)
        nawigator->SetDeleteQuestion(std::string("Czy skasować ") + m_okno.encja.biernik + " ?",
                                     std::string(m_opis.tytulPytan));
    nawigator->SetDataSource(m_zrodlo);
    uklad->addWidget(nawigator);

    auto* siatka = new kit::DbGrid(this);
    siatka->setObjectName("siatka");
    siatka->SetColumns(Kolumny(m_okno.kolumny, fontMetrics()));
    // The salary bases are edited through their fields only.
    siatka->SetReadOnly(m_okno.uklad == Uklad::Podstawy);
    siatka->SetDataSource(m_zrodlo);
    uklad->addWidget(siatka, 1);
}

void SlownikOkno::ZbudujStawki(QBoxLayout* uklad) {
    m_zrodloStawek =
        &NoweZrodlo(**m_stawki, m_edycja,
                    {std::string(m_opis.pytanieZapisuStawki),
                     std::string(m_opis.pytanieDopisuStawki), std::string(m_opis.tytulPytan)});
    auto* tytul = new QLabel("Stawki:", this);
    QFont pogrubiona = tytul->font();
    pogrubiona.setBold(true);
    tytul->setFont(pogrubiona);
    uklad->addWidget(tytul);

    auto* nawigator = new kit::DbNavigator(this);
    nawigator->setObjectName("nawigatorStawek");
    nawigator->SetHints(PodpowiedziNawigatora(kEncjaStawki));
    nawigator->SetDeleteQuestion("Czy skasować stawkę ?", std::string(m_opis.tytulPytan));
    nawigator->SetDataSource(m_zrodloStawek);
    uklad->addWidget(nawigator);

    auto* siatka = new kit::DbGrid(this);
    siatka->setObjectName("siatkaStawek");
    siatka->SetColumns(Kolumny(KolumnyStawek(), fontMetrics()));
    siatka->SetDataSource(m_zrodloStawek);
    uklad->addWidget(siatka, 1);

    auto* pola = new QFormLayout;
    pola->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* zus = Pole<kit::DbCodeCombo>(this, m_zrodloStawek, "Ubruttowienie");
    zus->SetCodes(PozycjeKodow(Lista("Ubruttowienie")));
    pola->addRow("Objęci ZUS:", zus);
    uklad->addLayout(pola);
}

void SlownikOkno::ZbudujStanowiska(QBoxLayout* uklad) {
    auto* pola = new QFormLayout;
    pola->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* grupaSC = Pole<kit::DbCodeCombo>(this, m_zrodlo, "GrupaStanowiskSC");
    grupaSC->SetCodes(PozycjeKodow(Lista("GrupaStanowiskSC")));
    pola->addRow("Grupa stanowisk S.C.:", grupaSC);

    auto* grupa = Pole<kit::DbLookupCombo>(this, m_zrodlo, "GrupaPlacowa");
    grupa->SetLookup(*m_tdm.TSlowGrup, "IdentyfikatorGrupy", {"NazwaGrupy"});
    auto* usun = new QPushButton("Usuń grupę płacową", this);
    usun->setObjectName("usunGrupePlacowa");
    usun->setEnabled(m_zrodlo->CanModify());
    connect(usun, &QPushButton::clicked, this,
            [this] { Bezpiecznie([this] { UsunGrupePlacowa(m_tdm); }); });
    auto* wiersz = new QHBoxLayout;
    grupa->setMinimumWidth(260);
    wiersz->addWidget(grupa);
    wiersz->addWidget(usun);
    wiersz->addStretch();
    pola->addRow("Grupa płacowa:", wiersz);

    auto* zus = Pole<kit::DbCodeCombo>(this, m_zrodlo, "Ubruttowienie");
    zus->SetCodes(PozycjeKodow(Lista("Ubruttowienie")));
    pola->addRow("ZUS:", zus);
    uklad->addLayout(pola);

    // An empty civil-service group is repaired once the row is shown, never inside the
    // notification that shows it.
    auto napraw = [this] {
        try {
            NaprawGrupeStanowiskaSC(m_tdm);
        } catch (const std::exception& e) {
            qWarning("Grupa stanowiska nie została uzupełniona: %s", e.what());
        }
    };
    m_naprawa = m_slownik->Observe([this, napraw](const engine::DatasetChange& z) {
        if (z.kind == engine::DatasetChange::Kind::Scrolled ||
            z.kind == engine::DatasetChange::Kind::Reset)
            QTimer::singleShot(0, this, napraw);
    });
    QTimer::singleShot(0, this, napraw);
}

void SlownikOkno::ZbudujUrlopy(QBoxLayout* uklad) {
    auto* pola = new QFormLayout;
    pola->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* dni = Pole<kit::DbCodeCombo>(this, m_zrodlo, "RodzajDni");
    dni->SetCodes(PozycjeKodow(Lista("RodzajDni")));
    pola->addRow("Rodzaj dni:", dni);
    auto* rodzaj = Pole<kit::DbCodeCombo>(this, m_zrodlo, "RodzajUrlopu");
    rodzaj->SetCodes(PozycjeKodow(Lista("RodzajUrlopu")));
    pola->addRow("Rodzaj urlopu:", rodzaj);
    uklad->addLayout(pola);
}

void SlownikOkno::ZbudujPodstawy(QBoxLayout* uklad) {
    auto* wiersz = new QHBoxLayout;
    auto* pola = new QVBoxLayout;
    auto* data = new QFormLayout;
    data->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* dataOd = Pole<kit::DbDateEdit>(this, m_zrodlo, "DataOd");
    dataOd->setFixedWidth(110);
    data->addRow("Obowiązuje od:", dataOd);
    pola->addLayout(data);

    auto* grupy = new QHBoxLayout;
    for (auto [tytul, podstawa, zaokraglenie] :
         {std::tuple{"Funkcjonariusze:", "PodstawaFunkcjonariusze", "ZaokraglenieFunkcjonarius"},
          std::tuple{"Cywile:", "PodstawaCywile", "ZaokraglenieCywil"}}) {
        auto* grupa = new QGroupBox(tytul, this);
        auto* g = new QFormLayout(grupa);
        g->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        auto* kwota = Pole<kit::DbEdit>(grupa, m_zrodlo, podstawa);
        kwota->setFixedWidth(110);
        kwota->setAlignment(Qt::AlignRight);
        auto* miejsca = Pole<kit::DbEdit>(grupa, m_zrodlo, zaokraglenie);
        miejsca->setFixedWidth(50);
        miejsca->setAlignment(Qt::AlignRight);
        g->addRow("Podstawa:", kwota);
        g->addRow("Zaokrąglenie:", miejsca);
        grupy->addWidget(grupa);
    }
    pola->addLayout(grupy);

    auto* ubezpieczenie = new QFormLayout;
    ubezpieczenie->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* zus = Pole<kit::DbCodeCombo>(this, m_zrodlo, "Ubruttowienie");
    zus->SetCodes(PozycjeKodow(Lista("Ubruttowienie")));
    ubezpieczenie->addRow("ZUS:", zus);
    pola->addLayout(ubezpieczenie);
    wiersz->addLayout(pola);

    auto* legenda = new QGroupBox("Wartości zaokrągleń", this);
    auto* l = new QVBoxLayout(legenda);
    for (const char* t :
         {"2 - do 1 gr", "1 - do 10gr", "0 - do 1 zł", "-1 - do 10 zł", "-2 - do 100 zł"})
        l->addWidget(new QLabel(QString::fromUtf8(t), legenda));
    l->addStretch();
    wiersz->addWidget(legenda);
    wiersz->addStretch();
    uklad->addLayout(wiersz);
}

void SlownikOkno::ZbudujPrzyciski(QBoxLayout* uklad) {
    if (!m_opis.najpierwZapisz.empty()) {
        QPushButton* uzyj = DodajPrzycisk("&Użyj", "uzyj");
        uzyj->setEnabled(m_numer > 0);
        connect(uzyj, &QPushButton::clicked, this, &SlownikOkno::Uzyj);
    }
    uklad->addLayout(Przyciski());
}

void SlownikOkno::Uzyj() {
    if (Bezpiecznie([this] { UzyjSlownika(m_slownik.Module(), m_opis, m_numer); }))
        accept();
}

void SlownikOkno::PoZamknieciu() {
    Bezpiecznie([this] {
        if (m_okno.uklad == Uklad::ZeStawkami)
            PoZamknieciuOknaStawek(m_tdm);
        else if (m_okno.uklad == Uklad::Podstawy)
            PoZamknieciuOknaPodstaw(m_tdm);
        if (m_zawieszenieUrlopow) {
            m_zawieszenieUrlopow.reset();
            PoZamknieciuOknaRodzajowUrlopow(m_tdm1);
        }
    });
}

}  // namespace mirta::store::ui
