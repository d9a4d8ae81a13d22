// The real print dialog, offscreen: it is answered from a timer while its own event loop runs.
// CUPS_SERVER=/nonexistent hides the machine's queues, so the PDF printer is the only printer.
#include "print/dialog/QtPrintDialogBackend.h"
#include "print/printers/PdfFilePrinter.h"
#include "print/printers/Printer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

/// What the answerer does in the dialog's properties before it accepts them.
struct PaperChoice {
    QString size; ///< the paper size list's entry; empty: leave it
    QSizeF customMm; ///< for "Custom"
};

// Answers every modal dialog that shows up while it lives: the print dialog with accept or reject,
// a question on the way (overwrite an existing file) with Yes; with a paper choice it opens the
// dialog's properties first and chooses the paper there.
class DialogAnswerer {
public:
    /// typedFile, when given, replaces the file the dialog proposes before it is accepted.
    explicit DialogAnswerer(
        bool accept, const QString& typedFile = QString(), std::optional<PaperChoice> paper = std::nullopt)
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, accept, typedFile, paper] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box->done(QMessageBox::Yes);
            } else if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
                if (paper && !m_propertiesDone) {
                    if (auto* properties = dialog->findChild<QPushButton*>(QStringLiteral("properties")))
                        QTimer::singleShot(0, properties, &QPushButton::click);
                    m_propertiesDone = true;
                    return;
                }
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
            } else if (auto* properties = qobject_cast<QDialog*>(modal); properties && paper) {
                choosePaper(*properties, *paper);
                properties->accept();
            }
        });
        m_timer.start(20);
    }
    int answered() const { return m_answered; }
    QAbstractPrintDialog::PrintDialogOptions optionsShown() const { return m_optionsShown; }
    /// The paper the properties showed when they opened.
    const QString& paperShown() const { return m_paperShown; }

private:
    void choosePaper(QDialog& properties, const PaperChoice& paper)
    {
        auto* sizes = properties.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
        ASSERT_NE(sizes, nullptr);
        m_paperShown = sizes->currentText();
        if (paper.size.isEmpty())
            return;
        sizes->setCurrentIndex(sizes->findText(paper.size));
        if (paper.customMm.isValid()) {
            properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"))
                ->setValue(paper.customMm.width());
            properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"))
                ->setValue(paper.customMm.height());
        }
    }

    QTimer m_timer;
    int m_answered = 0;
    bool m_propertiesDone = false;
    QString m_paperShown;
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

TEST(QtPrintDialogBackend, AQueueThatHasGoneFallsBackToThePdfPrinterWithItsOwnFile)
{
    QtPrintDialogBackend backend;
    DialogAnswerer answerer(true);
    const auto answer = backend.exec(jobRequest(QStringLiteral("GoneQueue")));
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->deviceName, QStringLiteral("Print to File (PDF)"));
    // Qt would offer a folder here; the dialog proposes the PDF printer's file, as it always does.
    EXPECT_EQ(answer->outputFileName, PdfFilePrinter::defaultOutputFileName());
}

namespace {

struct DialogPaperCase {
    const char* name;
    QPageSize requested;
    std::optional<PaperChoice> choice;
    QString shown; ///< in the properties' list
    std::optional<QPageSize> answered;
};

class QtPrintDialogPaper : public ::testing::TestWithParam<DialogPaperCase> { };

} // namespace

TEST_P(QtPrintDialogPaper, OpensOnThePrintersPaperAndAnswersThePaperChosen)
{
    QtPrintDialogBackend backend;
    PrintDialogRequest request = jobRequest(QString::fromLatin1(PdfFilePrinter::kDeviceName));
    request.paperSize = GetParam().requested;
    DialogAnswerer answerer(true, QString(), GetParam().choice);
    const auto answer = backend.exec(request);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answerer.paperShown(), GetParam().shown);
    ASSERT_EQ(answer->paperSize.has_value(), GetParam().answered.has_value());
    if (GetParam().answered) {
        EXPECT_TRUE(answer->paperSize->isEquivalentTo(*GetParam().answered))
            << answer->paperSize->name().toStdString();
    }
    EXPECT_EQ(answer->orientation, PageOrientation::Landscape);
}

INSTANTIATE_TEST_SUITE_P(Papers, QtPrintDialogPaper,
    ::testing::Values(DialogPaperCase { "PropertiesLeftShut", QPageSize(QPageSize::A3), std::nullopt,
                          QString(), std::nullopt },
        DialogPaperCase { "TheRequestedPaperKept", QPageSize(QPageSize::A3),
            PaperChoice { QString(), QSizeF() }, QStringLiteral("A3"), QPageSize(QPageSize::A3) },
        DialogPaperCase { "LetterChosen", QPageSize(QPageSize::A4),
            PaperChoice { QStringLiteral("Letter / ANSI A"), QSizeF() }, QStringLiteral("A4"),
            QPageSize(QPageSize::Letter) },
        DialogPaperCase { "ACustomSizeChosen", QPageSize(QPageSize::A4),
            PaperChoice { QStringLiteral("Custom"), QSizeF(100, 300) }, QStringLiteral("A4"),
            // typed as the page is turned: 100 mm across the landscape page
            QPageSize(QSizeF(300, 100), QPageSize::Millimeter) }),
    [](const ::testing::TestParamInfo<DialogPaperCase>& row) { return std::string(row.param.name); });

TEST(QtPrintDialogBackend, RejectedIsACancel)
{
    QtPrintDialogBackend backend;
    DialogAnswerer answerer(false);
    EXPECT_FALSE(backend.exec(jobRequest(QString::fromLatin1(PdfFilePrinter::kDeviceName))).has_value());
    EXPECT_EQ(answerer.answered(), 1);
}
