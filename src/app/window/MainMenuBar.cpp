#include "app/window/MainMenuBar.h"

#include "app/window/DrawingExport.h"
#include "app/window/frmMain.h"

#include <QInputDialog>

MainMenuBar::MainMenuBar(frmMain& window)
    : QMenuBar(&window)
{
    setObjectName(QStringLiteral("MainMenuBar"));

    QMenu* file = addMenu(tr("&File"));
    connect(addCommand(file, "SaveAction", tr("&Save Settings..."), QKeySequence::Save), &QAction::triggered,
        &window, &frmMain::saveRequested);
    connect(addCommand(file, "RestoreAction", tr("&Restore Settings..."), QKeySequence::Open),
        &QAction::triggered, &window, &frmMain::restoreRequested);
    connect(addCommand(file, "ResetAction", tr("Rese&t")), &QAction::triggered, &window,
        &frmMain::resetRequested);
    file->addSeparator();
    connect(addCommand(file, "PageSetupAction", tr("Page Set&up...")), &QAction::triggered, &window,
        &frmMain::pageSetupRequested);
    file->addSeparator();
    connect(addCommand(file, "ExportAltitudeAction", tr("Export A&ltitude...")), &QAction::triggered, &window,
        &frmMain::exportAltitudeRequested);
    QAction* exportAzimuth = addCommand(
        file, "ExportAzimuthAction", DrawingExport::azimuthEntry(window.model().azimuthButtonCaption()));
    connect(exportAzimuth, &QAction::triggered, &window, &frmMain::exportAzimuthRequested);
    connect(&window.model(), &SettingsModel::azimuthButtonCaptionChanged, exportAzimuth,
        [exportAzimuth](
            const QString& caption) { exportAzimuth->setText(DrawingExport::azimuthEntry(caption)); });
    file->addSeparator();
    connect(addCommand(file, "ExitAction", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
        &QAction::triggered, &window, &frmMain::exitRequested);
    connect(addCommand(file, "QuitAction", tr("&Quit without saving")), &QAction::triggered, &window,
        &QWidget::close);

    QMenu* print = addMenu(tr("&Print"));
    connect(addCommand(
                print, "PrintAltitudeAction", tr("Print &Altitude..."), QKeySequence(Qt::CTRL | Qt::Key_P)),
        &QAction::triggered, &window, &frmMain::printAltitudeRequested);
    connect(addCommand(print, "PrintAzimuthAction", tr("Print A&zimuth/RA..."),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)),
        &QAction::triggered, &window, &frmMain::printAzimuthRequested);
    connect(addCommand(print, "PreviewAltitudeAction", tr("Pre&view Altitude")), &QAction::triggered, &window,
        &frmMain::previewAltitudeRequested);
    connect(addCommand(print, "PreviewAzimuthAction", tr("Previ&ew Azimuth/RA")), &QAction::triggered,
        &window, &frmMain::previewAzimuthRequested);
    print->addSeparator();
    QAction* scale = addCommand(print, "PrinterScaleAction", tr("Printer &scale..."));
    connect(scale, &QAction::triggered, &window, &frmMain::printerScaleRequested);
    // Offered only once a handler listens, so the entry never does nothing.
    connect(print, &QMenu::aboutToShow, scale,
        [scale, &window] { scale->setEnabled(window.offersPrinterScale()); });
    print->addSeparator();
    connect(addCommand(print, "ProofSheetAction", tr("&Proof sheet...")), &QAction::triggered, &window,
        &frmMain::proofSheetRequested);
    connect(addCommand(print, "PreviewProofSheetAction", tr("Preview pr&oof sheet")), &QAction::triggered,
        &window, &frmMain::previewProofSheetRequested);
    connect(
        addCommand(print, "WrapTapeAction", tr("&Wrap tape...")), &QAction::triggered, this, [this, &window] {
            bool typed = false;
            const QString length = QInputDialog::getText(&window, tr("Wrap tape"),
                tr("Length of the tape, with its unit (1000mm or 40in):"), QLineEdit::Normal, m_tapeLength,
                &typed);
            if (!typed)
                return;
            m_tapeLength = length;
            Q_EMIT window.wrapTapeRequested(length);
        });

    QMenu* help = addMenu(tr("&Help"));
    connect(addCommand(help, "UserGuideAction", tr("&User Guide"), QKeySequence::HelpContents),
        &QAction::triggered, &window, &frmMain::userGuideRequested);
    connect(addCommand(help, "AboutAction", tr("&About Vennaros")), &QAction::triggered, &window,
        &frmMain::aboutRequested);
}

QAction* MainMenuBar::addCommand(
    QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}
