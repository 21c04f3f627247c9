// The page "Akta osobowe" and the editor's filing of a produced document.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "akta/przekazanie.h"
#include "akta/ui/okna_akt.h"
#include "documents/ui/edytor.h"
#include "kit/run_guarded.h"
#include "reports/qt/miara_qt.h"
#include "reports/qt/rysowanie.h"
#include "reports/ui/podglad.h"
#include "reports/wydruk_kadrowy.h"
#include "wspolne/dialogi.h"

namespace mirta::akta::ui {

namespace {

namespace fs = std::filesystem;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Data(engine::CivilDate d) {
    if (!engine::IsValidCivil(d.year, d.month, d.day))
        return {};
    return Q(engine::FormatDate(engine::DayNumberFromCivil(d.year, d.month, d.day)));
}

QString Rozmiar(uint64_t b) {
    if (b < 1024)
        return QString("%1 B").arg(b);
    if (b < 1024 * 1024)
        return QString("%1 kB").arg(b / 1024.0, 0, 'f', 1).replace('.', ',');
    return QString("%1 MB").arg(b / 1048576.0, 0, 'f', 1).replace('.', ',');
}

enum Kolumna { KNumer, KTytul, KData, KZlozenie, KKto, KRozmiar, kKolumn };
constexpr int kRolaId = Qt::UserRole + 1;

// Where file dialogs start: the data directory's documents folder when there is one.
QString FolderStartowy(const AktaOsobowe* akta) {
    if (!akta)
        return QDir::homePath();
    const QDir dane(Q(akta->KatalogDanych()));
    return dane.exists("DOKUMENTY") ? dane.filePath("DOKUMENTY") : dane.absolutePath();
}

std::string PlikPdf(const std::function<void(const QString&)>& zapisz) {
    std::string wzor = (fs::temp_directory_path() / "mirta-akta-XXXXXX").string();
    if (!::mkdtemp(wzor.data()))
        throw BladAkt("Nie można utworzyć folderu tymczasowego.");
    const fs::path plik = fs::path(wzor) / "dokument.pdf";
    std::string bajty;
    try {
        zapisz(Q(plik.string()));
        std::ifstream f(plik, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        bajty = s.str();
    } catch (...) {
        std::error_code ec;
        fs::remove_all(wzor, ec);
        throw;
    }
    std::error_code ec;
    fs::remove_all(wzor, ec);
    return bajty;
}

}  // namespace

std::string PdfSpisu(const SpisAkt& spis) {
    const reports::Wydruk w = WydrukSpisu(spis, reports::ui::MiaraQt());
    return PlikPdf([&](const QString& plik) { reports::ui::ZapiszPdf(w, plik); });
}

StronaAkt::StronaAkt(store::Dialogi& dialogi, QWidget* parent)
    : QWidget(parent), m_dialogi(dialogi) {
    setObjectName("StronaAkt");
    setAcceptDrops(true);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(6, 6, 6, 6);
    m_naglowek = new QLabel;
    m_naglowek->setObjectName("naglowekAkt");
    uklad->addWidget(m_naglowek);

    m_lista = new QTreeWidget;
    m_lista->setObjectName("dokumentyAkt");
    m_lista->setColumnCount(kKolumn);
    m_lista->setHeaderLabels(
        {"Nr", "Tytuł dokumentu", "Data dokumentu", "Data złożenia", "Złożył", "Rozmiar"});
    m_lista->setRootIsDecorated(true);
    m_lista->setUniformRowHeights(true);
    m_lista->setAlternatingRowColors(true);
    m_lista->header()->setSectionResizeMode(KTytul, QHeaderView::Stretch);
    m_lista->header()->setStretchLastSection(false);
    m_lista->setAccessibleName("Dokumenty akt osobowych");
    m_lista->setAccessibleDescription(
        "Dokumenty według części akt; Enter otwiera podgląd, Insert dodaje, Ctrl+Delete usuwa.");
    uklad->addWidget(m_lista, 1);

    auto* przyciski = new QHBoxLayout;
    auto przycisk = [&](const QString& tekst, const char* nazwa, const QString& podpowiedz) {
        auto* b = new QPushButton(tekst);
        b->setObjectName(nazwa);
        b->setToolTip(podpowiedz);
        przyciski->addWidget(b);
        return b;
    };
    m_dodaj = przycisk("&Dodaj...", "dodajDokument",
                       "Dodaj dokumenty z plików (Insert); pliki można też upuścić na listę");
    m_zmien = przycisk("&Zmień...", "zmienDokument", "Część, tytuł i data dokumentu (F2)");
    m_usun = przycisk("&Usuń", "usunDokument", "Usuń dokument do kosza akt (Ctrl+Delete)");
    m_otworz = przycisk("&Podgląd", "otworzDokument", "Podgląd i wydruk dokumentu (Enter)");
    przyciski->addStretch();
    m_spis =
        przycisk("&Spis dokumentów...", "spisDokumentow", "Spis dokumentów do podglądu i druku");
    m_przekaz = przycisk("P&rzekaż akta...", "przekazAkta",
                         "Całe akta do archiwum zip ze spisem, dla innej jednostki");
    m_importuj =
        przycisk("&Import akt...", "importujAkta", "Dołącz akta tej osoby z archiwum przekazania");
    uklad->addLayout(przyciski);

    connect(m_dodaj, &QPushButton::clicked, this, [this] { DodajZOkna({}); });
    connect(m_zmien, &QPushButton::clicked, this, [this] { ZmienZOkna(); });
    connect(m_usun, &QPushButton::clicked, this, [this] { Usun(); });
    connect(m_otworz, &QPushButton::clicked, this, [this] { Otworz(); });
    connect(m_spis, &QPushButton::clicked, this, [this] { Spis(); });
    connect(m_przekaz, &QPushButton::clicked, this, [this] { PrzekazZOkna(); });
    connect(m_importuj, &QPushButton::clicked, this, [this] { ImportujZOkna(); });
    connect(m_lista, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item && item->data(0, kRolaId).isValid())
            Otworz();
    });
    connect(m_lista, &QTreeWidget::currentItemChanged, this, [this] { UstawPrzyciski(); });
    auto skrot = [&](QKeySequence klawisz, QPushButton* b) {
        auto* s = new QShortcut(klawisz, this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, b, [b] {
            if (b->isEnabled())
                b->click();
        });
    };
    skrot(QKeySequence(Qt::Key_Insert), m_dodaj);
    skrot(QKeySequence(Qt::Key_F2), m_zmien);
    skrot(QKeySequence(Qt::CTRL | Qt::Key_Delete), m_usun);
    UstawPrzyciski();
}

