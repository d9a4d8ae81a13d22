#include "app/window/frmMain.h"

#include "app/window/CircleSetColumn.h"
#include "app/window/DesignControls.h"
#include "app/window/MainMenuBar.h"
#include "app/window/ModelBinding.h"
#include "app/window/PageGroup.h"
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
#include <vector>

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
    m_page = new PageGroup(m_model, m_layout, m_design);
    connect(m_page, &PageGroup::printerScaleRequested, this, &frmMain::printerScaleRequested);
    connect(m_page, &PageGroup::pageSetupRequested, this, &frmMain::pageSetupRequested);
    connect(m_page, &PageGroup::previewAltitudeRequested, this, &frmMain::previewAltitudeRequested);
    connect(m_page, &PageGroup::previewAzimuthRequested, this, &frmMain::previewAzimuthRequested);
    orderTabStops();
}

namespace {

/// Sends a group box's Alt key to one control of the group, not to the one the group would pick.
class MnemonicTarget : public QObject {
public:
    MnemonicTarget(QWidget* group, QWidget* target)
        : QObject(group)
        , m_target(target)
    {
        group->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut)
            return QObject::eventFilter(watched, event);
        m_target->setFocus(Qt::ShortcutFocusReason);
        return true;
    }

private:
    QWidget* m_target;
};

} // namespace

void frmMain::labelSizeBox(QWidget* group, QLineEdit* sizeText)
{
    new MnemonicTarget(group, sizeText);
}

