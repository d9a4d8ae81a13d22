// Paper sizes by the names people give them on the command line and in the settings store.
#include "print/page/PaperName.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

namespace {
class PaperName : public ::testing::TestWithParam<std::pair<const char*, QPageSize::PageSizeId>> { };
} // namespace

TEST_P(PaperName, NamesItsSize)
{
    const std::optional<QPageSize> size = paperNamed(QLatin1String(GetParam().first));
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->id(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Names, PaperName,
    ::testing::Values(std::make_pair("A4", QPageSize::A4), std::make_pair("letter", QPageSize::Letter),
        std::make_pair("Legal", QPageSize::Legal), std::make_pair("a 3", QPageSize::A3),
        std::make_pair("Tabloid", QPageSize::Tabloid)),
    [](const ::testing::TestParamInfo<PaperName::ParamType>& row) { return rowName(row.param.first); });

TEST(PaperName, UnknownOrEmptyNamesNoSize)
{
    EXPECT_FALSE(paperNamed(QStringLiteral("A77")).has_value());
    EXPECT_FALSE(paperNamed(QStringLiteral("Custom")).has_value());
    EXPECT_FALSE(paperNamed(QString()).has_value());
}
