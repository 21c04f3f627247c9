#include "store/ui/dziennik_okno.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "store/dziennik_slowami.h"
#include "store/dziennik_zmian.h"
#include "store/tdm.h"
#include "wspolne/dialogi.h"

namespace mirta::store::ui {

namespace {

constexpr const char* kTytul = "Dziennik zmian";
constexpr const char* kWszyscy = "(wszyscy)";
constexpr const char* kWszystkie = "(wszystkie)";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

engine::CivilDate Cywilna(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

// Entries carry the clock's date, so the filter's dates start from today, not from the
// processing date, which may lie in the past.
QDate Dzis() {
    return QDate::currentDate();
}

QDateEdit* Data(const char* nazwa, const QDate& d) {
    auto* e = new QDateEdit(d);
    e->setObjectName(nazwa);
    e->setDisplayFormat("yyyy-MM-dd");
    e->setCalendarPopup(true);
    return e;
}

}  // namespace

TFDziennikZmian::TFDziennikZmian(TDM& tdm, Dialogi& dialogi, int32_t biezacyPracownik,
                                 QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_dialogi(dialogi), m_biezacy(biezacyPracownik) {
    setObjectName("TFDziennikZmian");
    setWindowTitle(kTytul);
    auto* uklad = new QVBoxLayout(this);

    auto* filtry = new QGroupBox("Filtr");
    auto* f = new QFormLayout(filtry);
    auto* wierszPracownika = new QHBoxLayout;
    m_pracownik = new QLineEdit;
    m_pracownik->setObjectName("pracownik");
    m_pracownik->setPlaceholderText("identyfikator; puste - wszyscy");
    wierszPracownika->addWidget(m_pracownik, 1);
    auto* biezacy = new QPushButton("&Bieżący pracownik");
    biezacy->setObjectName("biezacyPracownik");
    biezacy->setEnabled(m_biezacy != 0);
    wierszPracownika->addWidget(biezacy);
    auto* etykieta = new QLabel("&Pracownik:");
    etykieta->setBuddy(m_pracownik);
    f->addRow(etykieta, wierszPracownika);
    auto* wierszDat = new QHBoxLayout;
    m_odWlaczone = new QCheckBox("&od");
    m_odWlaczone->setObjectName("odWlaczone");
    m_od = Data("od", Dzis().addMonths(-1));
    m_doWlaczone = new QCheckBox("d&o");
    m_doWlaczone->setObjectName("doWlaczone");
    m_do = Data("do", Dzis());
    for (QWidget* w : {static_cast<QWidget*>(m_odWlaczone), static_cast<QWidget*>(m_od),
                       static_cast<QWidget*>(m_doWlaczone), static_cast<QWidget*>(m_do)})
        wierszDat->addWidget(w);
    wierszDat->addStretch();
    f->addRow("Daty:", wierszDat);
    m_uzytkownik = new QComboBox;
    m_uzytkownik->setObjectName("uzytkownik");
    f->addRow("&Użytkownik:", m_uzytkownik);
    m_tabela = new QComboBox;
    m_tabela->setObjectName("tabela");
    f->addRow("&Tabela:", m_tabela);
    auto* pokaz = new QPushButton("Pok&aż");
    pokaz->setObjectName("pokaz");
    pokaz->setDefault(true);
    f->addRow(pokaz);
    uklad->addWidget(filtry);

    m_wpisy = new QTableWidget(0, 9);
    m_wpisy->setObjectName("wpisy");
    m_wpisy->setHorizontalHeaderLabels({"Kiedy", "Użytkownik", "Operacja", "Dane", "Pracownik",
                                        "Pole", "Było", "Jest", "Klucz rekordu"});
    m_wpisy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_wpisy->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_wpisy->verticalHeader()->hide();
    m_wpisy->horizontalHeader()->setStretchLastSection(true);
    m_wpisy->setAccessibleName("Wpisy dziennika zmian");
    uklad->addWidget(m_wpisy, 1);
    m_licznik = new QLabel;
    m_licznik->setObjectName("licznik");
    uklad->addWidget(m_licznik);

    auto* dol = new QHBoxLayout;
    auto* etykietaArchiwum = new QLabel("Przenieś do archiwum wpisy sprzed:");
    dol->addWidget(etykietaArchiwum);
    m_archiwizujPrzed = Data("archiwizujPrzed", QDate(Dzis().year(), 1, 1));
    etykietaArchiwum->setBuddy(m_archiwizujPrzed);
    m_archiwizujPrzed->setAccessibleName("Przenieś do archiwum wpisy sprzed");
    dol->addWidget(m_archiwizujPrzed);
    m_archiwizuj = kit::ZrobPrzycisk(*this, "A&rchiwizuj", "archiwizuj");
    m_archiwizuj->setEnabled(tdm.Sesja().Administrator);
    m_archiwizujPrzed->setEnabled(tdm.Sesja().Administrator);
    dol->addWidget(m_archiwizuj);
    dol->addStretch();
    dol->addWidget(kit::ZrobPrzyciskZamknij(*this));
    uklad->addLayout(dol);

    connect(biezacy, &QPushButton::clicked, this, [this] {
        m_pracownik->setText(QString::number(m_biezacy));
        Pokaz();
    });
    connect(pokaz, &QPushButton::clicked, this, [this] { Pokaz(); });
    connect(m_archiwizuj, &QPushButton::clicked, this, [this] { Archiwizuj(); });
    WypelnijListy();
    Pokaz();
    resize(980, 600);
}

int TFDziennikZmian::Wierszy() const {
    return m_wpisy->rowCount();
}

void TFDziennikZmian::WypelnijListy() {
    kit::RunGuarded(m_dialogi, [&] {
        std::set<std::string> uzytkownicy, tabele;
        for (const WpisDziennika& w : CzytajDziennik(m_tdm.Fs(), m_tdm.DataDirectory())) {
            uzytkownicy.insert(w.uzytkownik);
            tabele.insert(w.tabela);
        }
        // Shown in words, filtered by what the journal stores.
        DziennikSlowami slowami(m_tdm, m_tdm.Sesja().DataPrzetwarzania.year);
        m_uzytkownik->clear();
        m_uzytkownik->addItem(kWszyscy);
        for (const auto& u : uzytkownicy)
            m_uzytkownik->addItem(Q(slowami.Uzytkownik(u)), Q(u));
        m_tabela->clear();
        m_tabela->addItem(kWszystkie);
        for (const auto& t : tabele)
            m_tabela->addItem(Q(PodpisTabeli(t, {}) + " (" + t + ")"), Q(t));
    });
}

void TFDziennikZmian::Pokaz() {
    FiltrDziennika f;
    const QString id = m_pracownik->text().trimmed();
    if (!id.isEmpty()) {
        bool liczba = false;
        const int n = id.toInt(&liczba);
        if (!liczba || n <= 0) {
            m_dialogi.Blad("Niepoprawny identyfikator pracownika.", kTytul);
            return;
        }
        f.pracownik = n;
    }
    if (m_odWlaczone->isChecked())
        f.od = Cywilna(m_od->date());
    if (m_doWlaczone->isChecked())
        f.doDnia = Cywilna(m_do->date());
    if (m_uzytkownik->currentIndex() > 0)
        f.uzytkownik = m_uzytkownik->currentData().toString().toStdString();
    if (m_tabela->currentIndex() > 0)
        f.tabela = m_tabela->currentData().toString().toStdString();
    kit::RunGuarded(m_dialogi, [&] {
        const auto wpisy = CzytajDziennik(m_tdm.Fs(), m_tdm.DataDirectory(), f);
        DziennikSlowami slowami(m_tdm, m_tdm.Sesja().DataPrzetwarzania.year);
        m_wpisy->setRowCount(0);
        m_wpisy->setRowCount(static_cast<int>(wpisy.size()));
        // Newest first: what a clerk looks for.
        int r = 0;
        for (auto it = wpisy.rbegin(); it != wpisy.rend(); ++it, ++r) {
            const WpisSlowami w = slowami.Opisz(*it);
            const QString kolumny[] = {Q(w.kiedy),  Q(w.uzytkownik), Q(w.operacja),
                                       Q(w.tabela), Q(w.pracownik),  Q(w.pole),
                                       Q(w.stara),  Q(w.nowa),       Q(w.klucz)};
            for (int k = 0; k < 9; ++k)
                m_wpisy->setItem(r, k, new QTableWidgetItem(kolumny[k]));
            // The stored names stay at hand for whoever needs them.
            m_wpisy->item(r, 3)->setToolTip(Q(it->tabela));
            m_wpisy->item(r, 5)->setToolTip(Q(it->pole));
        }
        m_wpisy->resizeColumnsToContents();
        m_licznik->setText(QString("Wpisów: %1").arg(wpisy.size()));
    });
}

void TFDziennikZmian::Archiwizuj() {
    if (!m_tdm.Sesja().Administrator) {
        m_dialogi.Blad("Nie masz uprawnień administratora systemu !!!", kTytulBledu);
        return;
    }
    const QDate przed = m_archiwizujPrzed->date();
    const QString nazwa = Q(PlikArchiwumDziennika(Cywilna(przed)));
    if (m_dialogi.TakNie("Przenieść wpisy dziennika zmian sprzed " +
                             przed.toString("yyyy-MM-dd").toStdString() + " do pliku " +
                             nazwa.toStdString() + " ?",
                         kTytul, Ikona::Pytanie, Odpowiedz::Nie) != Odpowiedz::Tak)
        return;
    kit::RunGuarded(m_dialogi, [&] {
        const size_t n = ArchiwizujDziennik(m_tdm.Fs(), m_tdm.DataDirectory(), Cywilna(przed),
                                            m_tdm.DataDirectory() + "/" + nazwa.toStdString());
        WypelnijListy();
        Pokaz();
        m_dialogi.Informacja("Przeniesiono wpisów: " + std::to_string(n) + ".", kTytul);
    });
}

}  // namespace mirta::store::ui
