#include "app/preview/PreviewWindow.h"

#include "app/preview/PreviewSheet.h"
#include "print/page/PageUnits.h"
#include "print/page/PrintSurface.h"
#include "print/render/PageRenderer.h"
#include "print/sheets/NumberSpacing.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

/// The zoom in screen dots per inch: where it starts, its bounds and the factor of one step.
struct ZoomRange {
    double start;
    double least;
    double most;
    double step;
};
constexpr ZoomRange kZoom { 72.0, 24.0, 300.0, 1.25 };
constexpr int kDashLength = 4; // the printable area's border, in screen dots
constexpr int kDashPeriod = 6;
// The pictures of sheets out of view are let go beyond this: a few screens' worth.
constexpr qint64 kPictureBudgetBytes = 48LL * 1024 * 1024;

QString orientationName(PageOrientation orientation)
{
    return orientation == PageOrientation::Landscape
        ? QCoreApplication::translate("PreviewWindow", "landscape")
        : QCoreApplication::translate("PreviewWindow", "portrait");
}

QString millimetres(double twips)
{
    return QString::number(std::round(twips / kTwipsPerInch * kMmPerInch));
}

} // namespace

PreviewWindow::PreviewWindow(QWidget* parent)
    : QDialog(parent)
    , m_dpi(kZoom.start)
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(tr("Print Preview"));
    auto* layout = new QVBoxLayout(this);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("PreviewSummary"));
    layout->addWidget(m_summary);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("PreviewSheets"));
    m_scroll->setAccessibleName(tr("Sheets"));
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_pages = new QWidget(m_scroll);
    m_pagesLayout = new QVBoxLayout(m_pages);
    m_scroll->setWidget(m_pages);
    m_scroll->setWidgetResizable(true);
    layout->addWidget(m_scroll, 1);

    m_numbersTouch = new QLabel(this);
    m_numbersTouch->setObjectName(QStringLiteral("PreviewNumbersTouch"));
    m_numbersTouch->setVisible(false);
    layout->addWidget(m_numbersTouch);

    auto* row = new QHBoxLayout;
    m_zoomOut = new QPushButton(tr("Zoom &out"), this);
    m_zoomOut->setShortcut(QKeySequence::ZoomOut);
    connect(m_zoomOut, &QPushButton::clicked, this, [this] { zoom(-1); });
    m_zoomIn = new QPushButton(tr("Zoom &in"), this);
    m_zoomIn->setShortcut(QKeySequence::ZoomIn);
    connect(m_zoomIn, &QPushButton::clicked, this, [this] { zoom(1); });
    row->addWidget(m_zoomOut);
    row->addWidget(m_zoomIn);
    row->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    row->addWidget(buttons);
    layout->addLayout(row);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("PreviewStatus"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);
    resize(900, 640);
}

void PreviewWindow::showSheets(const std::vector<Page>& sheets, const PaperFormat& paper)
{
    m_sheets = sheets;
    m_paper = paper;
    const QString count = sheets.size() == 1 ? tr("1 sheet") : tr("%n sheets", nullptr, int(sheets.size()));
    m_summary->setText(tr("%1 on %2 %3, %4 × %5 mm")
                           .arg(count, m_paper.size.name(), orientationName(m_paper.orientation),
                               millimetres(m_paper.width), millimetres(m_paper.height)));
    const int fit = sheets.empty() ? 0 : sheets.front().numbersFit;
    m_numbersTouch->setText(fit > 0 ? numberspacing::warning(fit) : QString());
    m_numbersTouch->setVisible(fit > 0);
    render();
}

void PreviewWindow::showLength(std::optional<double> lengthMm)
{
    if (!lengthMm) {
        m_status->clear();
        return;
    }
    // The ring is the strip bent round: its diameter is the length over pi.
    const double diameterMm = *lengthMm / std::numbers::pi;
    const QLocale locale;
    const auto mm = [&](double value) { return locale.toString(value, 'f', 1); };
    const auto inches = [&](double value) { return locale.toString(value / kMmPerInch, 'f', 2); };
    m_status->setText(tr("Strip length %1 mm (%2 in.), ring diameter %3 mm (%4 in.)")
                          .arg(mm(*lengthMm), inches(*lengthMm), mm(diameterMm), inches(diameterMm)));
}

QImage PreviewWindow::sheetImage(std::size_t index, double dpi) const
{
    return sheetPart(index, dpi, QRect(QPoint(0, 0), sheetSize(dpi)));
}

