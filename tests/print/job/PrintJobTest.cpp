// Both print jobs from the button to the page, with a scripted printer: the dialog, the progress,
// the refusals and the focus around the job, and the page it draws.
#include "PageQuery.h"
#include "ScriptedJobHost.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/printers/PdfFilePrinter.h"
#include "settings/SettingsModel.h"
#include "support/RowName.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace pagequery;

namespace {

constexpr qint32 kA4 = 11906;
constexpr qint32 kLetter = 12240;
constexpr qint32 kA4Landscape = 16838;
constexpr bool kMm = true;
constexpr bool kInches = false;
constexpr bool kDiameter = true;
constexpr bool kLength = false;
const QString kNotNumeric = QStringLiteral("Must be numeric.");

enum class Kind { Altitude, Azimuth, Ra };

std::string kindName(Kind kind)
{
    return kind == Kind::Altitude ? "Altitude" : kind == Kind::Azimuth ? "Azimuth" : "Ra";
}

/// A window's worth of state around one job of a kind: settings at their defaults (3-inch
/// diameter, 1 degree, black on white, circle set 1, azimuth numbered upwards), a scripted printer
/// and where the job left its drawing cursor.
struct Rig {
    explicit Rig(Kind jobKind = Kind::Altitude, qint32 pageWidth = kA4Landscape)
        : kind(jobKind)
        , host(model, pageWidth)
    {
        if (kind == Kind::Ra)
            model.setOption(Option::Ra, true);
    }
    bool altitude() const { return kind == Kind::Altitude; }
    SizeText sizeText() const { return altitude() ? SizeText::Altitude : SizeText::Azimuth; }
    void entry(const QString& text, bool mm = kMm, bool diameter = kDiameter)
    {
        model.setText(sizeText(), text);
        if (altitude()) {
            model.setOption(mm ? Option::Altmm : Option::Altin, true);
            model.setOption(diameter ? Option::AltDia : Option::AltLen, true);
        } else {
            model.setOption(mm ? Option::Azmm : Option::Azin, true);
            model.setOption(diameter ? Option::AzDia : Option::AzLen, true);
        }
    }
    void run()
    {
        position = altitude() ? host.run(AltitudePrintJob(model)) : host.run(AzimuthPrintJob(model));
    }
    const QString& status() const { return model.status().text(); }
    quint32 colour() const { return model.status().color(); }
    QString caption() const { return captionText(host.deliveredPage()); }
    std::vector<SizeText> focusOnEntry() const { return { sizeText() }; }

    Kind kind;
    SettingsModel model;
    ScriptedJobHost host;
    PagePosition position;
};

} // namespace

TEST(PrintJob, EmptyEntryEndsAtOnce)
{
    for (const Kind kind : { Kind::Altitude, Kind::Azimuth }) {
        Rig rig(kind);
        rig.model.status().show(StatusLine::kErrorColor, QStringLiteral("earlier"));
        rig.entry(QString());
        rig.run();
        EXPECT_EQ(rig.host.dialogs(), 0);
        EXPECT_EQ(rig.host.eventRounds(), 0);
        EXPECT_EQ(rig.status(), QStringLiteral("earlier"));
    }
}

namespace {

class Progress : public ::testing::TestWithParam<std::pair<Kind, const char*>> { };

} // namespace

TEST_P(Progress, IsShownOnceThenCleared)
{
    Rig rig(GetParam().first);
    rig.entry(QStringLiteral("80"));
    rig.run();
    EXPECT_EQ(rig.host.dialogs(), 1);
    EXPECT_EQ(rig.host.eventRounds(), 1);
    EXPECT_EQ(rig.host.statusAtEvents(), QString::fromLatin1(GetParam().second));
    EXPECT_EQ(rig.host.colourAtEvents(), StatusLine::kStatusColor);
    // Success clears the text and keeps the progress colour.
    EXPECT_EQ(rig.status(), QString());
    EXPECT_EQ(rig.colour(), StatusLine::kStatusColor);
    EXPECT_EQ(rig.host.focus(), rig.focusOnEntry());
}

INSTANTIATE_TEST_SUITE_P(Kinds, Progress,
    ::testing::Values(std::pair(Kind::Altitude, "Printing altitude..."),
        std::pair(Kind::Azimuth, "Printing azimuth..."), std::pair(Kind::Ra, "Printing RA")),
    [](const auto& row) { return kindName(row.param.first); });

namespace {

struct NotANumberCase {
    Kind kind;
    const char* text;
    const char* progress; // nullptr: the entry is converted before the progress is shown
};

class NotANumber : public ::testing::TestWithParam<NotANumberCase> { };

} // namespace

