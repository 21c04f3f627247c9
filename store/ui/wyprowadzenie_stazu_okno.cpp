#include "store/ui/wyprowadzenie_stazu_okno.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "store/obraz_pracownika.h"
#include "store/wyprowadzenie_stazu.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store::ui {

namespace {

using compute::RodzajStazu;

constexpr RodzajStazu kRodzaje[] = {RodzajStazu::Wysluga, RodzajStazu::Sluzba,
                                    RodzajStazu::NagrodaJubileuszowa, RodzajStazu::Emerytura};

}  // namespace

TFWyprowadzenieStazu::TFWyprowadzenieStazu(TDM& tdm, TDM1& tdm1, Dialogi& dialogi,
                                           int32_t pracownik, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_tdm1(tdm1), m_dialogi(dialogi), m_pracownik(pracownik) {
    setObjectName("TFWyprowadzenieStazu");
    setWindowTitle("Wyprowadzenie stażu");
    auto* uklad = new QVBoxLayout(this);
    auto* wiersz = new QHBoxLayout;
    auto* etykieta = new QLabel("&Rodzaj stażu:");
    m_rodzaj = new QComboBox;
    m_rodzaj->setObjectName("rodzaj");
    for (RodzajStazu r : kRodzaje)
        m_rodzaj->addItem(QString::fromStdString(NazwaRodzajuStazu(r)));
    etykieta->setBuddy(m_rodzaj);
    wiersz->addWidget(etykieta);
    wiersz->addWidget(m_rodzaj, 1);
    uklad->addLayout(wiersz);

    m_tekst = new QPlainTextEdit;
    m_tekst->setObjectName("tekst");
    m_tekst->setReadOnly(true);
    m_tekst->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_tekst->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_tekst->setAccessibleName("Wyprowadzenie stażu");
    uklad->addWidget(m_tekst, 1);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    QPushButton* drukuj = kit::ZrobPrzycisk(*this, "&Drukuj...", "drukuj");
    przyciski->addWidget(drukuj);
    przyciski->addWidget(kit::ZrobPrzyciskZamknij(*this));
    uklad->addLayout(przyciski);

    connect(m_rodzaj, &QComboBox::currentIndexChanged, this, [this] { Przelicz(); });
    connect(drukuj, &QPushButton::clicked, this, [this] { Drukuj(); });
    Przelicz();
    resize(760, 560);
}

QString TFWyprowadzenieStazu::Tekst() const {
    return m_tekst->toPlainText();
}

void TFWyprowadzenieStazu::Przelicz() {
    kit::RunGuarded(m_dialogi, [&] {
        ZrodlaObliczen zrodla(m_tdm, m_tdm1);
        const WyprowadzenieStazu w =
            WyprowadzStaz(zrodla, m_pracownik, kRodzaje[std::max(0, m_rodzaj->currentIndex())],
                          DataPrzetwarzania(zrodla));
        QString tekst;
        if (!w.znaleziony)
            tekst = QString("Nie ma pracownika o identyfikatorze %1 !!!").arg(m_pracownik);
        for (const std::string& l : TekstWyprowadzenia(w))
            tekst += QString::fromStdString(l) + "\n";
        m_tekst->setPlainText(tekst);
        zrodla.Komunikaty().Pokaz(m_dialogi);
    });
}

bool TFWyprowadzenieStazu::DrukujDoPdf(const QString& plik) {
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(plik);
    m_tekst->print(&drukarka);
    return drukarka.printerState() != QPrinter::Error;
}

void TFWyprowadzenieStazu::Drukuj() {
    QPrinter drukarka(QPrinter::HighResolution);
    QPrintDialog wybor(&drukarka, this);
    if (wybor.exec() == QDialog::Accepted)
        m_tekst->print(&drukarka);
}

}  // namespace mirta::store::ui
