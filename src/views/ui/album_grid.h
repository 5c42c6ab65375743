#pragma once
// The album's page of pictures: cells of the computed size, each drawing the
// picture of its record from what has been decoded. Decoding happens between
// paints, a picture at a time, the next page's pictures after the shown ones.

#include <QHash>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>

#include "storage/database_session.h"
#include "views/album_pages.h"

namespace vorlane {

class PictureLoader;

class AlbumGrid : public QWidget {
    Q_OBJECT
public:
    AlbumGrid(DatabaseSession& session, AlbumPages& pages, PictureLoader& loader, QWidget* parent = nullptr);

    // Drawn for records whose chosen slot names no file.
    void setPlaceholder(QImage picture) { placeholder_ = std::move(picture); }
    void setImageNumber(int number) { image_ = number; }
    void setLabel(bool on) { label_ = on; }
    void setAutoSize(bool on) { autoSize_ = on; }
    // The sheet was built: the pictures of its records, then those of the next page, are decoded.
    void sheetBuilt(int mode);
    // Decodes everything waiting, at once (printing, tests, benchmarks).
    void decodeAll();
    bool decoding() const { return !waiting_.empty(); }
    void clearDecoded() { decoded_.clear(); }

    QSize cellSize() const;
    // The cell (column across, row down) at a point; (-1, -1) outside.
    QPoint cellAt(const QPoint& at) const;

signals:
    void pressed(int recordIndex, Qt::MouseButton button);
    void doubleClicked(int recordIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Wanted {
        std::string name;
        bool shown;
    };
    std::string pictureName(int record) const;
    void decodeNext();
    int recordAt(const QPoint& at) const;

    DatabaseSession& session_;
    AlbumPages& pages_;
    PictureLoader& loader_;
    QImage placeholder_;
    QHash<QString, QImage> decoded_;  // by stored name; null when it could not be read
    std::deque<Wanted> waiting_;
    QTimer decoder_;
    int image_ = 1;
    bool label_ = false;
    bool autoSize_ = false;
};

}  // namespace vorlane
