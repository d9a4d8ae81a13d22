#pragma once

#include "print/job/PageJob.h"
#include "print/page/Page.h"

#include <QString>
#include <variant>

/// A tape's length as typed: "1000mm", "40in", "1000 mm", with "." or "," for decimals.
struct TapeLength {
    double entry = 0; ///< in its own unit
    bool inches = false;

    double millimetres() const;
    /// "1000 mm", "40 in".
    QString text() const;

    /// The length, or why the text is not one.
    static std::variant<QString, TapeLength> read(const QString& text);
};

/// A measuring tape to wrap around an axis or a ground board: a tick every millimetre (every
/// twentieth of an inch), a longer one every 5 mm (quarter inch) and the longest with its number
/// every centimetre (inch), split over sheets like a long strip, with the printer's correction
/// along its length.
class WrapTape : public PageJob {
public:
    static constexpr double kShortestMm = 100;
    /// A tape longer than this is refused: the circumference of a 3 m ground board fits.
    static constexpr double kLongestMm = 10000;
    static constexpr double kShortTick = 140;
    static constexpr double kMiddleTick = 220;
    static constexpr double kLongTick = 300;

    explicit WrapTape(const TapeLength& length);

    std::variant<QString, SheetRequest> check(const SheetFormat& format) const override;
    void draw(PrintSurface& surface, const SheetRequest& request) const override;

    /// One long division per centimetre (inch), as many as it takes to hold the whole length.
    StripGeometry geometry() const;
    /// How many ticks it has, its two ends included.
    int ticks() const;

private:
    TapeLength m_length;
};