void StronaAkt::UstawAkta(AktaOsobowe* akta) {
    m_akta = akta;
    Odswiez();
}

void StronaAkt::UstawPracownika(std::optional<OsobaAkt> osoba) {
    m_osoba = std::move(osoba);
    Odswiez();
}

void StronaAkt::Odswiez() {
    const auto biezacy = Biezacy();
    m_lista->clear();
    if (!m_akta || !m_osoba) {
        m_naglowek->setText("Brak pracownika.");
        UstawPrzyciski();
        return;
    }
    kit::RunGuarded(m_dialogi, [&] {
        const auto dokumenty = m_akta->Dokumenty(m_osoba->identyfikator);
        m_naglowek->setText(Q("Akta osobowe: " + m_osoba->NazwiskoImie() + " (identyfikator " +
                              std::to_string(m_osoba->identyfikator) +
                              "), dokumentów: " + std::to_string(dokumenty.size())));
        for (const CzescAkt& c : m_akta->Czesci()) {
            auto* czesc = new QTreeWidgetItem(m_lista);
            czesc->setText(KNumer, Q(c.czesc));
            czesc->setText(KTytul, Q(c.nazwa));
            czesc->setFirstColumnSpanned(false);
            QFont f = czesc->font(KTytul);
            f.setBold(true);
            czesc->setFont(KNumer, f);
            czesc->setFont(KTytul, f);
            czesc->setToolTip(KTytul, Q("Część " + c.czesc + ": " + c.nazwa));
            for (const DokumentAkt& d : dokumenty) {
                if (d.czesc != c.czesc)
                    continue;
                auto* w = new QTreeWidgetItem(czesc);
                w->setText(KNumer, Q(d.czesc + "/" + std::to_string(d.numer)));
                w->setText(KTytul, Q(d.tytul));
                w->setToolTip(KTytul, Q(d.tytul));
                w->setText(KData, Data(d.dataDokumentu));
                w->setText(KZlozenie, Data(d.dataZlozenia));
                w->setText(KKto, Q(d.ktoZlozyl));
                w->setText(KRozmiar, Rozmiar(d.rozmiar));
                w->setTextAlignment(KRozmiar, Qt::AlignRight | Qt::AlignVCenter);
                w->setData(0, kRolaId, d.identyfikator);
            }
            if (czesc->childCount() == 0)
                czesc->setForeground(KTytul, m_lista->palette().brush(QPalette::PlaceholderText));
        }
        m_lista->expandAll();
        for (int k : {KNumer, KData, KZlozenie, KKto, KRozmiar})
            m_lista->resizeColumnToContents(k);
    });
    if (biezacy)
        Wybierz(biezacy->czesc, biezacy->numer);
    if (!m_lista->currentItem() && m_lista->topLevelItemCount() > 0)
        m_lista->setCurrentItem(m_lista->topLevelItem(0));
    UstawPrzyciski();
}

