#include "reports/definicje.h"

#include <algorithm>

#include "store/data_module.h"
#include "store/pola_rekordu.h"
#include "store/tdm1.h"

namespace mirta::reports {

namespace {

using engine::Value;

engine::Dataset& Otwarta(store::TDM1& tdm1, store::TableComponent& c) {
    if (!c.IsOpen())
        tdm1.Open(c);
    return *c;
}

// Moves the names table to the definition, so that PozWyd.db follows it.
bool UstawNazwe(store::TDM1& tdm1, int32_t id) {
    engine::Dataset& n = Otwarta(tdm1, tdm1.TNazwyWyd);
    for (int64_t i = 0; i < n.RecordCount(); ++i)
        if (store::LiczbaCalkowita(n.RowAt(i)["IdentyfikatorWydruku"]) == id) {
            n.MoveTo(i);
            return true;
        }
    return false;
}

}  // namespace

std::vector<NazwaDefinicji> SpisDefinicji(store::TDM1& tdm1) {
    engine::Dataset& n = Otwarta(tdm1, tdm1.TNazwyWyd);
    std::vector<NazwaDefinicji> spis;
    for (int64_t i = 0; i < n.RecordCount(); ++i) {
        engine::RowView r = n.RowAt(i);
        spis.push_back({store::LiczbaCalkowita(r["IdentyfikatorWydruku"]),
                        store::Przyciety(r["NazwaWydruku"])});
    }
    return spis;
}

std::optional<NazwaDefinicji> ZnajdzDefinicje(store::TDM1& tdm1, const std::string& nazwa) {
    for (const NazwaDefinicji& d : SpisDefinicji(tdm1))
        if (d.nazwa == nazwa)
            return d;
    return std::nullopt;
}

int32_t DodajDefinicje(store::TDM1& tdm1, const std::string& nazwa) {
    engine::Dataset& n = Otwarta(tdm1, tdm1.TNazwyWyd);
    n.Insert();
    n.SetField("NazwaWydruku", Value::Text(nazwa));
    n.SetField("Portret", Value::Logical(true));
    n.Post();
    return store::LiczbaCalkowita(n.Field("IdentyfikatorWydruku"));
}

void OdczytajDefinicje(store::TDM1& tdm1, int32_t id, DefinicjaWydruku& def) {
    if (!UstawNazwe(tdm1, id))
        return;
    engine::Dataset& poz = Otwarta(tdm1, tdm1.TPozWyd);
    poz.Refresh();
    for (int64_t i = 0; i < poz.RecordCount(); ++i) {
        engine::RowView r = poz.RowAt(i);
        const int k = store::LiczbaCalkowita(r["NumerKolumny"]);
        const int w = store::LiczbaCalkowita(r["NumerWiersza"]);
        if (k < 0 || k >= kKolumnyDefinicji)
            continue;
        if (!r["SzerokoscPola"].IsNull())
            def.szerokosci[k] = std::clamp(store::LiczbaCalkowita(r["SzerokoscPola"]), 8, 2000);
        if (w < 0 || w >= kWierszeDefinicji)
            continue;
        def.oczka[w][k] = {store::TekstPola(r["NazwaTytul"]),
                           store::TekstPola(r["OpisZawartosci"])};
    }
}

std::vector<std::string> ZapiszDefinicje(store::TDM1& tdm1, int32_t id,
                                         const DefinicjaWydruku& def) {
    if (!UstawNazwe(tdm1, id))
        return {"Brak w zbiorze nazw wydruków !!!"};
    engine::Dataset& poz = Otwarta(tdm1, tdm1.TPozWyd);
    poz.Refresh();
    std::vector<std::string> bledy;
    for (int w = 0; w < kWierszeDefinicji; ++w) {
        for (int k = 0; k < kKolumnyDefinicji; ++k) {
            bool znaleziony = false;
            for (int64_t i = 0; i < poz.RecordCount(); ++i) {
                engine::RowView r = poz.RowAt(i);
                if (store::LiczbaCalkowita(r["NumerKolumny"]) == k &&
                    store::LiczbaCalkowita(r["NumerWiersza"]) == w) {
                    poz.MoveTo(i);
                    znaleziony = true;
                    break;
                }
            }
            if (znaleziony) {
                poz.Edit();
            } else {
                poz.Insert();
                poz.SetField("NumerKolumny", Value::Integer(k));
                poz.SetField("NumerWiersza", Value::Integer(w));
            }
            // Either coordinate wrong means another cell's record: never overwrite it.
            if (store::LiczbaCalkowita(poz.Field("NumerKolumny")) != k ||
                store::LiczbaCalkowita(poz.Field("NumerWiersza")) != w) {
                poz.Cancel();
                bledy.push_back("wiersz " + std::to_string(w + 1) + ", kolumna " +
                                std::to_string(k + 1));
                continue;
            }
            const OczkoWyd& o = def.oczka[w][k];
            poz.SetField("SzerokoscPola", Value::Integer(def.szerokosci[k]));
            poz.SetField("OpisZawartosci", o.tresc.empty() ? Value() : Value::Text(o.tresc));
            poz.SetField("NazwaTytul", o.tytul.empty() ? Value() : Value::Text(o.tytul));
            poz.Post();
        }
    }
    return bledy;
}

}  // namespace mirta::reports
