#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <algorithm>
#include <string_view>
#include <sys/resource.h>

#include "editor/ui/images_page.h"
#include "widgets/picture_loader.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;
using vorlane::testing::TempFolder;

namespace {

void Put16(QByteArray& bytes, int at, int value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void Put32(QByteArray& bytes, int at, quint32 value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The run-length form of one plane's row: runs of up to 63, and any byte of
// 0xC0 or more written as a run of one.
void PackRow(QByteArray& out, const QByteArray& row) {
    for (int x = 0; x < row.size();) {
        int run = 1;
        while (x + run < row.size() && run < 63 && row[x + run] == row[x]) ++run;
        if (run > 1 || static_cast<unsigned char>(row[x]) >= 0xC0) out.append(static_cast<char>(0xC0 | run));
        out.append(row[x]);
        x += run;
    }
}

QByteArray PcxHeader(int width, int height, int planes) {
    QByteArray header(128, '\0');
    header[0] = 0x0A;  // maker
    header[1] = 5;     // version
    header[2] = 1;     // run-length encoded
    header[3] = 8;     // bits per pixel and plane
    Put16(header, 8, width - 1);
    Put16(header, 10, height - 1);
    Put16(header, 12, 72);
    Put16(header, 14, 72);
    header[65] = static_cast<char>(planes);
    Put16(header, 66, (width + 1) & ~1);  // bytes per plane line, even
    Put16(header, 68, 1);
    return header;
}

// 8-bit paletted PCX; palette entry i is colours[i].
QByteArray PalettedPcx(const std::vector<std::vector<int>>& pixels, const std::vector<QRgb>& colours) {
    const int height = static_cast<int>(pixels.size()), width = static_cast<int>(pixels[0].size());
    QByteArray file = PcxHeader(width, height, 1);
    for (const auto& line : pixels) {
        QByteArray row((width + 1) & ~1, '\0');
        for (int x = 0; x < width; ++x) row[x] = static_cast<char>(line[static_cast<std::size_t>(x)]);
        PackRow(file, row);
    }
    file.append(static_cast<char>(12));
    for (int i = 0; i < 256; ++i) {
        QRgb c = i < static_cast<int>(colours.size()) ? colours[static_cast<std::size_t>(i)] : 0;
        file.append(static_cast<char>(qRed(c))).append(static_cast<char>(qGreen(c))).append(static_cast<char>(qBlue(c)));
    }
    return file;
}

// 24-bit PCX: three planes (red, green, blue) per row.
QByteArray TrueColourPcx(const QImage& image) {
    QByteArray file = PcxHeader(image.width(), image.height(), 3);
    for (int y = 0; y < image.height(); ++y)
        for (int plane = 0; plane < 3; ++plane) {
            QByteArray row((image.width() + 1) & ~1, '\0');
            for (int x = 0; x < image.width(); ++x) {
                QRgb c = image.pixel(x, y);
                row[x] = static_cast<char>(plane == 0 ? qRed(c) : plane == 1 ? qGreen(c) : qBlue(c));
            }
            PackRow(file, row);
        }
    return file;
}

// Qt reads GIF but does not write it. One frame, a 256-colour table, and
// LZW codes kept at 9 bits by a clear code before the table would grow.
QByteArray GifOf(const QImage& image) {
    std::vector<QRgb> palette;
    std::vector<int> indexes;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb c = image.pixel(x, y) | 0xFF000000u;
            auto found = std::find(palette.begin(), palette.end(), c);
            if (found == palette.end()) {
                palette.push_back(c);
                found = palette.end() - 1;
            }
            indexes.push_back(static_cast<int>(found - palette.begin()));
        }
    EXPECT_LE(palette.size(), 256u);

    QByteArray file("GIF89a");
    QByteArray screen(7, '\0');
    Put16(screen, 0, image.width());
    Put16(screen, 2, image.height());
    screen[4] = static_cast<char>(0xF7);  // global table of 256 entries
    file += screen;
    for (int i = 0; i < 256; ++i) {
        QRgb c = i < static_cast<int>(palette.size()) ? palette[static_cast<std::size_t>(i)] : 0;
        file.append(static_cast<char>(qRed(c))).append(static_cast<char>(qGreen(c))).append(static_cast<char>(qBlue(c)));
    }
    QByteArray descriptor(10, '\0');
    descriptor[0] = ',';
    Put16(descriptor, 5, image.width());
    Put16(descriptor, 7, image.height());
    file += descriptor;
    file.append(static_cast<char>(8));  // minimum code size

    QByteArray codes;
    quint32 buffer = 0;
    int bits = 0;
    auto put = [&](int code) {
        buffer |= static_cast<quint32>(code) << bits;
        bits += 9;
        while (bits >= 8) {
            codes.append(static_cast<char>(buffer & 0xFF));
            buffer >>= 8;
            bits -= 8;
        }
    };
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        if (i % 254 == 0) put(256);
        put(indexes[i]);
    }
    put(257);
    if (bits > 0) codes.append(static_cast<char>(buffer & 0xFF));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        QByteArray block = codes.mid(at, 255);
        file.append(static_cast<char>(block.size())).append(block);
    }
    file.append('\0').append(';');
    return file;
}

