#include "store/ui/kalendarz_dni.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "kit/data_controls.h"
#include "store/tdm.h"
#include "store/ui/okna_wspolne.h"

namespace mirta::store::ui {

namespace {

const char* const kMiesiace[] = {"Styczeń",  "Luty",        "Marzec",   "Kwiecień",
                                 "Maj",      "Czerwiec",    "Lipiec",   "Sierpień",
                                 "Wrzesień", "Październik", "Listopad", "Grudzień"};

struct WygladStatusu {
    char litera;
    QColor tlo;    // the picture of the day button
    QColor tekst;  // caption and weekday; invalid: the window's own text colour
};

const WygladStatusu kWyglad[] = {
    {'R', QColor(235, 235, 225), QColor()},
    {'W', QColor(120, 160, 230), QColor(Qt::blue)},
    // A darker red than pure red, which is hard to read on a light button.
    {'S', QColor(225, 60, 60), QColor(180, 0, 0)},
};

const WygladStatusu* Wyglad(char litera) {
    for (const auto& w : kWyglad)
        if (w.litera == litera)
            return &w;
    return nullptr;
}

void UstawKolor(QWidget* w, QPalette::ColorRole rola, const QColor& kolor) {
    QPalette p = w->palette();
    p.setColor(rola, kolor.isValid() ? kolor : QApplication::palette(w).color(rola));
    w->setPalette(p);
}

}  // namespace

TFKalendarz::TFKalendarz(TDM& tdm, Dialogi& dialogi, QWidget* parent)
    : OknoEdycji(dialogi, parent), m_tdm(tdm), m_logika(tdm) {
    setObjectName("TFKalendarz");
    setWindowTitle("Kalendarz kadrowy.");
    m_edycja.SetOn(true);
    m_zrodlo = std::make_unique<kit::DataSource>(*tdm.TKalendarz, dialogi, m_edycja);

    auto* uklad = new QVBoxLayout(this);
    auto* naglowek = new QHBoxLayout;
    naglowek->addWidget(new QLabel("Rok:", this));
    auto* wstecz = new QToolButton(this);
    wstecz->setObjectName("rokWstecz");
    wstecz->setText("◀");
    wstecz->setToolTip("Poprzedni rok");
    connect(wstecz, &QToolButton::clicked, this, [this] { ZmienRok(-1); });
    naglowek->addWidget(wstecz);
    m_rok = new QLabel(this);
    m_rok->setObjectName("rok");
    m_rok->setAlignment(Qt::AlignCenter);
    m_rok->setMinimumWidth(50);
    QFont pogrubiona = m_rok->font();
    pogrubiona.setBold(true);
    m_rok->setFont(pogrubiona);
    naglowek->addWidget(m_rok);
    auto* naprzod = new QToolButton(this);
    naprzod->setObjectName("rokNaprzod");
    naprzod->setText("▶");
    naprzod->setToolTip("Następny rok");
    connect(naprzod, &QToolButton::clicked, this, [this] { ZmienRok(1); });
    naglowek->addWidget(naprzod);
    naglowek->addSpacing(24);
    naglowek->addWidget(new QLabel("Miesiąc:", this));
    m_miesiace = new QComboBox(this);
    m_miesiace->setObjectName("miesiac");
    m_miesiace->setAccessibleName("Miesiąc");
    for (const char* m : kMiesiace)
        m_miesiace->addItem(m);
    connect(m_miesiace, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_przebudowa)
            ZmienMiesiac(i + 1);
    });
    naglowek->addWidget(m_miesiace);
    naglowek->addStretch();
    uklad->addLayout(naglowek);

    auto* ramkaDni = new QGroupBox("Dni miesiąca", this);
    auto* siatka = new QGridLayout(ramkaDni);
    siatka->setHorizontalSpacing(14);
    siatka->setVerticalSpacing(8);
    constexpr int kKolumny = 8;
    for (int d = 1; d <= 31; ++d) {
        KomorkaDnia& k = m_dni[static_cast<size_t>(d - 1)];
        auto* komorka = new QWidget(ramkaDni);
        auto* u = new QGridLayout(komorka);
        u->setContentsMargins(0, 0, 0, 0);
        u->setHorizontalSpacing(4);
        u->setVerticalSpacing(2);
        k.przycisk = new QToolButton(komorka);
        k.przycisk->setObjectName(QString("dzien%1").arg(d));
        k.przycisk->setText(QString::number(d));
        k.przycisk->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        k.przycisk->setFixedSize(46, 24);
        k.przycisk->installEventFilter(this);
        k.dzienTygodnia = new QLabel(komorka);
        k.dzienTygodnia->setObjectName(QString("tydzien%1").arg(d));
        k.dzienTygodnia->setMinimumWidth(22);
        k.godziny = new kit::DbEdit(komorka);
        k.godziny->setObjectName(QString("G%1").arg(d));
        k.godziny->setFixedWidth(72);
        k.godziny->setAlignment(Qt::AlignRight);
        k.godziny->setToolTip("Godziny pracy dnia");
        k.godziny->Bind(m_zrodlo.get(), "G" + std::to_string(d));
        u->addWidget(k.przycisk, 0, 0);
        u->addWidget(k.dzienTygodnia, 0, 1);
        u->addWidget(k.godziny, 1, 0, 1, 2);
        siatka->addWidget(komorka, (d - 1) / kKolumny, (d - 1) % kKolumny);
    }
    uklad->addWidget(ramkaDni);

    auto* legenda = new QGroupBox("Legenda:", this);
    auto* ul = new QHBoxLayout(legenda);
    const char* opisy[] = {"Dni robocze:", "wolne:", "świeto:"};
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            ul->addSpacing(24);
        ul->addWidget(new QLabel(opisy[i], legenda));
        auto* wzor = new QToolButton(legenda);
        wzor->setObjectName(QString("legenda%1").arg(kWyglad[i].litera));
        wzor->setIcon(IkonaKoloru(kWyglad[i].tlo));
        wzor->setFixedSize(26, 24);
        ul->addWidget(wzor);
    }
    ul->addSpacing(36);
    ul->addWidget(new QLabel("Zmiana statusu dnia pod prawym klawiszem myszy", legenda));
    ul->addStretch();
    uklad->addWidget(legenda);

    PrzyciskZamknij()->setToolTip("Koniec obsługi roku w kalendarzu.");
    uklad->addLayout(Przyciski());
}

