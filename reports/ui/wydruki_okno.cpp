#include "reports/ui/wydruki_okno.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "documents/dokument_pracownika.h"
#include "documents/substitution.h"
#include "documents/ui/edytor.h"
#include "kit/data_source.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/run_guarded.h"
#include "reports/definicje.h"
#include "reports/qt/miara_qt.h"
#include "reports/raport.h"
#include "reports/ui/podglad.h"
#include "store/data_module.h"
#include "store/organizacja.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/ui/podzial_organizacyjny.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/blad_danych.h"
#include "wspolne/dialogi.h"

namespace mirta::reports::ui {

namespace {

constexpr const char* kWszystkieKomorki = "Wszystkie komórki organizacyjne.";
constexpr const char* kKontrolaNazw = "Kontrola danych o nazwach wydruków.";
constexpr const char* kKontrolaWydruku = "Kontrola wydruku.";

QString Q(std::string_view t) {
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

std::optional<compute::DataKal> DataZPola(const QLineEdit* e) {
    const QString t = e->text();
    bool a = false, b = false, c = false;
    const int r = t.mid(0, 4).toInt(&a), m = t.mid(5, 2).toInt(&b), d = t.mid(8, 2).toInt(&c);
    if (!a || !b || !c)
        return std::nullopt;
    return compute::DataKal{r, uint8_t(m), uint8_t(d)};
}

// The lower rows show each cell's value for the current employee; editing one edits the
// cell's content (its tags), kept under Qt::UserRole.
class EdycjaTresci : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEditorData(QWidget* edytor, const QModelIndex& i) const override {
        if (auto* pole = qobject_cast<QLineEdit*>(edytor); pole && i.row() >= kWierszeDefinicji)
            return pole->setText(i.data(Qt::UserRole).toString());
        QStyledItemDelegate::setEditorData(edytor, i);
    }
    void setModelData(QWidget* edytor, QAbstractItemModel* model,
                      const QModelIndex& i) const override {
        if (auto* pole = qobject_cast<QLineEdit*>(edytor); pole && i.row() >= kWierszeDefinicji)
            return void(model->setData(i, pole->text(), Qt::UserRole));
        QStyledItemDelegate::setModelData(edytor, model, i);
    }
};

}  // namespace

TFWydruki::TFWydruki(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
                     kit::AutomaticEdit& edycja, DefinicjaWydruku& definicja, QWidget* parent)
    : QDialog(parent),
      m_tdm(tdm),
      m_tdm1(tdm1),
      m_dialogi(dialogi),
      m_edycja(edycja),
      m_definicja(definicja) {
    setObjectName("TFWydruki");
    setWindowTitle("Wydruki i zestawienia");
    auto* uklad = new QVBoxLayout(this);
    auto* gora = new QHBoxLayout;
    gora->addWidget(ZbudujWybory(), 1);
    gora->addLayout(ZbudujUstawienia());
    uklad->addLayout(gora, 1);

    m_szablony = new QListWidget;
    m_szablony->setObjectName("szablony");
    uklad->addWidget(m_szablony);

    kit::DbNavigator* nawigator = nullptr;
    uklad->addWidget(ZbudujPanelDefinicji(nawigator));
    WczytajNaOtwarcie(*nawigator);
    OdrysujSiatke();
    connect(m_siatka, &QTableWidget::cellChanged, this, &TFWydruki::KomorkaZmieniona);
    ZmianaWyboru();
    resize(980, 640);
}

QWidget* TFWydruki::ZbudujWybory() {
    auto* grupa = new QGroupBox("Wybierz wydruk / zestawienie");
    auto* ukladGrupy = new QVBoxLayout(grupa);
    m_wybory = new QListWidget;
    m_wybory->setObjectName("wybory");
    for (const Wybor& w : Wybory())
        m_wybory->addItem(Q(w.tekst));
    m_wybory->setCurrentRow(0);
    m_wybory->setMinimumWidth(m_wybory->sizeHintForColumn(0) + 24);
    ukladGrupy->addWidget(m_wybory);
    connect(m_wybory, &QListWidget::currentRowChanged, this, &TFWydruki::ZmianaWyboru);
    return grupa;
}

// The period, the unit, the employees without data and the window's buttons.
QLayout* TFWydruki::ZbudujUstawienia() {
    auto* prawa = new QGridLayout;
    prawa->addWidget(new QLabel("Data od:"), 0, 0);
    m_od = new QLineEdit;
    m_od->setObjectName("dataOd");
    m_od->setInputMask("9999-99-99;_");
    prawa->addWidget(m_od, 0, 1);
    prawa->addWidget(new QLabel("Data do:"), 1, 0);
    m_do = new QLineEdit;
    m_do->setObjectName("dataDo");
    m_do->setInputMask("9999-99-99;_");
    prawa->addWidget(m_do, 1, 1);
    prawa->addWidget(new QLabel("Komórka organizacyjna."), 2, 0, 1, 2);
    m_komorka = new QLabel;
    m_komorka->setObjectName("komorka");
    m_komorka->setFrameShape(QFrame::StyledPanel);
    m_komorka->setWordWrap(true);
    prawa->addWidget(m_komorka, 3, 0, 1, 2);
    auto* przyciskiKomorki = new QHBoxLayout;
    auto* wybierz = new QPushButton("...");
    wybierz->setObjectName("wybierzKomorke");
    wybierz->setAutoDefault(false);
    auto* usun = new QPushButton("Usuń");
    usun->setObjectName("usunKomorke");
    usun->setAutoDefault(false);
    przyciskiKomorki->addWidget(wybierz);
    przyciskiKomorki->addWidget(usun);
    przyciskiKomorki->addStretch();
    prawa->addLayout(przyciskiKomorki, 4, 0, 1, 2);
    m_bezDanych = new QCheckBox("Drukuj pracownika bez danych.");
    m_bezDanych->setObjectName("drukujBezDanych");
    m_bezDanych->setChecked(true);
    prawa->addWidget(m_bezDanych, 5, 0, 1, 2);
    auto* przyciski = new QHBoxLayout;
    auto* podglad = new QPushButton("&Podgląd");
    podglad->setObjectName("podglad");
    auto* wydruk = new QPushButton("&Wydruk");
    wydruk->setObjectName("wydruk");
    auto* zamknij = new QPushButton("&Zamknij");
    zamknij->setObjectName("zamknij");
    for (QPushButton* b : {podglad, wydruk, zamknij}) {
        b->setAutoDefault(false);
        przyciski->addWidget(b);
    }
    prawa->addLayout(przyciski, 6, 0, 1, 2);
    prawa->setRowStretch(7, 1);
    connect(wybierz, &QPushButton::clicked, this, &TFWydruki::WybierzKomorke);
    connect(usun, &QPushButton::clicked, this, &TFWydruki::UsunKomorke);
    connect(podglad, &QPushButton::clicked, this, [this] { Podglad(); });
    connect(wydruk, &QPushButton::clicked, this, &TFWydruki::Drukuj);
    connect(zamknij, &QPushButton::clicked, this, &QDialog::reject);
    return prawa;
}

// The configurable printout's definition and its saved copies.
QWidget* TFWydruki::ZbudujPanelDefinicji(kit::DbNavigator*& nawigator) {
    m_panelDefinicji = new QWidget;
    m_panelDefinicji->setObjectName("panelDefinicji");
    auto* panel = new QHBoxLayout(m_panelDefinicji);
    panel->setContentsMargins(0, 0, 0, 0);
    m_siatka = new QTableWidget(6, kKolumnyDefinicji);
    m_siatka->setObjectName("siatkaDefinicji");
    m_siatka->verticalHeader()->setVisible(false);
    QStringList numery;
    for (int k = 1; k <= kKolumnyDefinicji; ++k)
        numery << QString::number(k);
    m_siatka->setHorizontalHeaderLabels(numery);
    m_siatka->setMinimumHeight(m_siatka->verticalHeader()->defaultSectionSize() * 7 + 8);
    m_siatka->setItemDelegate(new EdycjaTresci(m_siatka));
    m_siatka->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_siatka, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        if (m_edytor)
            m_edytor->MenuPodreczne().exec(m_siatka->viewport()->mapToGlobal(p));
    });
    panel->addWidget(m_siatka, 3);
    auto* zapisane = new QVBoxLayout;
    m_gridNazw = new kit::DbGrid;
    m_gridNazw->setObjectName("nazwyWydrukow");
    nawigator = new kit::DbNavigator;
    nawigator->setObjectName("nawigatorNazw");
    nawigator->SetButtonVisible(kit::NavButton::Delete, false);
    zapisane->addWidget(m_gridNazw, 1);
    zapisane->addWidget(nawigator);
    auto* przyciskiDefinicji = new QHBoxLayout;
    auto* zapisz = new QPushButton("Zapisz");
    zapisz->setObjectName("zapiszDefinicje");
    auto* odczytaj = new QPushButton("Odczytaj");
    odczytaj->setObjectName("odczytajDefinicje");
    for (QPushButton* b : {zapisz, odczytaj}) {
        b->setAutoDefault(false);
        przyciskiDefinicji->addWidget(b);
    }
    zapisane->addLayout(przyciskiDefinicji);
    panel->addLayout(zapisane, 1);
    connect(zapisz, &QPushButton::clicked, this, &TFWydruki::ZapiszDefinicje);
    connect(odczytaj, &QPushButton::clicked, this, &TFWydruki::OdczytajDefinicje);
    return m_panelDefinicji;
}

