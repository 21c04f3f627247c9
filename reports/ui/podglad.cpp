#include "reports/ui/podglad.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "kit/foldery.h"
#include "kit/run_guarded.h"
#include "reports/plik_qrp.h"
#include "reports/qt/rysowanie.h"
#include "reports/qt/zapis_wydruku.h"
#include "reports/raport.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/dialogi.h"

namespace mirta::reports::ui {

namespace {

// The save dialog's formats, the report's own first.
struct OpisFormatu {
    FormatWydruku format;
    const char* filtr;
};
constexpr OpisFormatu kFormaty[] = {
    {FormatWydruku::Qrp, "QuickReport file (*.QRP)"},
    {FormatWydruku::Txt, "Plik tekstowy (*.TXT)"},
    {FormatWydruku::Csv, "Wartości rozdzielone przecinkami (*.CSV)"},
    {FormatWydruku::Htm, "Strona HTML (*.HTM)"},
    {FormatWydruku::Pdf, "Dokument PDF (*.PDF)"},
    {FormatWydruku::Xlsx, "Arkusz kalkulacyjny (*.XLSX)"},
};

// Never narrower than its text: a squeezed button would cut its caption.
QPushButton* Przycisk(const char* tekst, const char* nazwa) {
    auto* b = new QPushButton(QString::fromUtf8(tekst));
    b->setObjectName(nazwa);
    b->setAutoDefault(false);
    b->setMinimumWidth(b->sizeHint().width());
    return b;
}

}  // namespace

TQuickReportViewer::TQuickReportViewer(store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_dialogi(dialogi), m_zegar(new QTimer(this)) {
    setObjectName("TQuickReportViewer");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* uklad = new QVBoxLayout(this);
    auto* pasek = new QHBoxLayout;
    m_powiekszenie = new QSlider(Qt::Horizontal);
    m_powiekszenie->setObjectName("Powiekszenie");
    m_powiekszenie->setAccessibleName(QStringLiteral("Powiększenie"));
    m_powiekszenie->setToolTip(QStringLiteral("Powiększenie"));
    m_powiekszenie->setRange(10, 200);
    m_powiekszenie->setSingleStep(5);
    m_powiekszenie->setPageStep(20);
    m_powiekszenie->setValue(100);
    m_powiekszenie->setFixedWidth(160);
    pasek->addWidget(m_powiekszenie);
    m_procent = new QLabel("100 %");
    m_procent->setObjectName("procent");
    m_procent->setMinimumWidth(48);
    pasek->addWidget(m_procent);
    m_sto = Przycisk("100 %", "sto");
    m_calaStrona = Przycisk("Cała strona", "calaStrona");
    m_szerokosc = Przycisk("Szerokość strony", "szerokoscStrony");
    m_calaStrona->setCheckable(true);
    m_szerokosc->setCheckable(true);
    m_pierwsza = Przycisk("Pierwsza strona", "pierwszaStrona");
    m_poprzednia = Przycisk("Poprzednia strona", "poprzedniaStrona");
    m_nastepna = Przycisk("Następna strona", "nastepnaStrona");
    m_ostatnia = Przycisk("Ostatania strona", "ostatniaStrona");
    m_otworz = Przycisk("Otwórz wydruk", "otworzWydruk");
    m_zapisz = Przycisk("Zapisz wydruk", "zapiszWydruk");
    m_drukuj = Przycisk("Drukuj", "drukuj");
    m_zamknij = Przycisk("Zamknij wydruk", "zamknijWydruk");
    // Zoom and file above, the pages below beside the page count: one row of all of them
    // would not fit a laptop's screen.
    for (QPushButton* b : {m_sto, m_calaStrona, m_szerokosc})
        pasek->addWidget(b);
    pasek->addStretch();
    for (QPushButton* b : {m_otworz, m_zapisz, m_drukuj, m_zamknij})
        pasek->addWidget(b);
    uklad->addLayout(pasek);
    m_obszar = new QScrollArea;
    m_obszar->setObjectName("obszarPodgladu");
    m_obszar->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_obszar->setBackgroundRole(QPalette::Dark);
    m_obraz = new QLabel;
    m_obraz->setObjectName("stronaPodgladu");
    m_obszar->setWidget(m_obraz);
    uklad->addWidget(m_obszar, 1);
    auto* status = new QStatusBar;
    m_panel1 = new QLabel("strona 1");
    m_panel1->setObjectName("panel1");
    m_panel2 = new QLabel;
    m_panel2->setObjectName("panel2");
    status->addWidget(m_panel1);
    status->addWidget(m_panel2, 1);
    for (QPushButton* b : {m_pierwsza, m_poprzednia, m_nastepna, m_ostatnia})
        status->addPermanentWidget(b);
    status->setSizeGripEnabled(false);
    uklad->addWidget(status);

    connect(m_zegar, &QTimer::timeout, this, &TQuickReportViewer::Krok);
    connect(m_powiekszenie, &QSlider::valueChanged, this, [this](int v) {
        m_procent->setText(QString::number(v) + " %");
        if (!m_ustawianie) {
            m_dopasowanie = Dopasowanie::Brak;
            m_calaStrona->setChecked(false);
            m_szerokosc->setChecked(false);
        }
        Odswiez();
    });
    connect(m_sto, &QPushButton::clicked, this, [this] { m_powiekszenie->setValue(100); });
    connect(m_calaStrona, &QPushButton::clicked, this, [this] {
        m_dopasowanie = Dopasowanie::CalaStrona;
        Odswiez();
    });
    connect(m_szerokosc, &QPushButton::clicked, this, [this] {
        m_dopasowanie = Dopasowanie::Szerokosc;
        Odswiez();
    });
    connect(m_pierwsza, &QPushButton::clicked, this, [this] { IdzDo(0); });
    connect(m_poprzednia, &QPushButton::clicked, this, [this] { IdzDo(m_strona - 1); });
    connect(m_nastepna, &QPushButton::clicked, this, [this] { IdzDo(m_strona + 1); });
    connect(m_ostatnia, &QPushButton::clicked, this, [this] { IdzDo(LiczbaStron() - 1); });
    connect(m_otworz, &QPushButton::clicked, this, &TQuickReportViewer::OtworzZOkna);
    connect(m_zapisz, &QPushButton::clicked, this, &TQuickReportViewer::ZapiszZOkna);
    connect(m_drukuj, &QPushButton::clicked, this, &TQuickReportViewer::Drukuj);
    connect(m_zamknij, &QPushButton::clicked, this, &TQuickReportViewer::Zamknij);
    resize(1100, 800);
    Odswiez();
}

TQuickReportViewer::~TQuickReportViewer() = default;

int TQuickReportViewer::LiczbaStron() const {
    if (m_gotowy || !m_zadanie)
        return int(m_wydruk.strony.size());
    return int(m_zadanie->Postep().GotoweStrony());
}

void TQuickReportViewer::Pokaz(std::unique_ptr<ZadanieWydruku> zadanie) {
    m_zadanie = std::move(zadanie);
    setWindowTitle(QString::fromStdString(m_zadanie->Postep().Tytul()));
    m_wydruk = {};
    m_gotowy = false;
    m_zapisywalny = true;
    m_strona = 0;
    m_panel1->setText("strona 1");
    m_panel2->clear();
    m_dopasowanie = Dopasowanie::Szerokosc;
    m_zegar->start(0);
    Odswiez();
}

void TQuickReportViewer::PokazGotowy(Wydruk wydruk, bool zapisywalny) {
    m_zegar->stop();
    m_zadanie.reset();
    m_wydruk = std::move(wydruk);
    m_gotowy = true;
    m_zapisywalny = zapisywalny;
    m_strona = 0;
    setWindowTitle(QString::fromStdString(m_wydruk.tytul));
    Zakonczono();
}

void TQuickReportViewer::Krok() {
    if (!m_zadanie)
        return m_zegar->stop();
    const size_t przed = m_zadanie->Postep().GotoweStrony();
    bool dalej = true;
    kit::RunGuarded(m_dialogi, [&] {
        QElapsedTimer czas;
        czas.start();
        while (czas.elapsed() < 40 && (dalej = m_zadanie->Postep().Krok())) {
        }
    });
    Przygotowanie& p = m_zadanie->Postep();
    const int stron = std::max<int>(1, int(p.GotoweStrony()));
    m_panel1->setText(QString("Strona %1 z %2").arg(m_strona + 1).arg(stron));
    m_panel2->setText(QString(" (%1% wykonano)").arg(p.ProcentWykonania()));
    if (!dalej)
        return Zakonczono();
    // The first page is shown as soon as it is laid out; later ones enable the page buttons.
    if (p.GotoweStrony() != przed)
        Odswiez();
}

void TQuickReportViewer::DokonczPrzygotowanie() {
    while (m_zadanie && !m_gotowy)
        Krok();
}

void TQuickReportViewer::Zakonczono() {
    m_zegar->stop();
    if (m_zadanie) {
        m_wydruk = m_zadanie->Postep().Wynik();
        if (store::ZrodlaObliczen* zrodla = m_zadanie->Zrodla())
            zrodla->Komunikaty().Pokaz(m_dialogi);
        m_zadanie.reset();
    }
    m_gotowy = true;
    m_panel2->clear();
    m_dopasowanie = Dopasowanie::Szerokosc;
    Odswiez();
}

void TQuickReportViewer::IdzDo(int strona) {
    m_strona = std::clamp(strona, 0, std::max(0, LiczbaStron() - 1));
    Odswiez();
}

double TQuickReportViewer::Skala() const {
    const std::vector<reports::Strona>& strony =
        m_gotowy || !m_zadanie ? m_wydruk.strony : m_zadanie->Postep().Strony();
    const double dpiEkranu = logicalDpiX() / 72.0;
    if (strony.empty() || m_dopasowanie == Dopasowanie::Brak)
        return m_powiekszenie->value() / 100.0 * dpiEkranu;
    const reports::Strona& s = strony[std::min<size_t>(m_strona, strony.size() - 1)];
    const QSize widok = m_obszar->viewport()->size() - QSize(24, 24);
    const double wSzerokosc = widok.width() / s.szerokosc;
    if (m_dopasowanie == Dopasowanie::Szerokosc)
        return wSzerokosc;
    return std::min(wSzerokosc, widok.height() / s.wysokosc);
}

void TQuickReportViewer::Odswiez() {
    const int stron = LiczbaStron();
    const std::vector<reports::Strona>& strony =
        m_gotowy || !m_zadanie ? m_wydruk.strony : m_zadanie->Postep().Strony();
    if (m_dopasowanie != Dopasowanie::Brak) {
        // The slider follows the fitted zoom without releasing the fit.
        m_ustawianie = true;
        m_powiekszenie->setValue(
            std::clamp(int(Skala() / (logicalDpiX() / 72.0) * 100 + 0.5), 10, 200));
        m_ustawianie = false;
    }
    m_calaStrona->setChecked(m_dopasowanie == Dopasowanie::CalaStrona);
    m_szerokosc->setChecked(m_dopasowanie == Dopasowanie::Szerokosc);
    if (m_strona < stron && size_t(m_strona) < strony.size()) {
        const QImage obraz = ObrazStrony(strony[m_strona], Skala());
        m_obraz->setPixmap(QPixmap::fromImage(obraz));
        m_obraz->resize(obraz.size());
    } else {
        m_obraz->clear();
        m_obraz->resize(0, 0);
    }
    if (m_gotowy)
        m_panel1->setText(QString("Strona %1 z %2").arg(m_strona + 1).arg(std::max(1, stron)));
    m_pierwsza->setEnabled(m_strona > 0);
    m_poprzednia->setEnabled(m_strona > 0);
    m_nastepna->setEnabled(m_strona + 1 < stron);
    m_ostatnia->setEnabled(m_strona + 1 < stron);
    m_zapisz->setEnabled(m_gotowy && m_zapisywalny && !m_wydruk.strony.empty());
    m_drukuj->setEnabled(m_gotowy && !m_wydruk.strony.empty());
}

void TQuickReportViewer::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    Odswiez();
}

bool TQuickReportViewer::ZapiszJako(const QString& plik, FormatWydruku format) {
    if (!m_gotowy) {
        QApplication::beep();
        return false;
    }
    return ZapiszWydrukOkna(m_wydruk, plik, format, m_dialogi);
}

bool ZapiszWydrukOkna(const Wydruk& w, const QString& plik, FormatWydruku format,
                      store::Dialogi& dialogi) {
    if (w.strony.empty()) {
        QApplication::beep();
        return false;
    }
    if (!RozszerzeniePasuje(plik.toStdString(), format)) {
        dialogi.Blad(kZleRozszerzenie, kTytulZlegoRozszerzenia);
        return false;
    }
    return kit::RunGuarded(dialogi, [&] { ZapiszWydruk(w, format, plik.toStdString()); });
}

bool TQuickReportViewer::Otworz(const QString& plik) {
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly)) {
        m_dialogi.Blad("Nie można otworzyć pliku " + plik.toStdString() + ".", "Otwórz wydruk");
        return false;
    }
    const QByteArray dane = f.readAll();
    try {
        PokazGotowy(CzytajQrp(std::string_view(dane.constData(), size_t(dane.size()))), false);
    } catch (const BladPlikuWydruku& e) {
        m_dialogi.Blad(e.what(), "Otwórz wydruk");
        return false;
    }
    return true;
}

