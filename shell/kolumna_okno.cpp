#include "shell/kolumna_okno.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace mirta::shell {
namespace {

// Width of the title and field boxes: a long Polish field name fits whole.
constexpr int kSzerokoscPol = 34;  // characters

QLineEdit* PoleTylkoDoOdczytu(const QString& tekst, const char* nazwa, QWidget* rodzic) {
    auto* pole = new QLineEdit(tekst, rodzic);
    pole->setObjectName(nazwa);
    pole->setReadOnly(true);
    pole->setFocusPolicy(Qt::NoFocus);
    pole->setCursorPosition(0);
    // Shown as text that cannot be typed into, beside the boxes that can.
    QPalette paleta = pole->palette();
    paleta.setColor(QPalette::Base, paleta.color(QPalette::Window));
    pole->setPalette(paleta);
    return pole;
}

}  // namespace

KolumnaOkno::KolumnaOkno(int numer, const kit::Column& kolumna,
                         const std::vector<std::string>& pola, QWidget* parent)
    : QDialog(parent) {
    setObjectName("TFPoprawianieGrida");
    setWindowTitle(kTytulKolumnaOkno);
    setModal(true);

    auto* siatka = new QGridLayout;
    siatka->setHorizontalSpacing(10);
    siatka->setVerticalSpacing(6);
    const Qt::Alignment etykieta = Qt::AlignLeft | Qt::AlignVCenter;

    siatka->addWidget(new QLabel("Kolumna nr:", this), 0, 0, etykieta);
    auto* nr = new QLabel(QString::number(numer), this);
    nr->setObjectName("LNumerKolumny");
    QFont gruby = nr->font();
    gruby.setBold(true);
    nr->setFont(gruby);
    siatka->addWidget(nr, 0, 1, etykieta);

    siatka->addWidget(new QLabel("Nazwa kolumny:", this), 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    siatka->addWidget(new QLabel("Nazwa pola:", this), 1, 2, Qt::AlignLeft | Qt::AlignBottom);

    siatka->addWidget(new QLabel("Dane aktualne:", this), 2, 0, etykieta);
    siatka->addWidget(PoleTylkoDoOdczytu(kolumna.title, "EAktualnaNazwaKolumny", this), 2, 1);
    siatka->addWidget(
        PoleTylkoDoOdczytu(QString::fromStdString(kolumna.field), "EAktualnaNazwaPola", this), 2,
        2);

    siatka->addWidget(new QLabel("Po zmianie:", this), 3, 0, etykieta);
    m_tytul = new QLineEdit(kolumna.title, this);
    m_tytul->setObjectName("ENazwaKolumny");
    m_tytul->setMaxLength(50);  // NazwaTytul of DaneGrida.DB
    siatka->addWidget(m_tytul, 3, 1);
    m_pole = new QComboBox(this);
    m_pole->setObjectName("CBNazwaPola");
    m_pole->setMaxVisibleItems(20);
    for (const auto& p : pola)
        m_pole->addItem(QString::fromStdString(p));
    m_pole->setCurrentIndex(m_pole->findText(QString::fromStdString(kolumna.field)));
    siatka->addWidget(m_pole, 3, 2);

    const int szerokosc = fontMetrics().averageCharWidth() * kSzerokoscPol;
    for (QWidget* w : {static_cast<QWidget*>(m_tytul), static_cast<QWidget*>(m_pole)})
        w->setMinimumWidth(szerokosc);
    siatka->setColumnStretch(1, 1);
    siatka->setColumnStretch(2, 1);

    auto* przyciski = new QDialogButtonBox(this);
    auto* zapisz = przyciski->addButton("&Zapisz", QDialogButtonBox::AcceptRole);
    zapisz->setObjectName("BZapisz");
    zapisz->setDefault(true);
    auto* porzuc = przyciski->addButton("&Porzuć", QDialogButtonBox::RejectRole);
    porzuc->setObjectName("BPorzuc");
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(14, 12, 14, 12);
    uklad->setSpacing(14);
    uklad->addLayout(siatka);
    uklad->addWidget(przyciski);
    m_tytul->setFocus();
    m_tytul->selectAll();
    setFixedSize(sizeHint());
}

QString KolumnaOkno::NowyTytul() const {
    return m_tytul->text();
}

std::string KolumnaOkno::NowePole() const {
    return m_pole->currentText().toStdString();
}

bool EdytujKolumne(kit::DbGrid& siatka, int numer, const std::vector<std::string>& pola,
                   store::Dialogi& dialogi) {
    const std::vector<kit::Column> kolumny = siatka.Columns();
    if (numer < 0 || numer >= static_cast<int>(kolumny.size()))
        return false;
    const kit::Column& kolumna = kolumny[static_cast<size_t>(numer)];
    if (std::find(pola.begin(), pola.end(), kolumna.field) == pola.end()) {
        dialogi.Blad(kBrakPolaKolumny + kolumna.field + " !!!", kTytulKontroliDanych);
        return false;
    }
    KolumnaOkno okno(numer, kolumna, pola, &siatka);
    if (okno.exec() != QDialog::Accepted)
        return false;
    kit::Column nowa = kolumna;
    nowa.title = okno.NowyTytul();
    nowa.field = okno.NowePole();
    siatka.SetColumn(numer, std::move(nowa));
    return true;
}

}  // namespace mirta::shell
