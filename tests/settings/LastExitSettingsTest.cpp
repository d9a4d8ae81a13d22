#include "settings/LastExitSettings.h"
#include "ChildProcess.h"
#include "ModelFixtures.h"
#include "settings/QtSettingsStore.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace {

using fixtures::everySetting;

/// Keeps what was written, in order, to check the keys' names, order and text forms.
class RecordingStore : public SettingsStore {
public:
    std::optional<QString> read(const QString& key) const override
    {
        const auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional<QString>(it->second);
    }
    void write(const QString& key, const QString& value) override
    {
        order.push_back(key.toStdString());
        values[key] = value;
    }
    bool flush(QString&) override { return true; }

    std::vector<std::string> order;
    std::map<QString, QString> values;
};

class LastExitSettingsTest : public ::testing::Test {
protected:
    QString storePath() const { return m_dir.filePath(QStringLiteral("Vennaros.ini")); }

    void writeStore(const QByteArray& ini) { fixtures::writeFile(storePath(), ini); }

    QTemporaryDir m_dir;
};

TEST_F(LastExitSettingsTest, AFirstStartLoadsTheDefaults)
{
    QtSettingsStore store(storePath());
    SettingsModel model;
    model.setSmallestMark(3.0);
    const WindowPosition position = LastExitSettings(model, store).start();

    EXPECT_EQ(position.top, 2000.0f);
    EXPECT_EQ(position.left, 1000.0f);
    EXPECT_EQ(everySetting(model).toStdString(), everySetting(SettingsModel()).toStdString());
    EXPECT_EQ(model.smallestMark(), 1.0);
    EXPECT_EQ(model.status().text(), QStringLiteral("Settings reset to last exit values"));
    EXPECT_EQ(model.status().color(), StatusLine::kStatusColor);
    EXPECT_FALSE(QFile::exists(storePath())) << "loading must not create the store";
}

TEST_F(LastExitSettingsTest, ExitThenStartBringsBackEverythingButScaleOnTop)
{
    SettingsModel before;
    fixtures::changeEverything(before);
    {
        QtSettingsStore store(storePath());
        EXPECT_TRUE(LastExitSettings(before, store).exit({ 1234.5f, -60.25f }));
        EXPECT_EQ(before.status().text(), QStringLiteral("Settings saved"));
        EXPECT_EQ(before.status().color(), StatusLine::kStatusColor);
    }

    QtSettingsStore store(storePath());
    SettingsModel after;
    const WindowPosition position = LastExitSettings(after, store).start();
    EXPECT_EQ(position.top, 1234.5f);
    EXPECT_EQ(position.left, -60.25f);

    for (int set = 1; set <= kCircleSets; ++set) {
        EXPECT_EQ(after.checkTop(set), 1) << "scale on top is never stored";
        before.setCheckTop(set, 1);
        EXPECT_EQ(after.circleEnabled(set), before.circleEnabled(set));
    }
    EXPECT_EQ(everySetting(after).toStdString(), everySetting(before).toStdString());
    EXPECT_EQ(after.smallestMark(), 5.0);
    EXPECT_EQ(after.azimuthButtonCaption(), QStringLiteral("Print RA"));
}