QImage PreviewWindow::sheetPart(std::size_t index, double dpi, const QRect& part) const
{
    const double scale = dpi / kTwipsPerInch;
    QImage picture(part.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    // The page is drawn from the printable area's top-left and, as on paper, ends at its edges.
    const QRect printable
        = QRect(qRound(m_paper.margins.left() * scale), qRound(m_paper.margins.top() * scale),
            qRound(m_paper.printableWidth() * scale), qRound(m_paper.printableHeight() * scale));
    QPainter painter(&picture);
    const QRect drawn = printable.intersected(part).translated(-part.topLeft());
    if (!drawn.isEmpty()) {
        painter.save();
        painter.setClipRect(drawn);
        PageRenderer renderer(painter, qRound(dpi), QPointF(printable.topLeft() - part.topLeft()));
        // Marks a fraction of a screen dot wide would vanish drawn aliased: antialiased at the
        // screen's own resolution they show as grey, at a tenth of the cost of drawing finer.
        painter.setRenderHint(QPainter::Antialiasing, true);
        renderer.draw(m_sheets.at(index));
        painter.restore();
    }
    painter.resetTransform();
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(190, 190, 190), 1));
    // The dashes counted from the border's corners, not from the part's: parts drawn one by one
    // join into one border.
    const QRect border = printable.intersected(QRect(QPoint(0, 0), sheetSize(dpi)));
    const auto dashes = [&](QPoint from, QPoint step, int length) {
        for (int t = 0; t < length; t += kDashPeriod) {
            const QPoint a = from + step * t;
            const QPoint b = from + step * std::min(t + kDashLength - 1, length - 1);
            if (QRect(a, b).normalized().intersects(part))
                painter.drawLine(a - part.topLeft(), b - part.topLeft());
        }
    };
    if (!border.isEmpty()) {
        dashes(border.topLeft(), QPoint(1, 0), border.width());
        dashes(border.bottomLeft(), QPoint(1, 0), border.width());
        dashes(border.topLeft(), QPoint(0, 1), border.height());
        dashes(border.topRight(), QPoint(0, 1), border.height());
    }
    return picture;
}

QSize PreviewWindow::sheetSize(double dpi) const
{
    return QSize(qMax(1, qRound(m_paper.width * dpi / kTwipsPerInch)),
        qMax(1, qRound(m_paper.height * dpi / kTwipsPerInch)));
}

void PreviewWindow::render()
{
    while (QLayoutItem* item = m_pagesLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_views.clear();
    m_drawnOrder.clear();
    // What stands between the circle and its length in a caption line, in the language it was printed.
    const QString captionMark = QCoreApplication::translate("CaptionLine", "%1 Circle length = %2 %3")
                                    .section(QStringLiteral("%1"), 1)
                                    .section(QStringLiteral("%2"), 0, 0);
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        auto* sheet = new PreviewSheet(
            [this, i](QSize, const QRect& part) { return sheetPart(i, m_dpi, part); }, m_pages);
        sheet->setObjectName(QStringLiteral("PreviewSheet%1").arg(i + 1));
        sheet->setSheetSize(sheetSize(m_dpi));
        sheet->setAccessibleName(tr("Sheet %1 of %2").arg(i + 1).arg(m_sheets.size()));
        QStringList texts;
        for (const PageOp& op : m_sheets[i].ops)
            if (op.kind == PageOp::Kind::Text && op.text.contains(captionMark))
                texts << op.text;
        // What a screen reader can tell of a sheet: its captions.
        sheet->setAccessibleDescription(texts.join(QLatin1Char('\n')));
        connect(sheet, &PreviewSheet::drawn, this, &PreviewWindow::keepWithinMemory);
        m_pagesLayout->addWidget(sheet, 0, Qt::AlignHCenter);
        m_views.push_back(sheet);
    }
    m_pagesLayout->addStretch(1);
}

void PreviewWindow::keepWithinMemory(PreviewSheet* drawn)
{
    std::erase(m_drawnOrder, drawn);
    m_drawnOrder.push_back(drawn);
    qint64 bytes = 0;
    for (const PreviewSheet* sheet : m_drawnOrder)
        bytes += sheet->pictureBytes();
    while (bytes > kPictureBudgetBytes && m_drawnOrder.size() > 1) {
        PreviewSheet* oldest = m_drawnOrder.front();
        bytes -= oldest->pictureBytes();
        oldest->release();
        m_drawnOrder.erase(m_drawnOrder.begin());
    }
}

void PreviewWindow::zoom(int steps)
{
    const double dpi = qBound(kZoom.least, m_dpi * std::pow(kZoom.step, steps), kZoom.most);
    // At either end a further step would only draw the same again.
    if (dpi == m_dpi)
        return;
    m_dpi = dpi;
    m_zoomIn->setEnabled(m_dpi < kZoom.most);
    m_zoomOut->setEnabled(m_dpi > kZoom.least);
    // Only the sheets in view are drawn again, when they are painted.
    m_drawnOrder.clear();
    for (PreviewSheet* sheet : m_views)
        sheet->setSheetSize(sheetSize(m_dpi));
}
