#include "app/preview/PreviewSheet.h"

#include <QPaintEvent>
#include <QPainter>

PreviewSheet::PreviewSheet(Drawer drawer, QWidget* parent)
    : QWidget(parent)
    , m_drawer(std::move(drawer))
{ }

void PreviewSheet::setSheetSize(QSize size)
{
    m_size = size;
    m_picture = QImage();
    setFixedSize(size);
    update();
}

qint64 PreviewSheet::pictureBytes() const
{
    return m_picture.sizeInBytes();
}

void PreviewSheet::paintEvent(QPaintEvent* event)
{
    const QRect part = event->rect().intersected(rect());
    if (part.isEmpty())
        return;
    if (m_picture.isNull() || !m_pictureRect.contains(part)) {
        m_picture = m_drawer(m_size, part);
        m_pictureRect = part;
        Q_EMIT drawn(this);
    }
    QPainter(this).drawImage(part.topLeft(), m_picture, part.translated(-m_pictureRect.topLeft()));
}
