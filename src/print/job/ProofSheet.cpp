#include "print/job/ProofSheet.h"

#include "common/Numeric.h"
#include "common/RuntimeError.h"
#include "print/job/JobPage.h"
#include "print/page/PageUnits.h"
#include "print/page/PrintSurface.h"
#include "print/page/TextMetrics.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

const QString kFont = QStringLiteral("Arial");
constexpr double kTitlePoints = 10;
constexpr double kLabelPoints = 8;
constexpr double kTitleGap = 250;
constexpr double kLabelGap = 60; // from a label to its black-on-white sample
constexpr double kInkGap = 150; // from that sample to the white-on-black one
constexpr double kRowGap = 250;
constexpr double kColumnGap = 300;
// A white sample's box reaches this far past its ends, so that its end numbers stay on black.
constexpr double kBoxReach = 250;
constexpr double kBlackBoxHeight = 600; // as the jobs draw it
constexpr double kMarkTolerance = 1;
constexpr qint32 kWidestPen = 5;
constexpr std::array<double, 3> kSpans { 40, 20, 10 };

/// The page surface seen through the window of one sample: what the strip draws between `from`
/// and `to` reaches the page, the rest of the circle does not. A number stays with the long mark it
/// stands on; a white sample's box is cut a little past the window.
class SampleWindow : public PrintSurface {
public:
    SampleWindow(PrintSurface& page, double from, double to, double numberReach)
        : m_page(page)
        , m_from(from)
        , m_to(to)
        , m_numberReach(numberReach)
    { }

    qint32 width() override { return m_page.width(); }
    void setJobStart(qint16 setting) override { m_page.setJobStart(setting); }
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }
    void setForeColor(Rgb colour) override { m_page.setForeColor(colour); }
    void setDrawWidth(qint16 dots) override { m_page.setDrawWidth(dots); }
    void setFontName(const QString& name) override { m_page.setFontName(name); }
    void setFontSize(float points) override { m_page.setFontSize(points); }
    float textWidth(const QString& text) override { return m_page.textWidth(text); }
    float textHeight(const QString& text) override { return m_page.textHeight(text); }

    void print(const QString& text) override
    {
        const double centre = m_x + m_page.textWidth(text) / 2;
        if (centre >= m_from - m_numberReach && centre <= m_to + m_numberReach) {
            m_page.setCurrentX(m_x);
            m_page.setCurrentY(m_y);
            m_page.print(text);
        }
        m_x = 0;
        m_y += m_page.textHeight(text);
    }
    void print(qint16 number) override
    {
        const QString digits = QString::number(qAbs(static_cast<int>(number)));
        print((number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QStringLiteral(" "));
    }

    void line(LineFlags flags, float x1, float y1, float dx, float dy, Rgb colour) override
    {
        if (flags == LineFlags::Stroke && dx == 0) {
            if (x1 >= m_from - kMarkTolerance && x1 <= m_to + kMarkTolerance)
                m_page.line(flags, x1, y1, dx, dy, colour);
            return;
        }
        const double reach = flags == LineFlags::FilledBox ? kBoxReach : 0;
        const double left = std::max<double>(std::min(x1, x1 + dx), m_from - reach);
        const double right = std::min<double>(std::max(x1, x1 + dx), m_to + reach);
        if (right > left)
            m_page.line(flags, static_cast<float>(left), y1, static_cast<float>(right - left), dy, colour);
    }

    void endDoc() override { }
    void killDoc() override { }

private:
    PrintSurface& m_page;
    double m_from;
    double m_to;
    double m_numberReach;
    float m_x = 0;
    float m_y = 0;
};

bool topLayout(const JobSettings& settings)
{
    for (const CircleSetSettings& set : settings.sets) {
        if (set.enabled)
            return set.topLayout;
    }
    return true;
}

/// A sample's strip, marks and numbers: as tall in either layout.
double stripHeight(const ProofSheet::Sample& sample, bool otherWay, const TextMetrics& metrics)
{
    double height
        = numeric::toInt16(2.5 * sample.height) + metrics.height(QStringLiteral("0"), kFont, sample.font);
    if (otherWay)
        height += metrics.height(QStringLiteral("0"), kFont, std::max(4, sample.font - 2));
    return height;
}

double cellHeight(const ProofSheet::Sample& sample, bool otherWay, const TextMetrics& metrics)
{
    const double strip = stripHeight(sample, otherWay, metrics);
    const double box = kBlackBoxHeight
        + (otherWay ? metrics.height(QStringLiteral("0"), kFont, std::max(4, sample.font - 2)) : 0);
    return metrics.height(QStringLiteral("W"), kFont, kLabelPoints) + kLabelGap + strip + kInkGap
        + std::max(strip, box);
}

} // namespace

std::array<qint32, 3> ProofSheet::Sample::widths() const
{
    const qint32 longer = std::min(kWidestPen, smallest + 1);
    return { smallest, longer, longer };
}

QString ProofSheet::Sample::label() const
{
    const std::array<qint32, 3> pens = widths();
    return QCoreApplication::translate("ProofSheet", "Widths %1-%2-%3, Height %4, Font %5")
        .arg(pens[0])
        .arg(pens[1])
        .arg(pens[2])
        .arg(height)
        .arg(font);
}

std::vector<ProofSheet::Sample> ProofSheet::samples()
{
    constexpr std::array<qint32, 4> kWidths { 1, 2, 3, 5 };
    constexpr std::array<qint32, 3> kHeights { 60, 100, 150 };
    constexpr std::array<qint32, 3> kFonts { 8, 10, 14 };
    std::vector<Sample> all;
    for (std::size_t h = 0; h < kHeights.size(); ++h) {
        for (std::size_t w = 0; w < kWidths.size(); ++w)
            all.push_back({ kWidths[w], kHeights[h], kFonts[(h + w) % kFonts.size()] });
    }
    return all;
}

