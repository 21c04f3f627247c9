// The viewer of a filed document and the dialog of a document's part, title and date.
#include <QBuffer>
#include <QComboBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "akta/ui/okna_akt.h"
#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "wspolne/dialogi.h"

namespace mirta::akta::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr int kNajmniej = 10;
constexpr int kNajwiecej = 800;

}  // namespace

// ---- Part, title and date

TFDokumentAkt::TFDokumentAkt(const std::vector<CzescAkt>& czesci, const NowyDokument& poczatek,
                             bool tytulWlasny, store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_dialogi(dialogi), m_tytulWlasny(tytulWlasny) {
    setObjectName("TFDokumentAkt");
    setWindowTitle("Dokument akt osobowych");
    auto* uklad = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_czesc = new QComboBox;
    m_czesc->setObjectName("czesc");
    for (const CzescAkt& c : czesci)
        m_czesc->addItem(Q(c.czesc + " – " + c.nazwa), Q(c.czesc));
    m_czesc->setCurrentIndex(std::max(0, m_czesc->findData(Q(poczatek.czesc))));
    m_czesc->setMinimumContentsLength(40);
    m_tytul = new QLineEdit(Q(poczatek.tytul));
    m_tytul->setObjectName("tytul");
    m_tytul->setMaxLength(120);
    if (!tytulWlasny) {
        m_tytul->setEnabled(false);
        m_tytul->setText("(nazwy plików)");
    }
    m_data = new QLineEdit;
    m_data->setObjectName("dataDokumentu");
    m_data->setPlaceholderText("RRRR-MM-DD");
    if (engine::IsValidCivil(poczatek.dataDokumentu.year, poczatek.dataDokumentu.month,
                             poczatek.dataDokumentu.day))
        m_data->setText(Q(engine::FormatDate(
            engine::DayNumberFromCivil(poczatek.dataDokumentu.year, poczatek.dataDokumentu.month,
                                       poczatek.dataDokumentu.day))));
    auto* lc = new QLabel("&Część akt:");
    lc->setBuddy(m_czesc);
    auto* lt = new QLabel("&Tytuł:");
    lt->setBuddy(m_tytul);
    auto* ld = new QLabel("&Data dokumentu:");
    ld->setBuddy(m_data);
    form->addRow(lc, m_czesc);
    form->addRow(lt, m_tytul);
    form->addRow(ld, m_data);
    uklad->addLayout(form);
    const kit::PrzyciskiOkna p =
        kit::ZrobPrzyciskiOkna(*this, QStyle::SP_DialogOkButton, "&Zapisz", "ButtonZapisz");
    uklad->addLayout(p.uklad);
    connect(p.potwierdz, &QPushButton::clicked, this, &TFDokumentAkt::accept);
    new QShortcut(QKeySequence::Save, this, [this] { accept(); });
    m_czesc->setFocus();
}

std::optional<NowyDokument> TFDokumentAkt::Odczytaj() {
    NowyDokument d;
    d.czesc = m_czesc->currentData().toString().toStdString();
    d.tytul = m_tytulWlasny ? m_tytul->text().trimmed().toStdString() : std::string();
    const QString data = m_data->text().trimmed();
    if (!data.isEmpty()) {
        const QDate q = QDate::fromString(data, "yyyy-MM-dd");
        if (!q.isValid() || q.year() < 1900 || q.year() > 2100) {
            m_dialogi.Blad(
                "Niepoprawna data dokumentu: " + data.toStdString() + " (RRRR-MM-DD) !!!",
                store::kTytulBledu);
            m_data->setFocus();
            m_data->selectAll();
            return std::nullopt;
        }
        d.dataDokumentu = {q.year(), q.month(), q.day()};
    }
    return d;
}

void TFDokumentAkt::accept() {
    if (Odczytaj())
        QDialog::accept();
}

// ---- The viewer

TFPrzegladarkaDokumentu::TFPrzegladarkaDokumentu(store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_dialogi(dialogi), m_obrazZrodlowy(new QImage) {
    setObjectName("TFPrzegladarkaDokumentu");
    setWindowTitle("Podgląd dokumentu");
    auto* uklad = new QVBoxLayout(this);

    auto* pasek = new QHBoxLayout;
    auto* mniej = new QPushButton("Po&mniejsz");
    mniej->setObjectName("pomniejsz");
    mniej->setShortcut(QKeySequence::ZoomOut);
    mniej->setToolTip("Pomniejsz (Ctrl+-)");
    auto* wiecej = new QPushButton("Po&większ");
    wiecej->setObjectName("powieksz");
    wiecej->setShortcut(QKeySequence::ZoomIn);
    wiecej->setToolTip("Powiększ (Ctrl++)");
    auto* naturalny = new QPushButton("&Naturalny rozmiar");
    naturalny->setObjectName("naturalny");
    m_strony = new QLabel;
    m_strony->setObjectName("strony");
    m_drukuj = new QPushButton("&Drukuj...");
    m_drukuj->setObjectName("drukuj");
    m_drukuj->setShortcut(QKeySequence::Print);
    m_drukuj->setToolTip("Drukuj (Ctrl+P)");
    pasek->addWidget(mniej);
    pasek->addWidget(wiecej);
    pasek->addWidget(naturalny);
    pasek->addSpacing(12);
    pasek->addWidget(m_strony);
    pasek->addStretch();
    pasek->addWidget(m_drukuj);
    uklad->addLayout(pasek);

    m_widoki = new QStackedWidget;
    m_dokumentPdf = new QPdfDocument(this);
    m_bufor = new QBuffer(this);
    m_pdf = new QPdfView;
    m_pdf->setObjectName("widokPdf");
    m_pdf->setPageMode(QPdfView::PageMode::MultiPage);
    m_pdf->setZoomMode(QPdfView::ZoomMode::Custom);
    m_pdf->setDocument(m_dokumentPdf);
    m_obszar = new QScrollArea;
    m_obszar->setObjectName("widokObrazu");
    m_obszar->setAlignment(Qt::AlignCenter);
    m_obszar->setBackgroundRole(QPalette::Dark);
    m_obraz = new QLabel;
    m_obraz->setObjectName("obraz");
    m_obszar->setWidget(m_obraz);
    m_brak = new QLabel;
    m_brak->setObjectName("brakPodgladu");
    m_brak->setAlignment(Qt::AlignCenter);
    m_brak->setWordWrap(true);
    m_widoki->addWidget(m_pdf);
    m_widoki->addWidget(m_obszar);
    m_widoki->addWidget(m_brak);
    uklad->addWidget(m_widoki, 1);

    auto* dol = new QHBoxLayout;
    dol->addStretch();
    dol->addWidget(kit::ZrobPrzyciskZamknij(*this));
    uklad->addLayout(dol);

    connect(mniej, &QPushButton::clicked, this,
            [this] { UstawPowiekszenie(m_procent > 25 ? m_procent - 25 : m_procent / 2); });
    connect(wiecej, &QPushButton::clicked, this, [this] { UstawPowiekszenie(m_procent + 25); });
    connect(naturalny, &QPushButton::clicked, this, [this] { UstawPowiekszenie(100); });
    connect(m_drukuj, &QPushButton::clicked, this, &TFPrzegladarkaDokumentu::DrukujZOkna);
    resize(900, 1000);
}

TFPrzegladarkaDokumentu::~TFPrzegladarkaDokumentu() {
    m_pdf->setDocument(nullptr);
    delete m_obrazZrodlowy;
}

bool TFPrzegladarkaDokumentu::Pokaz(const DokumentAkt& d, const std::string& bajty) {
    setWindowTitle(
        Q("Podgląd dokumentu: " + d.czesc + "/" + std::to_string(d.numer) + " " + d.tytul));
    m_jestPdf = false;
    *m_obrazZrodlowy = QImage();
    m_dokumentPdf->close();
    const auto rodzaj = RodzajZRozszerzenia(d.nazwaPliku);
    const QByteArray dane(bajty.data(), static_cast<qsizetype>(bajty.size()));
    bool pokazany = false;
    if (rodzaj == RodzajPliku::Pdf) {
        m_bufor->close();
        m_bufor->setData(dane);
        m_bufor->open(QIODevice::ReadOnly);
        m_dokumentPdf->load(m_bufor);
        if (m_dokumentPdf->status() == QPdfDocument::Status::Loading) {
            QEventLoop petla;
            connect(m_dokumentPdf, &QPdfDocument::statusChanged, &petla, &QEventLoop::quit);
            QTimer::singleShot(5000, &petla, &QEventLoop::quit);
            petla.exec();
        }
        if (m_dokumentPdf->status() == QPdfDocument::Status::Ready &&
            m_dokumentPdf->pageCount() > 0) {
            m_jestPdf = true;
            m_widoki->setCurrentWidget(m_pdf);
            pokazany = true;
        } else {
            m_brak->setText("Pliku PDF nie da się odczytać (uszkodzony albo zabezpieczony).");
        }
    } else if (rodzaj == RodzajPliku::Jpeg || rodzaj == RodzajPliku::Png ||
               rodzaj == RodzajPliku::Tiff) {
        QBuffer b;
        b.setData(dane);
        b.open(QIODevice::ReadOnly);
        QImageReader czytnik(&b);
        czytnik.setAutoTransform(true);
        *m_obrazZrodlowy = czytnik.read();
        if (!m_obrazZrodlowy->isNull()) {
            m_widoki->setCurrentWidget(m_obszar);
            pokazany = true;
        } else {
            m_brak->setText(Q("Obrazu nie da się odczytać: ") + czytnik.errorString());
        }
    } else {
        m_brak->setText(Q("Podgląd plików ." + std::string(RozszerzenieRodzaju(*rodzaj)) +
                          " nie jest dostępny w programie; dokument jest w aktach pod numerem " +
                          d.czesc + "/" + std::to_string(d.numer) + "."));
    }
    if (!pokazany)
        m_widoki->setCurrentWidget(m_brak);
    m_drukuj->setEnabled(pokazany);
    m_procent = 100;
    Odswiez();
    return pokazany;
}

int TFPrzegladarkaDokumentu::LiczbaStron() const {
    if (m_jestPdf)
        return m_dokumentPdf->pageCount();
    return m_obrazZrodlowy->isNull() ? 0 : 1;
}

void TFPrzegladarkaDokumentu::UstawPowiekszenie(int procent) {
    m_procent = std::clamp(procent, kNajmniej, kNajwiecej);
    Odswiez();
}

void TFPrzegladarkaDokumentu::Odswiez() {
    if (m_jestPdf) {
        m_pdf->setZoomFactor(m_procent / 100.0);
        m_strony->setText(
            QString("Stron: %1, powiększenie %2%").arg(m_dokumentPdf->pageCount()).arg(m_procent));
    } else if (!m_obrazZrodlowy->isNull()) {
        const QSize rozmiar = m_obrazZrodlowy->size() * (m_procent / 100.0);
        m_obraz->setPixmap(QPixmap::fromImage(m_obrazZrodlowy->scaled(
            rozmiar.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        m_obraz->resize(m_obraz->pixmap().size());
        m_strony->setText(QString("Obraz %1×%2, powiększenie %3%")
                              .arg(m_obrazZrodlowy->width())
                              .arg(m_obrazZrodlowy->height())
                              .arg(m_procent));
    } else {
        m_strony->clear();
    }
}

bool TFPrzegladarkaDokumentu::Drukuj(QPrinter& drukarka) {
    QPainter p;
    if (!p.begin(&drukarka))
        return false;
    const QRect strona = p.viewport();
    auto rysuj = [&](const QImage& obraz) {
        const QSize s = obraz.size().scaled(strona.size(), Qt::KeepAspectRatio);
        p.setViewport(strona.x(), strona.y(), s.width(), s.height());
        p.setWindow(obraz.rect());
        p.drawImage(0, 0, obraz);
        p.setViewport(strona);
        p.setWindow(strona);
    };
    if (m_jestPdf) {
        for (int i = 0; i < m_dokumentPdf->pageCount(); ++i) {
            if (i > 0)
                drukarka.newPage();
            // 200 dpi is sharp on paper and keeps a page's picture within a few MB.
            const QSizeF punkty = m_dokumentPdf->pagePointSize(i);
            const QSize piksele = (punkty * 200.0 / 72.0).toSize();
            rysuj(m_dokumentPdf->render(i, piksele));
        }
    } else if (!m_obrazZrodlowy->isNull()) {
        rysuj(*m_obrazZrodlowy);
    }
    return p.end();
}

void TFPrzegladarkaDokumentu::DrukujZOkna() {
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setDocName(windowTitle());
    QPrintDialog okno(&drukarka, this);
    if (okno.exec() == QDialog::Accepted)
        kit::RunGuarded(m_dialogi, [&] {
            if (!Drukuj(drukarka))
                m_dialogi.Blad("Nie udało się wydrukować dokumentu.", kTytulAkt);
        });
}

}  // namespace mirta::akta::ui
