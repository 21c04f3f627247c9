#include "documents/ui/edytor.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QVBoxLayout>

#include "documents/dane_tagow.h"
#include "documents/dokument_pracownika.h"
#include "documents/menu_tagow.h"
#include "documents/rtf_reader.h"
#include "documents/rtf_writer.h"
#include "documents/substitution.h"
#include "documents/template_check.h"
#include "documents/ui/dokument_qt.h"
#include "documents/ui/linijka.h"
#include "engine/code_page.h"
#include "kit/foldery.h"
#include "kit/run_guarded.h"
#include "store/tdm1.h"
#include "store/udostepnienia.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/dialogi.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::documents {

namespace {

const QString kBezNazwy = "Untitled";
// The text as last saved, loaded or produced (HTML), kept on the text control.
constexpr const char* kZapisany = "mirtaZapisany";
const QString kTytulAplikacji = "Mirta";
const QString kFiltr = "Rich Text Files (*.RTF *.rtf);;Text Files (*.TXT *.txt)";
constexpr int kNajwiekszyRozmiar = 1638;
const char* kRozmiarPozaZakresem = "Rozmiar fontu jest z zakresu 1 do 1638.";

bool JestTekstem(const QString& plik) {
    return plik.endsWith(".TXT", Qt::CaseInsensitive);
}

// Every character with the codes 1 to 254 of the program's code page, as the letters it
// stands for; control codes and unassigned ones show nothing a clerk could copy.
QString ZnakiStronyKodowej() {
    std::string bajty;
    for (int k = 1; k <= 254; ++k)
        bajty += static_cast<char>(k);
    const QString znaki = QString::fromStdString(engine::CodePage::ForNumber(1250).Decode(bajty));
    QString widoczne;
    for (const QChar c : znaki)
        if (c.isPrint() && c != QChar::ReplacementCharacter)
            widoczne += c;
    return widoczne;
}

// A name saved without an extension is an RTF document (a text file when that filter was
// chosen).
QString ZRozszerzeniem(const QString& plik, const QString& filtr) {
    if (!QFileInfo(plik).suffix().isEmpty())
        return plik;
    return plik + (filtr.startsWith("Text") ? ".txt" : ".rtf");
}

}  // namespace

TFEditor::TFEditor(store::Dialogi& dialogi, QWidget* parent)
    : QMainWindow(parent), m_dialogi(dialogi) {
    setObjectName("TFEditor");
    auto* srodek = new QWidget(this);
    auto* uklad = new QVBoxLayout(srodek);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    m_tekst = new QTextEdit(srodek);
    m_tekst->setObjectName("Tekst");
    m_tekst->setAcceptRichText(true);
    m_tekst->setContextMenuPolicy(Qt::CustomContextMenu);
    m_linijka = new Linijka(*m_tekst, srodek);
    m_znaki = new QLineEdit(ZnakiStronyKodowej(), srodek);
    m_znaki->setObjectName("Znaki");
    m_znaki->setReadOnly(true);
    uklad->addWidget(m_linijka);
    uklad->addWidget(m_tekst, 1);
    uklad->addWidget(m_znaki);
    setCentralWidget(srodek);

    ZbudujAkcje();
    ZbudujMenu();
    ZbudujPasekNarzedzi();
    ZbudujMenuPodreczne();
    connect(m_tekst, &QTextEdit::customContextMenuRequested, this,
            [this](const QPoint& p) { m_podreczne->exec(m_tekst->viewport()->mapToGlobal(p)); });
    connect(m_tekst, &QTextEdit::currentCharFormatChanged, this, [this] { OdswiezPasek(); });
    connect(m_tekst, &QTextEdit::cursorPositionChanged, this, [this] { OdswiezPasek(); });
    NowyTekst();
    resize(900, 700);
}

TFEditor::~TFEditor() = default;

QAction* TFEditor::Akcja(const QString& tekst, const QString& podpowiedz,
                         void (TFEditor::*slot)()) {
    auto* a = new QAction(tekst, this);
    a->setToolTip(podpowiedz.isEmpty() ? QString(tekst).remove('&') : podpowiedz);
    connect(a, &QAction::triggered, this, slot);
    return a;
}