ProofSheet::ProofSheet(std::variant<JobRefusal, JobCircle> circle)
    : m_circle(std::move(circle))
{ }

std::optional<ProofSheet::Layout> ProofSheet::layout(
    const SheetFormat& format, const TextMetrics& metrics) const
{
    const JobCircle& circle = std::get<JobCircle>(m_circle);
    const bool otherWay = circle.settings.bothWays && !circle.mode.otherWay.empty();
    const std::vector<Sample> all = samples();
    double labelWidth = 0;
    for (const Sample& sample : all)
        labelWidth = std::max(labelWidth, metrics.width(sample.label(), kFont, kLabelPoints));
    const double width = format.paper.printableWidth() / format.factorAcross();
    const double height = format.paper.printableHeight() / format.factorDown();
    const double top = metrics.height(QStringLiteral("W"), kFont, kTitlePoints) + kTitleGap;
    for (const double degrees : kSpans) {
        Layout layout;
        layout.degrees = degrees;
        const double span = circle.size.lengthTw() * degrees / 360;
        layout.columnWidth = std::max(labelWidth, span + 2 * kBoxReach);
        layout.columns = static_cast<int>(std::min<double>(
            all.size(), std::floor((width - kStripLeft + kColumnGap) / (layout.columnWidth + kColumnGap))));
        if (layout.columns < 1)
            continue;
        double y = top;
        for (std::size_t first = 0; first < all.size(); first += static_cast<std::size_t>(layout.columns)) {
            layout.rowTops.push_back(y);
            double row = 0;
            for (std::size_t k = first; k < std::min(all.size(), first + layout.columns); ++k)
                row = std::max(row, cellHeight(all[k], otherWay, metrics));
            y += row + kRowGap;
        }
        layout.bottom = y - kRowGap;
        if (layout.bottom <= height)
            return layout;
    }
    return std::nullopt;
}

std::variant<QString, SheetRequest> ProofSheet::check(const SheetFormat& format) const
{
    if (const auto* refusal = std::get_if<JobRefusal>(&m_circle))
        return refusal->message;
    const JobCircle& circle = std::get<JobCircle>(m_circle);
    if (!layout(format, FontTextMetrics()))
        return QCoreApplication::translate(
            "ProofSheet", "Proof sheet: %1 samples of 10 degrees don't fit this paper.")
            .arg(circle.mode.circleLabel);
    SheetRequest request;
    request.format = format;
    request.inches = circle.size.inches;
    request.circle
        = (circle.size.diameter ? QCoreApplication::translate("PrintJob", "%1 %2 %3 dia.")
                                : QCoreApplication::translate("PrintJob", "%1 %2 %3 len."))
              .arg(circle.mode.circleLabel, numeric::generalForm(circle.size.entry), circle.size.units);
    return request;
}

void ProofSheet::draw(PrintSurface& surface, const SheetRequest& request) const
{
    const JobCircle& circle = std::get<JobCircle>(m_circle);
    const FontTextMetrics metrics;
    const std::optional<Layout> places = layout(request.format, metrics);
    if (!places)
        throw RuntimeError::invalidPropertyValue();
    surface.setFontName(kFont);
    surface.setFontSize(kTitlePoints);
    surface.setForeColor(kBlack);
    surface.setCurrentX(kStripLeft);
    surface.setCurrentY(0);
    surface.print(QCoreApplication::translate("ProofSheet", "Proof sheet: %1, samples of %2\u00B0")
                      .arg(request.circle, numeric::generalForm(places->degrees)));

    const std::optional<SheetFormat> paper = request.format;
    const JobPage page(circle.settings, circle.mode, circle.size, paper);
    const bool top = topLayout(circle.settings);
    const bool otherWay = circle.settings.bothWays && !circle.mode.otherWay.empty();
    const double span = circle.size.lengthTw() * places->degrees / 360;
    const double labelHeight = metrics.height(QStringLiteral("W"), kFont, kLabelPoints);
    const std::vector<Sample> all = samples();
    for (std::size_t k = 0; k < all.size(); ++k) {
        const Sample& sample = all[k];
        const auto column = static_cast<double>(k % static_cast<std::size_t>(places->columns));
        const double x = kStripLeft + column * (places->columnWidth + kColumnGap);
        const double y = places->rowTops[k / static_cast<std::size_t>(places->columns)];
        surface.setFontName(kFont);
        surface.setFontSize(kLabelPoints);
        surface.setForeColor(kBlack);
        surface.setCurrentX(static_cast<float>(x));
        surface.setCurrentY(static_cast<float>(y));
        surface.print(sample.label());

        const std::array<qint32, 3> pens = sample.widths();
        CircleSetSettings set;
        set.enabled = true;
        set.topLayout = top;
        set.sliders = { pens[0], pens[1], pens[2], sample.height, sample.font };
        const StripInputs inputs = page.stripInputs(set);
        const double left = x + (places->columnWidth - span) / 2;
        // The number on a window's end mark is kept; the next long mark's is not.
        const double reach
            = circle.size.lengthTw() / (circle.mode.caption == CaptionStyle::Hours ? 24 : 36) / 4;
        SampleWindow window(surface, left, left + span, reach);
        const double black = y + labelHeight + kLabelGap;
        page.drawStrip(window, { numeric::toInt32(left), numeric::toInt32(black) }, inputs, kBlack);
        const double white = black + stripHeight(sample, otherWay, metrics) + kInkGap;
        page.drawStrip(window, { numeric::toInt32(left), numeric::toInt32(white) }, inputs, kWhite);
    }
    surface.endDoc();
}
