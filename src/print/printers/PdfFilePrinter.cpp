#include "print/printers/PdfFilePrinter.h"

#include "print/printers/FileReplacement.h"
#include "print/render/PdfDocument.h"

#include <QDir>
#include <QLocale>
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

QPageSize PdfFilePrinter::defaultPaperSize() const
{
    return QPageSize(localePageSize());
}

void PdfFilePrinter::printSheets(const std::vector<Page>& sheets)
{
    const QString file = FileReplacement::target(outputFileName());
    FileReplacement::write(file, pdfDocument(sheets, paper()));
}
