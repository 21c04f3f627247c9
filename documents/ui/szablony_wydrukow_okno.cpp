#include "documents/ui/szablony_wydrukow_okno.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "kit/data_controls.h"
#include "kit/data_source.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "store/tdm1.h"

namespace mirta::documents {

TFSzablonyWydrukow::TFSzablonyWydrukow(store::TDM1& tdm1, store::Dialogi& dialogi,
                                       kit::AutomaticEdit& edycjaAutomatyczna, QWidget* parent)
    : OknoEdycji(dialogi, parent), m_tdm1(tdm1) {
    setObjectName("TFSzablonyWydrukow");
    setWindowTitle("Aktualizacja szablonów wydruków.");
    m_tdm1.Open(m_tdm1.TWydruki);
    m_zrodlo = new kit::DataSource(*m_tdm1.TWydruki, dialogi, edycjaAutomatyczna, this);
    DodajZrodlo(*m_zrodlo,
                {" Czy zapisać dane o szablonie wydruku ?", "Czy dopisać nowy szablon wydruku ?",
                 " Kontrola danych o szablonach wydruków."});

    auto* lista = new kit::DbGrid(this);
    lista->setObjectName("Lista");
    lista->SetColumns({kit::MakeColumn("NazwaWydruku", "Nazwa wydruku", 330),
                       kit::MakeColumn("NazwaZbioru", "Nazwa zbioru", 330)});
    lista->SetReadOnly(true);

    auto* nawigator = new kit::DbNavigator(this);
    nawigator->setObjectName("Nawigator");
    nawigator->SetHints({"Pierwszy szablon wydruku", "Poprzedni szablon wydruku",
                         "Następny szablon wydruku", "Ostatni szablon wydruku",
                         "Dodaj szablon wydruku", "Skasuj szablon wydruku",
                         "Edytuj dane szablonu wydruku", "Zapisz dane szablonu wydruku",
                         "Porzuć zmiany", "Odśwież dane"});
    nawigator->SetDeleteQuestion("Czy skasować szablon wydruku ?",
                                 " Kontrola danych o szablonach wydruków.");

    std::vector<kit::FieldBinding*> pola;
    auto* siatka = new QGridLayout();
    int wiersz = 0;
    auto edycja = [&](const char* pole, const char* etykieta) {
        auto* e = new kit::DbEdit(this);
        e->setObjectName(pole);
        auto* l = new QLabel(etykieta, this);
        l->setBuddy(e);
        siatka->addWidget(l, wiersz, 0, Qt::AlignRight);
        siatka->addWidget(e, wiersz++, 1, 1, 3);
        e->Bind(m_zrodlo, pole);
        pola.push_back(e);
        return e;
    };
    edycja("NazwaWydruku", "Nazwa wydruku:");
    kit::DbEdit* zbior = edycja("NazwaZbioru", "Nazwa zbioru do wydruku:");
    siatka->removeWidget(zbior);
    auto* zbiorWiersz = new QHBoxLayout();
    zbiorWiersz->addWidget(zbior, 1);
    auto* plik = new QPushButton("...", this);
    plik->setObjectName("WybierzPlik");
    plik->setToolTip("Wybierz szablon wydruku.");
    zbiorWiersz->addWidget(plik);
    siatka->addLayout(zbiorWiersz, wiersz - 1, 1, 1, 3);
    connect(plik, &QPushButton::clicked, this, [this] { WybierzPlik(); });
    edycja("IloscKolumn", "Ilość kolumn:")->setMaximumWidth(60);
    edycja("Inicjacja", "Inicjacja wydruku :");
    edycja("IdentyfikatorSystemowy", "Identyfikator systemowy:")->setMaximumWidth(60);
    auto* znaczniki = new QHBoxLayout();
    for (auto [pole, etykieta] :
         {std::pair{"Edytor", "Edytor :"}, std::pair{"Portret", "Portret :"},
          std::pair{"Zawijanie", "Zawijanie :"}}) {
        auto* c = new kit::DbCheckBox(etykieta, this);
        c->setObjectName(pole);
        c->setLayoutDirection(Qt::RightToLeft);
        c->Bind(m_zrodlo, pole);
        pola.push_back(c);
        znaczniki->addWidget(c);
    }
    znaczniki->addStretch();
    siatka->addLayout(znaczniki, wiersz++, 1, 1, 3);
    siatka->setColumnStretch(1, 1);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(lista, 1);
    uklad->addWidget(nawigator);
    uklad->addLayout(siatka);
    uklad->addLayout(Przyciski());
    resize(720, 520);

    for (kit::DataLink* l : std::initializer_list<kit::DataLink*>{lista, nawigator})
        l->SetDataSource(m_zrodlo);
    lista->Attach();
    nawigator->Attach();
    for (kit::FieldBinding* p : pola)
        p->Attach();
}

TFSzablonyWydrukow::~TFSzablonyWydrukow() = default;

void TFSzablonyWydrukow::UstawPlik(const QString& plik) {
    m_zrodlo->Run([&](engine::Dataset& ds) {
        if (!ds.Editing())
            ds.Edit();
        ds.SetField("NazwaZbioru",
                    engine::Value::Text(QFileInfo(plik).absoluteFilePath().toStdString()));
    });
}

void TFSzablonyWydrukow::WybierzPlik() {
    // The dialog may change the working directory; the data directory is the working one.
    const QString katalog = QDir::currentPath();
    QFileDialog okno(this, "Wybierz szablon wydruku.", katalog,
                     "Rich Text Files (*.RTF *.rtf);;Text Files (*.TXT *.txt)");
    okno.setFileMode(QFileDialog::ExistingFile);
    okno.selectFile(
        QString::fromStdString(m_zrodlo->dataset().Field("NazwaZbioru").IsNull()
                                   ? std::string()
                                   : m_zrodlo->dataset().Field("NazwaZbioru").AsText()));
    const bool wybrano = okno.exec() == QDialog::Accepted && !okno.selectedFiles().isEmpty();
    if (!QDir::setCurrent(katalog)) {
        DialogiOkna().Blad("Nastąpiło uszkodzenie dostępu do zbiorów. Zamykam program !!!",
                           (katalog + " != " + QDir::currentPath()).toStdString());
        QCoreApplication::exit(1);
        return;
    }
    if (wybrano)
        UstawPlik(okno.selectedFiles().front());
}

}  // namespace mirta::documents
