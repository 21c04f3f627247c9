// Inside StronyPracownika: what the builder made of the descriptions.
#pragma once

#include <QTabWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "shell/opisy_stron.h"
#include "shell/strona_kontrolki.h"
#include "shell/strony_pracownika.h"
#include "store/data_module.h"

namespace mirta::shell {

struct StronyPracownika::Karta {
    const OpisStrony* opis = nullptr;
    QWidget* widget = nullptr;
    Karta* rodzic = nullptr;
    QTabWidget* wewnetrzne = nullptr;  // a page holding pages
    std::vector<Karta*> dzieci;
    std::vector<Tabela*> tabele;
    QString Tytul() const { return QString::fromUtf8(opis->tytul.data(), opis->tytul.size()); }
};

// One table edited on one page: its navigator, grid, fields and buttons.
struct StronyPracownika::Tabela {
    const OpisTabeliStrony* opis = nullptr;
    store::TableComponent* komponent = nullptr;
    Karta* strona = nullptr;
    kit::DbNavigator* nawigator = nullptr;
    kit::DbGrid* siatka = nullptr;
    std::vector<std::pair<std::string, kit::FieldBinding*>> pola;
    std::vector<PrzyciskEdycji*> wybory;  // "..." buttons
    std::vector<kit::DataLink*> linki;    // everything but the grid
};

// The data source of a component: created when the table is first used open, or given by the
// main window (the employee record).
struct StronyPracownika::Zrodlo {
    std::unique_ptr<kit::DataSource> wlasne;
    kit::DataSource* zewnetrzne = nullptr;
    const engine::Dataset* dataset = nullptr;  // what `wlasne` views
    kit::DataSource* Aktywne() const { return zewnetrzne ? zewnetrzne : wlasne.get(); }
};

// Makes the widgets of every page from OpisyStron().
class BudowniczyStron {
public:
    explicit BudowniczyStron(StronyPracownika& strony) : m_s(strony) {}
    void Zbuduj();

private:
    using Karta = StronyPracownika::Karta;
    using Tabela = StronyPracownika::Tabela;

    QWidget* ZbudujTabele(Karta& strona, const OpisTabeliStrony& opis, bool wieleTabel);
    QWidget* ZbudujPola(Tabela& tabela, int kolumny);
    QWidget* Kontrolka(Tabela& tabela, const OpisKontrolki& k, QWidget* rodzic);
    void UstawListeSlownika(kit::DbLookupCombo& c, const OpisKontrolki& k,
                            const store::OpisPola* lookup);
    QWidget* PrzyciskWyboru(Tabela& tabela, const OpisKontrolki& k, const QString& nazwa,
                            QWidget* rodzic);
    QWidget* PrzyciskUsuwania(Tabela& tabela, Usuwanie jak, const QString& nazwa,
                              const std::string& poleZapisu, QWidget* rodzic);
    QWidget* ZbudujTekst(Karta& strona);
    std::vector<kit::Column> Kolumny(const Tabela& tabela) const;
    store::TableComponent* Komponent(std::string_view nazwa) const;

    StronyPracownika& m_s;
};

}  // namespace mirta::shell
