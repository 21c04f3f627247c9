#include "kopia/ui/kopia_okno.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "kit/odmowa.h"
#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "kopia/blad_kopii.h"
#include "kopia/kopia_danych.h"
#include "store/tdm.h"
#include "store/uprawnienia.h"
#include "wspolne/dialogi.h"

namespace mirta::kopia::ui {

namespace {

constexpr const char* kTytul = "Kopia zapasowa danych";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A label whose mnemonic moves to `pole`.
QLabel* Etykieta(const QString& tekst, QWidget* pole) {
    auto* l = new QLabel(tekst);
    l->setBuddy(pole);
    return l;
}

// Backups go beside the data directory by default, never into it.
QString DomyslnyKatalogKopii(const std::string& dane) {
    const QFileInfo d(QDir(Q(dane)).absolutePath());
    return QDir(d.absolutePath()).filePath("../" + d.fileName() + "-kopie");
}

}  // namespace

TFKopiaDanych::TFKopiaDanych(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_dialogi(dialogi) {
    setObjectName("TFKopiaDanych");
    setWindowTitle(kTytul);
    auto* uklad = new QVBoxLayout(this);

    auto* dane = new QLabel("Katalog danych: " + QDir(Q(tdm.DataDirectory())).absolutePath());
    dane->setObjectName("katalogDanych");
    uklad->addWidget(dane);

    auto* kopia = new QGroupBox("Kopia");
    auto* formKopii = new QFormLayout(kopia);
    QPushButton* wybierz = nullptr;
    m_katalogKopii = PoleZWyborem("katalogKopii", true, kopia, &wybierz);
    m_katalogKopii->setText(QDir::cleanPath(DomyslnyKatalogKopii(tdm.DataDirectory())));
    auto* wierszKopii = new QHBoxLayout;
    wierszKopii->addWidget(m_katalogKopii, 1);
    wierszKopii->addWidget(wybierz);
    formKopii->addRow(Etykieta("&Katalog kopii:", m_katalogKopii), wierszKopii);
    m_zPaczkami = new QCheckBox("Także foldery &przesyłek SPD");
    m_zPaczkami->setObjectName("zPaczkami");
    formKopii->addRow(m_zPaczkami);
    m_zachowaj = new QSpinBox;
    m_zachowaj->setObjectName("zachowaj");
    m_zachowaj->setRange(0, 1000);
    m_zachowaj->setSpecialValueText("wszystkie");
    formKopii->addRow("Zos&tawiaj najnowszych kopii:", m_zachowaj);
    m_wykonaj = new QPushButton("&Wykonaj kopię");
    m_wykonaj->setObjectName("wykonajKopie");
    m_wykonaj->setDefault(true);
    formKopii->addRow(m_wykonaj);
    uklad->addWidget(kopia);

    auto* odtw = new QGroupBox("Odtworzenie do nowego katalogu");
    auto* formOdtw = new QFormLayout(odtw);
    QPushButton* wybierzArchiwum = nullptr;
    m_archiwum = PoleZWyborem("archiwum", false, odtw, &wybierzArchiwum);
    auto* wierszArchiwum = new QHBoxLayout;
    wierszArchiwum->addWidget(m_archiwum, 1);
    wierszArchiwum->addWidget(wybierzArchiwum);
    formOdtw->addRow(Etykieta("&Archiwum:", m_archiwum), wierszArchiwum);
    QPushButton* wybierzNowy = nullptr;
    m_nowyKatalog = PoleZWyborem("nowyKatalog", true, odtw, &wybierzNowy);
    auto* wierszNowego = new QHBoxLayout;
    wierszNowego->addWidget(m_nowyKatalog, 1);
    wierszNowego->addWidget(wybierzNowy);
    formOdtw->addRow(Etykieta("&Nowy katalog:", m_nowyKatalog), wierszNowego);
    m_odtworz = new QPushButton("&Odtwórz");
    m_odtworz->setObjectName("odtworz");
    formOdtw->addRow(m_odtworz);
    kit::PokazOdmowe(*m_odtworz, store::OdmowaAdministracji(m_tdm.Sesja()));
    uklad->addWidget(odtw);

    m_etap = new QLabel(" ");
    m_etap->setObjectName("etap");
    uklad->addWidget(m_etap);
    m_postep = new QProgressBar;
    m_postep->setObjectName("postep");
    m_postep->setRange(0, 1000);
    m_postep->setValue(0);
    uklad->addWidget(m_postep);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    m_zamknij = kit::ZrobPrzyciskZamknij(*this);
    przyciski->addWidget(m_zamknij);
    uklad->addLayout(przyciski);

    connect(m_wykonaj, &QPushButton::clicked, this, [this] { WykonajKopie(); });
    connect(m_odtworz, &QPushButton::clicked, this, [this] { Odtworz(); });
    resize(560, sizeHint().height());
}

QLineEdit* TFKopiaDanych::PoleZWyborem(const QString& nazwa, bool katalog, QWidget* rodzic,
                                       QPushButton** wybierz) {
    auto* pole = new QLineEdit(rodzic);
    pole->setObjectName(nazwa);
    *wybierz = new QPushButton("Wybierz...", rodzic);
    (*wybierz)->setObjectName(nazwa + "Wybierz");
    (*wybierz)->setAccessibleName("Wybierz: " + nazwa);
    connect(*wybierz, &QPushButton::clicked, this, [this, pole, katalog] {
        const QString wybrany =
            katalog
                ? QFileDialog::getExistingDirectory(this, kTytul, pole->text())
                : QFileDialog::getOpenFileName(this, kTytul, pole->text(), "Kopie danych (*.zip)");
        if (!wybrany.isEmpty())
            pole->setText(wybrany);
    });
    return pole;
}

void TFKopiaDanych::Pracuj(bool trwa) {
    for (QWidget* w : {static_cast<QWidget*>(m_wykonaj), static_cast<QWidget*>(m_odtworz),
                       static_cast<QWidget*>(m_zamknij)})
        w->setEnabled(!trwa);
    if (!trwa)
        kit::PokazOdmowe(*m_odtworz, store::OdmowaAdministracji(m_tdm.Sesja()));
    if (trwa)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TFKopiaDanych::PokazPostep(const std::string& etap, double czesc) {
    m_etap->setText(Q(etap) + "...");
    m_postep->setValue(static_cast<int>(czesc * 1000));
    // Repaints only: the window's buttons stay off until the work ends.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TFKopiaDanych::Wykonaj(const std::function<std::string()>& praca) {
    std::string tekst, blad;
    Pracuj(true);
    kit::RunGuarded(m_dialogi, [&] {
        try {
            tekst = praca();
        } catch (const BladKopii& e) {
            blad = e.what();
        }
    });
    Pracuj(false);
    if (!blad.empty()) {
        m_etap->setText("Nie powiodło się.");
        m_dialogi.Blad(blad, kTytul);
    } else if (!tekst.empty()) {
        m_postep->setValue(1000);
        m_dialogi.Informacja(tekst, kTytul);
    }
    return !tekst.empty();
}

bool TFKopiaDanych::WykonajKopie() {
    const std::string katalog = m_katalogKopii->text().trimmed().toStdString();
    if (katalog.empty()) {
        m_dialogi.Blad("Podaj katalog kopii.", kTytul);
        return false;
    }
    OpcjeKopii opcje;
    opcje.zPaczkami = m_zPaczkami->isChecked();
    opcje.zachowaj = m_zachowaj->value();
    return Wykonaj([&] {
        opcje.katalogPlac = KatalogPlacSesji(m_tdm);
        const WynikKopii w =
            UtworzKopie(m_tdm.DataDirectory(), katalog, opcje,
                        [this](const std::string& e, double c) { PokazPostep(e, c); });
        m_ostatnie = w.archiwum;
        m_archiwum->setText(Q(w.archiwum));
        m_etap->setText("Kopia zapisana i sprawdzona.");
        std::string tekst =
            "Kopia danych zapisana i sprawdzona (plików: " + std::to_string(w.plikow) + "):\n" +
            w.archiwum;
        if (!w.usuniete.empty())
            tekst += "\nUsunięto starszych kopii: " + std::to_string(w.usuniete.size());
        return tekst;
    });
}

bool TFKopiaDanych::Odtworz() {
    const std::string archiwum = m_archiwum->text().trimmed().toStdString();
    const std::string nowy = m_nowyKatalog->text().trimmed().toStdString();
    if (archiwum.empty() || nowy.empty()) {
        m_dialogi.Blad("Podaj archiwum kopii i nowy katalog, do którego ma być odtworzona.",
                       kTytul);
        return false;
    }
    return Wykonaj([&] {
        const WynikOdczytu w =
            OdtworzKopieJako(m_tdm.Sesja(), archiwum, nowy,
                             [this](const std::string& e, double c) { PokazPostep(e, c); });
        m_etap->setText("Kopia odtworzona.");
        return "Odtworzono plików: " + std::to_string(w.plikow) + " do katalogu\n" + nowy +
               "\nAby na nim pracować, uruchom program w tym katalogu.";
    });
}

bool KopiaPrzedZamknieciemRoku(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent) {
    TFKopiaDanych okno(tdm, dialogi, parent);
    bool udana = false;
    QObject::connect(okno.findChild<QPushButton*>("wykonajKopie"), &QPushButton::clicked, &okno,
                     [&] {
                         if (!okno.OstatnieArchiwum().empty()) {
                             udana = true;
                             okno.accept();
                         }
                     });
    okno.exec();
    return udana;
}

}  // namespace mirta::kopia::ui
