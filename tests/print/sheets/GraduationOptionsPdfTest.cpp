// Half-degree marks, signed declination and a strip that starts at another reading, printed to a
// PDF on a paper long enough for a 2 m strip and read back.
#include "ScriptedJobHost.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/page/PageUnits.h"
#include "print/printers/PdfFilePrinter.h"
#include "support/PdfReadback.h"

#include <QFile>
#include <QSizeF>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

constexpr double kRowTop = 750; // the first strip's marks hang from here
constexpr double kHalfHeight = 60; // 0.6 of CircleWidth 100
constexpr double kMarkNoise = 0.05; // twips: floats on the page and the PDF's digits

struct Row {
    const char* name;
    bool altitude;
    const char* size; ///< mm
    bool length; ///< otherwise a diameter
    bool halfDegree;
    bool signedDec;
    const char* zeroAt;
    const char* refusal; ///< "" when it prints
    QStringList numbers; ///< the first row's numbers left to right; empty: not looked at
    bool ring = false; ///< a flat ring of that outer diameter instead of the strip
};

struct Mark {
    double x;
    double height;
};

struct Printed {
    QString status;
    bool written = false;
    std::vector<Mark> marks; // of the first strip, left to right
    QStringList numbers; // every number text of the page, in drawing order
    QString caption;
    std::vector<SizeText> focus;
    std::vector<pdfreadback::Segment> ringHalves; // a ring's strokes of the half marks' length
};

Printed print(const Row& row, const char* zeroAt, bool bothWays = false)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("strip.pdf"));
    PdfFilePrinter printer;
    printer.setOutputFileName(file);
    printer.setPaper(row.ring ? QPageSize(QSizeF(700, 700), QPageSize::Millimeter, QStringLiteral("Board"))
                              : QPageSize(QSizeF(2100, 300), QPageSize::Millimeter, QStringLiteral("Long")));
    SettingsModel model;
    const SizeText size = row.altitude ? SizeText::Altitude : SizeText::Azimuth;
    model.setText(size, QString::fromLatin1(row.size));
    model.setOption(row.altitude ? Option::Altmm : Option::Azmm, true);
    if (row.length)
        model.setOption(row.altitude ? Option::AltLen : Option::AzLen, true);
    model.setCheck(Check::HalfDeg, row.halfDegree ? SettingsModel::kChecked : SettingsModel::kUnchecked);
    model.setCheck(Check::SignedDec, row.signedDec ? SettingsModel::kChecked : SettingsModel::kUnchecked);
    model.setCheck(Check::BothWays, bothWays ? SettingsModel::kChecked : SettingsModel::kUnchecked);
    model.setText(SizeText::ZeroAt, QString::fromLatin1(zeroAt));
    if (row.ring)
        model.setCheck(Check::Rings, SettingsModel::kChecked);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    if (row.altitude)
        host.run(AltitudePrintJob(model));
    else
        host.run(AzimuthPrintJob(model));

    Printed printed;
    printed.status = model.status().text();
    printed.focus = host.focus();
    printed.written = QFile::exists(file);
    if (!printed.written)
        return printed;
    const pdfreadback::PdfPage page = pdfreadback::readPdfPage(file);
    for (const auto& s : page.segments) {
        if (row.ring && std::abs(std::hypot(s.x2 - s.x1, s.y2 - s.y1) - kHalfHeight) < 0.5)
            printed.ringHalves.push_back(s);
        if (std::abs(s.x2 - s.x1) < 0.01 && std::abs(s.y1 - kRowTop) < 0.01)
            printed.marks.push_back({ s.x1, std::round(s.y2 - s.y1) });
    }
    std::sort(printed.marks.begin(), printed.marks.end(),
        [](const Mark& a, const Mark& b) { return a.x < b.x || (a.x == b.x && a.height < b.height); });
    for (const auto& t : page.texts) {
        const QString number = t.text.trimmed();
        bool isNumber = false;
        number.toInt(&isNumber);
        if (isNumber && t.text.endsWith(QLatin1Char(' ')))
            printed.numbers << number;
        else if (t.text.contains(QStringLiteral("Circle length = ")))
            printed.caption = t.text;
    }
    return printed;
}

/// The marks as a circle: every place modulo the length once, with its height.
std::vector<Mark> aroundTheCircle(const std::vector<Mark>& marks, double length, double turn)
{
    std::vector<Mark> circle;
    for (const Mark& m : marks) {
        double at = std::fmod(m.x - 100 + turn, length);
        if (length - at < kMarkNoise)
            at = 0;
        circle.push_back({ at, m.height });
    }
    std::sort(circle.begin(), circle.end(), [](const Mark& a, const Mark& b) {
        return a.x < b.x - kMarkNoise || (std::abs(a.x - b.x) < kMarkNoise && a.height < b.height);
    });
    circle.erase(std::unique(circle.begin(), circle.end(),
                     [](const Mark& a, const Mark& b) {
                         return std::abs(a.x - b.x) < kMarkNoise && a.height == b.height;
                     }),
        circle.end());
    return circle;
}

QStringList signedDeclination()
{
    QStringList numbers { QStringLiteral("0") };
    for (int p = 10; p < 360; p += 10) {
        const int number = std::abs(90 - p % 180);
        numbers << QString::number(p > 90 && p < 270 ? -number : number);
    }
    return numbers << QStringLiteral("9");
}

/// Signed declination numbers round a ring from its first long mark, `first` degrees from its zero.
QStringList declinationRound(int first)
{
    QStringList numbers;
    for (int p = first; p < first + 360; p += 10) {
        const int at = p % 360;
        const int number = std::abs(90 - at % 180);
        numbers << QString::number(at > 90 && at < 270 ? -number : number);
    }
    return numbers;
}