void TQuickReportViewer::ZapiszZOkna() {
    if (!m_gotowy) {
        QApplication::beep();
        return;
    }
    if (const auto wybor = WybierzPlikWydruku(this, "Zapisz wydruk", m_dialogi))
        ZapiszJako(wybor->first, wybor->second);
}

std::optional<std::pair<QString, FormatWydruku>> WybierzPlikWydruku(QWidget* rodzic,
                                                                    const QString& tytul,
                                                                    store::Dialogi& dialogi) {
    // The format used last is offered first in the next dialog of the run.
    static QString ostatniFiltr;
    QStringList filtry;
    for (const auto& f : kFormaty)
        filtry << QString::fromUtf8(f.filtr);
    QFileDialog okno(rodzic, tytul, kit::FolderDialogu("wydruki"), filtry.join(";;"));
    okno.setObjectName("WyborPlikuWydruku");
    okno.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the chosen format's one (before the question
    // about replacing a file, which then asks about the right one).
    QObject::connect(&okno, &QFileDialog::filterSelected, &okno, [&okno](const QString& f) {
        okno.setDefaultSuffix(kit::RozszerzenieFiltru(f));
    });
    okno.selectNameFilter(filtry.contains(ostatniFiltr) ? ostatniFiltr : filtry.front());
    okno.setDefaultSuffix(kit::RozszerzenieFiltru(okno.selectedNameFilter()));
    for (;;) {
        if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty())
            return std::nullopt;
        const QString plik = okno.selectedFiles().front();
        const int i = std::max<int>(0, int(filtry.indexOf(okno.selectedNameFilter())));
        const FormatWydruku format = kFormaty[i].format;
        if (!RozszerzeniePasuje(plik.toStdString(), format)) {
            // Back to the dialog with the name as typed, to correct it.
            dialogi.Blad(kZleRozszerzenie, kTytulZlegoRozszerzenia);
            okno.selectFile(QFileInfo(plik).fileName());
            continue;
        }
        ostatniFiltr = filtry[i];
        kit::ZapamietajFolder("wydruki", plik);
        return std::pair{plik, format};
    }
}