void TFEditor::ZbudujAkcje() {
    m_wytnij = new QAction("Wytnij", this);
    connect(m_wytnij, &QAction::triggered, this, [this] {
        if (m_wybor && m_wyczysc)
            m_wyczysc();
        else
            m_tekst->cut();
    });
    m_kopiuj = new QAction("Kopiuj", this);
    connect(m_kopiuj, &QAction::triggered, m_tekst, &QTextEdit::copy);
    m_wklej = new QAction("Wklej", this);
    connect(m_wklej, &QAction::triggered, m_tekst, &QTextEdit::paste);
    m_pogrubiony = Akcja("B", "Pogrubiony", &TFEditor::Pogrubienie);
    m_kursywa = Akcja("I", "Kursywa", &TFEditor::Kursywa);
    m_podkreslenie = Akcja("U", "Podkreślenie.", &TFEditor::Podkreslenie);
    m_lewo = Akcja("Do lewej", "Wyrównaj do lewej.", &TFEditor::DoLewej);
    m_srodek = Akcja("Środek", "Centruj", &TFEditor::Srodek);
    m_prawo = Akcja("Do prawej", "Wyrównaj do prawej.", &TFEditor::DoPrawej);
    m_punkty = Akcja("•", "Wypunktowanie", &TFEditor::Wypunktowanie);
    m_zawijaj = Akcja("Zawijaj", "Zawijaj tekst.", &TFEditor::Zawijanie);
    for (QAction* a :
         {m_pogrubiony, m_kursywa, m_podkreslenie, m_lewo, m_srodek, m_prawo, m_punkty, m_zawijaj})
        a->setCheckable(true);
    QFont f;
    f.setBold(true);
    m_pogrubiony->setFont(f);
    f = QFont();
    f.setItalic(true);
    m_kursywa->setFont(f);
    f = QFont();
    f.setUnderline(true);
    m_podkreslenie->setFont(f);
    m_zawijaj->setChecked(true);
}

void TFEditor::ZbudujMenu() {
    QMenu* plik = menuBar()->addMenu("&Plik");
    auto zKlawiszem = [](QAction* a, QKeySequence::StandardKey k) {
        a->setShortcut(k);
        a->setToolTip(a->toolTip() + " (" + a->shortcut().toString(QKeySequence::NativeText) + ")");
        return a;
    };
    plik->addAction(zKlawiszem(Akcja("&Nowy", "", &TFEditor::Nowy), QKeySequence::New));
    plik->addAction(zKlawiszem(Akcja("&Otwórz...", "", &TFEditor::OtworzPlik), QKeySequence::Open));
    QAction* zapisz = zKlawiszem(Akcja("&Zapisz", "", &TFEditor::Zapisz), QKeySequence::Save);
    zapisz->setObjectName("Zapisz");
    plik->addAction(zapisz);
    plik->addAction(Akcja("Zapisz jako.", "", &TFEditor::ZapiszJako));
    m_wAktach = plik->addAction("Zapisz w &aktach osobowych...");
    m_wAktach->setObjectName("ZapiszWAktach");
    m_wAktach->setEnabled(false);
    connect(m_wAktach, &QAction::triggered, this, [this] {
        if (m_zapisWAktach && m_tryb == Tryb::Szablon && m_pracownikSzablonu != 0)
            m_zapisWAktach(BiezacyDokument(), m_pracownikSzablonu, m_nazwaSzablonu);
    });
    plik->addSeparator();
    plik->addAction(zKlawiszem(Akcja("&Drukuj", "", &TFEditor::DrukujPlik), QKeySequence::Print));
    plik->addAction(Akcja("Podgląd wydruku.", "", &TFEditor::PodgladWydruku));
    plik->addSeparator();
    QAction* wyjscie = plik->addAction("E&xit");
    connect(wyjscie, &QAction::triggered, this, &QWidget::close);

    QMenu* edycja = menuBar()->addMenu("&Edycja");
    QAction* cofnij = edycja->addAction("&Cofnij");
    connect(cofnij, &QAction::triggered, m_tekst, &QTextEdit::undo);
    edycja->addAction(m_wytnij);
    QAction* kopiuj = edycja->addAction("&Kopiuj");
    connect(kopiuj, &QAction::triggered, m_tekst, &QTextEdit::copy);
    QAction* wklej = edycja->addAction("&Wklej");
    connect(wklej, &QAction::triggered, m_tekst, &QTextEdit::paste);
    QAction* wszystko = edycja->addAction("Zaznacz wszystko.");
    connect(wszystko, &QAction::triggered, m_tekst, &QTextEdit::selectAll);
    edycja->addAction(Akcja("&Czcionka...", "", &TFEditor::Czcionka));
    edycja->addSeparator();
    edycja->addAction(Akcja("Sprawdź symbole szablonu.", "", &TFEditor::SprawdzSymbole));

    m_menuInny = menuBar()->addMenu("Wydruk inny");
    m_menuInny->setObjectName("WydrukInny");
    struct Uklad {
        const char* nazwa;
        int kopie;
        bool portret;
    };
    for (const Uklad u :
         {Uklad{"Podwójny pejzaż", 2, false}, Uklad{"Podwójny portret", 2, true},
          Uklad{"Pojedyńczy pejzaż", 1, false}, Uklad{"Pojedyńczy portret", 1, true}}) {
        QAction* a = m_menuInny->addAction(u.nazwa);
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, [this, u] { PodgladInny(u.kopie, u.portret); });
    }
}

