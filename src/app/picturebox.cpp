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

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_record)
        m_record->paint(painter, event->rect());
}

} // namespace stagepath
