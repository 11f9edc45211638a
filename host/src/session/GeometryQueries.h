#pragma once
// What every geometry query of the host does first: tell the test observer
// and look at the query's fault switch.

namespace orvex_host {

// Notifies the observer (setGeometryQueryObserver) of a whole-shape query.
void notifyGeometryQuery(const char* query);
// True when the fault switch of the query is on (the query must fail).
// With the switch "throw:<query>" on it throws std::bad_alloc instead.
bool queryFaulted(const char* query);

} // namespace orvex_host
