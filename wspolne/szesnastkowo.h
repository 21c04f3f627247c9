#pragma once

#include <string>
#include <string_view>

namespace mirta::wspolne {

// Bytes as lower-case hexadecimal digits, two per byte ("%02x" each): how digests (MD5 of a
// package, SHA-256 of a backup, password hashes) are written down.
inline std::string Szesnastkowo(std::string_view bajty) {
    static constexpr char kCyfry[] = "0123456789abcdef";
    std::string wynik;
    wynik.reserve(bajty.size() * 2);
    for (const char c : bajty) {
        const auto b = static_cast<unsigned char>(c);
        wynik += kCyfry[b >> 4];
        wynik += kCyfry[b & 15];
    }
    return wynik;
}

inline std::string Szesnastkowo(const unsigned char* bajty, size_t n) {
    return Szesnastkowo(std::string_view(reinterpret_cast<const char*>(bajty), n));
}

}  // namespace mirta::wspolne
