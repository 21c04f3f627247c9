#include "store/ui/struktura_etatow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "store/tdm1.h"
#include "store/ui/okna_wspolne.h"

namespace mirta::store::ui {

namespace {

const kit::NavigatorHints kPodpowiedziGlowek = {"Pierwsza główka struktury etatów",
                                                "Poprzednia główka struktury etatów",
                                                "Następna główka struktury etatów",
                                                "Ostatnia główka struktury etatów",
                                                "Dodaj główkę struktury etatów",
                                                "",
                                                "Edytuj główkę struktury etatów",
                                                "Zapisz główkę struktury etatów",
                                                "Porzuć zmiany",
                                                "Odśwież dane"};

const kit::NavigatorHints kPodpowiedziPozycji = {"Pierwsza pozycja struktury etatów",
                                                 "Poprzednia pozycja struktury etatów",
                                                 "Następna pozycja struktury etatów",
                                                 "Ostatnia pozycja struktury etatów",
                                                 "Dodaj pozycję struktury etatów",
                                                 "Usuń pozycję struktury etatów",
                                                 "Edytuj pozycję struktury etatów",
                                                 "Zapisz pozycję struktury etatów",
                                                 "Porzuć zmiany",
                                                 "Odśwież dane"};

// The type column offers its two choices; the field's own rule stores the first letter.
class WyborTypu : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* rodzic, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* lista = new QComboBox(rodzic);
        for (std::string_view typ : kTypyPracownika)
            lista->addItem(Q(typ));
        return lista;
    }
    void setEditorData(QWidget* edytor, const QModelIndex& indeks) const override {
        auto* lista = static_cast<QComboBox*>(edytor);
        const QString kod = indeks.data(Qt::EditRole).toString().left(1);
        for (int i = 0; i < lista->count(); ++i)
            if (lista->itemText(i).startsWith(kod) && !kod.isEmpty())
                lista->setCurrentIndex(i);
    }
    void setModelData(QWidget* edytor, QAbstractItemModel* model,
                      const QModelIndex& indeks) const override {
        const QString wybor = static_cast<QComboBox*>(edytor)->currentText();
        // Opening the list and leaving it must not start editing the position.
        if (wybor.left(1) != indeks.data(Qt::EditRole).toString())
            model->setData(indeks, wybor, Qt::EditRole);
    }
};

QGroupBox* Panel(const QString& tytul, const char* nazwa, kit::DataSource& zrodlo,
                 const kit::NavigatorHints& podpowiedzi, std::vector<kit::Column> kolumny,
                 bool kasowanie, QWidget* rodzic) {
    auto* ramka = new QGroupBox(tytul, rodzic);
    ramka->setObjectName(QString(nazwa) + "Panel");
    auto* uklad = new QVBoxLayout(ramka);
    auto* nawigator = new kit::DbNavigator(ramka);
    nawigator->setObjectName(QString(nazwa) + "Nawigator");
    nawigator->SetHints(podpowiedzi);
    nawigator->SetButtonVisible(kit::NavButton::Delete, kasowanie);
    nawigator->SetDataSource(&zrodlo);
    nawigator->Attach();
    uklad->addWidget(nawigator);
    auto* lista = new kit::DbGrid(ramka);
    lista->setObjectName(QString(nazwa) + "Lista");
    lista->SetColumns(std::move(kolumny));
    lista->SetDataSource(&zrodlo);
    lista->Attach();
    uklad->addWidget(lista, 1);
    return ramka;
}

}  // namespace

TFStrukturaEtatow::TFStrukturaEtatow(TDM1& tdm1, Dialogi& dialogi, kit::AutomaticEdit& edycja,
                                     QWidget* parent)
    : OknoEdycji(dialogi, parent), m_logika(std::make_unique<StrukturaEtatow>(tdm1)) {
    setObjectName("TFStrukturaEtatow");
    setWindowTitle("Struktura etatów.");
    kit::DataSource& glowki =
        NoweZrodlo(*tdm1.TGlowkaStrukturyEtatow, edycja,
                   {kPytanieZapisuGlowki, kPytanieDopisuGlowki, kTytulStruktury});
    kit::DataSource& pozycje =
        NoweZrodlo(*tdm1.TPozStrukturyEtatow, edycja,
                   {kPytanieZapisuPozycji, kPytanieDopisuPozycji, kTytulStruktury});

    auto* uklad = new QVBoxLayout(this);
    auto* gora = new QHBoxLayout;
    m_panelGlowek = Panel("Główki struktury etatów", "glowki", glowki, kPodpowiedziGlowek,
                          {Kolumna("Rok", "Rok", 60, Qt::AlignCenter),
                           Kolumna("Miesiac", "Miesiąc", 70, Qt::AlignCenter)},
                          false, this);
    m_panelGlowek->setFixedWidth(280);
    gora->addWidget(m_panelGlowek);
    m_panelPozycji =
        Panel("Pozycje struktury etatów", "pozycje", pozycje, kPodpowiedziPozycji,
              {Kolumna("KomorkaOrganizacyjna", "Komórka organizacyjna", 270),
               Kolumna("StanowiskoEtatowe", "Stanowisko etatowe", 170),
               Kolumna("SystemSluzby", "System słuzby", 95),
               Kolumna("TypPracownika", "Typ prac.", 70, Qt::AlignCenter),
               Kolumna("StatusPracownikaCywilnego", "Status pracownika cywilnego", 290),
               Kolumna("LimitEtatow", "Limit etatów", 80, kDoPrawej)},
              true, this);
    auto* listaPozycji = m_panelPozycji->findChild<kit::DbGrid*>("pozycjeLista");
    listaPozycji->setItemDelegateForColumn(3, new WyborTypu(listaPozycji));
    gora->addWidget(m_panelPozycji, 1);
    uklad->addLayout(gora, 1);

    uklad->addLayout(Przyciski());

    m_logika->PoZmianieStanu([this] { Blokada(); });
    Blokada();
    resize(1360, 540);
}

TFStrukturaEtatow::~TFStrukturaEtatow() = default;

void TFStrukturaEtatow::Blokada() {
    m_panelGlowek->setEnabled(m_logika->GlowkiDostepne());
    m_panelPozycji->setEnabled(m_logika->PozycjeDostepne());
}

}  // namespace mirta::store::ui
