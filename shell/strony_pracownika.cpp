#include "shell/strony_pracownika.h"

#include <QHideEvent>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QTimer>

#include "kit/run_guarded.h"
#include "shell/strony_wewn.h"
#include "store/tdm1.h"
#include "store/ui/pozycje_kodow.h"

namespace mirta::shell {

using engine::Dataset;
using engine::Value;

namespace {

constexpr std::string_view kUrlopy = "TUrlopy";

bool JestUrlopow(std::string_view komponent) {
    return komponent == kUrlopy;
}

// Messages of the leave rows' calculation, collected while the grid read its rows, are shown
// once the painting is over.
class KomunikatyPoMalowaniu : public QObject {
public:
    KomunikatyPoMalowaniu(store::TDM1& tdm1, store::Dialogi& dialogi, QObject* parent)
        : QObject(parent), m_tdm1(tdm1), m_dialogi(dialogi) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_zaplanowane) {
            m_zaplanowane = true;
            QTimer::singleShot(0, this, [this] {
                m_zaplanowane = false;
                kit::RunGuarded(m_dialogi, [this] { m_tdm1.PokazZebraneKomunikaty(); });
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    store::TDM1& m_tdm1;
    store::Dialogi& m_dialogi;
    bool m_zaplanowane = false;
};

}  // namespace

StronyPracownika::StronyPracownika(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
                                   kit::AutomaticEdit& edycjaAutomatyczna, QWidget* parent)
    : QWidget(parent), m_tdm(tdm), m_tdm1(tdm1), m_dialogi(dialogi), m_edycja(edycjaAutomatyczna) {
    Zbuduj();
    connect(m_zakladki, &QTabWidget::currentChanged, this, [this](int i) { ZmianaZewnetrznej(i); });
    for (auto& s : m_strony)
        if (s->wewnetrzne) {
            Karta* rodzic = s.get();
            connect(s->wewnetrzne, &QTabWidget::currentChanged, this,
                    [this, rodzic](int i) { ZmianaWewnetrznej(*rodzic, i); });
        }
    m_aktywnaZewnetrzna = m_strony.front().get();
    for (auto& t : m_tabele)
        if (t->siatka && JestUrlopow(t->komponent->Name()))
            t->siatka->viewport()->installEventFilter(
                new KomunikatyPoMalowaniu(m_tdm1, m_dialogi, t->siatka));
    PrzylaczTabele();
}

StronyPracownika::~StronyPracownika() {
    // Controls go before the sources they follow.
    for (auto& t : m_tabele) {
        for (kit::DataLink* l : t->linki)
            l->SetDataSource(nullptr);
        if (t->siatka)
            t->siatka->SetDataSource(nullptr);
    }
}

void StronyPracownika::Zbuduj() {
    BudowniczyStron(*this).Zbuduj();
}

// ---- Sources

StronyPracownika::Zrodlo& StronyPracownika::ZrodloKomponentu(store::TableComponent& komponent) {
    auto& z = m_zrodla[komponent.Name()];
    if (!z)
        z = std::make_unique<Zrodlo>();
    return *z;
}

// The source of an open table; a table reopened since gets a new one.
kit::DataSource* StronyPracownika::AktualneZrodlo(store::TableComponent& komponent) {
    Zrodlo& z = ZrodloKomponentu(komponent);
    if (z.zewnetrzne)
        return z.zewnetrzne;
    if (!komponent.IsOpen())
        return nullptr;
    if (!z.wlasne || z.dataset != &*komponent) {
        z.wlasne = std::make_unique<kit::DataSource>(*komponent, m_dialogi, m_edycja);
        z.dataset = &*komponent;
    }
    return z.wlasne.get();
}

kit::DataSource& StronyPracownika::ZrodloPracownika() {
    return *AktualneZrodlo(m_tdm.TPracownicy);
}

void StronyPracownika::UstawZrodloPracownika(kit::DataSource& zrodlo) {
    Zrodlo& z = ZrodloKomponentu(m_tdm.TPracownicy);
    z.zewnetrzne = &zrodlo;
    for (auto& t : m_tabele)
        if (t->komponent == &m_tdm.TPracownicy) {
            const bool byla = !t->linki.empty() && t->linki.front()->IsAttached();
            Odlacz(*t, false);
            if (byla)
                Przylacz(*t, false);
        }
    if (z.wlasne) {
        z.wlasne.reset();
        z.dataset = nullptr;
    }
}

void StronyPracownika::Przylacz(Tabela& t, bool tylkoSiatka) {
    kit::DataSource* zrodlo = AktualneZrodlo(*t.komponent);
    if (!zrodlo)
        return;
    if (!tylkoSiatka)
        for (kit::DataLink* l : t.linki) {
            l->SetDataSource(zrodlo);
            l->Attach();
        }
    if (t.siatka) {
        t.siatka->SetDataSource(zrodlo);
        t.siatka->Attach();
    }
}

void StronyPracownika::Odlacz(Tabela& t, bool tylkoSiatka) {
    if (t.siatka)
        t.siatka->Detach();
    if (!tylkoSiatka)
        for (kit::DataLink* l : t.linki)
            l->Detach();
}

void StronyPracownika::PrzylaczTabele() {
    for (auto& t : m_tabele) {
        // A reopened table's controls follow its new dataset.
        kit::DataSource* zrodlo =
            t->komponent->IsOpen() || ZrodloKomponentu(*t->komponent).zewnetrzne
                ? AktualneZrodlo(*t->komponent)
                : nullptr;
        for (kit::DataLink* l : t->linki)
            if (l->Source() != zrodlo)
                l->SetDataSource(zrodlo);
        if (t->siatka && t->siatka->Source() != zrodlo)
            t->siatka->SetDataSource(zrodlo);
        if (t->opis->siatkaStale)
            Przylacz(*t, true);
    }
    if (m_widoczne && m_aktywnaZewnetrzna)
        Pokazana(*m_aktywnaZewnetrzna);
    ZastosujBlokady();
    PilnujPodpowiedzi();
}

// ---- The leave table: open only while its page is shown

bool StronyPracownika::OtworzUrlopy() {
    if (!m_tdm1.TUrlopy.IsOpen()) {
        const bool ok = kit::RunGuarded(m_dialogi, [this] { m_tdm1.Open(m_tdm1.TUrlopy); });
        if (!ok)
            return false;
    }
    return true;
}

void StronyPracownika::ZamknijUrlopy() {
    for (auto& t : m_tabele)
        if (JestUrlopow(t->opis->komponent)) {
            for (kit::DataLink* l : t->linki)
                l->SetDataSource(nullptr);
            if (t->siatka)
                t->siatka->SetDataSource(nullptr);
        }
    Zrodlo& z = ZrodloKomponentu(m_tdm1.TUrlopy);
    z.wlasne.reset();
    z.dataset = nullptr;
    m_tdm1.Close(m_tdm1.TUrlopy);
}

bool StronyPracownika::UrlopyEdytowane() const {
    return Edytowana(kUrlopy);
}

// ---- Pages shown and hidden

void StronyPracownika::Pokazana(Karta& s) {
    if (s.wewnetrzne) {
        const int i = s.wewnetrzne->currentIndex();
        if (i >= 0 && i < static_cast<int>(s.dzieci.size()))
            Pokazana(*s.dzieci[i]);
        return;
    }
    if (s.opis->rodzaj == RodzajStrony::InformacjaZbiorcza) {
        emit informacjaZbiorczaDoPrzebudowy();
        return;
    }
    if (s.opis->rodzaj == RodzajStrony::Wynagrodzenia) {
        emit wynagrodzeniaDoPrzebudowy();
        return;
    }
    if (s.opis->rodzaj == RodzajStrony::Osadzona) {
        emit stronaOsadzonaPokazana(QString::fromUtf8(s.opis->tytul.data(),
                                                      static_cast<int>(s.opis->tytul.size())));
        return;
    }
    for (Tabela* t : s.tabele) {
        if (JestUrlopow(t->opis->komponent) && !OtworzUrlopy())
            continue;
        if (t->opis->siatkaOdnawiana && t->siatka)
            t->siatka->Detach();
        Przylacz(*t, false);
    }
    if (s.opis->polaPlacowe)
        ZastosujBlokady();
}

void StronyPracownika::Ukryta(Karta& s, bool zRodzicem) {
    if (s.wewnetrzne) {
        for (Karta* d : s.dzieci)
            Ukryta(*d, true);
        return;
    }
    const bool urlopyEdytowane = UrlopyEdytowane();
    for (Tabela* t : s.tabele) {
        if (t->opis->siatkaStale)
            continue;
        if (JestUrlopow(t->opis->komponent)) {
            if (!urlopyEdytowane && m_tdm1.TUrlopy.IsOpen())
                ZamknijUrlopy();
            continue;
        }
        // The absences stay with a leave record being edited when the whole pay page goes.
        if (zRodzicem && urlopyEdytowane && s.opis->zUrlopem)
            continue;
        Odlacz(*t, true);
    }
}

void StronyPracownika::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous() || m_widoczne)
        return;
    m_widoczne = true;
    if (m_aktywnaZewnetrzna)
        Pokazana(*m_aktywnaZewnetrzna);
}

void StronyPracownika::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous() || !m_widoczne)
        return;
    m_widoczne = false;
    if (m_aktywnaZewnetrzna)
        Ukryta(*m_aktywnaZewnetrzna, true);
}

