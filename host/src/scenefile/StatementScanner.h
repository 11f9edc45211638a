#pragma once
// Finds the statements of a scene file in its text: a statement ends at ';'
// outside double quotes and may span lines; "//" starts a comment that runs
// to the end of the line. The scanner only finds where statements are; it
// copies nothing.

#include <string>

namespace orvex_host {

struct StatementText {
    const char* begin = nullptr; // first character of the command name
    const char* end = nullptr;   // the closing ';' (not part of the statement)
    bool hasComment = false;     // a comment lies inside the statement
};

class StatementScanner {
public:
    // With `lastNeedsSemicolon` false (command lines, scripts) the end of the
    // text also ends the last statement.
    StatementScanner(const char* begin, const char* end, bool lastNeedsSemicolon = true)
        : p_(begin), end_(end), lastNeedsSemicolon_(lastNeedsSemicolon) {}

    enum class Result { Statement, End, Error };
    // The next statement. On Error, `error` says what was expected and
    // `errorAt` points where the problem starts.
    Result next(StatementText& statement, std::string& error, const char*& errorAt);

private:
    void skipSpaceAndComments();
    const char* p_;
    const char* end_;
    bool lastNeedsSemicolon_;
};

// Calls `each(statement)` for every statement of the scanner until `each`
// returns false. Returns End when all were read, Error (with `error` and
// `errorAt` set) when the text is malformed, Statement when `each` stopped.
template <class Each>
StatementScanner::Result forEachStatementText(StatementScanner& scanner, std::string& error,
                                              const char*& errorAt, Each each) {
    StatementText statement;
    StatementScanner::Result r;
    while ((r = scanner.next(statement, error, errorAt)) == StatementScanner::Result::Statement) {
        if (!each(statement)) {
            break;
        }
    }
    return r;
}

// Copies the statement with its comments turned into blanks, so that a value
// reader never sees comment text; the copy has the statement's length, so an
// offset into it is an offset into the file.
std::string withoutComments(const StatementText& statement);

// Counts lines up to a place in the text, remembering the last answer so that
// increasing places cost only the text between them.
class LineCounter {
public:
    explicit LineCounter(const char* begin) : begin_(begin), last_(begin) {}
    int lineAt(const char* p);

private:
    const char* begin_;
    const char* last_;
    int lastLine_ = 1;
};

} // namespace orvex_host
