// An open-addressing hash index from 64-bit keys to 32-bit positions, for the table passes and
// the chart: finding a term's merge partners and de-duplicating terms in constant time.
#pragma once

#include <cstdint>
#include <vector>

namespace vyn {

class HashIndex {
  public:
    static constexpr std::uint32_t Missing = 0xFFFFFFFFu;

    HashIndex() : HashIndex(16) {}
    explicit HashIndex(std::size_t expected) { reset(expected); }

    // Empties the index and sizes it for `expected` keys.
    void reset(std::size_t expected) {
        std::size_t capacity = 16;
        while (capacity < expected * 2)
            capacity *= 2;
        keys_.assign(capacity, EmptyKey);
        values_.assign(capacity, Missing);
        size_ = 0;
    }

    // The position stored for `key`, or Missing.
    std::uint32_t find(std::uint64_t key) const {
        std::size_t i = slot(key);
        while (keys_[i] != EmptyKey) {
            if (keys_[i] == key)
                return values_[i];
            i = (i + 1) & (keys_.size() - 1);
        }
        return Missing;
    }

    // Stores `value` for a new key and returns true; leaves a present key alone and returns
    // false.
    bool insert(std::uint64_t key, std::uint32_t value) {
        if ((size_ + 1) * 2 > keys_.size())
            grow();
        std::size_t i = slot(key);
        while (keys_[i] != EmptyKey) {
            if (keys_[i] == key)
                return false;
            i = (i + 1) & (keys_.size() - 1);
        }
        keys_[i] = key;
        values_[i] = value;
        ++size_;
        return true;
    }

  private:
    // Terms never produce this key: masks and values use only 26 bits each.
    static constexpr std::uint64_t EmptyKey = ~std::uint64_t{0};

    std::size_t slot(std::uint64_t key) const {
        // splitmix64 finaliser: cheap and spreads the regular bit patterns of terms well.
        std::uint64_t z = key + 0x9E3779B97F4A7C15ull;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<std::size_t>(z) & (keys_.size() - 1);
    }

    void grow() {
        std::vector<std::uint64_t> oldKeys = std::move(keys_);
        std::vector<std::uint32_t> oldValues = std::move(values_);
        keys_.assign(oldKeys.size() * 2, EmptyKey);
        values_.assign(oldKeys.size() * 2, Missing);
        size_ = 0;
        for (std::size_t i = 0; i < oldKeys.size(); ++i)
            if (oldKeys[i] != EmptyKey)
                insert(oldKeys[i], oldValues[i]);
    }

    std::vector<std::uint64_t> keys_;
    std::vector<std::uint32_t> values_;
    std::size_t size_ = 0;
};

// The key of a term: its mask and its value bits.
inline std::uint64_t TermKey(std::uint32_t value, std::uint32_t mask) {
    return (static_cast<std::uint64_t>(mask) << 32) | (value & 0x3FFFFFFu);
}

} // namespace vyn
