#include "shell/glowny.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/propozycja_naprawy.h"
#include "kit/run_guarded.h"
#include "shell/data_okno.h"
#include "shell/filtr_zdarzen.h"
#include "shell/strony_pracownika.h"
#include "shell/uklady_siatek.h"
#include "shell/zamykanie.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::shell {

namespace {

constexpr const char* kKoniecPracy = "Kończy pracę z systemem mirta.";

// A picture that closes the window when clicked, beside the exit button.
class ObrazekWyjscia : public QLabel {
public:
    explicit ObrazekWyjscia(QWidget* rodzic) : QLabel(rodzic) {
        setPixmap(style()->standardIcon(QStyle::SP_DialogCloseButton).pixmap(28, 28));
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            window()->close();
    }
};

}  // namespace

TFGlowny::TFGlowny(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi, QWidget* parent)
    : QMainWindow(parent), m_tdm(tdm), m_tdm1(tdm1), m_dialogi(dialogi) {
    setObjectName("TFGlowny");
    setWindowTitle(kTytulGlownego);
    m_edycjaAutomatyczna.SetOn(true);

    auto* srodek = new QWidget(this);
    srodek->setObjectName("srodek");
    srodek->setAutoFillBackground(true);
    auto* uklad = new QVBoxLayout(srodek);
    uklad->setContentsMargins(4, 4, 4, 2);
    uklad->setSpacing(4);
    m_obszarStron = new QWidget;
    m_obszarStron->setObjectName("obszarStron");
    auto* ukladStron = new QVBoxLayout(m_obszarStron);
    ukladStron->setContentsMargins(0, 0, 0, 0);
    m_strony = new StronyPracownika(tdm, tdm1, dialogi, m_edycjaAutomatyczna);
    ukladStron->addWidget(m_strony);
    connect(m_strony, &StronyPracownika::wyborZeSlownika, this, &TFGlowny::WyborZeSlownika);
    connect(m_strony, &StronyPracownika::wyprowadzenieStazu, this, &TFGlowny::WyprowadzenieStazu);
    m_strony->UdostepnijWyborZeSlownikow(true);
    connect(m_strony, &StronyPracownika::urlopyNalezne, this, &TFGlowny::UrlopyNalezne);
    m_strony->UdostepnijUrlopyNalezne(true);
    PodlaczDokumenty();
    PodlaczAkta();
    ZbudujPanelGorny(uklad);
    ZbudujListe();
    m_podzial = new QSplitter(Qt::Vertical);
    m_podzial->setObjectName("podzial");
    m_podzial->setChildrenCollapsible(false);
    m_podzial->addWidget(m_lista);
    m_podzial->addWidget(m_obszarStron);
    m_podzial->setStretchFactor(0, 1);
    m_podzial->setStretchFactor(1, 1);
    // About fifteen employees over the pages at the window's first size.
    m_podzial->setSizes({330, 370});
    uklad->addWidget(m_podzial, 1);
    setCentralWidget(srodek);
    // Enter in the search box (a Tab to the application's filter) goes on to the list.
    QWidget::setTabOrder(m_szukaj, m_lista);

    m_czekanie = new QLabel(srodek);
    m_czekanie->setObjectName("czekanie");
    m_czekanie->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_czekanie->setLineWidth(2);
    m_czekanie->setAlignment(Qt::AlignCenter);
    m_czekanie->setMargin(18);
    m_czekanie->setAutoFillBackground(true);
    m_czekanie->setBackgroundRole(QPalette::ToolTipBase);
    m_czekanie->setForegroundRole(QPalette::ToolTipText);
    QFont f = m_czekanie->font();
    f.setBold(true);
    m_czekanie->setFont(f);
    m_czekanie->setText("Proszę czekać. Trwa odczyt ustawien osobistych");
    m_czekanie->hide();

    ZbudujMenu();
    ZbudujPasekStanu();

    m_filtr = new FiltrZdarzen(this);
    m_filtr->UstawWyborDaty([this](QWidget* fokus) {
        const auto& d = m_tdm.Sesja().DataPrzetwarzania;
        return WyborDaty(fokus, QDate(d.year, d.month, d.day));
    });
    qApp->installEventFilter(m_filtr);

    connect(&m_edycjaAutomatyczna, &kit::AutomaticEdit::toggled, this, [this](bool on) {
        m_edycjaTak->setChecked(on);
        m_edycjaNie->setChecked(!on);
    });
    auto polecenia = [this](const store::CommandState&) { OdswiezPolecenia(); };
    m_polecenia = m_tdm.ObserveCommands(polecenia);
    m_polecenia1 = m_tdm1.ObserveCommands(polecenia);

    PokazPracePrzyStarcie(false);
    resize(1260, 820);
    setMinimumSize(900, 600);
}