void frmMain::orderTabStops()
{
    const char* const left[] = { "OneDegOption", "FiveDegOption", "BWCheck", "WBCheck", "DECLtext",
        "AltDiaOption", "AltLenOption", "AltmmOption", "AltinOption", "PrintButton", "RaOption", "AzOption",
        "AzCTCheck", "AzText", "AzDiaOption", "AzLenOption", "AzmmOption", "AzinOption", "PrintAzButton" };
    std::vector<QWidget*> chain;
    for (const char* name : left)
        chain.push_back(m_design->findChild<QWidget*>(QLatin1String(name)));
    // A pair's unselected option takes no Tab, but keeps its place for when it is selected.
    const auto stop = [](QWidget* widget) {
        return (widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QRadioButton*>(widget) != nullptr;
    };
    for (CircleSetColumn* column : m_columns) {
        for (QWidget* widget : column->findChildren<QWidget*>()) {
            if (stop(widget))
                chain.push_back(widget);
        }
    }
    for (const char* name : { "QuitButton", "ExitButton", "ResetButton", "SaveButton", "RestoreButton" })
        chain.push_back(m_design->findChild<QWidget*>(QLatin1String(name)));
    for (QWidget* widget : m_page->tabStops())
        chain.push_back(widget);
    for (std::size_t i = 1; i < chain.size(); ++i) {
        if (chain[i - 1] != nullptr && chain[i] != nullptr)
            QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
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

void frmMain::addSizeKind(QWidget* box, const SizeKindOptions& options, int top)
{
    const DesignControls controls(m_layout, m_model);
    const QFont small = m_layout.arial(8.25);
    const auto name = [&options](const char* rest) { return QByteArray(options.prefix) + rest; };
    binding::pairOptions(controls.option(box, options.diameter, name("DiaOption").constData(), tr("dia."),
                             small, 1500, top, tr("Size is diameter")),
        controls.option(box, options.length, name("LenOption").constData(), tr("len."), small, 2160, top,
            tr("Size is length")));
    QWidget* units = controls.frame(box, QString(), small, 1380, top + 240, 1335, 495);
    binding::pairOptions(controls.option(units, options.mm, name("mmOption").constData(), tr("mm"), small,
                             120, 180, tr("size is mm")),
        controls.option(units, options.inch, name("inOption").constData(), tr("in."), small, 780, 180,
            tr("Size in inches")));
}

void frmMain::buildLeftColumn()
{
    const DesignControls controls(m_layout, m_model);
    const QFont frameFont = m_layout.arial(7.5, true);
    const QFont small = m_layout.arial(8.25);
    const QFont sizeFont = m_layout.arial(10.5, true);

    QWidget* degrees = controls.frame(m_design, tr("Smallest Mar&k Degree"), frameFont, 120, 120, 2772, 612);
    binding::pairOptions(controls.option(degrees, Option::OneDeg, "OneDegOption", QStringLiteral("1\u00b0"),
                             m_layout.arial(9, true), 720, 240),
        controls.option(degrees, Option::FiveDeg, "FiveDegOption", QStringLiteral("5\u00b0"),
            m_layout.arial(9, true), 1620, 240));

    QWidget* styles = controls.frame(m_design, tr("Circle styles"), small, 120, 840, 2775, 975);
    controls.check(styles, Check::BW, "BWCheck", tr("&Black on White background"), 180, 240);
    controls.check(styles, Check::WB, "WBCheck", tr("&White on Black background"), 180, 600);

    const QString altCaption = tr("Altit&ude / DECL Circle Size");
    QWidget* alt = controls.frame(m_design, altCaption, frameFont, 120, 1980, 2772, 1155);
    m_declText
        = addSizeText(alt, SizeText::Altitude, "DECLtext", QString(altCaption).remove(QLatin1Char('&')), 240);
    labelSizeBox(alt, m_declText);
    auto* printAlt = controls.button(alt, "PrintButton", tr("Print &Alt."), sizeFont, 120, 660, 1215, 375);
    connect(printAlt, &QPushButton::clicked, this, &frmMain::printAltitudeRequested);
    addSizeKind(alt, { "Alt", Option::AltDia, Option::AltLen, Option::Altmm, Option::Altin }, 300);

    const QString azCaption = tr("Azi&muth / RA Circle Size");
    QWidget* az = controls.frame(m_design, azCaption, frameFont, 120, 3240, 2772, 1515);
    QWidget* azMode = controls.frame(az, QString(), small, 120, 180, 1455, 375);
    binding::pairOptions(
        controls.option(azMode, Option::Ra, "RaOption", tr("RA"), m_layout.arial(8.25, true), 60, 60),
        controls.option(azMode, Option::Az, "AzOption", tr("Az"), m_layout.arial(8.25, true), 780, 60));
    controls.check(az, Check::AzCT, "AzCTCheck", tr("Az &L>R +"), 1620, 240,
        tr("Az circle left to right numbers increase"));
    m_azText = addSizeText(az, SizeText::Azimuth, "AzText", QString(azCaption).remove(QLatin1Char('&')), 540);
    labelSizeBox(az, m_azText);
    addSizeKind(az, { "Az", Option::AzDia, Option::AzLen, Option::Azmm, Option::Azin }, 600);
    auto* printAz = controls.button(
        az, "PrintAzButton", azimuthCaption(m_model.azimuthButtonCaption()), sizeFont, 120, 960, 1215, 372);
    connect(printAz, &QPushButton::clicked, this, &frmMain::printAzimuthRequested);
    connect(&m_model, &SettingsModel::azimuthButtonCaptionChanged, printAz,
        [printAz](const QString& caption) { printAz->setText(azimuthCaption(caption)); });
    pressOnEnter(m_declText, printAlt);
    pressOnEnter(m_azText, printAz);
}

void frmMain::buildBottomRow()
{
    const DesignControls controls(m_layout, m_model);
    const QFont commandFont = m_layout.arial(9.75);
    auto* quit = controls.button(m_design, "QuitButton", tr("&Quit"), m_layout.arial(10.5, true), 360, 4920,
        855, 375, tr("Quit without saving settings"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    auto* exitButton = controls.button(m_design, "ExitButton", tr("E&xit"), m_layout.arial(11.25, true), 1620,
        4920, 855, 375, tr("Exit and save settings"));
    connect(exitButton, &QPushButton::clicked, this, &frmMain::exitRequested);
    auto* reset = controls.button(m_design, "ResetButton", tr("&Reset"), commandFont, 3240, 4920, 795, 255,
        tr("Reset to last exit settings from registry"));
    connect(reset, &QPushButton::clicked, this, &frmMain::resetRequested);
    auto* save = controls.button(m_design, "SaveButton", tr("&Save"), commandFont, 4200, 4920, 855, 315,
        tr("Save current settings to file"));
    connect(save, &QPushButton::clicked, this, &frmMain::saveRequested);
    auto* restore
        = controls.button(m_design, "RestoreButton", tr("Rest&ore"), commandFont, 4200, 5280, 855, 315);
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

void frmMain::showVersion()
{
    m_version->setText(tr("Version %1").arg(kVersionText.section(QLatin1Char(' '), 1)));
}

void frmMain::showPaper(const QString& paper)
{
    m_page->showPaper(paper);
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
        m_page->focusZeroAt();
    else if (which == SizeText::ArcFrom)
        m_page->focusArc();
    else
        (which == SizeText::Altitude ? m_declText : m_azText)->setFocus();
}
