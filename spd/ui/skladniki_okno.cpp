#include "spd/ui/skladniki_okno.h"

#include <QVBoxLayout>

#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "spd/parametry_spd.h"
#include "spd/pola_tabeli.h"
#include "spd/tabele_spd.h"
#include "spd/ui/zbiory_spd.h"
#include "store/tdm.h"
#include "wspolne/blad_danych.h"

namespace mirta::spd::ui {

TFSPDSkladnikiWynagrodzen::TFSPDSkladnikiWynagrodzen(store::TDM& tdm, store::Dialogi& dialogi,
                                                     kit::AutomaticEdit& edycja, QWidget* parent)
    : OknoEdycji(dialogi, parent) {
    setObjectName("TFSPDSkladnikiWynagrodzen");
    setWindowTitle("Składniki wynagrodzeń do SPD");
    m_skladniki = ZbiorTabeli(OtworzTabeleSPD(tdm.Fs(), tdm.DataDirectory(), "TSPDWynagrodzenia"),
                              "TSPDWynagrodzenia", "LP");
    const bool mozeZmieniac = tdm.Sesja().Aktualizowanie;
    for (auto zdarzenie : {engine::DatasetEvent::BeforeInsert, engine::DatasetEvent::BeforeEdit,
                           engine::DatasetEvent::BeforeDelete})
        m_skladniki->AddHandler(zdarzenie, [mozeZmieniac](engine::Dataset&) {
            if (!mozeZmieniac)
                throw store::BladDanych(kBrakPrawaZmiany);
        });
    m_skladniki->AddHandler(engine::DatasetEvent::NewRecord, [](engine::Dataset& ds) {
        ds.SetField("IdentyfikatorSkladnika", engine::Value::Integer(0));
    });
    m_skladniki->AddHandler(engine::DatasetEvent::BeforePost, [](engine::Dataset& ds) {
        if (auto blad = SprawdzSkladnikWynagrodzen(ds.FieldText("LP"), ds.FieldText("KodSkladnika"),
                                                   ds.FieldText("NumerSkladnikaPlace"),
                                                   ds.FieldText("NazwaSkladnika")))
            throw store::BladDanych(*blad);
        if (ds.Field("IdentyfikatorSkladnika").IsNull())
            ds.SetField("IdentyfikatorSkladnika", engine::Value::Integer(0));
    });
    for (auto zdarzenie : {engine::DatasetEvent::AfterPost, engine::DatasetEvent::AfterDelete})
        m_skladniki->AddHandler(zdarzenie, [](engine::Dataset& ds) { ds.GetTable().Sync(); });
    kit::DataSource& zrodlo = NoweZrodlo(
        *m_skladniki, edycja,
        {" Czy zapisać dane o składniku wynagrodzeń ?", "Czy dopisać nowy składnik wynagrodzeń ?",
         "Kontrola danych o składnikach wynagrodzeń."});

    auto* uklad = new QVBoxLayout(this);
    auto* nawigator = new kit::DbNavigator(this);
    nawigator->setObjectName("Nawigator");
    nawigator->SetHints({"Pierwszy składnik wynagrodzeń ", "Poprzedni składnik wynagrodzeń",
                         "Następny składnik wynagrodzeń", "Ostatni składnik wynagrodzeń",
                         "Dodaj składnik wynagrodzeń", "Skasuj składnik wynagrodzeń",
                         "Edytuj dane składnika wynagrodzeń", "Zapisz dane składnika wynagrodzeń",
                         "Porzuć zmiany", "Odśwież dane"});
    nawigator->SetDeleteQuestion("Czy usunąć składnik wynagrodzeń ?", "Kontrola danych.");
    nawigator->SetDataSource(&zrodlo);
    nawigator->Attach();
    uklad->addWidget(nawigator);
    auto* lista = new kit::DbGrid(this);
    lista->setObjectName("Lista");
    auto edytowalna = [](const char* pole, const QString& tytul, int szerokosc) {
        kit::Column k = Kolumna(pole, tytul, szerokosc);
        k.readOnly = false;
        return k;
    };
    lista->SetColumns({edytowalna("LP", "LP", 50), edytowalna("KodSkladnika", "Kod składnika", 120),
                       edytowalna("NumerSkladnikaPlace", "Numer składnika", 110),
                       edytowalna("NazwaSkladnika", "Nazwa składnika", 260),
                       edytowalna("IdentyfikatorSkladnika", "Identyfikator składnika", 150),
                       Kolumna("Identyfikator", "Identyfikator", 90)});
    lista->SetDataSource(&zrodlo);
    lista->Attach();
    uklad->addWidget(lista, 1);
    uklad->addLayout(Przyciski());
    resize(880, 420);
}

}  // namespace mirta::spd::ui
