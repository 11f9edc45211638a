#include "HandleTable.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <variant>

namespace orvex_platform::detail {
namespace {

struct Search {};
using Entry = std::variant<OpenFile, Search>;

class HandleTable {
public:
    HANDLE add(const Entry& entry) {
        const std::lock_guard<std::mutex> lock(mutex);
        // Like Windows, hand out multiples of four; never 0 or the invalid value.
        nextId += 4;
        entries.emplace(nextId, entry);
        return reinterpret_cast<HANDLE>(nextId);
    }

    std::optional<Entry> find(HANDLE handle) {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto it = entries.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == entries.end()) {
            return std::nullopt;
        }
        return it->second;
    }

    template <typename Kind> std::optional<Kind> remove(HANDLE handle) {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto it = entries.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == entries.end() || !std::holds_alternative<Kind>(it->second)) {
            return std::nullopt;
        }
        const Kind removed = std::get<Kind>(it->second);
        entries.erase(it);
        return removed;
    }

private:
    std::mutex mutex;
    std::map<std::uintptr_t, Entry> entries;
    std::uintptr_t nextId = 0;
};

HandleTable& table() {
    static HandleTable handles;
    return handles;
}

} // namespace

HANDLE addFileHandle(const OpenFile& file) {
    return table().add(file);
}

HANDLE addSearchHandle() {
    return table().add(Search{});
}

std::optional<OpenFile> fileOf(HANDLE handle) {
    const std::optional<Entry> entry = table().find(handle);
    if (!entry || !std::holds_alternative<OpenFile>(*entry)) {
        return std::nullopt;
    }
    return std::get<OpenFile>(*entry);
}

std::optional<OpenFile> removeFileHandle(HANDLE handle) {
    return table().remove<OpenFile>(handle);
}

bool removeSearchHandle(HANDLE handle) {
    return table().remove<Search>(handle).has_value();
}

} // namespace orvex_platform::detail
