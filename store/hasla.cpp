#include "store/hasla.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <vector>

#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "wspolne/szesnastkowo.h"

namespace mirta::store {
namespace {

using engine::FieldDef;
using engine::FieldType;
using engine::Value;

constexpr int kBajtySoli = 16;
constexpr int kBajtySkrotu = 32;

// Identyfikator is the key; salt and hash in hex.
const std::vector<FieldDef>& PolaSkrotow() {
    static const std::vector<FieldDef> pola = {
        {"Identyfikator", FieldType::Long, 4},
        {"Sol", FieldType::Alpha, 2 * kBajtySoli},
        {"Skrot", FieldType::Alpha, 2 * kBajtySkrotu},
        {"Iteracje", FieldType::Long, 4},
    };
    return pola;
}

std::string Losowe(int n) {
    std::string bajty(static_cast<size_t>(n), '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char*>(bajty.data()), n) != 1)
        throw engine::EngineError("Brak losowych danych do zapisu hasła", {}, "RAND_bytes");
    return bajty;
}

std::string Skrot(std::string_view haslo, const std::string& solHex, int iteracje) {
    unsigned char wynik[kBajtySkrotu];
    if (PKCS5_PBKDF2_HMAC(haslo.data(), static_cast<int>(haslo.size()),
                          reinterpret_cast<const unsigned char*>(solHex.data()),
                          static_cast<int>(solHex.size()), iteracje, EVP_sha256(), kBajtySkrotu,
                          wynik) != 1)
        throw engine::EngineError("Nie udało się obliczyć skrótu hasła", {}, "PBKDF2");
    return wspolne::Szesnastkowo(wynik, kBajtySkrotu);
}

std::string TekstPola(const Value& v) {
    return v.IsNull() ? std::string() : v.AsText();
}

}  // namespace

MagazynHasel::MagazynHasel(engine::FileSystem& fs, std::string katalogDanych, int iteracje)
    : m_fs(&fs), m_katalog(std::move(katalogDanych)), m_iteracje(iteracje) {}

std::string MagazynHasel::Sciezka() {
    return engine::ResolvePath(*m_fs, m_katalog + "/" + kPlikSkrotowHasel);
}

std::optional<bool> MagazynHasel::Sprawdz(int32_t identyfikator, std::string_view haslo) {
    const std::string sciezka = Sciezka();
    if (!m_fs->Exists(sciezka))
        return std::nullopt;
    auto tabela = engine::ParadoxTable::Open(*m_fs, sciezka);
    const uint64_t i = tabela->LowerBound({Value::Integer(identyfikator)});
    if (i >= tabela->RowCount())
        return std::nullopt;
    auto wiersz = tabela->ReadRow(i);
    if (wiersz[0].IsNull() || wiersz[0].AsInteger() != identyfikator)
        return std::nullopt;
    const std::string sol = TekstPola(wiersz[1]);
    const std::string zapisany = TekstPola(wiersz[2]);
    const int iteracje = wiersz[3].IsNull() ? 0 : static_cast<int>(wiersz[3].AsInteger());
    // A damaged row never lets anyone in.
    if (sol.empty() || zapisany.size() != 2 * kBajtySkrotu || iteracje <= 0)
        return false;
    const std::string obliczony = Skrot(haslo, sol, iteracje);
    return CRYPTO_memcmp(obliczony.data(), zapisany.data(), zapisany.size()) == 0;
}

void MagazynHasel::Zapisz(int32_t identyfikator, std::string_view haslo) {
    const std::string sciezka = Sciezka();
    std::unique_ptr<engine::ParadoxTable> tabela;
    if (m_fs->Exists(sciezka))
        tabela = engine::ParadoxTable::Open(*m_fs, sciezka);
    else
        tabela = engine::ParadoxTable::Create(*m_fs, sciezka, PolaSkrotow(), 1);
    const std::string sol = wspolne::Szesnastkowo(Losowe(kBajtySoli));
    engine::Record wiersz = {Value::Integer(identyfikator), Value::Text(sol),
                             Value::Text(Skrot(haslo, sol, m_iteracje)),
                             Value::Integer(m_iteracje)};
    const uint64_t i = tabela->LowerBound({Value::Integer(identyfikator)});
    if (i < tabela->RowCount() && tabela->ReadField(i, 0).AsInteger() == identyfikator)
        tabela->Update(i, wiersz);
    else
        tabela->Insert(wiersz);
    tabela->Sync();
}

std::string MagazynHasel::LosoweHaslo() {
    static constexpr std::string_view kZnaki =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string wynik;
    while (wynik.size() < static_cast<size_t>(kSzerokoscHasla)) {
        for (unsigned char b : Losowe(kSzerokoscHasla)) {
            // Rejection keeps every character equally likely.
            if (b < 248 && wynik.size() < static_cast<size_t>(kSzerokoscHasla))
                wynik += kZnaki[b % kZnaki.size()];
        }
    }
    return wynik;
}

}  // namespace mirta::store
