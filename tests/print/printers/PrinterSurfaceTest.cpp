#include "common/FileSizeSignal.h"
#include "common/RuntimeError.h"
#include "print/page/PaperFormat.h"
#include "print/printers/PdfFilePrinter.h"
#include "print/render/PageRenderer.h"
#include "support/PdfReadback.h"
#include "support/PrinterRecording.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using pdfreadback::PdfPage;

namespace {

// Geometry comes back from the PDF within float noise and the font's ascent rounded to 1/1000 em
// (0.05 twip at 10 pt); 0.5 twip still fails anything off by one 1200 dpi device dot (1.2 twips).
constexpr double kTolerance = 0.5;
constexpr double kDot = kTwipsPerDot;

std::unique_ptr<QPrinter> pdfPrinter(QPageSize::PageSizeId size, QPageLayout::Orientation orientation)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(size));
    printer->setPageOrientation(orientation);
    return printer;
}

class PdfSurface : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_file = m_dir.filePath(QStringLiteral("page.pdf"));
        m_printer.setOutputFileName(m_file);
    }

    QTemporaryDir m_dir;
    QString m_file;
    PdfFilePrinter m_printer;
};

} // namespace

TEST(PaperWidth, IsTheDefinedPaperWidthAcrossTheOrientedPage)
{
    const auto width = [](QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
        return PaperFormat::of(pdfPrinter(size, orientation)->pageLayout()).width;
    };
    EXPECT_EQ(width(QPageSize::A4, QPageLayout::Portrait), 11906);
    EXPECT_EQ(width(QPageSize::Letter, QPageLayout::Portrait), 12240);
    EXPECT_EQ(width(QPageSize::A4, QPageLayout::Landscape), 16838);
    EXPECT_EQ(width(QPageSize::Legal, QPageLayout::Landscape), 20160);
}

TEST_F(PdfSurface, StrokesAreWholeDotsWideAndExactlyAsLongAsDrawn)
{
    auto surface = openSurface(m_printer);
    for (qint16 dots = 1; dots <= 5; ++dots) {
        surface->setDrawWidth(dots);
        surface->line(LineFlags::Stroke, 1000.5f + 100 * dots, 2000, 0, 250, kBlack);
    }
    surface->line(LineFlags::Stroke, 3000, 4000, -1500, 0, kBlack); // leftwards, horizontal
    surface->endDoc();

    const PdfPage page = pdfreadback::readPdfPage(m_file);
    EXPECT_EQ(page.pageCount, 1);
    ASSERT_EQ(page.segments.size(), 6u);
    for (int dots = 1; dots <= 5; ++dots) {
        const auto& s = page.segments[dots - 1];
        EXPECT_NEAR(s.x1, 1000.5 + 100 * dots, kTolerance);
        EXPECT_NEAR(s.x2, s.x1, kTolerance);
        EXPECT_NEAR(s.y1, 2000, kTolerance);
        EXPECT_NEAR(s.y2, 2250, kTolerance);
        EXPECT_NEAR(s.width, dots * kDot, 0.05) << dots << " dots";
        EXPECT_EQ(s.cap, 0) << "a square cap would lengthen the mark";
        EXPECT_EQ(s.colour, 0);
    }
    EXPECT_NEAR(page.segments[5].x1, 3000, kTolerance);
    EXPECT_NEAR(page.segments[5].x2, 1500, kTolerance);
    EXPECT_NEAR(page.segments[5].y2, 4000, kTolerance);
}

