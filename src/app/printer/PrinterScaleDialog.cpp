#include "app/printer/PrinterScaleDialog.h"

#include "common/Numeric.h"
#include "common/RuntimeError.h"
#include "print/printers/PdfFilePrinter.h"
#include "settings/StatusLine.h"

#include <QColor>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

namespace {

QString describe(const std::exception& error)
{
    if (const auto* runtime = dynamic_cast<const RuntimeError*>(&error))
        return runtime->description();
    return QString::fromLocal8Bit(error.what());
}

/// The two bars of the calibration page, in the order of the dialog's rows.
struct BarRow {
    const char* label; ///< with the mnemonic of its box
    const char* textName;
};
constexpr BarRow kBars[] = {
    { QT_TRANSLATE_NOOP("PrinterScaleDialog", "Bar along the paper's &width (%1 mm), measured in mm:"),
        "MeasuredWidthText" },
    { QT_TRANSLATE_NOOP("PrinterScaleDialog", "Bar along the paper's &length (%1 mm), measured in mm:"),
        "MeasuredLengthText" },
};

QString factorsText(const ScaleFactors& factors)
{
    return QCoreApplication::translate("PrinterScaleDialog",
        "Factors kept for this printer: %1 along the paper's width, %2 along its length.")
        .arg(numeric::generalForm(factors.alongWidth), numeric::generalForm(factors.alongLength));
}

} // namespace

PrinterScaleDialog::PrinterScaleDialog(PrinterScaleHost& host, QWidget* parent)
    : QDialog(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("PrinterScaleDialog"));
    auto* layout = new QVBoxLayout(this);
    m_printer = new QLabel(this);
    m_printer->setObjectName(QStringLiteral("PrinterLabel"));
    layout->addWidget(m_printer);
    auto* steps = new QLabel(tr("1. Print the calibration page (with any scaling or \"fit to page\" "
                                "option of the printer off).\n2. Measure each bar from its first to its "
                                "last mark.\n3. Type the two lengths and press OK: every page on this "
                                "printer is then corrected."),
        this);
    steps->setWordWrap(true);
    layout->addWidget(steps);
    auto* print = new QPushButton(tr("Print calibration page..."), this);
    print->setObjectName(QStringLiteral("PrintCalibrationButton"));
    print->setAutoDefault(false);
    layout->addWidget(print, 0, Qt::AlignLeft);
    connect(print, &QPushButton::clicked, this, &PrinterScaleDialog::printCalibration);

    auto* form = new QFormLayout;
    for (std::size_t bar = 0; bar < m_measured.size(); ++bar) {
        MeasuredBar& measured = m_measured[bar];
        measured.text = new QLineEdit(this);
        measured.text->setObjectName(QLatin1String(kBars[bar].textName));
        measured.label = new QLabel(this);
        measured.label->setBuddy(measured.text);
        form->addRow(measured.label, measured.text);
    }
    layout->addLayout(form);

    m_factors = new QLabel(this);
    m_factors->setObjectName(QStringLiteral("FactorsLabel"));
    layout->addWidget(m_factors);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("MessageLabel"));
    m_message->setWordWrap(true);
    layout->addWidget(m_message);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Reset, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Reset)->setObjectName(QStringLiteral("ResetButton"));
    buttons->button(QDialogButtonBox::Reset)->setToolTip(tr("Back to 1 and 1 for this printer"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PrinterScaleDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrinterScaleDialog::reject);
    connect(buttons->button(QDialogButtonBox::Reset), &QPushButton::clicked, this,
        &PrinterScaleDialog::resetFactors);
    layout->addWidget(buttons);
    refresh();
}

void PrinterScaleDialog::refresh()
{
    try {
        QString name = m_host.printerName();
        // The built-in PDF printer by the name Qt's print dialog gives it in the user's language.
        const char* const qtDialog = "QPrintDialog";
        if (name == QLatin1String(PdfFilePrinter::kDeviceName))
            name = QCoreApplication::translate(qtDialog, PdfFilePrinter::kDeviceName);
        setWindowTitle(tr("Printer scale - ") + name);
        m_printer->setText(tr("Printer: ") + name);
        m_bars = m_host.bars();
        for (std::size_t bar = 0; bar < m_measured.size(); ++bar)
            m_measured[bar].label->setText(tr(kBars[bar].label).arg(QString::number(nominalMm(bar))));
        if (const std::optional<QString> unusable = m_host.unusableFactors())
            m_factors->setText(tr("The value kept for this printer is unusable (%1): it prints "
                                  "with 1 along both axes until new lengths are kept.")
                                   .arg(*unusable));
        else
            m_factors->setText(factorsText(m_host.factors()));
    } catch (const std::exception& error) {
        showMessage(tr("The printer can't be read: ") + describe(error), true);
    }
}

void PrinterScaleDialog::showMessage(const QString& text, bool error)
{
    const quint32 colour = error ? StatusLine::kErrorColor : StatusLine::kStatusColor;
    m_message->setStyleSheet(QStringLiteral("color: %1;").arg(QColor::fromRgb(colour).name()));
    m_message->setText(text);
}

void PrinterScaleDialog::printCalibration()
{
    try {
        if (!m_host.printCalibrationPage())
            return;
        refresh();
        showMessage(tr("The calibration page was printed: measure its two bars."), false);
    } catch (const std::exception& error) {
        showMessage(tr("The calibration page could not be printed: ") + describe(error), true);
    }
}

int PrinterScaleDialog::nominalMm(std::size_t bar) const
{
    return bar == 0 ? m_bars.alongWidthMm : m_bars.alongLengthMm;
}

void PrinterScaleDialog::accept()
{
    for (const MeasuredBar& measured : m_measured) {
        if (measured.text->text().trimmed().isEmpty()) {
            showMessage(tr("Type the lengths of both bars as measured."), true);
            return;
        }
    }
    std::array<double, 2> measuredFactors {};
    for (std::size_t bar = 0; bar < m_measured.size(); ++bar) {
        QString message;
        const std::optional<double> factor
            = PrinterScales::measuredFactor(nominalMm(bar), m_measured[bar].text->text(), message);
        if (!factor) {
            showMessage(message, true);
            m_measured[bar].text->setFocus();
            return;
        }
        measuredFactors[bar] = *factor;
    }
    const ScaleFactors factors { measuredFactors[0], measuredFactors[1] };
    QString reason;
    try {
        if (!m_host.keepFactors(factors, reason)) {
            showMessage(tr("The factors could not be kept: ") + reason, true);
            return;
        }
        m_outcome = tr("Printer scale of %1: %2").arg(m_host.printerName(), PrinterScales::text(factors));
    } catch (const std::exception& error) {
        showMessage(tr("The factors could not be kept: ") + describe(error), true);
        return;
    }
    QDialog::accept();
}

void PrinterScaleDialog::resetFactors()
{
    QString reason;
    try {
        if (!m_host.keepFactors(ScaleFactors(), reason)) {
            showMessage(tr("The factors could not be kept: ") + reason, true);
            return;
        }
        m_outcome = tr("Printer scale of %1: 1 1").arg(m_host.printerName());
    } catch (const std::exception& error) {
        showMessage(tr("The factors could not be kept: ") + describe(error), true);
        return;
    }
    for (const MeasuredBar& measured : m_measured)
        measured.text->clear();
    refresh();
    showMessage(tr("This printer is back to 1 and 1."), false);
}