// After the dialog: an altitude entry is converted before its progress is shown, an azimuth entry
// after.
TEST_P(NotANumber, IsRefusedAfterTheDialog)
{
    const NotANumberCase& c = GetParam();
    Rig rig(c.kind);
    rig.entry(QString::fromLatin1(c.text));
    rig.run();
    EXPECT_EQ(rig.host.dialogs(), 1);
    EXPECT_EQ(rig.host.eventRounds(), c.progress ? 1 : 0);
    if (c.progress) {
        EXPECT_EQ(rig.host.statusAtEvents(), QString::fromLatin1(c.progress));
        EXPECT_EQ(rig.host.colourAtEvents(), StatusLine::kStatusColor);
    }
    EXPECT_EQ(rig.status(), kNotNumeric);
    EXPECT_EQ(rig.colour(), StatusLine::kErrorColor);
    EXPECT_EQ(rig.host.focus(), rig.focusOnEntry());
    EXPECT_EQ(rig.host.surface(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Entries, NotANumber,
    ::testing::Values(NotANumberCase { Kind::Altitude, "   ", nullptr },
        NotANumberCase { Kind::Altitude, "abc", nullptr }, NotANumberCase { Kind::Altitude, "nan", nullptr },
        NotANumberCase { Kind::Altitude, "inf", nullptr },
        NotANumberCase { Kind::Altitude, "1e400", nullptr },
        NotANumberCase { Kind::Altitude, "3 mm", nullptr },
        NotANumberCase { Kind::Altitude, "0x10", nullptr },
        NotANumberCase { Kind::Azimuth, "   ", "Printing azimuth..." },
        NotANumberCase { Kind::Azimuth, "abc", "Printing azimuth..." },
        NotANumberCase { Kind::Azimuth, "inf", "Printing azimuth..." },
        NotANumberCase { Kind::Ra, "abc", "Printing RA" }),
    [](const ::testing::TestParamInfo<NotANumberCase>& row) {
        return kindName(row.param.kind) + "_" + rowName(row.param.text);
    });

TEST(PrintJob, CancelledOrMissingPrinterPrintsNothing)
{
    Rig cancelled;
    cancelled.model.status().show(StatusLine::kErrorColor, QStringLiteral("earlier"));
    cancelled.host.cancelDialog();
    cancelled.entry(QStringLiteral("abc"));
    cancelled.run();
    EXPECT_EQ(cancelled.status(), QStringLiteral("earlier"));
    EXPECT_EQ(cancelled.colour(), StatusLine::kErrorColor);
    EXPECT_EQ(cancelled.host.surface(), nullptr);
    EXPECT_TRUE(cancelled.host.focus().empty());

    Rig none;
    none.host.failSelection(QStringLiteral("No printer is installed"));
    none.run();
    EXPECT_EQ(none.status(), QStringLiteral("Cannot select a printer: No printer is installed"));
    EXPECT_EQ(none.colour(), StatusLine::kErrorColor);
    EXPECT_EQ(none.host.surface(), nullptr);
}

namespace {

struct SizeCase {
    Kind kind;
    const char* text;
    bool mm;
    bool diameter;
    qint32 width;
    const char* refusal; // nullptr: printed
};

class SizeMessages : public ::testing::TestWithParam<SizeCase> { };

std::string sizeRowName(const ::testing::TestParamInfo<SizeCase>& row)
{
    const SizeCase& c = row.param;
    return kindName(c.kind) + "_" + rowName(c.text) + (c.mm ? "_mm" : "_in")
        + (c.diameter ? "_diameter" : "_length") + (c.width == kLetter ? "_Letter" : "_A4Landscape");
}

} // namespace

// The minimum applies to the entry as typed, in its unit and sense; the page width to the strip.
TEST_P(SizeMessages, MinimumAndPageWidth)
{
    const SizeCase& c = GetParam();
    Rig rig(c.kind, c.width);
    rig.entry(QString::fromLatin1(c.text), c.mm, c.diameter);
    rig.run();
    EXPECT_EQ(rig.host.focus(), rig.focusOnEntry());
    if (c.refusal) {
        EXPECT_EQ(rig.status(), QString::fromLatin1(c.refusal));
        EXPECT_EQ(rig.colour(), StatusLine::kErrorColor);
        EXPECT_EQ(rig.host.surface(), nullptr); // no document begun
    } else {
        EXPECT_EQ(rig.status(), QString());
        EXPECT_EQ(rig.host.surface()->endedPages.size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, SizeMessages,
    ::testing::Values(SizeCase { Kind::Altitude, "59.9", kMm, kDiameter, kA4Landscape,
                          "Altitude size must be at least 60 mm" },
        SizeCase { Kind::Altitude, "60", kMm, kDiameter, kA4Landscape, nullptr },
        SizeCase {
            Kind::Altitude, "199.9", kMm, kLength, kA4Landscape, "Altitude size must be at least 200 mm" },
        SizeCase {
            Kind::Altitude, "-5", kMm, kDiameter, kA4Landscape, "Altitude size must be at least 60 mm" },
        SizeCase { Kind::Altitude, "6.9", kInches, kLength, kA4Landscape,
            "Altitude size must be at least 7 inches" },
        SizeCase { Kind::Altitude, "1.9", kInches, kDiameter, kA4Landscape,
            "Altitude size must be at least 2 inches" },
        // A 6.28-inch strip, below the 7 inches a length needs, but the minimum is a diameter's.
        SizeCase { Kind::Altitude, "2", kInches, kDiameter, kA4Landscape, nullptr },
        SizeCase {
            Kind::Azimuth, "59.9", kMm, kDiameter, kA4Landscape, "Azimuth size must be at least 60 mm" },
        SizeCase { Kind::Azimuth, "60", kMm, kDiameter, kA4Landscape, nullptr },
        SizeCase { Kind::Azimuth, "2", kInches, kDiameter, kA4Landscape, nullptr },
        SizeCase { Kind::Ra, "59.9", kMm, kDiameter, kA4Landscape, "RA size must be at least 60 mm" },
        SizeCase { Kind::Ra, "6.9", kInches, kLength, kA4Landscape, "RA size must be at least 7 inches" },
        SizeCase { Kind::Ra, "199", kMm, kLength, kA4Landscape, "RA size must be at least 200 mm" },
        SizeCase { Kind::Azimuth, "80", kMm, kDiameter, kLetter,
            "Azimuth max. length is 215.9 mm for current page width." },
        SizeCase { Kind::Ra, "3", kInches, kDiameter, kLetter,
            "RA max. length is 8.5 inches for current page width." },
        SizeCase { Kind::Azimuth, "12", kInches, kDiameter, kA4Landscape,
            "Azimuth max. length is 11.7 inches for current page width." }),
    sizeRowName);
TEST(AltitudeJob, StripMustFitThePageWidth)
{
    Rig mm(Kind::Altitude, kA4);
    mm.entry(QStringLiteral("80")); // 251.2 mm
    mm.run();
    EXPECT_EQ(mm.status(), QStringLiteral("Altitude max. length is 210.0 mm for current page width."));
    EXPECT_EQ(mm.colour(), StatusLine::kErrorColor);
    EXPECT_EQ(mm.host.focus(), std::vector<SizeText> { SizeText::Altitude });
    EXPECT_EQ(mm.host.surface(), nullptr); // no document begun

    Rig inches(Kind::Altitude, kA4);
    inches.entry(QStringLiteral("3"), kInches); // 13566.5 twips
    inches.run();
    EXPECT_EQ(inches.status(), QStringLiteral("Altitude max. length is 8.3 inches for current page width."));

    Rig wide(Kind::Altitude, kA4Landscape);
    wide.entry(QStringLiteral("3"), kInches);
    wide.run();
    EXPECT_EQ(wide.status(), QString());
    EXPECT_TRUE(wide.caption().startsWith(QStringLiteral("Altitude Circle length = 9.42 inches, ")));

    // As long as the paper is wide, but past the printable area, where not even the smallest
    // diameter's strip (188.4 mm) fits: the way out, not a maximum below the minimum.
    Rig exact(Kind::Altitude, 11340); // 200 mm to the twip
    exact.entry(QStringLiteral("63.7"), kMm, kDiameter); // 200.0 mm
    exact.run();
    EXPECT_EQ(exact.status(),
        QStringLiteral("An altitude strip needs a diameter of at least 60 mm: turn the paper to landscape or "
                       "split it."));

    // No length in millimetres fits (200 at least, 195.5 at most): said once, with the way out,
    // whether the entry was too long or too short.
    for (const char* entry : { "400", "200", "150" }) {
        Rig none(Kind::Altitude, kA4);
        none.entry(QLatin1String(entry), kMm, kLength);
        none.run();
        EXPECT_EQ(none.status(),
            QStringLiteral(
                "An altitude strip needs at least 200 mm: turn the paper to landscape or split it."))
            << entry;
        EXPECT_EQ(none.colour(), StatusLine::kErrorColor);
    }

    Rig huge(Kind::Altitude, kA4);
    huge.entry(QStringLiteral("1e308"));
    huge.run();
    EXPECT_EQ(huge.status(), QStringLiteral("Altitude max. length is 210.0 mm for current page width."));
}

namespace {

struct WidthCase {
    const char* name;
    qint32 pageWidth;
    const char* entry;
    bool mm;
    bool diameter;
    double factor; // along the strip
    bool split;
    const char* refusal; // nullptr: printed whole
};

class Width : public ::testing::TestWithParam<WidthCase> { };

} // namespace

// The strip as printed (with the printer's correction) must fit the paper and must end inside the
// printable area, which it starts 100 twips into; a strip split over pages need not.
TEST_P(Width, IsCheckedAsPrinted)
{
    const WidthCase& c = GetParam();
    Rig rig(Kind::Altitude, c.pageWidth);
    rig.entry(QString::fromLatin1(c.entry), c.mm, c.diameter);
    rig.host.setFactors({ c.factor, 1 });
    rig.model.setCheck(Check::SplitLong, c.split ? SettingsModel::kChecked : SettingsModel::kUnchecked);
    rig.run();
    if (c.refusal) {
        EXPECT_EQ(rig.status(), QString::fromUtf8(c.refusal)) << rig.status().toStdString();
        EXPECT_EQ(rig.colour(), StatusLine::kErrorColor);
        EXPECT_EQ(rig.host.surface(), nullptr);
    } else {
        EXPECT_EQ(rig.status(), QString()) << rig.status().toStdString();
        EXPECT_EQ(rig.host.surface()->endedPages.size(), 1u);
        ASSERT_EQ(rig.host.sheetRequests().size(), 1u);
        EXPECT_EQ(rig.host.sheetRequests()[0].splitLongStrips, c.split);
    }
}

INSTANTIATE_TEST_SUITE_P(Strips, Width,
    ::testing::Values(
        // 62.1 and 63.7 mm diameters: strips of 195.0 and 200.0 mm.
        WidthCase { "A4Portrait195mm", kA4, "62.1", kMm, kDiameter, 1, false, nullptr },
        WidthCase { "A4Portrait200mm", kA4, "63.7", kMm, kDiameter, 1, false,
            "Altitude max. length is 195.5 mm for the printable width." },
        WidthCase { "A4Portrait8Inches", kA4, "8", kInches, kLength, 1, false,
            "Altitude max. length is 7.6 inches for the printable width." },
        // Every maximum stated prints: it is rounded down.
        WidthCase { "A4PortraitTheStatedMaximumInInches", kA4, "7.6", kInches, kLength, 1, false, nullptr },
        WidthCase { "A4Landscape296mm", kA4Landscape, "296", kMm, kLength, 1, false,
            "Altitude max. length is 282.5 mm for the printable width." },
        WidthCase { "Corrected195mm", kA4, "62.1", kMm, kDiameter, 1.01, false,
            "Altitude max. length is 193.5 mm for the printable width." },
        WidthCase { "CorrectedBeyondThePaper", kA4, "67.2", kMm, kDiameter, 1.01, false,
            "Altitude max. length is 207.9 mm for current page width." },
        WidthCase { "ShrunkToFit", kA4, "62.4", kMm, kDiameter, 0.99, false, nullptr },
        WidthCase { "Split2m", kA4, "2000", kMm, kLength, 1, true, nullptr },
        WidthCase { "SplitTooLong", kA4, "3300", kMm, kLength, 1, true,
            "Altitude max. length is 3290.7 mm for split strips." },
        WidthCase { "SplitTheStatedMaximum", kA4, "3290.7", kMm, kLength, 1, true, nullptr },
        WidthCase { "SplitOnAPaperTooSmall", 1500, "200", kMm, kLength, 1, true,
            "An altitude strip needs at least 200 mm: turn the paper to landscape." }),
    [](const ::testing::TestParamInfo<WidthCase>& row) { return std::string(row.param.name); });

namespace {

struct HeightsCase {
    int circleWidth;
    const char* heights;
};

class CaptionHeights : public ::testing::TestWithParam<HeightsCase> { };

} // namespace

// The ten-degree height is 2.5 times the circle width, a half going to the even neighbour.
TEST_P(CaptionHeights, FollowTheCircleWidth)
{
    Rig rig;
    rig.entry(QStringLiteral("80"));
    rig.model.setOption(Option::FiveDeg, true);
    rig.model.setSlider(Slider::CircleWidth, 1, GetParam().circleWidth);
    rig.run();
    EXPECT_TRUE(rig.caption().contains(QStringLiteral("Smallest mark = 5\u00B0, ")));
    EXPECT_TRUE(rig.caption().contains(
        QStringLiteral(", Heights = ") + QString::fromLatin1(GetParam().heights) + QLatin1Char(',')))
        << rig.caption().toStdString();
}

INSTANTIATE_TEST_SUITE_P(CircleWidths, CaptionHeights,
    ::testing::Values(HeightsCase { 101, "101-202-252" }, HeightsCase { 103, "103-206-258" },
        HeightsCase { 51, "51-102-128" }, HeightsCase { 53, "53-106-132" }),
    [](const ::testing::TestParamInfo<HeightsCase>& row) { return std::to_string(row.param.circleWidth); });

// A size may come from a file or store written in another language: either separator is its
// decimal point, never a thousands separator; the caption speaks the current locale.
TEST(AltitudeJob, EntryTakesEitherDecimalSeparatorInAnyLocale)
{
    const QLocale previous;
    for (const QLocale& locale : { QLocale(QLocale::German, QLocale::Germany), QLocale::c() }) {
        QLocale::setDefault(locale);
        for (const char* entry : { "250,5", "250.5" }) {
            Rig rig;
            rig.entry(QLatin1String(entry), kMm, kLength);
            rig.run();
            EXPECT_EQ(rig.status(), QString()) << entry;
            EXPECT_TRUE(rig.caption().startsWith(QStringLiteral("Altitude Circle length = 250")
                + locale.decimalPoint() + QStringLiteral("5 mm, ")))
                << entry;
        }
        for (const char* entry : { "1.250,5", "1,250.5", "2,5,0" }) {
            Rig rig;
            rig.entry(QLatin1String(entry), kMm, kLength);
            rig.run();
            EXPECT_EQ(rig.status(), kNotNumeric) << entry;
        }
    }
    QLocale::setDefault(previous);
}

TEST(AltitudeJob, OneStyleRowsAndCard)
{
    Rig rig; // black on white only, scale on top, CircleWidth 100
    rig.entry(QStringLiteral("80"));
    rig.run();
    const Page& page = rig.host.deliveredPage();
    EXPECT_EQ(strokes(page, 250).front().y, 750.0);
    const auto cards = boxes(page);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].x, 1100.0);
    EXPECT_EQ(cards[0].y, 1750.0); // 1500 + HeightTen
    EXPECT_EQ(cards[0].colour, kWhite);
    const PageOp card = text(page, QStringLiteral("Alt."));
    EXPECT_EQ(card.x, 1120.0);
    EXPECT_EQ(card.y, 1750.0);
    EXPECT_EQ(card.colour, kBlack);
    const PageOp caption = captionLines(page).front();
    EXPECT_EQ(caption.x, 2200.0);
    EXPECT_EQ(caption.y, 2000.0);
    EXPECT_EQ(caption.fontPoints, 10.0);
    EXPECT_EQ(rig.position.printY, 2250);

    Rig white; // white on black only, in the bottom layout
    white.entry(QStringLiteral("80"));
    white.model.setCheck(Check::WB, SettingsModel::kChecked);
    white.model.setCheck(Check::BW, SettingsModel::kUnchecked);
    white.model.setCheckTop(1, SettingsModel::kUnchecked);
    white.run();
    const auto whiteBoxes = boxes(white.host.deliveredPage());
    ASSERT_EQ(whiteBoxes.size(), 2u);
    EXPECT_EQ(whiteBoxes[0].x, 100.0);
    EXPECT_EQ(whiteBoxes[0].y, 750.0);
    EXPECT_NEAR(whiteBoxes[0].dx, 14243.04, 1e-2);
    EXPECT_EQ(whiteBoxes[0].dy, 600.0);
    EXPECT_EQ(whiteBoxes[0].penDots, 1); // the first strip of the job: the opening pen
    EXPECT_EQ(whiteBoxes[1].x, 1000.0);
    EXPECT_EQ(whiteBoxes[1].y, 1500.0);
    EXPECT_EQ(whiteBoxes[1].colour, kBlack);
    EXPECT_EQ(white.position.printY, 2000);
}

TEST(AltitudeJob, TwoSetsInBothStylesGoDownThePage)
{
    Rig rig;
    rig.entry(QStringLiteral("80"));
    rig.model.setCheck(Check::WB, SettingsModel::kChecked);
    rig.model.setSetCheck(3, SettingsModel::kChecked);
    rig.model.setCheckTop(3, SettingsModel::kUnchecked); // set 3 in the bottom layout
    rig.run();
    const Page& page = rig.host.deliveredPage();

    const auto allBoxes = boxes(page);
    ASSERT_EQ(allBoxes.size(), 6u);
    // Set 1 from 0, top layout: black box at 1500 + 250, both cards at 2250 + 500.
    EXPECT_EQ(allBoxes[0].y, 1750.0);
    EXPECT_EQ(allBoxes[0].penDots, 3); // whatever the strip before left: its TenMark
    EXPECT_EQ(allBoxes[1].x, 1000.0);
    EXPECT_EQ(allBoxes[1].y, 2750.0);
    EXPECT_EQ(allBoxes[2].x, 2000.0);
    EXPECT_EQ(allBoxes[2].y, 2750.0);
    // Set 3 from 3250, bottom layout: numbers of its first strip at 4000, box at 4750, cards at 5500.
    EXPECT_EQ(allBoxes[3].y, 4750.0);
    EXPECT_EQ(allBoxes[4].y, 5500.0);
    EXPECT_EQ(allBoxes[5].x, 2000.0);
    EXPECT_EQ(allBoxes[5].y, 5500.0);

    const auto allTexts = texts(page);
    const auto captions
        = select(page, [](const PageOp& op) { return op.text.startsWith(QStringLiteral("Altitude")); });
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(captions[0].y, 3000.0);
    EXPECT_EQ(captions[1].y, 5750.0);
    EXPECT_TRUE(captions[1].text.contains(QStringLiteral("Widths  = 3-4-4")));
    const auto numbersOfSet3
        = select(page, [](const PageOp& op) { return op.kind == PageOp::Kind::Text && op.y == 4000.0; });
    EXPECT_EQ(numbersOfSet3.size(), 37u);
    EXPECT_EQ(rig.position.printY, 6000);
    // Each caption, beside both cards, takes two lines in these metrics.
    EXPECT_EQ(allTexts.size(), 1 + 4 * 37 + 4 + 2 * 2u);
}

TEST(AltitudeJob, NumbersBothWaysLeaveTheSymmetricStripAsItIs)
{
    Rig plain;
    plain.entry(QStringLiteral("80"));
    plain.model.setCheck(Check::WB, SettingsModel::kChecked);
    plain.run();
    Rig both;
    both.entry(QStringLiteral("80"));
    both.model.setCheck(Check::WB, SettingsModel::kChecked);
    both.model.setCheck(Check::BothWays, SettingsModel::kChecked);
    both.run();
    const Page& a = plain.host.deliveredPage();
    const Page& b = both.host.deliveredPage();
    ASSERT_EQ(a.ops.size(), b.ops.size());
    for (std::size_t i = 0; i < a.ops.size(); ++i) {
        EXPECT_EQ(a.ops[i].x, b.ops[i].x) << i;
        EXPECT_EQ(a.ops[i].y, b.ops[i].y) << i;
        EXPECT_EQ(a.ops[i].dy, b.ops[i].dy) << i;
        EXPECT_EQ(a.ops[i].text, b.ops[i].text) << i;
    }
    EXPECT_EQ(plain.position.printY, both.position.printY);

    both.model.setCheck(Check::Verniers, SettingsModel::kChecked);
    both.run();
    EXPECT_TRUE(texts(both.host.deliveredPage()).back().text == QStringLiteral("0.1\u00B0"));
    EXPECT_TRUE(both.caption().endsWith(QStringLiteral("Font size = 10, vernier 0.1\u00B0")));
}

TEST(AltitudeJob, PrintsTheSettingsOfTheMomentTheButtonWasPressed)
{
    Rig rig;
    rig.entry(QStringLiteral("80"));
    rig.host.duringEvents([&rig] {
        rig.model.setText(SizeText::Altitude, QStringLiteral("60"));
        rig.model.setSlider(Slider::CircleWidth, 1, 200);
        rig.model.setCheck(Check::WB, SettingsModel::kChecked);
    });
    rig.run();
    EXPECT_EQ(rig.caption(),
        QStringLiteral(
            "Altitude Circle length = 251.2 mm, Smallest mark = 1\u00B0, Line (small, 5\u00B0, 10\u00B0) "
            "Widths  = 2-3-3, Heights = 100-200-250, Font size = 10"));
    EXPECT_EQ(boxes(rig.host.deliveredPage()).size(), 1u); // no white-on-black strip
}

TEST(AltitudeJob, NoEnabledSetLeavesTheDocumentUnended)
{
    Rig rig;
    rig.entry(QStringLiteral("80"));
    rig.model.setSetCheck(1, SettingsModel::kUnchecked);
    rig.run();
    EXPECT_TRUE(rig.host.surface()->endedPages.empty());
    EXPECT_EQ(rig.host.surface()->page.ops.size(), 1u); // the opening blank line only
    EXPECT_EQ(rig.status(), QString());
    EXPECT_EQ(rig.colour(), StatusLine::kStatusColor);
    EXPECT_EQ(rig.host.focus(), std::vector<SizeText> { SizeText::Altitude });
}

TEST(AltitudeJob, OddSettingsFromARestoredFileStillGiveASoundPage)
{
    // Neither unit option selected: inches throughout, never millimetres labelled as inches.
    Rig narrow(Kind::Altitude, kA4);
    narrow.model.setOption(Option::Altin, false);
    narrow.run();
    EXPECT_EQ(narrow.status(), QStringLiteral("Altitude max. length is 8.3 inches for current page width."));
    Rig wide;
    wide.model.setOption(Option::Altin, false);
    wide.run();
    EXPECT_TRUE(wide.caption().startsWith(QStringLiteral("Altitude Circle length = 9.42 inches, ")));

    // A grayed white-on-black box prints no such strip or card, so the other card needs its own row.
    Rig grayed;
    grayed.entry(QStringLiteral("80"));
    grayed.model.setCheck(Check::WB, SettingsModel::kGrayed);
    grayed.run();
    const auto cards = boxes(grayed.host.deliveredPage());
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].x, 1100.0);
    EXPECT_EQ(cards[0].y, 1750.0);
}

TEST(AzimuthJob, CardsCarryTheModeAndSitBesideEachOther)
{
    Rig rig(Kind::Ra);
    rig.entry(QStringLiteral("60"));
    rig.model.setCheck(Check::WB, SettingsModel::kChecked);
    rig.run();
    const Page& page = rig.host.deliveredPage();
    const auto cards = select(page, [](const PageOp& op) { return op.text == QStringLiteral("RA"); });
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].x, 1020.0);
    EXPECT_EQ(cards[0].colour, kWhite);
    EXPECT_EQ(cards[1].x, 2020.0);
    EXPECT_EQ(cards[1].y, cards[0].y);
    EXPECT_EQ(cards[0].y, 2750.0);
    const PageOp caption = captionLines(page).front();
    EXPECT_EQ(caption.x, 2700.0); // 200 right of the black-on-white card's 2000..2500
    EXPECT_EQ(caption.y, 3000.0);
    EXPECT_EQ(rig.position.printY, 3250);

    Rig single(Kind::Azimuth);
    single.entry(QStringLiteral("60"));
    single.run();
    EXPECT_EQ(text(single.host.deliveredPage(), QStringLiteral("Az")).x, 1120.0);
}

TEST(AzimuthJob, DirectionAndModeFollowTheSettings)
{
    Rig down(Kind::Azimuth);
    down.entry(QStringLiteral("60"));
    down.model.setCheck(Check::AzCT, SettingsModel::kUnchecked);
    down.run();
    const QStringList numbers = numberTexts(down.host.deliveredPage());
    ASSERT_EQ(numbers.size(), 37);
    EXPECT_EQ(numbers.mid(0, 3),
        (QStringList { QStringLiteral("0"), QStringLiteral("350"), QStringLiteral("340") }));

    // A restored file can leave neither Az nor RA selected; labels and marks still agree.
    Rig neither(Kind::Azimuth);
    neither.entry(QStringLiteral("60"));
    neither.model.setOption(Option::Az, false);
    neither.run();
    EXPECT_TRUE(neither.caption().startsWith(QStringLiteral("RA Circle length")));
    EXPECT_EQ(numberTexts(neither.host.deliveredPage()).size(), 25);
}