TEST_F(PdfSurface, BoxesAreFilledAndEdgedInTheirColourWithThePenInEffect)
{
    auto surface = openSurface(m_printer);
    surface->setDrawWidth(3);
    surface->line(LineFlags::FilledBox, 100, 750, 8000, 600, kBlack);
    // Corners given the other way round, in a colour whose red and blue differ.
    surface->setDrawWidth(1);
    surface->line(LineFlags::FilledBox, 2500, 3000, -500, -500, 0x336699);
    surface->endDoc();

    const PdfPage page = pdfreadback::readPdfPage(m_file);
    ASSERT_EQ(page.boxes.size(), 2u);
    const auto& black = page.boxes[0];
    EXPECT_NEAR(black.left, 100, kTolerance);
    EXPECT_NEAR(black.top, 750, kTolerance);
    EXPECT_NEAR(black.right, 8100, kTolerance);
    EXPECT_NEAR(black.bottom, 1350, kTolerance);
    EXPECT_TRUE(black.filled && black.stroked);
    EXPECT_NEAR(black.strokeWidth, 3 * kDot, 0.05);
    EXPECT_EQ(black.fillColour, 0);
    EXPECT_EQ(black.strokeColour, 0);
    EXPECT_EQ(black.join, 0) << "edged boxes keep square corners";

    const auto& coloured = page.boxes[1];
    EXPECT_NEAR(coloured.left, 2000, kTolerance);
    EXPECT_NEAR(coloured.top, 2500, kTolerance);
    EXPECT_NEAR(coloured.right, 2500, kTolerance);
    EXPECT_NEAR(coloured.bottom, 3000, kTolerance);
    EXPECT_EQ(coloured.fillColour, 0x336699);
    EXPECT_EQ(coloured.strokeColour, 0x336699);
}

TEST_F(PdfSurface, TextStandsWithItsTopLeftAtTheCurrentPointInTheMeasuredFont)
{
    auto surface = openSurface(m_printer);
    // The job's opening: a blank in points, then twips for the rest.
    surface->setJobStart(2);
    surface->setCurrentX(50);
    surface->print(QStringLiteral(" "));
    surface->setJobStart(1);
    surface->setFontName(QStringLiteral("Arial"));
    surface->setFontSize(10);
    surface->setForeColor(kWhite);
    surface->setCurrentX(1075.5f);
    surface->setCurrentY(3000);
    surface->print(qint16(350));
    const double numberWidth = surface->textWidth(QStringLiteral(" 350 "));
    surface->setForeColor(0x0000C0);
    surface->setFontSize(7);
    surface->setCurrentX(2200);
    surface->setCurrentY(4250);
    surface->print(QStringLiteral("Alt."));
    const double captionWidth = surface->textWidth(QStringLiteral("Alt."));
    EXPECT_TRUE(!QFile::exists(m_file)) << "nothing reaches the printer before the document is ended";
    surface->endDoc();

    const PdfPage page = pdfreadback::readPdfPage(m_file);
    ASSERT_EQ(page.texts.size(), 3u);
    EXPECT_EQ(page.texts[0].text, QStringLiteral(" "));
    EXPECT_NEAR(page.texts[0].left, 50 * kTwipsPerPoint, kTolerance);
    EXPECT_NEAR(page.texts[0].top, 0, kTolerance);

    const auto& number = page.texts[1];
    EXPECT_EQ(number.text, QStringLiteral(" 350 "));
    EXPECT_NEAR(number.left, 1075.5, kTolerance);
    EXPECT_NEAR(number.top, 3000, kTolerance);
    EXPECT_NEAR(number.right - number.left, numberWidth, kTolerance) << "drawn as wide as measured";
    EXPECT_NEAR(number.points, 10, 0.01);
    EXPECT_EQ(number.colour, static_cast<qint64>(kWhite));
    EXPECT_TRUE(number.font.contains(QStringLiteral("LiberationSans"))
        || number.font.contains(QStringLiteral("Arial")))
        << number.font.toStdString();

    const auto& caption = page.texts[2];
    EXPECT_EQ(caption.text, QStringLiteral("Alt."));
    EXPECT_NEAR(caption.left, 2200, kTolerance);
    EXPECT_NEAR(caption.top, 4250, kTolerance);
    EXPECT_NEAR(caption.right - caption.left, captionWidth, kTolerance);
    EXPECT_NEAR(caption.points, 7, 0.01);
    EXPECT_EQ(caption.colour, 0x0000C0);
}

TEST_F(PdfSurface, LandscapePaperIsWiderThanHigh)
{
    m_printer.setOrientation(PageOrientation::Landscape);
    auto surface = openSurface(m_printer);
    EXPECT_EQ(surface->width(), 16838);
    surface->line(LineFlags::Stroke, 0, 0, 16000, 0, kBlack);
    surface->endDoc();
    const PdfPage page = pdfreadback::readPdfPage(m_file);
    EXPECT_GT(page.paperWidth, page.paperHeight);
    ASSERT_EQ(page.segments.size(), 1u);
    EXPECT_NEAR(page.segments[0].x2, 16000, kTolerance);
}

