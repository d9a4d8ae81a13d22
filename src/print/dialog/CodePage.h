#pragma once

#include <QByteArray>
#include <QString>

/// Text as the device records hold it: one byte per character in an 8-bit code page (Latin-1).
namespace code_page {

/// Every character becomes one byte; one that Latin-1 can't hold becomes '?' (a surrogate pair is
/// one character, so lengths taken from the result match the bytes written).
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

} // namespace code_page
