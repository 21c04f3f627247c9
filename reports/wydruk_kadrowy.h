#pragma once

// The personnel printout TQRWydrukKadrowy: a rich-text document printed once or twice on a
// sheet, portrait or landscape. Two copies stand side by side, the same text in both columns,
// so that the sheet cut in half gives two copies; a long document goes on over further pages.

#include <memory>
#include <string>

#include "documents/document.h"
#include "reports/raport.h"

namespace mirta::reports {

struct UstawieniaWydrukuKadrowego {
    int kopie = 1;  // 1 or 2 on a sheet
    bool portret = true;
    friend bool operator==(const UstawieniaWydrukuKadrowego&,
                           const UstawieniaWydrukuKadrowego&) = default;
};

// The printout's settings, kept between runs: set for one preview, then back to one copy,
// portrait.
class TQRWydrukKadrowy {
public:
    const UstawieniaWydrukuKadrowego& Ustawienia() const { return m_ustawienia; }
    // Copies outside 1..2 are taken as the nearest of them.
    void Ustaw(int kopie, bool portret);
    void Domyslne() { m_ustawienia = {}; }

private:
    UstawieniaWydrukuKadrowego m_ustawienia;
};

// The page of the printout: A4 (or the document's own paper) in the chosen orientation, the
// document's margins when it sets sensible ones.
GeometriaStrony GeometriaWydrukuKadrowego(const documents::Document& dokument,
                                          const UstawieniaWydrukuKadrowego& u);

// The printout of a document, to be laid out step by step (the preview) or at once.
std::unique_ptr<Raport> UtworzWydrukKadrowy(const documents::Document& dokument,
                                            const MiaraTekstu& miara,
                                            const UstawieniaWydrukuKadrowego& u, std::string tytul);
Wydruk WydrukKadrowy(const documents::Document& dokument, const MiaraTekstu& miara,
                     const UstawieniaWydrukuKadrowego& u, std::string tytul);

}  // namespace mirta::reports
