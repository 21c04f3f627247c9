#include "spd/rejestr.h"

#include <algorithm>
#include <cstdio>

#include "spd/pola_tabeli.h"

namespace mirta::spd {

std::vector<WpisRejestru> CzytajRejestr(engine::Table& t) {
    const PolaTabeli p(t);
    const int id = p("Identyfikator"), kto = p("KtoUtworzyl"), plik = p("NazwaPlikuZarzadzajacego"),
              data = p("DataTworzenia"), czas = p("CzasTworzenia"),
              katalog = p("KatalogPlikuZarzadzajaceg");
    std::vector<WpisRejestru> wpisy;
    for (uint64_t r = 0; r < t.RowCount(); ++r) {
        const engine::Record w = t.ReadRow(r);
        wpisy.push_back({static_cast<int32_t>(CalkowitaLubZero(w[id])), Tekst(w[kto]),
                         Tekst(w[plik]), Data(w[data]),
                         w[czas].kind() == engine::Value::Kind::Time ? w[czas].AsMilliseconds() : 0,
                         Tekst(w[katalog])});
    }
    std::stable_sort(wpisy.begin(), wpisy.end(), [](const auto& a, const auto& b) {
        if (a.dataTworzenia != b.dataTworzenia)
            return a.dataTworzenia < b.dataTworzenia;
        if (a.czasTworzenia != b.czasTworzenia)
            return a.czasTworzenia < b.czasTworzenia;
        return a.identyfikator < b.identyfikator;
    });
    return wpisy;
}

std::string TekstCzasu(int32_t ms) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d:%02d:%02d", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60);
    return b;
}

}  // namespace mirta::spd
