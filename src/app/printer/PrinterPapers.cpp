#include "app/printer/PrinterPapers.h"

#include "common/Numeric.h"
#include "print/page/PaperName.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSizeF>
#include <utility>

namespace {

const QString kPortrait = QStringLiteral("portrait");
const QString kLandscape = QStringLiteral("landscape");
const QString kSeparator = QStringLiteral(", ");

} // namespace

const QString PrinterPapers::kGroup = QStringLiteral("Printer Paper");

QString PaperChoice::text() const
{
    QString name;
    if (size.id() != QPageSize::Custom) {
        name = QPageSize::key(size.id());
    } else {
        const QSizeF mm = size.size(QPageSize::Millimeter);
        // Written the same whatever the locale, so the store reads it back anywhere.
        name = numeric::generalForm(mm.width(), QLocale::c()) + QStringLiteral(" x ")
            + numeric::generalForm(mm.height(), QLocale::c()) + QStringLiteral(" mm");
    }
    return name + kSeparator + (orientation == PageOrientation::Landscape ? kLandscape : kPortrait);
}

QString PaperChoice::shownText() const
{
    const QString stored = text();
    const QString name = stored.left(stored.lastIndexOf(kSeparator));
    return orientation == PageOrientation::Landscape
        ? QCoreApplication::translate("PrinterPapers", "%1, landscape").arg(name)
        : QCoreApplication::translate("PrinterPapers", "%1, portrait").arg(name);
}

namespace {

/// The choice's text split into its paper name and orientation.
std::optional<std::pair<QString, PageOrientation>> nameAndTurn(const QString& text)
{
    const qsizetype split = text.lastIndexOf(kSeparator);
    if (split < 0)
        return std::nullopt;
    const QString turn = text.mid(split + kSeparator.size()).trimmed();
    if (turn != kPortrait && turn != kLandscape)
        return std::nullopt;
    return std::pair { text.left(split),
        turn == kLandscape ? PageOrientation::Landscape : PageOrientation::Portrait };
}

/// A size without a name, "100 x 150 mm", in millimetres.
std::optional<QSizeF> customSize(const QString& name)
{
    static const QRegularExpression custom(QStringLiteral("^\\s*([0-9.]+) x ([0-9.]+) mm\\s*$"));
    const QRegularExpressionMatch match = custom.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<double> width = numeric::parseNumber(match.captured(1), QLocale::c());
    const std::optional<double> height = numeric::parseNumber(match.captured(2), QLocale::c());
    if (!width || !height || *width <= 0 || *height <= 0)
        return std::nullopt;
    return QSizeF(*width, *height);
}

bool tooLarge(const QSizeF& mm)
{
    return mm.width() > PaperChoice::kLargestSideMm || mm.height() > PaperChoice::kLargestSideMm;
}

} // namespace

std::optional<PaperChoice> PaperChoice::parse(const QString& text)
{
    const auto parts = nameAndTurn(text);
    if (!parts)
        return std::nullopt;
    PaperChoice choice;
    choice.orientation = parts->second;
    if (const std::optional<QPageSize> named = paperNamed(parts->first)) {
        choice.size = *named;
        return choice;
    }
    const std::optional<QSizeF> mm = customSize(parts->first);
    if (!mm || tooLarge(*mm))
        return std::nullopt;
    choice.size = QPageSize(*mm, QPageSize::Millimeter);
    if (!choice.size.isValid())
        return std::nullopt;
    return choice;
}

PrinterPapers::PrinterPapers(SettingsStore& store)
    : m_store(store)
{ }

std::optional<PaperChoice> PrinterPapers::paper(const QString& deviceName)
{
    QString reason;
    if (deviceName.isEmpty() || !m_store.load(reason))
        return std::nullopt;
    const std::optional<QString> stored = m_store.readIn(kGroup, deviceName);
    return stored ? PaperChoice::parse(*stored) : std::nullopt;
}

std::optional<QString> PrinterPapers::refusal(const QString& deviceName)
{
    QString reason;
    if (deviceName.isEmpty() || !m_store.load(reason) || !m_store.keysIn(kGroup).contains(deviceName))
        return std::nullopt;
    const std::optional<QString> stored = m_store.readIn(kGroup, deviceName);
    if (stored && PaperChoice::parse(*stored))
        return std::nullopt;
    const auto parts = stored ? nameAndTurn(*stored) : std::nullopt;
    const std::optional<QSizeF> mm = parts ? customSize(parts->first) : std::nullopt;
    if (mm && tooLarge(*mm))
        return QCoreApplication::translate("PrinterPapers", "%1 is larger than a page can be (%2 mm a side)")
            .arg(parts->first.trimmed(), numeric::generalForm(PaperChoice::kLargestSideMm));
    if (!stored)
        return QCoreApplication::translate(
            "PrinterPapers", "its value cannot be read as a paper and its orientation, as \"A4, portrait\"");
    return QCoreApplication::translate(
        "PrinterPapers", "\"%1\" is not a paper and its orientation, as \"A4, portrait\"")
        .arg(*stored);
}

bool PrinterPapers::has(const QString& deviceName)
{
    QString reason;
    return !deviceName.isEmpty() && m_store.load(reason) && m_store.keysIn(kGroup).contains(deviceName);
}

bool PrinterPapers::keep(const QString& deviceName, const PaperChoice& paper, QString& reason)
{
    if (deviceName.isEmpty()) {
        reason = QCoreApplication::translate("PrinterPapers", "the printer has no name");
        return false;
    }
    m_store.writeIn(kGroup, deviceName, paper.text());
    return m_store.flush(reason);
}