void StronyPracownika::ZmianaZewnetrznej(int indeks) {
    Karta* nowa = nullptr;
    for (auto& s : m_strony)
        if (!s->rodzic && s->widget == m_zakladki->widget(indeks))
            nowa = s.get();
    if (!nowa)
        return;
    Karta* stara = m_aktywnaZewnetrzna;
    m_aktywnaZewnetrzna = nowa;
    if (!m_widoczne)
        return;
    if (stara && stara != nowa)
        Ukryta(*stara, true);
    Pokazana(*nowa);
    if (!m_wStrazy)
        Straz();
}

void StronyPracownika::ZmianaWewnetrznej(Karta& rodzic, int indeks) {
    if (!m_widoczne || m_aktywnaZewnetrzna != &rodzic) {
        return;
    }
    for (int i = 0; i < static_cast<int>(rodzic.dzieci.size()); ++i)
        if (i != indeks)
            Ukryta(*rodzic.dzieci[i], false);
    if (indeks >= 0 && indeks < static_cast<int>(rodzic.dzieci.size()))
        Pokazana(*rodzic.dzieci[indeks]);
    if (!m_wStrazy)
        StrazWewnetrzna(rodzic);
}

// ---- Keeping the user on a page with unsaved changes

bool StronyPracownika::Edytowana(std::string_view komponent) const {
    store::TableComponent* c = m_tdm.Find(komponent);
    return c && c->IsOpen() && (*c)->Editing();
}

