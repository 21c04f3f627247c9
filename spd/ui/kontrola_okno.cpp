#include "spd/ui/kontrola_okno.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "compute/teksty_dat.h"
#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "spd/csv_spd.h"

namespace mirta::spd::ui {

TFKontrolaDanychSPD::TFKontrolaDanychSPD(store::TDM& tdm, store::TDM1& tdm1,
                                         store::Dialogi& dialogi,
                                         std::vector<WpisHarmonogramu> wpisy,
                                         compute::DataKal dataDanych, SkokDoPracownika skok,
                                         QWidget* parent)
    : QDialog(parent),
      m_tdm(tdm),
      m_tdm1(tdm1),
      m_dialogi(dialogi),
      m_wpisy(std::move(wpisy)),
      m_dataDanych(dataDanych),
      m_skok(std::move(skok)) {
    setObjectName("TFKontrolaDanychSPD");
    setWindowTitle(kTytulKontroliPrzedGenerowaniem);
    auto* uklad = new QVBoxLayout(this);
    m_opis = new QLabel;
    m_opis->setObjectName("opis");
    m_opis->setWordWrap(true);
    uklad->addWidget(m_opis);

    m_lista = new QTableWidget(0, 5);
    m_lista->setObjectName("usterki");
    m_lista->setHorizontalHeaderLabels(
        {"Identyfikator", "Nazwisko i imię", "Usterka", "Tabela", "Opis"});
    m_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lista->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lista->verticalHeader()->hide();
    m_lista->horizontalHeader()->setStretchLastSection(true);
    m_lista->setAccessibleName("Usterki danych przed eksportem");
    m_lista->setAccessibleDescription(
        "Wiersz usterki; Enter albo dwuklik otwiera stronę pracownika w oknie głównym");
    uklad->addWidget(m_lista, 1);

    auto* dol = new QHBoxLayout;
    m_licznik = new QLabel;
    m_licznik->setObjectName("licznik");
    dol->addWidget(m_licznik, 1);
    auto* ponownie =
        kit::ZrobPrzycisk(*this, "&Sprawdź ponownie", "ButtonSprawdz", QStyle::SP_BrowserReload);
    m_przejdz =
        kit::ZrobPrzycisk(*this, "&Przejdź do pracownika", "ButtonPrzejdz", QStyle::SP_ArrowRight);
    dol->addWidget(ponownie);
    dol->addWidget(m_przejdz);
    dol->addWidget(kit::ZrobPrzyciskZamknij(*this));
    uklad->addLayout(dol);

    connect(ponownie, &QPushButton::clicked, this, [this] { Sprawdz(); });
    connect(m_przejdz, &QPushButton::clicked, this, [this] { Przejdz(m_lista->currentRow()); });
    connect(m_lista, &QTableWidget::cellActivated, this,
            [this](int wiersz, int) { Przejdz(wiersz); });
    connect(m_lista, &QTableWidget::currentCellChanged, this, [this](int wiersz) {
        m_przejdz->setEnabled(wiersz >= 0 && wiersz < Wierszy() && m_usterki[wiersz].pracownik);
    });
    resize(980, 560);
}

int TFKontrolaDanychSPD::Wierszy() const {
    return m_lista->rowCount();
}

void TFKontrolaDanychSPD::Sprawdz() {
    kit::RunGuarded(m_dialogi, [&] {
        const std::vector<WpisHarmonogramu> wpisy = m_wpisy.empty() ? AktywneWpisy(m_tdm) : m_wpisy;
        setCursor(Qt::WaitCursor);
        std::vector<Usterka> usterki;
        try {
            usterki = KontrolaPrzedGenerowaniem(m_tdm, m_tdm1, wpisy, m_dataDanych);
        } catch (...) {
            unsetCursor();
            throw;
        }
        unsetCursor();
        PokazOpis(wpisy);
        Pokaz(std::move(usterki));
    });
}

void TFKontrolaDanychSPD::PokazOpis(const std::vector<WpisHarmonogramu>& wpisy) {
    QStringList nazwy;
    for (const WpisHarmonogramu& w : wpisy)
        nazwy << QString::fromStdString(w.nazwa);
    m_opis->setText(QString("Przesyłka z dnia %1, wpisy harmonogramu: %2.")
                        .arg(QString::fromStdString(compute::TekstDaty(m_dataDanych)))
                        .arg(nazwy.isEmpty() ? QString("brak aktywnych") : nazwy.join(", ")));
}

void TFKontrolaDanychSPD::Pokaz(std::vector<Usterka> usterki) {
    if (!m_wpisy.empty())
        PokazOpis(m_wpisy);
    m_usterki = std::move(usterki);
    m_lista->setRowCount(0);
    m_lista->setRowCount(static_cast<int>(m_usterki.size()));
    for (int r = 0; r < static_cast<int>(m_usterki.size()); ++r) {
        const Usterka& u = m_usterki[r];
        const QString kolumny[] = {
            u.pracownik ? QString::number(u.pracownik) : QString(),
            QString::fromStdString(u.nazwisko), QString::fromStdString(NazwaUsterki(u.rodzaj)),
            QString::fromStdString(u.tabela), QString::fromStdString(u.opis)};
        for (int k = 0; k < 5; ++k) {
            auto* pole = new QTableWidgetItem(kolumny[k]);
            pole->setToolTip(kolumny[k]);
            m_lista->setItem(r, k, pole);
        }
    }
    m_lista->resizeColumnsToContents();
    m_lista->horizontalHeader()->setStretchLastSection(true);
    m_licznik->setText(m_usterki.empty() ? QString("Nie znaleziono usterek.")
                                         : QString("Usterek: %1").arg(m_usterki.size()));
    if (!m_usterki.empty())
        m_lista->setCurrentCell(0, 0);
    m_przejdz->setEnabled(!m_usterki.empty() && m_usterki.front().pracownik);
    m_lista->setFocus();
}

bool TFKontrolaDanychSPD::Przejdz(int wiersz) {
    if (wiersz < 0 || wiersz >= Wierszy() || !m_usterki[wiersz].pracownik || !m_skok)
        return false;
    const Usterka& u = m_usterki[wiersz];
    const bool skok = kit::RunGuarded(m_dialogi, [&] { m_skok(u.pracownik, u.komponent); });
    if (skok && m_zamykajPoSkoku)
        accept();
    return skok;
}

}  // namespace mirta::spd::ui
