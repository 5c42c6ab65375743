#pragma once
// Turns a picture file into an image: BMP, JPEG, GIF and PNG through Qt's
// own readers, PCX through GraphicsMagick. The format is told by the file's
// contents, not its name. Every decoder works under size limits, so a file
// whose header claims a huge picture is refused before anything is
// allocated for it.

#include <QByteArray>
#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <string>

namespace vorlane {

struct PictureLimits {
    int maxSide = 20000;            // pixels, either side
    qint64 maxPixels = 50'000'000;  // width x height; a 48-megapixel photo fits
    int allocationMb = 256;         // one decoded image
    qint64 maxFileBytes = qint64{128} << 20;
};

class PictureLoader {
public:
    explicit PictureLoader(PictureLimits limits = {}, int cacheKb = 96 * 1024);
    // The loader the windows share, so a picture shown twice is decoded once.
    static PictureLoader& shared();

    // A null image when the file cannot be read or holds no picture this
    // loader decodes. Results, failures included, are cached by path, size
    // and modification time.
    QImage load(const QString& path);

    // A record's picture: a relative name is looked up beside databaseFile.
    QImage loadRecordPicture(const std::string& name, const std::string& databaseFile);

    // The decoding itself, for bytes already in memory.
    static QImage decode(const QByteArray& bytes, const PictureLimits& limits);

    const PictureLimits& limits() const { return limits_; }
    int decodeCount() const { return decodes_; }  // loads not served from the cache
    void clearCache() { cache_.clear(); }

private:
    struct Entry {
        qint64 size = 0;
        QDateTime modified;
        QImage image;
    };

    PictureLimits limits_;
    QCache<QString, Entry> cache_;  // cost in KB
    int decodes_ = 0;
};

}  // namespace vorlane
