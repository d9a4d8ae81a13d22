#include "app/preview/PreviewSheet.h"

#include <QPainter>

PreviewSheet::PreviewSheet(Drawer drawer, QWidget* parent)
    : QWidget(parent)
    , m_drawer(std::move(drawer))
{ }

void PreviewSheet::setSheetSize(QSize size)
{
    m_size = size;
    m_picture = QPixmap();
    setFixedSize(size);
    update();
}

qint64 PreviewSheet::pictureBytes() const
{
    return m_picture.isNull() ? 0 : qint64(m_picture.width()) * m_picture.height() * m_picture.depth() / 8;
}

void PreviewSheet::paintEvent(QPaintEvent* /*event*/)
{
    if (m_picture.isNull() || m_picture.size() != m_size) {
        m_picture = QPixmap::fromImage(m_drawer(m_size));
        Q_EMIT drawn(this);
    }
    QPainter(this).drawPixmap(0, 0, m_picture);
}
