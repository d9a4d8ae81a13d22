#include "app/PrinterScaleDialog.h"

#include "common/Numeric.h"
#include "common/RuntimeError.h"
#include "settings/StatusLine.h"

#include <QColor>
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

QString factorsText(const ScaleFactors& factors)
{
    return QStringLiteral("Factors kept for this printer: %1 along the paper's width, %2 along its length.")
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
    auto* steps
        = new QLabel(QStringLiteral("1. Print the calibration page (with any scaling or \"fit to page\" "
                                    "option of the printer off).\n2. Measure each bar from its first to its "
                                    "last mark.\n3. Type the two lengths and press OK: every page on this "
                                    "printer is then corrected."),
            this);
    steps->setWordWrap(true);
    layout->addWidget(steps);
    auto* print = new QPushButton(QStringLiteral("Print calibration page..."), this);
    print->setObjectName(QStringLiteral("PrintCalibrationButton"));
    print->setAutoDefault(false);
    layout->addWidget(print, 0, Qt::AlignLeft);
    connect(print, &QPushButton::clicked, this, &PrinterScaleDialog::printCalibration);

    auto* form = new QFormLayout;
    m_width = new QLineEdit(this);
    m_width->setObjectName(QStringLiteral("MeasuredWidthText"));
    m_length = new QLineEdit(this);
    m_length->setObjectName(QStringLiteral("MeasuredLengthText"));
    m_widthLabel = new QLabel(this);
    m_lengthLabel = new QLabel(this);
    m_widthLabel->setBuddy(m_width);
    m_lengthLabel->setBuddy(m_length);
    form->addRow(m_widthLabel, m_width);
    form->addRow(m_lengthLabel, m_length);
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
    buttons->button(QDialogButtonBox::Reset)->setToolTip(QStringLiteral("Back to 1 and 1 for this printer"));
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
        const QString name = m_host.printerName();
        setWindowTitle(QStringLiteral("Printer scale - ") + name);
        m_printer->setText(QStringLiteral("Printer: ") + name);
        m_bars = m_host.bars();
        m_widthLabel->setText(
            QStringLiteral("Bar along the paper's &width (%1 mm), measured in mm:").arg(m_bars.alongWidthMm));
        m_lengthLabel->setText(QStringLiteral("Bar along the paper's &length (%1 mm), measured in mm:")
                                   .arg(m_bars.alongLengthMm));
        m_factors->setText(factorsText(m_host.factors()));
    } catch (const std::exception& error) {
        showMessage(QStringLiteral("The printer can't be read: ") + describe(error), true);
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
        showMessage(QStringLiteral("The calibration page was printed: measure its two bars."), false);
    } catch (const std::exception& error) {
        showMessage(QStringLiteral("The calibration page could not be printed: ") + describe(error), true);
    }
}

void PrinterScaleDialog::accept()
{
    if (m_width->text().trimmed().isEmpty() || m_length->text().trimmed().isEmpty()) {
        showMessage(QStringLiteral("Type the lengths of both bars as measured."), true);
        return;
    }
    QString message;
    const std::optional<double> width
        = PrinterScales::measuredFactor(m_bars.alongWidthMm, m_width->text(), message);
    if (!width) {
        showMessage(message, true);
        m_width->setFocus();
        return;
    }
    const std::optional<double> length
        = PrinterScales::measuredFactor(m_bars.alongLengthMm, m_length->text(), message);
    if (!length) {
        showMessage(message, true);
        m_length->setFocus();
        return;
    }
    const ScaleFactors factors { *width, *length };
    QString reason;
    try {
        if (!m_host.keepFactors(factors, reason)) {
            showMessage(QStringLiteral("The factors could not be kept: ") + reason, true);
            return;
        }
        m_outcome = QStringLiteral("Printer scale of %1: %2")
                        .arg(m_host.printerName(), PrinterScales::text(factors));
    } catch (const std::exception& error) {
        showMessage(QStringLiteral("The factors could not be kept: ") + describe(error), true);
        return;
    }
    QDialog::accept();
}

void PrinterScaleDialog::resetFactors()
{
    QString reason;
    try {
        if (!m_host.keepFactors(ScaleFactors(), reason)) {
            showMessage(QStringLiteral("The factors could not be kept: ") + reason, true);
            return;
        }
        m_outcome = QStringLiteral("Printer scale of %1: 1 1").arg(m_host.printerName());
    } catch (const std::exception& error) {
        showMessage(QStringLiteral("The factors could not be kept: ") + describe(error), true);
        return;
    }
    m_width->clear();
    m_length->clear();
    refresh();
    showMessage(QStringLiteral("This printer is back to 1 and 1."), false);
}
