// The player finds a lesson's text in an archive by the archive's own name: tiere.rsd must hold
// tiere.rtf. Packing warns when it does not, as the player would only say the file is missing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace textaria::cli {

// What to tell the author when no member carries the archive's lesson text name; empty when one
// does. archiveName is the archive's file name without folders, memberNames the members' names.
std::string lessonTextNameWarning(std::string_view archiveName,
                                  const std::vector<std::string>& memberNames);

}  // namespace textaria::cli
