#include "spd/ui/harmonogram_okno.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <optional>

#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/odmowa.h"
#include "kit/panel_czekania.h"
#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "spd/csv_spd.h"
#include "spd/katalog_spd.h"
#include "spd/kontrola_przed_generowaniem.h"
#include "spd/pola_tabeli.h"
#include "spd/tabele_spd.h"
#include "spd/ui/zbiory_spd.h"
#include "store/obraz_pracownika.h"
#include "store/tdm.h"
#include "store/uprawnienia.h"

namespace mirta::spd::ui {

namespace {

constexpr const char* kPorzadekHarmonogramu = "LP;Nazwa";

}  // namespace

TFHarmonogramSPD::TFHarmonogramSPD(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
                                   kit::AutomaticEdit& edycja, Tryb tryb, compute::DataKal dzis,
                                   QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_tdm1(tdm1), m_dialogi(dialogi), m_tryb(tryb), m_dzis(dzis) {
    setObjectName("TFHarmonogramSPD");
    setWindowTitle("Harmonogram SPD");
    m_harmonogram =
        ZbiorTabeli(OtworzTabeleSPD(tdm.Fs(), tdm.DataDirectory(), "THarmonogramPrzesylek"),
                    "THarmonogramPrzesylek", kPorzadekHarmonogramu);
    m_harmonogram->AddCalculatedField({"Zaznaczony", engine::FieldType::Alpha, 1});
    m_harmonogram->AddCalculatedField({"OpisWykonania", engine::FieldType::Alpha, 50});
    const PolaTabeli pola(m_harmonogram->GetTable());
    const int id = pola("Identyfikator");
    m_harmonogram->SetCalcFieldsHandler([this, id](engine::RowView& r) {
        const auto identyfikator = static_cast<int32_t>(CalkowitaLubZero(r.At(id)));
        r.Set("Zaznaczony",
              engine::Value::Text(m_zaznaczone.Zaznaczony(identyfikator) ? "*" : " "));
        for (const WpisHarmonogramu& w : m_wpisy)
            if (w.identyfikator == identyfikator)
                r.Set("OpisWykonania", engine::Value::Text(OpisWykonania(w)));
    });
    engine::FieldHooks rodzaj;
    rodzaj.getText = [](const engine::RowView&, const engine::Value& v) {
        return std::string(NazwaRodzajuDanych(Tekst(v)));
    };
    m_harmonogram->SetFieldHooks("Rodzaj", rodzaj);
    PokazTakNie(*m_harmonogram, "Aktywny");
    m_zrodlo = new kit::DataSource(*m_harmonogram, dialogi, edycja, this);

    auto* uklad = new QVBoxLayout(this);
    m_nawigator = new kit::DbNavigator(this);
    m_nawigator->setObjectName("Nawigator");
    for (auto b : {kit::NavButton::Insert, kit::NavButton::Delete, kit::NavButton::Edit,
                   kit::NavButton::Post, kit::NavButton::Cancel})
        m_nawigator->SetButtonVisible(b, false);
    m_nawigator->SetDataSource(m_zrodlo);
    m_nawigator->Attach();
    uklad->addWidget(m_nawigator);

    m_lista = new kit::DbGrid(this);
    m_lista->setObjectName("Lista");
    std::vector<kit::Column> kolumny;
    if (tryb == Tryb::Generowanie)
        kolumny.push_back(Kolumna("Zaznaczony", "Zaznacz.", 60, Qt::AlignCenter));
    for (kit::Column k :
         {Kolumna("LP", "LP", 40, Qt::AlignRight | Qt::AlignVCenter),
          Kolumna("Aktywny", "Aktywny", 60, Qt::AlignCenter), Kolumna("Nazwa", "Nazwa", 220),
          Kolumna("Rodzaj", "Rodzaj", 190), Kolumna("NazwaPliku", "Plik", 110),
          Kolumna("IdentyfikatorSystemuDzied", "Ident.syst.dziedzinowego", 170),
          Kolumna("OpisWykonania", "Opis wykonania", 230)})
        kolumny.push_back(k);
    m_lista->SetColumns(std::move(kolumny));
    m_lista->SetReadOnly(true);
    m_lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lista->SetDataSource(m_zrodlo);
    m_lista->Attach();
    uklad->addWidget(m_lista, 1);
    if (tryb == Tryb::Generowanie) {
        auto* legenda = new QLabel(
            "„*” w kolumnie „Zaznacz.”: wpis należny dzisiaj, zaznaczony do wygenerowania.", this);
        legenda->setObjectName("Legenda");
        uklad->addWidget(legenda);
    }

    const kit::PanelCzekania panel =
        kit::ZrobPanelCzekania(*this, "Proszę czekać. Trwa generowanie danych SPD.");
    m_panel = panel.ramka;
    m_postep = kit::DodajLiniePostepu(panel, "LabelPostep");
    uklad->addWidget(m_panel);

    if (tryb == Tryb::Generowanie) {
        m_wygeneruj = kit::ZrobPrzycisk(*this, "&Wygeneruj pliki SPD", "ButtonWygeneruj",
                                        QStyle::SP_DialogApplyButton);
        connect(m_wygeneruj, &QPushButton::clicked, this, &TFHarmonogramSPD::Wygeneruj);
        kit::PokazOdmowe(*m_wygeneruj, store::OdmowaZmiany(m_tdm.Sesja()));

        m_menu = new QMenu(this);
        m_menu->setObjectName("MenuZaznaczania");
        const std::pair<const char*, void (TFHarmonogramSPD::*)()> polecenia[] = {
            {"Zaznacz/Odznacz", &TFHarmonogramSPD::PrzelaczBiezacy},
            {"Zaznacz wszystko", &TFHarmonogramSPD::ZaznaczWszystko},
            {"Odznacz wszystko", &TFHarmonogramSPD::OdznaczWszystko}};
        for (const auto& [tekst, polecenie] : polecenia)
            connect(m_menu->addAction(tekst), &QAction::triggered, this, polecenie);
        m_lista->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(m_lista, &QWidget::customContextMenuRequested, this,
                [this](const QPoint& p) { m_menu->popup(m_lista->viewport()->mapToGlobal(p)); });
        connect(m_lista, &QAbstractItemView::doubleClicked, this,
                &TFHarmonogramSPD::PrzelaczBiezacy);
    }
    m_zamknij = kit::ZrobPrzyciskZamknij(*this);
    uklad->addLayout(m_wygeneruj ? kit::RzadPrzyciskow({m_wygeneruj, m_zamknij})
                                 : kit::RzadPrzyciskow({m_zamknij}));

    CzytajHarmonogram();
    resize(1120, 460);
}

void TFHarmonogramSPD::CzytajHarmonogram() {
    auto log = OtworzTabeleSPD(m_tdm.Fs(), m_tdm.DataDirectory(), "TPrzesylki");
    m_wpisy = spd::CzytajHarmonogram(m_harmonogram->GetTable());
    m_zaznaczone = Zaznaczenia::Nalezne(m_wpisy, OstatnieWysylki(*log), m_dzis);
    m_harmonogram->Refresh();
}

void TFHarmonogramSPD::PrzelaczBiezacy() {
    if (m_harmonogram->IsEmpty())
        return;
    const auto id = static_cast<int32_t>(CalkowitaLubZero(m_harmonogram->Field("Identyfikator")));
    if (m_zaznaczone.Zaznaczony(id)) {
        m_zaznaczone.Odznacz(id);
    } else {
        const engine::Value& aktywny = m_harmonogram->Field("Aktywny");
        if (aktywny.IsNull() || !aktywny.AsLogical()) {
            m_dialogi.Blad(kPozycjaNieaktywna, kTytulKontroliDanych);
            return;
        }
        m_zaznaczone.Zaznacz(id);
    }
    m_harmonogram->Refresh();
}

void TFHarmonogramSPD::ZaznaczWszystko() {
    m_zaznaczone = Zaznaczenia::Wszystkie(m_wpisy);
    m_harmonogram->Refresh();
}

void TFHarmonogramSPD::OdznaczWszystko() {
    m_zaznaczone.Wyczysc();
    m_harmonogram->Refresh();
}

void TFHarmonogramSPD::PokazPostep(const std::string& podpis, double udzial) {
    m_postep->setText(QString::fromStdString(podpis) +
                      QString("  %1%").arg(static_cast<int>(udzial * 100)));
    // The generation runs on this thread: paint now rather than when it is over.
    m_panel->repaint();
}

bool TFHarmonogramSPD::KontrolaPrzedGenerowaniem() {
    const std::vector<WpisHarmonogramu> wpisy = m_zaznaczone.Wybrane(m_wpisy);
    if (wpisy.empty())
        return true;
    const compute::DataKal data = store::DataPrzetwarzania(m_tdm);
    std::vector<Usterka> usterki;
    setCursor(Qt::WaitCursor);
    const bool sprawdzono = kit::RunGuarded(
        m_dialogi, [&] { usterki = spd::KontrolaPrzedGenerowaniem(m_tdm, m_tdm1, wpisy, data); });
    unsetCursor();
    if (!sprawdzono || usterki.empty())
        return sprawdzono;
    const std::string pytanie =
        "Kontrola danych przed eksportem znalazła usterek: " + std::to_string(usterki.size()) +
        ".\nCzy mimo to wygenerować przesyłkę ?\n\n(Nie: lista usterek.)";
    if (m_dialogi.TakNie(pytanie, kTytulKontroliPrzedGenerowaniem, store::Ikona::Ostrzezenie,
                         store::Odpowiedz::Nie) == store::Odpowiedz::Tak)
        return true;
    // A row leads to the employee's page once both windows are closed.
    std::optional<std::pair<int32_t, std::string>> cel;
    TFKontrolaDanychSPD lista(
        m_tdm, m_tdm1, m_dialogi, wpisy, data,
        m_skok ? SkokDoPracownika([&](int32_t id, const std::string& k) { cel.emplace(id, k); })
               : SkokDoPracownika(),
        this);
    lista.Pokaz(std::move(usterki));
    lista.ZamykajPoSkoku(true);
    lista.exec();
    if (cel) {
        reject();
        m_skok(cel->first, cel->second);
    }
    return false;
}

void TFHarmonogramSPD::Wygeneruj() {
    if (!KontrolaPrzedGenerowaniem())
        return;
    for (QWidget* w : std::initializer_list<QWidget*>{m_lista, m_nawigator, m_wygeneruj, m_zamknij})
        w->setEnabled(false);
    m_panel->show();
    PokazPostep({}, 0);
    OpcjeGenerowania opcje;
    opcje.postep = [this](const std::string& podpis, double udzial) {
        PokazPostep(podpis, udzial);
    };
    kit::RunGuarded(m_dialogi, [&] {
        m_wynik = GenerujPrzesylkeSPD(m_tdm, m_tdm1, m_zaznaczone, m_dialogi, opcje);
    });
    m_panel->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{m_lista, m_nawigator, m_zamknij})
        w->setEnabled(true);
    kit::PokazOdmowe(*m_wygeneruj, store::OdmowaZmiany(m_tdm.Sesja()));
    // The schedule is read again and every mark cleared, whatever the outcome.
    kit::RunGuarded(m_dialogi, [&] { CzytajHarmonogram(); });
    m_zaznaczone.Wyczysc();
    m_harmonogram->Refresh();
    if (m_wynik.stan == WynikGenerowania::Stan::Wygenerowano)
        m_dialogi.Informacja("Wygenerowano przesyłkę " + m_wynik.folder + ".",
                             kTytulKontroliDanych);
}

}  // namespace mirta::spd::ui
