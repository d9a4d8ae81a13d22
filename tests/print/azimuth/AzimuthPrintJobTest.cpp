#include "print/azimuth/AzimuthPrintJob.h"
#include "PageQuery.h"
#include "ScriptedJobHost.h"
#include "settings/SettingsModel.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

using namespace pagequery;

namespace {

constexpr qint32 kLetter = 12240;
constexpr qint32 kA4Landscape = 16838;

/// One azimuth job on default settings (3-inch diameter, azimuth numbered upwards, black on
/// white, circle set 1) with a scripted printer, and where the job left its drawing cursor.
struct Rig {
    explicit Rig(qint32 pageWidth = kA4Landscape)
        : host(model, pageWidth)
    { }
    void entry(const QString& text, Option unit = Option::Azmm, Option sense = Option::AzDia)
    {
        model.setText(SizeText::Azimuth, text);
        model.setOption(unit, true);
        model.setOption(sense, true);
    }
    void ra() { model.setOption(Option::Ra, true); }
    void run() { position = host.run(AzimuthPrintJob(model)); }
    const QString& status() const { return model.status().text(); }
    QString caption() const { return captionText(host.deliveredPage()); }

    SettingsModel model;
    ScriptedJobHost host;
    PagePosition position;
};

} // namespace

TEST(AzimuthPrintJob, AnEmptyEntryDoesNothingAndRaReportsAsRa)
{
    Rig empty;
    empty.entry(QString());
    empty.run();
    EXPECT_EQ(empty.host.dialogs(), 0);
    EXPECT_EQ(empty.host.eventRounds(), 0);

    Rig ra;
    ra.ra();
    ra.entry(QStringLiteral("59.9"));
    ra.run();
    EXPECT_EQ(ra.host.statusAtEvents(), QStringLiteral("Printing RA"));
    EXPECT_EQ(ra.status(), QStringLiteral("RA size must be at least 60 mm"));
}

namespace {

class AzimuthNotANumber : public ::testing::TestWithParam<const char*> { };

} // namespace

TEST_P(AzimuthNotANumber, ProgressComesBeforeTheEntryIsChecked)
{
    Rig rig;
    rig.entry(QString::fromLatin1(GetParam()));
    rig.run();
    EXPECT_EQ(rig.host.eventRounds(), 1);
    EXPECT_EQ(rig.host.statusAtEvents(), QStringLiteral("Printing azimuth..."));
    EXPECT_EQ(rig.host.colourAtEvents(), StatusLine::kStatusColor);
    EXPECT_EQ(rig.status(), QStringLiteral("Must be numeric."));
    EXPECT_EQ(rig.model.status().color(), StatusLine::kErrorColor);
    EXPECT_EQ(rig.host.focus(), std::vector<SizeText> { SizeText::Azimuth });
}

INSTANTIATE_TEST_SUITE_P(Entries, AzimuthNotANumber, ::testing::Values("   ", "abc", "inf"), textRowName);

namespace {

struct SizeCase {
    bool ra;
    const char* text;
    Option unit;
    Option sense;
    qint32 width;
    const char* message; // nullptr: printed
};

class AzimuthSizeMessages : public ::testing::TestWithParam<SizeCase> { };

std::string sizeRowName(const ::testing::TestParamInfo<SizeCase>& row)
{
    const SizeCase& c = row.param;
    return std::string(c.ra ? "Ra_" : "Azimuth_") + rowName(c.text) + (c.unit == Option::Azmm ? "_mm" : "_in")
        + (c.sense == Option::AzDia ? "_diameter" : "_length")
        + (c.width == kLetter ? "_Letter" : "_A4Landscape");
}

} // namespace

