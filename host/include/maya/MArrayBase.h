#pragma once
// Common shape of the host API's array classes.

#include <memory>
#include <vector>

namespace orvex_host {

template <class T> class ArrayBase {
public:
    unsigned int length() const { return static_cast<unsigned int>(view().size()); }
    T& operator[](unsigned int i) { return own()[i]; }
    const T& operator[](unsigned int i) const { return view()[i]; }
    void clear() {
        shared_.reset();
        items_.clear();
    }
    void append(const T& item) { own().push_back(item); }
    void setLength(unsigned int n) { own().resize(n); }
    void remove(unsigned int i) { own().erase(own().begin() + i); }

    // Host-side access.
    std::vector<T>& items() { return own(); }
    const std::vector<T>& items() const { return view(); }

    // Host side: hands out items that the host keeps itself without copying them; the
    // array takes a copy of its own only when it is changed (or written through a
    // non-const access).
    void share(std::shared_ptr<const std::vector<T>> items) {
        items_.clear();
        shared_ = std::move(items);
    }

private:
    const std::vector<T>& view() const { return shared_ ? *shared_ : items_; }
    std::vector<T>& own() {
        if (shared_) {
            items_ = *shared_;
            shared_.reset();
        }
        return items_;
    }

    std::vector<T> items_;
    std::shared_ptr<const std::vector<T>> shared_;
};

} // namespace orvex_host