namespace {

struct CaptionCase {
    const char* name;
    Kind kind;
    const char* entry;
    bool mm;
    int tenMark;
    const char* caption;
    bool whole; // otherwise the caption's start
};

class Captions : public ::testing::TestWithParam<CaptionCase> { };

} // namespace

TEST_P(Captions, RecordTheParametersUsed)
{
    const CaptionCase& c = GetParam();
    Rig rig(c.kind);
    rig.entry(QString::fromLatin1(c.entry), c.mm);
    rig.model.setSlider(Slider::TenMark, 1, c.tenMark);
    rig.run();
    if (c.whole)
        EXPECT_EQ(rig.caption(), QString::fromUtf8(c.caption));
    else
        EXPECT_TRUE(rig.caption().startsWith(QString::fromUtf8(c.caption))) << rig.caption().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Kinds, Captions,
    ::testing::Values(
        CaptionCase { "Altitude", Kind::Altitude, "80", kMm, 3,
            "Altitude Circle length = 251.2 mm, Smallest mark = 1°, Line (small, 5°, 10°) Widths  = "
            "2-3-3, Heights = 100-200-250, Font size = 10",
            true },
        CaptionCase { "Azimuth", Kind::Azimuth, "60", kMm, 4,
            "Azimuth Circle length = 188.4 mm, Smallest mark = 1°, Line (small, 5°, 10°) Widths  = 2-3-4, "
            "Heights = 100-200-250, Font size = 10",
            true },
        CaptionCase { "Ra", Kind::Ra, "60", kMm, 4,
            "RA Circle length = 188.4 mm, Line (10min, 30min, 1hr) Widths  = 2-3-4, Heights = 100-200-250, "
            "Font size = 10",
            true },
        CaptionCase { "AzimuthInches", Kind::Azimuth, "2.5", kInches, 4,
            "Azimuth Circle length = 7.85 inches, ", false }),
    [](const ::testing::TestParamInfo<CaptionCase>& row) { return std::string(row.param.name); });

