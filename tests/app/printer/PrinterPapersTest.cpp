// The paper kept for each printer, as the settings store holds it.
#include "app/printer/PrinterPapers.h"

#include <QSizeF>
#include <gtest/gtest.h>
#include <utility>

TEST(PrinterPaper, IsKeptAsItsNameAndOrientationAndReadBack)
{
    const std::pair<PaperChoice, const char*> rows[] = {
        { { QPageSize(QPageSize::A4), PageOrientation::Portrait }, "A4, portrait" },
        { { QPageSize(QPageSize::Letter), PageOrientation::Landscape }, "Letter, landscape" },
        { { QPageSize(QSizeF(100, 150), QPageSize::Millimeter), PageOrientation::Portrait },
            "100 x 150 mm, portrait" },
    };
    for (const auto& [paper, text] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(paper.text(), QString::fromLatin1(text));
        const std::optional<PaperChoice> read = PaperChoice::parse(QString::fromLatin1(text));
        ASSERT_TRUE(read.has_value());
        EXPECT_TRUE(read->size.isEquivalentTo(paper.size));
        EXPECT_EQ(read->orientation, paper.orientation);
    }
    for (const char* garbled : { "", "A4", "A4, sideways", "Foo, portrait", "0 x 150 mm, portrait" })
        EXPECT_FALSE(PaperChoice::parse(QString::fromLatin1(garbled)).has_value()) << garbled;
}
