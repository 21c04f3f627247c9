#include "reports/ui/terminy_okno.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "compute/teksty_dat.h"
#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "reports/dane_raportu.h"
#include "reports/qt/miara_qt.h"
#include "reports/qt/zapis_wydruku.h"
#include "reports/raport_terminow.h"
#include "reports/ui/podglad.h"
#include "store/obraz_pracownika.h"
#include "store/terminy.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/dialogi.h"

namespace mirta::reports::ui {

TFTerminy::TFTerminy(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_tdm1(tdm1), m_dialogi(dialogi) {
    setObjectName("TFTerminy");
    setWindowTitle("Terminy");
    auto* uklad = new QVBoxLayout(this);
    auto* gora = new QHBoxLayout;
    auto* etykieta = new QLabel("Najbliższe &dni od daty przetwarzania:");
    m_dni = new QSpinBox;
    m_dni->setObjectName("dni");
    m_dni->setRange(0, 3660);
    m_dni->setValue(60);
    etykieta->setBuddy(m_dni);
    auto* pokaz = new QPushButton("Pok&aż");
    pokaz->setObjectName("pokaz");
    pokaz->setDefault(true);
    gora->addWidget(etykieta);
    gora->addWidget(m_dni);
    gora->addWidget(pokaz);
    gora->addStretch();
    uklad->addLayout(gora);

    m_terminy = new QTableWidget(0, 5);
    m_terminy->setObjectName("terminy");
    m_terminy->setHorizontalHeaderLabels(
        {"Data", "Identyfikator", "Nazwisko i imię", "Co przypada", "Opis"});
    m_terminy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_terminy->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_terminy->setToolTip("Podwójne kliknięcie lub Enter na wierszu otwiera akta pracownika.");
    connect(m_terminy, &QTableWidget::cellActivated, this, [this](int wiersz, int) {
        if (const QTableWidgetItem* id = m_terminy->item(wiersz, 1)) {
            m_wybrany = id->text().toInt();
            accept();
        }
    });
    m_terminy->verticalHeader()->hide();
    m_terminy->horizontalHeader()->setStretchLastSection(true);
    m_terminy->setAccessibleName("Terminy pracowników");
    uklad->addWidget(m_terminy, 1);

    auto* dol = new QHBoxLayout;
    m_licznik = new QLabel;
    m_licznik->setObjectName("licznik");
    dol->addWidget(m_licznik, 1);
    auto* podglad = kit::ZrobPrzycisk(*this, "Podgląd i &wydruk...", "ButtonPodglad",
                                      QStyle::SP_FileDialogContentsView);
    auto* eksport =
        kit::ZrobPrzycisk(*this, "&Eksport...", "ButtonEksport", QStyle::SP_DialogSaveButton);
    dol->addWidget(podglad);
    dol->addWidget(eksport);
    dol->addWidget(kit::ZrobPrzyciskZamknij(*this));
    uklad->addLayout(dol);

    connect(pokaz, &QPushButton::clicked, this, [this] { Pokaz(); });
    connect(podglad, &QPushButton::clicked, this, [this] { Podglad(); });
    connect(eksport, &QPushButton::clicked, this, [this] { EksportZOkna(); });
    Pokaz();
    resize(860, 560);
}

int TFTerminy::Wierszy() const {
    return m_terminy->rowCount();
}

void TFTerminy::Pokaz() {
    kit::RunGuarded(m_dialogi, [&] {
        store::ZrodlaObliczen zrodla(m_tdm, m_tdm1);
        const compute::DataKal od = store::DataPrzetwarzania(zrodla);
        ZestawienieTerminow z{od,
                              compute::DodajDni(od, m_dni->value()),
                              store::TerminyWOkresie(zrodla, od, m_dni->value()),
                              DaneRaportu(zrodla).NazwaJednostki(),
                              {}};
        const auto& terminy = z.terminy;
        m_terminy->setRowCount(0);
        m_terminy->setRowCount(static_cast<int>(terminy.size()));
        for (int r = 0; r < static_cast<int>(terminy.size()); ++r) {
            const store::Termin& t = terminy[r];
            const QString kolumny[] = {QString::fromStdString(compute::TekstDaty(t.data)),
                                       QString::number(t.pracownik),
                                       QString::fromStdString(t.nazwisko),
                                       QString::fromStdString(store::NazwaTerminu(t.rodzaj)),
                                       QString::fromStdString(t.opis)};
            for (int k = 0; k < 5; ++k)
                m_terminy->setItem(r, k, new QTableWidgetItem(kolumny[k]));
        }
        m_terminy->resizeColumnsToContents();
        m_licznik->setText(QString("Od %1 do %2: %3")
                               .arg(QString::fromStdString(compute::TekstDaty(od)))
                               .arg(QString::fromStdString(
                                   compute::TekstDaty(compute::DodajDni(od, m_dni->value()))))
                               .arg(terminy.size()));
        zrodla.Komunikaty().Pokaz(m_dialogi);
        m_wydruk = WydrukTerminow(z, MiaraQt());
    });
}

void TFTerminy::Podglad() {
    if (m_wydruk.strony.empty())
        return QApplication::beep();
    TQuickReportViewer podglad(m_dialogi, this);
    podglad.PokazGotowy(m_wydruk);
    podglad.exec();
}

bool TFTerminy::Eksportuj(const QString& plik, FormatWydruku format) {
    // No pages when the list could not be made.
    return ZapiszWydrukOkna(m_wydruk, plik, format, m_dialogi);
}

void TFTerminy::EksportZOkna() {
    if (const auto wybor = WybierzPlikWydruku(this, "Eksport terminów", m_dialogi))
        Eksportuj(wybor->first, wybor->second);
}

}  // namespace mirta::reports::ui
