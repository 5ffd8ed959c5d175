#pragma once
// Picture1: the drawing surface. It keeps no pixels of its own; every exposed
// part is painted again from the record of what was drawn.

#include <QWidget>

namespace stagepath {

class DrawingRecord;

class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    void setRecord(const DrawingRecord *record);
    // The drawing is painted scaled by the zoom factor (1 is its own size).
    void setZoom(double factor);
    double zoom() const { return m_zoom; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const DrawingRecord *m_record = nullptr;
    double m_zoom = 1;
};

} // namespace stagepath
