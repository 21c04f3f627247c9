#include "spd/ui/przesylki_okno.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <utility>

#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/odmowa.h"
#include "kit/panel_czekania.h"
#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "spd/csv_spd.h"
#include "spd/pola_tabeli.h"
#include "spd/tabele_spd.h"
#include "spd/ui/przesylka_okno.h"
#include "spd/ui/zbiory_spd.h"
#include "spd/wysylanie_paczki.h"
#include "store/tdm.h"
#include "store/uprawnienia.h"

namespace mirta::spd::ui {

bool PrzesylkiSa(store::TDM& tdm, store::Dialogi& dialogi) {
    auto rejestr = OtworzTabeleSPD(tdm.Fs(), tdm.DataDirectory(), "TRejPrzesylek");
    if (rejestr->RowCount() > 0)
        return true;
    dialogi.Blad("Brak wygenerowanych przesyłek !!!", kTytulKontroliDanych);
    return false;
}

TFSPDWysylaniePrzesylek::TFSPDWysylaniePrzesylek(const kit::Uslugi& uslugi,
                                                 PokazanieTekstu pokazBledy, QWidget* parent)
    : QDialog(parent),
      m_uslugi(uslugi),
      m_tdm(uslugi.tdm),
      m_dialogi(uslugi.dialogi),
      m_pokazBledy(std::move(pokazBledy)) {
    store::TDM& tdm = m_tdm;
    setObjectName("TFSPDWysylaniePrzesylek");
    setWindowTitle("Wysyłanie przesyłek");
    m_rejestr = ZbiorTabeli(OtworzTabeleSPD(tdm.Fs(), tdm.DataDirectory(), "TRejPrzesylek"),
                            "TRejPrzesylek", "DataTworzenia;CzasTworzenia");
    m_rejestr->Last();
    m_zrodlo = new kit::DataSource(*m_rejestr, m_dialogi, uslugi.edycja, this);

    auto* uklad = new QVBoxLayout(this);
    m_nawigator = new kit::DbNavigator(this);
    m_nawigator->setObjectName("Nawigator");
    kit::NavigatorHints podpowiedzi = kit::DefaultNavigatorHints();
    podpowiedzi[0] = "Pierwsza przesyłka";
    podpowiedzi[1] = "Poprzednia przesyłka";
    podpowiedzi[2] = "Następna przesyłka";
    podpowiedzi[3] = "Ostatnia przesyłka";
    m_nawigator->SetHints(podpowiedzi);
    for (auto b : {kit::NavButton::Insert, kit::NavButton::Delete, kit::NavButton::Edit,
                   kit::NavButton::Post, kit::NavButton::Cancel, kit::NavButton::Refresh})
        m_nawigator->SetButtonVisible(b, false);
    m_nawigator->SetDataSource(m_zrodlo);
    m_nawigator->Attach();
    uklad->addWidget(m_nawigator);

    m_lista = new kit::DbGrid(this);
    m_lista->setObjectName("Lista");
    m_lista->SetColumns(
        {Kolumna("DataTworzenia", "Data", 90), Kolumna("CzasTworzenia", "Godzina", 90),
         Kolumna("KtoUtworzyl", "Utworzył", 200),
         Kolumna("KatalogPlikuZarzadzajaceg", "Folder", 230),
         Kolumna("NazwaPlikuZarzadzajacego", "Plik zarządzania", 140),
         Kolumna("Identyfikator", "Identyfikator", 90, Qt::AlignRight | Qt::AlignVCenter)});
    m_lista->SetReadOnly(true);
    m_lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lista->SetDataSource(m_zrodlo);
    m_lista->Attach();
    uklad->addWidget(m_lista, 1);

    const kit::PanelCzekania panel = kit::ZrobPanelCzekania(*this, {});
    m_panel = panel.ramka;
    m_krok = panel.naglowek;
    m_krok->setObjectName("LabelKrok");
    auto* wiersz = new QHBoxLayout;
    m_postep = new QProgressBar(m_panel);
    m_postep->setObjectName("PostepWysylania");
    m_postep->setFormat("%v z %m bajtów");
    m_anuluj = new QPushButton("Anuluj", m_panel);
    m_anuluj->setObjectName("ButtonAnuluj");
    wiersz->addWidget(m_postep, 1);
    wiersz->addWidget(m_anuluj);
    panel.uklad->addLayout(wiersz);
    uklad->addWidget(m_panel);
    connect(m_anuluj, &QPushButton::clicked, this, [this] { m_przerwij = true; });

    m_pokaz = kit::ZrobPrzycisk(*this, "Pokarz przesyłkę.", "ButtonPokaz");
    m_wyslij =
        kit::ZrobPrzycisk(*this, "Generuj i wyślij pliki SPD", "ButtonWyslij", QStyle::SP_ArrowUp);
    m_zamknij = kit::ZrobPrzyciskZamknij(*this);
    uklad->addLayout(kit::RzadPrzyciskow({m_pokaz, m_wyslij, m_zamknij}));
    connect(m_pokaz, &QPushButton::clicked, this, &TFSPDWysylaniePrzesylek::PokazPrzesylke);
    connect(m_wyslij, &QPushButton::clicked, this, &TFSPDWysylaniePrzesylek::GenerujIWyslij);
    kit::PokazOdmowe(*m_wyslij, store::OdmowaZmiany(m_tdm.Sesja()));
    resize(920, 420);
}

WpisRejestru TFSPDWysylaniePrzesylek::Biezacy() const {
    WpisRejestru w;
    if (m_rejestr->IsEmpty())
        return w;
    w.identyfikator = static_cast<int32_t>(CalkowitaLubZero(m_rejestr->Field("Identyfikator")));
    w.ktoUtworzyl = Tekst(m_rejestr->Field("KtoUtworzyl"));
    w.nazwaPlikuZarzadzajacego = Tekst(m_rejestr->Field("NazwaPlikuZarzadzajacego"));
    w.dataTworzenia = Data(m_rejestr->Field("DataTworzenia"));
    const engine::Value& czas = m_rejestr->Field("CzasTworzenia");
    w.czasTworzenia = czas.kind() == engine::Value::Kind::Time ? czas.AsMilliseconds() : 0;
    w.katalog = Tekst(m_rejestr->Field("KatalogPlikuZarzadzajaceg"));
    return w;
}

void TFSPDWysylaniePrzesylek::PokazPrzesylke() {
    kit::RunGuarded(m_dialogi, [&] {
        const WpisRejestru w = Biezacy();
        if (!PlikiPrzesylkiSa(m_tdm, w, m_dialogi))
            return;
        TFSPDPrzesylka okno(m_uslugi, w, this);
        okno.exec();
    });
}

void TFSPDWysylaniePrzesylek::reject() {
    if (!m_panel->isVisible())
        QDialog::reject();
}

void TFSPDWysylaniePrzesylek::Zajety(bool zajety) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_lista, m_nawigator, m_pokaz, m_wyslij, m_zamknij})
        w->setEnabled(!zajety);
    if (!zajety)
        kit::PokazOdmowe(*m_wyslij, store::OdmowaZmiany(m_tdm.Sesja()));
    m_panel->setVisible(zajety);
}