// On opening: the processing year, every unit, the saved names and the templates.
void TFWydruki::WczytajNaOtwarcie(kit::DbNavigator& nawigator) {
    const auto& dzis = m_tdm.Sesja().DataPrzetwarzania;
    m_od->setText(QString::asprintf("%04d-01-01", dzis.year));
    m_do->setText(QString::asprintf("%04d-12-31", dzis.year));
    UsunKomorke();
    kit::RunGuarded(m_dialogi, [&] {
        m_tdm1.Open(m_tdm1.TNazwyWyd);
        m_tdm1.Open(m_tdm1.TWydruki);
        m_nazwy = std::make_unique<kit::DataSource>(*m_tdm1.TNazwyWyd, m_dialogi, m_edycja);
        m_gridNazw->SetColumns({kit::MakeColumn("NazwaWydruku", "Nazwa wydruku", 260)});
        m_gridNazw->SetDataSource(m_nazwy.get());
        m_gridNazw->Attach();
        nawigator.SetDataSource(m_nazwy.get());
        nawigator.Attach();
        engine::Dataset& w = *m_tdm1.TWydruki;
        for (int64_t i = 0; i < w.RecordCount(); ++i)
            m_szablony->addItem(Q(store::Przyciety(w.RowAt(i)["NazwaWydruku"])));
    });
}

