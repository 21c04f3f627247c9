#include "naprawa/ui/naprawa_okno.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/file_system.h"
#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "naprawa/ui/raport_naprawy.h"
#include "reports/qt/miara_qt.h"
#include "reports/ui/podglad.h"
#include "wspolne/dialogi.h"

namespace mirta::naprawa::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Stan(const WynikTabeli& w, bool poNaprawie) {
    if (w.stan == StanTabeli::Nienaprawialna)
        return "nie można naprawić";
    if (w.naprawiona)
        return "naprawiona";
    if (w.stan == StanTabeli::Zdrowa)
        return "sprawna";
    return poNaprawie ? "nie naprawiona" : "do naprawy";
}

}  // namespace

TFNaprawaTabel::TFNaprawaTabel(Sesja sesja, store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_sesja(std::move(sesja)), m_dialogi(dialogi) {
    setObjectName("TFNaprawaTabel");
    setWindowTitle(kTytulNaprawy);
    auto* uklad = new QVBoxLayout(this);
    auto* dane = new QLabel("Katalog danych: " + QDir(Q(m_sesja.katalogDanych)).absolutePath());
    dane->setObjectName("katalogDanych");
    uklad->addWidget(dane);

    m_tabela = new QTableWidget(0, 3, this);
    m_tabela->setObjectName("ustalenia");
    m_tabela->setHorizontalHeaderLabels({"Tabela", "Stan", "Ustalenia"});
    m_tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabela->setWordWrap(true);
    m_tabela->verticalHeader()->hide();
    m_tabela->horizontalHeader()->setStretchLastSection(true);
    auto* etykieta = new QLabel("&Tabele z uszkodzeniami:");
    etykieta->setBuddy(m_tabela);
    uklad->addWidget(etykieta);
    uklad->addWidget(m_tabela, 1);
    m_podsumowanie = new QLabel(" ");
    m_podsumowanie->setObjectName("podsumowanie");
    uklad->addWidget(m_podsumowanie);

    m_etap = new QLabel(" ");
    m_etap->setObjectName("etap");
    uklad->addWidget(m_etap);
    m_postep = new QProgressBar;
    m_postep->setObjectName("postep");
    m_postep->setRange(0, 1000);
    m_postep->setValue(0);
    uklad->addWidget(m_postep);

    auto* przyciski = new QHBoxLayout;
    m_sprawdz = new QPushButton("&Sprawdź");
    m_sprawdz->setObjectName("sprawdz");
    m_napraw = new QPushButton("&Napraw");
    m_napraw->setObjectName("napraw");
    m_napraw->setToolTip(m_sesja.administrator ? "Naprawia tabele oznaczone „do naprawy”"
                                               : "Naprawa wymaga uprawnień administratora systemu");
    m_podglad = new QPushButton("&Raport");
    m_podglad->setObjectName("raport");
    przyciski->addWidget(m_sprawdz);
    przyciski->addWidget(m_napraw);
    przyciski->addWidget(m_podglad);
    przyciski->addStretch();
    m_zamknij = kit::ZrobPrzyciskZamknij(*this);
    przyciski->addWidget(m_zamknij);
    uklad->addLayout(przyciski);

    connect(m_sprawdz, &QPushButton::clicked, this, [this] { Sprawdz(); });
    connect(m_napraw, &QPushButton::clicked, this, [this] { Napraw(); });
    connect(m_podglad, &QPushButton::clicked, this, [this] { Podglad(); });
    resize(860, 520);
    Pokaz();
}

void TFNaprawaTabel::Pracuj(bool trwa) {
    for (QWidget* w : {static_cast<QWidget*>(m_sprawdz), static_cast<QWidget*>(m_napraw),
                       static_cast<QWidget*>(m_podglad), static_cast<QWidget*>(m_zamknij)})
        w->setEnabled(!trwa);
    if (trwa)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    if (!trwa)
        Pokaz();
}

void TFNaprawaTabel::PokazPostep(const std::string& etap, double czesc) {
    m_etap->setText(Q(etap) + "...");
    m_postep->setValue(static_cast<int>(czesc * 1000));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFNaprawaTabel::Pokaz() {
    m_tabela->setRowCount(0);
    size_t zdrowe = 0, doNaprawy = 0;
    for (const auto& w : m_wyniki) {
        if (w.stan == StanTabeli::Zdrowa && !w.naprawiona) {
            ++zdrowe;
            continue;
        }
        doNaprawy += w.stan == StanTabeli::DoNaprawy && !w.naprawiona;
        QString opis;
        for (const auto& u : w.ustalenia)
            opis += (opis.isEmpty() ? "" : "\n") + Q(u);
        if (w.naprawiona) {
            opis += "\nRekordów po naprawie: " + QString::number(w.rekordow);
            if (!w.kopiaUszkodzonej.empty())
                opis += "\nUszkodzona tabela zachowana jako " + Q(w.kopiaUszkodzonej);
            for (const auto& u : w.utracone)
                opis += "\nUtracono: " + Q(u);
        }
        const int r = m_tabela->rowCount();
        m_tabela->insertRow(r);
        m_tabela->setItem(r, 0, new QTableWidgetItem(Q(w.nazwa)));
        m_tabela->setItem(r, 1, new QTableWidgetItem(Stan(w, m_poNaprawie)));
        m_tabela->setItem(r, 2, new QTableWidgetItem(opis));
    }
    m_tabela->resizeColumnToContents(0);
    m_tabela->resizeColumnToContents(1);
    m_tabela->resizeRowsToContents();
    m_podsumowanie->setText(
        m_wyniki.empty()
            ? QString("Tabele nie zostały jeszcze sprawdzone.")
            : QString("Sprawdzono tabel: %1, bez uszkodzeń: %2.").arg(m_wyniki.size()).arg(zdrowe));
    m_napraw->setEnabled(m_sesja.administrator && doNaprawy > 0);
    m_podglad->setEnabled(!m_wyniki.empty());
}

void TFNaprawaTabel::Sprawdz() {
    Pracuj(true);
    kit::RunGuarded(m_dialogi, [&] {
        engine::FileSystem& fs = engine::FileSystem::Real();
        const auto tabele = TabeleDoSprawdzenia(fs, m_sesja.katalogDanych);
        PrzebiegNaprawy p;
        p.naProbe = true;
        p.postep = [this](const std::string& e, double c) { PokazPostep(e, c); };
        m_wyniki = SprawdzINapraw(fs, m_sesja.katalogDanych, tabele, m_dialogi, p);
        m_poNaprawie = false;
        m_postep->setValue(1000);
        m_etap->setText(KodWyniku(m_wyniki) == 0 ? "Wszystkie tabele są sprawne."
                                                 : "Sprawdzanie zakończone.");
    });
    Pracuj(false);
}

void TFNaprawaTabel::Napraw() {
    // The core asks, offers the backup and repairs; the right is checked here and in the
    // command alike before anything is written.
    if (!m_sesja.administrator) {
        m_dialogi.Blad("Nie masz uprawnień administratora systemu !!!", store::kTytulBledu);
        return;
    }
    Pracuj(true);
    kit::RunGuarded(m_dialogi, [&] {
        engine::FileSystem& fs = engine::FileSystem::Real();
        const auto tabele = TabeleDoSprawdzenia(fs, m_sesja.katalogDanych);
        PrzebiegNaprawy p;
        p.uzytkownik = m_sesja.uzytkownik;
        p.kopia = m_sesja.kopia;
        p.postep = [this](const std::string& e, double c) { PokazPostep(e, c); };
        m_wyniki = SprawdzINapraw(fs, m_sesja.katalogDanych, tabele, m_dialogi, p);
        m_poNaprawie = std::any_of(m_wyniki.begin(), m_wyniki.end(),
                                   [](const WynikTabeli& w) { return w.naprawiona; });
        m_postep->setValue(1000);
        m_etap->setText(m_poNaprawie ? "Naprawa zakończona." : "Niczego nie naprawiono.");
    });
    Pracuj(false);
}

reports::Wydruk TFNaprawaTabel::Raport() const {
    reports::ui::MiaraQt miara;
    return WydrukNaprawy(m_wyniki, m_poNaprawie, m_sesja.katalogDanych, miara);
}

void TFNaprawaTabel::Podglad() {
    if (m_wyniki.empty())
        return QApplication::beep();
    reports::ui::TQuickReportViewer podglad(m_dialogi, this);
    podglad.PokazGotowy(Raport());
    podglad.exec();
}

bool ZaproponujNaprawe(const std::string& komunikat, const std::string& katalogDanych,
                       store::Dialogi& dialogi, QWidget* parent) {
    if (dialogi.TakNie(komunikat + "\n\nTabele może sprawdzić i naprawić administrator systemu.\n"
                                   "Czy uruchomić naprawę tabel ?",
                       kTytulNaprawy, store::Ikona::Ostrzezenie,
                       store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
        return false;
    QDialog logowanie(parent);
    logowanie.setWindowTitle(kTytulNaprawy);
    auto* form = new QFormLayout(&logowanie);
    auto* nazwa = new QLineEdit;
    nazwa->setObjectName("uzytkownik");
    auto* haslo = new QLineEdit;
    haslo->setObjectName("haslo");
    haslo->setEchoMode(QLineEdit::Password);
    form->addRow("&Użytkownik:", nazwa);
    form->addRow("&Hasło:", haslo);
    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    przyciski->button(QDialogButtonBox::Cancel)->setText("&Anuluj");
    form->addRow(przyciski);
    QObject::connect(przyciski, &QDialogButtonBox::accepted, &logowanie, &QDialog::accept);
    QObject::connect(przyciski, &QDialogButtonBox::rejected, &logowanie, &QDialog::reject);
    if (logowanie.exec() != QDialog::Accepted)
        return false;
    try {
        SprawdzAdministratora(engine::FileSystem::Real(), katalogDanych,
                              nazwa->text().toStdString(), haslo->text().toStdString());
    } catch (const BladNaprawy& e) {
        dialogi.Blad(e.what(), store::kTytulBledu);
        return false;
    }
    TFNaprawaTabel okno({katalogDanych, nazwa->text().toStdString(), true, {}}, dialogi, parent);
    okno.Sprawdz();
    okno.exec();
    return true;
}

}  // namespace mirta::naprawa::ui
