// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Dense meshes of lines set as pixel spans on a raster device, for stages
// whose lines are too many (or too wide) to stroke one by one. The mesh is
// walked one device-pixel column at a time: at a column, the lines from one
// left box form a fan whose heights step evenly with the right box, so the
// run of right boxes whose lines cross the visible rows follows in O(1). Where
// neighbouring lines of a fan lie closer than their stroke is wide the fan is
// one solid span; otherwise each line is its own span. A stroke is the band
// of its pen width about the line, cut square to the line at its ends (flat
// caps), as the painter strokes it; a pen wider than twice the stage is long
// makes the strokes one blot, and there they are cut upright at the ends'
// columns instead (see reachesDown), which keeps every column one span.
//
// Lines drawn later cover earlier ones. Walking the lines backwards and
// filling only the pixels still empty gives the same picture, and a column is
// left as soon as it is full, so however wide the pen, a pixel is set once.
// Where all the lines have one colour their order does not matter: there the
// lines nearest the column's first empty row go first.
// Rows beyond the reach of every stroke in a column (above the mesh's top
// line or below its bottom line by more than a stroke reaches: the mesh's
// edge, in view) count as done from the start, so that a column is left as
// soon as the rows the strokes can reach are full.

#include "drawing/devicemap.h"
#include "drawing/linepainter.h"
#include "drawing/picture.h"

#include <QImage>
#include <QRect>

#include <cmath>
#include <vector>

namespace stagepath {

class MeshSpans
{
public:
    // Whether the strokes of a stage are cut upright at the ends' columns:
    // the pen's half width (device pixels) reaches past the other end.
    static bool cutUpright(double devicePen, double deviceRun) { return devicePen / 2 >= std::abs(deviceRun); }
    // How far below and above its lines the strokes of such a stage reach
    // (device pixels), for the slope of its steepest line.
    static double uprightReach(double devicePen, double steepest) { return devicePen / 2 * std::sqrt(1 + steepest * steepest) + 1; }

    MeshSpans(const GraphPicture::Content &content, const DeviceMap &map, const QRect &device, const LineSet &set);
    ~MeshSpans();
    MeshSpans(const MeshSpans &) = delete;
    MeshSpans &operator=(const MeshSpans &) = delete;

    // The lines of the stages (in drawing order) over a transparent layer of
    // the device area; valid while this lives.
    const QImage &render(const std::vector<int> &stages);
    // Whether the last render left no pixel of the layer empty.
    bool coversAll() const { return m_coversAll; }

private:
    // One stage in device pixels.
    struct Stage {
        int stage;
        qint64 left, right, firstRow;
        double x1, x2;          // the ends' x
        double leftY0, leftStep; // the left ends' heights: about leftY0 + j * leftStep
        double rightY0, rightStep;
        double steepest;        // the largest |rise / run| of a line of the stage
        int slot = -1;          // where its ends' heights are kept
    };

    Stage describe(int stage) const;
    double leftY(const Stage &st, qint64 from) const;
    double rightY(const Stage &st, qint64 to) const;
    // Half the height a line's stroke covers in a column.
    double halfHeight(const Stage &st, double rise) const;
    static IndexRange overlap(IndexRange a, IndexRange b);

    bool renderColumn(int column, const std::vector<Stage> &stages);
    // The heights (device pixels) between which the strokes of the stages
    // can cover anything in the column at x; low > high when nothing.
    std::pair<double, double> reachableHeights(double x, const std::vector<Stage> &stages) const;
    // Leaves the rows outside [low, high) empty for good, so that the column
    // is done once the rows within are full.
    void skipRowsOutside(double low, double high);
    bool columnDone() const { return m_filled + m_skipped >= m_device.height(); }
    // `nearEnds`: the column lies within half a pen of the lines' ends,
    // where their caps cut the strokes.
    bool renderFan(const Stage &st, double x, qint64 from, bool nearEnds, IndexRange to);
    // The lines of the fan one by one (a road may be missing, or left out),
    // long runs split in halves that are passed over whole where their
    // strokes reach no empty row.
    bool renderLines(const Stage &st, double x, qint64 from, IndexRange to);
    // The lines from the left boxes `fans` to the right boxes `to`, later
    // lines first; a block whose strokes can reach no empty row is passed
    // over whole, else it is split (by fan only when the colour changes
    // with the fan, so that the drawing order holds).
    bool renderBlock(const Stage &st, double x, IndexRange fans, IndexRange to, bool nearEnds);
    // The heights the strokes of a block of lines can cover in the column
    // at x, at most: the hull of their bands, and within half a pen of
    // their segments unless the strokes are cut upright.
    std::pair<double, double> blockReach(const Stage &st, double x, IndexRange fans, IndexRange to) const;
    // The same for a block whose lines all rise, all fall, or lie between.
    std::pair<double, double> cornerReach(const Stage &st, double x, IndexRange fans, IndexRange to) const;
    // A bound worked out from ends' heights of at most `heights`, widened
    // by what rounding can have taken off.
    std::pair<double, double> withMargin(const Stage &st, double low, double high, double heights) const;
    // The right boxes whose lines' bands (strokes before their caps) from
    // box `from`, at height y1, meet the rows at the fraction t of the way.
    IndexRange bandsMeetingRows(const Stage &st, double t, double y1) const;
    // What the strokes of a run of lines from one box can cover at most:
    // the hull of their bands at the fraction t of the way (exact), or the
    // heights their ends and caps allow.
    std::pair<double, double> bandHull(const Stage &st, double t, double y1, IndexRange to) const;
    std::pair<double, double> strokesExtent(const Stage &st, double y1, IndexRange to) const;
    // Of the run `to`, the lines whose strokes (caps included) can reach the rows.
    IndexRange strokesNearRows(const Stage &st, double y1, IndexRange to) const;
    // The heights a line's stroke covers in the column at x, caps included;
    // low > high when none.
    std::pair<double, double> strokeAt(const Stage &st, double x, double y1, double y2) const;
    // Fills the rows whose centres lie in [low, high) that are still empty;
    // true when the column is full.
    bool fill(double low, double high, QRgb colour);
    int nextEmpty(int row);
    // Whether a row whose centre lies in [low, high) is still empty.
    bool hasEmptyRow(double low, double high);
    // The first such row; -1 when none.
    int firstEmptyRow(double low, double high);

    const GraphPicture::Content &m_content;
    const DeviceMap &m_map;
    QRect m_device;
    const LineSet &m_set;
    bool m_missing; // some road does not exist: its line is left out
    double m_pen;
    QImage m_image;
    // Columns that one stroke fills whole, set row by row at the end (0: none).
    std::vector<QRgb> m_wholeColumns;
    // Per column being filled: the next empty row at or after each row.
    std::vector<int> m_next;
    int m_filled = 0;
    int m_skipped = 0; // rows of the column that no stroke reaches
    int m_column = 0;
    bool m_coversAll = false;
    // Per stage rendered: the left and the right ends' heights, NaN until needed.
    mutable std::vector<std::vector<double>> m_heights;
};

} // namespace stagepath