void TQuickReportViewer::OtworzZOkna() {
    const QString plik = QFileDialog::getOpenFileName(
        this, "Otwórz wydruk", kit::FolderDialogu("wydruki"), "QuickReport file (*.QRP *.qrp)");
    if (plik.isEmpty())
        return;
    kit::ZapamietajFolder("wydruki", plik);
    Otworz(plik);
}

void TQuickReportViewer::Drukuj() {
    if (!m_gotowy || m_wydruk.strony.empty())
        return QApplication::beep();
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setDocName(QString::fromStdString(m_wydruk.tytul));
    QPrintDialog dialog(&drukarka, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    DrukujNa(drukarka, m_wydruk);
}

void TQuickReportViewer::Zamknij() {
    m_strona = 0;
    m_zegar->stop();
    m_zadanie.reset();  // a report still being laid out is dropped whole
    m_wydruk = {};
    m_gotowy = false;
    accept();
}

void TQuickReportViewer::reject() {
    Zamknij();
}

void DrukujNa(QPrinter& drukarka, const Wydruk& w) {
    QPainter p;
    for (size_t i = 0; i < w.strony.size(); ++i) {
        const reports::Strona& s = w.strony[i];
        drukarka.setPageOrientation(s.szerokosc > s.wysokosc ? QPageLayout::Landscape
                                                             : QPageLayout::Portrait);
        drukarka.setFullPage(true);
        if (i == 0 ? !p.begin(&drukarka) : !drukarka.newPage())
            throw std::runtime_error("Drukarka nie przyjęła wydruku.");
        const QRectF strona = drukarka.pageRect(QPrinter::DevicePixel);
        const double skala = std::min(strona.width() / s.szerokosc, strona.height() / s.wysokosc);
        p.save();
        p.scale(skala, skala);
        RysujStrone(p, s);
        p.restore();
    }
    p.end();
}

}  // namespace mirta::reports::ui
