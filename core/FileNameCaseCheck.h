// Warns when a file name's letter case differs from the names on disk.  On
// Windows such a name still opens, but the same name would fail on a file
// system that counts case, so the mismatch is worth reporting.
#ifndef ORVEX_CORE_FILE_NAME_CASE_CHECK_H
#define ORVEX_CORE_FILE_NAME_CASE_CHECK_H

#include <string>

// Looks up every leading part of the name (a drive prefix such as "D:" and
// parts ending in ".." excepted) and compares its last component with the
// spelling on disk.  At the first difference it writes "Warning: Loading file
// with invalid case: ", the name and "\n" to the process log, as three texts.
void warnOnCaseMismatch(const std::string& name);

#endif
