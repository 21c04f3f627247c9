#include "store/kalendarz.h"

#include <algorithm>
#include <exception>

#include "compute/zakres_lat.h"
#include "store/tdm.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using compute::DataKal;
using engine::Dataset;
using engine::Value;

// Day number of Easter Sunday (anonymous Gregorian algorithm).
int64_t Wielkanoc(int rok) {
    const int a = rok % 19, b = rok / 100, c = rok % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int miesiac = (h + l - 7 * m + 114) / 31, dzien = (h + l - 7 * m + 114) % 31 + 1;
    return compute::NumerDnia({rok, static_cast<uint8_t>(miesiac), static_cast<uint8_t>(dzien)});
}

bool RokDoZapisu(int rok) {
    return rok >= 1 && rok <= 9999;
}

std::string Przebieg(const Dataset& k) {
    const Value& v = k.Field("PrzebiegPracy");
    return v.IsNull() ? std::string() : v.AsText();
}

}  // namespace

bool SwietoKalendarza(int rok, int miesiac, int dzien) {
    switch (miesiac * 100 + dzien) {
        case 101:
        case 501:
        case 503:
        case 815:
        case 1101:
        case 1111:
        case 1225:
        case 1226:
            return true;
        case 106:
            return rok >= 2011;
        case 1224:
            return rok >= 2025;
        default:
            break;
    }
    const int64_t wielkanoc = Wielkanoc(rok);
    const int64_t n =
        compute::NumerDnia({rok, static_cast<uint8_t>(miesiac), static_cast<uint8_t>(dzien)});
    return n == wielkanoc + 1 || n == wielkanoc + 60;
}

MiesiacKalendarza GenerujMiesiac(int rok, int miesiac) {
    MiesiacKalendarza m;
    if (!RokDoZapisu(rok))
        return m;
    const int dni = compute::DniMiesiaca(rok, miesiac);
    for (int d = 1; d <= dni; ++d) {
        const size_t i = static_cast<size_t>(d - 1);
        const int tydzien =
            compute::DzienTygodnia({rok, static_cast<uint8_t>(miesiac), static_cast<uint8_t>(d)});
        if (SwietoKalendarza(rok, miesiac, d) || tydzien == 7) {
            m.przebieg[i] = 'S';
        } else if (tydzien == 6) {
            m.przebieg[i] = 'W';
        } else {
            m.przebieg[i] = 'R';
            m.godziny[i] = 8.0;
        }
    }
    return m;
}

bool PrzygotujMiesiac(TDM& tdm, int rok, int miesiac) {
    if (!RokDoZapisu(rok) || miesiac < 1 || miesiac > 12 || !tdm.TKalendarz.IsOpen())
        return false;
    Dataset& k = *tdm.TKalendarz;
    if (k.FindKey({Value::Integer(kIdentyfikatorKalendarza), Value::Integer(rok),
                   Value::Integer(miesiac)}))
        return true;
    try {
        k.Insert();
        const MiesiacKalendarza m = GenerujMiesiac(rok, miesiac);
        k.SetField("IdentyfikatorKalendarza", Value::Integer(kIdentyfikatorKalendarza));
        k.SetField("Rok", Value::Integer(rok));
        k.SetField("Miesiac", Value::Integer(miesiac));
        for (int d = 1; d <= 31; ++d)
            k.SetField("G" + std::to_string(d),
                       Value::Number(m.godziny[static_cast<size_t>(d - 1)]));
        k.SetField("PrzebiegPracy", Value::Text(m.przebieg));
        k.Post();
        return true;
    } catch (const std::exception&) {
        // Refused by the rights guard or the file; the caller decides what that means.
        if (k.State() == engine::DatasetState::Insert)
            k.Cancel();
        return false;
    }
}

int32_t LiczDniKalendarza(TDM& tdm, DataKal od, DataKal doDnia, char litera) {
    if (!od.Poprawna())
        return kDniZlaDataOd;
    if (!doDnia.Poprawna())
        return kDniZlaDataDo;
    if (doDnia.rok < kPierwszyRokKalendarza)
        return kDniDataDoPrzed1990;
    if (doDnia.rok > compute::kOstatniRok || od.rok < kPierwszyRokKalendarza ||
        od.rok > compute::kOstatniRok)
        return kDniPozaZakresemLat;
    if (od > doDnia)
        std::swap(od, doDnia);
    int32_t suma = 0;
    const int pierwszy = od.rok * 12 + od.miesiac - 1,
              ostatni = doDnia.rok * 12 + doDnia.miesiac - 1;
    for (int n = pierwszy; n <= ostatni; ++n) {
        const int rok = n / 12, miesiac = n % 12 + 1;
        const std::string przebieg = PrzygotujMiesiac(tdm, rok, miesiac)
                                         ? Przebieg(*tdm.TKalendarz)
                                         : GenerujMiesiac(rok, miesiac).przebieg;
        const int a = std::max(n == pierwszy ? int(od.dzien) : 1, 1);
        const int b = std::min(n == ostatni ? int(doDnia.dzien) : 31, int(przebieg.size()));
        for (int d = a; d <= b; ++d)
            if (przebieg[static_cast<size_t>(d - 1)] == litera)
                ++suma;
    }
    return suma;
}

std::string_view SkrotDniaTygodnia(int dzienTygodnia) {
    static constexpr std::string_view kSkroty[] = {"Pn", "Wt", "Śr", "Cz", "Pt", "So", "Nd"};
    if (dzienTygodnia < 1 || dzienTygodnia > 7)
        return {};
    return kSkroty[dzienTygodnia - 1];
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
