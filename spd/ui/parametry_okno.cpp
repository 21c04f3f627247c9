#include "spd/ui/parametry_okno.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "kit/run_guarded.h"
#include "spd/parametry_spd.h"
#include "spd/tabele_spd.h"
#include "spd/wysylka.h"
#include "store/tdm.h"

namespace mirta::spd::ui {

TFParametrySPD::TFParametrySPD(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_dialogi(dialogi) {
    setObjectName("TFParametrySPD");
    setWindowTitle("Parametry do systemu SPD");
    auto pole = [this](const char* nazwa, int szerokosc) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nazwa);
        e->setMinimumWidth(szerokosc);
        m_pola[nazwa] = e;
        connect(e, &QLineEdit::textChanged, this, &TFParametrySPD::PoZmianie);
        return e;
    };
    auto* uklad = new QVBoxLayout(this);
    auto* jednostka = new QFormLayout;
    jednostka->addRow("Numer jednostki:", pole("NumerJednostki", 90));
    jednostka->addRow("Kod obszaru:", pole("KodObszaru", 40));
    jednostka->addRow("Kod SD:", pole("KodSD", 40));
    // How the area and SD codes get their values is not this window's business.
    for (const char* tylkoDoOdczytu : {"KodObszaru", "KodSD"})
        m_pola.at(tylkoDoOdczytu)->setReadOnly(true);
    auto* wersja = new QLabel(kWersjaInterfejsu, this);
    wersja->setObjectName("WersjaInterfejsu");
    jednostka->addRow("Numer wersji interfejsu:", wersja);
    auto* sciezka = new QHBoxLayout;
    sciezka->addWidget(pole("Sciezka", 360), 1);
    auto* wybierz = new QToolButton(this);
    wybierz->setObjectName("ButtonFolder");
    wybierz->setText("...");
    sciezka->addWidget(wybierz);
    jednostka->addRow("Scieżka plików SPD:", sciezka);
    jednostka->addRow("Nazwa komórki organizacyjnej:", pole("NazwaKomorkiOrganizacyjne", 360));
    uklad->addLayout(jednostka);

    auto* wysylka = new QGroupBox("Parametry wysyłki", this);
    wysylka->setObjectName("GroupWysylka");
    auto* ukladWysylki = new QFormLayout(wysylka);
    ukladWysylki->addRow("Użytkownik:", pole("UzytkownikSPD", 200));
    ukladWysylki->addRow("Hasło:", pole(kPoleHasla, 200));
    m_pola.at(kPoleHasla)->setEchoMode(QLineEdit::Password);
    ukladWysylki->addRow("FTP:", pole("FTPSPD", 200));
    ukladWysylki->addRow("Port:", pole("PortSPD", 60));
    ukladWysylki->addRow("Ścieżka FTP:", pole("SciezkaSPD", 300));
    uklad->addWidget(wysylka);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    m_zapisz = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), "&Zapisz", this);
    m_zapisz->setObjectName("ButtonZapisz");
    m_porzuc =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogDiscardButton), "&Porzuć", this);
    m_porzuc->setObjectName("ButtonPorzuc");
    auto* zamknij =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Zamknij", this);
    zamknij->setObjectName("ButtonZamknij");
    for (QPushButton* b : {m_zapisz, m_porzuc, zamknij})
        przyciski->addWidget(b);
    uklad->addLayout(przyciski);
    connect(m_zapisz, &QPushButton::clicked, this, [this] { Zapisz(); });
    connect(m_porzuc, &QPushButton::clicked, this, &TFParametrySPD::Porzuc);
    connect(zamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(wybierz, &QToolButton::clicked, this, &TFParametrySPD::WybierzFolder);
    Wczytaj();
}

void TFParametrySPD::Wczytaj() {
    kit::RunGuarded(m_dialogi,
                    [&] { m_zapisane = CzytajPolaParametrow(m_tdm.Fs(), m_tdm.DataDirectory()); });
    for (auto& [nazwa, e] : m_pola)
        e->setText(QString::fromStdString(m_zapisane[nazwa]));
    PoZmianie();
}

bool TFParametrySPD::Zmieniony() const {
    for (const auto& [nazwa, e] : m_pola) {
        const auto it = m_zapisane.find(nazwa);
        if (e->text().toStdString() != (it == m_zapisane.end() ? std::string() : it->second))
            return true;
    }
    return false;
}

void TFParametrySPD::PoZmianie() {
    if (!m_zapisz)
        return;
    const bool zmieniony = Zmieniony();
    m_zapisz->setEnabled(zmieniony);
    m_porzuc->setEnabled(zmieniony);
}

bool TFParametrySPD::Zapisz() {
    if (!Zmieniony())
        return true;
    std::map<std::string, std::string> zmiany;
    for (const auto& [nazwa, e] : m_pola)
        if (e->text().toStdString() != m_zapisane[nazwa])
            zmiany[nazwa] = e->text().toStdString();
    std::optional<std::string> blad;
    if (!kit::RunGuarded(m_dialogi, [&] {
            blad = ZmienParametrySPD(m_tdm.Fs(), m_tdm.DataDirectory(), m_tdm.Sesja(), zmiany);
        }))
        return false;
    if (blad) {
        m_dialogi.Blad(*blad, store::kTytulBledu);
        return false;
    }
    Wczytaj();
    return true;
}

void TFParametrySPD::Porzuc() {
    Wczytaj();
}

void TFParametrySPD::WybierzFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, "Scieżka plików SPD:", m_pola.at("Sciezka")->text());
    if (folder.isEmpty())
        return;
    m_pola.at("Sciezka")->setText(folder);
    PoZmianie();
}

void TFParametrySPD::done(int wynik) {
    if (Zmieniony()) {
        switch (m_dialogi.TakNieAnuluj(" Czy zapisać parametry SPD ?", kTytulParametrowSPD,
                                       store::Ikona::Ostrzezenie, store::Odpowiedz::Tak)) {
            case store::Odpowiedz::Tak:
                if (!Zapisz())
                    return;
                break;
            case store::Odpowiedz::Nie:
                Porzuc();
                break;
            default:
                return;
        }
    }
    QDialog::done(wynik);
}

}  // namespace mirta::spd::ui
