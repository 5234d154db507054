// Fonts the program brings along, added for this run only.
#pragma once

#include <map>
#include <string>

namespace textaria::platform {

class FontRegistry {
  public:
    // Adds the font file for this run; the families it holds, or empty when the file is no
    // font. Windows learn of the new font through the application's font-change event.
    std::string RegisterFont(const std::string& path);
    void UnregisterFont(const std::string& path);

  private:
    std::map<std::string, int> ids_;
};

}  // namespace textaria::platform
