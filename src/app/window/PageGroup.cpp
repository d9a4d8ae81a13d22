#include "app/window/PageGroup.h"

#include "app/window/DesignControls.h"
#include "app/window/DesignLayout.h"
#include "app/window/ModelBinding.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>

namespace {

// The group's check boxes on three lines, its buttons on the next, each button under a check box's
// column.
constexpr int kWidth = 9630;
constexpr int kHeight = 1665;
constexpr int kChecksTop = 240;
constexpr int kSecondChecksTop = 570;
constexpr int kThirdChecksTop = 900;
constexpr int kButtonsTop = 1230;
constexpr int kButtonWidth = 1500;
constexpr int kButtonHeight = 315;
constexpr int kColumns[] = { 180, 2280, 5220, 7140 };
constexpr int kPaperLeft = 3840; // the paper line, after "Page Setup..."
// The graduation's options beside "Print rings instead of strips".
constexpr int kHalfDegLeft = 3000; // clear of the long rings caption
constexpr int kZeroAtLabelWidth = 750;
constexpr int kZeroAtWidth = 900;
constexpr int kZeroAtHeight = 285;
// "Arc from [ ] to [ ]" on the closing tab's line.
constexpr int kArcLeft = kColumns[2];
constexpr int kArcFromLabelWidth = 1000;
constexpr int kArcToLabelWidth = 300;
constexpr int kArcBoxWidth = 700;

} // namespace

PageGroup::PageGroup(SettingsModel& model, const DesignLayout& layout, QWidget* parent)
    : QGroupBox(tr("Page"), parent)
{
    setObjectName(QStringLiteral("PageGroup"));
    setFont(layout.arial(7.5, true));
    layout.place(this, kLeft, kTop, kWidth, kHeight);
    const DesignControls controls(layout, model);
    addChecks(controls, model, layout);
    addButtons(controls, model, layout);
    labelZeroAt(layout);
}

void PageGroup::addChecks(const DesignControls& controls, SettingsModel& model, const DesignLayout& layout)
{
    controls.check(this, Check::ScaleCheck, "ScaleCheck", tr("Pri&nt scale check"), kColumns[0], kChecksTop,
        tr("A 100 mm and a 50 mm bar below the caption, to measure the printout with"));
    controls.check(this, Check::SplitLong, "SplitLongCheck", tr("Split lon&g strips over pages"), kColumns[1],
        kChecksTop, tr("Print a strip longer than the paper in overlapping segments"));
    controls.check(this, Check::Verniers, "VernierCheck", tr("Pr&int verniers"), kColumns[2], kChecksTop,
        tr("A vernier below each strip, to read a tenth of its smallest mark"));
    controls.check(this, Check::BothWays, "BothWaysCheck", tr("Numbers both wa&ys"), kColumns[3], kChecksTop,
        tr("A second number row on azimuth and RA strips, counting the other way"));
    controls.check(this, Check::Rings, "RingsCheck", tr("Print rings instead of strips"), kColumns[0],
        kSecondChecksTop,
        tr("Each circle as a flat ring of the size's outer diameter, for a ground board or a disc"));

    QCheckBox* half = controls.check(this, Check::HalfDeg, "HalfDegCheck", tr("Half-&degree marks"),
        kHalfDegLeft, kSecondChecksTop,
        tr("A mark at every half degree (every 5 minutes on RA), with 1\u00b0 marks only"));
    // Half marks halve the degree: with 5-degree marks there is nothing to halve.
    const auto enableHalf = [half](double smallestMark) { half->setEnabled(smallestMark == 1.0); };
    enableHalf(model.smallestMark());
    connect(&model, &SettingsModel::smallestMarkChanged, half, enableHalf);
    controls.check(this, Check::SignedDec, "SignedDecCheck", tr("Signed declination"), kColumns[2],
        kSecondChecksTop, tr("Altitude numbers +90 ... 0 ... -90, as a declination circle reads"));

    m_zeroAt = new QLineEdit(this);
    m_zeroAt->setObjectName(QStringLiteral("ZeroAtText"));
    m_zeroAt->setFont(layout.arial(8.25));
    m_zeroAt->setAccessibleName(tr("Zero at, degrees"));
    m_zeroAt->setToolTip(tr("The reading, in degrees, the strips start at (RA: its hours)"));
    // On the check boxes' line, top to top, so that it reads as one more of them.
    layout.place(m_zeroAt, kColumns[3] + kZeroAtLabelWidth, kSecondChecksTop, kZeroAtWidth, kZeroAtHeight);
    binding::bindText(m_zeroAt, model, SizeText::ZeroAt);

    controls.check(this, Check::ClosingTab, "ClosingTabCheck", tr("Closing tab"), kColumns[0],
        kThirdChecksTop,
        tr("The strip's first long division again after its end, to join the wrapped strip mark over mark "
           "(not with an arc: an arc does not close)"));
    controls.check(this, Check::RingFromCentre, "RingFromCentreCheck", tr("Ring read from its centre"),
        kColumns[1], kThirdChecksTop,
        tr("A ring's numbers upright from its centre, for a disc; otherwise from outside it, as on a "
           "ground board"));

    const auto arcBox = [&](const char* name, SizeText which, const QString& accessible, int left) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QLatin1String(name));
        box->setFont(layout.arial(8.25));
        box->setAccessibleName(accessible);
        box->setToolTip(tr("Print only the arc from one mark to another: degrees (RA: hours), both empty for "
                           "the whole circle; altitude 0 to 90, rising or falling"));
        layout.place(box, left, kThirdChecksTop, kArcBoxWidth, kZeroAtHeight);
        binding::bindText(box, model, which);
        return box;
    };
    m_arcFrom = arcBox("ArcFromText", SizeText::ArcFrom, tr("Arc from"), kArcLeft + kArcFromLabelWidth);
    m_arcTo = arcBox("ArcToText", SizeText::ArcTo, tr("Arc to"),
        kArcLeft + kArcFromLabelWidth + kArcBoxWidth + kArcToLabelWidth);
}

