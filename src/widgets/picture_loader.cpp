#include "widgets/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cstring>
#include <mutex>

#include <magick/api.h>

#include "storage/picture_path.h"
#include "widgets/text_codec.h"

namespace vorlane {

namespace {

bool WithinLimits(qint64 width, qint64 height, const PictureLimits& limits) {
    if (width <= 0 || height <= 0) return false;
    if (width > limits.maxSide || height > limits.maxSide) return false;
    if (width * height > limits.maxPixels) return false;
    return width * height * 4 <= qint64{limits.allocationMb} << 20;
}

QImage ReadWithQt(QImageReader& reader, const PictureLimits& limits) {
    reader.setAllocationLimit(limits.allocationMb);
    // The header's claim is checked before any pixel memory is asked for.
    QSize claimed = reader.size();
    if (claimed.isValid() && !WithinLimits(claimed.width(), claimed.height(), limits)) return {};
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull() || !WithinLimits(image.width(), image.height(), limits)) return {};
    return image;
}

// A PCX file has no magic number; its first bytes are the maker (10), a
// version up to 5 and the encoding (0 or 1).
bool LooksLikePcx(const QByteArray& bytes) {
    return bytes.size() >= 128 && static_cast<unsigned char>(bytes[0]) == 0x0A &&
           static_cast<unsigned char>(bytes[1]) <= 5 && static_cast<unsigned char>(bytes[2]) <= 1;
}

void QuietMagickMessage(const ExceptionType, const char*, const char*) {}

void StartMagick() {
    static std::once_flag once;
    std::call_once(once, [] {
        ExceptionInfo exception;
        GetExceptionInfo(&exception);
        // The program handles its own signals.
        InitializeMagickEx(nullptr, MAGICK_OPT_NO_SIGNAL_HANDER, &exception);
        DestroyExceptionInfo(&exception);
        SetErrorHandler(QuietMagickMessage);
        SetWarningHandler(QuietMagickMessage);
        // Everything runs on the one thread, and nothing spills to disk.
        SetMagickResourceLimit(ThreadsResource, 1);
        SetMagickResourceLimit(DiskResource, 0);
    });
}

QImage ReadPcx(const QByteArray& bytes, const PictureLimits& limits) {
    StartMagick();
    SetMagickResourceLimit(WidthResource, limits.maxSide);
    SetMagickResourceLimit(HeightResource, limits.maxSide);
    SetMagickResourceLimit(PixelsResource, limits.maxPixels);
    // Its pixel cache holds 8 bytes a pixel where the image holds 4.
    SetMagickResourceLimit(MemoryResource, (magick_int64_t{limits.allocationMb} * 2 + 16) << 20);
    SetMagickResourceLimit(MapResource, (magick_int64_t{limits.allocationMb} * 2 + 16) << 20);

    ExceptionInfo exception;
    GetExceptionInfo(&exception);
    ImageInfo* info = CloneImageInfo(nullptr);
    // Named explicitly, so no other of the library's decoders is tried.
    std::strcpy(info->magick, "PCX");
    std::strcpy(info->filename, "PCX:picture");
    Image* picture = BlobToImage(info, bytes.constData(), static_cast<std::size_t>(bytes.size()), &exception);

    QImage image;
    if (picture && exception.severity < ErrorException &&
        WithinLimits(static_cast<qint64>(picture->columns), static_cast<qint64>(picture->rows), limits)) {
        image = QImage(static_cast<int>(picture->columns), static_cast<int>(picture->rows), QImage::Format_RGBA8888);
        // Four bytes a pixel keep the rows unpadded, as DispatchImage writes them.
        if (image.isNull() || image.bytesPerLine() != image.width() * 4 ||
            DispatchImage(picture, 0, 0, picture->columns, picture->rows, "RGBA", CharPixel, image.bits(),
                          &exception) != MagickPass)
            image = QImage();
    }
    if (picture) DestroyImageList(picture);
    DestroyImageInfo(info);
    DestroyExceptionInfo(&exception);
    return image;
}

}  // namespace

PictureLoader::PictureLoader(PictureLimits limits, int cacheKb) : limits_(limits), cache_(cacheKb) {}

PictureLoader& PictureLoader::shared() {
    static PictureLoader loader;
    return loader;
}

QImage PictureLoader::decode(const QByteArray& bytes, const PictureLimits& limits) {
    if (bytes.isEmpty() || bytes.size() > limits.maxFileBytes) return {};
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format == "bmp" || format == "jpeg" || format == "gif" || format == "png") return ReadWithQt(reader, limits);
    if (LooksLikePcx(bytes)) return ReadPcx(bytes, limits);
    return {};
}

QImage PictureLoader::loadRecordPicture(const std::string& name, const std::string& databaseFile) {
    if (name.empty()) return {};
    return load(PathToQString(ResolvePicturePath(name, databaseFile)));
}

QImage PictureLoader::load(const QString& path) {
    QFileInfo info(path);
    if (!info.isFile()) return {};
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    if (Entry* cached = cache_.object(path); cached && cached->size == size && cached->modified == modified)
        return cached->image;

    ++decodes_;
    QImage image;
    QFile file(path);
    if (size <= limits_.maxFileBytes && file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.read(limits_.maxFileBytes + 1);
        image = decode(bytes, limits_);
    }
    auto* entry = new Entry{size, modified, image};
    cache_.insert(path, entry, std::max<qsizetype>(1, image.sizeInBytes() / 1024));
    return image;
}

}  // namespace vorlane