QStringList azimuthFrom(int first, int step)
{
    QStringList numbers;
    for (int i = 0; i <= 36; ++i)
        numbers << QString::number(((first + i * step) % 360 + 360) % 360);
    return numbers;
}

class GraduationOptions : public ::testing::TestWithParam<Row> { };

} // namespace

TEST_P(GraduationOptions, ReadBackFromThePdf)
{
    const Row& row = GetParam();
    const Printed printed = print(row, row.zeroAt, !row.altitude);
    if (*row.refusal != '\0') {
        EXPECT_EQ(printed.status, QString::fromUtf8(row.refusal));
        EXPECT_FALSE(printed.written);
        const bool zeroAt = printed.status.startsWith(QStringLiteral("Zero at"));
        EXPECT_EQ(printed.focus, std::vector<SizeText> { zeroAt ? SizeText::ZeroAt : SizeText::Azimuth });
        return;
    }
    ASSERT_EQ(printed.status, QString());
    if (row.ring) {
        // 360 radial marks at the half degrees, reaching the outer edge, clockwise from the top.
        if (!row.numbers.isEmpty()) {
            EXPECT_EQ(printed.numbers, row.numbers) << "every number once round the ring";
        }
        ASSERT_EQ(printed.ringHalves.size(), row.halfDegree ? 360u : 0u);
        double cx = 0;
        double cy = 0;
        for (const auto& s : printed.ringHalves) {
            cx += (s.x1 + s.x2) / 2 / 360;
            cy += (s.y1 + s.y2) / 2 / 360;
        }
        const double outer = QString::fromLatin1(row.size).toDouble() / 2 * kTwipsPerMm;
        std::vector<double> angles;
        for (const auto& s : printed.ringHalves) {
            const bool firstOuter = std::hypot(s.x1 - cx, s.y1 - cy) > std::hypot(s.x2 - cx, s.y2 - cy);
            const double x = firstOuter ? s.x1 : s.x2;
            const double y = firstOuter ? s.y1 : s.y2;
            EXPECT_NEAR(std::hypot(x - cx, y - cy), outer, 1.0);
            angles.push_back(std::fmod(std::atan2(x - cx, cy - y) * 180 / std::numbers::pi + 360, 360));
        }
        std::sort(angles.begin(), angles.end());
        for (std::size_t k = 0; k < angles.size(); ++k)
            ASSERT_NEAR(angles[k], k + 0.5, 0.01) << k;
        return;
    }
    const double length = QString::fromLatin1(row.size).toDouble() * (row.length ? 1 : 3.14) * kTwipsPerMm;
    std::vector<double> halves;
    for (const Mark& m : printed.marks) {
        if (m.height == kHalfHeight)
            halves.push_back(m.x);
    }
    ASSERT_EQ(halves.size(), row.halfDegree ? 360u : 0u);
    for (std::size_t k = 0; k < halves.size(); ++k)
        ASSERT_NEAR(halves[k], 100 + (k + 0.5) * length / 360, kMarkNoise) << k;
    if (!row.numbers.isEmpty()) {
        EXPECT_EQ(printed.numbers.mid(0, row.numbers.size()), row.numbers);
    }

    if (row.signedDec) {
        EXPECT_TRUE(printed.caption.startsWith(QStringLiteral("declination Circle length = ")))
            << printed.caption.toStdString();
    }
    const double zero = QString::fromLatin1(row.zeroAt).toDouble();
    if (zero != 0) {
        // The same circle as the strip from 0, turned: mark for mark, modulo the length.
        const Printed fromZero = print(row, "0");
        ASSERT_EQ(fromZero.status, QString());
        const std::vector<Mark> turned = aroundTheCircle(printed.marks, length, zero / 360 * length);
        const std::vector<Mark> unturned = aroundTheCircle(fromZero.marks, length, 0);
        ASSERT_EQ(turned.size(), unturned.size());
        for (std::size_t i = 0; i < turned.size(); ++i) {
            EXPECT_NEAR(turned[i].x, unturned[i].x, kMarkNoise) << i;
            EXPECT_EQ(turned[i].height, unturned[i].height) << i;
        }
        // The second row turns with the first: it starts at the same reading, counting down.
        EXPECT_EQ(printed.numbers.mid(37, 37), azimuthFrom(static_cast<int>(zero), -10));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, GraduationOptions,
    ::testing::Values(Row { "HalfDegreesOnATwoMetreStrip", false, "2000", true, true, false, "0", "", {} },
        Row { "HalfDegreesOnA600MillimetreCircle", true, "600", false, true, false, "0", "", {} },
        Row { "HalfDegreesOnA600MillimetreRing", false, "600", false, true, false, "0", "", {}, true },
        Row { "SignedDeclinationRingFromBetweenLongMarks", true, "120", false, false, true, "45", "",
            declinationRound(50), true },
        Row { "HalfDegreesRefusedOnTooSmallACircle", false, "100", false, true, false, "0",
            "Half-degree marks need a diameter of at least 114.7 mm.", {} },
        Row { "SignedDeclination", true, "150", false, false, true, "0", "", signedDeclination() },
        Row { "ZeroAt180", false, "300", false, false, false, "180", "", azimuthFrom(180, 10) },
        Row { "ZeroAtBetweenDegrees", false, "300", false, false, false, "22.5",
            "Zero at must be 0 to 359 degrees in steps of 1.", {} }),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });
