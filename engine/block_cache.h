#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace mirta::engine {

// Plaintext copies of a table's blocks, so that browsing a list in an order other than the
// file's (by surname, say) does not read a block from the file for every row. Bounded in
// bytes; evicts by the clock rule, never the block handed out last.
class BlockCache {
public:
    BlockCache(size_t blockSize, size_t budgetBytes);

    // The cached bytes of a block, or nullptr.
    std::vector<uint8_t>* Find(uint16_t number);
    // A buffer of blockSize bytes to fill for `number`, evicting another block if needed.
    // Valid until the next Find or Slot call that returns another block.
    std::vector<uint8_t>& Slot(uint16_t number);
    // Keeps a cached copy in step with a written block.
    void Update(uint16_t number, const std::vector<uint8_t>& bytes);
    void Clear();

private:
    struct Entry {
        uint16_t number = 0;
        bool used = false;
        std::vector<uint8_t> bytes;
    };

    size_t m_blockSize;
    size_t m_capacity;
    std::vector<Entry> m_entries;  // reserved up front: references stay valid
    std::unordered_map<uint16_t, size_t> m_index;
    size_t m_hand = 0;
    size_t m_last = SIZE_MAX;
};

}  // namespace mirta::engine
