#include "payroll/wiersze_placowe.h"

#include <span>

#include "payroll/kolumny_dbf.h"
#include "payroll/polskie_litery.h"
#include "engine/dbf_table.h"

namespace mirta::payroll {

namespace {

using engine::Value;

enum class Zrodlo {
    Tekst,   // a text field of Mirta.DB, translated
    Data,    // a date field
    Liczba,  // a number field
    Numer,   // the employee number chosen
    Ulga,    // "Nie" for UlgaPodatkowa "N", else "Tak"
    Stala,   // the fixed value in `pole`
    ZMirty,  // the value just built for the MIRTA.DBF column named in `pole`
};

struct OpisKolumny {
    std::string_view kolumna;
    std::string_view typy;  // dBase types accepted
    Zrodlo zrodlo;
    std::string_view pole;
};

constexpr std::string_view kZnakowe = "C";
constexpr std::string_view kLiczbowe = "NF";
constexpr std::string_view kDaty = "D";

// The columns of MIRTA.DBF the payroll program takes from the personnel data; its other
// columns keep the empty value of a new row.
constexpr OpisKolumny kMirtaDbf[] = {
    {"K_NRP", kLiczbowe, Zrodlo::Numer, {}},
    {"K_NAZW", kZnakowe, Zrodlo::Tekst, "Nazwisko"},
    {"K_IMIE1", kZnakowe, Zrodlo::Tekst, "Imie1"},
    {"K_IMIE2", kZnakowe, Zrodlo::Tekst, "Imie2"},
    {"K_AK", kZnakowe, Zrodlo::Tekst, "KodPocztowy"},
    {"K_AM", kZnakowe, Zrodlo::Tekst, "Miejscowosc"},
    {"K_AP", kZnakowe, Zrodlo::Tekst, "Poczta"},
    {"K_AU", kZnakowe, Zrodlo::Tekst, "Ulica"},
    {"K_AD", kZnakowe, Zrodlo::Tekst, "NrDomuiMieszkania"},
    {"K_DATU", kDaty, Zrodlo::Data, "DataUrodzenia"},
    {"K_IMIE3", kZnakowe, Zrodlo::Tekst, "ImieOjca"},
    {"K_IMIE4", kZnakowe, Zrodlo::Tekst, "ImieMatki"},
    {"K_FZ", kZnakowe, Zrodlo::Tekst, "UmyslowyFizyczny"},
    {"K_WE", kLiczbowe, Zrodlo::Liczba, "Etat"},
    {"K_SZ", kZnakowe, Zrodlo::Tekst, "SystemZatrudnienia"},
    {"K_CZ", kZnakowe, Zrodlo::Tekst, "KosztyUzyskaniaPrzychodu"},
    {"K_DATZAT", kDaty, Zrodlo::Data, "DataZatrudnienia"},
    {"K_DATZW", kDaty, Zrodlo::Data, "DataZwolnienia"},
    {"K_KT", kZnakowe, Zrodlo::Tekst, "KontoKosztow"},
    {"K_PD", kZnakowe, Zrodlo::Ulga, "UlgaPodatkowa"},
    {"K_DOW", kZnakowe, Zrodlo::Tekst, "NumerDowoduOsobistego"},
    {"K_NRKONT", kZnakowe, Zrodlo::Tekst, "NumerKontaBankowego"},
    {"K_PLEC", kZnakowe, Zrodlo::Tekst, "Plec"},
    {"K_MIEJUR", kZnakowe, Zrodlo::Tekst, "MiejsceUrodzenia"},
    {"K_PESEL", kZnakowe, Zrodlo::Tekst, "PESEL"},
    {"K_WYDDOW", kZnakowe, Zrodlo::Tekst, "KtoWydalDowodosobisty"},
    {"K_CHAR_ZAT", kZnakowe, Zrodlo::Tekst, "CharakterZatrudnienia"},
    {"K_NIP", kZnakowe, Zrodlo::Tekst, "Nip"},
    {"K_KOD_UB", kZnakowe, Zrodlo::Tekst, "KodUbezpieczenia"},
};

// PRACLIST.DBF: the payroll list, filled from the MIRTA.DBF row.
constexpr OpisKolumny kPracList[] = {
    {"PL_NRL", kLiczbowe, Zrodlo::Stala, "1"},
    {"PL_NRP", kLiczbowe, Zrodlo::ZMirty, "K_NRP"},
    {"PL_NAZ", kZnakowe, Zrodlo::ZMirty, "K_NAZW"},
    {"PL_IMIE1", kZnakowe, Zrodlo::ZMirty, "K_IMIE1"},
    {"PL_IMIE2", kZnakowe, Zrodlo::ZMirty, "K_IMIE2"},
    {"PL_INDL", kZnakowe, Zrodlo::Stala, "0"},
    {"PL_PD", kZnakowe, Zrodlo::ZMirty, "K_PD"},
    {"PL_ZUS", kZnakowe, Zrodlo::ZMirty, "K_ZUS"},
    {"PL_WE", kLiczbowe, Zrodlo::ZMirty, "K_WE"},
    {"PL_SZ", kZnakowe, Zrodlo::ZMirty, "K_SZ"},
    {"PL_CZ", kZnakowe, Zrodlo::ZMirty, "K_CZ"},
};

// A character value no wider than its column: cut after the translation, so it never runs
// into the next column.
Value Znakowa(std::string bajty, int szerokosc) {
    if (bajty.size() > size_t(szerokosc))
        bajty.resize(size_t(szerokosc));
    if (bajty.empty())
        return {};
    return Value::Bytes(std::move(bajty));
}

}  // namespace

struct WierszePlacowe::Przypisanie {
    int kolumna = -1;  // in the payroll file
    int szerokosc = 0;
    bool liczbowa = false;
    Zrodlo zrodlo = Zrodlo::Stala;
    int pole = -1;  // in Mirta.DB, or the MIRTA.DBF column for ZMirty (-1: not there)
    std::string_view stala;
};

namespace {

std::vector<WierszePlacowe::Przypisanie> Przypisz(const engine::DbfTable& plik,
                                                  std::span<const OpisKolumny> opisy,
                                                  const engine::Dataset& pracownicy,
                                                  const engine::DbfTable* mirta,
                                                  ZrodloNumeru numer) {
    std::vector<WierszePlacowe::Przypisanie> wynik;
    for (const OpisKolumny& o : opisy) {
        WierszePlacowe::Przypisanie p;
        p.kolumna = WymaganaKolumna(plik, o.kolumna, o.typy);
        p.szerokosc = plik.Columns()[size_t(p.kolumna)].length;
        p.liczbowa = o.typy == kLiczbowe;
        p.zrodlo = o.zrodlo;
        switch (o.zrodlo) {
            case Zrodlo::Tekst:
            case Zrodlo::Data:
            case Zrodlo::Liczba:
            case Zrodlo::Ulga:
                p.pole = pracownicy.FieldIndex(o.pole);
                break;
            case Zrodlo::Numer:
                p.pole = pracownicy.FieldIndex(
                    numer == ZrodloNumeru::Identyfikator ? "Identyfikator" : "NumerPracownika");
                break;
            case Zrodlo::ZMirty:
                p.pole = ZnajdzKolumne(*mirta, o.pole);
                break;
            case Zrodlo::Stala:
                p.stala = o.pole;
                break;
        }
        wynik.push_back(p);
    }
    return wynik;
}

}  // namespace

WierszePlacowe::WierszePlacowe(const engine::DbfTable& mirta, const engine::DbfTable& praclist,
                               const engine::Dataset& pracownicy, const TlumaczLiter& tlumacz,
                               ZrodloNumeru numer)
    : m_mirta(Przypisz(mirta, kMirtaDbf, pracownicy, nullptr, numer)),
      m_praclist(Przypisz(praclist, kPracList, pracownicy, &mirta, numer)),
      m_kolumnyMirta(mirta.Columns().size()),
      m_kolumnyPraclist(praclist.Columns().size()),
      m_tlumacz(tlumacz) {}

WierszePlacowe::~WierszePlacowe() = default;

ParaWierszy WierszePlacowe::Zbuduj(const engine::RowView& pracownik) const {
    ParaWierszy para;
    para.mirta.resize(m_kolumnyMirta);
    for (const Przypisanie& p : m_mirta) {
        const Value& v = pracownik.At(p.pole);
        Value& cel = para.mirta[size_t(p.kolumna)];
        switch (p.zrodlo) {
            case Zrodlo::Tekst:
                if (!v.IsNull())
                    cel = Znakowa(m_tlumacz.Przetlumacz(v.AsText(), para.zastapiono), p.szerokosc);
                break;
            case Zrodlo::Data:
            case Zrodlo::Liczba:
                cel = v;
                break;
            case Zrodlo::Numer:
                // An employee without a personnel number gets 0.
                cel = v.IsNull() ? Value::Integer(0) : v;
                break;
            case Zrodlo::Ulga: {
                const bool nie = !v.IsNull() && engine::TrimSpaces(v.AsText()) == "N";
                cel = Znakowa(nie ? "Nie" : "Tak", p.szerokosc);
                break;
            }
            default:
                break;
        }
    }
    para.praclist.resize(m_kolumnyPraclist);
    for (const Przypisanie& p : m_praclist) {
        Value& cel = para.praclist[size_t(p.kolumna)];
        if (p.zrodlo == Zrodlo::Stala) {
            cel = p.liczbowa ? Value::Text(std::string(p.stala))
                             : Znakowa(std::string(p.stala), p.szerokosc);
            continue;
        }
        if (p.pole < 0)
            continue;
        const Value& v = para.mirta[size_t(p.pole)];
        cel = v.kind() == Value::Kind::Bytes ? Znakowa(v.AsBytes(), p.szerokosc) : v;
    }
    return para;
}

}  // namespace mirta::payroll
