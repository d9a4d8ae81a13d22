#include "print/dialog/clsPrintDialog.h"
#include "common/RuntimeError.h"
#include "support/ScriptedPrinters.h"

#include <gtest/gtest.h>

// Readable names in failure messages.
static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

using Property = ScriptedPrinter::Property;

struct PageNumbers {
    qint16 min, from, to, max;
    bool operator==(const PageNumbers&) const = default;
};

void PrintTo(const PageNumbers& p, std::ostream* os)
{
    *os << "(" << p.min << ", " << p.from << ", " << p.to << ", " << p.max << ")";
}

PageNumbers pagesOf(const clsPrintDialog& dialog)
{
    return { dialog.Min(), dialog.FromPage(), dialog.ToPage(), dialog.Max() };
}

class ShowPrinter : public ::testing::Test {
protected:
    ScriptedPrinter& addPrinter(const QString& name) { return m_printers.add(name); }
    bool show() { return m_object.ShowPrinter(); }
    const PrintDialogRequest& request() const { return m_dialog.requests().back(); }

    ScriptedPrinterSystem m_printers;
    ScriptedPrintDialog m_dialog;
    clsPrintDialog m_object { m_printers, m_dialog };
};

} // namespace

enum class Let { Min, FromPage, ToPage, Max };

struct LetCase {
    Let let;
    qint16 value;
    PageNumbers expected;
};

// "FromPage_minus1": the row's name in the test list and in a failure.
std::string rowName(const ::testing::TestParamInfo<LetCase>& info)
{
    const char* const names[] = { "Min", "FromPage", "ToPage", "Max" };
    const qint16 value = info.param.value;
    return std::string(names[static_cast<int>(info.param.let)]) + (value < 0 ? "_minus" : "_")
        + std::to_string(std::abs(value));
}

class clsPrintDialogLet : public ::testing::TestWithParam<LetCase> { };

