#include "store/ui/okna_slownikow.h"

#include <memory>
#include <new>
#include <vector>

#include "kit/run_guarded.h"
#include "store/ui/okna_wspolne.h"
#include "store/ui/opisy_okien_slownikow.h"
#include "store/ui/slownik_okno.h"

namespace mirta::store::ui {

std::span<const PozycjaMenuSlownika> MenuSlownikow() {
    static const std::vector<PozycjaMenuSlownika> menu = [] {
        std::vector<PozycjaMenuSlownika> m;
        for (const OpisOknaSlownika& o : OpisyOkienSlownikow())
            m.push_back({o.okno, o.nazwa, o.tekstMenu});
        return m;
    }();
    return menu;
}

std::string_view NazwaOkna(OknoSlownika okno) {
    return OpisOkna(okno).nazwa;
}

std::optional<OknoSlownika> OknoONazwie(std::string_view nazwa) {
    for (const OpisOknaSlownika& o : OpisyOkienSlownikow())
        if (nazwa == o.nazwa)
            return o.okno;
    return std::nullopt;
}

bool OtworzSlownik(OknoSlownika okno, int numer, const kit::Uslugi& uslugi, QWidget* parent) {
    std::unique_ptr<SlownikOkno> w;
    if (!kit::RunGuarded(uslugi.dialogi,
                         [&] { w = std::make_unique<SlownikOkno>(okno, numer, uslugi, parent); }))
        return false;
    return w->exec() == QDialog::Accepted && numer > 0;
}

}  // namespace mirta::store::ui