void TFEditor::UstawWydrukInny(WydrukInny wydruk) {
    m_wydrukInny = std::move(wydruk);
    for (QAction* a : m_menuInny->actions())
        a->setEnabled(static_cast<bool>(m_wydrukInny));
}

void TFEditor::UstawZapisWAktach(ZapisWAktach zapis) {
    m_zapisWAktach = std::move(zapis);
    OdswiezZapisWAktach();
}

void TFEditor::OdswiezZapisWAktach() {
    if (m_wAktach)
        m_wAktach->setEnabled(m_zapisWAktach && m_tryb == Tryb::Szablon &&
                              m_pracownikSzablonu != 0);
}

Document TFEditor::BiezacyDokument() const {
    return DokumentZEdytora(*m_tekst->document(), m_wczytany);
}

void TFEditor::PodgladInny(int kopie, bool portret) {
    if (m_wydrukInny)
        m_wydrukInny(BiezacyDokument(), kopie, portret, QFileInfo(m_plik).fileName());
}

void TFEditor::ZbudujPasekNarzedzi() {
    QToolBar* pasek = addToolBar("Narzędzia");
    pasek->setObjectName("PasekNarzedzi");
    pasek->setMovable(false);
    auto ikona = [this](QAction* a, QStyle::StandardPixmap p) {
        a->setIcon(style()->standardIcon(p));
        return a;
    };
    pasek->addAction(
        ikona(Akcja("Otwórz", "Otwórz|", &TFEditor::OtworzPlik), QStyle::SP_DialogOpenButton));
    pasek->addAction(
        ikona(Akcja("Zapisz", "Zapisz (Ctrl+S)", &TFEditor::Zapisz), QStyle::SP_DialogSaveButton));
    pasek->addAction(ikona(Akcja("Drukuj", "Drukuj|", &TFEditor::DrukujPlik),
                           QStyle::SP_FileDialogDetailedView));
    QAction* cofnij = pasek->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "Cofnij");
    cofnij->setToolTip("Cofnij|");
    connect(cofnij, &QAction::triggered, m_tekst, &QTextEdit::undo);
    m_wytnij->setToolTip("Wytnij|");
    m_kopiuj->setToolTip("Kopiuj|");
    m_wklej->setToolTip("Wklej");
    pasek->addAction(m_wytnij);
    pasek->addAction(m_kopiuj);
    pasek->addAction(m_wklej);
    pasek->addSeparator();
    for (QAction* a :
         {m_pogrubiony, m_kursywa, m_lewo, m_srodek, m_prawo, m_podkreslenie, m_punkty})
        pasek->addAction(a);
    QAction* wszystko = pasek->addAction("Wszystko");
    wszystko->setToolTip("Zaznacz wszystko");
    connect(wszystko, &QAction::triggered, m_tekst, &QTextEdit::selectAll);
    pasek->addAction(m_zawijaj);
    pasek->addSeparator();
    m_czcionki = new QFontComboBox(pasek);
    m_czcionki->setObjectName("Czcionki");
    // As wide as a usual font's name, not the longest installed one: the toolbar fits a
    // 1366-pixel screen.
    m_czcionki->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_czcionki->setMinimumContentsLength(16);
    connect(m_czcionki, &QFontComboBox::currentFontChanged, this, [this](const QFont& f) {
        if (m_aktualizujePasek)
            return;
        QTextCharFormat c;
        c.setFontFamilies({f.family()});
        m_tekst->mergeCurrentCharFormat(c);
    });
    pasek->addWidget(m_czcionki);
    m_rozmiar = new QComboBox(pasek);
    m_rozmiar->setObjectName("Rozmiar");
    m_rozmiar->setEditable(true);
    for (int r : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        m_rozmiar->addItem(QString::number(r));
    connect(m_rozmiar, &QComboBox::currentTextChanged, this, [this] { ZastosujRozmiar(); });
    pasek->addWidget(m_rozmiar);
    QAction* zamknij = pasek->addAction("Zamknij");
    zamknij->setToolTip("Zamknij edytor.");
    connect(zamknij, &QAction::triggered, this, &QWidget::close);
}

