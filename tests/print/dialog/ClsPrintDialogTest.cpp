#include "print/dialog/clsPrintDialog.h"
#include "common/RuntimeError.h"
#include "print/dialog/DeviceModeRecord.h"
#include "print/dialog/DeviceNamesRecord.h"
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
    bool show()
    {
        const bool confirmed = m_object.ShowPrinter();
        EXPECT_EQ(m_memory.liveBlocks(), 0u) << "a block outlived the selection";
        return confirmed;
    }
    const PrintDialogRequest& request() const { return m_dialog.requests().back(); }

    ScriptedPrinterSystem m_printers;
    ScriptedPrintDialog m_dialog;
    GlobalMemory m_memory;
    clsPrintDialog m_object { m_printers, m_dialog, m_memory };
};

} // namespace

TEST(clsPrintDialogLet, KeepsMinimumFromToMaximumInOrder)
{
    struct Case {
        const char* let;
        qint16 value;
        PageNumbers expected;
    };
    // Every case starts from (2, 4, 6, 9).
    const Case cases[] = {
        { "Min", 5, { 5, 5, 6, 9 } },
        { "Min", 7, { 7, 7, 7, 9 } },
        { "Min", 12, { 12, 12, 12, 12 } },
        { "Min", -3, { 0, 4, 6, 9 } },
        { "FromPage", 1, { 1, 1, 6, 9 } },
        { "FromPage", 8, { 2, 8, 8, 9 } },
        { "FromPage", 11, { 2, 11, 11, 11 } },
        { "FromPage", -1, { 0, 0, 6, 9 } },
        { "ToPage", 3, { 2, 3, 3, 9 } },
        { "ToPage", 1, { 1, 1, 1, 9 } },
        { "ToPage", 10, { 2, 4, 10, 10 } },
        { "ToPage", 0, { 0, 0, 0, 9 } },
        { "Max", 5, { 2, 4, 5, 5 } },
        { "Max", 3, { 2, 3, 3, 3 } },
        { "Max", 1, { 1, 1, 1, 1 } },
        { "Max", -32768, { 0, 0, 0, 0 } },
        { "Max", 32767, { 2, 4, 6, 32767 } },
    };
    ScriptedPrinterSystem printers;
    ScriptedPrintDialog backend;
    GlobalMemory memory;
    for (const Case& c : cases) {
        clsPrintDialog dialog(printers, backend, memory);
        dialog.setMax(9);
        dialog.setToPage(6);
        dialog.setFromPage(4);
        dialog.setMin(2);
        ASSERT_EQ(pagesOf(dialog), (PageNumbers { 2, 4, 6, 9 }));
        const QString let = QString::fromLatin1(c.let);
        if (let == QStringLiteral("Min"))
            dialog.setMin(c.value);
        else if (let == QStringLiteral("FromPage"))
            dialog.setFromPage(c.value);
        else if (let == QStringLiteral("ToPage"))
            dialog.setToPage(c.value);
        else
            dialog.setMax(c.value);
        EXPECT_EQ(pagesOf(dialog), c.expected) << c.let << " " << c.value;
    }

    clsPrintDialog fresh(printers, backend, memory);
    EXPECT_EQ(pagesOf(fresh), (PageNumbers { 0, 0, 0, 0 }));
    EXPECT_EQ(fresh.Flags, 0);
    EXPECT_FALSE(fresh.CancelError);
}

TEST_F(ShowPrinter, SendsTheCurrentPrinterInBothRecords)
{
    ScriptedPrinter& laser = addPrinter(QStringLiteral("Laser"));
    laser.setOrientation(printer_codes::kLandscape);
    laser.setDuplex(printer_codes::kDuplexShortEdge);
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
    EXPECT_EQ(sent.orientation, printer_codes::kLandscape);
    EXPECT_EQ(sent.duplex, printer_codes::kDuplexShortEdge);

    DeviceModeRecord mode;
    mode.setDeviceName(QStringLiteral("Laser"));
    mode.setSize(122);
    mode.setFields(0x1001);
    mode.setOrientation(2);
    mode.setDuplex(3);
    EXPECT_EQ(sent.deviceModeBytes, QByteArray(reinterpret_cast<const char*>(mode.bytes().data()), 122));
    const DeviceNamesRecord names = DeviceNamesRecord::forPrinter(
        QStringLiteral("Scripted"), QStringLiteral("Laser"), QStringLiteral("SCRIPT:"));
    EXPECT_EQ(sent.deviceNamesBytes, QByteArray(reinterpret_cast<const char*>(names.bytes().data()), 108));
}

