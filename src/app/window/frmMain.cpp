#include "app/window/frmMain.h"

#include "app/window/CircleSetColumn.h"
#include "app/window/MainMenuBar.h"
#include "app/window/ModelBinding.h"
#include "app/window/ReadableColour.h"
#include "app/window/StatusLabel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>

const QColor frmMain::kNoteColour = QColor(0, 0, 192);
const QColor frmMain::kVersionColour = QColor(0, 128, 0);
const QString frmMain::kVersionText = QStringLiteral("Version 3.2  17-Jul-2010");

frmMain::frmMain(SettingsModel& model, QWidget* parent)
    : QMainWindow(parent)
    , m_model(model)
    , m_layout(
          QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->logicalDotsPerInch() : 96.0,
          DesignLayout::desktopFontScale())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Print Vennaros"));
    setFont(m_layout.arial(8.25));
    m_design = new QWidget;
    m_design->setObjectName(QStringLiteral("DesignArea"));
    m_design->setFixedSize(m_layout.px(kClientWidthTwips), m_layout.px(kClientHeightTwips));
    // The window may be resized: smaller, the design scrolls; larger, it stays in the middle.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("DesignScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setFocusPolicy(Qt::NoFocus); // no Tab stop of its own between the menu and the controls
    scroll->setAccessibleName(tr("Settings"));
    scroll->setWidget(m_design);
    setCentralWidget(scroll);
    setMenuBar(new MainMenuBar(*this));
    resize(m_design->width(), m_design->height() + menuBar()->sizeHint().height());

    buildLeftColumn();
    const CircleSetColumn::Lefts lefts[kCircleSets]
        = { { 3120, 3180, 3300 }, { 5400, 5400, 5520 }, { 7680, 7620, 7740 } };
    for (int set = 1; set <= kCircleSets; ++set)
        m_columns[set - 1] = new CircleSetColumn(set, lefts[set - 1], m_model, m_layout, m_design);
    buildBottomRow();
    buildPageRow();
}

QWidget* frmMain::addFrame(
    QWidget* parent, const QString& caption, const QFont& font, int left, int top, int width, int height)
{
    QWidget* frame = nullptr;
    if (caption.isEmpty()) {
        frame = new QWidget(parent); // a borderless frame that only groups its two options
    } else {
        auto* box = new QGroupBox(caption, parent);
        box->setFont(font);
        frame = box;
    }
    m_layout.place(frame, left, top, width, height);
    return frame;
}

QRadioButton* frmMain::addOption(QWidget* parent, Option option, const char* name, const QString& caption,
    const QFont& font, int left, int top, const QString& toolTip)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(font);
    button->setToolTip(toolTip);
    m_layout.place(button, left, top);
    binding::bindOption(button, m_model, option);
    return button;
}

QCheckBox* frmMain::addCheck(QWidget* parent, Check check, const char* name, const QString& caption, int left,
    int top, const QString& toolTip)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(m_layout.arial(8.25));
    box->setToolTip(toolTip);
    m_layout.place(box, left, top);
    binding::bindCheck(box, m_model, check);
    return box;
}

QPushButton* frmMain::addButton(QWidget* parent, const char* name, const QString& caption, const QFont& font,
    int left, int top, int width, int height, const QString& toolTip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(font);
    button->setToolTip(toolTip);
    m_layout.place(button, left, top, width, height);
    return button;
}

QLineEdit* frmMain::addSizeText(
    QWidget* parent, SizeText text, const char* name, const QString& accessibleName, int top)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFont(m_layout.arial(10.5, true));
    edit->setAccessibleName(accessibleName);
    m_layout.place(edit, 120, top, 1215, 312);
    binding::bindText(edit, m_model, text);
    return edit;
}

