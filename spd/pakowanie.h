#pragma once

#include <string>
#include <vector>

namespace mirta::spd {

// Every file directly in `folder` whose name ends in ".csv" in any letter case, sorted.
std::vector<std::string> PlikiCSV(const std::string& folder);

// Packs the CSV files of `folder` into the zip `archiwum`, each under its own name, the files
// compressed on every core. The archive appears only when it was written whole. Returns its
// MD5 (as Md5Pliku gives it), taken while writing. Throws std::runtime_error with the reason
// (no CSV file, unreadable file, write failure).
std::string SpakujPlikiCSV(const std::string& folder, const std::string& archiwum);

// The MD5 digest of a file's bytes as 32 lower-case hexadecimal digits. Throws
// std::runtime_error when the file cannot be read.
std::string Md5Pliku(const std::string& sciezka);

}  // namespace mirta::spd