TFWydruki::~TFWydruki() = default;

void TFWydruki::done(int wynik) {
    if (m_tdm1.TNazwyWyd.IsOpen() && m_tdm1.TNazwyWyd->Editing()) {
        const store::Odpowiedz o =
            m_dialogi.TakNieAnuluj(m_tdm1.TNazwyWyd->State() == engine::DatasetState::Insert
                                       ? "Czy dopisać nową nazwę wydruku ?"
                                       : " Czy zapisać zmianę nazwy wydruku ?",
                                   kKontrolaNazw, store::Ikona::Pytanie, store::Odpowiedz::Tak);
        if (o == store::Odpowiedz::Anuluj)
            return;
        const bool dobrze = kit::RunGuarded(m_dialogi, [&] {
            if (o == store::Odpowiedz::Tak)
                m_tdm1.TNazwyWyd->Post();
            else
                m_tdm1.TNazwyWyd->Cancel();
        });
        if (!dobrze)
            return;
    }
    m_podglad.reset();
    UstawEdytor(nullptr);
    m_gridNazw->Detach();
    m_nazwy.reset();
    kit::RunGuarded(m_dialogi, [&] { m_tdm1.Close(m_tdm1.TNazwyWyd); });
    UsunKomorke();
    QDialog::done(wynik);
}

