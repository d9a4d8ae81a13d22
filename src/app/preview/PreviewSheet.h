#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

/// One sheet of the preview, drawn only when it comes into view: a long split job has many sheets,
/// and drawing them all at each zoom step took seconds and hundreds of megabytes. The picture is
/// kept until the zoom changes or the preview lets it go to stay within its memory.
class PreviewSheet : public QWidget {
    Q_OBJECT
public:
    /// Draws the sheet at the widget's size.
    using Drawer = std::function<QImage(QSize)>;

    PreviewSheet(Drawer drawer, QWidget* parent);

    /// The size of the sheet at the current zoom; the picture is drawn again when next seen.
    void setSheetSize(QSize size);
    /// Lets the picture go; it is drawn again when next seen.
    void release() { m_picture = QPixmap(); }
    bool holdsPicture() const { return !m_picture.isNull(); }
    qint64 pictureBytes() const;

    QSize sizeHint() const override { return m_size; }

Q_SIGNALS:
    /// A picture was drawn: the preview may let others go.
    void drawn(PreviewSheet* sheet);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawer m_drawer;
    QSize m_size;
    QPixmap m_picture;
};