void StronaAkt::UstawPrzyciski() {
    const bool jest = m_akta && m_osoba;
    const bool zmiany = jest && m_akta->Sesja().Aktualizowanie;
    const bool dokument = Biezacy().has_value();
    m_dodaj->setEnabled(zmiany);
    m_zmien->setEnabled(zmiany && dokument);
    m_usun->setEnabled(jest && m_akta->Sesja().Administrator && dokument);
    m_otworz->setEnabled(dokument);
    m_spis->setEnabled(jest);
    m_przekaz->setEnabled(zmiany);
    m_importuj->setEnabled(zmiany);
}

std::optional<DokumentAkt> StronaAkt::Biezacy() const {
    const QTreeWidgetItem* item = m_lista->currentItem();
    if (!m_akta || !item || !item->data(0, kRolaId).isValid())
        return std::nullopt;
    return m_akta->Dokument(item->data(0, kRolaId).toInt());
}

bool StronaAkt::Wybierz(const std::string& czesc, int32_t numer) {
    const QString szukany = Q(czesc + "/" + std::to_string(numer));
    for (int i = 0; i < m_lista->topLevelItemCount(); ++i) {
        QTreeWidgetItem* c = m_lista->topLevelItem(i);
        for (int j = 0; j < c->childCount(); ++j)
            if (c->child(j)->text(KNumer) == szukany) {
                m_lista->setCurrentItem(c->child(j));
                return true;
            }
    }
    return false;
}

// ---- Commands

