#include "print/sheets/SheetLayout.h"

#include "print/page/PageUnits.h"
#include "print/page/RecordingSurface.h"
#include "print/sheets/ArcCut.h"
#include "print/sheets/AssemblyMap.h"
#include "print/sheets/ClosingTab.h"
#include "print/sheets/InkExtents.h"
#include "print/sheets/NumberSpacing.h"
#include "print/sheets/RingLayout.h"
#include "print/sheets/ScaleCheck.h"
#include "print/sheets/SheetAids.h"
#include "print/sheets/SheetRow.h"
#include "print/sheets/StripFit.h"
#include "print/sheets/StripSplitter.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr double kCheckGap = 500; // from the page's last drawing to the scale check
constexpr double kRowGap = 200; // kept free at least between rows the layout moves

bool tooLong(const StripGeometry& strip, const SheetFormat& format)
{
    return !stripfit::fitsPrintableWidth(strip.length, strip.left, format, strip.tail);
}

/// A strip, not a vernier, gets the closing tab where the request asks for it; a ring has no ends.
bool tabbed(const StripGeometry& strip, const SheetRequest& request)
{
    return request.closingTab && request.ring == RingCut::None && strip.circleLength == 0;
}

/// The strip as it will be printed: with its closing tab, one division longer.
StripGeometry printed(const StripGeometry& strip, const SheetRequest& request)
{
    return tabbed(strip, request) ? closingtab::withTab(strip) : strip;
}

double bottomOf(const std::vector<PageOp>& ops, const InkExtents& ink, double from = 0)
{
    double bottom = from;
    for (const PageOp& op : ops)
        bottom = std::max(bottom, ink.bottom(op));
    return bottom;
}

SheetRow scaleCheckRow(bool inches)
{
    return { scalecheck::ops(kStripLeft, inches), scalecheck::height(inches), 0, std::nullopt, {} };
}

/// Places rows one below the other from `top` on, after what `first` holds already, beginning a new
/// sheet where a row would cross `bottom`; a sheet never holds part of a row. A row that is not a
/// strip's (a scale check, a vernier, a caption) first takes room beside what an earlier sheet
/// holds, the latest first, so that it never begins a sheet of its own while one has room.
class Pagination {
public:
    Pagination(Page first, double top, double bottom, bool firstHasRows, double width = 0,
        const InkExtents* ink = nullptr)
        : m_bottom(bottom)
        , m_width(width)
        , m_ink(ink)
        , m_cursor(top)
        , m_sheetHasRows(firstHasRows)
    {
        m_sheets.push_back(std::move(first));
        m_tops.push_back({ kSheetTop, top });
    }

    /// Returns the sheet it placed the row on, counted from 0.
    std::size_t place(const SheetRow& row)
    {
        if (m_sheetHasRows && m_cursor + row.height > m_bottom) {
            if (const std::optional<std::size_t> sheet = placeBeside(row))
                return *sheet;
            m_sheets.emplace_back();
            m_tops.push_back({ kSheetTop });
            m_cursor = kSheetTop;
        }
        for (PageOp op : row.ops) {
            op.y += m_cursor;
            m_sheets.back().ops.push_back(std::move(op));
        }
        m_tops.back().push_back(m_cursor);
        m_sheetHasRows = true;
        m_cursor += row.pitch;
        return m_sheets.size() - 1;
    }

    std::vector<Page> sheets() && { return std::move(m_sheets); }

private:
    static constexpr double kBesideGap = 400;
    static constexpr double kBesideSlack = 120; // a font's texts measure a little wider on some printers

    std::optional<std::size_t> placeBeside(const SheetRow& row)
    {
        if (m_ink == nullptr || m_width <= 0 || (row.strip && row.strip->circleLength == 0)
            || row.ops.empty())
            return std::nullopt;
        QRectF box;
        for (const PageOp& op : row.ops)
            box = box.isNull() ? m_ink->bounds(op) : box.united(m_ink->bounds(op));
        for (std::size_t s = m_sheets.size(); s-- > 0;) {
            for (const double top : m_tops[s]) {
                if (top + box.bottom() > m_bottom || top + box.top() < 0)
                    continue;
                // Right of everything in the band the row would take.
                double right = 0;
                for (const PageOp& op : m_sheets[s].ops) {
                    const QRectF ink = m_ink->bounds(op);
                    if (ink.bottom() > top + box.top() && ink.top() < top + box.bottom())
                        right = std::max(right, ink.right());
                }
                const double dx = right + kBesideGap - box.left();
                if (box.right() + dx > m_width - kBesideSlack)
                    continue;
                for (PageOp op : row.ops) {
                    op.x += dx;
                    op.y += top;
                    m_sheets[s].ops.push_back(std::move(op));
                }
                return s;
            }
        }
        return std::nullopt;
    }

    std::vector<Page> m_sheets;
    std::vector<std::vector<double>> m_tops; ///< where rows begin on each sheet, where one may go beside
    double m_bottom;
    double m_width;
    const InkExtents* m_ink;
    double m_cursor;
    bool m_sheetHasRows;
};