// Every case starts from (2, 4, 6, 9).
TEST_P(clsPrintDialogLet, KeepsMinimumFromToMaximumInOrder)
{
    ScriptedPrinterSystem printers;
    ScriptedPrintDialog backend;
    clsPrintDialog dialog(printers, backend);
    dialog.setMax(9);
    dialog.setToPage(6);
    dialog.setFromPage(4);
    dialog.setMin(2);
    ASSERT_EQ(pagesOf(dialog), (PageNumbers { 2, 4, 6, 9 }));
    const LetCase& c = GetParam();
    switch (c.let) {
    case Let::Min:
        dialog.setMin(c.value);
        break;
    case Let::FromPage:
        dialog.setFromPage(c.value);
        break;
    case Let::ToPage:
        dialog.setToPage(c.value);
        break;
    case Let::Max:
        dialog.setMax(c.value);
        break;
    }
    EXPECT_EQ(pagesOf(dialog), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, clsPrintDialogLet,
    ::testing::Values(LetCase { Let::Min, 5, { 5, 5, 6, 9 } }, LetCase { Let::Min, 7, { 7, 7, 7, 9 } },
        LetCase { Let::Min, 12, { 12, 12, 12, 12 } }, LetCase { Let::Min, -3, { 0, 4, 6, 9 } },
        LetCase { Let::FromPage, 1, { 1, 1, 6, 9 } }, LetCase { Let::FromPage, 8, { 2, 8, 8, 9 } },
        LetCase { Let::FromPage, 11, { 2, 11, 11, 11 } }, LetCase { Let::FromPage, -1, { 0, 0, 6, 9 } },
        LetCase { Let::ToPage, 3, { 2, 3, 3, 9 } }, LetCase { Let::ToPage, 1, { 1, 1, 1, 9 } },
        LetCase { Let::ToPage, 10, { 2, 4, 10, 10 } }, LetCase { Let::ToPage, 0, { 0, 0, 0, 9 } },
        LetCase { Let::Max, 5, { 2, 4, 5, 5 } }, LetCase { Let::Max, 3, { 2, 3, 3, 3 } },
        LetCase { Let::Max, 1, { 1, 1, 1, 1 } }, LetCase { Let::Max, -32768, { 0, 0, 0, 0 } },
        LetCase { Let::Max, 32767, { 2, 4, 6, 32767 } }),
    rowName);

TEST(clsPrintDialog, ANewObjectHasNoFlagsNoPagesAndNoCancelError)
{
    ScriptedPrinterSystem printers;
    ScriptedPrintDialog backend;
    clsPrintDialog fresh(printers, backend);
    EXPECT_EQ(pagesOf(fresh), (PageNumbers { 0, 0, 0, 0 }));
    EXPECT_EQ(fresh.Flags, 0);
    EXPECT_FALSE(fresh.CancelError);
}

TEST_F(ShowPrinter, SendsTheCurrentPrinterFlagsAndPages)
{
    ScriptedPrinter& laser = addPrinter(QStringLiteral("Laser"));
    laser.setOrientation(PageOrientation::Landscape);
    laser.setDuplex(Duplex::ShortEdge);
    m_object.Flags = 0x100004;
    m_object.setMax(3);
    m_object.setToPage(2);
    show();

    ASSERT_EQ(m_dialog.requests().size(), 1u);
    const PrintDialogRequest& sent = request();
    EXPECT_EQ(sent.flags, 0x100004);
    EXPECT_EQ(sent.minPage, 0);
    EXPECT_EQ(sent.fromPage, 0);
    EXPECT_EQ(sent.toPage, 2);
    EXPECT_EQ(sent.maxPage, 3);
    EXPECT_EQ(sent.deviceName, QStringLiteral("Laser"));
    EXPECT_EQ(sent.driverName, QStringLiteral("Scripted"));
    EXPECT_EQ(sent.port, QStringLiteral("SCRIPT:"));
    EXPECT_EQ(sent.orientation, PageOrientation::Landscape);
    EXPECT_EQ(sent.duplex, Duplex::ShortEdge);
    EXPECT_EQ(sent.paperSize, QPageSize(QPageSize::A4));
}

TEST_F(ShowPrinter, ADuplexThatCantBeReadIsSentAsUnknown)
{
    addPrinter(QStringLiteral("Laser")).setFailing(Property::Duplex);
    show();
    EXPECT_EQ(request().duplex, std::nullopt);
}

TEST_F(ShowPrinter, ACancelChangesNothingAndRaisesOnlyWhenAskedTo)
{
    ScriptedPrinter& laser = addPrinter(QStringLiteral("Laser"));
    addPrinter(QStringLiteral("Other"));
    m_dialog.cancel();
    EXPECT_FALSE(show());
    EXPECT_TRUE(m_object.CancelError);
    EXPECT_EQ(m_printers.selections(), 0);
    EXPECT_TRUE(laser.settingsLog().isEmpty());

    // CancelError is now True: the next cancel raises.
    m_dialog.cancel();
    try {
        m_object.ShowPrinter();
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 32755);
        EXPECT_EQ(error.source(), QStringLiteral("Quor PrintDialog"));
        EXPECT_EQ(error.description(), QStringLiteral("Cancel."));
    }
    EXPECT_TRUE(laser.settingsLog().isEmpty());
}

TEST_F(ShowPrinter, TheAnsweredFlagsAndRangeAreStoredWithoutTheLetRules)
{
    addPrinter(QStringLiteral("Laser"));
    m_object.setMax(1);
    m_object.setMin(1);
    m_dialog.choose(QStringLiteral("Laser"));
    m_dialog.answerPages(0x100006, 0, 7);
    EXPECT_TRUE(show());
    EXPECT_FALSE(m_object.CancelError);
    EXPECT_EQ(m_object.Flags, 0x100006);
    EXPECT_EQ(pagesOf(m_object), (PageNumbers { 1, 0, 7, 1 }));
}

TEST_F(ShowPrinter, ThePrinterChosenBecomesCurrentWithItsSettingsInOrder)
{
    addPrinter(QStringLiteral("Office"));
    ScriptedPrinter& laser = addPrinter(QStringLiteral("Laser"));
    m_dialog.choose(QStringLiteral("Laser"), 3, PageOrientation::Landscape, Duplex::LongEdge);
    EXPECT_TRUE(show());
    EXPECT_EQ(m_printers.currentIndex(), 1);
    EXPECT_EQ(laser.settingsLog(),
        (QStringList { QStringLiteral("Copies=3"), QStringLiteral("Duplex=LongEdge"),
            QStringLiteral("Orientation=Landscape") }));
    EXPECT_EQ(laser.copies(), 3);
}

