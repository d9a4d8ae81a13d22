#pragma once

#include "print/job/PageJob.h"
#include "print/job/PrintJob.h"

#include <QString>
#include <array>
#include <optional>
#include <variant>
#include <vector>

class TextMetrics;

/// One sheet to choose a circle set by trying it on the medium: short samples of the circle's
/// graduation at its size, each in both inks under the label with the values to type into a circle
/// set. The smallest marks' widths 1, 2, 3 and 5 run across, the heights 60, 100 and 150 down, and
/// the fonts 8, 10 and 14 turn through both, so that every pair of values shows together on twelve
/// samples: all 36 would not fit one sheet at a useful length.
class ProofSheet : public PageJob {
public:
    struct Sample {
        qint32 smallest = 1; ///< the smallest marks' pen, dots
        qint32 height = 100; ///< CircleWidth, twips
        qint32 font = 10; ///< points

        /// The three pens, smallest, five and ten: the longer marks one dot wider, up to the widest.
        std::array<qint32, 3> widths() const;
        /// "Widths 2-3-3, Height 100, Font 10".
        QString label() const;
    };
    static std::vector<Sample> samples();

    /// Where the samples stand: how many degrees of the circle each shows, how many stand side by
    /// side and how wide each column is, and each row's top. Twips as drawn.
    struct Layout {
        double degrees = 0;
        int columns = 0;
        double columnWidth = 0;
        std::vector<double> rowTops;
        double bottom = 0;
    };

    explicit ProofSheet(std::variant<JobRefusal, JobCircle> circle);

    std::variant<QString, SheetRequest> check(const SheetFormat& format) const override;
    void draw(PrintSurface& surface, const SheetRequest& request) const override;

    /// 40 degrees a sample where the twelve fit, 20 or 10 for a circle so large they don't;
    /// nothing when not even those fit.
    std::optional<Layout> layout(const SheetFormat& format, const TextMetrics& metrics) const;

private:
    std::variant<JobRefusal, JobCircle> m_circle;
};