TEST_F(PdfSurface, AnAbandonedOrUnendedDocumentLeavesNoFile)
{
    {
        auto surface = openSurface(m_printer);
        surface->line(LineFlags::Stroke, 100, 100, 0, 100, kBlack);
        surface->killDoc();
        surface->endDoc(); // nothing open any more
    }
    EXPECT_FALSE(QFile::exists(m_file));
    {
        auto surface = openSurface(m_printer);
        surface->print(QStringLiteral(" "));
    }
    EXPECT_FALSE(QFile::exists(m_file));
}

namespace {

/// What stands where the PDF file is to be written.
enum class Obstacle { MissingFolder, Folder, NamedPipe, Device, LinkToNamedPipe, LinkToNothing };

struct UnwritableCase {
    const char* name;
    Obstacle obstacle;
};

class UnwritablePdf : public PdfSurface, public ::testing::WithParamInterface<UnwritableCase> {
protected:
    /// Makes the obstacle and returns the path to print to; empty when it can't be made here.
    QString obstacle()
    {
        const QByteArray special = QFile::encodeName(m_dir.filePath(QStringLiteral("special")));
        switch (GetParam().obstacle) {
        case Obstacle::MissingFolder:
            return m_dir.filePath(QStringLiteral("missing/folder/page.pdf"));
        case Obstacle::Folder:
            return m_dir.path();
        case Obstacle::NamedPipe:
            return ::mkfifo(m_file.toLocal8Bit().constData(), 0600) == 0 ? m_file : QString();
        case Obstacle::Device: // a node of its own, never a device of the machine
            return ::mknod(m_file.toLocal8Bit().constData(), S_IFCHR | 0600, makedev(1, 3)) == 0 ? m_file
                                                                                                 : QString();
        case Obstacle::LinkToNamedPipe:
            return ::mkfifo(special.constData(), 0600) == 0
                    && QFile::link(QString::fromLocal8Bit(special), m_file)
                ? m_file
                : QString();
        case Obstacle::LinkToNothing:
            return QFile::link(QString::fromLocal8Bit(special), m_file) ? m_file : QString();
        }
        return QString();
    }
};

} // namespace

TEST_P(UnwritablePdf, IsRefusedAtOnceAndLeavesEverythingAsItWas)
{
    const QString path = obstacle();
    if (path.isEmpty())
        GTEST_SKIP() << "can't make it here (a device node needs root)";
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    m_printer.setOutputFileName(path);
    auto surface = openSurface(m_printer);
    surface->line(LineFlags::Stroke, 100, 100, 0, 100, kBlack);
    QElapsedTimer clock;
    clock.start();
    try {
        surface->endDoc();
        ADD_FAILURE() << "no error for " << path.toStdString();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 482);
    }
    EXPECT_LT(clock.elapsed(), 1000) << "a pipe must not be opened: it waits for a reader";
    EXPECT_THROW(surface->endDoc(), RuntimeError) << "a second try must not pass for printed";
    // The job abandons the document after the failure; that must not throw again.
    EXPECT_NO_THROW(surface->killDoc());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
}

INSTANTIATE_TEST_SUITE_P(Files, UnwritablePdf,
    ::testing::Values(UnwritableCase { "AMissingFolder", Obstacle::MissingFolder },
        UnwritableCase { "AFolder", Obstacle::Folder }, UnwritableCase { "ANamedPipe", Obstacle::NamedPipe },
        UnwritableCase { "ADevice", Obstacle::Device },
        UnwritableCase { "ALinkToANamedPipe", Obstacle::LinkToNamedPipe },
        UnwritableCase { "ALinkToNothing", Obstacle::LinkToNothing }),
    [](const ::testing::TestParamInfo<UnwritableCase>& row) { return std::string(row.param.name); });

