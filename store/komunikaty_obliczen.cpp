#include "store/komunikaty_obliczen.h"

#include <algorithm>

namespace mirta::store {

void KomunikatyObliczen::Dodaj(Rodzaj rodzaj, std::string tekst, std::string tytul) {
    const bool juzJest = std::any_of(m_komunikaty.begin(), m_komunikaty.end(), [&](const auto& k) {
        return k.rodzaj == rodzaj && k.tekst == tekst && k.tytul == tytul;
    });
    if (!juzJest)
        m_komunikaty.push_back({rodzaj, std::move(tekst), std::move(tytul)});
}

void KomunikatyObliczen::Pokaz(Dialogi& dialogi) {
    std::vector<Komunikat> doPokazania;
    doPokazania.swap(m_komunikaty);
    for (const auto& k : doPokazania) {
        if (k.rodzaj == Rodzaj::Blad)
            dialogi.Blad(k.tekst, k.tytul);
        else
            dialogi.Ostrzezenie(k.tekst, k.tytul);
    }
}

}  // namespace mirta::store
