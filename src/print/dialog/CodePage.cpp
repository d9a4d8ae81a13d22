#include "print/dialog/CodePage.h"

#include <QList>

namespace code_page {

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const uint c : text.toUcs4())
        bytes.append(c < 0x100 ? static_cast<char>(c) : '?');
    return bytes;
}

QString decode(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

} // namespace code_page
