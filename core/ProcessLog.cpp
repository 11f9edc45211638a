#include "core/ProcessLog.h"

#include <algorithm>

ProcessLog& ProcessLog::instance() {
    static ProcessLog log;
    return log;
}

void ProcessLog::write(const std::string& text) {
    for (std::uint32_t index = 0; index < sinkCount; ++index) {
        sinks[index]->write(text);
    }
}

bool ProcessLog::addSink(ProcessLogSink* sink) {
    if (sink == nullptr || sinkCount == maxSinks) {
        return false;
    }
    sinks[sinkCount++] = sink;
    return true;
}

void ProcessLog::removeSink(ProcessLogSink* sink) {
    const auto end = sinks.begin() + sinkCount;
    const auto found = std::find(sinks.begin(), end, sink);
    if (found != end) {
        std::copy(found + 1, end, found);
        sinks[--sinkCount] = nullptr;
    }
}
