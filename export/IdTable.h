#pragma once
// A map from a name to a 1-based id: a name gets the table's size plus one on
// first reference and keeps that id, so ids are dense in order of first
// reference. Iteration is in ascending byte order of the names.

#include <cstdint>
#include <map>
#include <string>

class IdTable {
public:
    using Map = std::map<std::string, uint32_t>;

    // The id of `name`, adding it with the next id when it is new.
    uint32_t idOf(const std::string& name) {
        auto it = ids_.find(name);
        if (it != ids_.end()) {
            return it->second;
        }
        uint32_t id = static_cast<uint32_t>(ids_.size() + 1);
        ids_.emplace(name, id);
        return id;
    }

    // Looks a name up without adding it.
    bool find(const std::string& name, uint32_t& id) const {
        auto it = ids_.find(name);
        if (it == ids_.end()) {
            return false;
        }
        id = it->second;
        return true;
    }

    bool contains(const std::string& name) const { return ids_.count(name) != 0; }
    // Adds `name` with a given id unless it is already there.
    void insert(const std::string& name, uint32_t id) { ids_.emplace(name, id); }
    size_t size() const { return ids_.size(); }
    bool empty() const { return ids_.empty(); }
    Map::const_iterator begin() const { return ids_.begin(); }
    Map::const_iterator end() const { return ids_.end(); }

private:
    Map ids_;
};
