#include "shell/uklady_siatek.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <algorithm>
#include <limits>
#include <optional>

#include "kit/run_guarded.h"
#include "shell/kolumna_okno.h"

namespace mirta::shell {
namespace {

using store::KolumnaSiatki;
using store::WygladKolumny;

int16_t KodWyrownania(Qt::Alignment a) {
    if (a & Qt::AlignRight)
        return store::kWyrownanieDoPrawej;
    if (a & Qt::AlignHCenter)
        return store::kWyrownanieDoSrodka;
    return store::kWyrownanieDoLewej;
}

Qt::Alignment Wyrownanie(int16_t kod) {
    switch (kod) {
        case store::kWyrownanieDoPrawej:
            return Qt::AlignRight | Qt::AlignVCenter;
        case store::kWyrownanieDoSrodka:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// System colours by their number, as this toolkit's palette has them.
struct KolorSystemu {
    int numer;
    QPalette::ColorRole rola;
};
constexpr KolorSystemu kKolorySystemu[] = {
    {4, QPalette::Window},      {5, QPalette::Base},         {7, QPalette::WindowText},
    {8, QPalette::Text},        {13, QPalette::Highlight},   {14, QPalette::HighlightedText},
    {15, QPalette::Button},     {16, QPalette::Mid},         {17, QPalette::PlaceholderText},
    {18, QPalette::ButtonText}, {20, QPalette::Light},       {21, QPalette::Shadow},
    {22, QPalette::Midlight},   {23, QPalette::ToolTipText}, {24, QPalette::ToolTipBase},
};

// A stored colour; none for the place's own colour and for system colours unknown here.
std::optional<QColor> Kolor(int32_t kod, int32_t wlasny) {
    if (kod == wlasny)
        return std::nullopt;
    if (store::JestKoloremSystemowym(kod)) {
        for (const auto& k : kKolorySystemu)
            if (store::KolorSystemowy(k.numer) == kod)
                return QApplication::palette().color(k.rola);
        return std::nullopt;
    }
    const auto u = static_cast<uint32_t>(kod);
    return QColor(int(u & 0xFF), int((u >> 8) & 0xFF), int((u >> 16) & 0xFF));
}

int32_t KodKoloru(const std::optional<QColor>& kolor, int32_t wlasny) {
    if (!kolor)
        return wlasny;
    return static_cast<int32_t>(uint32_t(kolor->red()) | uint32_t(kolor->green()) << 8 |
                                uint32_t(kolor->blue()) << 16);
}

int16_t Punkty(const QFont& f) {
    const int punkty = f.pointSize() > 0 ? f.pointSize() : f.pixelSize() * 72 / 96;
    return static_cast<int16_t>(std::clamp(punkty, 1, 1000));
}

WygladKolumny Wyglad(Qt::Alignment a, const std::optional<QFont>& wlasny, const QFont& domyslny,
                     const std::optional<QColor>& tlo, int32_t tloWlasne,
                     const std::optional<QColor>& tekst) {
    const QFont& f = wlasny ? *wlasny : domyslny;
    WygladKolumny w;
    w.wyrownanie = KodWyrownania(a);
    w.rozmiarFontu = Punkty(f);
    w.pitch = f.fixedPitch() ? store::kPitchStaly : store::kPitchDomyslny;
    w.kolor = KodKoloru(tlo, tloWlasne);
    w.kolorFontu = KodKoloru(tekst, store::kKolorTekstuOkna);
    w.nazwaFontu = f.family().toStdString();
    w.bold = f.bold();
    w.italic = f.italic();
    w.underline = f.underline();
    w.strikeOut = f.strikeOut();
    return w;
}

// The stored font; none when it is the one the grid uses anyway.
std::optional<QFont> Font(const WygladKolumny& w, const QFont& domyslny) {
    QFont f(domyslny);
    if (!w.nazwaFontu.empty())
        f.setFamily(QString::fromStdString(w.nazwaFontu));
    if (w.rozmiarFontu > 0)
        f.setPointSize(w.rozmiarFontu);
    if (w.pitch == store::kPitchStaly || w.pitch == store::kPitchZmienny)
        f.setFixedPitch(w.pitch == store::kPitchStaly);
    f.setBold(w.bold);
    f.setItalic(w.italic);
    f.setUnderline(w.underline);
    f.setStrikeOut(w.strikeOut);
    if (f == domyslny)
        return std::nullopt;
    return f;
}

const QFont& FontTytulow(const kit::DbGrid& siatka) {
    return siatka.horizontalHeader()->font();
}

}  // namespace

KolumnaSiatki DoZapisu(const kit::Column& k, const QFont& fontKomorek, const QFont& fontTytulu) {
    KolumnaSiatki z;
    z.szerokosc = static_cast<int16_t>(std::clamp(k.width, 0, int(INT16_MAX)));
    z.pole = k.field;
    z.komorki =
        Wyglad(k.alignment, k.font, fontKomorek, k.background, store::kKolorOkna, k.foreground);
    z.tytul = k.title.toStdString();
    z.tytulu = Wyglad(k.titleAlignment, k.titleFont, fontTytulu, k.titleBackground,
                      store::kKolorPrzycisku, k.titleForeground);
    return z;
}

kit::Column ZZapisu(const KolumnaSiatki& z, const QFont& fontKomorek, const QFont& fontTytulu) {
    kit::Column k =
        kit::MakeColumn(z.pole, QString::fromStdString(z.tytul), z.szerokosc,
                        Wyrownanie(z.komorki.wyrownanie), Wyrownanie(z.tytulu.wyrownanie));
    k.font = Font(z.komorki, fontKomorek);
    k.titleFont = Font(z.tytulu, fontTytulu);
    k.background = Kolor(z.komorki.kolor, store::kKolorOkna);
    k.foreground = Kolor(z.komorki.kolorFontu, store::kKolorTekstuOkna);
    k.titleBackground = Kolor(z.tytulu.kolor, store::kKolorPrzycisku);
    k.titleForeground = Kolor(z.tytulu.kolorFontu, store::kKolorTekstuOkna);
    return k;
}

std::vector<KolumnaSiatki> UkladSiatki(const kit::DbGrid& siatka) {
    std::vector<KolumnaSiatki> uklad;
    for (const kit::Column& k : siatka.Columns())
        uklad.push_back(DoZapisu(k, siatka.font(), FontTytulow(siatka)));
    return uklad;
}

void ZastosujUklad(kit::DbGrid& siatka, const std::vector<store::ZapisanaKolumna>& uklad,
                   const std::vector<std::string>& pola) {
    std::vector<kit::Column> kolumny = siatka.Columns();
    for (const auto& z : uklad) {
        if (z.numer < 0 || z.numer >= static_cast<int>(kolumny.size()))
            continue;
        kit::Column& k = kolumny[static_cast<size_t>(z.numer)];
        kit::Column nowa = ZZapisu(z.kolumna, siatka.font(), FontTytulow(siatka));
        // A field the table no longer has would leave an empty column: the column keeps
        // what it showed, under its own title.
        if (std::find(pola.begin(), pola.end(), nowa.field) == pola.end()) {
            nowa.field = k.field;
            nowa.title = k.title;
        }
        k = std::move(nowa);
    }
    siatka.SetColumns(std::move(kolumny));
}

void Zastosuj(store::TDM1& tdm1, kit::DbGrid& dbGrid1, kit::DbGrid& dbGrid14) {
    struct Siatka {
        kit::DbGrid* siatka;
        const char* nazwa;
        const store::TableComponent& tabela;
    };
    store::UkladySiatek uklady(tdm1);
    for (const Siatka& s :
         {Siatka{&dbGrid1, kSiatkaPracownikow, tdm1.Tdm().TPracownicy},
          Siatka{&dbGrid14, kSiatkaPoprzednichZatrudnien, tdm1.TPopZatrudnienie}}) {
        const int kolumny = static_cast<int>(s.siatka->Columns().size());
        if (auto uklad = uklady.Czytaj(kFormaGlowna, s.nazwa, kolumny))
            ZastosujUklad(*s.siatka, *uklad, PolaTabeli(s.tabela.Opis()));
    }
}

void Zapisz(store::TDM1& tdm1, const kit::DbGrid& dbGrid1, const kit::DbGrid& dbGrid14) {
    store::UkladySiatek uklady(tdm1);
    uklady.Zapisz(kFormaGlowna, kSiatkaPracownikow, UkladSiatki(dbGrid1));
    uklady.Zapisz(kFormaGlowna, kSiatkaPoprzednichZatrudnien, UkladSiatki(dbGrid14));
}

std::vector<std::string> PolaTabeli(const store::OpisTabeli& opis) {
    std::vector<std::string> pola;
    for (const auto& p : opis.pola)
        pola.emplace_back(p.nazwa);
    return pola;
}

void PodlaczEdycjeKolumn(kit::DbGrid& dbGrid1, store::TDM& tdm) {
    QHeaderView* naglowek = dbGrid1.horizontalHeader();
    naglowek->setSectionsClickable(true);
    QObject::connect(naglowek, &QHeaderView::sectionClicked, &dbGrid1,
                     [&dbGrid1, &tdm, pola = PolaTabeli(tdm.TPracownicy.Opis())](int kolumna) {
                         store::Dialogi& dialogi = tdm.Dialogi_();
                         kit::RunGuarded(dialogi,
                                         [&] { EdytujKolumne(dbGrid1, kolumna, pola, dialogi); });
                     });
}

}  // namespace mirta::shell
