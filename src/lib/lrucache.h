#pragma once

#include <cstddef>
#include <list>
#include <optional>
#include <unordered_map>
#include <utility>

namespace Quilt
{
// A cache of fixed capacity that drops the entry used least recently. Both a
// lookup and a store count as a use. Once full, a store of a new key reuses
// the nodes of the key it drops, so churning through keys allocates nothing.
template<typename Key, typename Value, std::size_t Capacity> class LruCache
{
    static_assert(Capacity > 0, "an LruCache must be able to hold an entry");

public:
    std::optional<Value> get(const Key& key)
    {
        auto it = m_entries.find(key);
        if (it == m_entries.end()) {
            return std::nullopt;
        }
        touch(it->second.position);
        return it->second.value;
    }

    void put(const Key& key, Value value)
    {
        auto it = m_entries.find(key);
        if (it != m_entries.end()) {
            it->second.value = std::move(value);
            touch(it->second.position);
            return;
        }

        if (m_keys.size() >= Capacity) {
            auto oldest = m_keys.begin();
            auto node = m_entries.extract(*oldest);
            *oldest = key;
            touch(oldest);
            node.key() = key;
            node.mapped().value = std::move(value);
            node.mapped().position = oldest;
            m_entries.insert(std::move(node));
            return;
        }

        m_keys.push_back(key);
        m_entries.emplace(key, Entry { std::move(value), std::prev(m_keys.end()) });
    }

    // Unlike get(), leaves the order of use alone.
    bool contains(const Key& key) const { return m_entries.find(key) != m_entries.end(); }

    // The values are released after the cache is already empty, so a value
    // whose destructor reaches back into the cache finds it consistent.
    void clear()
    {
        auto entries = std::move(m_entries);
        m_entries.clear();
        m_keys.clear();
    }

    std::size_t size() const { return m_keys.size(); }

    static constexpr std::size_t capacity() { return Capacity; }

private:
    using KeyList = std::list<Key>;

    struct Entry
    {
        Value value;
        typename KeyList::iterator position;
    };

    // Moves a key to the most recently used end.
    void touch(typename KeyList::iterator position) { m_keys.splice(m_keys.end(), m_keys, position); }

    // Least recently used at the front.
    KeyList m_keys;
    std::unordered_map<Key, Entry> m_entries;
};

} // namespace Quilt