void frmMain::buildLeftColumn()
{
    const QFont frameFont = m_layout.arial(7.5, true);
    const QFont small = m_layout.arial(8.25);
    const QFont sizeFont = m_layout.arial(10.5, true);
    const QString diameterTip = tr("Size is diameter");
    const QString lengthTip = tr("Size is length");
    const QString mmTip = tr("size is mm");
    const QString inchTip = tr("Size in inches");

    QWidget* degrees = addFrame(m_design, tr("Smallest &Mark Degree"), frameFont, 120, 120, 2772, 612);
    binding::pairOptions(addOption(degrees, Option::OneDeg, "OneDegOption", QStringLiteral("1\u00b0"),
                             m_layout.arial(9, true), 720, 240),
        addOption(degrees, Option::FiveDeg, "FiveDegOption", QStringLiteral("5\u00b0"),
            m_layout.arial(9, true), 1620, 240));

    QWidget* styles = addFrame(m_design, tr("Circle styles"), small, 120, 840, 2775, 975);
    addCheck(styles, Check::BW, "BWCheck", tr("&Black on White background"), 180, 240);
    addCheck(styles, Check::WB, "WBCheck", tr("&White on Black background"), 180, 600);

    const QString altCaption = tr("Altitude / DECL Circle Size");
    QWidget* alt = addFrame(m_design, altCaption, frameFont, 120, 1980, 2772, 1155);
    m_declText = addSizeText(alt, SizeText::Altitude, "DECLtext", altCaption, 240);
    auto* printAlt = addButton(alt, "PrintButton", tr("Print &Alt."), sizeFont, 120, 660, 1215, 375);
    connect(printAlt, &QPushButton::clicked, this, &frmMain::printAltitudeRequested);
    binding::pairOptions(
        addOption(alt, Option::AltDia, "AltDiaOption", tr("dia."), small, 1500, 300, diameterTip),
        addOption(alt, Option::AltLen, "AltLenOption", tr("len."), small, 2160, 300, lengthTip));
    QWidget* altUnits = addFrame(alt, QString(), small, 1380, 540, 1335, 495);
    binding::pairOptions(addOption(altUnits, Option::Altmm, "AltmmOption", tr("mm"), small, 120, 180, mmTip),
        addOption(altUnits, Option::Altin, "AltinOption", tr("in."), small, 780, 180, inchTip));

    const QString azCaption = tr("Azimuth / RA Circle Size");
    QWidget* az = addFrame(m_design, azCaption, frameFont, 120, 3240, 2772, 1515);
    QWidget* azMode = addFrame(az, QString(), small, 120, 180, 1455, 375);
    binding::pairOptions(
        addOption(azMode, Option::Ra, "RaOption", tr("RA"), m_layout.arial(8.25, true), 60, 60),
        addOption(azMode, Option::Az, "AzOption", tr("Az"), m_layout.arial(8.25, true), 780, 60));
    addCheck(az, Check::AzCT, "AzCTCheck", tr("Az &L>R +"), 1620, 240,
        tr("Az circle left to right numbers increase"));
    m_azText = addSizeText(az, SizeText::Azimuth, "AzText", azCaption, 540);
    binding::pairOptions(
        addOption(az, Option::AzDia, "AzDiaOption", tr("dia."), small, 1500, 600, diameterTip),
        addOption(az, Option::AzLen, "AzLenOption", tr("len."), small, 2160, 600, lengthTip));
    QWidget* azUnits = addFrame(az, QString(), small, 1380, 840, 1335, 495);
    binding::pairOptions(addOption(azUnits, Option::Azmm, "AzmmOption", tr("mm"), small, 120, 180, mmTip),
        addOption(azUnits, Option::Azin, "AzinOption", tr("in."), small, 780, 180, inchTip));
    auto* printAz = addButton(
        az, "PrintAzButton", azimuthCaption(m_model.azimuthButtonCaption()), sizeFont, 120, 960, 1215, 372);
    connect(printAz, &QPushButton::clicked, this, &frmMain::printAzimuthRequested);
    connect(&m_model, &SettingsModel::azimuthButtonCaptionChanged, printAz,
        [printAz](const QString& caption) { printAz->setText(azimuthCaption(caption)); });
    pressOnEnter(m_declText, printAlt);
    pressOnEnter(m_azText, printAz);
}

