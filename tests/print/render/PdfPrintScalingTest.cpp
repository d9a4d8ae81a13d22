#include "print/render/PdfPrintScaling.h"
#include "common/RuntimeError.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

namespace {

QByteArray qtDocument()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("A title (with parentheses"));
    QPainter painter(&writer);
    painter.drawLine(0, 0, 100, 100);
    painter.end();
    return bytes;
}

struct BrokenCase {
    const char* name;
    QByteArray (*make)(const QByteArray& qt);
};

class BrokenPdf : public ::testing::TestWithParam<BrokenCase> { };

} // namespace

TEST(PdfPrintScaling, AppendsTheCatalogAgainAndLeavesQtsBytesAsTheyAre)
{
    const QByteArray qt = qtDocument();
    const QByteArray updated = withoutPrintScaling(qt);
    ASSERT_TRUE(updated.startsWith(qt));
    const QByteArray update = updated.mid(qt.size());
    EXPECT_TRUE(update.contains("/Type /Catalog"));
    EXPECT_TRUE(update.contains("/ViewerPreferences << /PrintScaling /None >>"));
    const QByteArray qtXref
        = qt.mid(qt.lastIndexOf("startxref") + 9).trimmed().split('\n').value(0).trimmed();
    EXPECT_TRUE(update.contains("/Prev " + qtXref)) << "the update leads back to Qt's table";
    EXPECT_TRUE(update.endsWith("%%EOF\n"));
    // The new cross-reference entry points at the new catalog object.
    const qsizetype xref = update.indexOf("xref\n");
    const qint64 objectAt = update.mid(xref + 5).split('\n')[1].left(10).toLongLong();
    EXPECT_TRUE(updated.mid(objectAt).startsWith(update.mid(1, update.indexOf('\n', 1) - 1)));
}

TEST_P(BrokenPdf, IsAPrinterError)
{
    try {
        withoutPrintScaling(GetParam().make(qtDocument()));
        ADD_FAILURE() << "taken for a PDF file";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 482);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenPdf,
    ::testing::Values(BrokenCase { "Empty", [](const QByteArray&) { return QByteArray(); } },
        BrokenCase { "CutShort", [](const QByteArray& qt) { return qt.left(qt.size() / 2); } },
        BrokenCase { "StartxrefOffTheEnd",
            [](const QByteArray& qt) {
                return qt.left(qt.lastIndexOf("startxref")) + "startxref\n99999999\n%%EOF";
            } },
        BrokenCase { "AlreadyUpdated", [](const QByteArray& qt) { return withoutPrintScaling(qt); } }),
    [](const ::testing::TestParamInfo<BrokenCase>& row) { return std::string(row.param.name); });