namespace {

struct FailureCase {
    const char* where;
    Kind kind;
    int drawingCall;
};

class PrinterFailure : public ::testing::TestWithParam<FailureCase> { };

} // namespace

TEST_P(PrinterFailure, AbandonsTheWholeDocument)
{
    Rig rig(GetParam().kind);
    rig.entry(QStringLiteral("80"));
    rig.host.failAtDrawing(GetParam().drawingCall);
    rig.run();
    EXPECT_EQ(rig.status(), QStringLiteral("Print function error."));
    EXPECT_EQ(rig.colour(), StatusLine::kErrorColor);
    EXPECT_EQ(rig.host.surface()->state, RecordingSurface::DocumentState::Killed);
    EXPECT_TRUE(rig.host.surface()->endedPages.empty());
    EXPECT_TRUE(rig.host.focus().empty());
}

INSTANTIATE_TEST_SUITE_P(DrawingCalls, PrinterFailure,
    ::testing::Values(FailureCase { "AltitudeOpeningLine", Kind::Altitude, 1 },
        FailureCase { "AltitudeMark", Kind::Altitude, 200 },
        FailureCase { "AltitudeCaption", Kind::Altitude, 475 }, FailureCase { "RaMark", Kind::Ra, 100 }),
    [](const ::testing::TestParamInfo<FailureCase>& row) { return std::string(row.param.where); });

