// The three pages as a user prints them: the window's buttons, the real printer list and printing
// path, and a private print scheduler whose default queue writes each job to a PDF file. Each page
// is read back and compared with where the layout rules put every mark, box and text.
#include "ExpectedPage.h"
#include "PageComparison.h"
#include "UprightReadback.h"
#include "WindowUnderTest.h"
#include "support/PrivateCupsScheduler.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace e2e;

namespace {

const QString kQueue = QStringLiteral("VennarosPdf");
const QString kDeviceFile = QStringLiteral("out/page.pdf");
constexpr int kJobTimeoutMs = 20000;
constexpr double kEightyMmDiameter = 80 * 3.14 * 56.7; // strip length in twips
constexpr double kA4LandscapeWidth = 16838;

// Set 1 keeps its widths and font, set 3 gets others; a circle width of 101 makes the long marks
// 252 (a half to the even neighbour).
const CircleSetValues kSet1 {
    .onTop = true, .smallMark = 2, .fiveMark = 3, .tenMark = 3, .circleWidth = 101, .fontSize = 10
};
const CircleSetValues kSet3 {
    .onTop = false, .smallMark = 1, .fiveMark = 4, .tenMark = 5, .circleWidth = 150, .fontSize = 12
};

/// The program with the circle sets' sliders in reach.
struct CupsProgram : Program {
    using Program::Program;
    void setSlider(const QString& name, int set, int value)
    {
        child<QSlider>(QStringLiteral("%1Slider%2").arg(name).arg(set))->setValue(value);
    }
    void setCircleSet(int set, const CircleSetValues& values)
    {
        setSlider(QStringLiteral("SmallMark"), set, values.smallMark);
        setSlider(QStringLiteral("FiveMark"), set, values.fiveMark);
        setSlider(QStringLiteral("TenMark"), set, values.tenMark);
        setSlider(QStringLiteral("CircleWidth"), set, values.circleWidth);
        setSlider(QStringLiteral("Font"), set, values.fontSize);
    }
};

/// A page as the user prints it: the clicks after the common settings, the button, the first strip's
/// numbers and the captions' start (the sets' parts follow).
struct CupsCase {
    const char* name;
    QStringList clicks;
    QString button;
    QString buttonText; ///< the button's caption, where the clicks change it
    std::size_t numbers;
    QString digits;
    Graduation graduation;
    double smallestMark;
    bool numbersIncrease;
    QString captionHead;
};

void PrintTo(const CupsCase& c, std::ostream* os)
{
    *os << c.name;
}

class CupsEndToEnd : public ::testing::TestWithParam<CupsCase> {
protected:
    static void SetUpTestSuite()
    {
        s_scheduler = new PrivateCupsScheduler;
        s_problem = new QString(s_scheduler->start());
        if (!s_problem->isEmpty())
            return;
        const QString ppd
            = s_scheduler->writeFile(QStringLiteral("pdf.ppd"), PrivateCupsScheduler::pdfPassThroughPpd());
        if (ppd.isEmpty() || s_scheduler->makeSharedFolder(QStringLiteral("out")).isEmpty()) {
            *s_problem = QStringLiteral("can't prepare the scheduler's folder");
            return;
        }
        *s_problem = s_scheduler->addDefaultQueue(
            kQueue, QStringLiteral("file://") + s_scheduler->path(kDeviceFile), ppd);
    }
    static void TearDownTestSuite()
    {
        delete s_scheduler;
        s_scheduler = nullptr;
        delete s_problem;
        s_problem = nullptr;
    }

    void SetUp() override
    {
        if (!s_problem->isEmpty()) {
            if (PrivateCupsScheduler::required())
                FAIL() << "no print scheduler: " << s_problem->toStdString();
            GTEST_SKIP() << s_problem->toStdString();
        }
        ASSERT_TRUE(m_dir.isValid());
        m_program = std::make_unique<CupsProgram>(m_dir.filePath(QStringLiteral("Vennaros.ini")));
        CupsProgram& p = *m_program;
        ASSERT_EQ(p.printers.current().deviceName(), kQueue) << "the scheduler's default queue is current";
        // 80 mm diameters, both styles, sets 1 and 3 with set 3 in the bottom layout.
        p.click(QStringLiteral("AltmmOption"));
        p.click(QStringLiteral("AzmmOption"));
        p.type(QStringLiteral("DECLtext"), QStringLiteral("80"));
        p.type(QStringLiteral("AzText"), QStringLiteral("80"));
        p.click(QStringLiteral("WBCheck"));
        p.click(QStringLiteral("SetCheck3"));
        p.click(QStringLiteral("CheckTop3"));
        p.setCircleSet(1, kSet1);
        p.setCircleSet(3, kSet3);
    }

    /// Presses the print button, chooses the queue in landscape, and reads back what the queue's
    /// device wrote.
    pdfreadback::PdfPage print(const QString& button)
    {
        const QString device = s_scheduler->path(kDeviceFile);
        QFile::remove(device); // each job overwrites it; an old one must not pass for this one
        m_program->dialog.choose(kQueue, 1, PageOrientation::Landscape);
        m_program->click(button);
        const QString status = m_program->child<QLabel>(QStringLiteral("DECLlabel"))->text();
        if (!status.isEmpty()) {
            ADD_FAILURE() << "the job ended with \"" << status.toStdString() << '"';
            return {};
        }
        if (!s_scheduler->waitForCompleteFile(kQueue, device, QByteArrayLiteral("%%EOF"), kJobTimeoutMs)) {
            ADD_FAILURE() << "the queue wrote no complete PDF; scheduler log in "
                          << s_scheduler->path(QStringLiteral("log")).toStdString();
            return {};
        }
        // Copied away at once: the next job would overwrite it.
        const QString copy = m_dir.filePath(button + QStringLiteral(".pdf"));
        EXPECT_TRUE(QFile::copy(device, copy));
        // A queue may print the landscape page turned onto a portrait sheet; read it upright.
        return readUprightPage(copy).page;
    }