kit::DataSource& TFGlowny::ZrodloPracownikow() {
    return m_strony->ZrodloPracownika();
}

TFGlowny::~TFGlowny() {
    qApp->removeEventFilter(m_filtr);
    kit::UstawPropozycjeNaprawy({});
}

void TFGlowny::ZbudujPanelGorny(QVBoxLayout* uklad) {
    m_panelGorny = new QFrame;
    m_panelGorny->setObjectName("panelGorny");
    static_cast<QFrame*>(m_panelGorny)->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* wiersz = new QHBoxLayout(m_panelGorny);
    wiersz->setContentsMargins(6, 4, 6, 4);
    wiersz->setSpacing(8);

    auto* wyjscie = new QToolButton;
    wyjscie->setObjectName("przyciskKoniec");
    wyjscie->setText("Koniec");
    wyjscie->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    wyjscie->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    wyjscie->setToolTip(kKoniecPracy);
    connect(wyjscie, &QToolButton::clicked, this, &QWidget::close);
    wiersz->addWidget(wyjscie);
    auto* obrazek = new ObrazekWyjscia(m_panelGorny);
    obrazek->setObjectName("obrazekKoniec");
    obrazek->setToolTip(kKoniecPracy);
    wiersz->addWidget(obrazek);

    auto* linia = new QFrame;
    linia->setFrameShape(QFrame::VLine);
    linia->setFrameShadow(QFrame::Sunken);
    wiersz->addWidget(linia);

    m_nawigator = new kit::DbNavigator;
    m_nawigator->setObjectName("nawigatorPracownikow");
    m_nawigator->SetHints({"Pierwszy pracownik", "Poprzedni pracownik", "Następny pracownik",
                           "Ostatni pracownik", "Dodaj pracownika", "", "Edytuj dane pracownika",
                           "Zapisz dane pracownika", "Porzuć zmiany", "Odśwież dane"});
    // Employees are never deleted.
    m_nawigator->SetButtonVisible(kit::NavButton::Delete, false);
    m_nawigator->SetDataSource(&ZrodloPracownikow());
    wiersz->addWidget(m_nawigator);

    auto* etykieta = new QLabel("Szukaj nazwiska:");
    wiersz->addSpacing(8);
    wiersz->addWidget(etykieta);
    m_szukaj = new QLineEdit;
    m_szukaj->setObjectName("szukajNazwiska");
    m_szukaj->setClearButtonEnabled(true);
    m_szukaj->setMinimumWidth(200);
    m_szukaj->setMaximumWidth(280);
    etykieta->setBuddy(m_szukaj);
    connect(m_szukaj, &QLineEdit::textChanged, this, &TFGlowny::Szukaj);
    m_szukaj->installEventFilter(this);
    wiersz->addWidget(m_szukaj, 1);
    wiersz->addStretch();

    m_wydruki = new QPushButton("Wydruki");
    m_wydruki->setObjectName("wydruki");
    m_wyborPracownikow = new QPushButton("Wybór pracowników");
    m_wyborPracownikow->setObjectName("wyborPracownikow");
    m_czasPracy = new QPushButton("Czas pracy");
    m_czasPracy->setObjectName("czasPracy");
    connect(m_czasPracy, &QPushButton::clicked, this, &TFGlowny::CzasPracy);
    connect(m_wyborPracownikow, &QPushButton::clicked, this, &TFGlowny::WyborPracownikow);
    connect(m_wydruki, &QPushButton::clicked, this, &TFGlowny::Wydruki);
    for (QPushButton* b : {m_wydruki, m_wyborPracownikow, m_czasPracy}) {
        b->setMinimumWidth(b->sizeHint().width() + 12);
        b->setAutoDefault(false);
        wiersz->addWidget(b);
    }
    uklad->addWidget(m_panelGorny);
}

