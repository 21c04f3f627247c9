#include "shell/dane_firmy.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "shell/kit/data_controls.h"
#include "shell/kit/db_navigator.h"
#include "shell/kit/run_guarded.h"
#include "store/tdm.h"
#include "store/ui/okna_wspolne.h"

namespace mirta::shell {

namespace {

struct PoleFirmy {
    const char* pole;
    const char* etykieta;
    int znaki;  // width of the edit in average characters; 0 fills the row
};

constexpr PoleFirmy kNazwy[] = {
    {"NazwaPelna", "Nazwa &pełna:", 0},
    {"NazwaSkrocona", "Nazwa &skrócona:", 0},
};
// The address in two columns: left and right, row by row.
constexpr PoleFirmy kAdres[] = {
    {"Kraj", "&Kraj:", 14},
    {"Wojewodztwo", "&Województwo:", 22},
    {"Powiat", "P&owiat:", 22},
    {"Gmina", "&Gmina:", 22},
    {"KodPocztowy", "Kod po&cztowy:", 8},
    {"Poczta", "Po&czta:", 22},
    {"Miejscowosc", "&Miejscowość:", 22},
    {"Ulica", "&Ulica:", 30},
    {"NrDomu", "Nr &domu:", 10},
    {"NrLokalu", "Nr &lokalu:", 10},
};
constexpr PoleFirmy kNumery[] = {
    {"NIPFirmy", "&NIP:", 16},
    {"REGON", "&REGON:", 16},
};

}  // namespace

TFDaneFirmy::TFDaneFirmy(store::TDM& tdm, store::Dialogi& dialogi,
                         kit::AutomaticEdit& edycjaAutomatyczna, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_dialogi(dialogi) {
    setObjectName("TFDaneFirmy");
    setWindowTitle("Dane firmy.");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    if (!m_tdm.TParametryFirmy.IsOpen())
        m_tdm.Open(m_tdm.TParametryFirmy);
    engine::Dataset& parametry = *m_tdm.TParametryFirmy;
    m_zrodlo = new kit::DataSource(parametry, m_dialogi, edycjaAutomatyczna, this);

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

    auto* zamknij =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Zamknij", this);
    zamknij->setObjectName("ButtonZamknij");
    zamknij->setAutoDefault(false);
    zamknij->setMinimumWidth(100);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zamknij);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(nawigator);
    uklad->addWidget(grupaNazwy);
    uklad->addWidget(grupaAdresu);
    uklad->addWidget(grupaNumerow);
    uklad->addStretch();
    uklad->addLayout(przyciski);
    resize(640, sizeHint().height());

    nawigator->SetDataSource(m_zrodlo);
    nawigator->Attach();
    for (kit::DbEdit* p : pola)
        p->Attach();

    connect(zamknij, &QPushButton::clicked, this, &QDialog::close);
}

TFDaneFirmy::~TFDaneFirmy() = default;

// The unit's data are the first record.
void TFDaneFirmy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    engine::Dataset& ds = m_zrodlo->dataset();
    if (!ds.Editing())
        kit::RunGuarded(m_dialogi, [&] { ds.First(); });
}

bool TFDaneFirmy::MoznaZamknac() {
    bool zamknij = false;
    kit::RunGuarded(m_dialogi, [&] {
        zamknij = m_zrodlo->UpdateRecord() &&
                  store::ui::ZapytajOZapis(" Czy zapisać nowe dane  ?", "Czy dopisać dane straży ?",
                                           " Kontrola danych .", m_zrodlo->dataset(), m_dialogi);
    });
    return zamknij;
}

void TFDaneFirmy::closeEvent(QCloseEvent* event) {
    if (!MoznaZamknac())
        return event->ignore();
    QDialog::reject();
    event->accept();
}

void TFDaneFirmy::reject() {
    if (MoznaZamknac())
        QDialog::reject();
}

}  // namespace mirta::shell
