#include "print/dialog/PrinterSelection.h"
#include "common/RuntimeError.h"
#include "support/ScriptedPrinters.h"

#include <gtest/gtest.h>

namespace {

class PrinterSelectionTest : public ::testing::Test {
protected:
    ScriptedPrinterSystem m_printers;
    ScriptedPrintDialog m_dialog;
    PrinterSelection m_selection { m_printers, m_dialog };
};

} // namespace

TEST_F(PrinterSelectionTest, TheJobsDialogHasNoSelectionNoFileBoxAndOnePage)
{
    m_printers.add(QStringLiteral("Laser"));
    m_selection.SelectPrinter();
    ASSERT_EQ(m_dialog.requests().size(), 1u);
    const PrintDialogRequest& sent = m_dialog.requests().front();
    EXPECT_EQ(sent.flags, 0x100004);
    EXPECT_EQ(sent.minPage, 1);
    EXPECT_EQ(sent.fromPage, 1);
    EXPECT_EQ(sent.toPage, 1);
    EXPECT_EQ(sent.maxPage, 1);

    qint16 otherMode = 1;
    m_selection.ShowPrinterDialog(otherMode);
    EXPECT_EQ(m_dialog.requests().back().flags, 0);
    EXPECT_EQ(otherMode, 1);
}

TEST_F(PrinterSelectionTest, PrintCancelledKeepsTheLastOutcome)
{
    ScriptedPrinter& laser = m_printers.add(QStringLiteral("Laser"));
    EXPECT_FALSE(m_selection.printCancelled());
    m_dialog.cancel();
    m_selection.SelectPrinter();
    EXPECT_TRUE(m_selection.printCancelled());
    EXPECT_TRUE(laser.settingsLog().isEmpty());

    m_dialog.choose(QStringLiteral("Laser"));
    m_selection.SelectPrinter();
    EXPECT_FALSE(m_selection.printCancelled());

    m_dialog.setFailing(true); // a dialog that fails is a cancel, not the end of the program
    EXPECT_NO_THROW(m_selection.SelectPrinter());
    EXPECT_TRUE(m_selection.printCancelled());
}

TEST_F(PrinterSelectionTest, TheNextDialogOpensOnTheChosenPrinterAndPaperWithoutItsCopies)
{
    m_printers.add(QStringLiteral("Office"));
    ScriptedPrinter& laser = m_printers.add(QStringLiteral("Laser"));
    m_dialog.choose(QStringLiteral("Laser"), 5, PageOrientation::Landscape, Duplex::LongEdge);
    m_dialog.answerPaper(QPageSize(QPageSize::A3));
    m_selection.SelectPrinter();
    m_selection.SelectPrinter(); // cancelled: the printer stays
    EXPECT_EQ(m_printers.currentIndex(), 1);
    EXPECT_EQ(laser.copies(), 5);

    const PrintDialogRequest& next = m_dialog.requests().back();
    EXPECT_EQ(next.deviceName, QStringLiteral("Laser"));
    EXPECT_EQ(next.orientation, PageOrientation::Landscape);
    EXPECT_EQ(next.duplex, Duplex::LongEdge);
    EXPECT_EQ(next.paperSize, QPageSize(QPageSize::A3));
}

TEST_F(PrinterSelectionTest, NoPrinterAtAllIsAnErrorForTheCallerAndNeverAGoAhead)
{
    PrinterSelection empty(m_printers, m_dialog);
    EXPECT_THROW(empty.SelectPrinter(), RuntimeError);
    EXPECT_TRUE(empty.printCancelled());

    // After a confirmed selection, a printer that can't be read must not leave "go ahead" behind.
    ScriptedPrinter& laser = m_printers.add(QStringLiteral("Laser"));
    m_dialog.choose(QStringLiteral("Laser"));
    m_selection.SelectPrinter();
    ASSERT_FALSE(m_selection.printCancelled());
    laser.setFailing(ScriptedPrinter::Property::DeviceName);
    EXPECT_THROW(m_selection.SelectPrinter(), RuntimeError);
    EXPECT_TRUE(m_selection.printCancelled());
    EXPECT_EQ(m_dialog.requests().size(), 1u);
}

TEST(ScriptedPrinter, KeepsItsPagesAfterTheJobLetsGoOfTheSurface)
{
    ScriptedPrinter printer(QStringLiteral("Laser"));
    printer.setPageWidth(12240);
    {
        std::unique_ptr<PrintSurface> surface = printer.openSurface();
        EXPECT_EQ(surface->width(), 12240);
        surface->print(QStringLiteral("x"));
        surface->endDoc();
    }
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_EQ(printer.documents().front().size(), 1u);
    printer.setFailing(ScriptedPrinter::Property::Surface);
    EXPECT_THROW(printer.openSurface(), RuntimeError);
}