void frmMain::buildBottomRow()
{
    const QFont commandFont = m_layout.arial(9.75);
    auto* quit = addButton(m_design, "QuitButton", tr("Q&uit"), m_layout.arial(10.5, true), 360, 4920, 855,
        375, tr("Quit without saving settings"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    auto* exitButton = addButton(m_design, "ExitButton", tr("E&xit"), m_layout.arial(11.25, true), 1620, 4920,
        855, 375, tr("Exit and save settings"));
    connect(exitButton, &QPushButton::clicked, this, &frmMain::exitRequested);
    auto* reset = addButton(m_design, "ResetButton", tr("&Reset"), commandFont, 3240, 4920, 795, 255,
        tr("Reset to last exit settings from registry"));
    connect(reset, &QPushButton::clicked, this, &frmMain::resetRequested);
    auto* save = addButton(m_design, "SaveButton", tr("&Save"), commandFont, 4200, 4920, 855, 315,
        tr("Save current settings to file"));
    connect(save, &QPushButton::clicked, this, &frmMain::saveRequested);
    auto* restore = addButton(m_design, "RestoreButton", tr("Rest&ore"), commandFont, 4200, 5280, 855, 315);
    connect(restore, &QPushButton::clicked, this, &frmMain::restoreRequested);

    m_status = new StatusLabel(m_model.status(), m_design);
    m_status->setFont(m_layout.arial(9, true));
    m_layout.place(m_status, 3180, 4500, 6555, 255);

    auto* note = new QLabel(tr("Paper and orientation are kept for each printer."), m_design);
    note->setObjectName(QStringLiteral("Label1"));
    note->setFont(m_layout.arial(9, true, true));
    m_layout.place(note, 5160, 4920, 4695, 255);

    m_version = new QLabel(m_design);
    m_version->setObjectName(QStringLiteral("VerLabel"));
    m_version->setFont(m_layout.arial(8.25));
    m_layout.place(m_version, 5700, 5340, 4035, 255);
    m_note = note;
    showFixedColours();
}

void frmMain::showFixedColours()
{
    for (const auto& [label, colour] :
        { std::pair { m_note, kNoteColour }, std::pair { m_version, kVersionColour } }) {
        const QString style = readable::styleOn(palette(), colour);
        if (style != label->styleSheet())
            label->setStyleSheet(style);
    }
    m_status->showColour();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_note != nullptr)
        showFixedColours();
}

bool frmMain::offersPrinterScale() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&frmMain::printerScaleRequested));
}

QString frmMain::azimuthCaption(const QString& caption)
{
    // One key for the button whichever circle it prints.
    return caption.contains(QLatin1String("RA")) ? tr("Prin&t RA") : tr("Prin&t Az.");
}

void frmMain::pressOnEnter(QLineEdit* sizeText, QPushButton* printButton)
{
    connect(sizeText, &QLineEdit::returnPressed, printButton, &QPushButton::click);
}

QString frmMain::azimuthPreviewCaption(const QString& caption)
{
    return caption.contains(QLatin1String("RA")) ? tr("Previ&ew RA") : tr("Previ&ew Az.");
}

namespace {

// In the "Page" group below the design layout: its check boxes on three lines, its buttons on the
// next, each button under a check box's column.
constexpr int kPageChecksTop = 240;
constexpr int kPageSecondChecksTop = 570;
constexpr int kPageThirdChecksTop = 900;
constexpr int kPageButtonsTop = 1230;
constexpr int kPageButtonWidth = 1500;
constexpr int kPageButtonHeight = 315;
constexpr int kPageColumns[] = { 180, 2280, 5220, 7140 };
constexpr int kPaperLeft = 3840; // the paper line, after "Page Setup..."
// The graduation's options beside "Print rings instead of strips".
constexpr int kHalfDegLeft = 3000; // clear of the long rings caption
constexpr int kZeroAtLabelWidth = 750;
constexpr int kZeroAtWidth = 900;
constexpr int kZeroAtHeight = 285;

} // namespace

