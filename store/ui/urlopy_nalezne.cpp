#include "store/ui/urlopy_nalezne.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <vector>

#include "compute/urlop.h"
#include "compute/urlop_statystyka.h"
#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "store/obraz_pracownika.h"
#include "store/pola_rekordu.h"
#include "store/statystyka_urlopow.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/ui/okna_wspolne.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store::ui {

namespace {

const kit::NavigatorHints kPodpowiedzi = {"Pierwszy urlop należny",
                                          "Poprzedni urlop należny",
                                          "Następny urlop należny",
                                          "Ostatni urlop należny",
                                          "Dodaj urlop należny",
                                          "Skasuj urlop należny",
                                          "Edytuj dane urlopu należnego",
                                          "Zapisz dane urlopu należnego",
                                          "Porzuć zmiany",
                                          "Odśwież dane"};

struct PoleRoku {
    const char* pole;
    const char* etykieta;
};
struct GrupaPol {
    const char* tytul;
    std::vector<PoleRoku> pola;  // in pairs: days, then hours on the same row
};

const GrupaPol kGrupy[] = {
    {"Rok urlopowy", {{"Rok", "Rok:"}}},
    {"Urlop zaległy wypoczynkowy",
     {{"UrlopZaleglyPoprzedniRok", "Z poprzedniego roku, dni:"},
      {"GodzUrlopZalegly", "godziny:"},
      {"UrlopZalegly2LataWstecz", "Sprzed dwóch lat, dni:"},
      {"UrlopZalegly3LataWstecz", "Sprzed trzech lat, dni:"}}},
    {"Urlop zaległy dodatkowy",
     {{"DniZalegleDodatkowy", "Dni:"}, {"GodzinyZalegleDodatkowy", "godziny:"}}},
    {"Urlop należny wprowadzony ręcznie",
     {{"UrlopNaleznyDni", "Wypoczynkowy, dni:"},
      {"UrlopNaleznyGodz", "godziny:"},
      {"UrlopDodatkowyDni", "Dodatkowy, dni:"},
      {"UrlopDodatkowyGodz", "godziny:"}}},
};

QString Naglowek(TDM& tdm) {
    const TableComponent& p = tdm.TPracownicy;
    if (!p.IsOpen() || p->IsEmpty())
        return "Pracownik: brak";
    return "Pracownik: " + Q(TekstPola(p->Field("Nazwisko"))) + " " +
           Q(TekstPola(p->Field("Imie1")));
}

int32_t BiezacyPracownik(TDM& tdm) {
    const TableComponent& p = tdm.TPracownicy;
    return p.IsOpen() && !p->IsEmpty() ? LiczbaCalkowita(p->Field("Identyfikator")) : 0;
}

QPlainTextEdit* PoleTekstu(const char* nazwa, QWidget* rodzic) {
    auto* t = new QPlainTextEdit(rodzic);
    t->setObjectName(nazwa);
    t->setReadOnly(true);
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    return t;
}

}  // namespace

