#include "store/katalogi_plac.h"

#include "engine/engine_error.h"

namespace mirta::store {
namespace {

bool Bezwzgledna(const std::string& sciezka) {
    if (sciezka.empty())
        return false;
    if (sciezka[0] == '/' || sciezka[0] == '\\')
        return true;
    return sciezka.size() > 1 && sciezka[1] == ':';  // C:\Ovelsand
}

}  // namespace

std::string UstawKatalogiPlac(engine::Table& parametryKadr, const std::string& katalogDanych) {
    // Another program may have changed the parameters since they were read.
    if (parametryKadr.CurrentStamp() != parametryKadr.LastStamp())
        parametryKadr.Reload();
    if (parametryKadr.RowCount() == 0)
        return katalogDanych;
    const auto& pola = parametryKadr.Fields();
    int kolumna = -1;
    for (size_t i = 0; i < pola.size(); ++i)
        if (pola[i].name == "SciezkaPlac")
            kolumna = static_cast<int>(i);
    if (kolumna < 0)
        throw engine::EngineError("Tabela ParametryKadr.db nie ma pola SciezkaPlac",
                                  parametryKadr.Path(), "UstawKatalogiPlac");
    engine::Value wartosc = parametryKadr.ReadField(0, kolumna);
    std::string sciezka = wartosc.IsNull() ? std::string() : wartosc.AsText();
    while (!sciezka.empty() && sciezka.back() == ' ')
        sciezka.pop_back();
    while (!sciezka.empty() && (sciezka.back() == '\\' || sciezka.back() == '/'))
        sciezka.pop_back();
    if (sciezka.empty())
        return katalogDanych;
    if (Bezwzgledna(sciezka))
        return sciezka;
    return katalogDanych + "/" + sciezka;
}

}  // namespace mirta::store