TEST_P(AzimuthSizeMessages, SizeAndPageWidthMessages)
{
    const SizeCase& c = GetParam();
    Rig rig(c.width);
    if (c.ra)
        rig.ra();
    rig.entry(QString::fromLatin1(c.text), c.unit, c.sense);
    rig.run();
    EXPECT_EQ(rig.host.focus(), std::vector<SizeText> { SizeText::Azimuth });
    if (c.message) {
        EXPECT_EQ(rig.status(), QString::fromLatin1(c.message));
        EXPECT_EQ(rig.model.status().color(), StatusLine::kErrorColor);
    } else {
        EXPECT_EQ(rig.status(), QString());
        EXPECT_EQ(rig.host.surface()->endedPages.size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, AzimuthSizeMessages,
    ::testing::Values(SizeCase { false, "59.9", Option::Azmm, Option::AzDia, kA4Landscape,
                          "Azimuth size must be at least 60 mm" },
        SizeCase { false, "60", Option::Azmm, Option::AzDia, kA4Landscape, nullptr },
        SizeCase { false, "2", Option::Azin, Option::AzDia, kA4Landscape, nullptr },
        SizeCase {
            true, "6.9", Option::Azin, Option::AzLen, kA4Landscape, "RA size must be at least 7 inches" },
        SizeCase {
            true, "199", Option::Azmm, Option::AzLen, kA4Landscape, "RA size must be at least 200 mm" },
        SizeCase { false, "80", Option::Azmm, Option::AzDia, kLetter,
            "Azimuth max. length is 215.9 mm for current page width." },
        SizeCase { true, "3", Option::Azin, Option::AzDia, kLetter,
            "RA max. length is 8.5 inches for current page width." },
        SizeCase { false, "12", Option::Azin, Option::AzDia, kA4Landscape,
            "Azimuth max. length is 11.7 inches for current page width." }),
    sizeRowName);

TEST(AzimuthPrintJob, CaptionsOfDegreesAndHours)
{
    Rig azimuth;
    azimuth.entry(QStringLiteral("60"));
    azimuth.model.setSlider(Slider::TenMark, 1, 4);
    azimuth.run();
    EXPECT_EQ(azimuth.caption(),
        QStringLiteral(
            "Azimuth Circle length = 188.4 mm, Smallest mark = 1\u00B0, Line (small, 5\u00B0, 10\u00B0) "
            "Widths  = 2-3-4, Heights = 100-200-250, Font size = 10"));

    Rig ra;
    ra.ra();
    ra.entry(QStringLiteral("60"));
    ra.model.setSlider(Slider::TenMark, 1, 4);
    ra.run();
    EXPECT_EQ(ra.caption(),
        QStringLiteral("RA Circle length = 188.4 mm, Line (10min, 30min, 1hr) Widths  = 2-3-4, Heights = "
                       "100-200-250, Font size = 10"));

    Rig inches;
    inches.entry(QStringLiteral("2.5"), Option::Azin);
    inches.run();
    EXPECT_TRUE(inches.caption().startsWith(QStringLiteral("Azimuth Circle length = 7.85 inches, ")));
}

TEST(AzimuthPrintJob, CardsCarryTheModeAndSitBesideEachOther)
{
    Rig rig;
    rig.ra();
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

    Rig single;
    single.entry(QStringLiteral("60"));
    single.run();
    EXPECT_EQ(text(single.host.deliveredPage(), QStringLiteral("Az")).x, 1120.0);
}

TEST(AzimuthPrintJob, DirectionAndModeFollowTheSettings)
{
    Rig down;
    down.entry(QStringLiteral("60"));
    down.model.setCheck(Check::AzCT, SettingsModel::kUnchecked);
    down.run();
    const QStringList numbers = numberTexts(down.host.deliveredPage());
    ASSERT_EQ(numbers.size(), 37);
    EXPECT_EQ(numbers.mid(0, 3),
        (QStringList { QStringLiteral("0"), QStringLiteral("350"), QStringLiteral("340") }));

    // A restored file can leave neither Az nor RA selected; labels and marks still agree.
    Rig neither;
    neither.entry(QStringLiteral("60"));
    neither.model.setOption(Option::Az, false);
    neither.run();
    EXPECT_TRUE(neither.caption().startsWith(QStringLiteral("RA Circle length")));
    EXPECT_EQ(numberTexts(neither.host.deliveredPage()).size(), 25);
}

TEST(AzimuthPrintJob, PrinterFailureAbandonsTheDocument)
{
    Rig rig;
    rig.ra();
    rig.entry(QStringLiteral("60"));
    rig.host.failAtDrawing(100);
    rig.run();
    EXPECT_EQ(rig.status(), QStringLiteral("Print function error."));
    EXPECT_TRUE(rig.host.surface()->endedPages.empty());
    EXPECT_TRUE(rig.host.focus().empty());
}

namespace {

struct RealFontCase {
    const char* name;
    bool ra;
    std::size_t numbers;
    double secondX;
    double lastX;
};

class AzimuthRealFont : public ::testing::TestWithParam<RealFontCase> { };

} // namespace

// Arial 10 pt (Liberation Sans): a digit is 111.22 twips wide.
TEST_P(AzimuthRealFont, NumbersWithTheRealFont)
{
    const RealFontCase& c = GetParam();
    Rig rig;
    rig.host.setMetrics(std::make_shared<FontTextMetrics>());
    if (c.ra)
        rig.ra();
    rig.entry(QStringLiteral("60"));
    rig.run();
    const auto numbers = select(rig.host.deliveredPage(),
        [](const PageOp& op) { return op.kind == PageOp::Kind::Text && op.y == 1000.0; });
    ASSERT_EQ(numbers.size(), c.numbers);
    EXPECT_EQ(numbers.front().x, 64.0);
    EXPECT_EQ(numbers[1].x, c.secondX);
    EXPECT_EQ(numbers.back().x, c.lastX);
}

INSTANTIATE_TEST_SUITE_P(Modes, AzimuthRealFont,
    ::testing::Values(
        RealFontCase { "Azimuth", false, 37, 236, 10646 }, RealFontCase { "Ra", true, 25, 439, 10631 }),
    [](const ::testing::TestParamInfo<RealFontCase>& row) { return std::string(row.param.name); });