void TFWydruki::UstawEdytor(documents::TFEditor* edytor) {
    if (m_edytor)
        m_edytor->UstawWyborTagow(nullptr, nullptr);
    m_edytor = edytor;
    if (m_edytor)
        m_edytor->UstawWyborTagow(
            [this](const QString& tytul, const QString& tag) {
                UstawWybraneOczko(tytul.toStdString(), tag.toStdString());
            },
            [this] { UstawWybraneOczko({}, {}); });
}

void TFWydruki::UstawWybraneOczko(const std::string& tytul, const std::string& tresc) {
    const int wiersz = std::max(0, m_siatka->currentRow()) % kWierszeDefinicji;
    const int kolumna = std::max(0, m_siatka->currentColumn());
    UstawOczko(wiersz, kolumna, tytul, tresc);
}

void TFWydruki::WybierzWydruk(int numer) {
    m_wybory->setCurrentRow(numer - 1);
}

void TFWydruki::UstawOkres(const QString& od, const QString& doDnia) {
    m_od->setText(od);
    m_do->setText(doDnia);
}

void TFWydruki::ZmianaWyboru() {
    const int numer = m_wybory->currentRow() + 1;
    m_szablony->setVisible(numer == kWyborWzorca);
    m_panelDefinicji->setVisible(numer == kWyborKonfigurowany);
}

void TFWydruki::PokazKomorke() {
    m_komorka->setText(Q(m_tdm.Filtr().NazwaKomorkiFiltru));
}

void TFWydruki::WybierzKomorke() {
    kit::RunGuarded(m_dialogi, [&] {
        store::ui::TFPoidzialOrganizacyjny okno({m_tdm, m_tdm1, m_dialogi, m_edycja},
                                                store::PodzialOrganizacyjny::Tryb::FiltrRaportu,
                                                this);
        okno.exec();
    });
    m_tdm.OdswiezListePracownikow();
    PokazKomorke();
}

void TFWydruki::UsunKomorke() {
    store::FiltrPracownikow& f = m_tdm.Filtr();
    f.KomorkaFiltru = -1;
    f.NazwaKomorkiFiltru = kWszystkieKomorki;
    f.FiltrKomorki = false;
    kit::RunGuarded(m_dialogi, [&] { m_tdm.OdswiezListePracownikow(); });
    PokazKomorke();
}

ParametryWydruku TFWydruki::Parametry() const {
    ParametryWydruku p;
    p.numer = m_wybory->currentRow() + 1;
    p.od = DataZPola(m_od).value_or(compute::DataKal{});
    p.doDnia = DataZPola(m_do).value_or(compute::DataKal{});
    p.drukujBezDanych = m_bezDanych->isChecked();
    const store::FiltrPracownikow& f = m_tdm.Filtr();
    if (f.KomorkaFiltru != -1) {
        p.komorka = f.KomorkaFiltru;
        p.nazwaKomorki = f.NazwaKomorkiFiltru;
    }
    p.biezacyPracownik = BiezacyPracownik();
    p.definicja = m_definicja;
    return p;
}

int32_t TFWydruki::BiezacyPracownik() const {
    if (!m_tdm.TPracownicy.IsOpen() || m_tdm.TPracownicy->IsEmpty())
        return 0;
    return store::LiczbaCalkowita(m_tdm.TPracownicy->Field("Identyfikator"));
}

