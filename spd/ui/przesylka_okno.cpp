#include "spd/ui/przesylka_okno.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "compute/teksty.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/przyciski_okna.h"
#include "spd/csv_spd.h"
#include "spd/harmonogram.h"
#include "spd/pola_tabeli.h"
#include "spd/tabele_spd.h"
#include "spd/ui/zbiory_spd.h"
#include "store/tdm.h"

namespace mirta::spd::ui {

namespace {

std::string Folder(const store::TDM& tdm, const WpisRejestru& wpis) {
    return SciezkaWKatalogu(tdm.DataDirectory(), std::string(compute::Przytnij(wpis.katalog)));
}

// A navigator of the four moving buttons with the window's hints, and a grid, in a box.
QGroupBox* Panel(const QString& tytul, const char* nazwa, kit::DataSource& zrodlo,
                 const std::array<QString, 4>& podpowiedzi, std::vector<kit::Column> kolumny,
                 bool nawigator, QWidget* rodzic) {
    auto* ramka = new QGroupBox(tytul, rodzic);
    ramka->setObjectName(QString(nazwa) + "Panel");
    auto* uklad = new QVBoxLayout(ramka);
    if (nawigator) {
        auto* n = new kit::DbNavigator(ramka);
        n->setObjectName(QString(nazwa) + "Nawigator");
        kit::NavigatorHints h = kit::DefaultNavigatorHints();
        for (size_t i = 0; i < podpowiedzi.size(); ++i)
            h[i] = podpowiedzi[i];
        n->SetHints(h);
        for (auto b : {kit::NavButton::Insert, kit::NavButton::Delete, kit::NavButton::Edit,
                       kit::NavButton::Post, kit::NavButton::Cancel, kit::NavButton::Refresh})
            n->SetButtonVisible(b, false);
        n->SetDataSource(&zrodlo);
        n->Attach();
        uklad->addWidget(n);
    }
    auto* lista = new kit::DbGrid(ramka);
    lista->setObjectName(QString(nazwa) + "Lista");
    lista->SetColumns(std::move(kolumny));
    lista->SetReadOnly(true);
    lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista->SetDataSource(&zrodlo);
    lista->Attach();
    uklad->addWidget(lista, 1);
    return ramka;
}

}  // namespace

bool PlikiPrzesylkiSa(store::TDM& tdm, const WpisRejestru& wpis, store::Dialogi& dialogi) {
    const std::string folder = Folder(tdm, wpis);
    for (const std::string& plik : {std::string(compute::Przytnij(wpis.nazwaPlikuZarzadzajacego)),
                                    std::string("PozPrzesylki.db")}) {
        if (!tdm.Fs().Exists(engine::ResolvePath(tdm.Fs(), folder + "/" + plik))) {
            dialogi.Blad("Brak pliku:" + std::string(compute::Przytnij(wpis.katalog)) + "\\" + plik,
                         kTytulKontroliDanych);
            return false;
        }
    }
    return true;
}

TFSPDPrzesylka::TFSPDPrzesylka(store::TDM& tdm, const WpisRejestru& wpis, store::Dialogi& dialogi,
                               kit::AutomaticEdit& edycja, QWidget* parent)
    : QDialog(parent) {
    setObjectName("TFSPDPrzesylka");
    setWindowTitle("Przesyłka");
    const std::string folder = Folder(tdm, wpis);
    m_naglowki = ZbiorTabeli(OtworzTabelePaczki(tdm.Fs(), folder, "TGlowkiPlikow"), "TGlowkiPlikow",
                             "LP;Nazwa");
    m_naglowki->AddCalculatedField({"OpisWykonania", engine::FieldType::Alpha, 50});
    m_naglowki->SetCalcFieldsHandler([](engine::RowView& r) {
        auto mala = [&](const char* pole) -> std::optional<int> {
            const auto x = Calkowita(r[pole]);
            return x ? std::optional<int>(static_cast<int>(*x)) : std::nullopt;
        };
        const engine::Value& g = r["Godzina"];
        r.Set("OpisWykonania",
              engine::Value::Text(OpisWykonania(
                  Tekst(r["SposobPrzesylania"]),
                  g.kind() == engine::Value::Kind::Time ? std::optional(g.AsMilliseconds())
                                                        : std::nullopt,
                  mala("Dzien"), mala("Miesiac"), mala("DzienOkresu"))));
    });
    PokazTakNie(*m_naglowki, "Aktywny");
    m_pozycje = ZbiorTabeli(OtworzTabelePaczki(tdm.Fs(), folder, "TPozPlikow"), "TPozPlikow", {});
    m_pozycje->SetMasterLink(*m_naglowki, "IdentyfikatorHarmonogramu", "IdentyfikatorHarmOryginal");
    PokazTakNie(*m_pozycje, "Wymagalnosc");
    m_log =
        ZbiorTabeli(OtworzTabeleSPD(tdm.Fs(), tdm.DataDirectory(), "TPrzesylki"), "TPrzesylki", {});
    m_log->SetMasterLink(*m_naglowki, "IdentyfikatHarmonogramu", "IdentyfikatorHarmOryginal");

    auto* zrodloNaglowkow = new kit::DataSource(*m_naglowki, dialogi, edycja, this);
    auto* zrodloPozycji = new kit::DataSource(*m_pozycje, dialogi, edycja, this);
    auto* zrodloLogu = new kit::DataSource(*m_log, dialogi, edycja, this);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(
        Panel("Pliki przesyłki", "naglowki", *zrodloNaglowkow,
              {"Pierwsz plik", "Poprzedni plik", "Następny plik", "Ostatni plik"},
              {Kolumna("LP", "LP", 40, Qt::AlignRight | Qt::AlignVCenter),
               Kolumna("Nazwa", "Nazwa", 200), Kolumna("NazwaPliku", "Nazwa pliku", 110),
               Kolumna("DataDanych", "Data danych", 90),
               Kolumna("OpisWykonania", "Sposob przesylania", 200),
               Kolumna("Aktywny", "Aktywny", 60, Qt::AlignCenter),
               Kolumna("KatalogPlac", "Katalog płac", 150)},
              true, this),
        2);
    uklad->addWidget(
        Panel("Zawartość pliku", "pozycje", *zrodloPozycji,
              {"Pierwsza", "Poprzedniak", "Następnak", "Ostatnia"},
              {Kolumna("IdentyfikatorWiersza", "Wiersz", 60, Qt::AlignRight | Qt::AlignVCenter),
               Kolumna("IdentyfikatorPola", "Pole", 50, Qt::AlignRight | Qt::AlignVCenter),
               Kolumna("NazwaPola", "Opis", 220), Kolumna("Nazwisko", "Nazwisko", 140),
               Kolumna("Imie1", "Imię", 100), Kolumna("Zawartosc", "Zawartość", 220),
               Kolumna("Wymagalnosc", "Wymagalność", 90, Qt::AlignCenter)},
              true, this),
        3);
    m_panelLogu = Panel("Przesyłki", "przesylki", *zrodloLogu, {},
                        {Kolumna("IdentyfikatHarmonogramu", "Identyfikat harmonogramu", 170),
                         Kolumna("DataPrzesylki", "Data przesylki", 110),
                         Kolumna("CzasPrzesylki", "Czas przesylki", 110),
                         Kolumna("IdentyfikatorPrzesylki", "Identyfikator przesylki", 160)},
                        false, this);
    m_panelLogu->hide();
    uklad->addWidget(m_panelLogu, 1);

    auto* pokaz = kit::ZrobPrzycisk(*this, "Pakaż/ukryj przesyłki", "ButtonPrzesylki");
    uklad->addLayout(kit::RzadPrzyciskow({pokaz, kit::ZrobPrzyciskZamknij(*this)}));
    connect(pokaz, &QPushButton::clicked, this, &TFSPDPrzesylka::PrzelaczPrzesylki);
    resize(1100, 680);
}

void TFSPDPrzesylka::PrzelaczPrzesylki() {
    m_panelLogu->setVisible(!m_panelLogu->isVisible());
}

}  // namespace mirta::spd::ui
