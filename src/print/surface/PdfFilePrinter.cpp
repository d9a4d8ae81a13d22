#include "print/surface/PdfFilePrinter.h"

#include <QDir>
#include <QLocale>
#include <QPrinter>
#include <QStandardPaths>

QString PdfFilePrinter::deviceName() const
{
    return QString::fromLatin1(kDeviceName);
}

QString PdfFilePrinter::driverName() const
{
    return QStringLiteral("PDF");
}

QString PdfFilePrinter::port() const
{
    return QStringLiteral("FILE:");
}

void PdfFilePrinter::setOutputFileName(const QString& fileName)
{
    m_fileName = fileName;
}

QString PdfFilePrinter::outputFileName() const
{
    return m_fileName.isEmpty() ? defaultOutputFileName() : m_fileName;
}

QString PdfFilePrinter::defaultOutputFileName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("vennaros.pdf"));
}

QPageSize::PageSizeId PdfFilePrinter::localePageSize()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

std::unique_ptr<QPrinter> PdfFilePrinter::createPrinter() const
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(localePageSize()));
    printer->setOutputFileName(outputFileName());
    // One file is one copy, whatever the dialog asked for.
    printer->setCopyCount(1);
    return printer;
}