void TFWydruki::WydrukWedlugWzorca() {
    kit::RunGuarded(m_dialogi, [&] {
        const std::vector<documents::SzablonWydruku> szablony = documents::CzytajSzablony(m_tdm1);
        // Never the first template by chance: the clerk names the one he means.
        if (!szablony.empty() && m_szablony->currentRow() < 0) {
            m_dialogi.Informacja("Wybierz z listy szablon wydruku.", "Wydruk według wzorca.");
            m_szablony->setFocus(Qt::OtherFocusReason);
            return;
        }
        const int wybrany =
            std::clamp(m_szablony->currentRow(), 0, std::max(0, int(szablony.size()) - 1));
        const documents::SzablonWydruku* szablon =
            szablony.empty() ? nullptr : &szablony[size_t(wybrany)];
        store::ZrodlaObliczen zrodla(m_tdm, m_tdm1);
        const int32_t pracownik = BiezacyPracownik();
        if (!szablon || !szablon->edytor || !m_edytor) {
            if (documents::KontrolaSzablonu(szablon, zrodla, pracownik, m_dialogi) && !m_edytor &&
                szablon->edytor)
                m_dialogi.Blad("Edytor dokumentów jest niedostępny.", store::kTytulBledu);
            return;
        }
        if (m_edytor->OtworzSzablon(*szablon, zrodla, pracownik,
                                    documents::WybraneZSiatek(m_tdm, m_tdm1)))
            m_edytor->showMaximized();
    });
}

void TFWydruki::Podglad(bool tylkoPrzygotuj) {
    const ParametryWydruku p = Parametry();
    if (p.numer == kWyborWzorca)
        return WydrukWedlugWzorca();
    static const MiaraQt miara;
    std::unique_ptr<ZadanieWydruku> zadanie;
    if (!kit::RunGuarded(m_dialogi, [&] {
            zadanie = std::make_unique<ZadanieWydruku>(m_tdm, m_tdm1, miara, p);
        }))
        return;
    m_podglad = std::make_unique<TQuickReportViewer>(m_dialogi, this);
    m_podglad->Pokaz(std::move(zadanie));
    if (tylkoPrzygotuj)
        return;
    m_podglad->showMaximized();
    m_podglad->exec();
    m_podglad.reset();
}

