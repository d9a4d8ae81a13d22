#include "app/help/UserGuideWindow.h"

#include "app/ProgramInfo.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// A guide is a few kilobytes; anything far larger is not the guide.
constexpr qint64 kMaxGuideBytes = 1024 * 1024;
} // namespace

UserGuideWindow::UserGuideWindow(const QString& path, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("UserGuideWindow"));
    setWindowTitle(tr("%1 User Guide").arg(programinfo::name()));
    auto* layout = new QVBoxLayout(this);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("UserGuideText"));
    m_text->setAccessibleName(windowTitle());
    m_text->setOpenExternalLinks(false);
    m_text->setSearchPaths({ QFileInfo(path).absolutePath() });
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxGuideBytes) {
        m_text->setMarkdown(QString::fromUtf8(file.readAll()));
        m_loaded = true;
    } else {
        m_text->setPlainText(tr("The user guide could not be read: %1").arg(path));
    }
    layout->addWidget(m_text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(720, 560);
    m_text->setFocus();
}
