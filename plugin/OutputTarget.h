#pragma once
// What already stands at an output file's name, and so how a new version of
// that file can take its place.

#include <string>

struct OutputTarget {
    enum class Kind {
        // Nothing there yet, or a file that may be written: a finished
        // temporary file is renamed over it.
        Replaceable,
        // A device, pipe or directory: opened (or refused) as it stands and
        // never replaced, as opening it for writing would do.
        InPlace,
        // A file that cannot be opened for writing: it is left as it is.
        Unwritable,
    };
    Kind kind = Kind::Replaceable;
    // The native path of what is replaced: the name itself, or the file that
    // its symbolic links lead to.
    std::string path;
    bool followedLink = false;
};

// Looks at what a native path names. Symbolic links are followed, so that a
// link keeps pointing at the file that receives the new contents.
OutputTarget examineOutputTarget(const std::string& nativePath);