    static void expectPage(const PageSettings& settings, const pdfreadback::PdfPage& page)
    {
        ASSERT_EQ(page.pageCount, 1);
        EXPECT_NEAR(page.paperWidth, kA4LandscapeWidth, 3) << "A4 landscape, in whole points";
        EXPECT_LT(page.paperHeight, page.paperWidth);
        EXPECT_EQ(page.otherPaths, 0);
        const ExpectedPage expected = ExpectedPage::of(settings);
        const PageComparison compare;
        const auto report = [](const QStringList& problems) {
            return problems.mid(0, 12).join(QLatin1Char('\n')).toStdString();
        };
        const QStringList segments = compare.segments(expected, page);
        EXPECT_TRUE(segments.isEmpty()) << segments.size() << " problems:\n" << report(segments);
        const QStringList boxes = compare.boxes(expected, page);
        EXPECT_TRUE(boxes.isEmpty()) << report(boxes);
        const QStringList texts = compare.texts(expected, page);
        EXPECT_TRUE(texts.isEmpty()) << texts.size() << " problems:\n" << report(texts);
    }

    /// The digits of the first strip's numbers, left to right, blank separated.
    static QString firstStripNumbers(const pdfreadback::PdfPage& page, std::size_t count)
    {
        QStringList numbers;
        for (std::size_t i = 1; i <= count && i < page.texts.size(); ++i)
            numbers << page.texts[i].text.trimmed();
        return numbers.join(QLatin1Char(' '));
    }

    static PrivateCupsScheduler* s_scheduler;
    static QString* s_problem;
    QTemporaryDir m_dir;
    std::unique_ptr<CupsProgram> m_program;
};

PrivateCupsScheduler* CupsEndToEnd::s_scheduler = nullptr;
QString* CupsEndToEnd::s_problem = nullptr;

const CupsCase kCases[] = {
    { "AltitudePage", {}, QStringLiteral("PrintButton"), {}, 37,
        QStringLiteral("0 80 70 60 50 40 30 20 10 0 10 20 30 40 50 60 70 80 90 80 70 60 50 40 30 20 10 0 10 "
                       "20 30 40 50 60 70 80 9"),
        Graduation::Altitude, 1, true,
        QStringLiteral(
            "Altitude Circle length = 251.2 mm, Smallest mark = 1\u00B0, Line (small, 5\u00B0, 10\u00B0) ") },
    { "AzimuthPageNumberedDownwards", { QStringLiteral("FiveDegOption"), QStringLiteral("AzCTCheck") },
        QStringLiteral("PrintAzButton"), {}, 37,
        QStringLiteral(
            "0 350 340 330 320 310 300 290 280 270 260 250 240 230 220 210 200 190 180 170 160 150 "
            "140 130 120 110 100 90 80 70 60 50 40 30 20 10 0"),
        Graduation::Azimuth, 5, false,
        QStringLiteral(
            "Azimuth Circle length = 251.2 mm, Smallest mark = 5\u00B0, Line (small, 5\u00B0, 10\u00B0) ") },
    { "RaPage", { QStringLiteral("RaOption") }, QStringLiteral("PrintAzButton"), QStringLiteral("Print RA"),
        25, QStringLiteral("0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 0"), Graduation::Ra,
        1, true, QStringLiteral("RA Circle length = 251.2 mm, Line (10min, 30min, 1hr) ") },
};

} // namespace

TEST_P(CupsEndToEnd, PageReadsBackAsLaidOut)
{
    const CupsCase& c = GetParam();
    for (const QString& name : c.clicks)
        m_program->click(name);
    if (!c.buttonText.isEmpty()) {
        ASSERT_EQ(m_program->child<QAbstractButton>(c.button)->text().remove(QLatin1Char('&')), c.buttonText);
    }
    const pdfreadback::PdfPage page = print(c.button);
    ASSERT_GT(page.texts.size(), 1u);
    ASSERT_TRUE(page.texts[1].font.contains(QStringLiteral("LiberationSans")))
        << "the numbers need Arial's metrics: " << page.texts[1].font.toStdString();
    EXPECT_EQ(firstStripNumbers(page, c.numbers), c.digits);
    expectPage(
        { .graduation = c.graduation,
            .lengthTwips = kEightyMmDiameter,
            .smallestMark = c.smallestMark,
            .numbersIncrease = c.numbersIncrease,
            .sets = { kSet1, kSet3 },
            .captions
            = { c.captionHead + QStringLiteral("Widths  = 2-3-3, Heights = 101-202-252, Font size = 10"),
                c.captionHead + QStringLiteral("Widths  = 1-4-5, Heights = 150-300-375, Font size = 12") } },
        page);
}

INSTANTIATE_TEST_SUITE_P(Cups, CupsEndToEnd, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<CupsCase>& row) { return std::string(row.param.name); });