namespace {

struct RealFontCase {
    Kind kind;
    const char* entry;
    bool topLayout;
    double numbersTop;
    std::size_t numbers;
    double secondX;
    double lastX;
};

class RealFont : public ::testing::TestWithParam<RealFontCase> { };

} // namespace

// Arial 10 pt (Liberation Sans): a digit is 111.22 twips wide, a line 223.45 high.
TEST_P(RealFont, PlacesTheNumbers)
{
    const RealFontCase& c = GetParam();
    Rig rig(c.kind);
    rig.host.setMetrics(std::make_shared<FontTextMetrics>());
    rig.entry(QString::fromLatin1(c.entry));
    rig.model.setCheckTop(1, c.topLayout ? SettingsModel::kChecked : SettingsModel::kUnchecked);
    rig.run();
    const Page& page = rig.host.deliveredPage();
    const auto numbers = select(
        page, [&c](const PageOp& op) { return op.kind == PageOp::Kind::Text && op.y == c.numbersTop; });
    ASSERT_EQ(numbers.size(), c.numbers);
    EXPECT_EQ(numbers.front().x, 64.0);
    EXPECT_EQ(numbers[1].x, c.secondX);
    EXPECT_EQ(numbers.back().x, c.lastX);
    if (!c.topLayout) {
        // Standing on the bottom line, below the numbers.
        const auto longMarks = select(page,
            [](const PageOp& op) { return op.kind == PageOp::Kind::Stroke && op.dy == 250 && op.y < 1500; });
        ASSERT_EQ(longMarks.size(), 37u);
        for (const PageOp& op : longMarks)
            EXPECT_EQ(op.y + op.dy, c.numbersTop + 223 + 250);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, RealFont,
    ::testing::Values(RealFontCase { Kind::Altitude, "80", false, 750, 37, 334, 14207 },
        RealFontCase { Kind::Azimuth, "60", true, 1000, 37, 236, 10646 },
        RealFontCase { Kind::Ra, "60", true, 1000, 25, 439, 10631 }),
    [](const ::testing::TestParamInfo<RealFontCase>& row) { return kindName(row.param.kind); });

namespace {

struct PlanCase {
    const char* name;
    const char* diameterMm;
    bool rings;
    bool split;
    bool paper; // A4 portrait; otherwise no paper, as for a drawing
    std::optional<RingCut> ring; // nothing: refused
};

class Plan : public ::testing::TestWithParam<PlanCase> { };

} // namespace

// The job alone decides, from the settings and the sheets: whether it prints, and how its rings are
// cut. No paper limits a drawing's strips or rings.
TEST_P(Plan, IsDecidedFromTheSettingsAndTheSheets)
{
    const PlanCase& c = GetParam();
    SettingsModel model;
    model.setText(SizeText::Azimuth, QString::fromLatin1(c.diameterMm));
    model.setOption(Option::Azmm, true);
    model.setCheck(Check::Rings, c.rings ? SettingsModel::kChecked : SettingsModel::kUnchecked);
    model.setCheck(Check::SplitLong, c.split ? SettingsModel::kChecked : SettingsModel::kUnchecked);
    const AzimuthPrintJob job(model);
    const JobOutcome outcome = job.check(
        c.paper ? JobSheets(SheetFormat { PdfFilePrinter().paper(), ScaleFactors() }) : JobSheets::noPaper());
    if (!c.ring) {
        ASSERT_TRUE(std::holds_alternative<JobRefusal>(outcome));
        EXPECT_EQ(std::get<JobRefusal>(outcome).focus, SizeText::Azimuth);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<JobPlan>(outcome))
        << std::get<JobRefusal>(outcome).message.toStdString();
    EXPECT_EQ(std::get<JobPlan>(outcome).request().ring, *c.ring);
    EXPECT_EQ(std::get<JobPlan>(outcome).request().splitLongStrips, c.split);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Plan,
    ::testing::Values(PlanCase { "RingWhole", "195.1", true, false, true, RingCut::Whole },
        PlanCase { "RingTooLargeWhole", "195.2", true, false, true, std::nullopt },
        PlanCase { "RingSmallEnoughToStayWhole", "195.1", true, true, true, RingCut::Whole },
        PlanCase { "RingInSectors", "195.2", true, true, true, RingCut::Sectors },
        PlanCase { "RingTooLargeForSectors", "1193.2", true, true, true, std::nullopt },
        PlanCase { "StripTooLong", "1600", false, false, true, std::nullopt },
        PlanCase { "DrawingOfAStrip", "1600", false, false, false, RingCut::None },
        PlanCase { "DrawingOfARing", "1600", true, false, false, RingCut::Whole }),
    [](const ::testing::TestParamInfo<PlanCase>& row) { return std::string(row.param.name); });
