// Draws a label picture for every relative picture name in a cellar, beside
// the cellar file: draw_labels CELLAR.dat [--placeholder OUT.png]
// The format follows the name's extension: PNG and JPEG through Qt, PCX
// through GraphicsMagick. The same cellar always gives the same pictures.

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include <magick/api.h>

#include "storage/cp1252.h"
#include "storage/database_file.h"

namespace {

using namespace vorlane;

QString Text(const std::string& cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

// "Cabernet Sauvignon : Red" -> "Red"
std::string Colour(const std::string& type) {
    auto colon = type.rfind(" : ");
    return colon == std::string::npos ? type : type.substr(colon + 3);
}

// "Pauillac : Bordeaux : France" -> "Pauillac"
std::string Place(const std::string& region) { return region.substr(0, region.find(" : ")); }

QColor Glass(const std::string& colour) {
    if (colour == "Red") return {92, 18, 32};
    if (colour == "White") return {178, 170, 96};
    if (colour == "Sparkling") return {46, 78, 52};
    if (colour == "Dessert") return {168, 112, 30};
    if (colour == "Fortified") return {70, 32, 24};
    return {214, 120, 128};  // rosé and anything else
}

QImage DrawLabel(const ItemRecord& r) {
    const int w = 120, h = 150;
    QImage image(w, h, QImage::Format_RGB32);
    const QColor glass = Glass(Colour(r.Description(2)));
    image.fill(glass);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The paper label, its frame and a band in the wine's colour.
    const QRectF paper(10, 16, w - 20, h - 30);
    const unsigned seed = static_cast<unsigned>(std::hash<std::string>{}(r.Details[0]) & 0xffff);
    const QColor paperColour = QColor::fromHsv(static_cast<int>(30 + seed % 30), 20 + static_cast<int>(seed % 25), 245);
    p.fillRect(paper, paperColour);
    p.setPen(QPen(glass.darker(130), 1.5));
    p.drawRect(paper.adjusted(4, 4, -4, -4));
    p.fillRect(QRectF(paper.left() + 4, paper.bottom() - 20, paper.width() - 8, 8), glass);
    // A crest: a circle with a vine leaf shape in it.
    const QPointF centre(w / 2.0, 36);
    p.setBrush(glass.lighter(150));
    p.drawEllipse(centre, 11, 11);
    QPainterPath leaf;
    leaf.moveTo(centre + QPointF(0, -7));
    leaf.cubicTo(centre + QPointF(8, -4), centre + QPointF(5, 6), centre + QPointF(0, 8));
    leaf.cubicTo(centre + QPointF(-5, 6), centre + QPointF(-8, -4), centre + QPointF(0, -7));
    p.setBrush(glass.darker(120));
    p.drawPath(leaf);
    // The producer and the wine's name.
    p.setPen(Qt::black);
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setPixelSize(11);
    serif.setBold(true);
    p.setFont(serif);
    const QRectF textBox(paper.left() + 7, 50, paper.width() - 14, 44);
    p.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, Text(r.Details[0]));
    serif.setBold(false);
    serif.setPixelSize(9);
    p.setFont(serif);
    p.drawText(QRectF(paper.left() + 6, 97, paper.width() - 12, 14), Qt::AlignHCenter,
               Text(Place(r.Description(1))));
    return image;
}

// A neutral stand-in for a record without a picture: a grey frame around an outline of a bottle.
QImage DrawPlaceholder() {
    QImage image(105, 105, QImage::Format_RGB32);
    image.fill(QColor(236, 236, 236));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(170, 170, 170), 2));
    p.drawRect(QRectF(3, 3, 99, 99));
    QPainterPath bottle;
    bottle.moveTo(47, 16);
    bottle.lineTo(58, 16);
    bottle.lineTo(58, 36);
    bottle.cubicTo(70, 42, 70, 48, 70, 56);
    bottle.lineTo(70, 92);
    bottle.lineTo(35, 92);
    bottle.lineTo(35, 56);
    bottle.cubicTo(35, 48, 35, 42, 47, 36);
    bottle.closeSubpath();
    p.setBrush(QColor(214, 214, 214));
    p.drawPath(bottle);
    return image;
}

bool WritePcx(const QImage& picture, const std::string& path) {
    QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    ExceptionInfo exception;
    GetExceptionInfo(&exception);
    Image* image = ConstituteImage(static_cast<unsigned long>(rgb.width()), static_cast<unsigned long>(rgb.height()),
                                   "RGB", CharPixel, rgb.constBits(), &exception);
    bool ok = false;
    if (image) {
        ImageInfo* info = CloneImageInfo(nullptr);
        std::snprintf(image->filename, sizeof image->filename, "PCX:%s", path.c_str());
        ok = WriteImage(info, image) == MagickPass;
        DestroyImageInfo(info);
        DestroyImage(image);
    }
    DestroyExceptionInfo(&exception);
    return ok;
}

bool Save(const QImage& image, const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    const std::string ext = path.extension().string();
    if (ext == ".pcx") return WritePcx(image, path.string());
    const bool jpeg = ext == ".jpg";
    return image.save(QString::fromStdString(path.string()), jpeg ? "JPEG" : "PNG", jpeg ? 90 : -1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--placeholder")) {
        std::fprintf(stderr, "usage: draw_labels CELLAR.dat [--placeholder OUT.png]\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InitializeMagick(nullptr);

    const std::filesystem::path cellar = argv[1];
    std::ifstream in(cellar, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Database db;
    if (DecodeDatabase(bytes, cellar.filename().string(), db) != ReadStatus::Loaded) {
        std::fprintf(stderr, "draw_labels: %s is not a cellar\n", argv[1]);
        return 2;
    }
    std::set<std::string> drawn;
    for (const auto& r : db.records) {
        const std::string& name = r.Images[0].FileName;
        if (name.empty() || std::filesystem::path(name).is_absolute() || !drawn.insert(name).second) continue;
        if (!Save(DrawLabel(r), cellar.parent_path() / name)) {
            std::fprintf(stderr, "draw_labels: cannot write %s\n", name.c_str());
            return 2;
        }
    }
    // The album keeps its stand-in as a 256-colour picture.
    if (argc == 4 && !Save(DrawPlaceholder().convertToFormat(QImage::Format_Indexed8), argv[3])) return 2;
    std::printf("%zu label pictures drawn beside %s\n", drawn.size(), argv[1]);
    DestroyMagick();
    return 0;
}
