#include "app/help/AboutDialog.h"

#include "app/ProgramInfo.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About %1").arg(programinfo::name()));
    auto* layout = new QVBoxLayout(this);

    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) {
        auto* picture = new QLabel(this);
        picture->setPixmap(icon.pixmap(64, 64));
        picture->setAccessibleName(tr("Program icon"));
        layout->addWidget(picture, 0, Qt::AlignHCenter);
    }
    const auto addLine = [this, layout](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        layout->addWidget(label);
        return label;
    };
    QLabel* title = addLine("ProgramName", programinfo::name());
    QFont bigger = title->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.5);
    bigger.setBold(true);
    title->setFont(bigger);
    addLine("ProgramVersion", tr("Version %1").arg(programinfo::version()));
    addLine("ProgramPurpose", programinfo::purpose());
    const auto link = [](const QString& url) { return QStringLiteral("<a href=\"%1\">%1</a>").arg(url); };
    // Only an address the build was given: one that nobody answers at is worse than none.
    const std::pair<const char*, QString> addresses[] = {
        { "ProgramHome", tr("Home: ") + link(programinfo::homePage()) },
        { "ProgramBugs", tr("Report a fault: ") + link(programinfo::bugReports()) },
    };
    if (!programinfo::homePage().isEmpty()) {
        for (const auto& [name, text] : addresses) {
            QLabel* label = addLine(name, text);
            label->setTextFormat(Qt::RichText);
            label->setTextInteractionFlags(
                label->textInteractionFlags() | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
            label->setOpenExternalLinks(true);
        }
    }
    addLine("ProgramLicence", programinfo::licence());
    // Said only where the window speaks another language than the guide.
    const char* const englishDocs = QT_TR_NOOP("The user guide and the manual page are in English.");
    if (tr(englishDocs) != QLatin1String(englishDocs))
        addLine("DocumentationLanguage", tr(englishDocs));

    auto* text = new QPlainTextEdit(programinfo::licenceText(), this);
    text->setObjectName(QStringLiteral("LicenceText"));
    text->setReadOnly(true);
    text->setAccessibleName(tr("Licence"));
    // The licence keeps its own line breaks.
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setMinimumSize(text->fontMetrics().horizontalAdvance(QString(82, QLatin1Char('n'))), 200);
    layout->addWidget(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Close)->setFocus();
}
