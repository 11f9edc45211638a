// The statements of a scene file's header: requires, file (references),
// currentUnit and fileInfo.

#include "api/TimeUnits.h"
#include "scenefile/Statements.h"
#include "scenefile/Units.h"

namespace orvex_host {

void readRequires(ReaderContext&, ValueCursor&) {
    // The plug-ins and versions a file needs: the host has every type it
    // models built in and keeps the others generically.
}

void readFile(ReaderContext& ctx, ValueCursor& cursor) {
    static const std::vector<FlagSpec> kFlags = {{"r", "reference", false},
                                                 {"rdi", "referenceDepthInfo", true}};
    const char* at = cursor.position();
    std::vector<Word> words;
    ParsedWords parsed = ctx.readWords(cursor, kFlags, words);
    if (parsed.has("r") || parsed.has("rdi")) {
        ctx.noticeOnce("file reference", at, "the scene references other files; references are not followed");
    }
}

void readCurrentUnit(ReaderContext& ctx, ValueCursor& cursor) {
    static const std::vector<FlagSpec> kFlags = {{"l", "linear", true},
                                                 {"a", "angle", true},
                                                 {"t", "time", true},
                                                 {"f", "fullName", false},
                                                 {"ua", "updateAnimation", true}};
    std::vector<Word> words;
    ParsedWords parsed = ctx.readWords(cursor, kFlags, words);
    SceneSettings& settings = ctx.scene().settings();
    if (const ParsedFlag* l = parsed.find("l")) {
        if (!linearUnit(l->argument->text, settings.linearUnitToCm, settings.linearUnitName)) {
            ctx.fail(l->argument->at,
                     "expected a linear unit (millimeter, centimeter, meter, kilometer, inch, "
                     "foot, yard or mm, cm, m, km, in, ft, yd), found \"" +
                         l->argument->text + "\"");
        }
    }
    if (const ParsedFlag* a = parsed.find("a")) {
        if (!angleUnit(a->argument->text, settings.angleUnitToRad, settings.angleUnitName)) {
            ctx.fail(a->argument->at, "expected an angle unit (degree, radian or deg, rad), found \"" +
                                          a->argument->text + "\"");
        }
    }
    if (const ParsedFlag* t = parsed.find("t")) {
        // Host versions keep adding rates; a file from a later one may name a
        // unit this host has not got. The file is still readable, its times
        // counted in film frames, the host's default.
        MTime::Unit unit = MTime::kFilm;
        const std::string& name = t->argument->text;
        if (timeUnitByName(name, unit)) {
            settings.timeUnitName = name;
        } else {
            settings.timeUnitName = "film";
            ctx.noticeOnce("time unit:" + name, t->argument->at,
                           "time unit \"" + name +
                               "\" is not one the host knows; times are read as film (24 fps)");
        }
    }
}

namespace {

using FileInfo = std::vector<std::pair<std::string, std::string>>;

void indexFileInfo(const FileInfo& info, std::map<std::string, size_t>& positions) {
    positions.clear();
    for (size_t i = 0; i < info.size(); ++i) {
        positions.emplace(info[i].first, i);
    }
}

} // namespace

void readFileInfo(ReaderContext& ctx, ValueCursor& cursor) {
    static const std::vector<FlagSpec> kFlags = {{"rm", "remove", true}};
    const char* at = cursor.position();
    std::vector<Word> words;
    ParsedWords parsed = ctx.readWords(cursor, kFlags, words);
    FileInfo& info = ctx.scene().settings().fileInfo;
    std::map<std::string, size_t>& positions = ctx.fileInfoPositions();
    if (positions.size() != info.size()) {
        indexFileInfo(info, positions);
    }
    if (const ParsedFlag* rm = parsed.find("rm")) {
        // Keys are unique in the list: at most one entry goes.
        const auto found = positions.find(rm->argument->text);
        if (found != positions.end()) {
            info.erase(info.begin() + static_cast<std::ptrdiff_t>(found->second));
            positions.clear(); // rebuilt by the next statement
        }
        return;
    }
    if (parsed.positional.size() != 2) {
        ctx.fail(at, "expected fileInfo KEY VALUE");
    }
    const std::string& key = parsed.positional[0]->text;
    const std::string& value = parsed.positional[1]->text;
    const auto [position, added] = positions.emplace(key, info.size());
    if (added) {
        info.emplace_back(key, value);
    } else {
        info[position->second].second = value;
    }
}

} // namespace orvex_host