void TFGlowny::ZbudujListe() {
    m_lista = new kit::DbGrid;
    m_lista->setObjectName("DBGrid1");
    m_lista->setAccessibleName("Lista pracowników");
    const Qt::Alignment lewo = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment srodek = Qt::AlignCenter;
    const auto kolumna = &kit::MakeColumn;
    m_lista->SetColumns({
        kolumna("AktualnyStopien", "Stopień", 150, lewo, lewo),
        kolumna("AktualneStanowisko", "Stanowisko", 190, lewo, lewo),
        kolumna("Nazwisko", "Nazwisko", 150, lewo, lewo),
        kolumna("Imie1", "Imię pierwsze", 110, lewo, lewo),
        kolumna("Imie2", "drugie", 90, lewo, lewo),
        kolumna("PESEL", "PESEL", 105, lewo, srodek),
        kolumna("ImieOjca", "Imię ojca", 95, lewo, lewo),
        kolumna("DataZatrudnienia", "Data zatrudnienia", 125, srodek, srodek),
        kolumna("DataZwolnienia", "Data zwolnienia", 115, srodek, srodek),
        kolumna("Podzial", " ", 150, lewo, lewo),
        kolumna("Identyfikator", "Identyfikator", 95, Qt::AlignRight | Qt::AlignVCenter, lewo),
        kolumna("NumerPracownika", "Numer pracownika", 125, lewo, lewo),
    });
    m_lista->SetReadOnly(true);
    m_lista->SetDataSource(&ZrodloPracownikow());
    PodlaczEdycjeKolumn(*m_lista, m_tdm);
    m_lista->installEventFilter(this);
}

void TFGlowny::ZbudujPasekStanu() {
    auto* pasek = statusBar();
    pasek->setObjectName("pasekStanu");
    pasek->setSizeGripEnabled(true);
    auto panel = [pasek](const char* nazwa, int rozciagniecie) {
        auto* l = new QLabel;
        l->setObjectName(nazwa);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMinimumWidth(260);
        pasek->addWidget(l, rozciagniecie);
        return l;
    };
    m_panelData = panel("panelDataPrzetwarzania", 1);
    m_panelDzis = panel("panelDataBiezaca", 1);
    m_panelUzytkownik = panel("panelUzytkownik", 2);
    m_panelLiczba = panel("panelLiczbaPracownikow", 1);
    m_panelKatalog = panel("panelKatalogDanych", 2);
    pasek->hide();
}

void TFGlowny::PokazCzekanie(const QString& tekst) {
    m_czekanie->setText(tekst);
    m_czekanie->adjustSize();
    QWidget* srodek = centralWidget();
    m_czekanie->move((srodek->width() - m_czekanie->width()) / 2,
                     (srodek->height() - m_czekanie->height()) / 2);
    m_czekanie->raise();
    m_czekanie->show();
    m_czekanie->repaint();
}

void TFGlowny::UkryjCzekanie() {
    m_czekanie->hide();
}

// Before the login the window shows only its empty face; the list, the pages and the top
// panel appear once somebody is logged in.
void TFGlowny::PokazPracePrzyStarcie(bool pokaz) {
    centralWidget()->setBackgroundRole(pokaz ? QPalette::Window : QPalette::Dark);
    m_panelGorny->setVisible(pokaz);
    m_lista->setVisible(pokaz);
    m_obszarStron->setVisible(pokaz);
}

void TFGlowny::UstawEdycjeAutomatyczna(bool wlaczona) {
    m_edycjaAutomatyczna.SetOn(wlaczona);
    m_edycjaTak->setChecked(wlaczona);
    m_edycjaNie->setChecked(!wlaczona);
}

// ---- Search

void TFGlowny::Szukaj(const QString& tekst) {
    engine::Dataset& pracownicy = *m_tdm.TPracownicy;
    if (pracownicy.Editing()) {
        m_dialogi.Blad(kZapiszPracownika, store::kTytulBledu);
        return;
    }
    kit::RunGuarded(m_dialogi, [&] {
        if (tekst.isEmpty())
            pracownicy.First();
        else
            pracownicy.FindNearest({engine::Value::Text(tekst.toStdString())});
    });
}