TEST_F(LastExitSettingsTest, ExitWritesEveryKeyInOrderAsText)
{
    RecordingStore store;
    SettingsModel model;
    model.setSlider(Slider::CircleWidth, 2, 150);
    ASSERT_TRUE(LastExitSettings(model, store).exit(WindowPosition {}));

    const std::vector<std::string> expected { "1 Deg", "5 Deg", "BW Ck", "WB Ck", "Alt Tx", "Az Tx",
        "Alt Dia", "Az Dia", "Alt Len", "Az Len", "Alt mm", "Az mm", "Alt in", "Az in", "Az Opt", "RA Opt",
        "Check 1", "SmallMark 1", "FiveMark 1", "TenMark 1", "CircleWidth 1", "FontSize 1", "Check 2",
        "SmallMark 2", "FiveMark 2", "TenMark 2", "CircleWidth 2", "FontSize 2", "Check 3", "SmallMark 3",
        "FiveMark 3", "TenMark 3", "CircleWidth 3", "FontSize 3", "Form Top", "Form Left", "Az LtoR",
        "Scale Check", "Split Long", "Verniers", "Both Ways", "Rings", "Half Deg", "Signed Dec", "Zero At",
        "Closing Tab", "Arc From", "Arc To", "Ring From Centre", "Export Strokes" };
    EXPECT_EQ(store.order, expected);
    EXPECT_EQ(store.values[QStringLiteral("Export Strokes")], QStringLiteral("0")); // filled outlines
    EXPECT_EQ(store.values[QStringLiteral("1 Deg")], QStringLiteral("True"));
    EXPECT_EQ(store.values[QStringLiteral("5 Deg")], QStringLiteral("False"));
    EXPECT_EQ(store.values[QStringLiteral("WB Ck")], QStringLiteral("0"));
    EXPECT_EQ(store.values[QStringLiteral("Alt Tx")], QStringLiteral("3"));
    EXPECT_EQ(store.values[QStringLiteral("CircleWidth 2")], QStringLiteral("150"));
    EXPECT_EQ(store.values[QStringLiteral("Form Top")], QStringLiteral("2000"));
    EXPECT_EQ(store.values[QStringLiteral("Form Left")], QStringLiteral("1000"));
    EXPECT_EQ(store.values[QStringLiteral("Scale Check")], QStringLiteral("0"));
}

TEST_F(LastExitSettingsTest, PageOptionsComeBackFromTheStoreButNotFromTheFile)
{
    SettingsModel before;
    for (Check page : { Check::ScaleCheck, Check::SplitLong, Check::Verniers, Check::BothWays, Check::Rings,
             Check::HalfDeg, Check::SignedDec, Check::RingFromCentre })
        before.setCheck(page, SettingsModel::kChecked);
    before.setText(SizeText::ZeroAt, QStringLiteral("22.5"));
    before.setText(SizeText::ArcFrom, QStringLiteral("90"));
    before.setText(SizeText::ArcTo, QStringLiteral("0"));
    {
        QtSettingsStore store(storePath());
        ASSERT_TRUE(LastExitSettings(before, store).exit({}));
    }
    SettingsModel after;
    QtSettingsStore store(storePath());
    LastExitSettings(after, store).start();
    for (Check page : { Check::ScaleCheck, Check::SplitLong, Check::Verniers, Check::BothWays, Check::Rings,
             Check::HalfDeg, Check::SignedDec, Check::RingFromCentre })
        EXPECT_EQ(after.check(page), SettingsModel::kChecked);
    EXPECT_EQ(after.text(SizeText::ZeroAt), QStringLiteral("22.5"));
    EXPECT_EQ(after.text(SizeText::ArcFrom), QStringLiteral("90"));
    EXPECT_EQ(after.text(SizeText::ArcTo), QStringLiteral("0"));
    EXPECT_EQ(everySetting(before).count(QLatin1Char('\n')), 38);

    writeStore("[Defaults]\nScale%20Check=7\nSplit%20Long=yes\n");
    LastExitSettings(after, store).reset();
    EXPECT_EQ(after.check(Check::ScaleCheck), SettingsModel::kUnchecked);
    EXPECT_EQ(after.check(Check::SplitLong), SettingsModel::kUnchecked);
    EXPECT_EQ(after.check(Check::Verniers), SettingsModel::kUnchecked);
}

TEST_F(LastExitSettingsTest, WhiteOnBlackAloneIsRefusedAtStartButKeptAtReset)
{
    writeStore("[Defaults]\nBW%20Ck=0\nWB%20Ck=1\n");
    QtSettingsStore store(storePath());
    SettingsModel model;
    LastExitSettings settings(model, store);

    settings.start();
    EXPECT_EQ(model.check(Check::BW), 1);
    EXPECT_EQ(model.check(Check::WB), 1);
    EXPECT_EQ(model.status().text(), LastExitSettings::resetMessage()) << "the guard's refusal is replaced";
    EXPECT_EQ(model.status().color(), StatusLine::kStatusColor);

    model.setCheck(Check::BW, 0);
    settings.reset();
    EXPECT_EQ(model.check(Check::BW), 0);
    EXPECT_EQ(model.check(Check::WB), 1);
}

