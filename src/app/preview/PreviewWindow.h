#pragma once

#include "print/page/Page.h"
#include "print/page/PaperFormat.h"

#include <QDialog>
#include <QSize>
#include <optional>
#include <vector>

class PreviewSheet;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

/// "Print Preview": the sheets a print button would print, each drawn on its paper with the
/// printable area's border, at a zoom the user picks. Nothing here reaches a printer.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent);

    /// Shows these sheets on this paper, replacing what was shown.
    void showSheets(const std::vector<Page>& sheets, const PaperFormat& paper);

    /// The status line under the sheets: the strip's length and its ring's diameter, in millimetres
    /// and inches; empty without a length.
    void showLength(std::optional<double> lengthMm);

    const std::vector<Page>& sheets() const { return m_sheets; }
    /// A sheet as drawn at dpi dots per inch: the whole paper, white, with the page on it.
    QImage sheetImage(std::size_t index, double dpi) const;
    /// The part of that picture in `part`, its pixels as the whole picture's; nothing else is drawn.
    QImage sheetPart(std::size_t index, double dpi, const QRect& part) const;

private:
    void render();
    void zoom(int steps);
    QSize sheetSize(double dpi) const;
    /// Lets the pictures of the sheets drawn longest ago go, the one just drawn kept.
    void keepWithinMemory(PreviewSheet* drawn);

    std::vector<Page> m_sheets;
    PaperFormat m_paper;
    double m_dpi;
    QLabel* m_summary = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_numbersTouch = nullptr; ///< under the sheets, when their numbers run into each other
    QPushButton* m_zoomIn = nullptr;
    QPushButton* m_zoomOut = nullptr;
    // The sheets, one under the other in a scrolled column.
    std::vector<PreviewSheet*> m_views;
    std::vector<PreviewSheet*> m_drawnOrder; ///< the sheets holding a picture, the oldest first
    QScrollArea* m_scroll = nullptr;
    QWidget* m_pages = nullptr;
    QVBoxLayout* m_pagesLayout = nullptr;
};
