#include "picturebox.h"

#include "drawing/drawingrecord.h"

#include <QPaintEvent>
#include <QPainter>

namespace stagepath {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The font the drawing writes its texts in, rather than the window's.
    setFont(drawingFont());
}

void PictureBox::setRecord(const DrawingRecord *record)
{
    m_record = record;
    update();
}

void PictureBox::setZoom(double factor)
{
    m_zoom = factor;
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_record)
        return;
    if (m_zoom == 1) {
        m_record->paint(painter, event->rect());
        return;
    }
    // Zoomed: the painter scales the drawing; the exposed area in drawing
    // coordinates is the widget's exposed area scaled back.
    painter.scale(m_zoom, m_zoom);
    const QRectF exposed(QPointF(event->rect().topLeft()) / m_zoom, QSizeF(event->rect().size()) / m_zoom);
    m_record->paint(painter, exposed.toAlignedRect());
}

} // namespace stagepath