TEST_F(ShowPrinter, TheChosenPaperGoesToTheChosenPrinterAfterItsOrientation)
{
    addPrinter(QStringLiteral("Office"));
    ScriptedPrinter& laser = addPrinter(QStringLiteral("Laser"));
    m_dialog.choose(QStringLiteral("Laser"), 1, PageOrientation::Landscape);
    m_dialog.answerPaper(QPageSize(QPageSize::Letter));
    EXPECT_TRUE(show());
    EXPECT_EQ(laser.settingsLog(),
        (QStringList { QStringLiteral("Copies=1"), QStringLiteral("Duplex=Simplex"),
            QStringLiteral("Orientation=Landscape"), QStringLiteral("Paper=Letter") }));
    EXPECT_EQ(laser.paper().width, 15840) << "Letter, turned";

    laser.setFailing(Property::Paper); // refused: the printer keeps its paper
    m_dialog.choose(QStringLiteral("Laser"));
    m_dialog.answerPaper(QPageSize(QPageSize::A3));
    EXPECT_TRUE(show());
    EXPECT_EQ(laser.paper().size, QPageSize(QPageSize::Letter));
}

TEST_F(ShowPrinter, AQueueRemovedWhileTheDialogWasOpenIsReportedNotReplaced)
{
    ScriptedPrinter& office = addPrinter(QStringLiteral("Office"));
    addPrinter(QStringLiteral("Laser"));
    m_dialog.whileOpen([this] { m_printers.remove(QStringLiteral("Laser")); });
    m_dialog.choose(QStringLiteral("Laser"), 2);
    try {
        show();
        ADD_FAILURE() << "the removed queue went unnoticed";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 482);
        EXPECT_EQ(error.description(), QStringLiteral("The printer \"Laser\" is no longer installed"));
    }
    EXPECT_EQ(m_printers.currentIndex(), 0);
    EXPECT_TRUE(office.settingsLog().isEmpty()) << "the current printer does not stand in for it";
}

TEST_F(ShowPrinter, OfTwoNamesThatDifferOnlyInCaseTheLaterWins)
{
    addPrinter(QStringLiteral("Office"));
    addPrinter(QStringLiteral("laser"));
    addPrinter(QStringLiteral("Laser"));
    addPrinter(QStringLiteral("Other"));
    m_dialog.choose(QStringLiteral("laser"));
    show();
    EXPECT_EQ(m_printers.currentIndex(), 2);
    EXPECT_EQ(m_printers.selections(), 2); // the walk does not stop at the first match
}

TEST_F(ShowPrinter, ACurrentNameInCapitalsIsNotWalkedOneWithLowerCaseIs)
{
    addPrinter(QStringLiteral("OFFICE"));
    addPrinter(QStringLiteral("office"));
    m_printers.setListingFails(true); // walking would throw
    m_dialog.choose(QStringLiteral("office"));
    EXPECT_TRUE(show());
    EXPECT_EQ(m_printers.currentIndex(), 0);

    ScriptedPrinterSystem printers;
    printers.add(QStringLiteral("Office"));
    printers.add(QStringLiteral("Laser"));
    clsPrintDialog again(printers, m_dialog);
    m_dialog.choose(QStringLiteral("Office"));
    EXPECT_TRUE(again.ShowPrinter());
    EXPECT_EQ(printers.currentIndex(), 0);
    EXPECT_EQ(printers.selections(), 1); // walked and made current again
}

