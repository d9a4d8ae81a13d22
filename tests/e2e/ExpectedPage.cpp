#include "ExpectedPage.h"

#include <cmath>
#include <cstdlib>

namespace e2e {

namespace {

constexpr qint64 kBlack = 0x000000;
constexpr qint64 kWhite = 0xFFFFFF;
constexpr double kTwipsPerPoint = 20.0;
// Arial's metrics, in units of the em (Liberation Sans: 2048 to the em).
constexpr double kEm = 2048.0;
constexpr double kDigitAdvance = 1139.0;
constexpr double kAscent = 1854.0;
constexpr double kDescent = 434.0;
constexpr double kWidthError = 0.05; // twips, between a measured and the design width of a number

constexpr double kStripLeft = 100;
constexpr double kRowStep = 750;
constexpr double kStripBoxHeight = 600;
constexpr double kCardSize = 500;
constexpr double kCaptionLeft = 2700; // 200 right of the second card (2000 + 500)
constexpr double kCaptionDrop = 250; // below the cards' top
constexpr double kSetEnd = 500; // from the cards' top to where the next set starts

/// Halves to the even neighbour, as the page positions are rounded.
double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

struct Family {
    double first;
    double step;
    int count;
    int dots;
    int height;
};

class Builder {
public:
    explicit Builder(const PageSettings& settings)
        : m_settings(settings)
        , m_numbers(ExpectedPage::scaleNumbers(settings))
    { }

    ExpectedPage build()
    {
        const QString card = m_settings.graduation == Graduation::Altitude ? QStringLiteral("Alt.")
            : m_settings.graduation == Graduation::Azimuth                 ? QStringLiteral("Az")
                                                                           : QStringLiteral("RA");
        double row = 0;
        for (std::size_t i = 0; i < m_settings.sets.size(); ++i) {
            const CircleSetValues& set = m_settings.sets[i];
            const int ten = heightTen(set);
            // The top layout leaves the row lower by the long marks' height after each strip.
            const double shift = set.onTop ? ten : 0;

            strip(set, row + kRowStep, kBlack);

            // Edged with the pen the black-on-white strip's long marks left behind.
            const double whiteStrip = row + 2 * kRowStep + shift;
            m_page.boxes.push_back({ kStripLeft, whiteStrip, kStripLeft + m_settings.lengthTwips,
                whiteStrip + kStripBoxHeight, kBlack, set.tenMark });
            strip(set, whiteStrip, kWhite);

            const double cards = row + 3 * kRowStep + 2 * shift;
            indexCard(1000, cards, set, kWhite, kBlack, card);
            indexCard(2000, cards, set, kBlack, kWhite, card);
            m_page.texts.push_back({ m_settings.captions.value(static_cast<int>(i)), kCaptionLeft, 0,
                cards + kCaptionDrop, 10, kBlack });
            row = cards + kSetEnd;
        }
        return m_page;
    }

private:
    static int heightTen(const CircleSetValues& set)
    {
        return static_cast<int>(roundHalfEven(2.5 * set.circleWidth));
    }

    std::vector<Family> families(const CircleSetValues& set) const
    {
        const double length = m_settings.lengthTwips;
        const int small = set.circleWidth;
        const int five = 2 * set.circleWidth;
        const int ten = heightTen(set);
        if (m_settings.graduation == Graduation::Ra) {
            return { { kStripLeft, length / 144, 144, set.smallMark, small },
                { kStripLeft + length / 48, length / 48, 47, set.fiveMark, five },
                { kStripLeft, length / 24, 25, set.tenMark, ten } };
        }
        const double sm = m_settings.smallestMark;
        return { { kStripLeft, length * sm / 360, static_cast<int>(360 / sm), set.smallMark, small },
            { kStripLeft + length / 72, length / 36, 36, set.fiveMark, five },
            { kStripLeft, length / 36, 37, set.tenMark, ten } };
    }

