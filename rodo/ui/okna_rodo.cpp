#include "rodo/ui/okna_rodo.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "compute/teksty_dat.h"
#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "reports/qt/miara_qt.h"
#include "reports/ui/podglad.h"
#include "rodo/anonimizacja.h"
#include "rodo/dane_osoby.h"
#include "rodo/upowaznienia.h"
#include "rodo/wydruki_rodo.h"
#include "rodo/zestawienia_rodo.h"
#include "store/okresy_przechowywania.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/udostepnienia.h"
#include "wspolne/blad_danych.h"
#include "wspolne/dialogi.h"

namespace mirta::rodo::ui {

namespace {

constexpr const char* kTytulRodo = "Ochrona danych osobowych.";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QDate Dzis(const store::TDM& tdm) {
    const engine::CivilDate d = tdm.Sesja().DataPrzetwarzania;
    return d.year ? QDate(d.year, d.month, d.day) : QDate::currentDate();
}

compute::DataKal DataKal(const QDate& d) {
    return {d.year(), static_cast<uint8_t>(d.month()), static_cast<uint8_t>(d.day())};
}

QDateEdit* PoleDaty(const char* nazwa, const QDate& d) {
    auto* e = new QDateEdit(d);
    e->setObjectName(nazwa);
    e->setDisplayFormat("yyyy-MM-dd");
    e->setCalendarPopup(true);
    return e;
}

QTableWidget* Lista(const char* nazwa, const QStringList& kolumny, const QString& opis) {
    auto* t = new QTableWidget(0, static_cast<int>(kolumny.size()));
    t->setObjectName(nazwa);
    t->setHorizontalHeaderLabels(kolumny);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setAccessibleName(opis);
    return t;
}

void Wypelnij(QTableWidget& t, const std::vector<std::vector<std::string>>& wiersze) {
    t.setRowCount(0);
    t.setRowCount(static_cast<int>(wiersze.size()));
    for (int r = 0; r < static_cast<int>(wiersze.size()); ++r)
        for (int k = 0; k < static_cast<int>(wiersze[r].size()) && k < t.columnCount(); ++k)
            t.setItem(r, k, new QTableWidgetItem(Q(wiersze[r][k])));
    t.resizeColumnsToContents();
    if (!wiersze.empty())
        t.selectRow(0);
}

void PokazPodglad(const reports::Wydruk& w, store::Dialogi& dialogi, bool zapisywalny,
                  QWidget* rodzic) {
    if (w.strony.empty())
        return QApplication::beep();
    reports::ui::TQuickReportViewer podglad(dialogi, rodzic);
    podglad.PokazGotowy(w, zapisywalny);
    podglad.exec();
}

QPushButton* PrzyciskPodgladu(QDialog& okno) {
    return kit::ZrobPrzycisk(okno, "Podgląd i &wydruk...", "ButtonPodglad",
                             QStyle::SP_FileDialogContentsView);
}

}  // namespace

// ---- One person's data

TFDaneOsoby::TFDaneOsoby(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
                         int32_t pracownik, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_tdm1(tdm1), m_dialogi(dialogi), m_pracownik(pracownik) {
    setObjectName("TFDaneOsoby");
    setWindowTitle("Dane osobowe pracownika");
    auto* uklad = new QVBoxLayout(this);
    auto* osoba = new QLabel;
    osoba->setObjectName("osoba");
    uklad->addWidget(osoba);
    m_tabele = Lista("tabele", {"Dane", "Plik", "Wierszy"}, "Tabele z danymi pracownika");
    uklad->addWidget(m_tabele, 1);
    auto* dol = new QHBoxLayout;
    dol->addStretch();
    auto* podglad = PrzyciskPodgladu(*this);
    auto* archiwum = kit::ZrobPrzycisk(*this, "Zapisz &archiwum ZIP...", "ButtonArchiwum",
                                       QStyle::SP_DialogSaveButton);
    archiwum->setEnabled(tdm.Sesja().Aktualizowanie);
    archiwum->setToolTip("Pliki CSV z manifestem, jeden na tabelę (UTF-8)");
    dol->addWidget(podglad);
    dol->addWidget(archiwum);
    dol->addWidget(kit::ZrobPrzyciskZamknij(*this));
    uklad->addLayout(dol);
    connect(podglad, &QPushButton::clicked, this, [this] { Podglad(); });
    connect(archiwum, &QPushButton::clicked, this, [this] {
        const QString plik = QFileDialog::getSaveFileName(
            this, "Zapisz archiwum danych pracownika",
            Q(m_tdm.DataDirectory()) + "/dane_pracownika_" + QString::number(m_pracownik) + ".zip",
            "Archiwum ZIP (*.zip)");
        if (!plik.isEmpty())
            ZapiszArchiwum(plik.endsWith(".zip", Qt::CaseInsensitive) ? plik : plik + ".zip");
    });
    kit::RunGuarded(m_dialogi, [&] {
        const rodo::DaneOsoby d = ZbierzDaneOsoby(m_tdm, m_tdm1, m_pracownik);
        osoba->setText("Pracownik: " + Q(d.nazwisko) + " (identyfikator " +
                       QString::number(m_pracownik) + ")");
        std::vector<std::vector<std::string>> wiersze;
        for (const TabelaOsoby& t : d.tabele)
            wiersze.push_back({t.tytul, t.plik, std::to_string(t.wiersze.size())});
        Wypelnij(*m_tabele, wiersze);
        m_wydruk = WydrukDanychOsoby(d, reports::ui::MiaraQt());
    });
    resize(640, 520);
}

int TFDaneOsoby::Tabel() const {
    return m_tabele->rowCount();
}

void TFDaneOsoby::Podglad() {
    PokazPodglad(m_wydruk, m_dialogi, m_tdm.Sesja().Aktualizowanie, this);
}

bool TFDaneOsoby::ZapiszArchiwum(const QString& plik) {
    return kit::RunGuarded(m_dialogi, [&] {
        ZapiszArchiwumDanychOsoby(m_tdm.Sesja(), ZbierzDaneOsoby(m_tdm, m_tdm1, m_pracownik),
                                  plik.toStdString());
        m_dialogi.Informacja("Zapisano archiwum " + plik.toStdString() + ".", kTytulRodo);
    });
}

// ---- The register of disclosures

TFRejestrUdostepnien::TFRejestrUdostepnien(store::TDM& tdm, store::Dialogi& dialogi,
                                           int32_t biezacyPracownik, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_dialogi(dialogi) {
    setObjectName("TFRejestrUdostepnien");
    setWindowTitle("Rejestr udostępnień danych osobowych");
    auto* uklad = new QVBoxLayout(this);
    auto* filtr = new QHBoxLayout;
    m_tylkoPracownik = new QCheckBox("Tylko &pracownik:");
    m_tylkoPracownik->setObjectName("tylkoPracownik");
    m_pracownik = new QSpinBox;
    m_pracownik->setObjectName("pracownik");
    m_pracownik->setRange(1, 2147483647);
    m_pracownik->setValue(std::max(1, biezacyPracownik));
    m_pracownik->setAccessibleName("Identyfikator pracownika");
    m_odWlaczone = new QCheckBox("&Od:");
    m_odWlaczone->setObjectName("odWlaczone");
    m_od = PoleDaty("od", Dzis(tdm).addMonths(-1));
    m_od->setAccessibleName("Od dnia");
    m_doWlaczone = new QCheckBox("&Do:");
    m_doWlaczone->setObjectName("doWlaczone");
    m_do = PoleDaty("do", Dzis(tdm));
    m_do->setAccessibleName("Do dnia");
    auto* pokaz = new QPushButton("Pok&aż");
    pokaz->setObjectName("pokaz");
    pokaz->setDefault(true);
    for (QWidget* w : std::initializer_list<QWidget*>{m_tylkoPracownik, m_pracownik, m_odWlaczone,
                                                      m_od, m_doWlaczone, m_do, pokaz})
        filtr->addWidget(w);
    filtr->addStretch();
    uklad->addLayout(filtr);
    m_lista = Lista("udostepnienia",
                    {"Nr", "Kiedy", "Użytkownik", "Komu", "Co", "Opis i plik", "Kogo dotyczy"},
                    "Udostępnienia danych");
    uklad->addWidget(m_lista, 1);
    auto* dol = new QHBoxLayout;
    m_licznik = new QLabel;
    m_licznik->setObjectName("licznik");
    dol->addWidget(m_licznik, 1);
    auto* podglad = PrzyciskPodgladu(*this);
    dol->addWidget(podglad);
    dol->addWidget(kit::ZrobPrzyciskZamknij(*this));
    uklad->addLayout(dol);
    connect(pokaz, &QPushButton::clicked, this, [this] { Pokaz(); });
    connect(podglad, &QPushButton::clicked, this, [this] { Podglad(); });
    Pokaz();
    resize(960, 540);
}

void TFRejestrUdostepnien::Pokaz() {
    kit::RunGuarded(m_dialogi, [&] {
        store::FiltrUdostepnien f;
        std::string opis;
        if (m_tylkoPracownik->isChecked()) {
            f.pracownik = m_pracownik->value();
            opis += "Pracownik: " + std::to_string(*f.pracownik) + ". ";
        }
        if (m_odWlaczone->isChecked()) {
            const QDate d = m_od->date();
            f.od = engine::CivilDate{d.year(), d.month(), d.day()};
            opis += "Od " + compute::TekstDaty(DataKal(d)) + ". ";
        }
        if (m_doWlaczone->isChecked()) {
            const QDate d = m_do->date();
            f.doDnia = engine::CivilDate{d.year(), d.month(), d.day()};
            opis += "Do " + compute::TekstDaty(DataKal(d)) + ". ";
        }
        const Zestawienie z = ZestawienieUdostepnien(
            store::CzytajUdostepnienia(m_tdm.Fs(), m_tdm.DataDirectory(), f), opis);
        Wypelnij(*m_lista, z.wiersze);
        m_licznik->setText("Udostępnień: " + QString::number(z.wiersze.size()));
        m_wydruk = WydrukZestawienia(z, reports::ui::MiaraQt());
    });
}

int TFRejestrUdostepnien::Wierszy() const {
    return m_lista->rowCount();
}

void TFRejestrUdostepnien::Podglad() {
    PokazPodglad(m_wydruk, m_dialogi, m_tdm.Sesja().Aktualizowanie, this);
}

// ---- The register of authorised users

TFUpowaznienia::TFUpowaznienia(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_dialogi(dialogi) {
    setObjectName("TFUpowaznienia");
    setWindowTitle("Rejestr upoważnień do przetwarzania danych osobowych");
    auto* uklad = new QVBoxLayout(this);
    m_lista = Lista(
        "upowaznienia",
        {"Użytkownik", "Imię i nazwisko", "Data nadania", "Data cofnięcia", "Zakres upoważnienia"},
        "Użytkownicy i ich upoważnienia");
    uklad->addWidget(m_lista, 1);
    auto* edycja = new QGroupBox("Upoważnienie wybranego użytkownika");
    auto* e = new QHBoxLayout(edycja);
    m_nadane = new QCheckBox("&Nadane:");
    m_nadane->setObjectName("nadane");
    m_dataNadania = PoleDaty("dataNadania", Dzis(tdm));
    m_cofniete = new QCheckBox("&Cofnięte:");
    m_cofniete->setObjectName("cofniete");
    m_dataCofniecia = PoleDaty("dataCofniecia", Dzis(tdm));
    m_zapisz = new QPushButton("Zapi&sz");
    m_zapisz->setObjectName("ButtonZapisz");
    m_zapisz->setToolTip("Zapisz daty upoważnienia (Ctrl+S)");
    for (QWidget* w : std::initializer_list<QWidget*>{m_nadane, m_dataNadania, m_cofniete,
                                                      m_dataCofniecia, m_zapisz})
        e->addWidget(w);
    e->addStretch();
    const bool administrator = tdm.Sesja().Administrator;
    edycja->setEnabled(administrator);
    uklad->addWidget(edycja);
    auto* dol = new QHBoxLayout;
    dol->addStretch();
    auto* podglad = PrzyciskPodgladu(*this);
    dol->addWidget(podglad);
    dol->addWidget(kit::ZrobPrzyciskZamknij(*this));
    uklad->addLayout(dol);
    connect(m_lista, &QTableWidget::itemSelectionChanged, this, [this] { PokazWybranego(); });
    connect(m_zapisz, &QPushButton::clicked, this, [this] { Zapisz(); });
    connect(podglad, &QPushButton::clicked, this, [this] { Podglad(); });
    auto* skrot = new QShortcut(QKeySequence::Save, this);
    connect(skrot, &QShortcut::activated, this, [this] {
        if (m_zapisz->isEnabled() && m_zapisz->parentWidget()->isEnabled())
            Zapisz();
    });
    Wypelnij();
    resize(860, 460);
}

void TFUpowaznienia::Wypelnij() {
    kit::RunGuarded(m_dialogi, [&] {
        const int wybrany = std::max(0, m_lista->currentRow());
        ::mirta::rodo::ui::Wypelnij(*m_lista,
                                    ZestawienieUpowaznien(CzytajUpowaznienia(m_tdm)).wiersze);
        if (wybrany < m_lista->rowCount())
            m_lista->selectRow(wybrany);
        PokazWybranego();
    });
}

void TFUpowaznienia::PokazWybranego() {
    const int r = m_lista->currentRow();
    if (r < 0)
        return;
    auto data = [&](int k, QCheckBox* znacznik, QDateEdit* pole) {
        const QString t = m_lista->item(r, k) ? m_lista->item(r, k)->text() : QString();
        znacznik->setChecked(!t.isEmpty());
        pole->setDate(t.isEmpty() ? Dzis(m_tdm) : QDate::fromString(t, "yyyy-MM-dd"));
    };
    data(2, m_nadane, m_dataNadania);
    data(3, m_cofniete, m_dataCofniecia);
}

int TFUpowaznienia::Wierszy() const {
    return m_lista->rowCount();
}

bool TFUpowaznienia::Zapisz() {
    const int r = m_lista->currentRow();
    if (r < 0)
        return false;
    const bool zapisano = kit::RunGuarded(m_dialogi, [&] {
        const auto wszystkie = CzytajUpowaznienia(m_tdm);
        if (r >= static_cast<int>(wszystkie.size()))
            return;
        try {
            ZapiszUpowaznienie(
                m_tdm, wszystkie[r].uzytkownik,
                m_nadane->isChecked() ? DataKal(m_dataNadania->date()) : compute::DataKal{},
                m_cofniete->isChecked() ? DataKal(m_dataCofniecia->date()) : compute::DataKal{});
        } catch (const store::BladDanych& e) {
            (e.Pole() == "DataCofniecia" ? m_dataCofniecia : m_dataNadania)->setFocus();
            throw;
        }
    });
    if (zapisano)
        Wypelnij();
    return zapisano;
}

void TFUpowaznienia::Podglad() {
    kit::RunGuarded(m_dialogi, [&] {
        PokazPodglad(WydrukZestawienia(ZestawienieUpowaznien(CzytajUpowaznienia(m_tdm)),
                                       reports::ui::MiaraQt()),
                     m_dialogi, m_tdm.Sesja().Aktualizowanie, this);
    });
}

// ---- Retention and anonymisation

namespace {

const char* NazwaRodzaju(const std::string& kod) {
    if (kod == "1")
        return "funkcjonariusz";
    if (kod == "2")
        return "pracownik cywilny";
    if (kod == "3")
        return "członek korpusu służby cywilnej";
    if (kod == "4")
        return "emeryt";
    return "";
}

}  // namespace

TFOkresyPrzechowywania::TFOkresyPrzechowywania(store::TDM& tdm, store::TDM1& tdm1,
                                               store::Dialogi& dialogi, std::function<bool()> kopia,
                                               QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_tdm1(tdm1), m_dialogi(dialogi), m_kopia(std::move(kopia)) {
    setObjectName("TFOkresyPrzechowywania");
    setWindowTitle("Okresy przechowywania akt osobowych");
    const bool administrator = tdm.Sesja().Administrator;
    auto* uklad = new QVBoxLayout(this);
    auto* gZasady = new QGroupBox("Zasady przechowywania według rodzaju pracownika");
    auto* uZasady = new QVBoxLayout(gZasady);
    m_zasady = Lista("zasady", {"Kod", "Rodzaj pracownika", "Zasada", "Lata"},
                     "Zasady przechowywania akt");
    m_zasady->setSelectionMode(QAbstractItemView::NoSelection);
    uZasady->addWidget(m_zasady);
    auto* zapiszZasady = new QPushButton("Zapisz &zasady");
    zapiszZasady->setObjectName("ButtonZapiszZasady");
    zapiszZasady->setEnabled(administrator);
    zapiszZasady->setToolTip("Zmieniać zasady może administrator (Ctrl+S)");
    auto* rzad = new QHBoxLayout;
    rzad->addStretch();
    rzad->addWidget(zapiszZasady);
    uZasady->addLayout(rzad);
    uklad->addWidget(gZasady);

    auto* gOsoby = new QGroupBox("Byli pracownicy po okresie przechowywania akt");
    auto* uOsoby = new QVBoxLayout(gOsoby);
    m_osoby =
        Lista("osoby",
              {"Identyfikator", "Nazwisko i imię", "Koniec zatrudnienia", "Koniec przechowywania"},
              "Osoby, których akta można zniszczyć");
    uOsoby->addWidget(m_osoby);
    uklad->addWidget(gOsoby, 1);

    auto* dol = new QHBoxLayout;
    dol->addStretch();
    auto* anonimizuj =
        kit::ZrobPrzycisk(*this, "A&nonimizuj...", "ButtonAnonimizuj", QStyle::SP_TrashIcon);
    anonimizuj->setEnabled(administrator);
    anonimizuj->setToolTip("Usuwa dane osobowe wybranej osoby (administrator)");
    auto* dane = kit::ZrobPrzycisk(*this, "Dane &osoby...", "ButtonDaneOsoby",
                                   QStyle::SP_FileDialogDetailedView);
    auto* podglad = PrzyciskPodgladu(*this);
    dol->addWidget(anonimizuj);
    dol->addWidget(dane);
    dol->addWidget(podglad);
    dol->addWidget(kit::ZrobPrzyciskZamknij(*this));
    uklad->addLayout(dol);
    connect(zapiszZasady, &QPushButton::clicked, this, [this] { ZapiszZasady(); });
    connect(anonimizuj, &QPushButton::clicked, this, [this] { Anonimizuj(); });
    connect(dane, &QPushButton::clicked, this, [this] { DaneOsoby(); });
    connect(podglad, &QPushButton::clicked, this, [this] { Podglad(); });
    auto* skrot = new QShortcut(QKeySequence::Save, this);
    connect(skrot, &QShortcut::activated, this, [this, zapiszZasady] {
        if (zapiszZasady->isEnabled())
            ZapiszZasady();
    });
    Wypelnij();
    resize(760, 560);
}

void TFOkresyPrzechowywania::Wypelnij() {
    kit::RunGuarded(m_dialogi, [&] {
        const bool administrator = m_tdm.Sesja().Administrator;
        const auto zasady = store::CzytajZasadyPrzechowywania(m_tdm.Fs(), m_tdm.DataDirectory());
        m_zasady->setRowCount(0);
        m_zasady->setRowCount(static_cast<int>(zasady.size()));
        for (int r = 0; r < static_cast<int>(zasady.size()); ++r) {
            const auto& z = zasady[r];
            m_zasady->setItem(r, 0, new QTableWidgetItem(Q(z.kod)));
            m_zasady->setItem(r, 1, new QTableWidgetItem(NazwaRodzaju(z.kod)));
            auto* sposob = new QComboBox;
            sposob->setObjectName(QString("sposob%1").arg(r));
            sposob->addItems({"Kodeks pracy (10 lub 50 lat)", "Lata od końca roku zwolnienia"});
            sposob->setCurrentIndex(z.sposob == store::SposobPrzechowywania::KodeksPracy ? 0 : 1);
            sposob->setEnabled(administrator);
            sposob->setAccessibleName("Zasada dla kodu " + Q(z.kod));
            auto* lata = new QSpinBox;
            lata->setObjectName(QString("lata%1").arg(r));
            lata->setRange(1, 200);
            lata->setValue(z.lata);
            lata->setSuffix(" lat");
            lata->setEnabled(administrator && sposob->currentIndex() == 1);
            lata->setAccessibleName("Lata przechowywania dla kodu " + Q(z.kod));
            connect(sposob, &QComboBox::currentIndexChanged, lata,
                    [lata, administrator](int i) { lata->setEnabled(administrator && i == 1); });
            m_zasady->setCellWidget(r, 2, sposob);
            m_zasady->setCellWidget(r, 3, lata);
        }
        m_zasady->resizeColumnsToContents();
        m_zasady->setMinimumHeight(m_zasady->verticalHeader()->length() +
                                   m_zasady->horizontalHeader()->height() + 4);
        const compute::DataKal dzis = DataKal(Dzis(m_tdm));
        const Zestawienie z = ZestawienieAktDoZniszczenia(
            store::AktaDoZniszczenia(m_tdm.TPracownicy->GetTable(), zasady, dzis, dzis));
        ::mirta::rodo::ui::Wypelnij(*m_osoby, z.wiersze);
        m_wydruk = WydrukZestawienia(z, reports::ui::MiaraQt());
    });
}

int TFOkresyPrzechowywania::Osob() const {
    return m_osoby->rowCount();
}

bool TFOkresyPrzechowywania::ZapiszZasady() {
    const bool zapisano = kit::RunGuarded(m_dialogi, [&] {
        std::vector<store::ZasadaPrzechowywania> zasady;
        for (int r = 0; r < m_zasady->rowCount(); ++r) {
            auto* sposob = qobject_cast<QComboBox*>(m_zasady->cellWidget(r, 2));
            auto* lata = qobject_cast<QSpinBox*>(m_zasady->cellWidget(r, 3));
            zasady.push_back({m_zasady->item(r, 0)->text().toStdString(),
                              sposob->currentIndex() == 0
                                  ? store::SposobPrzechowywania::KodeksPracy
                                  : store::SposobPrzechowywania::LataOdKoncaRoku,
                              lata->value()});
        }
        store::ZapiszZasadyPrzechowywania(m_tdm.Sesja(), m_tdm.Fs(), m_tdm.DataDirectory(), zasady);
    });
    if (zapisano)
        Wypelnij();
    return zapisano;
}

int32_t TFOkresyPrzechowywania::Wybrany() const {
    const int r = m_osoby->currentRow();
    if (r < 0 || !m_osoby->item(r, 0))
        return 0;
    return m_osoby->item(r, 0)->text().toInt();
}

bool TFOkresyPrzechowywania::Anonimizuj() {
    const int32_t id = Wybrany();
    if (id == 0) {
        QApplication::beep();
        return false;
    }
    bool zrobione = false;
    kit::RunGuarded(m_dialogi, [&] {
        SprawdzAnonimizacje(m_tdm, m_tdm1, id);
        const std::string osoba = OsobaDoAnonimizacji(m_tdm, id);
        const store::Odpowiedz kopia = m_dialogi.TakNieAnuluj(
            "Przed anonimizacją zalecana jest kopia zapasowa danych. Czy wykonać ją teraz ?",
            kTytulRodo, store::Ikona::Pytanie, store::Odpowiedz::Tak);
        if (kopia == store::Odpowiedz::Anuluj)
            return;
        if (kopia == store::Odpowiedz::Tak && m_kopia && !m_kopia())
            return;
        if (m_dialogi.TakNie("Czy na pewno zanonimizować dane pracownika " + osoba +
                                 " ?\nNazwiska, PESEL, adresy i dane rodziny zostaną usunięte "
                                 "bezpowrotnie.",
                             kTytulRodo, store::Ikona::Pytanie,
                             store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
            return;
        const WynikAnonimizacji w = rodo::Anonimizuj(m_tdm, m_tdm1, id);
        zrobione = true;
        m_dialogi.Informacja(
            "Dane pracownika " + osoba +
                " zostały zanonimizowane. Zmienionych wierszy: " + std::to_string(w.wierszy) + ".",
            kTytulRodo);
    });
    Wypelnij();
    return zrobione;
}

void TFOkresyPrzechowywania::DaneOsoby() {
    const int32_t id = Wybrany();
    if (id == 0)
        return QApplication::beep();
    TFDaneOsoby okno(m_tdm, m_tdm1, m_dialogi, id, this);
    okno.exec();
}

void TFOkresyPrzechowywania::Podglad() {
    PokazPodglad(m_wydruk, m_dialogi, m_tdm.Sesja().Aktualizowanie, this);
}

}  // namespace mirta::rodo::ui
