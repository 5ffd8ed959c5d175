#include "picturebox.h"

#include "drawing/drawingrecord.h"

#include <QPaintEvent>
#include <QPainter>

namespace stagepath {

PictureBox::PictureBox(const DrawingRecord *record, QWidget *parent)
    : QWidget(parent)
    , m_record(record)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The font the drawing writes its texts in, rather than the window's.
    setFont(drawingFont());
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_record->paint(painter, event->rect());
}

} // namespace stagepath
