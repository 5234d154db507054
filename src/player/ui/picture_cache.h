// Pictures decoded off the window thread. A slide show asks for the next slide ahead, so that
// the step to it finds the picture ready; each picture is decoded straight to the size it is
// shown at (a JPEG is then scaled down while it is decoded), once per size, never per paint.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <deque>
#include <future>

namespace textaria::player {

class PictureCache {
  public:
    PictureCache() = default;
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;
    ~PictureCache();

    // Starts decoding `path` at `size` in the background unless it is there or under way.
    void prefetch(const QString& path, QSize size);
    // The picture at `size` (an empty size: as stored), waiting for a decode under way; a
    // null image when the file cannot be read.
    QImage image(const QString& path, QSize size);
    void clear();

    // Decodes `path` at `size` on the calling thread.
    static QImage decode(const QString& path, QSize size);

  private:
    struct Entry {
        QString path;
        qint64 stamp = 0;  // the file's time and size: a file written anew is decoded anew
        QSize size;
        std::shared_future<QImage> image;
    };
    Entry* find(const QString& path, qint64 stamp, QSize size);
    void keep(Entry entry);

    std::deque<Entry> entries_;  // the most recent last
};

}  // namespace textaria::player