void TFWydruki::Drukuj() {
    const ParametryWydruku p = Parametry();
    if (p.numer == kWyborWzorca)
        return WydrukWedlugWzorca();
    static const MiaraQt miara;
    std::unique_ptr<ZadanieWydruku> zadanie;
    if (!kit::RunGuarded(m_dialogi, [&] {
            zadanie = std::make_unique<ZadanieWydruku>(m_tdm, m_tdm1, miara, p);
        }))
        return;
    QPrinter drukarka(QPrinter::HighResolution);
    QPrintDialog dialog(&drukarka, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    kit::RunGuarded(m_dialogi, [&] {
        zadanie->Postep().DoKonca();
        const Wydruk w = zadanie->Postep().Wynik();
        drukarka.setDocName(Q(w.tytul));
        DrukujNa(drukarka, w);
    });
}

// ---- The configurable printout's grid ----

void TFWydruki::OdrysujSiatke() {
    // The values are computed here, on the window's thread, from the current employee.
    std::unique_ptr<store::ZrodlaObliczen> zrodla;
    std::unique_ptr<documents::TagiPracownika> tagi;
    auto wartosc = [&](const std::string& tresc) -> std::string {
        if (tresc.empty())
            return {};
        if (!tagi) {
            zrodla = std::make_unique<store::ZrodlaObliczen>(m_tdm, m_tdm1);
            tagi = std::make_unique<documents::TagiPracownika>(
                *zrodla, BiezacyPracownik(), documents::WybraneZSiatek(m_tdm, m_tdm1));
        }
        return documents::SubstituteInText(tresc, *tagi, 1);
    };
    auto komorka = [this](int w, int k) {
        QTableWidgetItem* i = m_siatka->item(w, k);
        if (!i) {
            i = new QTableWidgetItem;
            if (w >= kWierszeDefinicji)
                i->setBackground(palette().alternateBase());
            m_siatka->setItem(w, k, i);
        }
        return i;
    };
    m_odrysowywanie = true;
    kit::RunGuarded(m_dialogi, [&] {
        for (int k = 0; k < kKolumnyDefinicji; ++k) {
            m_siatka->setColumnWidth(k, m_definicja.szerokosci[k]);
            for (int w = 0; w < kWierszeDefinicji; ++w) {
                const OczkoWyd& o = m_definicja.oczka[w][k];
                komorka(w, k)->setText(Q(o.tytul));
                QTableWidgetItem* dolna = komorka(w + kWierszeDefinicji, k);
                dolna->setText(Q(wartosc(o.tresc)));
                dolna->setData(Qt::UserRole, Q(o.tresc));
                dolna->setToolTip(Q(o.tresc));
            }
        }
    });
    m_odrysowywanie = false;
}

void TFWydruki::KomorkaZmieniona(int wiersz, int kolumna) {
    if (m_odrysowywanie)
        return;
    const QTableWidgetItem* i = m_siatka->item(wiersz, kolumna);
    OczkoWyd& o = m_definicja.oczka[wiersz % kWierszeDefinicji][kolumna];
    if (wiersz < kWierszeDefinicji)
        UstawOczko(wiersz, kolumna, i->text().toStdString(), o.tresc);
    else
        UstawOczko(wiersz - kWierszeDefinicji, kolumna, o.tytul,
                   i->data(Qt::UserRole).toString().toStdString());
}

void TFWydruki::UstawOczko(int wiersz, int kolumna, const std::string& tytul,
                           const std::string& tresc) {
    m_definicja.oczka[wiersz][kolumna] = {tytul, tresc};
    const int potrzebna = QFontMetrics(m_siatka->font()).horizontalAdvance(Q(tytul)) + 4;
    if (m_definicja.szerokosci[kolumna] < potrzebna)
        m_definicja.szerokosci[kolumna] = potrzebna;
    OdrysujSiatke();
}

std::optional<int32_t> TFWydruki::WybranaDefinicja() {
    engine::Dataset& n = *m_tdm1.TNazwyWyd;
    if (n.IsEmpty())
        return std::nullopt;
    return store::LiczbaCalkowita(n.Field("IdentyfikatorWydruku"));
}

bool TFWydruki::SprawdzNazwe() {
    if (m_tdm1.TNazwyWyd->Editing()) {
        m_dialogi.Blad("Najpierw zapisz lub porzuć zmiany nazwy wydruku !!!", kKontrolaNazw);
        return false;
    }
    if (!WybranaDefinicja()) {
        m_dialogi.Blad("Brak w zbiorze nazw wydruków !!!", kKontrolaNazw);
        return false;
    }
    return true;
}

void TFWydruki::ZapiszDefinicje() {
    if (!m_tdm1.TNazwyWyd.IsOpen() || !SprawdzNazwe())
        return;
    const std::string nazwa = store::Przyciety(m_tdm1.TNazwyWyd->Field("NazwaWydruku"));
    if (m_dialogi.TakNie("Czy chcesz zapisać bieżący szablon wydruku pod nazwą:\n" + nazwa,
                         kKontrolaNazw, store::Ikona::Pytanie,
                         store::Odpowiedz::Tak) != store::Odpowiedz::Tak)
        return;
    for (int k = 0; k < kKolumnyDefinicji; ++k)
        m_definicja.szerokosci[k] = m_siatka->columnWidth(k);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<std::string> bledy;
    const bool dobrze = kit::RunGuarded(m_dialogi, [&] {
        bledy = reports::ZapiszDefinicje(m_tdm1, *WybranaDefinicja(), m_definicja);
    });
    QApplication::restoreOverrideCursor();
    if (!dobrze)
        return;  // the error was shown; the definition is not reported saved
    if (!bledy.empty()) {
        std::string tekst = kBladZapisuPola;
        for (const std::string& b : bledy)
            tekst += "\n" + b;
        m_dialogi.Blad(tekst, "Kontrola zapisu wydruku.");
        return;
    }
    m_dialogi.Informacja("Wydruk zapisany !!!", kKontrolaWydruku);
}

void TFWydruki::OdczytajDefinicje() {
    if (!m_tdm1.TNazwyWyd.IsOpen() || !SprawdzNazwe())
        return;
    if (kit::RunGuarded(m_dialogi, [&] {
            reports::OdczytajDefinicje(m_tdm1, *WybranaDefinicja(), m_definicja);
        })) {
        OdrysujSiatke();
        m_dialogi.Informacja("Wydruk odczytany !!!", kKontrolaWydruku);
    }
}

}  // namespace mirta::reports::ui