QByteArray Encode(const QImage& image, const char* format) {
    if (std::string_view(format) == "gif") return GifOf(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

quint32 Crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Headers that claim a picture far beyond any limit, with a few bytes after.
QByteArray HugeBmp() {
    QByteArray file(54 + 64, '\0');
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<quint32>(file.size()));
    Put32(file, 10, 54);
    Put32(file, 14, 40);
    Put32(file, 18, 100000);
    Put32(file, 22, 100000);
    Put16(file, 26, 1);
    Put16(file, 28, 24);
    return file;
}

QByteArray HugePng() {
    QByteArray file("\x89PNG\r\n\x1A\n", 8);
    QByteArray ihdr("IHDR");
    QByteArray data(13, '\0');
    for (int at : {0, 4}) {  // big-endian 100000
        data[at + 1] = 0x01;
        data[at + 2] = static_cast<char>(0x86);
        data[at + 3] = static_cast<char>(0xA0);
    }
    data[8] = 8;  // bit depth
    data[9] = 6;  // RGBA
    ihdr += data;
    file += QByteArray("\0\0\0\x0D", 4) + ihdr;
    quint32 crc = Crc32(ihdr);
    for (int shift : {24, 16, 8, 0}) file.append(static_cast<char>((crc >> shift) & 0xFF));
    file += QByteArray(64, '\0');
    return file;
}

QByteArray HugeGif() {
    QByteArray file("GIF89a");
    QByteArray screen(7, '\0');
    Put16(screen, 0, 65535);
    Put16(screen, 2, 65535);
    file += screen;
    file += QByteArray(",\0\0\0\0\xFF\xFF\xFF\xFF\0\x02\x02\x44\x01\0;", 16);
    return file;
}

QByteArray HugePcx() {
    QByteArray file = PcxHeader(65535, 65535, 1);
    file += QByteArray(256, static_cast<char>(0xC1));
    return file;
}

long MaxResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QImage Sample() {
    QImage image(9, 6, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    for (int x = 0; x < 9; ++x) image.setPixel(x, 0, qRgb(255, 0, 0));
    for (int y = 0; y < 6; ++y) image.setPixel(8, y, qRgb(0, 0, 255));
    image.setPixel(0, 5, qRgb(0, 128, 0));
    return image;
}

bool SameColour(QRgb a, QRgb b, int tolerance = 0) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class PictureLoaderTest : public ::testing::Test {
protected:
    QString write(const char* name, const QByteArray& bytes) {
        QString path = QString::fromStdString(folder.file(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    QString save(const char* name, const QImage& image, const char* format) {
        return write(name, Encode(image, format));
    }
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    TempFolder folder;
    PictureLoader loader;
};

}  // namespace

TEST_F(PictureLoaderTest, ReadsBmpPngGifAndJpeg) {
    const QImage sample = Sample();
    for (const char* format : {"bmp", "png", "gif"}) {
        QImage image = loader.load(save((std::string("s.") + format).c_str(), sample, format));
        ASSERT_EQ(image.size(), QSize(9, 6)) << format;
        EXPECT_TRUE(SameColour(image.pixel(3, 0), qRgb(255, 0, 0))) << format;
        EXPECT_TRUE(SameColour(image.pixel(8, 4), qRgb(0, 0, 255))) << format;
        EXPECT_TRUE(SameColour(image.pixel(0, 5), qRgb(0, 128, 0))) << format;
        EXPECT_TRUE(SameColour(image.pixel(3, 3), qRgb(255, 255, 255))) << format;
    }
    QImage large(64, 48, QImage::Format_RGB32);
    large.fill(qRgb(200, 40, 40));
    QImage jpeg = loader.load(save("s.jpg", large, "jpeg"));
    ASSERT_EQ(jpeg.size(), QSize(64, 48));
    EXPECT_TRUE(SameColour(jpeg.pixel(30, 20), qRgb(200, 40, 40), 12));
}

TEST_F(PictureLoaderTest, ReadsPalettedAndTrueColourPcx) {
    const std::vector<QRgb> palette = {qRgb(0, 0, 0), qRgb(250, 10, 10), qRgb(10, 250, 10), qRgb(10, 10, 250),
                                       qRgb(0xC5, 0xC6, 0xC7)};
    // A row long enough for runs, and index 4 next to high bytes.
    std::vector<std::vector<int>> pixels(3, std::vector<int>(70, 1));
    pixels[1] = std::vector<int>(70, 2);
    pixels[2][0] = 3;
    pixels[2][69] = 4;
    QImage paletted = loader.load(write("p.pcx", PalettedPcx(pixels, palette)));
    ASSERT_EQ(paletted.size(), QSize(70, 3));
    EXPECT_TRUE(SameColour(paletted.pixel(35, 0), palette[1]));
    EXPECT_TRUE(SameColour(paletted.pixel(0, 1), palette[2]));
    EXPECT_TRUE(SameColour(paletted.pixel(0, 2), palette[3]));
    EXPECT_TRUE(SameColour(paletted.pixel(69, 2), palette[4]));
    EXPECT_TRUE(SameColour(paletted.pixel(68, 2), palette[1]));

    const QImage sample = Sample();
    QImage rgb = loader.load(write("t.pcx", TrueColourPcx(sample)));
    ASSERT_EQ(rgb.size(), sample.size());
    for (QPoint at : {QPoint(3, 0), QPoint(8, 4), QPoint(0, 5), QPoint(4, 3)})
        EXPECT_TRUE(SameColour(rgb.pixel(at), sample.pixel(at))) << at.x() << "," << at.y();
}

TEST_F(PictureLoaderTest, TheContentsDecideTheFormatNotTheName) {
    EXPECT_EQ(loader.load(save("really-png.pcx", Sample(), "png")).size(), QSize(9, 6));
    EXPECT_EQ(loader.load(write("really-pcx.bmp", PalettedPcx({{1, 1}}, {0, qRgb(1, 2, 3)}))).size(), QSize(2, 1));
    // Formats Qt reads but the program does not offer are refused.
    EXPECT_TRUE(loader.load(save("s.ppm", Sample(), "ppm")).isNull());
    EXPECT_TRUE(loader.load(save("s.xpm", Sample(), "xpm")).isNull());
}

TEST_F(PictureLoaderTest, DamagedMissingAndEmptyFilesGiveNoPicture) {
    EXPECT_TRUE(loader.load(QString::fromStdString(folder.file("missing.bmp"))).isNull());
    EXPECT_TRUE(loader.load(write("empty.gif", {})).isNull());
    EXPECT_TRUE(loader.load(write("noise.jpg", QByteArray(3000, '\x5A'))).isNull());

    QByteArray png = Encode(Sample(), "png");
    EXPECT_TRUE(loader.load(write("header.png", png.left(20))).isNull());
    QByteArray bmp = Encode(Sample(), "bmp");
    EXPECT_TRUE(loader.load(write("header.bmp", bmp.left(30))).isNull());

    std::vector<std::vector<int>> pixels(40, std::vector<int>(40, 1));
    for (int y = 0; y < 40; ++y) pixels[static_cast<std::size_t>(y)][static_cast<std::size_t>(y)] = 2;
    QByteArray pcx = PalettedPcx(pixels, {0, qRgb(9, 9, 9), qRgb(99, 99, 99)});
    EXPECT_TRUE(loader.load(write("short.pcx", pcx.left(200))).isNull());
    EXPECT_TRUE(loader.load(write("header.pcx", pcx.left(128))).isNull());
}

TEST_F(PictureLoaderTest, TruncatedPicturesNeverCrashAndNeverGrow) {
    // Decoders differ in what they make of a file cut short: nothing, or the
    // part that was there at the size the header gave.
    QImage big(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) big.setPixel(x, y, qRgb((x % 16) * 16, (y % 16) * 16, 90));
    for (const char* format : {"png", "bmp", "gif", "jpeg"}) {
        QByteArray whole = Encode(big, format);
        for (qsizetype cut : {whole.size() / 2, whole.size() - 1}) {
            QImage image = PictureLoader::decode(whole.left(cut), loader.limits());
            EXPECT_TRUE(image.isNull() || image.size() == big.size()) << format << " cut at " << cut;
        }
    }
}

TEST_F(PictureLoaderTest, AbsurdDimensionsAreRefusedBeforeDecoding) {
    const long before = MaxResidentKb();
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    for (const Case& huge : {Case{"huge.bmp", HugeBmp()}, Case{"huge.png", HugePng()}, Case{"huge.gif", HugeGif()},
                             Case{"huge.pcx", HugePcx()}})
        EXPECT_TRUE(loader.load(write(huge.name, huge.bytes)).isNull()) << huge.name;
    // 100000 x 100000 at four bytes a pixel would be 40 GB.
    EXPECT_LT(MaxResidentKb() - before, 64 * 1024);
}

TEST_F(PictureLoaderTest, LimitsApplyToEveryFormat) {
    PictureLimits small;
    small.maxSide = 100;
    small.maxPixels = 5000;
    QImage wide(120, 10, QImage::Format_RGB32);
    wide.fill(Qt::gray);
    QImage square(80, 80, QImage::Format_RGB32);
    square.fill(Qt::gray);
    for (const char* format : {"png", "bmp", "gif", "jpeg"}) {
        EXPECT_TRUE(PictureLoader::decode(Encode(wide, format), small).isNull()) << format;
        EXPECT_TRUE(PictureLoader::decode(Encode(square, format), small).isNull()) << format;
        EXPECT_FALSE(PictureLoader::decode(Encode(Sample(), format), small).isNull()) << format;
    }
    EXPECT_TRUE(PictureLoader::decode(TrueColourPcx(wide), small).isNull());
    EXPECT_TRUE(PictureLoader::decode(TrueColourPcx(square), small).isNull());
    EXPECT_FALSE(PictureLoader::decode(TrueColourPcx(Sample()), small).isNull());

    small.maxFileBytes = 100;
    EXPECT_TRUE(PictureLoader::decode(TrueColourPcx(Sample()), small).isNull());
}

TEST_F(PictureLoaderTest, CacheIsKeyedByPathSizeAndModificationTime) {
    QString path = save("c.png", Sample(), "png");
    EXPECT_FALSE(loader.load(path).isNull());
    EXPECT_FALSE(loader.load(path).isNull());
    EXPECT_EQ(loader.decodeCount(), 1);

    // Replaced by a picture of another size of file.
    QImage other(20, 20, QImage::Format_RGB32);
    other.fill(Qt::black);
    save("c.png", other, "png");
    EXPECT_EQ(loader.load(path).size(), QSize(20, 20));
    EXPECT_EQ(loader.decodeCount(), 2);

    // Same length, new time: read again.
    QByteArray bytes = bytesOf(path);
    bytes[bytes.size() - 1] = bytes[bytes.size() - 1];
    write("c.png", bytes);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    loader.load(path);
    EXPECT_EQ(loader.decodeCount(), 3);

    // Failures are remembered too, until the file changes.
    QString bad = write("bad.gif", QByteArray("GIF89a broken"));
    EXPECT_TRUE(loader.load(bad).isNull());
    EXPECT_TRUE(loader.load(bad).isNull());
    EXPECT_EQ(loader.decodeCount(), 4);

    // Other paths are other entries.
    EXPECT_FALSE(loader.load(save("d.png", Sample(), "png")).isNull());
    EXPECT_EQ(loader.decodeCount(), 5);
    loader.clearCache();
    loader.load(path);
    EXPECT_EQ(loader.decodeCount(), 6);
}

// The Images page over the loader: what the person sees for each file.
TEST_F(PictureLoaderTest, ImagesPageShowsThePictureOrTheStatusText) {
    ItemRecord record;
    record.Images[0].FileName = save("label.png", Sample(), "png").toStdString();
    record.Images[1].FileName = write("damaged.pcx", PalettedPcx({{1, 1}}, {}).left(130)).toStdString();
    record.Images[2].FileName = folder.file("gone.bmp");
    record.Images[3].Title = "Cork";
    // Answers "Image File" below.
    struct Chooser : ScriptedDialogs {
        std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&,
                                                    const std::string&) override {
            return chosen;
        }
        std::string chosen;
    } dialogs;
    dialogs.chosen = record.Images[0].FileName;
    ImagesPage page(dialogs, loader);
    page.setCurrentRecord([&] { return &record; });
    page.showRecord(record);
    EXPECT_TRUE(page.showingPicture());

    auto* tabs = page.findChild<QTabBar*>(QStringLiteral("ImageBook"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 6);
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Image Three"));
    tabs->setCurrentIndex(1);
    EXPECT_FALSE(page.showingPicture());
    EXPECT_EQ(page.statusText(), QStringLiteral("Image File is Not Valid"));
    tabs->setCurrentIndex(2);
    EXPECT_EQ(page.statusText(), QStringLiteral("Image File is Not Valid"));
    EXPECT_EQ(record.Images[2].FileName, folder.file("gone.bmp"));
    tabs->setCurrentIndex(3);
    EXPECT_EQ(page.statusText(), QStringLiteral("No Image File Selected"));
    EXPECT_EQ(page.titleEdit()->text(), QStringLiteral("Cork"));

    // Choosing a good file on this tab shows it and stores it.
    page.choosePicture();
    EXPECT_TRUE(page.showingPicture());
    EXPECT_EQ(record.Images[3].FileName, record.Images[0].FileName);

    page.setReadOnly(true);
    EXPECT_FALSE(page.findChild<QPushButton*>(QStringLiteral("SelectPicture"))->isEnabled());
    EXPECT_FALSE(page.findChild<QPushButton*>(QStringLiteral("ClearPicture"))->isEnabled());
    EXPECT_TRUE(page.titleEdit()->isEnabled());
    EXPECT_FALSE(page.titleEdit()->isReadOnly());
}
