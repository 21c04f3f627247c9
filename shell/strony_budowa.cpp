// Widgets of the employee's pages, made from the page descriptions.
#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QVBoxLayout>

#include "kit/run_guarded.h"
#include "shell/strony_wewn.h"
#include "store/katalog.h"
#include "store/tdm.h"
#include "store/ui/pozycje_kodow.h"

namespace mirta::shell {
namespace {

using engine::FieldType;
using store::OpisPola;
using store::RodzajPola;

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// A label without its colon, as a column title.
QString Tytul(std::string_view etykieta) {
    QString t = Q(etykieta).trimmed();
    if (t.endsWith(':'))
        t.chop(1);
    return t;
}

// Characters a field needs on screen.
int Znaki(const OpisPola* pole) {
    if (!pole)
        return 20;
    switch (pole->typ) {
        case FieldType::Date:
            return 10;
        case FieldType::Short:
            return 6;
        case FieldType::Long:
        case FieldType::AutoInc:
            return 10;
        case FieldType::Number:
            return 13;
        case FieldType::Logical:
            return 4;
        default:
            return pole->rozmiar > 0 ? pole->rozmiar : 20;
    }
}

bool Liczbowe(const OpisPola* pole) {
    return pole && (pole->typ == FieldType::Number || pole->typ == FieldType::Short ||
                    pole->typ == FieldType::Long);
}

// The widest text field and dictionary list, in characters.
constexpr int kNajszerszePole = 50;
constexpr int kSzerokaLista = 52;
// A year of the harmfulness groups' newer reading.
constexpr int kRokNowychGrup = 2007;

// Room for `znaki` characters of ordinary text (digits are wider, so short fields get a
// digit's width each).
int SzerokoscZnakow(const QWidget& w, int znaki) {
    const QFontMetrics fm(w.font());
    return znaki <= 13 ? fm.horizontalAdvance(QString(znaki, QChar('0')))
                       : fm.averageCharWidth() * znaki;
}

// Fields of a table flow into groups: those before the first heading, then one per heading.
struct Grupa {
    QString tytul;
    std::vector<const OpisKontrolki*> kontrolki;
    int Wiersze() const {
        int n = 0;
        for (const auto* k : kontrolki)
            n += k->obok ? 0 : 1;
        return n;
    }
};

std::vector<Grupa> Grupy(std::span<const OpisKontrolki> kontrolki) {
    std::vector<Grupa> grupy;
    for (const auto& k : kontrolki) {
        if (k.rodzaj == RodzajKontrolki::Naglowek) {
            grupy.push_back({Q(k.etykieta), {}});
            continue;
        }
        if (grupy.empty())
            grupy.push_back({});
        grupy.back().kontrolki.push_back(&k);
    }
    return grupy;
}

// The control that takes the input of a row's widget: the widget, or the field of a line that
// holds it with its buttons.
QWidget* Pole(QWidget* w) {
    if (w->focusPolicy() & Qt::TabFocus)
        return w;
    for (QWidget* d : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (d->focusPolicy() & Qt::TabFocus)
            return d;
    return w;
}

QFormLayout* NowyFormularz(QWidget* rodzic) {
    auto* f = new QFormLayout(rodzic);
    f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    f->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    f->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
    f->setHorizontalSpacing(8);
    f->setVerticalSpacing(4);
    return f;
}

void UstawPoleTekstu(kit::DbEdit& e, const OpisPola* pole, bool tylkoOdczyt) {
    if (tylkoOdczyt) {
        e.SetReadOnly(true);
        // Shown on the window's face, so it does not invite typing.
        QPalette p = e.palette();
        p.setColor(QPalette::Base, p.color(QPalette::Window));
        e.setPalette(p);
    }
    // Long texts (addresses, e-mail) get room for most values; a longer one shows in a tooltip.
    const int znaki = std::min(Znaki(pole), kNajszerszePole);
    e.setFixedWidth(SzerokoscZnakow(e, znaki) + 14);
    if (Liczbowe(pole))
        e.setAlignment(Qt::AlignRight);
}

}  // namespace

store::TableComponent* BudowniczyStron::Komponent(std::string_view nazwa) const {
    return m_s.m_tdm.Find(nazwa);
}

void BudowniczyStron::Zbuduj() {
    auto* uklad = new QVBoxLayout(&m_s);
    uklad->setContentsMargins(0, 0, 0, 0);
    m_s.m_zakladki = new QTabWidget(&m_s);
    m_s.m_zakladki->setObjectName("strony");
    m_s.m_zakladki->setTabPosition(QTabWidget::South);
    m_s.m_zakladki->setDocumentMode(false);
    uklad->addWidget(m_s.m_zakladki);

    for (const OpisStrony& opis : OpisyStron()) {
        auto strona = std::make_unique<Karta>();
        Karta& s = *strona;
        s.opis = &opis;
        if (!opis.rodzic.empty()) {
            s.rodzic = m_s.StronaOTytule(Q(opis.rodzic));
            s.rodzic->dzieci.push_back(&s);
        }
        QWidget* widget = nullptr;
        switch (opis.rodzaj) {
            case RodzajStrony::Kontener: {
                widget = new QWidget;
                auto* l = new QVBoxLayout(widget);
                l->setContentsMargins(2, 2, 2, 2);
                s.wewnetrzne = new QTabWidget(widget);
                s.wewnetrzne->setObjectName(Q(opis.tytul) + "_strony");
                l->addWidget(s.wewnetrzne);
                break;
            }
            case RodzajStrony::InformacjaZbiorcza:
            case RodzajStrony::Wynagrodzenia:
                widget = ZbudujTekst(s);
                break;
            case RodzajStrony::Osadzona: {
                widget = new QWidget;
                auto* l = new QVBoxLayout(widget);
                l->setContentsMargins(0, 0, 0, 0);
                break;
            }
            case RodzajStrony::Pola: {
                widget = new QWidget;
                auto* l = new QHBoxLayout(widget);
                l->setContentsMargins(6, 6, 6, 6);
                const bool wiele = opis.tabele.size() > 1;
                // Side by side, each as wide as its grid asks.
                for (const auto& t : opis.tabele)
                    l->addWidget(ZbudujTabele(s, t, wiele),
                                 static_cast<int>(t.kontrolki.size() + t.kolumnyDodatkowe.size()));
                if (opis.tabele.size() == 1 && !opis.tabele[0].siatka)
                    l->addStretch();
                break;
            }
        }
        widget->setObjectName(Q(opis.tytul));
        s.widget = widget;
        if (s.rodzic)
            s.rodzic->wewnetrzne->addTab(widget, Q(opis.tytul));
        else
            m_s.m_zakladki->addTab(widget, Q(opis.tytul));
        m_s.m_strony.push_back(std::move(strona));
    }
}

QWidget* BudowniczyStron::ZbudujTekst(Karta& strona) {
    auto* tekst = new QTextEdit;
    tekst->setReadOnly(true);
    tekst->setAcceptRichText(true);
    if (strona.opis->rodzaj == RodzajStrony::InformacjaZbiorcza) {
        m_s.m_informacja = tekst;
        tekst->setContextMenuPolicy(Qt::ActionsContextMenu);
        auto* widok = new QAction(QString::fromUtf8("Pdgląd sformatowany / prosty"), tekst);
        widok->setObjectName("podgladSformatowany");
        StronyPracownika* strony = &m_s;  // the builder is gone by then
        QObject::connect(widok, &QAction::triggered, strony, [strony] {
            strony->m_podgladSformatowany = !strony->m_podgladSformatowany;
            emit strony->informacjaZbiorczaDoPrzebudowy();
        });
        tekst->addAction(widok);
        // Printing comes with the summary's text.
        auto* drukuj = new QAction(QString::fromUtf8("Drukuj"), tekst);
        drukuj->setObjectName("drukujInformacje");
        drukuj->setEnabled(false);
        tekst->addAction(drukuj);
        auto* staz = new QAction(QString::fromUtf8("Wyprowadzenie stażu..."), tekst);
        staz->setObjectName("wyprowadzenieStazu");
        QObject::connect(staz, &QAction::triggered, strony,
                         [strony] { emit strony->wyprowadzenieStazu(); });
        tekst->addAction(staz);
    } else {
        m_s.m_wynagrodzenia = tekst;
    }
    return tekst;
}

QWidget* BudowniczyStron::ZbudujTabele(Karta& strona, const OpisTabeliStrony& opis,
                                       bool wieleTabel) {
    auto tabela = std::make_unique<Tabela>();
    Tabela& t = *tabela;
    t.opis = &opis;
    t.strona = &strona;
    t.komponent = Komponent(opis.komponent);
    Q_ASSERT(t.komponent);
    strona.tabele.push_back(&t);
    m_s.m_tabele.push_back(std::move(tabela));

    QWidget* ramka;
    if (wieleTabel) {
        auto* grupa = new QGroupBox(Q(opis.tytul));
        ramka = grupa;
    } else {
        ramka = new QWidget;
    }
    auto* uklad = new QVBoxLayout(ramka);
    if (!wieleTabel)
        uklad->setContentsMargins(0, 0, 0, 0);
    const QString nazwa = Q(opis.komponent);
    if (opis.nawigator) {
        auto* wiersz = new QHBoxLayout;
        t.nawigator = new kit::DbNavigator(ramka);
        t.nawigator->setObjectName("nawigator" + nazwa);
        t.nawigator->SetHints(PodpowiedziNawigatora(opis.rekord));
        t.linki.push_back(t.nawigator);
        wiersz->addWidget(t.nawigator);
        wiersz->addStretch();
        if (opis.komponent == "TUrlopy") {
            m_s.m_urlopyNalezne = new QPushButton(QString::fromUtf8("Urlopy należne"), ramka);
            m_s.m_urlopyNalezne->setObjectName("urlopyNalezne");
            m_s.m_urlopyNalezne->setEnabled(false);
            StronyPracownika* strony = &m_s;
            QObject::connect(m_s.m_urlopyNalezne, &QPushButton::clicked, strony,
                             [strony] { emit strony->urlopyNalezne(); });
            wiersz->addWidget(m_s.m_urlopyNalezne);
        }
        uklad->addLayout(wiersz);
    }
    if (opis.siatka) {
        t.siatka = new kit::DbGrid(ramka);
        t.siatka->setObjectName(opis.nazwaSiatki.empty() ? "siatka" + nazwa : Q(opis.nazwaSiatki));
        t.siatka->SetColumns(Kolumny(t));
        t.siatka->SetReadOnly(opis.siatkaTylkoDoOdczytu);
        t.siatka->setMinimumHeight(120);
        uklad->addWidget(t.siatka, 1);
    }
    uklad->addWidget(ZbudujPola(t, strona.opis->kolumny), opis.siatka ? 0 : 1);
    return ramka;
}

// Groups of fields in columns: each group goes to the column with the fewest rows so far; a
// long untitled group of a detail table is split in two columns.
QWidget* BudowniczyStron::ZbudujPola(Tabela& t, int kolumny) {
    auto* panel = new QWidget;
    auto* wiersz = new QHBoxLayout(panel);
    wiersz->setContentsMargins(0, 4, 0, 0);
    std::vector<Grupa> grupy = Grupy(t.opis->kontrolki);
    if (grupy.size() == 1 && grupy[0].tytul.isEmpty() && grupy[0].Wiersze() > 5 && kolumny == 1) {
        Grupa druga;
        auto& k = grupy[0].kontrolki;
        size_t polowa = 0;
        for (int wiersze = 0; polowa < k.size(); ++polowa) {
            if (!k[polowa]->obok && ++wiersze > (grupy[0].Wiersze() + 1) / 2)
                break;
        }
        druga.kontrolki.assign(k.begin() + long(polowa), k.end());
        k.resize(polowa);
        grupy.push_back(std::move(druga));
        kolumny = 2;
    }
    kolumny = std::max<int>(kolumny, grupy.size() > 1 && kolumny == 1 ? 2 : kolumny);
    kolumny = std::min<int>(kolumny, static_cast<int>(grupy.size()));
    std::vector<QVBoxLayout*> kol;
    std::vector<int> wysokosc;
    for (int i = 0; i < kolumny; ++i) {
        kol.push_back(new QVBoxLayout);
        wysokosc.push_back(0);
        wiersz->addLayout(kol.back());
    }
    wiersz->addStretch();
    for (const Grupa& g : grupy) {
        const auto gdzie = std::min_element(wysokosc.begin(), wysokosc.end()) - wysokosc.begin();
        wysokosc[gdzie] += g.Wiersze() + 1;
        QWidget* pojemnik =
            g.tytul.isEmpty() ? new QWidget : static_cast<QWidget*>(new QGroupBox(g.tytul));
        QFormLayout* form = NowyFormularz(pojemnik);
        if (g.tytul.isEmpty())
            form->setContentsMargins(0, 0, 0, 0);
        QHBoxLayout* biezacy = nullptr;
        QString etykietaWiersza;
        int wWierszu = 0;
        for (const OpisKontrolki* k : g.kontrolki) {
            QWidget* w = Kontrolka(t, *k, pojemnik);
            if (k->obok && biezacy) {
                // Before the row's closing stretch.
                if (!k->etykieta.empty()) {
                    auto* etykieta = new QLabel(Q(k->etykieta));
                    etykieta->setBuddy(Pole(w));
                    biezacy->insertWidget(biezacy->count() - 1, etykieta);
                } else if (w) {
                    // A second field of the row without a label of its own is named by the
                    // row's label.
                    Pole(w)->setAccessibleName(
                        QString("%1 (%2)").arg(etykietaWiersza).arg(++wWierszu));
                }
                biezacy->insertWidget(biezacy->count() - 1, w);
                continue;
            }
            etykietaWiersza = Q(k->etykieta).remove(':').trimmed();
            wWierszu = 1;
            biezacy = new QHBoxLayout;
            biezacy->setSpacing(4);
            biezacy->addWidget(w);
            biezacy->addStretch();
            if (k->rodzaj == RodzajKontrolki::Znacznik)
                form->addRow(biezacy);
            else {
                form->addRow(Q(k->etykieta), biezacy);
                if (auto* etykieta = qobject_cast<QLabel*>(form->labelForField(biezacy)))
                    etykieta->setBuddy(Pole(w));
            }
        }
        kol[gdzie]->addWidget(pojemnik);
    }
    for (auto* k : kol)
        k->addStretch();
    // A window narrower than the fields scrolls them instead of cutting their labels off.
    auto* przewijanie = new QScrollArea;
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setWidgetResizable(true);
    przewijanie->setWidget(panel);
    przewijanie->setMinimumHeight(panel->sizeHint().height());
    return przewijanie;
}

QWidget* BudowniczyStron::Kontrolka(Tabela& t, const OpisKontrolki& k, QWidget* rodzic) {
    const OpisPola* pole = t.komponent->Opis().Pole(k.pole);
    const QString nazwa = Q(t.opis->komponent) + Q(k.pole);
    // A lookup field of the catalogue stores its key field.
    const bool zKatalogu = pole && pole->rodzaj == RodzajPola::Lookup;
    const std::string poleZapisu(
        k.rodzaj == RodzajKontrolki::Slownik && zKatalogu ? pole->lookupPolaKlucza : k.pole);
    kit::FieldBinding* wiazanie = nullptr;
    QWidget* widget = nullptr;
    auto wiaz = [&](auto* kontrolka) {
        kontrolka->setObjectName(nazwa);
        kontrolka->Bind(nullptr, poleZapisu);
        wiazanie = kontrolka;
        widget = kontrolka;
        return kontrolka;
    };

    switch (k.rodzaj) {
        case RodzajKontrolki::Tekst:
        case RodzajKontrolki::Odczyt:
            UstawPoleTekstu(*wiaz(new kit::DbEdit(rodzic)), pole,
                            k.rodzaj == RodzajKontrolki::Odczyt);
            break;
        case RodzajKontrolki::Data: {
            auto* e = wiaz(new kit::DbDateEdit(rodzic));
            e->setFixedWidth(SzerokoscZnakow(*e, 10) + 18);
            break;
        }
        case RodzajKontrolki::Kod: {
            auto* c = wiaz(new kit::DbCodeCombo(rodzic));
            c->SetCodes(store::ui::PozycjeKodow(ListaPola(k.pole, 0)));
            c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            if (k.pole == "GrupaSzkodliwosci")
                m_s.m_grupaSzkodliwosci = c;
            break;
        }
        case RodzajKontrolki::Znacznik:
            wiaz(new kit::DbCheckBox(Q(k.etykieta), rodzic));
            break;
        case RodzajKontrolki::Podpowiedzi: {
            auto* c = wiaz(new DbPodpowiedzi(rodzic));
            c->setMinimumWidth(SzerokoscZnakow(*c, 30));
            m_s.m_podpowiedzi = c;
            break;
        }
        case RodzajKontrolki::Slownik:
            UstawListeSlownika(*wiaz(new kit::DbLookupCombo(rodzic)), k,
                               zKatalogu ? pole : nullptr);
            break;
        case RodzajKontrolki::Naglowek:
            return nullptr;
    }
    t.pola.emplace_back(poleZapisu, wiazanie);
    t.linki.push_back(wiazanie);
    if (k.rodzaj != RodzajKontrolki::Slownik ||
        (k.oknoWyboru.empty() && k.usuwanie == Usuwanie::Brak))
        return widget;

    // The dictionary field with its "..." and "Usuń" buttons on one line.
    auto* linia = new QWidget(rodzic);
    auto* l = new QHBoxLayout(linia);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    widget->setParent(linia);
    l->addWidget(widget);
    if (!k.oknoWyboru.empty())
        l->addWidget(PrzyciskWyboru(t, k, nazwa, linia));
    if (k.usuwanie != Usuwanie::Brak)
        l->addWidget(PrzyciskUsuwania(t, k.usuwanie, nazwa, poleZapisu, linia));
    return linia;
}

// The dictionary's rows listed by the fields the description names, or, for a lookup field
// of the catalogue (`lookup`), by the ones the catalogue names.
void BudowniczyStron::UstawListeSlownika(kit::DbLookupCombo& c, const OpisKontrolki& k,
                                         const OpisPola* lookup) {
    std::string_view slownik = k.slownik, klucz = k.kluczSlownika, lista = k.listaSlownika;
    if (lookup) {
        slownik = lookup->lookupKomponent;
        klucz = lookup->lookupPolaSlownika;
        lista = lookup->lookupPoleWyniku;
    }
    std::vector<std::string> pola;
    for (std::string_view r = lista; !r.empty();) {
        const size_t i = r.find(';');
        pola.emplace_back(r.substr(0, i));
        r = i == std::string_view::npos ? std::string_view() : r.substr(i + 1);
    }
    store::TableComponent* d = Komponent(slownik);
    if (d && d->IsOpen())
        c.SetLookup(**d, std::string(klucz), pola);
    else
        qWarning("Słownik %s nie jest otwarty", std::string(slownik).c_str());
    c.setMinimumWidth(
        SzerokoscZnakow(c, lookup ? std::clamp(lookup->rozmiar, 18, 28) : kSzerokaLista));
    c.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

// "...": the dictionary window that picks the value.
QWidget* BudowniczyStron::PrzyciskWyboru(Tabela& t, const OpisKontrolki& k, const QString& nazwa,
                                         QWidget* rodzic) {
    auto* wybor = new PrzyciskEdycji("...", rodzic);
    wybor->setObjectName("wybor" + nazwa);
    wybor->setToolTip(QString::fromUtf8("Wybierz ze słownika"));
    wybor->UstawDostepny(m_s.m_wyborZeSlownikow);
    const QString okno = Q(k.oknoWyboru);
    const int numer = k.numerWyboru;
    StronyPracownika* strony = &m_s;
    QObject::connect(wybor, &QToolButton::clicked, strony,
                     [strony, okno, numer] { emit strony->wyborZeSlownika(okno, numer); });
    t.wybory.push_back(wybor);
    t.linki.push_back(wybor);
    return wybor;
}

// "Usuń": clears the field, putting the record into edit state as `jak` says.
QWidget* BudowniczyStron::PrzyciskUsuwania(Tabela& t, Usuwanie jak, const QString& nazwa,
                                           const std::string& poleZapisu, QWidget* rodzic) {
    auto* usun = new PrzyciskEdycji(QString::fromUtf8("Usuń"), rodzic);
    usun->setObjectName("usun" + nazwa);
    usun->setToolButtonStyle(Qt::ToolButtonTextOnly);
    t.linki.push_back(usun);
    store::Dialogi* dialogi = &m_s.m_dialogi;
    QObject::connect(usun, &QToolButton::clicked, &m_s, [usun, jak, dialogi, poleZapisu] {
        kit::DataSource* zrodlo = usun->Source();
        if (!zrodlo || !usun->IsAttached())
            return;
        engine::Dataset& ds = zrodlo->dataset();
        // A record being inserted may be cleared even in an empty table.
        if (!ds.Editing() && ds.IsEmpty()) {
            if (jak == Usuwanie::ZKomunikatem) {
                kit::RunGuarded(*dialogi,
                                [dialogi] { dialogi->Blad(kBrakRent, store::kTytulBledu); });
                return;
            }
            if (jak == Usuwanie::GdyJestRekord)
                return;
        }
        zrodlo->Run([&](engine::Dataset& d) {
            if (!d.Editing())
                d.Edit();
            d.SetField(poleZapisu, engine::Value());
        });
    });
    return usun;
}

std::vector<kit::Column> BudowniczyStron::Kolumny(const Tabela& t) const {
    const store::OpisTabeli& tabela = t.komponent->Opis();
    const QFontMetrics fm(m_s.font());
    std::vector<kit::Column> kolumny;
    auto dodaj = [&](std::string_view pole, const QString& tytul,
                     const store::ListaKodow* lista = nullptr) {
        const OpisPola* p = tabela.Pole(pole);
        int dane = fm.horizontalAdvance(QString(std::min(Znaki(p), 24), QChar('n')));
        // A coded column shows the code's text, so it is as wide as the longest one.
        if (!lista)
            lista = store::ZnajdzListe(pole);
        // The harmfulness groups read differently before and after 2007: room for both.
        for (const store::ListaKodow* l :
             {lista,
              lista && pole == "GrupaSzkodliwosci" ? &ListaPola(pole, kRokNowychGrup) : nullptr})
            if (l)
                for (const store::PozycjaKodu& kod : l->pozycje)
                    dane = std::max(dane, fm.horizontalAdvance(Q(kod.tekst)));
        const bool data = p && p->typ == FieldType::Date;
        const Qt::Alignment komorki = data          ? Qt::AlignCenter
                                      : Liczbowe(p) ? kit::kAlignRight
                                                    : kit::kAlignLeft;
        kolumny.push_back(kit::MakeColumn(std::string(pole), tytul,
                                          std::max(dane, fm.horizontalAdvance(tytul)) + 16, komorki,
                                          data ? Qt::AlignCenter : kit::kAlignLeft));
    };
    for (const OpisKontrolki& k : t.opis->kontrolki) {
        if (k.rodzaj == RodzajKontrolki::Naglowek || k.rodzaj == RodzajKontrolki::Znacznik)
            continue;
        const bool kodowa = k.rodzaj == RodzajKontrolki::Kod && k.kolumna.empty();
        dodaj(k.kolumna.empty() ? k.pole : k.kolumna, Tytul(k.etykieta),
              kodowa ? &ListaPola(k.pole, 0) : nullptr);
    }
    for (const KolumnaDodatkowa& k : t.opis->kolumnyDodatkowe)
        dodaj(k.pole, Q(k.tytul));
    return kolumny;
}

}  // namespace mirta::shell
