// The process-wide log for problems that the file layer notices on its own
// (such as a file opened with the wrong letter case).  It hands every text to
// its sinks; the system registers none, so nothing written is seen unless a
// test or a future host integration adds a sink.
#ifndef ORVEX_CORE_PROCESS_LOG_H
#define ORVEX_CORE_PROCESS_LOG_H

#include <array>
#include <cstdint>
#include <string>

class ProcessLogSink {
public:
    virtual ~ProcessLogSink() = default;
    // Receives one text; a message may arrive as several texts in a row.
    virtual void write(const std::string& text) = 0;
};

class ProcessLog {
public:
    // The one log, created on first use.
    static ProcessLog& instance();

    ProcessLog(const ProcessLog&) = delete;
    ProcessLog& operator=(const ProcessLog&) = delete;

    // Hands the text to every sink, in the order they were added.
    void write(const std::string& text);

    // Adds a sink that the caller keeps alive until it removes it; false when
    // the log already holds as many sinks as it has room for.
    bool addSink(ProcessLogSink* sink);
    void removeSink(ProcessLogSink* sink);

private:
    ProcessLog() = default;

    static constexpr std::size_t maxSinks = 6;
    std::uint32_t sinkCount = 0;
    std::array<ProcessLogSink*, maxSinks> sinks{};
};

#endif
