// Any bytes handed to the picture loader: a picture or nothing, never a
// crash, a hang or an allocation beyond the limits.

#include <QByteArray>
#include <QImage>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "widgets/picture_loader.h"

namespace {

// Damaged pictures make the decoders complain on every run.
void Silent(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(Silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Smaller than the program's, so that each run stays quick.
    static const vorlane::PictureLimits limits = [] {
        vorlane::PictureLimits small;
        small.maxSide = 4096;
        small.maxPixels = 4'000'000;
        small.allocationMb = 64;
        return small;
    }();
    // The decoders sit behind their signatures, which the fuzzer would take
    // long to guess: the first byte may choose one to put in front.
    static const QByteArray kSignatures[] = {
        {}, QByteArray("\x89PNG\r\n\x1A\n", 8), QByteArray("BM"), QByteArray("GIF89a"),
        QByteArray("\xFF\xD8\xFF", 3), QByteArray("\x0A\x05\x01\x08", 4),
    };
    QByteArray bytes;
    if (size > 0) {
        bytes = kSignatures[data[0] % std::size(kSignatures)];
        bytes.append(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    }
    QImage image = vorlane::PictureLoader::decode(bytes, limits);
    if (!image.isNull() && (image.width() > limits.maxSide || image.height() > limits.maxSide)) __builtin_trap();
    return 0;
}