void PageGroup::addButtons(const DesignControls& controls, SettingsModel& model, const DesignLayout& layout)
{
    const QFont font = layout.arial(9.75);
    const auto pageButton
        = [&](const char* name, const QString& caption, int column, const QString& toolTip) {
              return controls.button(this, name, caption, font, kColumns[column], kButtonsTop, kButtonWidth,
                  kButtonHeight, toolTip);
          };
    auto* scale = pageButton("PrinterScaleButton", tr("Printer s&cale..."), 0,
        tr("Measure and correct the current printer's scale"));
    connect(scale, &QPushButton::clicked, this, &PageGroup::printerScaleRequested);
    auto* setup = pageButton("PageSetupButton", tr("Page Setup..."), 1,
        tr("Choose the current printer's paper and orientation, without printing"));
    connect(setup, &QPushButton::clicked, this, &PageGroup::pageSetupRequested);
    auto* previewAlt = pageButton("PreviewButton", tr("Pre&view Alt."), 2,
        tr("Show the sheets Print Alt. would print, without printing"));
    connect(previewAlt, &QPushButton::clicked, this, &PageGroup::previewAltitudeRequested);
    auto* previewAz = pageButton("PreviewAzButton", azimuthPreviewCaption(model.azimuthButtonCaption()), 3,
        tr("Show the sheets Print Az. or Print RA would print, without printing"));
    connect(previewAz, &QPushButton::clicked, this, &PageGroup::previewAzimuthRequested);
    connect(&model, &SettingsModel::azimuthButtonCaptionChanged, previewAz,
        [previewAz](const QString& caption) { previewAz->setText(azimuthPreviewCaption(caption)); });

    // After the buttons, so that Tab goes from "Page Setup..." to the previews.
    m_paper = new QLabel(this);
    m_paper->setObjectName(QStringLiteral("PaperLabel"));
    m_paper->setFont(layout.arial(8.25));
    // Two lines where a long paper name needs them, centred on the buttons' line.
    m_paper->setWordWrap(true);
    layout.place(m_paper, kPaperLeft, kButtonsTop - 60, kColumns[2] - kPaperLeft - 60, 435);
}

void PageGroup::labelZeroAt(const DesignLayout& layout)
{
    // Labels after every control of the group, so that Tab goes from the boxes to the buttons.
    auto* label = new QLabel(tr("&Zero at"), this);
    label->setObjectName(QStringLiteral("ZeroAtLabel"));
    label->setFont(layout.arial(8.25));
    layout.place(label, kColumns[3], kSecondChecksTop, kZeroAtLabelWidth, 255);
    label->setBuddy(m_zeroAt);
    auto* unit = new QLabel(QStringLiteral("\u00b0"), this);
    unit->setFont(layout.arial(8.25));
    layout.place(unit, kColumns[3] + kZeroAtLabelWidth + kZeroAtWidth + 45, kSecondChecksTop, 150, 255);

    auto* from = new QLabel(tr("Arc from"), this);
    from->setObjectName(QStringLiteral("ArcFromLabel"));
    from->setFont(layout.arial(8.25));
    layout.place(from, kArcLeft, kThirdChecksTop, kArcFromLabelWidth, 255);
    from->setBuddy(m_arcFrom);
    auto* to = new QLabel(tr("to"), this);
    to->setObjectName(QStringLiteral("ArcToLabel"));
    to->setFont(layout.arial(8.25));
    to->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout.place(to, kArcLeft + kArcFromLabelWidth + kArcBoxWidth, kThirdChecksTop, kArcToLabelWidth, 255);
    to->setBuddy(m_arcTo);
}

QString PageGroup::azimuthPreviewCaption(const QString& caption)
{
    return caption.contains(QLatin1String("RA")) ? tr("Previ&ew RA") : tr("Previ&ew Az.");
}

void PageGroup::showPaper(const QString& paper)
{
    m_paper->setText(paper);
    m_paper->setToolTip(paper);
    // A label with a name of its own is read by that name alone.
    m_paper->setAccessibleName(tr("Paper: ") + paper);
}

std::vector<QWidget*> PageGroup::tabStops() const
{
    std::vector<QWidget*> stops;
    for (QWidget* widget : findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QRadioButton*>(widget) != nullptr)
            stops.push_back(widget);
    }
    const auto topLeft = [this](const QWidget* widget) { return widget->mapTo(this, QPoint(0, 0)); };
    std::stable_sort(stops.begin(), stops.end(),
        [&](const QWidget* a, const QWidget* b) { return topLeft(a).y() < topLeft(b).y(); });
    // A control whose top is within half the line's first control of that line's top is on that line,
    // whatever its own height.
    std::vector<std::pair<int, QWidget*>> lines;
    int lineTop = 0;
    int lineHalf = -1;
    int line = -1;
    for (QWidget* widget : stops) {
        const int top = topLeft(widget).y();
        if (line < 0 || top - lineTop >= lineHalf) {
            ++line;
            lineTop = top;
            lineHalf = std::max(1, widget->height() / 2);
        }
        lines.emplace_back(line, widget);
    }
    std::stable_sort(lines.begin(), lines.end(), [&](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : topLeft(a.second).x() < topLeft(b.second).x();
    });
    stops.clear();
    for (const auto& [index, widget] : lines)
        stops.push_back(widget);
    return stops;
}

void PageGroup::focusZeroAt()
{
    m_zeroAt->setFocus();
}

void PageGroup::focusArc()
{
    m_arcFrom->setFocus();
}
