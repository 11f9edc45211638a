#pragma once
// Common shape of the host API's array classes.

#include <vector>

namespace orvex_host {

template <class T> class ArrayBase {
public:
    unsigned int length() const { return static_cast<unsigned int>(items_.size()); }
    T& operator[](unsigned int i) { return items_[i]; }
    const T& operator[](unsigned int i) const { return items_[i]; }
    void clear() { items_.clear(); }
    void append(const T& item) { items_.push_back(item); }
    void setLength(unsigned int n) { items_.resize(n); }
    void remove(unsigned int i) { items_.erase(items_.begin() + i); }

    // Host-side access.
    std::vector<T>& items() { return items_; }
    const std::vector<T>& items() const { return items_; }

private:
    std::vector<T> items_;
};

} // namespace orvex_host