/// What becomes of a strip's row on the sheets: itself, its segments, its ring or its sectors.
using StripRows
    = std::function<std::vector<SheetRow>(std::vector<PageOp> ops, const StripGeometry& strip, double pitch)>;

/// The page's rows, each from its top to the next row's top, its strips as `strips` makes them.
std::vector<SheetRow> rowsOf(const Page& drawn, const InkExtents& ink, const StripRows& strips)
{
    std::vector<SheetRow> rows;
    for (std::size_t i = 0; i < drawn.rows.size(); ++i) {
        const PageRow& note = drawn.rows[i];
        const std::size_t end = i + 1 < drawn.rows.size() ? drawn.rows[i + 1].firstOp : drawn.ops.size();
        std::vector<PageOp> ops;
        for (std::size_t k = std::min(note.firstOp, end); k < end; ++k) {
            PageOp op = drawn.ops[k];
            op.y -= note.top;
            ops.push_back(std::move(op));
        }
        const double height = bottomOf(ops, ink);
        const double drawnPitch = i + 1 < drawn.rows.size() ? drawn.rows[i + 1].top - note.top : height;
        const double pitch = std::max(drawnPitch, height + kRowGap);
        if (note.strip) {
            for (SheetRow& row : strips(std::move(ops), *note.strip, pitch)) {
                if (!row.strip)
                    row.strip = note.strip;
                row.source = i;
                rows.push_back(std::move(row));
            }
        } else {
            rows.push_back({ std::move(ops), height, pitch, std::nullopt, {} });
        }
    }
    return rows;
}

/// The strips of a page on these sheets: too long ones cut into segments, or every one a ring.
StripRows stripRows(const SheetRequest& request, const InkExtents& ink)
{
    if (request.ring != RingCut::None) {
        return [maker = std::make_shared<RingMaker>(request.format, ink, request.inches, request.ring,
                    request.ringFromCentre)](std::vector<PageOp> ops, const StripGeometry& strip,
                   double pitch) { return maker->rows(ops, strip, pitch); };
    }
    return [&request, &ink, splitter = std::make_shared<StripSplitter>(request.format, ink)](
               std::vector<PageOp> ops, const StripGeometry& strip, double pitch) {
        if (arccut::isArc(strip)) {
            arccut::Strip arc = arccut::cut(ops, strip, ink);
            std::vector<SheetRow> rows;
            if (request.splitLongStrips && tooLong(arc.strip, request.format))
                rows = splitter->split(arc.ops, arc.strip, pitch, false);
            else
                rows.push_back({ arc.ops, bottomOf(arc.ops, ink), pitch, std::nullopt, {} });
            for (SheetRow& row : rows) {
                row.pitch = std::max(row.pitch, row.height + kRowGap);
                row.strip = arc.strip;
            }
            return rows;
        }
        const bool tab = tabbed(strip, request);
        if (tab)
            ops = closingtab::extend(ops, strip, ink);
        if (request.splitLongStrips && tooLong(printed(strip, request), request.format))
            return splitter->split(ops, strip, pitch, tab);
        if (tab)
            return std::vector<SheetRow> { splitter->closeWhole(std::move(ops), strip, pitch) };
        const double height = bottomOf(ops, ink);
        return std::vector<SheetRow> { { std::move(ops), height, pitch, std::nullopt, {} } };
    };
}

std::vector<Page> splitSheets(const Page& drawn, const SheetRequest& request, const InkExtents& ink)
{
    const SheetFormat& format = request.format;
    Page head;
    const std::size_t headEnd = std::min(drawn.rows.front().firstOp, drawn.ops.size());
    head.ops.assign(drawn.ops.begin(), drawn.ops.begin() + static_cast<std::ptrdiff_t>(headEnd));
    std::vector<SheetRow> rows = rowsOf(drawn, ink, stripRows(request, ink));
    if (request.scaleCheck) {
        rows.back().pitch = std::max(rows.back().pitch, rows.back().height + kCheckGap);
        rows.push_back(scaleCheckRow(request.inches));
    }
    const double bottom = format.paper.printableHeight() / format.factorDown();
    const double width = format.paper.printableWidth() / format.factorAcross();
    Pagination pages(std::move(head), drawn.rows.front().top, bottom, false, width, &ink);
    std::vector<std::size_t> placedOn;
    for (const SheetRow& row : rows)
        placedOn.push_back(pages.place(row));
    std::vector<Page> sheets = std::move(pages).sheets();
    if (std::none_of(rows.begin(), rows.end(), [](const SheetRow& row) { return !row.pieces.empty(); }))
        return sheets;

    // A job in pieces opens with its assembly map: every strip or ring, its pieces with the sheets
    // they are on, counted with the map's own sheets.
    const auto mapSheets = [&](std::size_t first) {
        std::vector<MapStrip> strips;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const SheetRow& row = rows[i];
            if (!row.strip || row.strip->circleLength > 0)
                continue;
            const bool tab = tabbed(*row.strip, request);
            if (strips.empty() || strips.back().source != row.source)
                strips.push_back({ row.source, *row.strip, tab, {} });
            std::vector<PieceNote> notes = row.pieces;
            if (notes.empty())
                notes.push_back(assemblymap::wholeNote(*row.strip, tab));
            for (PieceNote& note : notes)
                strips.back().pieces.push_back({ std::move(note), first + placedOn[i] + 1 });
        }
        Pagination map(Page {}, kSheetTop, bottom, false);
        for (const SheetRow& row : assemblymap::rows(strips, request.ring != RingCut::None, format, ink))
            map.place(row);
        return std::move(map).sheets();
    };
    std::vector<Page> map = mapSheets(1);
    if (map.size() > 1)
        map = mapSheets(map.size());
    sheets.insert(sheets.begin(), map.begin(), map.end());
    sheetaids::addTo(sheets, request.circle, request.inches);
    return sheets;
}