TEST_F(LastExitSettingsTest, ResetPutsBackTheStoredValuesAndReplacesAnError)
{
    writeStore("[Defaults]\nSmallMark%201=4\nCircleWidth%203=150\nAlt%20Tx=\"3,5\"\nCheck%202=2\n");
    QtSettingsStore store(storePath());
    SettingsModel model;
    LastExitSettings settings(model, store);
    settings.start();
    EXPECT_EQ(model.text(SizeText::Altitude), QStringLiteral("3,5")) << "a quoted comma is one text";
    EXPECT_TRUE(model.circleEnabled(2)) << "a grayed box prints its set";

    model.setSlider(Slider::SmallMark, 1, 1);
    model.setSlider(Slider::CircleWidth, 3, 200);
    model.setSlider(Slider::Font, 2, 14);
    model.setCheckTop(2, 0);
    model.status().show(StatusLine::kErrorColor, QStringLiteral("Must be numeric."));
    settings.reset();

    EXPECT_EQ(model.slider(Slider::SmallMark, 1), 4);
    EXPECT_EQ(model.slider(Slider::CircleWidth, 3), 150);
    EXPECT_EQ(model.slider(Slider::Font, 2), 10);
    EXPECT_EQ(model.checkTop(2), 0) << "Reset leaves scale on top alone";
    EXPECT_EQ(model.status().text(), LastExitSettings::resetMessage());
    EXPECT_EQ(model.status().color(), StatusLine::kStatusColor);
}

TEST_F(LastExitSettingsTest, StartSetsTheMirrorsFromTheLoadedOptions)
{
    writeStore("[Defaults]\nRA%20Opt=True\nAz%20Opt=False\n1%20Deg=0\n5%20Deg=False\n");
    QtSettingsStore store(storePath());
    SettingsModel model;
    model.setOption(Option::FiveDeg, true);
    LastExitSettings(model, store).start();

    EXPECT_TRUE(model.option(Option::Ra));
    EXPECT_EQ(model.azimuthButtonCaption(), QStringLiteral("Print RA"));
    EXPECT_FALSE(model.option(Option::OneDeg));
    EXPECT_FALSE(model.option(Option::FiveDeg));
    EXPECT_EQ(model.smallestMark(), 1.0) << "no graduation selected falls back to 1 degree";
}

TEST_F(LastExitSettingsTest, GarbageInEveryKeyLoadsTheDefaults)
{
    writeStore(
        "[Defaults]\n"
        "1%20Deg=maybe\n5%20Deg=\n"
        "BW%20Ck=7\nWB%20Ck=1.5\n"
        "Alt%20Tx=3,5\nAz%20Tx=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5QSize)\n"
        "Alt%20Dia=@ByteArray(True)\nAz%20Dia=@Invalid()\nAlt%20Len=1e999\nAz%20Len=nan\n"
        "Alt%20mm=inf\nAz%20mm=True False\nAlt%20in=@Rect(1 2 3 4)\nAz%20in=\nAz%20Opt=yes\nRA%20Opt=-\n"
        "Check%201=99999999999\nSmallMark%201=9\nFiveMark%201=0\nTenMark%201=2.0\n"
        "CircleWidth%201=49\nFontSize%201=15\n"
        "Check%202=-1\nSmallMark%202=x\nFiveMark%202=\nTenMark%202=+\nCircleWidth%202=201\nFontSize%202=1e1\n"
        "Check%203=3\nSmallMark%203=2147483648\nFiveMark%203=a,b\nTenMark%203=0x3\n"
        "CircleWidth%203=100 100\nFontSize%203=-10\n"
        "Az%20LtoR=\xff\xfe\n"
        "Form%20Top=nan\nForm%20Left=1e30\n");
    QtSettingsStore store(storePath());
    SettingsModel model;
    const WindowPosition position = LastExitSettings(model, store).start();

    EXPECT_EQ(everySetting(model).toStdString(), everySetting(SettingsModel()).toStdString());
    EXPECT_EQ(position.top, 2000.0f);
    EXPECT_EQ(position.left, 1000.0f);
    EXPECT_EQ(model.status().text(), LastExitSettings::resetMessage());
}

TEST_F(LastExitSettingsTest, ABinaryStoreLoadsTheDefaultsAndIsReplacedAtExit)
{
    QByteArray junk;
    for (int i = 0; i < 100000; ++i)
        junk.append(static_cast<char>((i * 7919 + i / 13) & 0xff));
    writeStore(junk);
    SettingsModel model;
    {
        QtSettingsStore store(storePath());
        LastExitSettings(model, store).start();
        EXPECT_EQ(everySetting(model).toStdString(), everySetting(SettingsModel()).toStdString());
        model.setSlider(Slider::Font, 3, 13);
        EXPECT_TRUE(LastExitSettings(model, store).exit({ 10.0f, 20.0f }));
    }
    QtSettingsStore store(storePath());
    SettingsModel again;
    LastExitSettings(again, store).start();
    EXPECT_EQ(again.slider(Slider::Font, 3), 13);
}

TEST_F(LastExitSettingsTest, AStoreThatCannotBeWrittenIsReportedNotPraised)
{
    // A regular file where the store's folder should be: unwritable for root too.
    fixtures::writeFile(m_dir.filePath(QStringLiteral("blocker")), "x");
    QtSettingsStore store(m_dir.filePath(QStringLiteral("blocker/Vennaros.ini")));
    SettingsModel model;
    EXPECT_FALSE(LastExitSettings(model, store).exit(WindowPosition {}));
    EXPECT_TRUE(model.status().text().startsWith(QStringLiteral("Settings could not be saved: ")))
        << model.status().text().toStdString();
    EXPECT_TRUE(model.status().text().contains(QStringLiteral("blocker")));
    EXPECT_EQ(model.status().color(), StatusLine::kErrorColor);
}

// A store of exactly `size` bytes whose first key moves SmallMark 1 off its default; the rest is an
// INI comment.
QByteArray paddedStore(qsizetype size)
{
    QByteArray ini("[Defaults]\nSmallMark%201=4\n");
    ini += ';' + QByteArray(size - ini.size() - 2, 'x') + '\n';
    return ini;
}

TEST_F(LastExitSettingsTest, AStoreOfExactlyOneMiBIsStillRead)
{
    writeStore(paddedStore(QtSettingsStore::kMaxFileBytes));
    QtSettingsStore store(storePath());
    SettingsModel model;
    LastExitSettings(model, store).start();
    EXPECT_EQ(model.slider(Slider::SmallMark, 1), 4);
    EXPECT_EQ(model.status().text(), LastExitSettings::resetMessage());
}

TEST_F(LastExitSettingsTest, AStoreLinkedToARegularFileIsUsedThroughTheLink)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("dotfiles")));
    const QString target = m_dir.filePath(QStringLiteral("dotfiles/vennaros.ini"));
    fixtures::writeFile(target, "[Defaults]\nFontSize%201=12\n");
    ASSERT_TRUE(QFile::link(target, storePath()));
    {
        QtSettingsStore store(storePath());
        SettingsModel model;
        LastExitSettings settings(model, store);
        settings.start();
        EXPECT_EQ(model.slider(Slider::Font, 1), 12);
        model.setSlider(Slider::Font, 1, 13);
        EXPECT_TRUE(settings.exit(WindowPosition {}));
    }
    EXPECT_EQ(QFileInfo(storePath()).symLinkTarget(), target) << "the link stays a link";
    QtSettingsStore store(target);
    SettingsModel model;
    LastExitSettings(model, store).start();
    EXPECT_EQ(model.slider(Slider::Font, 1), 13);
}