void StronyPracownika::Straz() {
    for (std::string_view komponent : KolejnoscStrazy()) {
        if (!Edytowana(komponent))
            continue;
        for (auto& t : m_tabele) {
            if (t->opis->komponent != komponent)
                continue;
            Karta* zewnetrzna = t->strona->rodzic ? t->strona->rodzic : t->strona;
            if (m_zakladki->currentWidget() != zewnetrzna->widget) {
                m_wStrazy = true;
                m_zakladki->setCurrentWidget(zewnetrzna->widget);
                m_wStrazy = false;
            }
            return;
        }
    }
}

void StronyPracownika::StrazWewnetrzna(Karta& rodzic) {
    for (Karta* d : rodzic.dzieci)
        for (Tabela* t : d->tabele)
            if (Edytowana(t->opis->komponent)) {
                if (rodzic.wewnetrzne->currentWidget() != d->widget) {
                    m_wStrazy = true;
                    rodzic.wewnetrzne->setCurrentWidget(d->widget);
                    m_wStrazy = false;
                }
                return;
            }
}

// ---- Pages by caption

StronyPracownika::Karta* StronyPracownika::StronaOTytule(const QString& tytul) const {
    for (auto& s : m_strony)
        if (s->Tytul() == tytul)
            return s.get();
    return nullptr;
}

QWidget* StronyPracownika::Strona(const QString& tytul) const {
    auto* s = StronaOTytule(tytul);
    return s ? s->widget : nullptr;
}