bool StronaAkt::Dodaj(const QStringList& pliki, const NowyDokument& opis) {
    if (!m_akta || !m_osoba || pliki.isEmpty())
        return false;
    std::optional<DokumentAkt> ostatni;
    const bool ok = kit::RunGuarded(m_dialogi, [&] {
        for (const QString& plik : pliki) {
            // The same file filed again would only duplicate it: asked first.
            QFile f(plik);
            if (f.open(QIODevice::ReadOnly)) {
                const QByteArray b = f.readAll();
                const auto takie = m_akta->TakieSame(
                    m_osoba->identyfikator, Sha256(std::string_view(b.constData(), b.size())));
                if (!takie.empty() &&
                    m_dialogi.TakNie("Plik " + QFileInfo(plik).fileName().toStdString() +
                                         " jest już w aktach (część " + takie[0].czesc + ", nr " +
                                         std::to_string(takie[0].numer) + ": " + takie[0].tytul +
                                         "). Dodać go ponownie ?",
                                     kTytulAkt, store::Ikona::Pytanie,
                                     store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
                    continue;
            }
            NowyDokument d = opis;
            if (pliki.size() > 1)
                d.tytul.clear();
            ostatni = m_akta->Dodaj(m_osoba->identyfikator, plik.toStdString(), d);
        }
    });
    Odswiez();
    if (ostatni)
        Wybierz(ostatni->czesc, ostatni->numer);
    return ok && ostatni.has_value();
}

void StronaAkt::DodajZOkna(QStringList pliki) {
    if (!m_akta || !m_osoba)
        return;
    if (!m_akta->Sesja().Aktualizowanie) {
        m_dialogi.Blad("Nie masz prawa do zmiany danych !!!", store::kTytulBledu);
        return;
    }
    if (pliki.isEmpty())
        pliki = QFileDialog::getOpenFileNames(this, "Dodaj dokumenty do akt osobowych",
                                              FolderStartowy(m_akta), Q(FiltrPlikowAkt()));
    if (pliki.isEmpty())
        return;
    const auto biezacy = Biezacy();
    NowyDokument poczatek;
    poczatek.czesc = biezacy ? biezacy->czesc : "A";
    if (const QTreeWidgetItem* item = m_lista->currentItem(); item && !item->parent())
        poczatek.czesc = item->text(KNumer).toStdString();
    poczatek.tytul = QFileInfo(pliki.front()).completeBaseName().toStdString();
    TFDokumentAkt okno(m_akta->Czesci(), poczatek, pliki.size() == 1, m_dialogi, this);
    if (okno.exec() != QDialog::Accepted)
        return;
    if (const auto opis = okno.Odczytaj())
        Dodaj(pliki, *opis);
}

bool StronaAkt::Zmien(const NowyDokument& opis) {
    const auto d = Biezacy();
    if (!d)
        return false;
    std::optional<DokumentAkt> po;
    const bool ok = kit::RunGuarded(m_dialogi, [&] { po = m_akta->Zmien(d->identyfikator, opis); });
    Odswiez();
    if (po)
        Wybierz(po->czesc, po->numer);
    return ok;
}

void StronaAkt::ZmienZOkna() {
    const auto d = Biezacy();
    if (!d)
        return;
    TFDokumentAkt okno(m_akta->Czesci(), {d->czesc, d->tytul, d->dataDokumentu}, true, m_dialogi,
                       this);
    if (okno.exec() != QDialog::Accepted)
        return;
    if (const auto opis = okno.Odczytaj())
        Zmien(*opis);
}

bool StronaAkt::Usun() {
    const auto d = Biezacy();
    if (!d)
        return false;
    if (!m_akta->Sesja().Administrator) {
        m_dialogi.Blad("Nie masz uprawnień administratora systemu !!!", store::kTytulBledu);
        return false;
    }
    if (m_dialogi.TakNie("Usunąć z akt dokument " + d->czesc + "/" + std::to_string(d->numer) +
                             " „" + d->tytul + "” ?\nPlik zostanie przeniesiony do kosza akt.",
                         kTytulAkt, store::Ikona::Pytanie,
                         store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
        return false;
    const bool ok = kit::RunGuarded(m_dialogi, [&] { m_akta->Usun(d->identyfikator); });
    Odswiez();
    return ok;
}

TFPrzegladarkaDokumentu* StronaAkt::Otworz(bool modalnie) {
    const auto d = Biezacy();
    if (!d)
        return nullptr;
    std::string bajty;
    if (!kit::RunGuarded(m_dialogi, [&] { bajty = m_akta->CzytajPlik(*d); }))
        return nullptr;
    if (!m_przegladarka)
        m_przegladarka = std::make_unique<TFPrzegladarkaDokumentu>(m_dialogi, this);
    m_przegladarka->Pokaz(*d, bajty);
    if (modalnie)
        m_przegladarka->exec();
    else
        m_przegladarka->show();
    return m_przegladarka.get();
}

void StronaAkt::Spis() {
    if (!m_akta || !m_osoba)
        return;
    kit::RunGuarded(m_dialogi, [&] {
        const SpisAkt spis = ZbierzSpis(*m_akta, *m_osoba);
        reports::ui::TQuickReportViewer podglad(m_dialogi, this);
        podglad.PokazGotowy(WydrukSpisu(spis, reports::ui::MiaraQt()));
        podglad.exec();
    });
}

bool StronaAkt::Przekaz(const QString& plik) {
    if (!m_akta || !m_osoba)
        return false;
    return kit::RunGuarded(m_dialogi, [&] {
        const SpisAkt spis = ZbierzSpis(*m_akta, *m_osoba);
        const auto w = EksportujAkta(*m_akta, spis, plik.toStdString(), PdfSpisu);
        m_dialogi.Informacja("Akta przekazano do " + plik.toStdString() + ": dokumentów " +
                                 std::to_string(w.dokumentow) + ", sumy SHA-256 sprawdzone.",
                             kTytulAkt);
    });
}

void StronaAkt::PrzekazZOkna() {
    if (!m_akta || !m_osoba)
        return;
    const QString domyslny =
        QDir(QDir::homePath())
            .filePath(QString("akta-%1-%2.zip")
                          .arg(m_osoba->identyfikator)
                          .arg(Q(m_osoba->nazwisko)
                                   .toLower()
                                   .replace(QRegularExpression("[^a-ząćęłńóśźż]"), "_")));
    QString plik = QFileDialog::getSaveFileName(this, "Przekazanie akt osobowych", domyslny,
                                                "Archiwum zip (*.zip)");
    if (plik.isEmpty())
        return;
    if (!plik.endsWith(".zip", Qt::CaseInsensitive))
        plik += ".zip";
    Przekaz(plik);
}

bool StronaAkt::Importuj(const QString& plik) {
    if (!m_akta || !m_osoba)
        return false;
    const bool ok = kit::RunGuarded(m_dialogi, [&] {
        const auto w = ImportujAkta(*m_akta, plik.toStdString(), *m_osoba);
        m_dialogi.Informacja("Dodano dokumentów: " + std::to_string(w.dodane) +
                                 " (z innym numerem: " + std::to_string(w.przenumerowane) +
                                 "), pominięto już obecnych: " + std::to_string(w.pominiete) + ".",
                             kTytulAkt);
    });
    Odswiez();
    return ok;
}

void StronaAkt::ImportujZOkna() {
    const QString plik = QFileDialog::getOpenFileName(this, "Import akt osobowych",
                                                      QDir::homePath(), "Archiwum zip (*.zip)");
    if (!plik.isEmpty())
        Importuj(plik);
}

void StronaAkt::dragEnterEvent(QDragEnterEvent* e) {
    if (m_akta && m_osoba && m_akta->Sesja().Aktualizowanie && e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void StronaAkt::dropEvent(QDropEvent* e) {
    QStringList pliki;
    for (const QUrl& u : e->mimeData()->urls())
        if (u.isLocalFile())
            pliki << u.toLocalFile();
    e->acceptProposedAction();
    if (!pliki.isEmpty())
        DodajZOkna(pliki);
}

// ---- The editor

void PodlaczZapisWAktach(documents::TFEditor& edytor, std::function<AktaOsobowe*()> akta,
                         store::Dialogi& dialogi) {
    edytor.UstawZapisWAktach([&edytor, akta, &dialogi](const documents::Document& dokument,
                                                       int32_t pracownik, const QString& nazwa) {
        AktaOsobowe* a = akta();
        if (!a)
            return;
        if (!a->Sesja().Aktualizowanie) {
            dialogi.Blad("Nie masz prawa do zmiany danych !!!", store::kTytulBledu);
            return;
        }
        NowyDokument poczatek{"B", nazwa.toStdString(), a->Sesja().DataPrzetwarzania};
        TFDokumentAkt okno(a->Czesci(), poczatek, true, dialogi, &edytor);
        if (okno.exec() != QDialog::Accepted)
            return;
        const auto opis = okno.Odczytaj();
        if (!opis)
            return;
        kit::RunGuarded(dialogi, [&] {
            const reports::Wydruk w =
                reports::WydrukKadrowy(dokument, reports::ui::MiaraQt(), {},
                                       opis->tytul.empty() ? "Dokument" : opis->tytul);
            const std::string pdf =
                PlikPdf([&](const QString& plik) { reports::ui::ZapiszPdf(w, plik); });
            const DokumentAkt d = a->DodajBajty(pracownik, pdf, RodzajPliku::Pdf, *opis);
            dialogi.Informacja("Dokument zapisano w aktach osobowych jako " + d.czesc + "/" +
                                   std::to_string(d.numer) + " „" + d.tytul + "”.",
                               kTytulAkt);
        });
    });
}

}  // namespace mirta::akta::ui
