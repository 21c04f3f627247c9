#include "payroll/polskie_litery.h"

#include <algorithm>

#include "compute/teksty.h"
#include "payroll/kolumny_dbf.h"
#include "engine/code_page.h"
#include "engine/dbf_table.h"

namespace mirta::payroll {

namespace {

constexpr char kDeleted = '*';
constexpr char kNieDaSie = '?';

// dBase pads with spaces; a trimmed value loses control bytes at its ends too.
std::string_view Przytnij(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

}  // namespace

char LiteraStandardu(StandardLiter standard) {
    return standard == StandardLiter::Mazowia ? 'M' : 'L';
}

std::optional<std::string> KodyStandardu(engine::DbfTable& kodpol, StandardLiter standard) {
    const auto& kolumny = kodpol.Columns();
    const engine::DbfColumn& kody = kolumny[size_t(WymaganaKolumna(kodpol, "KODY", "C"))];
    const engine::DbfColumn& znak = kolumny[size_t(WymaganaKolumna(kodpol, "STANDART", "C"))];
    const std::string wzor(1, LiteraStandardu(standard));
    // The bytes as stored: the targets are the payroll program's bytes, not text of the
    // file's code page.
    std::string rekord;
    for (uint64_t i = 0; i < kodpol.RecordCount(); ++i) {
        rekord.clear();
        kodpol.ReadRawRecords(i, 1, rekord);
        if (rekord[0] == kDeleted)
            continue;
        const std::string_view r = rekord;
        if (Przytnij(r.substr(znak.offset, size_t(znak.length))) != wzor)
            continue;
        std::string_view cele = Przytnij(r.substr(kody.offset, size_t(kody.length)));
        if (cele.empty())
            return std::nullopt;
        return std::string(cele);
    }
    return std::nullopt;
}

TlumaczLiter::TlumaczLiter(std::string_view kody, StandardLiter standard)
    : m_strona(standard == StandardLiter::Mazowia ? engine::CodePage::Mazovia()
                                                  : engine::CodePage::ForNumber(852)) {
    const std::string_view litery = compute::kPolskieLitery;
    size_t k = 0;
    for (size_t pos = 0; pos < litery.size();) {
        const char32_t litera = engine::NextUtf8(litery, pos);
        if (k < kody.size())
            m_litery.emplace_back(litera, kody[k++]);
        else
            m_bezCelu.push_back(litera);
    }
}

std::string TlumaczLiter::Przetlumacz(std::string_view tekst, bool& zastapiono) const {
    std::string w;
    w.reserve(tekst.size());
    for (size_t pos = 0; pos < tekst.size();) {
        if (static_cast<unsigned char>(tekst[pos]) < 0x80) {
            w += tekst[pos++];
            continue;
        }
        const char32_t znak = engine::NextUtf8(tekst, pos);
        auto it = std::find_if(m_litery.begin(), m_litery.end(),
                               [&](const auto& p) { return p.first == znak; });
        if (it != m_litery.end()) {
            w += it->second;
            continue;
        }
        // A Polish letter the file gives no target for is not guessed from our own tables.
        const bool litera = std::find(m_bezCelu.begin(), m_bezCelu.end(), znak) != m_bezCelu.end();
        const int bajt = litera ? -1 : m_strona.FromUnicode(znak);
        if (bajt < 0) {
            w += kNieDaSie;
            zastapiono = true;
        } else {
            w += static_cast<char>(bajt);
        }
    }
    return w;
}

}  // namespace mirta::payroll