void frmMain::buildPageRow()
{
    // The page options and what they lead to: the printer's correction, and how the sheets will
    // look before anything is printed.
    QWidget* page = addFrame(m_design, tr("Page"), m_layout.arial(7.5, true), 120, 5685, 9630, 1665);
    page->setObjectName(QStringLiteral("PageGroup"));
    addCheck(page, Check::ScaleCheck, "ScaleCheck", tr("Print scale chec&k"), kPageColumns[0], kPageChecksTop,
        tr("A 100 mm and a 50 mm bar below the caption, to measure the printout with"));
    addCheck(page, Check::SplitLong, "SplitLongCheck", tr("Split lon&g strips over pages"), kPageColumns[1],
        kPageChecksTop, tr("Print a strip longer than the paper in overlapping segments"));
    addCheck(page, Check::Verniers, "VernierCheck", tr("Pr&int verniers"), kPageColumns[2], kPageChecksTop,
        tr("A vernier below each strip, to read a tenth of its smallest mark"));
    addCheck(page, Check::BothWays, "BothWaysCheck", tr("&Numbers both ways"), kPageColumns[3],
        kPageChecksTop, tr("A second number row on azimuth and RA strips, counting the other way"));
    addCheck(page, Check::Rings, "RingsCheck", tr("Print rings instead of strips"), kPageColumns[0],
        kPageSecondChecksTop,
        tr("Each circle as a flat ring of the size's outer diameter, for a ground board or a disc"));
    buildMarksRow(page);
    addCheck(page, Check::ClosingTab, "ClosingTabCheck", tr("Closing tab"), kPageColumns[0],
        kPageThirdChecksTop,
        tr("The strip's first long division again after its end, to join the wrapped strip mark over mark"));

    const QFont font = m_layout.arial(9.75);
    const auto pageButton
        = [&](const char* name, const QString& caption, int column, const QString& toolTip) {
              return addButton(page, name, caption, font, kPageColumns[column], kPageButtonsTop,
                  kPageButtonWidth, kPageButtonHeight, toolTip);
          };
    auto* scale = pageButton("PrinterScaleButton", tr("Printer s&cale..."), 0,
        tr("Measure and correct the current printer's scale"));
    connect(scale, &QPushButton::clicked, this, &frmMain::printerScaleRequested);
    auto* setup = pageButton("PageSetupButton", tr("Page Setup..."), 1,
        tr("Choose the current printer's paper and orientation, without printing"));
    connect(setup, &QPushButton::clicked, this, &frmMain::pageSetupRequested);
    auto* previewAlt = pageButton("PreviewButton", tr("Pre&view Alt."), 2,
        tr("Show the sheets Print Alt. would print, without printing"));
    connect(previewAlt, &QPushButton::clicked, this, &frmMain::previewAltitudeRequested);
    auto* previewAz = pageButton("PreviewAzButton", azimuthPreviewCaption(m_model.azimuthButtonCaption()), 3,
        tr("Show the sheets Print Az. or Print RA would print, without printing"));
    connect(previewAz, &QPushButton::clicked, this, &frmMain::previewAzimuthRequested);
    connect(&m_model, &SettingsModel::azimuthButtonCaptionChanged, previewAz,
        [previewAz](const QString& caption) { previewAz->setText(azimuthPreviewCaption(caption)); });

    // After the buttons, so that Tab goes from "Page Setup..." to the previews.
    m_paper = new QLabel(page);
    m_paper->setObjectName(QStringLiteral("PaperLabel"));
    m_paper->setFont(m_layout.arial(8.25));
    // Two lines where a long paper name needs them, centred on the buttons' line.
    m_paper->setWordWrap(true);
    m_layout.place(m_paper, kPaperLeft, kPageButtonsTop - 60, kPageColumns[2] - kPaperLeft - 60, 435);
    labelZeroAt(page);
}

