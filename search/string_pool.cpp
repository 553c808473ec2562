#include "search/string_pool.h"

#include <QHashFunctions>

#include <stdexcept>

namespace qv::search {

StringPool::Id StringPool::intern(QStringView text) {
    if ((size() + 1) * 2 > slots_.size()) {
        grow();
    }
    const std::size_t mask = slots_.size() - 1;
    const auto hash = std::uint32_t(qHash(text));
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Id stored = slots_[slot];
        if (stored == 0) {
            if (chars_.size() + std::size_t(text.size()) > UINT32_MAX) {
                throw std::length_error("The list's text store is full");
            }
            const Id id = size();
            chars_.insert(chars_.end(), text.utf16(), text.utf16() + text.size());
            starts_.push_back(std::uint32_t(chars_.size()));
            hashes_.push_back(hash);
            slots_[slot] = id + 1;
            return id;
        }
        if (hashes_[stored - 1] == hash && view(stored - 1) == text) {
            return stored - 1;
        }
    }
}

void StringPool::grow() {
    std::vector<Id> table(slots_.empty() ? 1024 : slots_.size() * 2, 0);
    const std::size_t mask = table.size() - 1;
    for (Id id = 0; id < size(); ++id) {
        std::size_t slot = hashes_[id] & mask;
        while (table[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        table[slot] = id + 1;
    }
    slots_.swap(table);
}

void StringPool::clear() {
    // Swapping with empty vectors gives the memory back; clear() would keep it.
    std::vector<char16_t>().swap(chars_);
    std::vector<std::uint32_t>{0}.swap(starts_);
    std::vector<Id>().swap(slots_);
    std::vector<std::uint32_t>().swap(hashes_);
}

}  // namespace qv::search
