#include "app/frmMain.h"

#include "app/CircleSetColumn.h"
#include "app/ModelBinding.h"

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

const QString frmMain::kVersionText = QStringLiteral("Version 3.2  17-Jul-2010");

frmMain::frmMain(SettingsModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_layout(
          QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->logicalDotsPerInch() : 96.0)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Print Vennaros"));
    setFont(DesignLayout::arial(8.25));
    setFixedSize(m_layout.px(kClientWidthTwips), m_layout.px(kClientHeightTwips));

    buildLeftColumn();
    const CircleSetColumn::Lefts lefts[kCircleSets]
        = { { 3120, 3180, 3300 }, { 5400, 5400, 5520 }, { 7680, 7620, 7740 } };
    for (int set = 1; set <= kCircleSets; ++set)
        m_columns[set - 1] = new CircleSetColumn(set, lefts[set - 1], m_model, m_layout, this);
    buildBottomRow();
    buildPageGroup();

    connect(&m_model.status(), &StatusLine::changed, this, &frmMain::showStatus);
    showStatus();
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
    box->setFont(DesignLayout::arial(8.25));
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
    edit->setFont(DesignLayout::arial(10.5, true));
    edit->setAccessibleName(accessibleName);
    m_layout.place(edit, 120, top, 1215, 312);
    binding::bindText(edit, m_model, text);
    return edit;
}

void frmMain::buildLeftColumn()
{
    const QFont frameFont = DesignLayout::arial(7.5, true);
    const QFont small = DesignLayout::arial(8.25);
    const QFont sizeFont = DesignLayout::arial(10.5, true);
    const QString diameterTip = QStringLiteral("Size is diameter");
    const QString lengthTip = QStringLiteral("Size is length");
    const QString mmTip = QStringLiteral("size is mm");
    const QString inchTip = QStringLiteral("Size in inches");

    QWidget* degrees = addFrame(this, QStringLiteral("Smallest Mark Degree"), frameFont, 120, 120, 2772, 612);
    addOption(degrees, Option::OneDeg, "OneDegOption", QStringLiteral("1\u00b0"),
        DesignLayout::arial(9, true), 720, 240);
    addOption(degrees, Option::FiveDeg, "FiveDegOption", QStringLiteral("5\u00b0"),
        DesignLayout::arial(9, true), 1620, 240);

    QWidget* styles = addFrame(this, QStringLiteral("Circle styles"), small, 120, 840, 2775, 975);
    addCheck(styles, Check::BW, "BWCheck", QStringLiteral("Black on White background"), 180, 240);
    addCheck(styles, Check::WB, "WBCheck", QStringLiteral("White on Black background"), 180, 600);

    const QString altCaption = QStringLiteral("Altitude / DECL Circle Size");
    QWidget* alt = addFrame(this, altCaption, frameFont, 120, 1980, 2772, 1155);
    m_declText = addSizeText(alt, SizeText::Altitude, "DECLtext", altCaption, 240);
    auto* printAlt
        = addButton(alt, "PrintButton", QStringLiteral("Print Alt."), sizeFont, 120, 660, 1215, 375);
    connect(printAlt, &QPushButton::clicked, this, &frmMain::printAltitudeRequested);
    addOption(alt, Option::AltDia, "AltDiaOption", QStringLiteral("dia."), small, 1500, 300, diameterTip);
    addOption(alt, Option::AltLen, "AltLenOption", QStringLiteral("len."), small, 2160, 300, lengthTip);
    QWidget* altUnits = addFrame(alt, QString(), small, 1380, 540, 1335, 495);
    addOption(altUnits, Option::Altmm, "AltmmOption", QStringLiteral("mm"), small, 120, 180, mmTip);
    addOption(altUnits, Option::Altin, "AltinOption", QStringLiteral("in."), small, 780, 180, inchTip);

    const QString azCaption = QStringLiteral("Azimuth / RA Circle Size");
    QWidget* az = addFrame(this, azCaption, frameFont, 120, 3240, 2772, 1515);
    QWidget* azMode = addFrame(az, QString(), small, 120, 180, 1455, 375);
    addOption(azMode, Option::Ra, "RaOption", QStringLiteral("RA"), DesignLayout::arial(8.25, true), 60, 60);
    addOption(azMode, Option::Az, "AzOption", QStringLiteral("Az"), DesignLayout::arial(8.25, true), 780, 60);
    addCheck(az, Check::AzCT, "AzCTCheck", QStringLiteral("Az L>R +"), 1620, 240,
        QStringLiteral("Az circle left to right numbers increase"));
    m_azText = addSizeText(az, SizeText::Azimuth, "AzText", azCaption, 540);
    addOption(az, Option::AzDia, "AzDiaOption", QStringLiteral("dia."), small, 1500, 600, diameterTip);
    addOption(az, Option::AzLen, "AzLenOption", QStringLiteral("len."), small, 2160, 600, lengthTip);
    QWidget* azUnits = addFrame(az, QString(), small, 1380, 840, 1335, 495);
    addOption(azUnits, Option::Azmm, "AzmmOption", QStringLiteral("mm"), small, 120, 180, mmTip);
    addOption(azUnits, Option::Azin, "AzinOption", QStringLiteral("in."), small, 780, 180, inchTip);
    auto* printAz
        = addButton(az, "PrintAzButton", m_model.azimuthButtonCaption(), sizeFont, 120, 960, 1215, 372);
    connect(printAz, &QPushButton::clicked, this, &frmMain::printAzimuthRequested);
    connect(&m_model, &SettingsModel::azimuthButtonCaptionChanged, printAz, &QPushButton::setText);
}

