#include "print/render/PageOutlines.h"

#include "print/render/OpGeometry.h"
#include "print/render/OpOutlines.h"
#include "print/render/RowInk.h"

#include <algorithm>

namespace {

/// A line to cut along, as its centre line: true when it was taken.
bool addCut(const PageOp& op, PageOutlines& out)
{
    const QPointF centre(op.x, op.y);
    switch (op.kind) {
    case PageOp::Kind::Text:
        return false;
    case PageOp::Kind::Stroke: {
        if (op.dx != 0 || op.dy != 0) {
            QPainterPath path;
            path.moveTo(op.x, op.y);
            path.lineTo(op.x + op.dx, op.y + op.dy);
            out.cut.push_back(path);
        }
        return true;
    }
    case PageOp::Kind::FilledBox: {
        QPainterPath path;
        path.addRect(QRectF(op.x, op.y, op.dx, op.dy).normalized());
        out.cut.push_back(path);
        return true;
    }
    case PageOp::Kind::Arc:
    case PageOp::Kind::Annulus:
        for (const double radius : { op.radius, op.kind == PageOp::Kind::Annulus ? op.innerRadius : 0.0 }) {
            if (radius <= 0)
                continue;
            if (opgeometry::wholeCircle(op.sweep)) {
                out.cutCircles.push_back({ centre, radius });
                continue;
            }
            const double sweep = std::clamp(op.sweep, -360.0, 360.0);
            QPainterPath path;
            path.arcMoveTo(opgeometry::circleBox(centre, radius), opgeometry::qtAngle(op.startAngle));
            path.arcTo(opgeometry::circleBox(centre, radius), opgeometry::qtAngle(op.startAngle), -sweep);
            out.cut.push_back(path);
        }
        return true;
    }
    return false;
}

QRectF boundsOf(const std::vector<QPainterPath>& paths)
{
    QRectF bounds;
    for (const QPainterPath& path : paths)
        bounds = bounds.united(path.boundingRect());
    return bounds;
}

void append(std::vector<QPainterPath>& to, std::vector<QPainterPath>&& from)
{
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

} // namespace

PageOutlines PageOutlines::of(const Page& page)
{
    PageOutlines out;
    opoutline::Glyphs glyphs;
    const std::size_t rowCount = page.rows.size();
    // Index rowCount stands for the ops before the first row.
    for (std::size_t r = 0; r <= rowCount; ++r) {
        const bool lead = r == rowCount;
        const std::size_t first = lead ? 0 : std::min(page.rows[r].firstOp, page.ops.size());
        std::size_t end = page.ops.size();
        if (lead)
            end = rowCount > 0 ? std::min(page.rows.front().firstOp, page.ops.size()) : end;
        else if (r + 1 < rowCount)
            end = std::min(page.rows[r + 1].firstOp, page.ops.size());

        RowInk ink;
        bool ownCut = false;
        bool bent = false; // a strip bent round (a ring's vernier): its marks are not upright
        for (std::size_t i = first; i < end; ++i) {
            const PageOp& op = page.ops[i];
            if (!opgeometry::finite(op))
                continue;
            bent = bent || (op.kind == PageOp::Kind::Stroke && op.dx != 0 && op.dy != 0);
            if (op.cut && addCut(op, out)) {
                ownCut = true;
                continue;
            }
            ink.add(opoutline::ink(op, glyphs), op.colour == kWhite);
        }
        std::vector<QPainterPath> black = ink.takeBlack();
        mergeOverlaps(black);
        std::optional<StripGeometry> strip;
        if (!lead)
            strip = page.rows[r].strip;
        if (strip && !ownCut && !black.empty()) {
            const QRectF inkBounds = boundsOf(black);
            QPainterPath outline;
            // A bent strip no longer lies along its note's length: a box round its ink.
            outline.addRect(bent ? inkBounds
                                 : QRectF(QPointF(strip->left, inkBounds.top()),
                                     QPointF(strip->left + strip->length + strip->tail, inkBounds.bottom())));
            out.cut.push_back(outline);
        }
        append(strip || ownCut ? out.engrave : out.notes, std::move(black));
    }

    out.bounds = boundsOf(out.engrave).united(boundsOf(out.notes)).united(boundsOf(out.cut));
    for (const Circle& circle : out.cutCircles)
        out.bounds = out.bounds.united(opgeometry::circleBox(circle.centre, circle.radius));
    return out;
}