TEST_F(ShowPrinter, ADuplexThatCantBeReadIsSentAsZero)
{
    addPrinter(QStringLiteral("Laser")).setFailing(Property::Duplex);
    show();
    EXPECT_EQ(request().duplex, 0);
    EXPECT_EQ(request().deviceModeBytes.at(DeviceModeRecord::kDuplexAt), 0);
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
    EXPECT_EQ(m_memory.liveBlocks(), 0u);
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
    m_dialog.choose(QStringLiteral("Laser"), 3, printer_codes::kLandscape, printer_codes::kDuplexLongEdge);
    EXPECT_TRUE(show());
    EXPECT_EQ(m_printers.currentIndex(), 1);
    EXPECT_EQ(laser.settingsLog(),
        (QStringList {
            QStringLiteral("Copies=3"), QStringLiteral("Duplex=2"), QStringLiteral("Orientation=2") }));
    EXPECT_EQ(laser.copies(), 3);
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
    clsPrintDialog again(printers, m_dialog, m_memory);
    m_dialog.choose(QStringLiteral("Office"));
    EXPECT_TRUE(again.ShowPrinter());
    EXPECT_EQ(printers.currentIndex(), 0);
    EXPECT_EQ(printers.selections(), 1); // walked and made current again
}

TEST_F(ShowPrinter, ALongNameCutAtThirtyTwoStillSelectsItsPrinter)
{
    // The device-mode record holds 32 characters; the names record carries the rest, so the page
    // goes to the printer the user chose rather than the previous one.
    const QString longName = QStringLiteral("Second floor colour laser, room 214");
    addPrinter(QStringLiteral("Office"));
    ScriptedPrinter& laser = addPrinter(longName);
    m_dialog.choose(longName, 2, printer_codes::kLandscape, printer_codes::kDuplexShortEdge);
    EXPECT_TRUE(show());
    EXPECT_EQ(m_printers.currentIndex(), 1);
    EXPECT_EQ(laser.copies(), 2);
    EXPECT_EQ(laser.duplex(), printer_codes::kDuplexShortEdge);
    EXPECT_EQ(laser.orientation(), printer_codes::kLandscape);
}

TEST_F(ShowPrinter, ANameNoPrinterMatchesKeepsTheCurrentPrinterWhichGetsTheSettings)
{
    ScriptedPrinter& office = addPrinter(QStringLiteral("Office"));
    addPrinter(QStringLiteral("Second floor colour laser, room 214"));
    m_dialog.choose(QStringLiteral("Second floor colour laser, room 215"), 2, printer_codes::kLandscape,
        printer_codes::kDuplexShortEdge);
    EXPECT_TRUE(show());
    EXPECT_EQ(m_printers.currentIndex(), 0);
    EXPECT_EQ(m_printers.selections(), 0);
    EXPECT_EQ(office.copies(), 2);
    EXPECT_EQ(office.duplex(), printer_codes::kDuplexShortEdge);
    EXPECT_EQ(office.orientation(), printer_codes::kLandscape);
}

TEST_F(ShowPrinter, SettingsThePrinterRefusesAreSkippedAndTheNextIsStillMade)
{
    ScriptedPrinter& laser = addPrinter(QStringLiteral("Laser"));
    laser.setFailing(Property::Copies);
    laser.setFailing(Property::Duplex);
    m_dialog.choose(QStringLiteral("Laser"), 4, printer_codes::kLandscape, printer_codes::kDuplexLongEdge);
    EXPECT_TRUE(show());
    EXPECT_EQ(laser.settingsLog().size(), 3);
    EXPECT_EQ(laser.orientation(), printer_codes::kLandscape);
    laser.setFailing(Property::Duplex, false);
    EXPECT_EQ(laser.duplex(), printer_codes::kSimplex);
}

