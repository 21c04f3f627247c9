#include "engine/held_writes_file.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace mirta::engine {

void HeldWritesFile::Hold() {
    m_pages.clear();
    m_boundary = m_base->Size();
    m_holding = true;
}

std::vector<uint8_t>& HeldWritesFile::Page(uint64_t number) {
    auto it = m_pages.find(number);
    if (it != m_pages.end())
        return it->second;
    const uint64_t start = number * kPage;
    std::vector<uint8_t> bytes(static_cast<size_t>(std::min(kPage, m_boundary - start)));
    bytes.resize(m_base->ReadAt(start, bytes.data(), bytes.size()));
    return m_pages.emplace(number, std::move(bytes)).first->second;
}

size_t HeldWritesFile::ReadAt(uint64_t offset, void* buffer, size_t n) {
    const size_t got = m_base->ReadAt(offset, buffer, n);
    if (!m_holding)
        return got;
    auto* out = static_cast<uint8_t*>(buffer);
    const uint64_t end = offset + got;
    for (auto it = m_pages.lower_bound(offset / kPage); it != m_pages.end(); ++it) {
        const uint64_t pageStart = it->first * kPage;
        if (pageStart >= end)
            break;
        const uint64_t from = std::max(offset, pageStart);
        const uint64_t to = std::min(end, pageStart + it->second.size());
        if (from < to)
            std::memcpy(out + (from - offset), it->second.data() + (from - pageStart),
                        static_cast<size_t>(to - from));
    }
    return got;
}

void HeldWritesFile::WriteAt(uint64_t offset, const void* data, size_t n) {
    const auto* in = static_cast<const uint8_t*>(data);
    if (!m_holding || offset + n <= offset || offset >= m_boundary) {
        m_base->WriteAt(offset, data, n);
        return;
    }
    const uint64_t heldEnd = std::min<uint64_t>(offset + n, m_boundary);
    for (uint64_t at = offset; at < heldEnd;) {
        const uint64_t number = at / kPage;
        std::vector<uint8_t>& page = Page(number);
        const uint64_t pageEnd = std::min(heldEnd, number * kPage + page.size());
        if (pageEnd <= at)  // the file was shorter than it claimed; write the rest through
            break;
        std::memcpy(page.data() + (at - number * kPage), in + (at - offset),
                    static_cast<size_t>(pageEnd - at));
        at = pageEnd;
    }
    if (offset + n > heldEnd)
        m_base->WriteAt(heldEnd, in + (heldEnd - offset),
                        static_cast<size_t>(offset + n - heldEnd));
}

void HeldWritesFile::Truncate(uint64_t size) {
    if (m_holding)
        throw std::logic_error("truncate while writes are held");
    m_base->Truncate(size);
}

std::vector<std::pair<uint64_t, uint64_t>> HeldWritesFile::HeldRanges() const {
    std::vector<std::pair<uint64_t, uint64_t>> ranges;
    for (const auto& [number, page] : m_pages) {
        const uint64_t start = number * kPage, end = start + page.size();
        if (!ranges.empty() && ranges.back().second == start)
            ranges.back().second = end;
        else
            ranges.emplace_back(start, end);
    }
    return ranges;
}

void HeldWritesFile::Release() {
    // Runs of adjacent pages go out as one write each.
    std::vector<uint8_t> run;
    uint64_t runStart = 0;
    auto flush = [&] {
        if (!run.empty())
            m_base->WriteAt(runStart, run.data(), run.size());
        run.clear();
    };
    for (const auto& [number, page] : m_pages) {
        const uint64_t start = number * kPage;
        if (run.empty() || runStart + run.size() != start) {
            flush();
            runStart = start;
        }
        run.insert(run.end(), page.begin(), page.end());
    }
    flush();
    m_pages.clear();
    m_holding = false;
}

void HeldWritesFile::Drop() {
    m_pages.clear();
    m_holding = false;
}

}  // namespace mirta::engine
