#pragma once

#include "print/page/PaperFormat.h"

#include <QPageSize>
#include <QString>
#include <optional>

class SettingsStore;

/// A printer's paper as the page is set up: its size and orientation.
struct PaperChoice {
    /// A PDF page, and so the preview's and the PDF printer's, is at most 200 inches a side.
    static constexpr double kLargestSideMm = 5080;

    QPageSize size = QPageSize(QPageSize::A4);
    PageOrientation orientation = PageOrientation::Portrait;

    /// "A4, portrait", "Letter, landscape"; a size without a name by its millimetres
    /// ("100 x 150 mm, portrait").
    QString text() const;
    /// The same in the user's language, for the window.
    QString shownText() const;
    /// The text back; nothing for a text that names no paper and orientation, or a paper larger
    /// than a page can be.
    static std::optional<PaperChoice> parse(const QString& text);
};

/// The paper and orientation kept per printer in the settings store's group "Printer Paper": the key
/// is the printer's device name, the value the paper's text ("A4, landscape").
class PrinterPapers {
public:
    static const QString kGroup;

    explicit PrinterPapers(SettingsStore& store);

    /// What is kept for the printer; nothing when there is none or it is garbled.
    std::optional<PaperChoice> paper(const QString& deviceName);
    /// Why what is kept for the printer is not used, when something is kept that paper() refuses.
    std::optional<QString> refusal(const QString& deviceName);
    /// Whether anything is kept for the printer, usable or not: the user chose its paper once.
    bool has(const QString& deviceName);
    /// Writes the paper for the printer at once; false with the reason when the store can't be written.
    bool keep(const QString& deviceName, const PaperChoice& paper, QString& reason);

private:
    SettingsStore& m_store;
};
