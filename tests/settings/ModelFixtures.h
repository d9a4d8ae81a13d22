#pragma once

#include "settings/SettingsFileFormat.h"
#include "settings/SettingsModel.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <string>
#include <sys/stat.h>

namespace fixtures {

/// Moves every setting off its default, so a round trip that drops or swaps one shows.
inline void changeEverything(SettingsModel& m)
{
    m.setOption(Option::FiveDeg, true);
    m.setCheck(Check::WB, 1); // both styles: white on black alone is refused while loading
    m.setText(SizeText::Altitude, QStringLiteral("12.5"));
    m.setText(SizeText::Azimuth, QStringLiteral("310"));
    m.setOption(Option::AltLen, true);
    m.setOption(Option::AzLen, true);
    m.setOption(Option::Altmm, true);
    m.setOption(Option::Azmm, true);
    m.setOption(Option::Ra, true);
    m.setCheck(Check::AzCT, 0);
    for (int set = 1; set <= kCircleSets; ++set) {
        m.setSetCheck(set, set == 1 ? 0 : 1);
        m.setCheckTop(set, 0);
        m.setSlider(Slider::SmallMark, set, set);
        m.setSlider(Slider::FiveMark, set, 6 - set);
        m.setSlider(Slider::TenMark, set, set + 2);
        m.setSlider(Slider::CircleWidth, set, 50 + 37 * set);
        m.setSlider(Slider::Font, set, 4 + set);
    }
}

/// Every setting at once, in a form a failed comparison prints readably.
inline QString everySetting(const SettingsModel& m)
{
    return QString::fromUtf8(SettingsFileFormat::contents(m));
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// What lstat and stat say about a path, and the contents of a regular file: equal means untouched.
inline std::string snapshot(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info { };
    if (::lstat(name.constData(), &info) != 0)
        return "nothing";
    std::string text = "mode " + std::to_string(info.st_mode) + " inode " + std::to_string(info.st_ino);
    if (S_ISLNK(info.st_mode))
        text += " link to " + QFileInfo(path).symLinkTarget().toStdString();
    if (::stat(name.constData(), &info) == 0) {
        text += ", target mode " + std::to_string(info.st_mode) + " inode " + std::to_string(info.st_ino)
            + " size " + std::to_string(info.st_size) + " device " + std::to_string(info.st_rdev);
        if (S_ISREG(info.st_mode))
            text += " md5 "
                + QCryptographicHash::hash(readFile(path), QCryptographicHash::Md5).toHex().toStdString();
    }
    return text;
}

} // namespace fixtures