TFUrlopyNalezne::TFUrlopyNalezne(TDM& tdm, TDM1& tdm1, Dialogi& dialogi, kit::AutomaticEdit& edycja,
                                 QWidget* parent)
    : OknoEdycji(dialogi, parent), m_tdm(tdm), m_tdm1(tdm1) {
    setObjectName("TFUrlopyNalezne");
    setWindowTitle(kTytulUrlopowNaleznych);
    if (!m_tdm1.TUrlopNalez.IsOpen())
        m_tdm1.Open(m_tdm1.TUrlopNalez);
    m_zrodlo = std::make_unique<kit::DataSource>(*m_tdm1.TUrlopNalez, dialogi, edycja);
    DodajZrodlo(*m_zrodlo,
                {" Czy zapisać dane o urlopach należnych ?", "Czy dopisać nowy urlop należny ?",
                 " Kontrola danych o urlopach należnych."});

    auto* uklad = new QVBoxLayout(this);
    m_pracownik = new QLabel(Naglowek(tdm), this);
    m_pracownik->setObjectName("pracownik");
    uklad->addWidget(m_pracownik);
    m_tekst = PoleTekstu("tekstUrlopow", this);
    m_tekst->setMinimumHeight(m_tekst->fontMetrics().lineSpacing() * 9);
    uklad->addWidget(m_tekst, 2);

    auto* nawigator = new kit::DbNavigator(this);
    nawigator->setObjectName("nawigatorTUrlopNalez");
    nawigator->SetHints(kPodpowiedzi);
    nawigator->SetDataSource(m_zrodlo.get());
    uklad->addWidget(nawigator);

    auto* siatka = new kit::DbGrid(this);
    siatka->setObjectName("siatkaTUrlopNalez");
    siatka->SetReadOnly(true);
    siatka->SetColumns({Kolumna("Rok", "Rok", 50, Qt::AlignCenter),
                        Kolumna("UrlopNalezny", "Należny", 65, kDoPrawej),
                        Kolumna("UrlopDodatkowy", "Dodatkowy", 75, kDoPrawej),
                        Kolumna("RzDniZalegleWypocz", "Zaległy dni", 80, kDoPrawej),
                        Kolumna("GodzUrlopZalegly", "Zaległy godz.", 90, kDoPrawej),
                        Kolumna("DniZalegleDodatkowy", "Zaległy dod. dni", 110, kDoPrawej),
                        Kolumna("GodzinyZalegleDodatkowy", "Zaległy dod. godz.", 120, kDoPrawej),
                        Kolumna("Przelicznik", "Etat", 60, kDoPrawej),
                        Kolumna("SystemSluzby", "System służby", 150)});
    siatka->SetDataSource(m_zrodlo.get());
    uklad->addWidget(siatka, 1);

    std::vector<kit::DbEdit*> pola;
    auto* grupy = new QHBoxLayout;
    for (const GrupaPol& g : kGrupy) {
        auto* ramka = new QGroupBox(QString::fromUtf8(g.tytul), this);
        auto* siatkaPol = new QGridLayout(ramka);
        for (size_t i = 0; i < g.pola.size(); ++i) {
            const PoleRoku& p = g.pola[i];
            auto* edycjaPola = new kit::DbEdit(ramka);
            edycjaPola->setObjectName(QString("TUrlopNalez") + p.pole);
            edycjaPola->setMaximumWidth(edycjaPola->fontMetrics().averageCharWidth() * 8 + 12);
            auto* etykieta = new QLabel(QString::fromUtf8(p.etykieta), ramka);
            etykieta->setBuddy(edycjaPola);
            const int wiersz = static_cast<int>(i / 2), kolumna = static_cast<int>(i % 2) * 2;
            siatkaPol->addWidget(etykieta, wiersz, kolumna, Qt::AlignRight);
            siatkaPol->addWidget(edycjaPola, wiersz, kolumna + 1);
            edycjaPola->Bind(m_zrodlo.get(), p.pole);
            pola.push_back(edycjaPola);
        }
        siatkaPol->setRowStretch(siatkaPol->rowCount(), 1);
        grupy->addWidget(ramka);
    }
    uklad->addLayout(grupy);

    QPushButton* statystyka = DodajPrzycisk("&Statystyka urlopów", "statystykaUrlopow");
    connect(statystyka, &QPushButton::clicked, this, [this] { PokazStatystyke(); });
    uklad->addLayout(Przyciski());

    nawigator->Attach();
    siatka->Attach();
    for (kit::DbEdit* p : pola)
        p->Attach();
    // Stored changes change the balance; the text is computed once the operation is over.
    m_zmiany = m_tdm1.TUrlopNalez->Observe([this](const engine::DatasetChange& z) {
        using Rodzaj = engine::DatasetChange::Kind;
        // A post ends with the state change; rows may change before it.
        const bool dane = z.kind != Rodzaj::Scrolled && z.kind != Rodzaj::Field;
        if (dane && !m_tdm1.TUrlopNalez->Editing())
            ZaplanujPrzeliczenie();
    });
    Przelicz();
    resize(980, 640);
}