void StronyPracownika::PokazStrone(const QString& tytul) {
    if (auto* s = StronaOTytule(tytul))
        Pokaz(*s);
}

void StronyPracownika::Pokaz(Karta& s) {
    if (s.rodzic) {
        s.rodzic->wewnetrzne->setCurrentWidget(s.widget);
        m_zakladki->setCurrentWidget(s.rodzic->widget);
    } else {
        m_zakladki->setCurrentWidget(s.widget);
    }
}

QString StronyPracownika::BiezacaStrona() const {
    for (auto& s : m_strony)
        if (!s->rodzic && s->widget == m_zakladki->currentWidget()) {
            if (!s->wewnetrzne)
                return s->Tytul();
            for (Karta* d : s->dzieci)
                if (d->widget == s->wewnetrzne->currentWidget())
                    return d->Tytul();
        }
    return {};
}

bool StronyPracownika::StronaWidoczna(const QString& tytul) const {
    auto* s = StronaOTytule(tytul);
    return s && s->widget->isVisible();
}

std::vector<std::pair<QString, kit::DbGrid*>> StronyPracownika::Siatki() const {
    std::vector<std::pair<QString, kit::DbGrid*>> siatki;
    for (auto& t : m_tabele)
        if (t->siatka)
            siatki.emplace_back(t->siatka->objectName(), t->siatka);
    return siatki;
}

kit::DbGrid& StronyPracownika::SiatkaPoprzednichZatrudnien() {
    for (auto& t : m_tabele)
        if (t->opis->nazwaSiatki == "DBGrid14")
            return *t->siatka;
    Q_UNREACHABLE();
}

// ---- Session settings

void StronyPracownika::PoZalogowaniu() {
    const store::SesjaUzytkownika& sesja = m_tdm.Sesja();
    PrzylaczTabele();
    for (auto& s : m_strony)
        if (s->opis->pierwsza && s->rodzic)
            s->rodzic->wewnetrzne->setCurrentWidget(s->widget);
    for (auto& s : m_strony)
        if (s->opis->pierwsza && !s->rodzic)
            Pokaz(*s);
    // Grids bind again when their page is shown.
    for (auto& t : m_tabele)
        if (!t->opis->siatkaStale)
            Odlacz(*t, true);
    if (m_tdm1.TUrlopy.IsOpen() && !UrlopyEdytowane())
        ZamknijUrlopy();
    if (m_widoczne && m_aktywnaZewnetrzna)
        Pokazana(*m_aktywnaZewnetrzna);
    if (m_tdm.TParametry.IsOpen() && !m_tdm.TParametry->IsEmpty()) {
        const Value v = m_tdm.TParametry->RowAt(0)["AktualizacjaDanychPlacowy"];
        UstawAktualizacjeDanychPlacowych(!v.IsNull() && v.AsLogical());
    }
    UstawRokPrzetwarzania(sesja.DataPrzetwarzania.year);
    WypelnijPodpowiedzi();
    UstawTrybUrlopowy(sesja.TrybUrlopowy);
}

void StronyPracownika::UstawTrybUrlopowy(bool trybUrlopowy) {
    m_trybUrlopowy = trybUrlopowy;
    for (auto& s : m_strony) {
        QTabWidget* zakladki = s->rodzic ? s->rodzic->wewnetrzne : m_zakladki;
        zakladki->setTabVisible(zakladki->indexOf(s->widget),
                                s->opis->wTrybieUrlopowym || !trybUrlopowy);
    }
    if (trybUrlopowy)
        for (auto& s : m_strony)
            if (s->opis->startTrybuUrlopowego)
                Pokaz(*s);
}

void StronyPracownika::UstawAktualizacjeDanychPlacowych(bool aktualizacja) {
    m_aktualizacjaPlacowych = aktualizacja;
    ZastosujBlokady();
}