void TFSPDWysylaniePrzesylek::GenerujIWyslij() {
    const WpisRejestru wpis = Biezacy();
    m_przerwij = false;
    OpcjeWysylaniaPaczki opcje;
    opcje.krok = [this](const std::string& krok) {
        if (!m_panel->isVisible()) {
            Zajety(true);
            m_postep->hide();
        }
        m_krok->setText(QString::fromStdString(krok));
        m_panel->repaint();
    };
    // The question whether to go on comes only after the list is closed.
    opcje.pokazBledy = [this](const std::string& zestawienie) {
        const QString tekst = QString::fromStdString(zestawienie);
        if (m_pokazBledy)
            m_pokazBledy(tekst);
        else
            PokazTekst(this, "Zestawienie błędów w systemie SPD.", tekst, "ZestawienieBledow");
    };
    opcje.wysylka.anuluj = &m_przerwij;
    opcje.wysylka.postep = [this](const PostepWysylki& p) {
        m_krok->setText(QString("Wysyłanie pliku %1").arg(QString::fromStdString(p.plik)));
        m_postep->show();
        m_postep->setRange(0, static_cast<int>(std::min<uint64_t>(p.rozmiar, INT32_MAX)));
        m_postep->setValue(static_cast<int>(std::min<uint64_t>(p.wyslano, INT32_MAX)));
        // Lets "Anuluj" be pressed while the upload runs on this thread.
        QApplication::processEvents();
    };
    std::optional<std::string> nazwa;
    kit::RunGuarded(m_dialogi, [&] {
        nazwa = GenerujIWyslijPlikiSPD(m_tdm.Fs(), m_tdm.DataDirectory(), wpis, m_tdm.Sesja(),
                                       m_dialogi, opcje);
    });
    m_ostatnia = nazwa.value_or(std::string());
    Zajety(false);
}

}  // namespace mirta::spd::ui