TFUrlopyNalezne::~TFUrlopyNalezne() = default;

QString TFUrlopyNalezne::Tekst() const {
    return m_tekst->toPlainText();
}

void TFUrlopyNalezne::ZaplanujPrzeliczenie() {
    if (m_przeliczenieZaplanowane)
        return;
    m_przeliczenieZaplanowane = true;
    QTimer::singleShot(0, this, [this] { Przelicz(); });
}

void TFUrlopyNalezne::Przelicz() {
    m_przeliczenieZaplanowane = false;
    m_pracownik->setText(Naglowek(m_tdm));
    Bezpiecznie([&] {
        ZrodlaObliczen zrodla(m_tdm, m_tdm1);
        const compute::DataKal data = DataPrzetwarzania(zrodla);
        const ObrazPracownika o = PoliczObrazPracownika(zrodla, BiezacyPracownik(m_tdm), data,
                                                        {.wynagrodzenie = false, .urlop = true});
        m_tekst->setPlainText(o.dane.znaleziony ? Q(compute::TekstUrlopowNaleznych(o.urlop, data))
                                                : QString());
        zrodla.Komunikaty().Pokaz(DialogiOkna());
    });
}

QString TFUrlopyNalezne::TekstStatystyki() {
    QString tekst;
    Bezpiecznie([&] {
        ZrodlaObliczen zrodla(m_tdm, m_tdm1);
        const compute::DataKal data = DataPrzetwarzania(zrodla);
        const auto rodzaje =
            StatystykaUrlopowPracownika(zrodla, BiezacyPracownik(m_tdm), {data.rok, 1, 1}, data);
        tekst = Q(compute::TekstStatystykiUrlopow(rodzaje, true));
        zrodla.Komunikaty().Pokaz(DialogiOkna());
    });
    return tekst;
}

void TFUrlopyNalezne::PokazStatystyke() {
    const engine::CivilDate d = m_tdm.Sesja().DataPrzetwarzania;
    const QString naglowek = m_pracownik->text() + QString(", urlopy od %1-01-01 do %1-%2-%3")
                                                       .arg(d.year, 4, 10, QChar('0'))
                                                       .arg(d.month, 2, 10, QChar('0'))
                                                       .arg(d.day, 2, 10, QChar('0'));
    TFStatystykaUrlopow okno(naglowek, TekstStatystyki(), this);
    okno.exec();
}

TFStatystykaUrlopow::TFStatystykaUrlopow(const QString& naglowek, const QString& tekst,
                                         QWidget* parent)
    : QDialog(parent) {
    setObjectName("TFStatystykaUrlopow");
    setWindowTitle(QString::fromUtf8(kTytulStatystykiUrlopow));
    auto* uklad = new QVBoxLayout(this);
    auto* etykieta = new QLabel(naglowek, this);
    etykieta->setObjectName("naglowek");
    uklad->addWidget(etykieta);
    m_tekst = PoleTekstu("tekstStatystyki", this);
    // The separator and the columns of counts line up in a fixed font.
    m_tekst->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_tekst->setPlainText(tekst);
    uklad->addWidget(m_tekst, 1);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    auto* zamknij = new QPushButton("&Zamknij", this);
    zamknij->setObjectName("zamknij");
    connect(zamknij, &QPushButton::clicked, this, &QDialog::accept);
    przyciski->addWidget(zamknij);
    uklad->addLayout(przyciski);
    const QFontMetrics miary(m_tekst->font());
    resize(miary.horizontalAdvance(QString(96, 'x')) + 40, miary.lineSpacing() * 16 + 80);
}

QString TFStatystykaUrlopow::Tekst() const {
    return m_tekst->toPlainText();
}

}  // namespace mirta::store::ui