// The twenty identity fields belong to the payroll program unless it lets us keep them.
void StronyPracownika::ZastosujBlokady() {
    const auto placowe = PolaPlacowe();
    for (auto& t : m_tabele) {
        if (t->komponent != &m_tdm.TPracownicy)
            continue;
        for (auto& [pole, wiazanie] : t->pola) {
            if (std::find(placowe.begin(), placowe.end(), pole) == placowe.end())
                continue;
            if (wiazanie->IsLocked() == !m_aktualizacjaPlacowych)
                continue;
            wiazanie->SetLocked(!m_aktualizacjaPlacowych);
            auto* w = dynamic_cast<QWidget*>(wiazanie);
            QPalette p = palette();
            if (!m_aktualizacjaPlacowych)
                for (auto grupa : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                    p.setColor(grupa, QPalette::Base, p.color(QPalette::ToolTipBase));
                    p.setColor(grupa, QPalette::Button, p.color(QPalette::ToolTipBase));
                }
            w->setPalette(p);
        }
    }
}

void StronyPracownika::UstawRokPrzetwarzania(int rok) {
    m_rokGrupSzkodliwosci = rok;
    if (m_grupaSzkodliwosci)
        m_grupaSzkodliwosci->SetCodes(store::ui::PozycjeKodow(ListaPola("GrupaSzkodliwosci", rok)));
}

void StronyPracownika::UdostepnijWyborZeSlownikow(bool dostepny) {
    m_wyborZeSlownikow = dostepny;
    for (auto& t : m_tabele)
        for (PrzyciskEdycji* p : t->wybory)
            p->UstawDostepny(dostepny);
}

void StronyPracownika::UdostepnijUrlopyNalezne(bool dostepny) {
    m_urlopyNalezne->setEnabled(dostepny);
}

// ---- Ways of ending a contract

void StronyPracownika::WypelnijPodpowiedzi() {
    if (!m_podpowiedzi || !m_tdm1.TPodpowiedzi.IsOpen())
        return;
    QStringList teksty;
    kit::RunGuarded(m_dialogi, [&] {
        const Dataset& ds = *m_tdm1.TPodpowiedzi;
        for (int64_t i = 0; i < ds.RecordCount(); ++i) {
            const engine::RowView r = ds.RowAt(i);
            if (r.Text("TypDanych") == "1")
                teksty << QString::fromStdString(r.Text("Opis"));
        }
    });
    m_podpowiedzi->UstawPodpowiedzi(teksty);
}

// The question follows every post of a previous employment, wherever it was posted from.
void StronyPracownika::PilnujPodpowiedzi() {
    store::TableComponent& c = m_tdm1.TPopZatrudnienie;
    if (!c.IsOpen() || m_pilnowanePoprzednie == &*c)
        return;
    m_pilnowanePoprzednie = &*c;
    QPointer<StronyPracownika> strony(this);
    c->AddHandler(engine::DatasetEvent::AfterPost, [strony](Dataset& ds) {
        if (strony)
            strony->PoZapisiePoprzedniegoZatrudnienia(ds);
    });
}

void StronyPracownika::PoZapisiePoprzedniegoZatrudnienia(Dataset& poprzednie) {
    // The record is stored already; a failure here is reported and goes no further.
    kit::RunGuarded(m_dialogi, [&] {
        const std::string tekst = poprzednie.FieldText("SposobRozwiazaniaUmowy");
        if (tekst.empty() || !m_tdm1.TPodpowiedzi.IsOpen())
            return;
        Dataset& podpowiedzi = *m_tdm1.TPodpowiedzi;
        for (int64_t i = 0; i < podpowiedzi.RecordCount(); ++i) {
            const engine::RowView r = podpowiedzi.RowAt(i);
            if (r.Text("TypDanych") == "1" && r.Text("Opis") == tekst)
                return;
        }
        if (m_dialogi.TakNie(kPytanieOPodpowiedz + tekst, kTytulPodpowiedzi, store::Ikona::Pytanie,
                             store::Odpowiedz::Tak) != store::Odpowiedz::Tak)
            return;
        podpowiedzi.Insert();
        try {
            podpowiedzi.SetField("TypDanych", Value::Text("1"));
            podpowiedzi.SetField("Opis", Value::Text(tekst));
            podpowiedzi.Post();
        } catch (...) {
            podpowiedzi.Cancel();
            throw;
        }
    });
    WypelnijPodpowiedzi();
}

}  // namespace mirta::shell
