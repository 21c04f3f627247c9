#include "compute/przedzial_dat.h"

namespace mirta::compute {

namespace {

// Invalid bounds count as open; the empty date sorts before every real one.
DataKal Granica(DataKal d) {
    return d.Poprawna() ? d : DataKal{};
}

PrzedzialDat Oczysc(const PrzedzialDat& p) {
    return PrzedzialDat{Granica(p.od), Granica(p.do_)};
}

}  // namespace

bool PrzedzialDat::Odwrocony() const {
    return od.Poprawna() && do_.Poprawna() && do_ < od;
}

int64_t DniPrzedzialu(const PrzedzialDat& p) {
    const bool maOd = p.od.Poprawna();
    const bool maDo = p.do_.Poprawna();
    if (!maOd && !maDo)
        return kDniObuOtwartych;
    if (!maOd || !maDo)
        return kDniJednegoOtwartego;
    const int64_t roznica = NumerDnia(p.do_) - NumerDnia(p.od);
    return roznica >= 0 ? roznica + 1 : roznica - 1;
}

bool Zachodza(const PrzedzialDat& pa, const PrzedzialDat& pb) {
    if (pa.Odwrocony() || pb.Odwrocony())
        return false;
    const PrzedzialDat a = Oczysc(pa);
    const PrzedzialDat b = Oczysc(pb);
    if (!a.od.Pusta()) {
        if (!a.do_.Pusta() && b.od > a.od)
            return b.od <= a.do_;
        return b.do_.Pusta() || a.od <= b.do_;
    }
    return a.do_.Pusta() || b.od <= a.do_;
}

std::optional<PrzedzialDat> CzescWspolna(const PrzedzialDat& pa, const PrzedzialDat& pb) {
    if (!Zachodza(pa, pb))
        return std::nullopt;
    const PrzedzialDat a = Oczysc(pa);
    const PrzedzialDat b = Oczysc(pb);
    PrzedzialDat w;
    w.od = a.od < b.od ? b.od : a.od;  // an open bound is the smallest
    if (a.do_.Pusta())
        w.do_ = b.do_;
    else if (b.do_.Pusta())
        w.do_ = a.do_;
    else
        w.do_ = a.do_ < b.do_ ? a.do_ : b.do_;
    return w;
}

bool Zawiera(const PrzedzialDat& a, const PrzedzialDat& b) {
    const auto w = CzescWspolna(a, b);
    return w && *w == Oczysc(b);
}

bool Zatrudniony(DataKal dataZatrudnienia, DataKal dataZwolnienia, DataKal d1, DataKal d2) {
    return Zachodza(PrzedzialDat{dataZatrudnienia, dataZwolnienia}, PrzedzialDat{d1, d2});
}

}  // namespace mirta::compute
