#include "views/ui/album_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSet>

#include "widgets/picture_loader.h"
#include "widgets/text_codec.h"

namespace vorlane {

namespace {
QString Key(const std::string& name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }
}  // namespace

AlbumGrid::AlbumGrid(DatabaseSession& session, AlbumPages& pages, PictureLoader& loader, QWidget* parent)
    : QWidget(parent), session_(session), pages_(pages), loader_(loader) {
    setObjectName(QStringLiteral("AlbumGrid"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    decoder_.setInterval(0);
    connect(&decoder_, &QTimer::timeout, this, &AlbumGrid::decodeNext);
}

std::string AlbumGrid::pictureName(int record) const {
    const auto& records = session_.records();
    if (record < 0 || record >= static_cast<int>(records.size())) return {};
    return records[static_cast<std::size_t>(record)].Images[static_cast<std::size_t>(image_ - 1)].FileName;
}

void AlbumGrid::sheetBuilt(int mode) {
    waiting_.clear();
    QSet<QString> keep;
    auto want = [&](const std::string& name, bool shown) {
        if (name.empty()) return;
        keep.insert(Key(name));
        if (!decoded_.contains(Key(name))) waiting_.push_back({name, shown});
    };
    for (int row = 0; row < pages_.cols(); ++row)
        for (int column = 0; column < pages_.rows(); ++column) want(pictureName(pages_.RecordAt(column, row)), true);
    // The next page ahead of time, so that turning to it is quick.
    if (pages_.nextEnabled()) {
        AlbumPages next = pages_;
        next.Next();
        next.Build(session_.records(), mode);
        for (int row = 0; row < next.cols(); ++row)
            for (int column = 0; column < next.rows(); ++column) want(pictureName(next.RecordAt(column, row)), false);
    }
    for (auto it = decoded_.begin(); it != decoded_.end();) it = keep.contains(it.key()) ? std::next(it) : decoded_.erase(it);
    if (!waiting_.empty()) decoder_.start();
    update();
}

void AlbumGrid::decodeNext() {
    if (waiting_.empty()) {
        decoder_.stop();
        return;
    }
    const Wanted next = waiting_.front();
    waiting_.pop_front();
    QImage picture = loader_.loadRecordPicture(next.name, session_.fileName());
    // Kept no larger than any cell shows it: a phone photo would cost a
    // full-size scaling at every repaint.
    const AlbumRect kept = FittedPicture(picture.width(), picture.height(), kShownPictureSide, kShownPictureSide);
    if (kept.width != picture.width() || kept.height != picture.height())
        picture = picture.scaled(kept.width, kept.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    decoded_.insert(Key(next.name), picture);
    if (next.shown) update();
}

void AlbumGrid::decodeAll() {
    while (!waiting_.empty()) decodeNext();
    decoder_.stop();
}

QSize AlbumGrid::cellSize() const {
    return {AlbumCellSide(width(), pages_.rows()), AlbumCellSide(height(), pages_.cols())};
}

QPoint AlbumGrid::cellAt(const QPoint& at) const {
    const QSize cell = cellSize() + QSize(2, 2);
    if (cell.width() <= 0 || cell.height() <= 0 || at.x() < 0 || at.y() < 0) return {-1, -1};
    const int column = at.x() / cell.width(), row = at.y() / cell.height();
    if (column >= pages_.rows() || row >= pages_.cols()) return {-1, -1};
    return {column, row};
}

int AlbumGrid::recordAt(const QPoint& at) const {
    const QPoint cell = cellAt(at);
    const int record = cell.x() < 0 ? -1 : pages_.RecordAt(cell.x(), cell.y());
    return record < static_cast<int>(session_.records().size()) ? record : -1;
}

void AlbumGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QSize cell = cellSize();
    if (cell.width() <= 0 || cell.height() <= 0) return;
    painter.setPen(palette().color(QPalette::Mid));
    for (int row = 0; row < pages_.cols(); ++row) {
        for (int column = 0; column < pages_.rows(); ++column) {
            const QRect box(column * (cell.width() + 2) + 1, row * (cell.height() + 2) + 1, cell.width(), cell.height());
            painter.drawRect(box.adjusted(-1, -1, 0, 0));
            const int record = pages_.RecordAt(column, row);
            // Cells without a record stay empty; so do records removed since the sheet was built.
            if (record < 0 || record >= static_cast<int>(session_.records().size())) continue;
            const std::string name = pictureName(record);
            QImage picture = placeholder_;
            if (!name.empty()) {
                auto found = decoded_.constFind(Key(name));
                if (found == decoded_.constEnd()) continue;  // still to be decoded
                picture = *found;
            }
            painter.save();
            painter.setClipRect(box);
            if (label_) {
                const auto& r = session_.records()[static_cast<std::size_t>(record)];
                painter.setPen(palette().color(QPalette::Text));
                painter.drawText(QRect(box.left() + 3, box.top(), box.width() - 6, kAlbumLabelHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter, ToQString(AlbumLabel(r, record)));
            }
            if (!picture.isNull()) {
                const AlbumDraw draw = AlbumPlacement(picture.width(), picture.height(), cell.width(), cell.height(),
                                                      autoSize_, label_, name.empty());
                const QRect target(box.left() + draw.target.x, box.top() + draw.target.y, draw.target.width,
                                   draw.target.height);
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawImage(target, picture,
                                  QRect(draw.source.x, draw.source.y, draw.source.width, draw.source.height));
            }
            painter.restore();
        }
    }
}

void AlbumGrid::mousePressEvent(QMouseEvent* event) {
    emit pressed(recordAt(event->position().toPoint()), event->button());
}

void AlbumGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int record = recordAt(event->position().toPoint());
    if (record >= 0) emit doubleClicked(record);
}

}  // namespace vorlane
