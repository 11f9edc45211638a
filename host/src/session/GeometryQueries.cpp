#include "session/GeometryQueries.h"

#include <orvex_host/Session.h>

#include <new>

namespace orvex_host {

namespace {

std::function<void(const std::string&)>& observer() {
    static std::function<void(const std::string&)> current;
    return current;
}

} // namespace

void setGeometryQueryObserver(std::function<void(const std::string& query)> callback) {
    observer() = std::move(callback);
}

void notifyGeometryQuery(const char* query) {
    if (observer()) {
        observer()(query);
    }
}

bool queryFaulted(const char* query) {
    // Per-corner queries run millions of times: skip the lookup when no
    // switch is on.
    if (!anyFaultActive()) {
        return false;
    }
    if (faultActive(std::string("throw:") + query)) {
        throw std::bad_alloc(); // stands in for running out of memory inside the export
    }
    return faultActive(query);
}

} // namespace orvex_host
