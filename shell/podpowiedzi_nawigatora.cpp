// The navigator's hints of a page's table, in the grammatical gender of its record.
#include "shell/opisy_stron.h"

namespace mirta::shell {

kit::NavigatorHints PodpowiedziNawigatora(const NazwaRekordu& r) {
    const QString m = QString::fromUtf8(r.mianownik.data(), qsizetype(r.mianownik.size()));
    const QString b = QString::fromUtf8(r.biernik.data(), qsizetype(r.biernik.size()));
    const QString d = QString::fromUtf8(r.dopelniacz.data(), qsizetype(r.dopelniacz.size()));
    struct Formy {
        const char *pierwszy, *poprzedni, *nastepny, *ostatni;
    };
    const Formy f =
        r.rodzaj == Rodzaj::Meski    ? Formy{"Pierwszy", "Poprzedni", "Następny", "Ostatni"}
        : r.rodzaj == Rodzaj::Zenski ? Formy{"Pierwsza", "Poprzednia", "Następna", "Ostatnia"}
                                     : Formy{"Pierwsze", "Poprzednie", "Następne", "Ostatnie"};
    return {QString::fromUtf8(f.pierwszy) + ' ' + m,
            QString::fromUtf8(f.poprzedni) + ' ' + m,
            QString::fromUtf8(f.nastepny) + ' ' + m,
            QString::fromUtf8(f.ostatni) + ' ' + m,
            "Dodaj " + b,
            "Skasuj " + b,
            "Edytuj dane " + d,
            "Zapisz dane " + d,
            QString::fromUtf8("Porzuć zmiany"),
            QString::fromUtf8("Odśwież dane")};
}

}  // namespace mirta::shell
