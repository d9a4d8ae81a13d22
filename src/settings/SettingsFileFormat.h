#pragma once

#include "settings/SettingsModel.h"

#include <QByteArray>
#include <QIODevice>

/// The settings file: 38 labelled lines ("label = value", CR LF, UTF-8) holding every setting,
/// "Scale on top" included. Labels are for people; reading goes by line position.
class SettingsFileFormat {
public:
    static constexpr int kLineCount = 38;
    /// A longer line is a failing line, so a huge or binary file is never held in memory.
    static constexpr qsizetype kMaxLineBytes = 64 * 1024;
    // Save never writes a line Restore refuses: a label and a size text of 3 UTF-8 bytes a unit.
    static_assert(100 + 3 * SettingsModel::kMaxSizeTextLength <= kMaxLineBytes);

    /// The whole file as Save writes it.
    static QByteArray contents(const SettingsModel& model);

    /// Reads line after line into the model, each value running its control's handling. Stops at
    /// the first failure: end of file (not counted), or a line that is too long, has no "=", is not
    /// UTF-8, does not convert or is refused by its control (counted). Never reads past line 38.
    /// Returns the count of lines taken, the failing one included; failingLine, when given, gets the
    /// number of the line that failed (0 when none did).
    static int restore(SettingsModel& model, QIODevice& file, int* failingLine = nullptr);
    /// The label of a line (1 to 38) without its " = ", for a message.
    static QString label(int line);
    /// What a Restore that read fewer than all lines says: how many it applied, what stopped it.
    static QString stopMessage(const QString& path, int count, int failingLine);

    /// Everything after the first "=" less the one character that follows it; nothing when the
    /// line has no "=".
    static std::optional<QString> valueOf(const QString& line);
};
