#include "player/ui/picture_cache.h"

#include <QFileInfo>
#include <QImageReader>

namespace textaria::player {

namespace {

// The shown picture, the next one, and the one before for "[ << ]".
constexpr std::size_t kKeptPictures = 3;

qint64 stampOf(const QString& path) {
    const QFileInfo info(path);
    return info.lastModified().toMSecsSinceEpoch() * 31 + info.size();
}

}  // namespace

PictureCache::~PictureCache() { clear(); }

QImage PictureCache::decode(const QString& path, QSize size) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (size.isValid() && !size.isEmpty() && reader.size().isValid() && size != reader.size())
        reader.setScaledSize(size);
    return reader.read();
}

PictureCache::Entry* PictureCache::find(const QString& path, qint64 stamp, QSize size) {
    for (auto& entry : entries_)
        if (entry.path == path && entry.stamp == stamp && entry.size == size) return &entry;
    return nullptr;
}

void PictureCache::keep(Entry entry) {
    entries_.push_back(std::move(entry));
    while (entries_.size() > kKeptPictures) {
        // A decode still under way finishes before its picture goes.
        if (entries_.front().image.valid()) entries_.front().image.wait();
        entries_.pop_front();
    }
}

void PictureCache::prefetch(const QString& path, QSize size) {
    const qint64 stamp = stampOf(path);
    if (path.isEmpty() || find(path, stamp, size)) return;
    keep({path, stamp, size,
          std::async(std::launch::async, [path, size] { return decode(path, size); }).share()});
}

QImage PictureCache::image(const QString& path, QSize size) {
    const qint64 stamp = stampOf(path);
    if (Entry* entry = find(path, stamp, size)) return entry->image.get();
    std::promise<QImage> done;
    done.set_value(decode(path, size));
    keep({path, stamp, size, done.get_future().share()});
    return entries_.back().image.get();
}

void PictureCache::clear() {
    for (auto& entry : entries_)
        if (entry.image.valid()) entry.image.wait();
    entries_.clear();
}

}  // namespace textaria::player