TEST_F(ShowPrinter, ANameLongerThanThirtyTwoCharactersStillSelectsItsPrinter)
{
    const QString longName = QStringLiteral("Second floor colour laser, room 214");
    addPrinter(QStringLiteral("Office"));
    ScriptedPrinter& laser = addPrinter(longName);
    m_dialog.choose(longName, 2, PageOrientation::Landscape, Duplex::ShortEdge);
    EXPECT_TRUE(show());
    EXPECT_EQ(m_printers.currentIndex(), 1);
    EXPECT_EQ(laser.copies(), 2);
    EXPECT_EQ(laser.duplex(), Duplex::ShortEdge);
    EXPECT_EQ(laser.orientation(), PageOrientation::Landscape);
}

TEST_F(ShowPrinter, ANameNoPrinterMatchesKeepsTheCurrentPrinterWhichGetsTheSettings)
{
    ScriptedPrinter& office = addPrinter(QStringLiteral("Office"));
    addPrinter(QStringLiteral("Second floor colour laser, room 214"));
    m_dialog.choose(QStringLiteral("Second floor colour laser, room 215"), 2, PageOrientation::Landscape,
        Duplex::ShortEdge);
    EXPECT_TRUE(show());
    EXPECT_EQ(m_printers.currentIndex(), 0);
    EXPECT_EQ(m_printers.selections(), 0);
    EXPECT_EQ(office.copies(), 2);
    EXPECT_EQ(office.duplex(), Duplex::ShortEdge);
    EXPECT_EQ(office.orientation(), PageOrientation::Landscape);
}

TEST_F(ShowPrinter, SettingsThePrinterRefusesAreSkippedAndTheNextIsStillMade)
{
    ScriptedPrinter& laser = addPrinter(QStringLiteral("Laser"));
    laser.setFailing(Property::Copies);
    laser.setFailing(Property::Duplex);
    m_dialog.choose(QStringLiteral("Laser"), 4, PageOrientation::Landscape, Duplex::LongEdge);
    EXPECT_TRUE(show());
    EXPECT_EQ(laser.settingsLog().size(), 3);
    EXPECT_EQ(laser.orientation(), PageOrientation::Landscape);
    laser.setFailing(Property::Duplex, false);
    EXPECT_EQ(laser.duplex(), Duplex::Simplex);
}

TEST_F(ShowPrinter, ADuplexTheDialogLeavesToThePrinterIsNotSet)
{
    ScriptedPrinter& laser = addPrinter(QStringLiteral("Laser"));
    laser.setDuplex(Duplex::LongEdge);
    m_dialog.choose(QStringLiteral("Laser"), 2, PageOrientation::Landscape, std::nullopt);
    EXPECT_TRUE(show());
    EXPECT_EQ(laser.settingsLog().last(), QStringLiteral("Orientation=Landscape"));
    EXPECT_EQ(laser.settingsLog().filter(QStringLiteral("Duplex")).size(), 1); // only the setup's
    EXPECT_EQ(laser.duplex(), Duplex::LongEdge);
    EXPECT_EQ(laser.copies(), 2);
}

TEST_F(ShowPrinter, TheChosenFileGoesToTheCurrentPrinterLast)
{
    addPrinter(QStringLiteral("Office"));
    ScriptedPrinter& pdf = addPrinter(QStringLiteral("Print to File (PDF)"));
    m_dialog.choose(QStringLiteral("Print to File (PDF)"), 1, PageOrientation::Portrait, Duplex::Simplex,
        QStringLiteral("/tmp/circles.pdf"));
    show();
    EXPECT_EQ(m_printers.currentIndex(), 1);
    EXPECT_EQ(pdf.settingsLog().last(), QStringLiteral("OutputFileName=/tmp/circles.pdf"));

    m_dialog.choose(QStringLiteral("Office"));
    show();
    EXPECT_EQ(m_printers.currentIndex(), 0);
    EXPECT_TRUE(m_printers.at(0).settingsLog().filter(QStringLiteral("OutputFileName")).isEmpty());
}

TEST_F(ShowPrinter, PrinterFailuresGoToTheCallerWithoutShowingTheDialog)
{
    EXPECT_THROW(show(), RuntimeError); // no printer at all

    addPrinter(QStringLiteral("Laser")).setFailing(Property::Port);
    EXPECT_THROW(show(), RuntimeError);
    EXPECT_TRUE(m_dialog.requests().empty());
    EXPECT_FALSE(m_object.CancelError);
}
