#include "engine/block_cache.h"

#include <algorithm>

namespace mirta::engine {

BlockCache::BlockCache(size_t blockSize, size_t budgetBytes)
    : m_blockSize(blockSize), m_capacity(std::max<size_t>(8, budgetBytes / blockSize)) {
    m_entries.reserve(m_capacity);
}

std::vector<uint8_t>* BlockCache::Find(uint16_t number) {
    auto it = m_index.find(number);
    if (it == m_index.end())
        return nullptr;
    Entry& e = m_entries[it->second];
    e.used = true;
    m_last = it->second;
    return &e.bytes;
}

std::vector<uint8_t>& BlockCache::Slot(uint16_t number) {
    if (auto* found = Find(number))
        return *found;
    size_t at;
    if (m_entries.size() < m_capacity) {
        at = m_entries.size();
        m_entries.push_back({});
    } else {
        while (true) {
            Entry& e = m_entries[m_hand];
            if (!e.used && m_hand != m_last)
                break;
            e.used = false;
            m_hand = (m_hand + 1) % m_entries.size();
        }
        at = m_hand;
        m_index.erase(m_entries[at].number);
        m_hand = (m_hand + 1) % m_entries.size();
    }
    Entry& e = m_entries[at];
    e.number = number;
    e.used = true;
    e.bytes.resize(m_blockSize);  // the caller fills every byte
    m_index[number] = at;
    m_last = at;
    return e.bytes;
}

void BlockCache::Update(uint16_t number, const std::vector<uint8_t>& bytes) {
    auto it = m_index.find(number);
    if (it != m_index.end() && &m_entries[it->second].bytes != &bytes)
        m_entries[it->second].bytes = bytes;
}

void BlockCache::Clear() {
    m_entries.clear();
    m_index.clear();
    m_hand = 0;
    m_last = SIZE_MAX;
}

}  // namespace mirta::engine
