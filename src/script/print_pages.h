// How the editor's printouts are cut into sheets: the script at its page marks, the output memo
// at its "." lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::script {

// The page mark inserted with Ctrl+Enter: "¶" and a line break.
inline constexpr std::string_view kPageMarkUtf8 = "\xC2\xB6";

// The script's pages: the text cut wherever the page mark is followed by a line break (CR LF
// or LF). A mark at the very end leaves no empty last page behind it.
std::vector<std::string> scriptPrintPages(std::string_view text);

// The memo prints 74 line heights to a sheet, the first line at two line heights.
inline constexpr int kMemoLineSlots = 74;
inline constexpr std::size_t kMemoLinesPerSheet = kMemoLineSlots - 2;

// The memo's sheets: a line beginning with "." starts a new sheet and is not printed (on a
// sheet that is still empty it only vanishes); a full sheet goes on on the next one, so no line
// is lost below the paper's edge.
std::vector<std::vector<std::string>> memoPrintPages(std::string_view text,
                                                     std::size_t linesPerSheet);

}  // namespace textaria::script