TFKalendarz::~TFKalendarz() {
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

bool TFKalendarz::Otworz() {
    if (m_otwarcie != Otwarcie::Nie)
        return m_otwarcie == Otwarcie::Tak;
    bool pokazano = false;
    Bezpiecznie([&] { pokazano = m_logika.Pokaz(); });
    m_otwarcie = pokazano ? Otwarcie::Tak : Otwarcie::Blad;
    if (!pokazano)
        return false;
    for (KomorkaDnia& k : m_dni)
        k.godziny->Attach();
    Pokaz(true);
    return true;
}

int TFKalendarz::exec() {
    return Otworz() ? QDialog::exec() : QDialog::Rejected;
}

void TFKalendarz::open() {
    if (Otworz())
        QDialog::open();
}

void TFKalendarz::setVisible(bool widoczne) {
    if (widoczne && !Otworz())
        return;
    QDialog::setVisible(widoczne);
}

void TFKalendarz::Pokaz(bool pokazano) {
    if (!pokazano) {
        // The month could not be read: the window has nothing to show.
        m_zrodlo.reset();
        QDialog::done(QDialog::Rejected);
        return;
    }
    m_przebudowa = true;
    m_rok->setText(QString::number(m_logika.Rok()));
    m_miesiace->setCurrentIndex(m_logika.Miesiac() - 1);
    m_przebudowa = false;
    for (int d = 1; d <= 31; ++d) {
        const KalendarzKadrowy::Dzien& dzien = m_logika.Dni()[static_cast<size_t>(d - 1)];
        KomorkaDnia& k = m_dni[static_cast<size_t>(d - 1)];
        k.przycisk->setVisible(dzien.widoczny);
        k.dzienTygodnia->setVisible(dzien.widoczny);
        k.godziny->setVisible(dzien.widoczny);
        if (!dzien.widoczny)
            continue;
        k.dzienTygodnia->setText(Q(dzien.skrot));
        // Another program's letter keeps the picture and colour the day had.
        if (const WygladStatusu* w = Wyglad(dzien.litera)) {
            k.przycisk->setIcon(IkonaKoloru(w->tlo));
            k.przycisk->setProperty("status", QString(QChar(dzien.litera)));
            UstawKolor(k.przycisk, QPalette::ButtonText, w->tekst);
            UstawKolor(k.dzienTygodnia, QPalette::WindowText, w->tekst);
        }
    }
}

void TFKalendarz::ZmienMiesiac(int miesiac) {
    bool pokazano = true;
    Bezpiecznie([&] {
        if (m_zrodlo->UpdateRecord())
            pokazano = m_logika.UstawMiesiac(miesiac);
    });
    Pokaz(pokazano);
}

void TFKalendarz::ZmienRok(int o) {
    bool pokazano = true;
    Bezpiecznie([&] {
        if (m_zrodlo->UpdateRecord())
            pokazano = m_logika.UstawRok(m_logika.Rok() + o);
    });
    Pokaz(pokazano);
}

bool TFKalendarz::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::MouseButtonPress) {
        for (int d = 1; d <= 31; ++d) {
            if (obiekt != m_dni[static_cast<size_t>(d - 1)].przycisk)
                continue;
            m_logika.WybierzDzien(d);
            auto* mysz = static_cast<QMouseEvent*>(zdarzenie);
            if (mysz->button() == Qt::RightButton) {
                MenuDnia(d, mysz->globalPosition().toPoint());
                return true;
            }
            break;
        }
    }
    // The menu key or Shift+F10 on a day offers the same menu from the keyboard.
    if (zdarzenie->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(zdarzenie)->reason() == QContextMenuEvent::Keyboard) {
        for (int d = 1; d <= 31; ++d) {
            QWidget* przycisk = m_dni[static_cast<size_t>(d - 1)].przycisk;
            if (obiekt != przycisk)
                continue;
            m_logika.WybierzDzien(d);
            MenuDnia(d, przycisk->mapToGlobal(przycisk->rect().center()));
            return true;
        }
    }
    return OknoEdycji::eventFilter(obiekt, zdarzenie);
}

void TFKalendarz::MenuDnia(int dzien, const QPoint& gdzie) {
    QMenu menu(this);
    menu.setObjectName("menuDnia");
    // Shown to everyone, offered only to a user who may change the calendar.
    const bool mozna = m_zrodlo && m_zrodlo->CanModify();
    for (std::string_view komenda : KalendarzKadrowy::kKomendy)
        menu.addAction(Q(komenda))->setEnabled(mozna);
    QAction* wybor = menu.exec(gdzie);
    if (!wybor)
        return;
    bool pokazano = true;
    Bezpiecznie([&] {
        if (!m_zrodlo->UpdateRecord())
            return;
        m_logika.WybierzDzien(dzien);
        pokazano = m_logika.ZmienStatus(wybor->text().toStdString());
    });
    Pokaz(pokazano);
}

bool TFKalendarz::MoznaZamknac() {
    if (m_zrodlo) {
        const bool zapisano = Bezpiecznie([&] {
            m_zrodlo->UpdateRecord();
            m_logika.Zamknij();
        });
        if (!zapisano)
            Bezpiecznie([&] { m_tdm.TKalendarz->Cancel(); });
    }
    return true;
}

}  // namespace mirta::store::ui
