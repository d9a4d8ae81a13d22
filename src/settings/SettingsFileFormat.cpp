#include "settings/SettingsFileFormat.h"

#include "settings/SettingField.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <vector>

namespace {

struct FileLine {
    QString label;
    SettingField field;
};

const std::vector<FileLine>& fileLines()
{
    static const std::vector<FileLine> lines = [] {
        std::vector<FileLine> list {
            { QStringLiteral("Smallest Mark is 1 Degree = "), SettingField::option(Option::OneDeg) },
            { QStringLiteral("Smallest Mark is 5 Degree = "), SettingField::option(Option::FiveDeg) },
            { QStringLiteral("Black on White background = "), SettingField::check(Check::BW) },
            { QStringLiteral("White on Black background = "), SettingField::check(Check::WB) },
            { QStringLiteral("Altitude / DECL size = "), SettingField::text(SizeText::Altitude) },
            { QStringLiteral("Alt/DECL size is diameter = "), SettingField::option(Option::AltDia) },
            { QStringLiteral("Alt/DECL size is length = "), SettingField::option(Option::AltLen) },
            { QStringLiteral("Alt/DECL units is mm = "), SettingField::option(Option::Altmm) },
            { QStringLiteral("Alt/DECL units is inches = "), SettingField::option(Option::Altin) },
            { QStringLiteral("Azimuth/RA size = "), SettingField::text(SizeText::Azimuth) },
            { QStringLiteral("Azimuth/RA size is diameter = "), SettingField::option(Option::AzDia) },
            { QStringLiteral("Azimuth/RA size is length = "), SettingField::option(Option::AzLen) },
            { QStringLiteral("Azimuth/RA units is mm = "), SettingField::option(Option::Azmm) },
            { QStringLiteral("Azimuth/RA units is inches = "), SettingField::option(Option::Azin) },
            { QStringLiteral("Azimuth circle = "), SettingField::option(Option::Az) },
            { QStringLiteral("RA circle = "), SettingField::option(Option::Ra) },
        };
        for (int set = 1; set <= kCircleSets; ++set) {
            const QString circle = QStringLiteral("Circle ") + QString::number(set);
            list.push_back({ circle + QStringLiteral(" print = "), SettingField::setCheck(set) });
            list.push_back({ circle + QStringLiteral(" Smallest mark width = "),
                SettingField::slider(Slider::SmallMark, set) });
            // The capital W belongs to the fixed label.
            list.push_back({ circle + QStringLiteral(" 5 degree mark Width = "),
                SettingField::slider(Slider::FiveMark, set) });
            list.push_back({ circle + QStringLiteral(" 10 degree mark width = "),
                SettingField::slider(Slider::TenMark, set) });
            list.push_back({ circle + QStringLiteral(" Height of circles = "),
                SettingField::slider(Slider::CircleWidth, set) });
            list.push_back({ circle + QStringLiteral(" Font size of circles = "),
                SettingField::slider(Slider::Font, set) });
            list.push_back({ circle + QStringLiteral(" Scale on top = "), SettingField::checkTop(set) });
        }
        list.push_back({ QStringLiteral("Azimuth circle left to right increasing numbers = "),
            SettingField::check(Check::AzCT) });
        Q_ASSERT(list.size() == SettingsFileFormat::kLineCount);
        return list;
    }();
    return lines;
}

enum class LineRead { Line, TooLong, End };

// One line ended by CR LF, LF or a lone CR; the last line may lack its end.
LineRead readLine(QIODevice& file, QByteArray& line)
{
    line.clear();
    char c = 0;
    if (!file.getChar(&c))
        return LineRead::End;
    for (;;) {
        if (c == '\n')
            return LineRead::Line;
        if (c == '\r') {
            char next = 0;
            if (file.getChar(&next) && next != '\n')
                file.ungetChar(next);
            return LineRead::Line;
        }
        if (line.size() >= SettingsFileFormat::kMaxLineBytes)
            return LineRead::TooLong;
        line.append(c);
        if (!file.getChar(&c))
            return LineRead::Line;
    }
}

} // namespace

QByteArray SettingsFileFormat::contents(const SettingsModel& model)
{
    QString text;
    for (const FileLine& line : fileLines()) {
        QString value = line.field.valueText(model);
        if (line.field.kind() == SettingField::Kind::SetCheck) {
            value = QLatin1Char(' ') + value + QLatin1Char(' '); // a printed number: blanks around the digit
        } else if (line.field.kind() == SettingField::Kind::Text) {
            // A line break inside a size text would shift every later line out of its place.
            value.replace(QLatin1Char('\r'), QLatin1Char(' '));
            value.replace(QLatin1Char('\n'), QLatin1Char(' '));
        }
        text += line.label + value + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

std::optional<QString> SettingsFileFormat::valueOf(const QString& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    qsizetype start = equals + 1;
    if (start < line.size())
        start += line.at(start).isHighSurrogate() && start + 1 < line.size() ? 2 : 1;
    return line.mid(start);
}

QString SettingsFileFormat::label(int line)
{
    if (line < 1 || line > kLineCount)
        return QString();
    QString text = fileLines()[static_cast<std::size_t>(line - 1)].label;
    text.chop(3); // " = "
    return text;
}

QString SettingsFileFormat::stopMessage(const QString& path, int count, int failingLine)
{
    const int applied = failingLine > 0 ? failingLine - 1 : count;
    const QString reason = failingLine > 0
        ? QCoreApplication::translate("SettingsFileCommands", "line %1 (\"%2\") could not be applied")
              .arg(QString::number(failingLine), label(failingLine))
        : QCoreApplication::translate("SettingsFileCommands", "the file ends after line %1")
              .arg(QString::number(count));
    return QCoreApplication::translate(
        "SettingsFileCommands", "%n of %1 settings restored from '%2': %3.", nullptr, applied)
        .arg(QString::number(kLineCount), path, reason);
}

int SettingsFileFormat::restore(SettingsModel& model, QIODevice& file, int* failingLine)
{
    int count = 0;
    if (failingLine != nullptr)
        *failingLine = 0;
    const auto fail = [&] {
        if (failingLine != nullptr)
            *failingLine = count;
    };
    QByteArray bytes;
    for (const FileLine& position : fileLines()) {
        const LineRead read = readLine(file, bytes);
        if (read == LineRead::End)
            break;
        ++count;
        if (read == LineRead::TooLong) {
            fail();
            break;
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decoder.decode(bytes);
        if (decoder.hasError()) {
            fail();
            break;
        }
        const std::optional<QString> value = valueOf(line);
        if (!value || !position.field.apply(model, *value)) {
            fail();
            break;
        }
    }
    return count;
}