void TFEditor::ZbudujMenuPodreczne() {
    m_podreczne = new QMenu(this);
    m_podreczne->setObjectName("MenuPodreczne");
    m_podreczne->addAction(m_wytnij);
    m_podreczne->addAction(m_kopiuj);
    m_podreczne->addAction(m_wklej);
    for (const PodmenuTagow& podmenu : PodmenuTagowEdytora()) {
        QMenu* m = m_podreczne->addMenu(
            QString::fromUtf8(podmenu.podpis.data(), static_cast<int>(podmenu.podpis.size())));
        for (const PozycjaMenuTagow& p : podmenu.pozycje) {
            QAction* a =
                m->addAction(QString::fromUtf8(p.podpis.data(), static_cast<int>(p.podpis.size())));
            connect(a, &QAction::triggered, this, [this, &p] { WstawTag(p); });
        }
    }
    const PozycjaMenuTagow& lp = PozycjaLiczbyPorzadkowej();
    QAction* a = m_podreczne->addAction(
        QString::fromUtf8(lp.podpis.data(), static_cast<int>(lp.podpis.size())));
    connect(a, &QAction::triggered, this, [this, &lp] { WstawTag(lp); });
}

void TFEditor::UstawWyborTagow(Wybor wybor, std::function<void()> wyczysc) {
    m_wybor = std::move(wybor);
    m_wyczysc = std::move(wyczysc);
    const bool wybieranie = static_cast<bool>(m_wybor);
    m_kopiuj->setVisible(!wybieranie);
    m_wklej->setVisible(!wybieranie);
    m_wytnij->setText(wybieranie ? "Wyczyść" : "Wytnij");
}

void TFEditor::WstawTag(const PozycjaMenuTagow& p) {
    const QString tag = QString::fromUtf8(p.tag.data(), static_cast<int>(p.tag.size()));
    if (m_wybor) {
        m_wybor(QString::fromUtf8(p.tytul.data(), static_cast<int>(p.tytul.size())), tag);
        return;
    }
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setText(tag);
    m_tekst->textCursor().insertText(tag);
}

void TFEditor::UstawPlik(const QString& plik) {
    m_plik = plik;
    setWindowTitle(QFileInfo(plik).fileName() + " - " + kTytulAplikacji);
}

void TFEditor::NowyTekst() {
    m_pracownikSzablonu = 0;
    OdswiezZapisWAktach();
    m_wczytany = Document();
    m_tekst->clear();
    m_tekst->document()->setModified(false);
    m_tekst->setProperty(kZapisany, m_tekst->toHtml());
    m_pytajONadpisanie = false;
    UstawPlik(kBezNazwy);
}

void TFEditor::Otworz(Tryb tryb) {
    m_tryb = tryb;
    m_pracownikSzablonu = 0;
    OdswiezZapisWAktach();
    m_pytaj = true;
    NowyTekst();
    show();
}

bool TFEditor::OtworzSzablon(const SzablonWydruku& szablon, store::ZrodlaObliczen& zrodla,
                             int32_t pracownik, const WybraneWiersze& wybrane) {
    if (!KontrolaSzablonu(&szablon, zrodla, pracownik, m_dialogi))
        return false;
    const std::string plik = SciezkaSzablonu(zrodla.Tdm1().DataDirectory(), szablon.nazwaZbioru);
    Document d;
    try {
        d = WczytajSzablon(plik);
    } catch (const RtfError& e) {
        m_dialogi.Blad(e.what(), store::kTytulBledu);
        return false;
    }
    m_tryb = Tryb::Szablon;
    m_pracownikSzablonu = pracownik;
    m_nazwaSzablonu = QString::fromStdString(szablon.nazwaWydruku);
    OdswiezZapisWAktach();
    TagiPracownika tagi(zrodla, pracownik, wybrane);
    WypelnijDokument(d, tagi);
    m_wczytany = d;
    PokazDokument(d, *m_tekst->document());
    m_tekst->setProperty(kZapisany, m_tekst->toHtml());
    const std::string nazwa = NazwaDokumentu(szablon.nazwaWydruku, tagi);
    UstawPlik(nazwa.empty() ? kBezNazwy : QString::fromStdString(nazwa));
    m_pytajONadpisanie = !nazwa.empty();
    m_pytaj = false;
    m_szablonDokumentu = szablon.nazwaZbioru;
    zrodla.Komunikaty().Pokaz(m_dialogi);
    show();
    return true;
}

