#pragma once

#include "print/dialog/GlobalMemory.h"
#include "print/dialog/PrintDialogBackend.h"

#include <QString>

/// The print dialog's exchange record, laid out by field like the published PRINTDLGA; the device
/// records travel in GlobalMemory blocks. Every field the program does not use stays 0.
struct PrintDlgRecord {
    static constexpr quint32 kStructSize = 66;

    quint32 lStructSize = kStructSize;
    quintptr hwndOwner = 0;
    MemoryHandle hDevMode = kNoBlock;
    MemoryHandle hDevNames = kNoBlock;
    qint32 flags = 0;
    qint16 nFromPage = 0;
    qint16 nToPage = 0;
    qint16 nMinPage = 0;
    qint16 nMaxPage = 0;
    qint16 nCopies = 0;
    /// Not in the published record: the file a printer that writes files is to use.
    QString outputFileName;
};

/// Runs the print dialog on the record, as the platform's PrintDlgA does: reads the device records
/// from their blocks (none or unlockable: the dialog starts without them), shows the dialog through
/// the backend and, when confirmed, writes the answer back into the record and the device-mode
/// block (allocating one when there was none). False for a cancel, and for any failure of the
/// dialog or of its memory.
bool printDlg(PrintDlgRecord& record, GlobalMemory& memory, PrintDialogBackend& backend);
