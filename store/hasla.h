#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/file_system.h"

namespace mirta::store {

// Salted PBKDF2-HMAC-SHA-256 hashes of the users' passwords, kept in this system's side table
// SkrotyHasel.DB beside Hasla.DB and keyed by the user's Identyfikator. A user with a hash
// there logs in by it; Hasla.DB.Haslo then holds a random value nobody knows, so a lost side
// table locks the users out instead of letting anyone in.
inline constexpr const char* kPlikSkrotowHasel = "SkrotyHasel.DB";
inline constexpr int kIteracjeHasla = 600000;
// Width of Hasla.DB.Haslo.
inline constexpr int kSzerokoscHasla = 10;

class MagazynHasel {
public:
    // `iteracje` applies to hashes written from now on; each row keeps its own count.
    MagazynHasel(engine::FileSystem& fs, std::string katalogDanych, int iteracje = kIteracjeHasla);

    // Whether `haslo` matches the user's hash; nullopt when the user has none yet.
    [[nodiscard]] std::optional<bool> Sprawdz(int32_t identyfikator, std::string_view haslo);
    // Stores a fresh salt and hash for the user (creating the side table when missing) and
    // syncs it.
    void Zapisz(int32_t identyfikator, std::string_view haslo);

    // A value of full width for Hasla.DB.Haslo that no one can type from memory.
    static std::string LosoweHaslo();

private:
    std::string Sciezka();

    engine::FileSystem* m_fs;
    std::string m_katalog;
    int m_iteracje;
};

}  // namespace mirta::store