void TFEditor::OtworzTekst(const QString& tekst) {
    Otworz(Tryb::Nowy);
    m_tekst->setPlainText(tekst);
    m_tekst->document()->setModified(false);
    m_tekst->setProperty(kZapisany, m_tekst->toHtml());
}

bool TFEditor::Wczytaj(const QString& plik) {
    // A file loaded is no longer the produced document.
    m_pracownikSzablonu = 0;
    OdswiezZapisWAktach();
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly)) {
        m_dialogi.Blad("Nie udało się otworzyć pliku: " + plik.toStdString() + " !!!",
                       store::kTytulBledu);
        return false;
    }
    const QByteArray bajty = f.readAll();
    if (bajty.startsWith("{\\rtf")) {
        try {
            m_wczytany = ReadRtf(std::string_view(bajty.constData(), bajty.size()));
        } catch (const RtfError& e) {
            m_dialogi.Blad(e.what(), store::kTytulBledu);
            return false;
        }
        PokazDokument(m_wczytany, *m_tekst->document());
    } else {
        m_wczytany = Document();
        const QString tekst = QString::fromUtf8(bajty);
        m_tekst->setPlainText(tekst.toUtf8() == bajty
                                  ? tekst
                                  : QString::fromStdString(engine::CodePage::ForNumber(1250).Decode(
                                        std::string_view(bajty.constData(), bajty.size()))));
    }
    m_tekst->document()->setModified(false);
    m_tekst->setProperty(kZapisany, m_tekst->toHtml());
    m_pytajONadpisanie = false;
    UstawPlik(plik);
    return true;
}

bool TFEditor::ZapiszDo(const QString& plik) {
    std::string bajty;
    if (JestTekstem(plik))
        bajty = m_tekst->toPlainText().toStdString();
    else if (!m_tekst->document()->isModified() && !m_wczytany.body.empty())
        bajty = WriteRtf(m_wczytany);  // unchanged: exactly what was loaded or produced
    else
        bajty = WriteRtf(DokumentZEdytora(*m_tekst->document(), m_wczytany));
    // Replaced whole by the rename or left as it was: the old file is never removed first.
    try {
        wspolne::ZapiszAtomowo(plik.toStdString(), bajty);
    } catch (const std::exception&) {
        m_dialogi.Blad("Nie udało się zapisać pliku: " + plik.toStdString() + " !!!",
                       store::kTytulBledu);
        return false;
    }
    m_tekst->document()->setModified(false);
    m_tekst->setProperty(kZapisany, m_tekst->toHtml());
    UstawPlik(plik);
    statusBar()->showMessage("Zapisano: " +
                             QDir::toNativeSeparators(QFileInfo(plik).absoluteFilePath()));
    if (m_pracownikSzablonu != 0)
        kit::RunGuarded(m_dialogi, [&] {
            store::Udostepniono(store::kOdbiorcaPlik, store::kRodzajDokument, m_szablonDokumentu,
                                plik.toStdString(), {m_pracownikSzablonu});
        });
    return true;
}

bool TFEditor::MoznaPorzucic() {
    // What counts is whether the text differs from the one last saved, loaded or produced:
    // an undo back past a save, or a produced document the clerk changed, is asked about.
    if (m_tekst->toHtml() == m_tekst->property(kZapisany).toString())
        return true;
    switch (m_dialogi.TakNieAnuluj("Zapisać zmiany?", "Confirmation", store::Ikona::Pytanie,
                                   store::Odpowiedz::Tak)) {
        case store::Odpowiedz::Nie:
            return true;
        case store::Odpowiedz::Tak:
            Zapisz();
            // The command goes on only once the text is safely saved.
            return !m_tekst->document()->isModified();
        default:
            return false;
    }
}

