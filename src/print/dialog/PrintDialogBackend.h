#pragma once

#include "print/printers/Printer.h"

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

/// What the print dialog shows and its user may change: the printer by its full name, how it
/// prints (a duplex or paper of nothing: the printer's own), the page range and the flag word that
/// says which range is chosen.
struct PrintDialogChoice {
    QString deviceName;
    PageOrientation orientation = PageOrientation::Portrait;
    std::optional<Duplex> duplex;
    std::optional<QPageSize> paperSize;
    qint32 flags = 0;
    qint16 fromPage = 0;
    qint16 toPage = 0;
};

/// What the print dialog opens with: the current printer's choice (no duplex or paper where the
/// printer can't tell), its driver and port, and the pages there are.
struct PrintDialogRequest : PrintDialogChoice {
    QString driverName;
    QString port;
    qint16 minPage = 0;
    qint16 maxPage = 0;
};

/// What a confirmed print dialog answers: the user's choice and the copies.
struct PrintDialogAnswer : PrintDialogChoice {
    qint16 copies = 1;
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