std::vector<Page> wholeSheet(const Page& drawn, const SheetRequest& request, const InkExtents& ink)
{
    if (!request.scaleCheck)
        return { drawn };
    // Below the page's last drawing, or on a sheet of its own where it would cross the bottom.
    const bool drawing = std::any_of(
        drawn.ops.begin(), drawn.ops.end(), [&ink](const PageOp& op) { return ink.bottom(op) > op.y; });
    const SheetFormat& format = request.format;
    Pagination pages(drawn, bottomOf(drawn.ops, ink) + kCheckGap,
        format.paper.printableHeight() / format.factorDown(), drawing,
        format.paper.printableWidth() / format.factorAcross(), &ink);
    pages.place(scaleCheckRow(request.inches));
    return std::move(pages).sheets();
}

} // namespace

std::vector<Page> layOutSheets(const Page& drawn, const SheetRequest& request, const TextMetrics& metrics)
{
    const InkExtents ink(metrics);
    // Rings always take new places: a ring is taller than the strip it was drawn as; so does a strip
    // with its tab's joint below it.
    const auto any = [&drawn](const auto& test) {
        return std::any_of(drawn.rows.begin(), drawn.rows.end(),
            [&test](const PageRow& row) { return row.strip && test(*row.strip); });
    };
    const bool split = !drawn.rows.empty()
        && (request.ring != RingCut::None
            || any([&request](const StripGeometry& strip) { return tabbed(strip, request); })
            || any(arccut::isArc) || (request.splitLongStrips && any([&request](const StripGeometry& strip) {
                   return tooLong(printed(strip, request), request.format);
               })));
    std::vector<Page> sheets = split ? splitSheets(drawn, request, ink) : wholeSheet(drawn, request, ink);
    for (Page& sheet : sheets) {
        sheet.rows.clear();
        sheet.scaleX = request.format.factorAcross();
        sheet.scaleY = request.format.factorDown();
    }
    if (!sheets.empty()) {
        sheets.front().numbersFit
            = numberspacing::largestFittingFont(drawn, ink, request.ring != RingCut::None).value_or(0);
    }
    return sheets;
}

namespace {

/// The drawn page with its strips' rows as `strips` makes them, the rows below moved to follow.
Page relaid(const Page& drawn, const InkExtents& ink, const StripRows& strips)
{
    Page page;
    const std::size_t headEnd = std::min(drawn.rows.front().firstOp, drawn.ops.size());
    page.ops.assign(drawn.ops.begin(), drawn.ops.begin() + static_cast<std::ptrdiff_t>(headEnd));
    double cursor = drawn.rows.front().top;
    for (SheetRow& row : rowsOf(drawn, ink, strips)) {
        // Every row keeps its note, so a reader still tells the rings from the cards and captions.
        PageRow placed;
        placed.firstOp = page.ops.size();
        placed.top = cursor;
        placed.strip = row.strip;
        page.rows.push_back(placed);
        for (PageOp& op : row.ops) {
            op.y += cursor;
            page.ops.push_back(std::move(op));
        }
        cursor += row.pitch;
    }
    return page;
}

} // namespace

Page wholeRings(const Page& drawn, const TextMetrics& metrics, bool fromCentre)
{
    if (drawn.rows.empty())
        return drawn;
    const InkExtents ink(metrics);
    SheetRequest request;
    request.ring = RingCut::Whole;
    request.ringFromCentre = fromCentre;
    return relaid(drawn, ink, stripRows(request, ink));
}

Page cutArcs(const Page& drawn, const TextMetrics& metrics)
{
    const bool arcs = std::any_of(drawn.rows.begin(), drawn.rows.end(),
        [](const PageRow& row) { return row.strip && arccut::isArc(*row.strip); });
    if (!arcs)
        return drawn;
    const InkExtents ink(metrics);
    const SheetRequest request;
    return relaid(drawn, ink, stripRows(request, ink));
}

std::vector<Page> layOutSheets(const Page& drawn, const SheetRequest& request)
{
    return layOutSheets(drawn, request, FontTextMetrics());
}

std::unique_ptr<PrintSurface> openSheetDocument(const SheetRequest& request, SheetSink sink)
{
    auto metrics = std::make_shared<FontTextMetrics>();
    return std::make_unique<RecordingSurface>(
        request.format.paper.width, metrics, [request, metrics, sink = std::move(sink)](const Page& page) {
            sink(layOutSheets(page, request, *metrics));
        });
}
