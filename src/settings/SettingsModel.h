#pragma once

#include "settings/StatusLine.h"

#include <QObject>
#include <QString>
#include <array>

/// Option buttons; each belongs to a pair in which selecting one clears the other.
enum class Option { OneDeg, FiveDeg, AltDia, AltLen, Altmm, Altin, AzDia, AzLen, Azmm, Azin, Az, Ra };
/// The global check boxes: the two styles, the azimuth direction and the page options.
enum class Check {
    BW,
    WB,
    AzCT,
    ScaleCheck,
    SplitLong,
    Verniers,
    BothWays,
    Rings,
    HalfDeg,
    SignedDec,
    ClosingTab,
    RingFromCentre, ///< ring numbers upright from the centre, not from outside
    ExportStrokes ///< drawings in single strokes rather than filled outlines
};
constexpr std::size_t kCheckCount = 13;
/// The text boxes: the two sizes, DECLtext (altitude) and AzText (azimuth), the "Zero at" box and
/// the two ends of an arc.
enum class SizeText { Altitude, Azimuth, ZeroAt, ArcFrom, ArcTo };
/// The five sliders of each circle set.
enum class Slider { SmallMark, FiveMark, TenMark, CircleWidth, Font };

struct SliderRange {
    qint32 minimum;
    qint32 maximum;
    qint32 arrowStep;
    qint32 pageStep;
    qint32 tickInterval;
};

constexpr int kCircleSets = 3;

/// Every setting the window shows, the mirrors the print jobs read (SmallestMark, Check(n),
/// the azimuth button caption) and the status line. Writing a value runs the same handling as
/// the user's change of the control, so Reset and Restore keep the mirrors and the style guard
/// current. Circle sets are numbered 1 to 3. No widget in here: the window binds to the signals.
class SettingsModel : public QObject {
    Q_OBJECT
public:
    static constexpr qint16 kUnchecked = 0;
    static constexpr qint16 kChecked = 1;
    static constexpr qint16 kGrayed = 2;
    /// The longest size text in UTF-16 units, for the boxes, the store, the settings file and the
    /// model alike: far above any real size, and short enough that a saved line always reads back.
    static constexpr qsizetype kMaxSizeTextLength = 1024;

    explicit SettingsModel(QObject* parent = nullptr);

    static SliderRange range(Slider slider);
    static qint32 defaultSliderValue(Slider slider, int set);
    static qint16 defaultSetCheck(int set);

    bool option(Option o) const { return m_options[index(o)]; }
    qint16 check(Check c) const { return m_checks[index(c)]; }
    const QString& text(SizeText t) const { return m_texts[index(t)]; }
    qint16 setCheck(int set) const { return m_setChecks[setIndex(set)]; }
    qint16 checkTop(int set) const { return m_checkTops[setIndex(set)]; }
    qint32 slider(Slider s, int set) const { return m_sliders[setIndex(set)][index(s)]; }

    /// True selects the option, clears its partner and runs its click; False only clears it.
    void setOption(Option o, bool value);
    /// Check box values are 0 (clear), 1 (checked) or 2 (grayed); any other value is refused with
    /// RuntimeError 380. A changed value runs the box's click handling.
    void setCheck(Check c, qint16 value);
    void setSetCheck(int set, qint16 value);
    void setCheckTop(int set, qint16 value);
    /// A longer text is cut to kMaxSizeTextLength, as the box does with a paste.
    void setText(SizeText t, const QString& value);
    /// A value outside the slider's range is clamped into it.
    void setSlider(Slider s, int set, qint32 value);

    static Option partner(Option o);

    // Mirrors
    double smallestMark() const { return m_smallestMark; }
    void setSmallestMark(double value);
    bool circleEnabled(int set) const { return m_circleEnabled[setIndex(set)]; }
    /// Recomputes Check(n) from SetCheck(n) for every set, as the end of loading does.
    void refreshCircleEnabled();
    const QString& azimuthButtonCaption() const { return m_azimuthButtonCaption; }

    StatusLine& status() { return m_status; }
    const StatusLine& status() const { return m_status; }

Q_SIGNALS:
    void optionChanged(Option o, bool value);
    void checkChanged(Check c, qint16 value);
    void setCheckChanged(int set, qint16 value);
    void checkTopChanged(int set, qint16 value);
    void textChanged(SizeText t, const QString& value);
    void sliderChanged(Slider s, int set, qint32 value);
    void smallestMarkChanged(double value);
    void azimuthButtonCaptionChanged(const QString& caption);

private:
    template <typename E> static constexpr std::size_t index(E e) { return static_cast<std::size_t>(e); }
    /// Stores the value; false when it was there already, so that nothing is to run.
    template <typename T> static bool replace(T& stored, const T& value)
    {
        if (stored == value)
            return false;
        stored = value;
        return true;
    }
    static std::size_t setIndex(int set);
    static void requireCheckValue(qint16 value);

    void optionClicked(Option o);
    void styleGuard(Check clicked);
    void setAzimuthButtonCaption(const QString& caption);

    std::array<bool, 12> m_options {};
    std::array<qint16, kCheckCount> m_checks {};
    std::array<QString, 5> m_texts;
    std::array<qint16, kCircleSets> m_setChecks {};
    std::array<qint16, kCircleSets> m_checkTops {};
    std::array<std::array<qint32, 5>, kCircleSets> m_sliders {};

    double m_smallestMark = 1.0;
    std::array<bool, kCircleSets> m_circleEnabled {};
    QString m_azimuthButtonCaption;
    StatusLine m_status;
};
