#include "shell/uzytkownicy.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "store/tdm.h"
#include "store/ui/okna_wspolne.h"

namespace mirta::shell {

namespace {

// Rights and reserved fields a new user starts with switched off.
constexpr const char* kPolaLogiczne[] = {"Przegladanie", "Aktualizowanie", "Administrator", "Pole1",
                                         "Pole2",        "Pole3",          "Pole4"};

// "Tylko godziny pracy i nieobecności" stays enabled whatever the automatic-edit option; a
// click puts the record into edit by itself.
class PoleZawszeDostepne : public QCheckBox, public kit::FieldBinding {
public:
    PoleZawszeDostepne(const QString& tekst, QWidget* rodzic)
        : QCheckBox(tekst, rodzic), FieldBinding(this) {
        connect(this, &QCheckBox::clicked, this, [this](bool zaznaczone) {
            if (!CanWrite() || m_fieldIndex < 0)
                return ShowValue();
            if (!Write([&](engine::Dataset& ds) {
                    ds.SetField(m_field, engine::Value::Logical(zaznaczone));
                }))
                ShowValue();
        });
    }

protected:
    void ShowValue() override {
        m_showing = true;
        setChecked(m_fieldIndex >= 0 && Data().Field(m_fieldIndex).AsLogical());
        m_showing = false;
        m_modified = false;
    }
    void SetEditable(bool) override { setEnabled(IsAttached() && Source()->CanModify()); }
};

}  // namespace

TFUzytkownicy::TFUzytkownicy(store::TDM& tdm, store::Dialogi& dialogi,
                             kit::AutomaticEdit& edycjaAutomatyczna, QWidget* parent)
    : OknoEdycji(dialogi, parent), m_tdm(tdm) {
    setObjectName("TFUzytkownicy");
    setWindowTitle("Obsługa użytkowników");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    engine::Dataset& hasla = *m_tdm.THasla;
    m_zrodlo = new kit::DataSource(hasla, dialogi, edycjaAutomatyczna, this);
    DodajZrodlo(*m_zrodlo, {" Czy zapisać dane użytkownika ?", "Czy dopisać nowego użytkownika ?",
                            " Kontrola użytkowników."});

    auto* nawigator = new kit::DbNavigator(this);
    nawigator->setObjectName("Nawigator");
    nawigator->SetHints({"Pierwszy użytkownik", "Poprzedni użytkownik", "Następny użytkownik",
                         "Ostatni użytkownik", "Dodaj użytkownika", "Skasuj użytkownika",
                         "Edytuj dane użytkownika", "Zapisz dane użytkownika", "Porzuć zmiany",
                         "Odśwież dane"});
    nawigator->SetDeleteQuestion("Czy skasować użytkownika ?", " Kontrola użytkowników.");

    auto* lista = new kit::DbGrid(this);
    lista->setObjectName("Lista");
    lista->SetColumns(
        {store::ui::Kolumna("NazwaKrotka", "Nazwa krótka", 110),
         store::ui::Kolumna("NazwaPelna", "Nazwa pełna", 240),
         store::ui::Kolumna("Identyfikator", "Identyfikator", 90, store::ui::kDoPrawej)});
    lista->SetReadOnly(true);
    lista->setMinimumHeight(150);

    auto* nazwaKrotka = new kit::DbEdit(this);
    nazwaKrotka->setObjectName("NazwaKrotka");
    nazwaKrotka->setFixedWidth(nazwaKrotka->fontMetrics().horizontalAdvance(QString(12, 'W')));
    auto* nazwaPelna = new kit::DbEdit(this);
    nazwaPelna->setObjectName("NazwaPelna");

    auto* dane = new QGroupBox("Dane użytkownika", this);
    auto* ukladDanych = new QGridLayout(dane);
    auto* etKrotka = new QLabel("Nazwa &krótka:", dane);
    etKrotka->setBuddy(nazwaKrotka);
    auto* etPelna = new QLabel("Nazwa &pełna:", dane);
    etPelna->setBuddy(nazwaPelna);
    ukladDanych->addWidget(etKrotka, 0, 0, Qt::AlignRight);
    ukladDanych->addWidget(nazwaKrotka, 0, 1, Qt::AlignLeft);
    ukladDanych->addWidget(etPelna, 1, 0, Qt::AlignRight);
    ukladDanych->addWidget(nazwaPelna, 1, 1);
    ukladDanych->setColumnStretch(1, 1);
    ukladDanych->setRowStretch(2, 1);

    auto* prawa = new QGroupBox("Uprawnienia", this);
    auto* ukladPraw = new QVBoxLayout(prawa);
    const std::pair<const char*, const char*> pola[] = {
        {"Przegladanie", "Przeglądanie"},
        {"Aktualizowanie", "Modyfikacja danych"},
        {"Administrator", "Administracja systemem"},
    };
    std::vector<kit::FieldBinding*> powiazania{nazwaKrotka, nazwaPelna};
    for (const auto& [pole, tekst] : pola) {
        auto* p = new kit::DbCheckBox(tekst, prawa);
        p->setObjectName(pole);
        ukladPraw->addWidget(p);
        powiazania.push_back(p);
    }
    auto* tylkoGodziny = new PoleZawszeDostepne("Tylko godziny pracy i nieobecności", prawa);
    tylkoGodziny->setObjectName("Pole2");
    ukladPraw->addWidget(tylkoGodziny);
    powiazania.push_back(tylkoGodziny);

    const char* polaTabeli[] = {"NazwaKrotka",    "NazwaPelna",    "Przegladanie",
                                "Aktualizowanie", "Administrator", "Pole2"};
    for (size_t i = 0; i < powiazania.size(); ++i)
        powiazania[i]->Bind(m_zrodlo, polaTabeli[i]);

    auto* dol = new QHBoxLayout;
    dol->addWidget(dane, 3);
    dol->addWidget(prawa, 2);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(nawigator);
    uklad->addWidget(lista, 1);
    uklad->addLayout(dol);
    uklad->addLayout(Przyciski());
    resize(620, 440);

    // A user's short name is typed once, when the user is added.
    auto stan = [this, nazwaKrotka](engine::DatasetState s) {
        if (s == engine::DatasetState::Insert) {
            engine::Dataset& ds = m_zrodlo->dataset();
            Bezpiecznie([&] {
                for (const char* pole : kPolaLogiczne)
                    if (ds.Field(pole).IsNull())
                        ds.SetField(pole, engine::Value::Logical(false));
                if (ds.Field("Pole10").IsNull())
                    ds.SetField("Pole10", engine::Value::Integer(0));
            });
        }
        nazwaKrotka->SetLocked(s != engine::DatasetState::Insert);
    };
    connect(m_zrodlo, &kit::DataSource::stateChanged, this, stan);

    nawigator->SetDataSource(m_zrodlo);
    lista->SetDataSource(m_zrodlo);
    Bezpiecznie([&] {
        hasla.CheckBrowseMode();
        hasla.First();
    });
    stan(hasla.State());
    nawigator->Attach();
    lista->Attach();
    for (kit::FieldBinding* p : powiazania)
        p->Attach();
}

TFUzytkownicy::~TFUzytkownicy() = default;

}  // namespace mirta::shell
