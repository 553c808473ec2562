#pragma once
// Interned texts for large lists: each distinct text is stored once, in one character
// buffer, and named by a 32-bit id. A million list rows repeat a few thousand locations,
// items, dates and codes; cells hold ids instead of strings.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace qv::search {

class StringPool {
public:
    using Id = std::uint32_t;

    // The id of text, adding it when it is new.
    Id intern(QStringView text);
    QStringView view(Id id) const {
        return QStringView(chars_.data() + starts_[id], starts_[id + 1] - starts_[id]);
    }
    QString text(Id id) const { return view(id).toString(); }
    Id size() const { return Id(starts_.size() - 1); }
    void clear();

private:
    void grow();

    std::vector<char16_t> chars_;
    std::vector<std::uint32_t> starts_{0};  // text i is chars_[starts_[i], starts_[i + 1])
    std::vector<Id> slots_;                 // open addressing: id + 1, 0 for a free slot
    // The hash of text i (its low 32 bits: the table stays below 2^32 slots). Growing the
    // table places the ids again without hashing the texts anew, which at a million texts
    // held the window up for a fifth of a second.
    std::vector<std::uint32_t> hashes_;
};

}  // namespace qv::search