// Letters typed on the list go to the search box; Backspace takes the last one back.
bool TFGlowny::PiszNaLiscie(QKeyEvent* klawisz) {
    if (!m_szukaj->isEnabled() || !m_szukaj->isVisible())
        return false;
    if (klawisz->key() == Qt::Key_Backspace) {
        QString tekst = m_szukaj->text();
        if (!tekst.isEmpty()) {
            tekst.chop(1);
            m_szukaj->setText(tekst);
        }
        return true;
    }
    const QString znaki = klawisz->text();
    if (znaki.isEmpty() || znaki.front() < QChar(32) || znaki.front() == QChar(127) ||
        (klawisz->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    m_szukaj->setText(m_szukaj->text() + znaki);
    return true;
}

// The search box steers the list: the arrows and page keys move it, Enter goes to it.
bool TFGlowny::KlawiszWyszukiwania(QKeyEvent* klawisz) {
    switch (klawisz->key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            QCoreApplication::sendEvent(m_lista, klawisz);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            m_lista->setFocus(Qt::ShortcutFocusReason);
            return true;
        default:
            return false;
    }
}

bool TFGlowny::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lista && event->type() == QEvent::KeyPress)
        return PiszNaLiscie(static_cast<QKeyEvent*>(event));
    if (watched == m_szukaj && event->type() == QEvent::KeyPress)
        return KlawiszWyszukiwania(static_cast<QKeyEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

// While any record of the data modules is being edited the list must not move away from it.
void TFGlowny::OdswiezPolecenia() {
    const bool edycja = m_tdm.EditingInProgress() || m_tdm1.EditingInProgress();
    m_szukaj->setEnabled(!edycja);
    m_wyborPracownikow->setEnabled(!edycja && m_wyborFiltruDostepny);
    m_wydruki->setEnabled(!edycja && !m_tdm.Sesja().TrybUrlopowy && m_wydrukiDostepne);
}

// The employee must be saved before his work-time card opens.
void TFGlowny::CzasPracy() {
    engine::Dataset& pracownicy = *m_tdm.TPracownicy;
    if (pracownicy.Editing())
        ZrodloPracownikow().Run([](engine::Dataset& ds) { ds.Post(); });
    if (pracownicy.Editing()) {
        m_dialogi.Blad("Błąd zapisu danych kadrowych !!!", "Kontrola danych.");
        return;
    }
    OtworzKartePracy();
}

// ---- Showing and closing

void TFGlowny::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_pierwszaAktywacja && !m_startZaplanowany && m_logowanie) {
        m_startZaplanowany = true;
        QTimer::singleShot(0, this, [this] {
            if (m_pierwszaAktywacja && !SekwencjaStartowa())
                emit zakonczProgram();
        });
    }
}

void TFGlowny::closeEvent(QCloseEvent* event) {
    if (Zamykanie())
        event->accept();
    else
        event->ignore();
}

bool TFGlowny::Zamykanie() {
    // Nobody logged in: nothing to ask and nothing to save.
    if (!m_tdm.Sesja().Zalogowany())
        return true;
    if (!m_zamknijBezPytania) {
        if (!m_zmianaUzytkownika &&
            m_dialogi.TakNie(kPytanieOZakonczenie, kTytulZakonczenia, store::Ikona::Pytanie,
                             store::Odpowiedz::Tak) != store::Odpowiedz::Tak)
            return false;
        PokazCzekanie("Proszę czekać. Trwa zapis ustawień osobistych.");
        try {
            Zapisz(m_tdm1, *m_lista, m_strony->SiatkaPoprzednichZatrudnien());
            ZapiszEdycjeAutomatyczna(m_tdm, EdycjaAutomatyczna());
        } catch (const std::exception& e) {
            kit::LogFailure(kBladUstawienOsobistych, e);
            m_dialogi.Blad(kBladUstawienOsobistych, kTytulZakonczenia);
        }
        UkryjCzekanie();
    }
    AkcjaZamkniecia akcja = AkcjaZamkniecia::Zostaw;
    kit::RunGuarded(m_dialogi, [&] { akcja = ZapytajOZapisPrzyZamknieciu(m_tdm, m_dialogi); });
    return akcja == AkcjaZamkniecia::Zamknij;
}

}  // namespace mirta::shell
