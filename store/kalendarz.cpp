#include "store/kalendarz.h"

#include <algorithm>
#include <exception>

#include "compute/zakres_lat.h"
#include "engine/edit_scope.h"
#include "store/tdm.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using compute::DataKal;
using engine::Dataset;
using engine::Value;

std::string Przebieg(const Dataset& k) {
    const Value& v = k.Field("PrzebiegPracy");
    return v.IsNull() ? std::string() : v.AsText();
}

}  // namespace

bool PrzygotujMiesiac(TDM& tdm, int rok, int miesiac, std::string* blad) {
    if (!compute::RokKalendarza(rok) || miesiac < 1 || miesiac > 12 || !tdm.TKalendarz.IsOpen())
        return false;
    Dataset& k = *tdm.TKalendarz;
    if (k.FindKey({Value::Integer(kIdentyfikatorKalendarza), Value::Integer(rok),
                   Value::Integer(miesiac)}))
        return true;
    try {
        engine::EditScope wstawienie(k, engine::EditScope::Mode::Insert);
        const MiesiacKalendarza m = GenerujMiesiac(rok, miesiac);
        k.SetField("IdentyfikatorKalendarza", Value::Integer(kIdentyfikatorKalendarza));
        k.SetField("Rok", Value::Integer(rok));
        k.SetField("Miesiac", Value::Integer(miesiac));
        for (int d = 1; d <= 31; ++d)
            k.SetField("G" + std::to_string(d),
                       Value::Number(m.godziny[static_cast<size_t>(d - 1)]));
        k.SetField("PrzebiegPracy", Value::Text(m.przebieg));
        wstawienie.Post();
        return true;
    } catch (const std::exception& e) {
        // Refused by the rights guard or the file; the caller decides what that means.
        if (blad)
            *blad = e.what();
        return false;
    }
}

int32_t KodZakresuDni(DataKal od, DataKal doDnia) {
    if (!od.Poprawna())
        return kDniZlaDataOd;
    if (!doDnia.Poprawna())
        return kDniZlaDataDo;
    if (doDnia.rok < kPierwszyRokKalendarza)
        return kDniDataDoPrzed1990;
    if (doDnia.rok > compute::kOstatniRok || od.rok < kPierwszyRokKalendarza ||
        od.rok > compute::kOstatniRok)
        return kDniPozaZakresemLat;
    return 0;
}

int32_t LiczDniKalendarza(TDM& tdm, DataKal od, DataKal doDnia, char litera,
                          std::string* ostrzezenie) {
    if (const int32_t kod = KodZakresuDni(od, doDnia))
        return kod;
    if (od > doDnia)
        std::swap(od, doDnia);
    int32_t suma = 0;
    const int pierwszy = od.rok * 12 + od.miesiac - 1,
              ostatni = doDnia.rok * 12 + doDnia.miesiac - 1;
    for (int n = pierwszy; n <= ostatni; ++n) {
        const int rok = n / 12, miesiac = n % 12 + 1;
        std::string blad;
        const bool zapisany = PrzygotujMiesiac(tdm, rok, miesiac, &blad);
        if (!zapisany && ostrzezenie && ostrzezenie->empty())
            *ostrzezenie = blad;
        const std::string przebieg =
            zapisany ? Przebieg(*tdm.TKalendarz) : GenerujMiesiac(rok, miesiac).przebieg;
        const int a = std::max(n == pierwszy ? int(od.dzien) : 1, 1);
        const int b = std::min(n == ostatni ? int(doDnia.dzien) : 31, int(przebieg.size()));
        for (int d = a; d <= b; ++d)
            if (przebieg[static_cast<size_t>(d - 1)] == litera)
                ++suma;
    }
    return suma;
}

void PodlaczKalendarz(TDM&, TableComponent& c) {
    c->AddHandler(engine::DatasetEvent::NewRecord, [](Dataset& k) {
        k.SetField("IdentyfikatorKalendarza", Value::Integer(kIdentyfikatorKalendarza));
    });
    for (int d = 1; d <= 31; ++d) {
        const std::string pole = "G" + std::to_string(d);
        // A negative number of hours is stored as 0.
        c.Hooks(pole).setText = [pole](Dataset& k, const std::string& tekst) {
            k.SetField(pole, Value::Number(std::max(CzytajLiczbe(tekst), 0.0)));
        };
    }
}

}  // namespace mirta::store