TEST_F(ShowPrinter, TheChosenFileGoesToTheCurrentPrinterLast)
{
    addPrinter(QStringLiteral("Office"));
    ScriptedPrinter& pdf = addPrinter(QStringLiteral("Print to File (PDF)"));
    m_dialog.choose(QStringLiteral("Print to File (PDF)"), 1, printer_codes::kPortrait,
        printer_codes::kSimplex, QStringLiteral("/tmp/circles.pdf"));
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
    EXPECT_EQ(m_memory.liveBlocks(), 0u);

    addPrinter(QStringLiteral("Laser")).setFailing(Property::Port);
    EXPECT_THROW(show(), RuntimeError);
    EXPECT_EQ(m_memory.liveBlocks(), 0u);
    EXPECT_TRUE(m_dialog.requests().empty());
    EXPECT_FALSE(m_object.CancelError);
}

TEST_F(ShowPrinter, ABlockThatCantBeAllocatedIsSentAsNone)
{
    addPrinter(QStringLiteral("Office"));
    addPrinter(QStringLiteral("Laser"));
    m_memory.setFaultRule([](GlobalMemory::Operation operation, std::size_t bytes) {
        return operation == GlobalMemory::Operation::Allocate && bytes == DeviceNamesRecord::kSize;
    });
    m_dialog.choose(QStringLiteral("Laser"));
    EXPECT_TRUE(show());
    EXPECT_TRUE(request().deviceNamesBytes.isEmpty());
    EXPECT_EQ(request().deviceName, QStringLiteral("Office")); // from dmDeviceName, blanks dropped
    EXPECT_EQ(m_printers.currentIndex(), 1);

    // Without a device-mode block the dialog answers in a block of its own.
    int modeAllocations = 0;
    m_memory.setFaultRule([&modeAllocations](GlobalMemory::Operation operation, std::size_t bytes) {
        return operation == GlobalMemory::Operation::Allocate && bytes == DeviceModeRecord::kSize
            && ++modeAllocations == 1;
    });
    m_dialog.choose(QStringLiteral("Office"), 2);
    EXPECT_TRUE(show());
    EXPECT_TRUE(request().deviceModeBytes.isEmpty());
    EXPECT_EQ(request().deviceName, QStringLiteral("Laser"));
    EXPECT_EQ(m_printers.currentIndex(), 0);
    EXPECT_EQ(m_printers.at(0).copies(), 2);

    // When it can't, the dialog has failed.
    m_memory.setFaultRule([](GlobalMemory::Operation operation, std::size_t bytes) {
        return operation == GlobalMemory::Operation::Allocate && bytes == DeviceModeRecord::kSize;
    });
    m_dialog.choose(QStringLiteral("Laser"));
    EXPECT_FALSE(show());
    EXPECT_EQ(m_printers.currentIndex(), 0);
}

TEST_F(ShowPrinter, ABlockThatCantBeLockedIsSentZeroFilled)
{
    addPrinter(QStringLiteral("Laser")).setOrientation(printer_codes::kLandscape);
    int modeLocks = 0;
    m_memory.setFaultRule([&modeLocks](GlobalMemory::Operation operation, std::size_t bytes) {
        return operation == GlobalMemory::Operation::Lock && bytes == DeviceModeRecord::kSize
            && ++modeLocks == 1;
    });
    m_dialog.choose(QStringLiteral("Laser"), 2);
    EXPECT_TRUE(show());
    EXPECT_EQ(request().deviceModeBytes, QByteArray(DeviceModeRecord::kSize, '\0'));
    EXPECT_EQ(request().orientation, 0);
    EXPECT_EQ(request().deviceName, QStringLiteral("Laser")); // still named by the names block
    EXPECT_EQ(m_printers.at(0).copies(), 2);
}

TEST_F(ShowPrinter, AnAnswerThatCantBeWrittenBackIsACancel)
{
    ScriptedPrinter& laser = addPrinter(QStringLiteral("Laser"));
    m_memory.setFaultRule([](GlobalMemory::Operation operation, std::size_t bytes) {
        return operation == GlobalMemory::Operation::Lock && bytes == DeviceModeRecord::kSize;
    });
    m_dialog.choose(QStringLiteral("Laser"), 5);
    EXPECT_FALSE(show());
    EXPECT_TRUE(m_object.CancelError);
    EXPECT_TRUE(laser.settingsLog().isEmpty());
}
