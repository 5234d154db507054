#include "platform/ui/font_registry.h"

#include <QFontDatabase>
#include <QStringList>

namespace textaria::platform {

std::string FontRegistry::RegisterFont(const std::string& path) {
    UnregisterFont(path);
    const int id = QFontDatabase::addApplicationFont(QString::fromStdString(path));
    if (id < 0) return {};
    ids_[path] = id;
    return QFontDatabase::applicationFontFamilies(id).join(QLatin1Char(',')).toStdString();
}

void FontRegistry::UnregisterFont(const std::string& path) {
    const auto it = ids_.find(path);
    if (it == ids_.end()) return;
    QFontDatabase::removeApplicationFont(it->second);
    ids_.erase(it);
}

}  // namespace textaria::platform