namespace {

struct PaperCase {
    const char* name;
    QPageSize size;
    PageOrientation orientation;
    double width; ///< twips, across the page as turned
    double height;
};

class PdfPaper : public PdfSurface, public ::testing::WithParamInterface<PaperCase> { };

} // namespace

TEST_P(PdfPaper, TheFileHasThePrintersPaperUnscaledWithTitleAndCreator)
{
    m_printer.setPaper(GetParam().size);
    m_printer.setOrientation(GetParam().orientation);
    EXPECT_EQ(m_printer.paper().width, GetParam().width);
    auto surface = openSurface(m_printer);
    EXPECT_EQ(surface->width(), GetParam().width);
    surface->line(LineFlags::Stroke, 0, 0, 1000, 0, kBlack);
    surface->endDoc();

    const PdfPage page = pdfreadback::readPdfPage(m_file);
    EXPECT_NEAR(page.paperWidth, GetParam().width, 10) << "in whole points";
    EXPECT_NEAR(page.paperHeight, GetParam().height, 10);
    EXPECT_EQ(page.printScaling, QStringLiteral("None"));
    EXPECT_EQ(page.title, QStringLiteral("Vennaros setting circles"));
    EXPECT_TRUE(page.creator.startsWith(QStringLiteral("Vennaros "))) << page.creator.toStdString();
    ASSERT_EQ(page.segments.size(), 1u);
    EXPECT_NEAR(page.segments[0].x2, 1000, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(Papers, PdfPaper,
    ::testing::Values(PaperCase { "A4", QPageSize(QPageSize::A4), PageOrientation::Portrait, 11906, 16838 },
        PaperCase { "LetterPortrait", QPageSize(QPageSize::Letter), PageOrientation::Portrait, 12240, 15840 },
        PaperCase { "A3Portrait", QPageSize(QPageSize::A3), PageOrientation::Portrait, 16838, 23811 },
        PaperCase { "A4Landscape", QPageSize(QPageSize::A4), PageOrientation::Landscape, 16838, 11906 },
        PaperCase { "Custom", QPageSize(QSizeF(100, 300), QPageSize::Millimeter, QStringLiteral("Strip")),
            PageOrientation::Portrait, 5669, 17008 }),
    [](const ::testing::TestParamInfo<PaperCase>& row) { return std::string(row.param.name); });

TEST_F(PdfSurface, APaperWithoutASizeIsRefusedAndTheOldOneKept)
{
    m_printer.setPaper(QPageSize(QPageSize::Letter));
    try {
        m_printer.setPaper(QPageSize());
        ADD_FAILURE() << "an invalid paper size was taken";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 380);
    }
    EXPECT_EQ(m_printer.paper().width, 12240);
}

TEST_F(PdfSurface, AnExistingFileIsReplacedWholeThroughItsLinkWithItsPermissions)
{
    const QString real = m_dir.filePath(QStringLiteral("real.pdf"));
    QFile old(real);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(real, m_file));

    auto surface = openSurface(m_printer);
    surface->line(LineFlags::Stroke, 0, 0, 1000, 0, kBlack);
    surface->endDoc();
    EXPECT_TRUE(QFileInfo(m_file).isSymLink()) << "the link stays a link";
    QFile written(real);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_FALSE(bytes.contains("xxxx")) << "nothing of the old file is left in it";
    EXPECT_EQ(QFile::permissions(real),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2)
        << "no temporary file is left";
}

// The file size limit is set in a child process: it would stay on the test process otherwise.
TEST_F(PdfSurface, AFileSizeLimitFailsThePrintAndLeavesNoFile)
{
    const auto printOverTheLimit = [this] {
        process::ignoreFileSizeSignal();
        const rlimit limit { 4096, 4096 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        auto surface = openSurface(m_printer);
        surface->print(QStringLiteral("Some text, so that the font makes the file larger than the limit"));
        int number = 0;
        try {
            surface->endDoc();
        } catch (const RuntimeError& e) {
            number = e.number();
        }
        const bool nothingLeft
            = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty();
        std::_Exit(number == 482 && nothingLeft ? 0 : 1);
    };
    EXPECT_EXIT(printOverTheLimit(), ::testing::ExitedWithCode(0), "");
}