TEST_F(LastExitSettingsTest, AReadOnlyStoreIsReadButNotReplacedEvenByRoot)
{
    writeStore("[Defaults]\nFontSize%201=12\n");
    QFile::setPermissions(storePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const std::string before = fixtures::snapshot(storePath());
    QtSettingsStore store(storePath());
    SettingsModel model;
    LastExitSettings settings(model, store);
    settings.start();
    EXPECT_EQ(model.slider(Slider::Font, 1), 12);
    EXPECT_EQ(model.status().text(), LastExitSettings::resetMessage());

    EXPECT_FALSE(settings.exit(WindowPosition {}));
    EXPECT_EQ(model.status().text().toStdString(),
        (QStringLiteral("Settings could not be saved: the settings store is read-only ('") + storePath()
            + QStringLiteral("')"))
            .toStdString());
    EXPECT_EQ(fixtures::snapshot(storePath()), before);
}

/// A store path that must be neither read nor replaced, and what the messages say of it.
struct UnusableStoreCase {
    const char* name;
    std::function<QString(const QTemporaryDir&)> make; ///< the store path; empty to skip the row
    const char* why;
    bool unreadable = false; ///< run as a user other than root, who may read anything
};

void PrintTo(const UnusableStoreCase& row, std::ostream* out)
{
    *out << row.name;
}

QString storeIn(const QTemporaryDir& dir)
{
    return dir.filePath(QStringLiteral("Vennaros.ini"));
}

QString linkedTo(const QTemporaryDir& dir, const QString& target)
{
    return QFile::link(target, storeIn(dir)) ? storeIn(dir) : QString();
}

QString namedPipe(const QTemporaryDir& dir, const char* name)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

// A device node of our own where one can be made, so that a fault replaces only that; otherwise the
// system's null device, but only for a user who could never replace it.
QString characterDevice(const QTemporaryDir& dir)
{
    const QString own = dir.filePath(QStringLiteral("null-device"));
    if (::mknod(QFile::encodeName(own).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        return own;
    return ::geteuid() == 0 ? QString() : QStringLiteral("/dev/null");
}

constexpr uid_t kNobody = 65534; // and its group

class UnusableStore : public ::testing::TestWithParam<UnusableStoreCase> {
protected:
    QTemporaryDir m_dir;
};

// In a child process: before the check, opening a pipe hung the start for good.
TEST_P(UnusableStore, StartAndResetLoadTheDefaultsAndExitWritesNothing)
{
    const QString path = GetParam().make(m_dir);
    if (path.isEmpty())
        GTEST_SKIP() << "cannot make this kind of file here";
    const std::string before = fixtures::snapshot(path);
    const QString problem = QStringLiteral("the settings store ") + QString::fromLatin1(GetParam().why)
        + QStringLiteral(" ('") + path + QStringLiteral("')");

    const auto inChild = [&] {
        if (GetParam().unreadable && ::geteuid() == 0) {
            ASSERT_EQ(::setgroups(0, nullptr), 0);
            ASSERT_EQ(::setgid(kNobody), 0);
            ASSERT_EQ(::setuid(kNobody), 0);
        }
        QtSettingsStore store(path);
        SettingsModel model;
        LastExitSettings settings(model, store);
        const WindowPosition position = settings.start();
        EXPECT_EQ(everySetting(model).toStdString(), everySetting(SettingsModel()).toStdString());
        EXPECT_EQ(position.top, 2000.0f);
        EXPECT_EQ(model.status().text().toStdString(),
            (QStringLiteral("Settings reset to defaults: ") + problem).toStdString());
        EXPECT_EQ(model.status().color(), StatusLine::kErrorColor);

        model.setSlider(Slider::Font, 1, 12);
        model.status().show(StatusLine::kStatusColor, QString());
        settings.reset();
        EXPECT_EQ(model.slider(Slider::Font, 1), 10);
        EXPECT_EQ(model.status().text().toStdString(),
            (QStringLiteral("Settings reset to defaults: ") + problem).toStdString());
        EXPECT_EQ(model.status().color(), StatusLine::kErrorColor);

        EXPECT_FALSE(settings.exit({ 10.0f, 20.0f }));
        EXPECT_EQ(model.status().text().toStdString(),
            (QStringLiteral("Settings could not be saved: ") + problem).toStdString());
        EXPECT_EQ(model.status().color(), StatusLine::kErrorColor);
    };
    EXPECT_EQ(childprocess::runInChild(inChild), "");
    EXPECT_EQ(fixtures::snapshot(path), before);
}

INSTANTIATE_TEST_SUITE_P(LastExitSettings, UnusableStore,
    ::testing::Values(UnusableStoreCase { "LinkToANamedPipe",
                          [](const QTemporaryDir& d) { return linkedTo(d, namedPipe(d, "pipe")); },
                          "is a link to a named pipe" },
        UnusableStoreCase { "LinkToACharacterDevice",
            [](const QTemporaryDir& d) {
                const QString device = characterDevice(d);
                return device.isEmpty() ? device : linkedTo(d, device);
            },
            "is a link to a device" },
        UnusableStoreCase { "NamedPipe", [](const QTemporaryDir& d) { return namedPipe(d, "Vennaros.ini"); },
            "is a named pipe" },
        UnusableStoreCase { "Folder",
            [](const QTemporaryDir& d) {
                return QDir(d.path()).mkdir(QStringLiteral("Vennaros.ini")) ? storeIn(d) : QString();
            },
            "is a folder" },
        UnusableStoreCase { "LinkToNothing",
            [](const QTemporaryDir& d) { return linkedTo(d, d.filePath(QStringLiteral("gone.ini"))); },
            "is a link to nothing" },
        // Just over the limit: the key at its top must not be read (a 200 MB store took seconds
        // and gigabytes to start).
        UnusableStoreCase { "LargerThanOneMiB",
            [](const QTemporaryDir& d) {
                fixtures::writeFile(storeIn(d), paddedStore(QtSettingsStore::kMaxFileBytes + 1));
                return storeIn(d);
            },
            "is larger than 1 MiB" },
        UnusableStoreCase { "Unreadable",
            [](const QTemporaryDir& d) {
                fixtures::writeFile(storeIn(d), "[Defaults]\nSmallMark%201=4\n");
                QFile::setPermissions(storeIn(d), {});
                QFile::setPermissions(d.path(),
                    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                        | QFile::ExeOther);
                return storeIn(d);
            },
            "cannot be read: Permission denied", true }),
    [](const ::testing::TestParamInfo<UnusableStoreCase>& row) { return std::string(row.param.name); });

/// A store that QSettings reads only in part, or whole; what the start says and whether a copy of
/// the file is kept beside it before Exit rewrites it.
struct PartlyReadStoreCase {
    const char* name;
    QByteArray ini;
    int fontSize1; ///< what the part that was read still gives
    bool readInPart;
};

void PrintTo(const PartlyReadStoreCase& row, std::ostream* out)
{
    *out << row.name;
}

class PartlyReadStore : public ::testing::TestWithParam<PartlyReadStoreCase> {
protected:
    QString storePath() const { return m_dir.filePath(QStringLiteral("Vennaros.ini")); }
    QStringList copies() const
    {
        return QDir(m_dir.path()).entryList({ QStringLiteral("Vennaros.ini.unreadable-*") }, QDir::Files);
    }
    QTemporaryDir m_dir;
};

TEST_P(PartlyReadStore, IsCopiedAsideOnceAndSaidInRedBeforeExitRewritesIt)
{
    const PartlyReadStoreCase& row = GetParam();
    fixtures::writeFile(storePath(), row.ini);
    const QString copy
        = storePath() + QStringLiteral(".unreadable-") + QDate::currentDate().toString(Qt::ISODate);

    QtSettingsStore store(storePath());
    SettingsModel model;
    LastExitSettings settings(model, store);
    settings.start();
    EXPECT_EQ(model.slider(Slider::Font, 1), row.fontSize1);
    if (!row.readInPart) {
        EXPECT_EQ(model.status().text(), LastExitSettings::resetMessage());
        EXPECT_EQ(model.status().color(), StatusLine::kStatusColor);
        EXPECT_TRUE(copies().isEmpty());
        return;
    }
    const std::string said
        = (QStringLiteral("Settings reset to what could be read: the settings store can be "
                          "read only in part; the whole file is kept as '")
            + copy + QStringLiteral("'"))
              .toStdString();
    EXPECT_EQ(model.status().text().toStdString(), said);
    EXPECT_EQ(model.status().color(), StatusLine::kErrorColor);
    EXPECT_EQ(fixtures::readFile(copy), row.ini);

    settings.reset();
    EXPECT_EQ(model.status().text().toStdString(), said) << "Reset names the same copy";
    EXPECT_TRUE(settings.exit(WindowPosition {}));
    EXPECT_EQ(copies(), QStringList { QFileInfo(copy).fileName() }) << "one copy, however often read";
    EXPECT_EQ(fixtures::readFile(copy), row.ini) << "the copy keeps what Exit dropped";

    // The next run of the same day over the same damage reuses the copy rather than adding one.
    fixtures::writeFile(storePath(), row.ini);
    QtSettingsStore next(storePath());
    SettingsModel again;
    LastExitSettings(again, next).start();
    EXPECT_EQ(again.status().text().toStdString(), said);
    EXPECT_EQ(copies().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(LastExitSettings, PartlyReadStore,
    ::testing::Values(
        // An open quote swallowed the printer groups after it: Exit wrote the store without them.
        PartlyReadStoreCase { "OpenQuoteBeforeThePrinterGroups",
            "[Defaults]\nFontSize%201=12\nZero%20At=\"10\nClosing%20Tab=1\n"
            "[Printer%20Scale]\nPDF=\"1.01 0.99\"\n[Printer%20Paper]\nLaser=\"A4, landscape\"\n",
            12, true },
        PartlyReadStoreCase {
            "OpenQuoteSwallowingKeys", "[Defaults]\nZero%20At=\"10\nFontSize%201=12\n", 10, true },
        PartlyReadStoreCase { "ALineQSettingsCannotParse",
            "[Defaults]\nFontSize%201=12\njunkline\n[Printer%20Scale]\nLaser=\"1 1\"\n", 12, true },
        PartlyReadStoreCase {
            "BinaryJunk", QByteArray("\x01\x02[\xff]=\n\x80\x81\x82\x00\x7f", 12), 10, true },
        PartlyReadStoreCase { "QuotedValuesAGeneralGroupAndComments",
            "[General]\nx=1\n; a comment\n[Defaults]\nFontSize%201=\"12\"\nZero%20At=\"1,5\"\n"
            "[Printer%20Scale]\nPDF=\"1.01 0.99\"\n",
            12, false }),
    [](const ::testing::TestParamInfo<PartlyReadStoreCase>& row) { return std::string(row.param.name); });

// In a child process as a user who cannot write the store's folder: no copy, so no rewrite.
TEST_F(LastExitSettingsTest, AStoreReadInPartThatCannotBeCopiedIsNotRewritten)
{
    const QByteArray ini = "[Defaults]\nFontSize%201=12\nZero%20At=\"10\n[Printer%20Scale]\nPDF=\"1 1\"\n";
    writeStore(ini);
    QFile::setPermissions(
        storePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(m_dir.path(),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const auto inChild = [&] {
        if (::geteuid() == 0) {
            ASSERT_EQ(::setgroups(0, nullptr), 0);
            ASSERT_EQ(::setgid(kNobody), 0);
            ASSERT_EQ(::setuid(kNobody), 0);
        }
        QtSettingsStore store(storePath());
        SettingsModel model;
        LastExitSettings settings(model, store);
        settings.start();
        const QString why = QStringLiteral("the settings store can be read only in part and no copy of it "
                                           "could be made ('")
            + storePath() + QStringLiteral("')");
        EXPECT_EQ(model.status().text().toStdString(),
            (QStringLiteral("Settings reset to what could be read: ") + why).toStdString());
        EXPECT_FALSE(settings.exit(WindowPosition {}));
        EXPECT_EQ(model.status().text().toStdString(),
            (QStringLiteral("Settings could not be saved: ") + why).toStdString());
    };
    EXPECT_EQ(childprocess::runInChild(inChild), "");
    EXPECT_EQ(fixtures::readFile(storePath()), ini);
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(QtSettingsStore, TheUserStoreIsTheProgramsIniFileInTheConfigFolder)
{
    const auto store = QtSettingsStore::openUserStore();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    EXPECT_EQ(QDir::cleanPath(store->fileName()).toStdString(),
        QDir::cleanPath(config + QStringLiteral("/Vennaros/Vennaros.ini")).toStdString());
}

} // namespace
