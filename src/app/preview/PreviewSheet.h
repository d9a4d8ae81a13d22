#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>

/// One sheet of the preview, drawn only where it is in view: a long split job has many sheets, and
/// a sheet of large paper at the highest zoom is larger than the screen many times over. What was
/// drawn last is kept until the zoom changes or the preview lets it go to stay within its memory.
class PreviewSheet : public QWidget {
    Q_OBJECT
public:
    /// Draws the part `part` of the sheet shown at `size`, as a picture of the part's size.
    using Drawer = std::function<QImage(QSize size, QRect part)>;

    PreviewSheet(Drawer drawer, QWidget* parent);

    /// The size of the sheet at the current zoom; the picture is drawn again when next seen.
    void setSheetSize(QSize size);
    /// Lets the picture go; it is drawn again when next seen.
    void release() { m_picture = QImage(); }
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
    QImage m_picture;
    QRect m_pictureRect; ///< where the picture stands on the sheet
};