void frmMain::buildBottomRow()
{
    const QFont commandFont = DesignLayout::arial(9.75);
    auto* quit = addButton(this, "QuitButton", QStringLiteral("Quit"), DesignLayout::arial(10.5, true), 360,
        4920, 855, 375, QStringLiteral("Quit without saving settings"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    auto* exitButton = addButton(this, "ExitButton", QStringLiteral("Exit"), DesignLayout::arial(11.25, true),
        1620, 4920, 855, 375, QStringLiteral("Exit and save settings"));
    connect(exitButton, &QPushButton::clicked, this, &frmMain::exitRequested);
    auto* reset = addButton(this, "ResetButton", QStringLiteral("Reset"), commandFont, 3240, 4920, 795, 255,
        QStringLiteral("Reset to last exit settings from registry"));
    connect(reset, &QPushButton::clicked, this, &frmMain::resetRequested);
    auto* save = addButton(this, "SaveButton", QStringLiteral("Save"), commandFont, 4200, 4920, 855, 315,
        QStringLiteral("Save current settings to file"));
    connect(save, &QPushButton::clicked, this, &frmMain::saveRequested);
    auto* restore
        = addButton(this, "RestoreButton", QStringLiteral("Restore"), commandFont, 4200, 5280, 855, 315);
    connect(restore, &QPushButton::clicked, this, &frmMain::restoreRequested);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("DECLlabel"));
    m_status->setFont(DesignLayout::arial(9, true));
    m_status->setAccessibleName(QStringLiteral("Status"));
    m_layout.place(m_status, 3180, 4500, 6555, 255);

    auto* note = new QLabel(QStringLiteral("Printer settings are not remembered between prints."), this);
    note->setObjectName(QStringLiteral("Label1"));
    note->setFont(DesignLayout::arial(9, true, true));
    note->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));
    m_layout.place(note, 5160, 4920, 4695, 255);

    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("VerLabel"));
    m_version->setFont(DesignLayout::arial(8.25));
    m_version->setStyleSheet(QStringLiteral("color: rgb(0, 128, 0);"));
    m_layout.place(m_version, 5700, 5340, 4035, 255);
}

namespace {

// The "Page" row below the design layout: its check boxes on one line, its buttons on the next.
constexpr int kPageTop = 5715;
constexpr int kPageHeight = 1050;
constexpr int kPageButtonsTop = 570;
constexpr int kPageButtonLeft = 180;
constexpr int kPageButtonWidth = 1500;
constexpr int kPageButtonStep = 1620;
constexpr int kPageButtonHeight = 330;

} // namespace

void frmMain::buildPageGroup()
{
    m_pageGroup = addFrame(
        this, QStringLiteral("Page"), DesignLayout::arial(7.5, true), 120, kPageTop, 9630, kPageHeight);
    m_pageGroup->setObjectName(QStringLiteral("PageFrame"));
    addCheck(m_pageGroup, Check::ScaleCheck, "ScaleCheck", QStringLiteral("Print scale check"), 180, 240,
        QStringLiteral("A 100 mm and a 50 mm bar below the caption, to measure the printout with"));
    addCheck(m_pageGroup, Check::SplitLong, "SplitLongCheck", QStringLiteral("Split long strips over pages"),
        2280, 240, QStringLiteral("Print a strip longer than the paper in overlapping segments"));
    addCheck(m_pageGroup, Check::Verniers, "VernierCheck", QStringLiteral("Print verniers"), 5220, 240,
        QStringLiteral("A vernier below each strip, to read a tenth of its smallest mark"));
    addCheck(m_pageGroup, Check::BothWays, "BothWaysCheck", QStringLiteral("Numbers both ways"), 7140, 240,
        QStringLiteral("A second number row on azimuth and RA strips, counting the other way"));
    auto* scale = addPageButton("PrinterScaleButton", QStringLiteral("Printer scale..."),
        QStringLiteral("Measure and correct the current printer's scale"));
    connect(scale, &QPushButton::clicked, this, &frmMain::printerScaleRequested);
}

QPushButton* frmMain::addPageButton(const char* name, const QString& caption, const QString& toolTip)
{
    auto* button = addButton(m_pageGroup, name, caption, DesignLayout::arial(9.75),
        kPageButtonLeft + m_pageButtons * kPageButtonStep, kPageButtonsTop, kPageButtonWidth,
        kPageButtonHeight, toolTip);
    ++m_pageButtons;
    button->show();
    return button;
}

void frmMain::showStatus()
{
    const StatusLine& status = m_model.status();
    m_status->setText(status.text());
    m_status->setStyleSheet(QStringLiteral("color: %1;").arg(QColor::fromRgb(status.color()).name()));
}

void frmMain::showVersion()
{
    m_version->setText(kVersionText);
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
    (which == SizeText::Altitude ? m_declText : m_azText)->setFocus();
}