void TFEditor::closeEvent(QCloseEvent* e) {
    if (MoznaPorzucic())
        e->accept();
    else
        e->ignore();
}

void TFEditor::Nowy() {
    if (MoznaPorzucic())
        NowyTekst();
}

void TFEditor::OtworzPlik() {
    if (!MoznaPorzucic())
        return;
    QFileDialog okno(this, "Otwórz plik.", kit::FolderDialogu("dokumenty"), kFiltr);
    okno.setFileMode(QFileDialog::ExistingFile);
    if (okno.exec() == QDialog::Accepted && !okno.selectedFiles().isEmpty()) {
        kit::ZapamietajFolder("dokumenty", okno.selectedFiles().front());
        Wczytaj(okno.selectedFiles().front());
    }
}

void TFEditor::Zapisz() {
    if (m_plik == kBezNazwy) {
        ZapiszJako();
        return;
    }
    if (m_pytajONadpisanie && QFile::exists(m_plik) &&
        m_dialogi.TakNie("Plik " + m_plik.toStdString() + " już istnieje. Zastąpić go?",
                         "Zapis dokumentu.", store::Ikona::Pytanie,
                         store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
        return;
    if (ZapiszDo(m_plik))
        m_pytajONadpisanie = false;
}

void TFEditor::ZapiszJako() {
    QFileDialog okno(this, "Zapisz jako.", kit::FolderDialogu("dokumenty"), kFiltr);
    okno.setObjectName("ZapiszJako");
    okno.setAcceptMode(QFileDialog::AcceptSave);
    okno.setDefaultSuffix("rtf");
    connect(&okno, &QFileDialog::filterSelected, &okno, [&okno](const QString& f) {
        okno.setDefaultSuffix(f.startsWith("Text") ? "txt" : "rtf");
    });
    if (m_plik != kBezNazwy)
        okno.selectFile(QFileInfo(m_plik).fileName());
    if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty())
        return;
    const QString plik = ZRozszerzeniem(okno.selectedFiles().front(), okno.selectedNameFilter());
    kit::ZapamietajFolder("dokumenty", plik);
    if (ZapiszDo(plik))
        m_pytajONadpisanie = false;
}

void TFEditor::Drukuj() {
    QPrinter drukarka;
    drukarka.setDocName(m_plik);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer: the document goes to a PDF file the user names, never to a file the
        // print dialog would choose by itself.
        QFileDialog okno(this, "Drukuj do pliku PDF.", kit::FolderDialogu("dokumenty"),
                         "Dokument PDF (*.pdf *.PDF)");
        okno.setObjectName("DrukujDoPdf");
        okno.setAcceptMode(QFileDialog::AcceptSave);
        okno.setDefaultSuffix("pdf");
        if (m_plik != kBezNazwy)
            okno.selectFile(QFileInfo(m_plik).completeBaseName() + ".pdf");
        if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty())
            return;
        const QString pdf = okno.selectedFiles().front();
        kit::ZapamietajFolder("dokumenty", pdf);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(pdf);
        m_tekst->document()->print(&drukarka);
        statusBar()->showMessage("Wydrukowano do pliku: " + QDir::toNativeSeparators(pdf));
        return;
    }
    QPrintDialog okno(&drukarka, this);
    if (okno.exec() == QDialog::Accepted)
        m_tekst->document()->print(&drukarka);
}

void TFEditor::DrukujPlik() {
    Drukuj();
}

void TFEditor::Podglad(QPageLayout::Orientation orientacja) {
    QPrinter drukarka;
    drukarka.setDocName(m_plik);
    drukarka.setPageOrientation(orientacja);
    QPrintPreviewDialog podglad(&drukarka, this);
    connect(&podglad, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { m_tekst->document()->print(p); });
    // Opens at the page's width, readable without zooming.
    if (auto* widok = podglad.findChild<QPrintPreviewWidget*>())
        widok->setZoomMode(QPrintPreviewWidget::FitToWidth);
    podglad.exec();
}

void TFEditor::PodgladWydruku() {
    Podglad(QPageLayout::Portrait);
}

void TFEditor::Pogrubienie() {
    QTextCharFormat c;
    c.setFontWeight(m_pogrubiony->isChecked() ? QFont::Bold : QFont::Normal);
    m_tekst->mergeCurrentCharFormat(c);
}

void TFEditor::Kursywa() {
    QTextCharFormat c;
    c.setFontItalic(m_kursywa->isChecked());
    m_tekst->mergeCurrentCharFormat(c);
}

