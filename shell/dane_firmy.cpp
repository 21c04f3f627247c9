#include "shell/dane_firmy.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "kit/data_controls.h"
#include "kit/db_navigator.h"
#include "store/tdm.h"
#include "store/ui/okna_wspolne.h"

namespace mirta::shell {

namespace {

struct PoleFirmy {
    const char* pole = nullptr;
    const char* etykieta = nullptr;
    int znaki = 0;  // width of the edit in average characters; 0 fills the row
};

constexpr PoleFirmy kNazwy[] = {
    {.pole = "NazwaPelna", .etykieta = "Nazwa &pełna:", .znaki = 0},
    {.pole = "NazwaSkrocona", .etykieta = "Nazwa &skrócona:", .znaki = 0},
};
// The address in two columns: left and right, row by row.
constexpr PoleFirmy kAdres[] = {
    {.pole = "Kraj", .etykieta = "&Kraj:", .znaki = 14},
    {.pole = "Wojewodztwo", .etykieta = "&Województwo:", .znaki = 22},
    {.pole = "Powiat", .etykieta = "P&owiat:", .znaki = 22},
    {.pole = "Gmina", .etykieta = "&Gmina:", .znaki = 22},
    {.pole = "KodPocztowy", .etykieta = "Kod po&cztowy:", .znaki = 8},
    {.pole = "Poczta", .etykieta = "Po&czta:", .znaki = 22},
    {.pole = "Miejscowosc", .etykieta = "&Miejscowość:", .znaki = 22},
    {.pole = "Ulica", .etykieta = "&Ulica:", .znaki = 30},
    {.pole = "NrDomu", .etykieta = "Nr &domu:", .znaki = 10},
    {.pole = "NrLokalu", .etykieta = "Nr &lokalu:", .znaki = 10},
};
constexpr PoleFirmy kNumery[] = {
    {.pole = "NIPFirmy", .etykieta = "&NIP:", .znaki = 16},
    {.pole = "REGON", .etykieta = "&REGON:", .znaki = 16},
};

}  // namespace

TFDaneFirmy::TFDaneFirmy(store::TDM& tdm, store::Dialogi& dialogi,
                         kit::AutomaticEdit& edycjaAutomatyczna, QWidget* parent)
    : OknoEdycji(dialogi, parent), m_tdm(tdm) {
    setObjectName("TFDaneFirmy");
    setWindowTitle("Dane firmy.");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    if (!m_tdm.TParametryFirmy.IsOpen())
        m_tdm.Open(m_tdm.TParametryFirmy);
    engine::Dataset& parametry = *m_tdm.TParametryFirmy;
    m_zrodlo = new kit::DataSource(parametry, dialogi, edycjaAutomatyczna, this);
    DodajZrodlo(*m_zrodlo,
                {" Czy zapisać nowe dane  ?", "Czy dopisać dane straży ?", " Kontrola danych ."});

    auto* nawigator = new kit::DbNavigator(this);
    nawigator->setObjectName("Nawigator");
    nawigator->SetHints({"Pierwszy rekord", "Poprzedni rekord", "Następny rekord", "Ostatni rekord",
                         "Dopisz dane", "Skasuj dane", "Edytuj dane", "Zapisz dane",
                         "Porzuć zmiany", "Odśwież dane"});
    for (auto b :
         {kit::NavButton::First, kit::NavButton::Prior, kit::NavButton::Next, kit::NavButton::Last})
        nawigator->SetButtonVisible(b, false);
    nawigator->SetDeleteQuestion("Czy skasować dane firmy ?", " Kontrola danych .");

    std::vector<kit::DbEdit*> pola;
    const int znak = fontMetrics().averageCharWidth();
    auto dodaj = [&](QGridLayout* siatka, const PoleFirmy& p, int wiersz, int kolumna) {
        auto* edycja = new kit::DbEdit(this);
        edycja->setObjectName(p.pole);
        if (p.znaki > 0)
            edycja->setMinimumWidth(p.znaki * znak + 12);
        auto* etykieta = new QLabel(p.etykieta, this);
        etykieta->setBuddy(edycja);
        siatka->addWidget(etykieta, wiersz, kolumna, Qt::AlignRight);
        siatka->addWidget(edycja, wiersz, kolumna + 1);
        edycja->Bind(m_zrodlo, p.pole);
        pola.push_back(edycja);
    };

    auto* grupaNazwy = new QGroupBox("Jednostka", this);
    auto* siatkaNazwy = new QGridLayout(grupaNazwy);
    for (int i = 0; i < int(std::size(kNazwy)); ++i)
        dodaj(siatkaNazwy, kNazwy[i], i, 0);
    siatkaNazwy->setColumnStretch(1, 1);

    auto* grupaAdresu = new QGroupBox("Adres", this);
    auto* siatkaAdresu = new QGridLayout(grupaAdresu);
    siatkaAdresu->setHorizontalSpacing(8);
    for (int i = 0; i < int(std::size(kAdres)); ++i)
        dodaj(siatkaAdresu, kAdres[i], i / 2, (i % 2) * 2);
    siatkaAdresu->setColumnStretch(1, 1);
    siatkaAdresu->setColumnStretch(3, 1);
    siatkaAdresu->setColumnMinimumWidth(2, 0);

    auto* grupaNumerow = new QGroupBox("Numery identyfikacyjne", this);
    auto* siatkaNumerow = new QGridLayout(grupaNumerow);
    for (int i = 0; i < int(std::size(kNumery)); ++i)
        dodaj(siatkaNumerow, kNumery[i], 0, i * 2);
    siatkaNumerow->setColumnStretch(1, 1);
    siatkaNumerow->setColumnStretch(3, 1);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(nawigator);
    uklad->addWidget(grupaNazwy);
    uklad->addWidget(grupaAdresu);
    uklad->addWidget(grupaNumerow);
    uklad->addStretch();
    uklad->addLayout(Przyciski());
    resize(640, sizeHint().height());

    nawigator->SetDataSource(m_zrodlo);
    nawigator->Attach();
    for (kit::DbEdit* p : pola)
        p->Attach();
}

TFDaneFirmy::~TFDaneFirmy() = default;

// The unit's data are the first record.
void TFDaneFirmy::showEvent(QShowEvent* event) {
    OknoEdycji::showEvent(event);
    engine::Dataset& ds = m_zrodlo->dataset();
    if (!ds.Editing())
        Bezpiecznie([&] { ds.First(); });
}

}  // namespace mirta::shell
