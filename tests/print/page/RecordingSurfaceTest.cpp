#include "print/page/RecordingSurface.h"
#include "common/RuntimeError.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
RecordingSurface makeSurface()
{
    return RecordingSurface(11906, std::make_shared<FixedTextMetrics>());
}
} // namespace

TEST(RecordingSurface, JobStartInPointsThenTwips)
{
    RecordingSurface s = makeSurface();
    s.setJobStart(2);
    s.setCurrentX(10);
    s.setCurrentY(5);
    s.print(QStringLiteral(" "));
    s.setJobStart(1);
    s.setCurrentX(10);
    s.line(LineFlags::Stroke, 100, 200, 0, 50, kBlack);
    ASSERT_EQ(s.page().ops.size(), 2u);
    EXPECT_EQ(s.page().ops[0].x, 200.0);
    EXPECT_EQ(s.page().ops[0].y, 100.0);
    EXPECT_EQ(s.page().ops[1].x, 100.0);
    EXPECT_EQ(s.width(), 11906); // always twips
    EXPECT_THROW(s.setJobStart(3), RuntimeError);
}

TEST(RecordingSurface, PrintMovesToTheNextLineAndIntegersCarryBlanks)
{
    RecordingSurface s = makeSurface();
    s.setFontSize(10);
    s.setCurrentX(300);
    s.setCurrentY(400);
    s.print(qint16(80));
    s.print(qint16(-5));
    ASSERT_EQ(s.page().ops.size(), 2u);
    EXPECT_EQ(s.page().ops[0].text, QStringLiteral(" 80 "));
    EXPECT_EQ(s.page().ops[0].x, 300.0);
    EXPECT_EQ(s.page().ops[1].text, QStringLiteral("-5 "));
    EXPECT_EQ(s.page().ops[1].x, 0.0);
    EXPECT_EQ(s.page().ops[1].y, 400.0 + 220.0);
    EXPECT_FLOAT_EQ(s.textWidth(QStringLiteral("80")), 220.0f);
}

TEST(RecordingSurface, OnlyAnEndedDocumentIsDelivered)
{
    RecordingSurface s = makeSurface();
    s.endDoc(); // nothing open: nothing to deliver
    EXPECT_TRUE(s.endedPages().empty());
    s.setDrawWidth(3);
    s.line(LineFlags::FilledBox, 100, 100, 500, 600, kBlack);
    EXPECT_EQ(s.state(), RecordingSurface::DocumentState::Open);
    EXPECT_EQ(s.page().ops[0].penDots, 3);
    s.killDoc();
    EXPECT_TRUE(s.endedPages().empty());
    EXPECT_TRUE(s.page().ops.empty());
    s.print(QStringLiteral("x"));
    s.endDoc();
    ASSERT_EQ(s.endedPages().size(), 1u);
    EXPECT_EQ(s.endedPages()[0].ops.size(), 1u);
}

TEST(RecordingSurface, RefusesNonsenseSettings)
{
    RecordingSurface s = makeSurface();
    EXPECT_THROW(s.setDrawWidth(0), RuntimeError);
    EXPECT_THROW(s.setFontSize(0), RuntimeError);
    EXPECT_THROW(s.line(static_cast<LineFlags>(7), 0, 0, 1, 1, kBlack), RuntimeError);
}

TEST(RecordingSurface, CoordinatesOffAnyPageAreOverflows)
{
    RecordingSurface s = makeSurface();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_THROW(s.line(LineFlags::Stroke, 100, nan, 0, 10, kBlack), RuntimeError);
    EXPECT_THROW(s.line(LineFlags::FilledBox, 100, 100, -inf, 10, kBlack), RuntimeError);
    EXPECT_THROW(s.setCurrentY(inf), RuntimeError);
    s.setJobStart(2);
    s.setCurrentX(1e8f); // two thousand million twips: still a page coordinate
    try {
        s.setCurrentX(2e8f);
        ADD_FAILURE() << "four thousand million twips accepted";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 6);
    }
    EXPECT_EQ(s.state(), RecordingSurface::DocumentState::NotStarted) << "a refused line opens nothing";
}