void TFEditor::Podkreslenie() {
    QTextCharFormat c;
    c.setFontUnderline(m_podkreslenie->isChecked());
    m_tekst->mergeCurrentCharFormat(c);
}

void TFEditor::DoLewej() {
    m_tekst->setAlignment(Qt::AlignLeft);
    OdswiezPasek();
}

void TFEditor::Srodek() {
    m_tekst->setAlignment(Qt::AlignHCenter);
    OdswiezPasek();
}

void TFEditor::DoPrawej() {
    m_tekst->setAlignment(Qt::AlignRight);
    OdswiezPasek();
}

void TFEditor::Wypunktowanie() {
    QTextCursor c = m_tekst->textCursor();
    if (QTextList* lista = c.currentList()) {
        QTextBlockFormat f = c.blockFormat();
        lista->remove(c.block());
        f.setIndent(0);
        c.setBlockFormat(f);
    } else {
        c.createList(QTextListFormat::ListDisc);
    }
    OdswiezPasek();
}

void TFEditor::Zawijanie() {
    const bool zawijaj = m_zawijaj->isChecked();
    m_tekst->setLineWrapMode(zawijaj ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    m_srodek->setEnabled(zawijaj);
    m_prawo->setEnabled(zawijaj);
}

void TFEditor::Czcionka() {
    bool wybrano = false;
    const QFont f = QFontDialog::getFont(&wybrano, m_tekst->currentFont(), this);
    if (!wybrano)
        return;
    QTextCharFormat c;
    c.setFont(f);
    m_tekst->mergeCurrentCharFormat(c);
}

void TFEditor::ZastosujRozmiar() {
    if (m_aktualizujePasek)
        return;
    bool liczba = false;
    int rozmiar = m_rozmiar->currentText().trimmed().toInt(&liczba);
    if (!liczba)
        rozmiar = 0;
    if (rozmiar <= 0 || rozmiar > kNajwiekszyRozmiar) {
        m_dialogi.Blad(kRozmiarPozaZakresem, store::kTytulBledu);
        rozmiar = rozmiar <= 0 ? 1 : kNajwiekszyRozmiar;
        m_aktualizujePasek = true;
        m_rozmiar->setCurrentText(QString::number(rozmiar));
        m_aktualizujePasek = false;
    }
    QTextCharFormat c;
    c.setFontPointSize(rozmiar);
    m_tekst->mergeCurrentCharFormat(c);
}

void TFEditor::OdswiezPasek() {
    m_aktualizujePasek = true;
    const QTextCharFormat c = m_tekst->currentCharFormat();
    m_pogrubiony->setChecked(c.fontWeight() >= QFont::Bold);
    m_kursywa->setChecked(c.fontItalic());
    m_podkreslenie->setChecked(c.fontUnderline());
    const Qt::Alignment a = m_tekst->alignment();
    m_lewo->setChecked(!(a & (Qt::AlignHCenter | Qt::AlignRight)));
    m_srodek->setChecked(a & Qt::AlignHCenter);
    m_prawo->setChecked(a & Qt::AlignRight);
    m_punkty->setChecked(m_tekst->textCursor().currentList() != nullptr);
    m_czcionki->setCurrentFont(m_tekst->currentFont());
    const double pt =
        c.fontPointSize() > 0 ? c.fontPointSize() : m_tekst->currentFont().pointSizeF();
    m_rozmiar->setCurrentText(QString::number(static_cast<int>(pt + 0.5)));
    m_aktualizujePasek = false;
}

QStringList TFEditor::NieznaneSymbole() const {
    QStringList wynik;
    const std::string tekst = m_tekst->toPlainText().toStdString();
    for (const UnknownTag& t : FindUnknownTags(tekst, TagiDokumentow(), TagCase::Any))
        wynik << QString("%1: %2").arg(t.line).arg(QString::fromStdString(t.text));
    return wynik;
}

void TFEditor::SprawdzSymbole() {
    const QStringList nieznane = NieznaneSymbole();
    if (nieznane.isEmpty()) {
        m_dialogi.Informacja("Wszystkie symbole szablonu są znane.", "Symbole szablonu.");
        return;
    }
    m_dialogi.Ostrzezenie("Nieznane symbole (wiersz: tekst):\n" + nieznane.join("\n").toStdString(),
                          "Symbole szablonu.");
}

}  // namespace mirta::documents
