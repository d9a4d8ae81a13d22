#pragma once

#include "print/surface/Printer.h"

#include <QPageSize>
#include <QString>
#include <QtGlobal>
#include <optional>

/// Flag bits of the print dialog's flag word.
namespace print_dialog_flags {
constexpr qint32 kSelection = 0x1; // PD_SELECTION: the Selection choice is chosen
constexpr qint32 kPageNums = 0x2; // PD_PAGENUMS: the page range is chosen
constexpr qint32 kNoSelection = 0x4; // PD_NOSELECTION
constexpr qint32 kNoPageNums = 0x8; // PD_NOPAGENUMS
constexpr qint32 kHidePrintToFile = 0x100000; // PD_HIDEPRINTTOFILE
} // namespace print_dialog_flags

/// What the print dialog opens with: the current printer and its orientation, duplex and paper
/// (nothing when the printer can't tell), the flag word and the page range.
struct PrintDialogRequest {
    QString deviceName;
    QString driverName;
    QString port;
    PageOrientation orientation = PageOrientation::Portrait;
    std::optional<Duplex> duplex;
    std::optional<QPageSize> paperSize;
    qint32 flags = 0;
    qint16 fromPage = 0;
    qint16 toPage = 0;
    qint16 minPage = 0;
    qint16 maxPage = 0;
};

/// What a confirmed print dialog answers: the chosen printer by its full name, and what to set on
/// it (a duplex or paper of nothing leaves the printer's own).
struct PrintDialogAnswer {
    QString deviceName;
    qint16 copies = 1;
    PageOrientation orientation = PageOrientation::Portrait;
    std::optional<Duplex> duplex;
    std::optional<QPageSize> paperSize;
    qint32 flags = 0;
    qint16 fromPage = 0;
    qint16 toPage = 0;
    /// The file chosen for a printer that writes files; empty for any other printer.
    QString outputFileName;
};

/// The system print dialog as the printer selection sees it.
class PrintDialogBackend {
public:
    virtual ~PrintDialogBackend() = default;
    /// Shows the dialog and waits for the user; nothing when the user cancelled. May throw when
    /// the dialog fails, which the caller treats as a cancel.
    virtual std::optional<PrintDialogAnswer> exec(const PrintDialogRequest& request) = 0;
};
