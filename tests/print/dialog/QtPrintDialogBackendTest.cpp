// The real print dialog, offscreen: it is answered from a timer while its own event loop runs.
// CUPS_SERVER=/nonexistent hides the machine's queues, so the PDF printer is the only printer.
#include "print/dialog/QtPrintDialogBackend.h"
#include "print/surface/PdfFilePrinter.h"
#include "print/surface/Printer.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Answers every modal dialog that shows up while it lives: the print dialog with accept or reject,
// a question on the way (overwrite an existing file) with Yes.
class DialogAnswerer {
public:
    /// typedFile, when given, replaces the file the dialog proposes before it is accepted.
    explicit DialogAnswerer(bool accept, const QString& typedFile = QString())
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, accept, typedFile] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box->done(QMessageBox::Yes);
            } else if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
                ++m_answered;
                m_optionsShown = dialog->options();
                for (auto* edit : dialog->findChildren<QLineEdit*>()) {
                    if (!typedFile.isEmpty() && edit->text().endsWith(QStringLiteral(".pdf")))
                        edit->setText(typedFile);
                }
                if (accept)
                    dialog->accept();
                else
                    dialog->reject();
            }
        });
        m_timer.start(20);
    }
    int answered() const { return m_answered; }
    QAbstractPrintDialog::PrintDialogOptions optionsShown() const { return m_optionsShown; }

private:
    QTimer m_timer;
    int m_answered = 0;
    QAbstractPrintDialog::PrintDialogOptions m_optionsShown;
};

PrintDialogRequest jobRequest(const QString& deviceName)
{
    PrintDialogRequest request;
    request.deviceName = deviceName;
    request.orientation = PageOrientation::Landscape;
    request.duplex = Duplex::Simplex;
    request.flags = 0x100004;
    request.fromPage = request.toPage = request.minPage = request.maxPage = 1;
    return request;
}

} // namespace

TEST(QtPrintDialogBackend, AcceptedOnThePdfPrinterAnswersThatPrinterAndItsFile)
{
    QtPrintDialogBackend backend;
    std::optional<PrintDialogAnswer> answer;
    QAbstractPrintDialog::PrintDialogOptions shown;
    {
        DialogAnswerer answerer(true);
        answer = backend.exec(jobRequest(QString::fromLatin1(PdfFilePrinter::kDeviceName)));
        EXPECT_EQ(answerer.answered(), 1);
        shown = answerer.optionsShown();
    }
    EXPECT_FALSE(shown.testFlag(QAbstractPrintDialog::PrintSelection));
    EXPECT_TRUE(shown.testFlag(QAbstractPrintDialog::PrintToFile)); // the PDF entry of the list

    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->deviceName, QStringLiteral("Print to File (PDF)"));
    EXPECT_EQ(answer->outputFileName, PdfFilePrinter::defaultOutputFileName());
    EXPECT_EQ(answer->orientation, PageOrientation::Landscape);
    EXPECT_EQ(answer->duplex, Duplex::Simplex);
    EXPECT_EQ(answer->copies, 1);
    EXPECT_EQ(answer->flags, 0x100004);
    EXPECT_EQ(answer->fromPage, 1);
    EXPECT_EQ(answer->toPage, 1);
}

TEST(QtPrintDialogBackend, TheFileChosenLastIsProposedNextTime)
{
    QtPrintDialogBackend backend;
    const QString pdf = QString::fromLatin1(PdfFilePrinter::kDeviceName);
    const QString chosen = QDir::temp().filePath(QStringLiteral("vennaros-dialog-test.pdf"));
    {
        DialogAnswerer answerer(true, chosen);
        ASSERT_EQ(backend.exec(jobRequest(pdf))->outputFileName, chosen);
    }
    DialogAnswerer answerer(true);
    EXPECT_EQ(backend.exec(jobRequest(pdf))->outputFileName, chosen);
}

TEST(QtPrintDialogBackend, AQueueThatHasGoneFallsBackToThePdfPrinterWithoutAFolderAsFile)
{
    QtPrintDialogBackend backend;
    DialogAnswerer answerer(true);
    const auto answer = backend.exec(jobRequest(QStringLiteral("GoneQueue")));
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->deviceName, QStringLiteral("Print to File (PDF)"));
    // Qt offers the home folder here; the PDF printer keeps its own file instead.
    EXPECT_TRUE(answer->outputFileName.isEmpty());
}

TEST(QtPrintDialogBackend, RejectedIsACancel)
{
    QtPrintDialogBackend backend;
    DialogAnswerer answerer(false);
    EXPECT_FALSE(backend.exec(jobRequest(QString::fromLatin1(PdfFilePrinter::kDeviceName))).has_value());
    EXPECT_EQ(answerer.answered(), 1);
}
