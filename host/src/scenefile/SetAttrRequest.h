#pragma once
// One setAttr statement of a scene file, as the scene reader hands it to a
// node type's setAttr hook (NodeType::setAttrHook). Types whose data lives in
// a payload (mesh geometry, curve data, skin weights, animation keys...)
// consume the statements that fill it; everything else is stored by the
// reader as plain attribute values.

#include <string>
#include <string_view>
#include <vector>

namespace orvex_host {

// One step of the attribute path of a setAttr statement: ".uvst[0].uvsp[0:7]"
// is {"uvst", [0]} then {"uvsp", [0:7]}. Names stand as written (long or
// short); the leading '.' is gone.
struct AttrPathPart {
    std::string name;
    bool indexed = false; // written with brackets
    bool all = false;     // "[*]"
    unsigned first = 0;   // inclusive range; first == last for a single index
    unsigned last = 0;
};

// Reads the value words of one statement in order, straight from the scene
// text (no copy of the whole statement). A word is a double-quoted string or
// a run of characters up to white space or a quote. The numeric readers accept what the
// host's files write: integers, decimals, exponents ("1e+020"), "-0"; the
// boolean reader also takes yes/no, true/false, on/off and 1/0.
class ValueCursor {
public:
    ValueCursor() = default;
    ValueCursor(const char* begin, const char* end) : p_(begin), end_(end) {}

    // True when no word is left.
    bool atEnd();
    // The next word as written (a string keeps its quotes); false at the end.
    bool nextWord(std::string_view& word);
    // Each reader consumes one word and fails, consuming nothing, when the
    // next word is missing or not of its kind.
    bool nextDouble(double& value);
    bool nextInt(long long& value);
    bool nextBool(bool& value);
    // A double-quoted string with its escapes resolved. A string written as
    // ( "abc" + "def" ) is read as one string.
    bool nextString(std::string& value);
    // Skips one word (or one parenthesised string concatenation).
    bool skip();
    // The unread rest, for messages.
    std::string_view rest() const { return std::string_view(p_, static_cast<size_t>(end_ - p_)); }
    // Where the next read starts (for messages that name a line), and going
    // back to a place this cursor has been.
    const char* position() const { return p_; }
    void seek(const char* p) { p_ = p; }
    // The next word without consuming it; false at the end.
    bool peekWord(std::string_view& word) {
        const char* saved = p_;
        bool ok = nextWord(word);
        p_ = saved;
        return ok;
    }

private:
    void skipSpace();
    const char* p_ = nullptr;
    const char* end_ = nullptr;
};

// The number of array elements that setAttr statements may leave out (and
// a hook then fills with defaults) in front of the elements they name,
// summed over one scene file. A file of a few lines that names huge indices
// in many arrays so gets an error instead of gigabytes of filler. The scene
// reader opens one budget per file; outside any, each request is judged on
// its own.
class ElementGapBudget {
public:
    explicit ElementGapBudget(unsigned long long elements);
    ~ElementGapBudget();
    ElementGapBudget(const ElementGapBudget&) = delete;
    ElementGapBudget& operator=(const ElementGapBudget&) = delete;

    // Takes `elements` from the open budget; false (taking nothing) when it
    // holds fewer. True when no budget is open.
    static bool spend(unsigned long long elements);

private:
    unsigned long long left_;
    ElementGapBudget* outer_;
};

struct SetAttrRequest {
    std::vector<AttrPathPart> path;
    std::string type;            // the -type argument (for example "polyFaces"), empty when none
    long long size = -1;         // -s N: the array's total size; -1 when not given
    long long channelCount = -1; // -ch N; -1 when not given
    ValueCursor values;          // the value words after the flags
    // A hook that finds the values malformed describes what it expected here
    // and returns true; the reader then stops with an error naming the file
    // and the line.
    std::string error;
};

} // namespace orvex_host