void frmMain::buildMarksRow(QWidget* page)
{
    QCheckBox* half = addCheck(page, Check::HalfDeg, "HalfDegCheck", tr("Half-&degree marks"), kHalfDegLeft,
        kPageSecondChecksTop,
        tr("A mark at every half degree (every 5 minutes on RA), with 1\u00b0 marks only"));
    // Half marks halve the degree: with 5-degree marks there is nothing to halve.
    const auto enableHalf = [half](double smallestMark) { half->setEnabled(smallestMark == 1.0); };
    enableHalf(m_model.smallestMark());
    connect(&m_model, &SettingsModel::smallestMarkChanged, half, enableHalf);
    addCheck(page, Check::SignedDec, "SignedDecCheck", tr("Signed declination"), kPageColumns[2],
        kPageSecondChecksTop, tr("Altitude numbers +90 ... 0 ... -90, as a declination circle reads"));

    m_zeroAt = new QLineEdit(page);
    m_zeroAt->setObjectName(QStringLiteral("ZeroAtText"));
    m_zeroAt->setFont(m_layout.arial(8.25));
    m_zeroAt->setAccessibleName(tr("Zero at, degrees"));
    m_zeroAt->setToolTip(tr("The reading, in degrees, the strips start at (RA: its hours)"));
    // On the check boxes' line, top to top, so that it reads as one more of them.
    m_layout.place(
        m_zeroAt, kPageColumns[3] + kZeroAtLabelWidth, kPageSecondChecksTop, kZeroAtWidth, kZeroAtHeight);
    binding::bindText(m_zeroAt, m_model, SizeText::ZeroAt);
}

void frmMain::labelZeroAt(QWidget* page)
{
    // Labels after every control of the group, so that Tab goes from the boxes to the buttons.
    auto* label = new QLabel(tr("&Zero at"), page);
    label->setObjectName(QStringLiteral("ZeroAtLabel"));
    label->setFont(m_layout.arial(8.25));
    m_layout.place(label, kPageColumns[3], kPageSecondChecksTop, kZeroAtLabelWidth, 255);
    label->setBuddy(m_zeroAt);
    auto* unit = new QLabel(QStringLiteral("\u00b0"), page);
    unit->setFont(m_layout.arial(8.25));
    m_layout.place(
        unit, kPageColumns[3] + kZeroAtLabelWidth + kZeroAtWidth + 45, kPageSecondChecksTop, 150, 255);
}

void frmMain::showVersion()
{
    m_version->setText(tr("Version %1").arg(kVersionText.section(QLatin1Char(' '), 1)));
}

void frmMain::showPaper(const QString& paper)
{
    m_paper->setText(paper);
    m_paper->setToolTip(paper);
    // A label with a name of its own is read by that name alone.
    m_paper->setAccessibleName(tr("Paper: ") + paper);
}

void frmMain::refreshValueLabels()
{
    for (CircleSetColumn* column : m_columns)
        column->refreshValueLabels();
}

QPointF frmMain::positionTwips() const
{
    const QPoint topLeft = pos();
    return QPointF(m_layout.twips(topLeft.x()), m_layout.twips(topLeft.y()));
}

void frmMain::moveToTwips(double top, double left)
{
    QPoint target(m_layout.px(left), m_layout.px(top));
    const QRect wanted(target, frameGeometry().size());
    bool visible = false;
    for (const QScreen* screen : QGuiApplication::screens())
        visible = visible
            || screen->availableGeometry().intersects(
                wanted.adjusted(0, 0, -wanted.width() / 2, -wanted.height() / 2));
    if (!visible) {
        // Stored edges from another screen set-up: show the window where it can be reached.
        const QScreen* primary = QGuiApplication::primaryScreen();
        const QRect area = primary ? primary->availableGeometry() : QRect(0, 0, 800, 600);
        target.setX(qBound(area.left(), target.x(), qMax(area.left(), area.right() - wanted.width())));
        target.setY(qBound(area.top(), target.y(), qMax(area.top(), area.bottom() - wanted.height())));
    }
    move(target);
}

void frmMain::focusSizeText(SizeText which)
{
    if (which == SizeText::ZeroAt)
        m_zeroAt->setFocus();
    else
        (which == SizeText::Altitude ? m_declText : m_azText)->setFocus();
}