    void strip(const CircleSetValues& set, double top, qint64 colour)
    {
        const int ten = heightTen(set);
        // Bottom layout: the numbers' row on top, every mark standing on one line below it.
        const double bottom = top + roundHalfEven(ExpectedPage::textHeight(set.fontSize)) + ten;
        for (const Family& family : families(set)) {
            for (int j = 0; j < family.count; ++j) {
                const double x = family.first + j * family.step;
                const double y1 = set.onTop ? top : bottom - family.height;
                m_page.segments.push_back({ x, y1, y1 + family.height, family.dots, colour });
            }
        }
        numbers(set, set.onTop ? top + ten : top, colour);
    }

    void numbers(const CircleSetValues& set, double top, qint64 colour)
    {
        const std::size_t count = m_numbers.size();
        const double spacing = m_settings.lengthTwips / static_cast<double>(count - 1);
        const double rightEndOffset = m_settings.graduation == Graduation::Ra ? -40 : -25;
        for (std::size_t k = 0; k < count; ++k) {
            const QString digits = QString::number(std::abs(m_numbers[k]));
            const double w = digits.size() * ExpectedPage::digitWidth(set.fontSize);
            const double x = kStripLeft + static_cast<double>(k) * spacing;
            const bool middle = k > 0 && k + 1 < count;
            const double edge = middle ? x - w / 2 : x - w;
            const double offset = k == 0 ? 75 : middle ? -50 : rightEndOffset;
            // The font engine measures widths to 1/64 of a pixel, here a twip: a few hundredths
            // from the design width can tip a near-half edge to the other whole twip.
            const double slack = std::abs(edge - std::floor(edge) - 0.5) < kWidthError ? 1 : 0;
            // A number is printed with a blank on each side of its digits.
            m_page.texts.push_back({ QStringLiteral(" %1 ").arg(m_numbers[k]), roundHalfEven(edge) + offset,
                slack, top, double(set.fontSize), colour });
        }
    }

    void indexCard(
        double left, double top, const CircleSetValues& set, qint64 ink, qint64 paper, const QString& label)
    {
        m_page.boxes.push_back({ left, top, left + kCardSize, top + kCardSize, paper, set.tenMark });
        m_page.segments.push_back(
            { left + kCardSize / 2, top + kCardSize / 2, top + kCardSize, set.tenMark, ink });
        m_page.texts.push_back({ label, left + 20, 0, top, double(set.fontSize), ink });
    }

    const PageSettings& m_settings;
    const std::vector<int> m_numbers;
    ExpectedPage m_page;
};

} // namespace

ExpectedPage ExpectedPage::of(const PageSettings& settings)
{
    return Builder(settings).build();
}

std::vector<int> ExpectedPage::scaleNumbers(const PageSettings& settings)
{
    std::vector<int> numbers;
    switch (settings.graduation) {
    case Graduation::Altitude:
        // 90 where the ends meet, split as 0 on the left and 9 on the right.
        numbers.push_back(0);
        for (int degrees = 10; degrees < 360; degrees += 10)
            numbers.push_back(std::abs(90 - degrees % 180));
        numbers.push_back(9);
        break;
    case Graduation::Azimuth:
        for (int k = 0; k < 36; ++k)
            numbers.push_back(settings.numbersIncrease || k == 0 ? 10 * k : 360 - 10 * k);
        numbers.push_back(0);
        break;
    case Graduation::Ra:
        for (int hour = 0; hour < 24; ++hour)
            numbers.push_back(hour);
        numbers.push_back(0);
        break;
    }
    return numbers;
}

double ExpectedPage::digitWidth(int points)
{
    return kDigitAdvance / kEm * points * kTwipsPerPoint;
}

double ExpectedPage::textHeight(int points)
{
    return (kAscent + kDescent) / kEm * points * kTwipsPerPoint;
}

} // namespace e2e
