#include "print/render/PdfPrintScaling.h"

#include "common/PrinterError.h"

#include <QRegularExpression>
#include <optional>

namespace {

constexpr qsizetype kXrefEntrySize = 20; // "nnnnnnnnnn ggggg n\r\n", fixed by the file format
constexpr qsizetype kTailSearch = 1024; // "startxref" stands in the last bytes of the file

[[noreturn]] void malformed()
{
    throw printerError();
}

bool isSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

qsizetype skipSpace(const QByteArray& pdf, qsizetype at)
{
    while (at < pdf.size() && isSpace(pdf[at]))
        ++at;
    return at;
}

std::optional<qint64> numberAt(const QByteArray& pdf, qsizetype& at)
{
    at = skipSpace(pdf, at);
    const qsizetype start = at;
    while (at < pdf.size() && pdf[at] >= '0' && pdf[at] <= '9')
        ++at;
    if (at == start || at - start > 10)
        return std::nullopt;
    return pdf.mid(start, at - start).toLongLong();
}

// The end of a string "(...)" that starts at `at`: balanced parentheses, backslash escapes.
qsizetype skipLiteralString(const QByteArray& pdf, qsizetype at)
{
    int depth = 0;
    for (; at < pdf.size(); ++at) {
        const char c = pdf[at];
        if (c == '\\')
            ++at;
        else if (c == '(')
            ++depth;
        else if (c == ')' && --depth == 0)
            return at + 1;
    }
    malformed();
}

// The body of the dictionary that opens at `at` ("<<"), without its brackets.
QByteArray dictionaryBody(const QByteArray& pdf, qsizetype at)
{
    if (pdf.mid(at, 2) != "<<")
        malformed();
    const qsizetype start = at + 2;
    int depth = 0;
    while (at < pdf.size()) {
        const char c = pdf[at];
        if (c == '(') {
            at = skipLiteralString(pdf, at);
        } else if (c == '%') {
            while (at < pdf.size() && pdf[at] != '\n' && pdf[at] != '\r')
                ++at;
        } else if (pdf.mid(at, 2) == "<<") {
            ++depth;
            at += 2;
        } else if (pdf.mid(at, 2) == ">>") {
            at += 2;
            if (--depth == 0)
                return pdf.mid(start, at - 2 - start);
        } else if (c == '<') {
            at = pdf.indexOf('>', at);
            if (at < 0)
                malformed();
            ++at;
        } else {
            ++at;
        }
    }
    malformed();
}

struct Trailer {
    qint64 xrefOffset = 0;
    QByteArray body; ///< the last trailer's dictionary, without its brackets
    int rootObject = 0;
};

Trailer lastTrailer(const QByteArray& pdf)
{
    Trailer trailer;
    qsizetype at = pdf.lastIndexOf("startxref", pdf.size() - 1);
    if (at < 0 || at < pdf.size() - kTailSearch)
        malformed();
    at += 9;
    const auto offset = numberAt(pdf, at);
    if (!offset || *offset >= pdf.size())
        malformed();
    trailer.xrefOffset = *offset;
    if (pdf.mid(trailer.xrefOffset, 4) != "xref") // a cross-reference stream: not what Qt writes
        malformed();
    const qsizetype dictionary = pdf.indexOf("trailer", trailer.xrefOffset);
    if (dictionary < 0)
        malformed();
    trailer.body = dictionaryBody(pdf, skipSpace(pdf, dictionary + 7));
    static const QRegularExpression root(QStringLiteral("/Root\\s+(\\d+)\\s+0\\s+R"));
    const QRegularExpressionMatch match = root.match(QString::fromLatin1(trailer.body));
    if (!match.hasMatch())
        malformed();
    trailer.rootObject = match.captured(1).toInt();
    return trailer;
}

// Where object `number` starts, from the cross-reference table at `xref`.
qint64 objectOffset(const QByteArray& pdf, qint64 xref, int number)
{
    qsizetype at = xref + 4;
    for (;;) {
        const qsizetype before = at;
        const auto first = numberAt(pdf, at);
        const auto count = numberAt(pdf, at);
        if (!first || !count) {
            at = before;
            break;
        }
        // The entries begin on the line after the subsection's header.
        while (at < pdf.size() && (pdf[at] == ' ' || pdf[at] == '\r' || pdf[at] == '\n'))
            ++at;
        if (number >= *first && number < *first + *count) {
            const qsizetype entry = at + (number - *first) * kXrefEntrySize;
            qsizetype field = entry;
            const auto offset = numberAt(pdf, field);
            if (!offset || pdf.mid(entry + 17, 1) != "n")
                malformed();
            return *offset;
        }
        at += *count * kXrefEntrySize;
    }
    malformed();
}

} // namespace

QByteArray withoutPrintScaling(const QByteArray& pdf)
{
    const Trailer trailer = lastTrailer(pdf);
    const qint64 catalogAt = objectOffset(pdf, trailer.xrefOffset, trailer.rootObject);
    const QByteArray header = QByteArray::number(trailer.rootObject) + " 0 obj";
    if (pdf.mid(catalogAt, header.size()) != header)
        malformed();
    const QByteArray catalog = dictionaryBody(pdf, skipSpace(pdf, catalogAt + header.size()));
    if (catalog.contains("/ViewerPreferences"))
        malformed();

    static const QRegularExpression previous(QStringLiteral("/Prev\\s+\\d+"));
    const QByteArray trailerBody = QString::fromLatin1(trailer.body).remove(previous).toLatin1();

    QByteArray update = "\n";
    const qint64 objectAt = pdf.size() + update.size();
    update += header + "\n<<" + catalog + "/ViewerPreferences << /PrintScaling /None >>\n>>\nendobj\n";
    const qint64 xrefAt = pdf.size() + update.size();
    update += "xref\n" + QByteArray::number(trailer.rootObject) + " 1\n"
        + QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<" + trailerBody + "/Prev " + QByteArray::number(trailer.xrefOffset) + "\n>>\n";
    update += "startxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return pdf + update;
}
