#include "ChildProcess.h"
#include "ModelFixtures.h"
#include "common/FileSizeSignal.h"
#include "settings/SettingsFileCommands.h"
#include "settings/SettingsFileFormat.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace {

using fixtures::everySetting;
using fixtures::readFile;
using fixtures::writeFile;

/// Answers the dialog and the boxes as a test says and keeps what they were shown.
class ScriptedPrompts : public SettingsFilePrompts {
public:
    std::optional<QString> chooseFile(const FileDialogSetup& setup) override
    {
        setups.push_back(setup);
        return path;
    }
    bool confirmOverwrite(const QString& title, const QString& text) override
    {
        confirmations.push_back(title + QLatin1Char('|') + text);
        return overwrite;
    }
    void showError(const QString& title, const QString& text) override
    {
        errors.push_back(title + QLatin1Char('|') + text);
    }

    std::optional<QString> path;
    bool overwrite = true;
    std::vector<FileDialogSetup> setups;
    std::vector<QString> confirmations;
    std::vector<QString> errors;
};

const char* const kDefaultsFile = "Smallest Mark is 1 Degree = True\r\n"
                                  "Smallest Mark is 5 Degree = False\r\n"
                                  "Black on White background = 1\r\n"
                                  "White on Black background = 0\r\n"
                                  "Altitude / DECL size = 3\r\n"
                                  "Alt/DECL size is diameter = True\r\n"
                                  "Alt/DECL size is length = False\r\n"
                                  "Alt/DECL units is mm = False\r\n"
                                  "Alt/DECL units is inches = True\r\n"
                                  "Azimuth/RA size = 3\r\n"
                                  "Azimuth/RA size is diameter = True\r\n"
                                  "Azimuth/RA size is length = False\r\n"
                                  "Azimuth/RA units is mm = False\r\n"
                                  "Azimuth/RA units is inches = True\r\n"
                                  "Azimuth circle = True\r\n"
                                  "RA circle = False\r\n"
                                  "Circle 1 print =  1 \r\n"
                                  "Circle 1 Smallest mark width = 2\r\n"
                                  "Circle 1 5 degree mark Width = 3\r\n"
                                  "Circle 1 10 degree mark width = 3\r\n"
                                  "Circle 1 Height of circles = 100\r\n"
                                  "Circle 1 Font size of circles = 10\r\n"
                                  "Circle 1 Scale on top = 1\r\n"
                                  "Circle 2 print =  0 \r\n"
                                  "Circle 2 Smallest mark width = 3\r\n"
                                  "Circle 2 5 degree mark Width = 3\r\n"
                                  "Circle 2 10 degree mark width = 3\r\n"
                                  "Circle 2 Height of circles = 100\r\n"
                                  "Circle 2 Font size of circles = 10\r\n"
                                  "Circle 2 Scale on top = 1\r\n"
                                  "Circle 3 print =  0 \r\n"
                                  "Circle 3 Smallest mark width = 3\r\n"
                                  "Circle 3 5 degree mark Width = 4\r\n"
                                  "Circle 3 10 degree mark width = 4\r\n"
                                  "Circle 3 Height of circles = 100\r\n"
                                  "Circle 3 Font size of circles = 10\r\n"
                                  "Circle 3 Scale on top = 1\r\n"
                                  "Azimuth circle left to right increasing numbers = 1\r\n";

int restoreBytes(SettingsModel& model, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return SettingsFileFormat::restore(model, buffer);
}

class SettingsFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    SettingsModel m_model;
    ScriptedPrompts m_prompts;
    SettingsFileCommands m_commands { m_model, m_prompts };
};

TEST(SettingsFileFormat, TheDefaultsAreWrittenAsThirtyEightFixedLines)
{
    EXPECT_EQ(SettingsFileFormat::contents(SettingsModel()).toStdString(), std::string(kDefaultsFile));
}

TEST_F(SettingsFileTest, SaveThenRestoreBringsBackEverySetting)
{
    fixtures::changeEverything(m_model);
    m_model.setText(SizeText::Altitude, QStringLiteral("a=b = 3"));
    m_model.setText(SizeText::Azimuth, QStringLiteral("12,7 \u00bd \u2013 \u65e5 \U0001F52D"));
    m_prompts.path = path("settings.txt");
    m_commands.save();
    EXPECT_TRUE(m_prompts.confirmations.empty()) << "a new file is not asked about";
    EXPECT_EQ(
        m_model.status().text(), QStringLiteral("Settings saved to '") + *m_prompts.path + QLatin1Char('\''));
    EXPECT_EQ(m_model.status().color(), StatusLine::kStatusColor);

    SettingsModel restored;
    restored.status().show(StatusLine::kErrorColor, QStringLiteral("Print function error."));
    SettingsFileCommands(restored, m_prompts).restore();
    EXPECT_EQ(everySetting(restored).toStdString(), everySetting(m_model).toStdString());
    EXPECT_EQ(restored.text(SizeText::Azimuth), m_model.text(SizeText::Azimuth));
    EXPECT_EQ(restored.smallestMark(), 5.0);
    EXPECT_TRUE(restored.circleEnabled(3));
    EXPECT_FALSE(restored.circleEnabled(1));
    EXPECT_EQ(restored.azimuthButtonCaption(), QStringLiteral("Print RA"));
    EXPECT_EQ(restored.status().text(),
        QStringLiteral("38 settings restored from '") + *m_prompts.path + QLatin1Char('\''));
    EXPECT_EQ(restored.status().color(), StatusLine::kStatusColor);
    EXPECT_TRUE(m_prompts.errors.empty());
}

TEST(SettingsFileFormat, ReadingStopsAtTheFirstFailureAndCountsIt)
{
    SettingsModel model;
    const std::string defaults = everySetting(model).toStdString();
    EXPECT_EQ(restoreBytes(model, QByteArray()), 0);
    EXPECT_EQ(everySetting(model).toStdString(), defaults);

    EXPECT_EQ(restoreBytes(model,
                  "Smallest Mark is 1 Degree = False\r\nSmallest Mark is 5 Degree = True\r\n"
                  "Black on White background = abc\r\nWhite on Black background = 1\r\n"),
        3);
    EXPECT_TRUE(model.option(Option::FiveDeg));
    EXPECT_EQ(model.smallestMark(), 5.0);
    EXPECT_EQ(model.check(Check::WB), 0) << "nothing after the failing line is read";

    // End of file is not a line: two lines give two.
    EXPECT_EQ(restoreBytes(model, "a = True\nb = False"), 2);
}

/// One bad line in an otherwise default file: reading stops there and counts it.
struct BadLineCase {
    const char* name;
    std::string line;
    std::string replacement;
    int count;
    const char* stop; ///< the end of the window's red message
};

void PrintTo(const BadLineCase& row, std::ostream* out)
{
    *out << row.name;
}

class RestoreStopsAt : public ::testing::TestWithParam<BadLineCase> { };

TEST_P(RestoreStopsAt, TheBadLine)
{
    QByteArray lines(kDefaultsFile);
    lines.replace(
        QByteArray::fromStdString(GetParam().line), QByteArray::fromStdString(GetParam().replacement));
    SettingsModel model;
    EXPECT_EQ(restoreBytes(model, lines), GetParam().count);

    // The window says how far it got, in red: not a restore of the file.
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    prompts.path = dir.filePath(QStringLiteral("bad.txt"));
    fixtures::writeFile(*prompts.path, lines);
    SettingsFileCommands(model, prompts).restore();
    EXPECT_EQ(model.status().text().toStdString(),
        QString::number(GetParam().count - 1).toStdString() + " of 38 settings restored from '"
            + prompts.path->toStdString() + "': " + GetParam().stop);
    EXPECT_EQ(model.status().color(), StatusLine::kErrorColor);
}

TEST_F(SettingsFileTest, ARestoreCutShortSaysWhereTheFileEnded)
{
    m_prompts.path = path("short.txt");
    QByteArray lines(kDefaultsFile);
    lines.truncate(lines.indexOf("Azimuth/RA size = "));
    writeFile(*m_prompts.path, lines);
    m_commands.restore();
    EXPECT_EQ(m_model.status().text(),
        QStringLiteral("9 of 38 settings restored from '%1': the file ends after line 9.")
            .arg(*m_prompts.path));
    EXPECT_EQ(m_model.status().color(), StatusLine::kErrorColor);
}

INSTANTIATE_TEST_SUITE_P(SettingsFileFormat, RestoreStopsAt,
    ::testing::Values(BadLineCase { "ASliderValueOutOfRange", "Circle 2 Height of circles = 100",
                          "Circle 2 Height of circles = 201", 28,
                          "line 28 (\"Circle 2 Height of circles\") could not be applied." },
        BadLineCase { "ACheckValueTheBoxRefuses", "Circle 3 print =  0 ", "Circle 3 print = 3", 31,
            "line 31 (\"Circle 3 print\") could not be applied." },
        BadLineCase { "ALineWithoutEquals", "RA circle = False", "RA circle False", 16,
            "line 16 (\"RA circle\") could not be applied." },
        BadLineCase { "ASizeTextOverTheLimit", "Azimuth/RA size = 3",
            "Azimuth/RA size = " + std::string(SettingsModel::kMaxSizeTextLength + 1, '7'), 10,
            "line 10 (\"Azimuth/RA size\") could not be applied." }),
    [](const ::testing::TestParamInfo<BadLineCase>& row) { return std::string(row.param.name); });

TEST(SettingsFileFormat, LinesAreTakenByPositionWhateverTheirLabelsAndEnds)
{
    // The default file with every label replaced, LF endings and a 39th line.
    QList<QByteArray> values;
    for (const QByteArray& line : QByteArray(kDefaultsFile).split('\n')) {
        if (!line.isEmpty())
            values += line.mid(line.indexOf('=')).chopped(1);
    }
    values[4] = "= 7.5"; // the altitude size
    values[15] = "= -1"; // the RA option as a number
    values[16] = "=     0   "; // circle 1's print line, other blanks
    values += "extra = not read";
    const QByteArray lines = "#" + values.join("\n#") + "\n";

    SettingsModel model;
    EXPECT_EQ(restoreBytes(model, lines), 38);
    EXPECT_EQ(model.text(SizeText::Altitude), QStringLiteral("7.5"));
    EXPECT_EQ(model.setCheck(1), 0) << "blanks around the digit of a print line are ignored";
    EXPECT_TRUE(model.option(Option::Ra)) << "a number other than 0 is True";

    // Exactly one character after the first '=' is dropped, whatever it is; a lone CR ends a line.
    EXPECT_EQ(restoreBytes(model, "a= True\rb=xFalse\rc==1\rd =\r"), 4);
    EXPECT_TRUE(model.option(Option::OneDeg));
    EXPECT_EQ(model.check(Check::BW), 1);
    EXPECT_EQ(restoreBytes(model, "a= True\rb= False\rc= 1\rd= 0\re=x9 mm\r"), 5);
    EXPECT_EQ(model.text(SizeText::Altitude), QStringLiteral("9 mm"));
}

TEST(SettingsFileFormat, TheStyleGuardRunsAsTheLinesGoIn)
{
    SettingsModel model;
    QByteArray lines(kDefaultsFile);
    lines.replace("Black on White background = 1", "Black on White background = 0");
    lines.replace("White on Black background = 0", "White on Black background = 1");
    EXPECT_EQ(restoreBytes(model, lines), 38);
    EXPECT_EQ(model.check(Check::BW), 1);
    EXPECT_EQ(model.check(Check::WB), 1);
}

TEST(SettingsFileFormat, HugeAndBinaryFilesEndQuicklyWithoutHoldingThem)
{
    QElapsedTimer timer;
    timer.start();
    SettingsModel model;
    QBuffer huge;
    huge.setData(QByteArray(64 * 1024 * 1024, 'A'));
    huge.open(QIODevice::ReadOnly);
    EXPECT_EQ(SettingsFileFormat::restore(model, huge), 1);
    EXPECT_LE(huge.pos(), SettingsFileFormat::kMaxLineBytes + 1);

    QByteArray binary;
    for (int i = 0; i < 1 << 20; ++i)
        binary.append(static_cast<char>((i * 2654435761u) >> 24));
    const int count = restoreBytes(model, binary);
    EXPECT_GE(count, 1);
    EXPECT_LE(count, SettingsFileFormat::kLineCount);

    // Invalid UTF-8 is not put into a size text.
    EXPECT_EQ(restoreBytes(model, "1 = True\r\n2 = False\r\n3 = 1\r\n4 = 0\r\n5 = 3\xff\xfe\r\n"), 5);
    EXPECT_EQ(model.text(SizeText::Altitude), QStringLiteral("3"));
    EXPECT_LT(timer.elapsed(), 20000);
}

TEST(SettingsFileFormat, ALineBreakInASizeTextCannotShiftTheLines)
{
    SettingsModel model;
    model.setText(SizeText::Altitude, QStringLiteral("3\r\nSmallest Mark is 5 Degree = True"));
    const QByteArray contents = SettingsFileFormat::contents(model);
    EXPECT_EQ(contents.count("\r\n"), 38);
    SettingsModel restored;
    EXPECT_EQ(restoreBytes(restored, contents), 38);
    EXPECT_FALSE(restored.option(Option::FiveDeg));
}

TEST_F(SettingsFileTest, CancelledDialogsDoNothingButClearTheStatus)
{
    m_model.status().show(StatusLine::kErrorColor, QStringLiteral("Cannot uncheck both circle styles."));
    m_commands.save();
    EXPECT_TRUE(m_model.status().text().isEmpty());
    m_commands.restore();
    EXPECT_TRUE(m_prompts.errors.empty());
    EXPECT_TRUE(m_prompts.confirmations.empty());

    EXPECT_EQ(m_prompts.setups.size(), 2u);
}

TEST_F(SettingsFileTest, OverwritingAsksFirstAndCancelLeavesTheFile)
{
    m_prompts.path = path("old.txt");
    writeFile(*m_prompts.path, "precious");
    m_prompts.overwrite = false;
    m_commands.save();
    ASSERT_EQ(m_prompts.confirmations.size(), 1u);
    EXPECT_EQ(m_prompts.confirmations[0],
        QStringLiteral("Confirm Overwrite|") + *m_prompts.path + QStringLiteral("\r\nWill be overwritten!"));
    EXPECT_EQ(readFile(*m_prompts.path), QByteArray("precious"));
    EXPECT_TRUE(m_model.status().text().isEmpty());

    m_prompts.overwrite = true;
    m_commands.save();
    EXPECT_EQ(readFile(*m_prompts.path).toStdString(), std::string(kDefaultsFile));
}

/// A path that Save (and Restore, where it names one) must refuse, and the end of the error boxes.
struct FileErrorCase {
    const char* name;
    std::function<QString(const QTemporaryDir&)> make;
    const char* writeError;
    const char* readError; ///< nothing when Restore can read the file
};

void PrintTo(const FileErrorCase& row, std::ostream* out)
{
    *out << row.name;
}

class SettingsFileErrors : public ::testing::TestWithParam<FileErrorCase> {
protected:
    QTemporaryDir m_dir;
    SettingsModel m_model;
    ScriptedPrompts m_prompts;
    SettingsFileCommands m_commands { m_model, m_prompts };
};

// The number and text are always the system's errno and its strerror text, never Qt's own codes.
TEST_P(SettingsFileErrors, ShowTheSystemsErrorAndLeaveThePathAsItWas)
{
    const QString target = GetParam().make(m_dir);
    ASSERT_FALSE(target.isEmpty());
    const std::string before = fixtures::snapshot(target);
    m_prompts.path = target;
    const QString tail = QStringLiteral("\r\n") + target + QStringLiteral("\r\n\r\nError ");

    m_commands.save();
    ASSERT_EQ(m_prompts.errors.size(), 1u);
    EXPECT_EQ(m_prompts.errors[0].toStdString(),
        (QStringLiteral("Write settings file error|Error writting to setting file") + tail
            + QString::fromLatin1(GetParam().writeError))
            .toStdString());
    if (GetParam().readError) {
        m_commands.restore();
        ASSERT_EQ(m_prompts.errors.size(), 2u);
        EXPECT_EQ(m_prompts.errors[1].toStdString(),
            (QStringLiteral("Read settings file error|Error reading setting file") + tail
                + QString::fromLatin1(GetParam().readError))
                .toStdString());
    }
    EXPECT_TRUE(m_model.status().text().isEmpty());
    EXPECT_EQ(fixtures::snapshot(target), before);
}

INSTANTIATE_TEST_SUITE_P(SettingsFile, SettingsFileErrors,
    ::testing::Values(FileErrorCase { "AFileOnTheWay",
                          [](const QTemporaryDir& d) {
                              writeFile(d.filePath(QStringLiteral("blocker")), "x");
                              return d.filePath(QStringLiteral("blocker/settings.txt"));
                          },
                          "20, Not a directory", "20, Not a directory" },
        FileErrorCase { "AFolder",
            [](const QTemporaryDir& d) {
                QDir(d.path()).mkdir(QStringLiteral("folder.txt"));
                return d.filePath(QStringLiteral("folder.txt"));
            },
            "21, Is a directory", "21, Is a directory" },
        // Neither replaced by a file nor waited on for a writer.
        FileErrorCase { "ANamedPipe",
            [](const QTemporaryDir& d) {
                const QString pipe = d.filePath(QStringLiteral("pipe.txt"));
                return ::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0 ? pipe : QString();
            },
            "95, Operation not supported", "95, Operation not supported" },
        // Refused for root too, whose writes the system lets through: the file stays read-only.
        FileErrorCase { "AReadOnlyFile",
            [](const QTemporaryDir& d) {
                const QString file = d.filePath(QStringLiteral("locked.txt"));
                writeFile(file, "precious");
                QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
                return file;
            },
            "13, Permission denied", nullptr }),
    [](const ::testing::TestParamInfo<FileErrorCase>& row) { return std::string(row.param.name); });

// In a child process: the file size limit is the process's own, and without the program's handling
// of SIGXFSZ the write ends the child instead of failing.
TEST_F(SettingsFileTest, AFileSizeLimitIsAWriteErrorThatKeepsThePreviousFile)
{
    m_prompts.path = path("kept.txt");
    writeFile(*m_prompts.path, "previous settings");

    const auto inChild = [this] {
        process::ignoreFileSizeSignal();
        rlimit limit {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
        limit.rlim_cur = 100;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        m_commands.save();
        ASSERT_EQ(m_prompts.errors.size(), 1u);
        EXPECT_TRUE(m_prompts.errors[0].startsWith(QStringLiteral("Write settings file error|")));
        EXPECT_TRUE(m_prompts.errors[0].endsWith(QStringLiteral("\r\n\r\nError 27, File too large")))
            << m_prompts.errors[0].toStdString();
        EXPECT_TRUE(m_model.status().text().isEmpty());
    };
    EXPECT_EQ(childprocess::runInChild(inChild), "");
    EXPECT_EQ(readFile(*m_prompts.path), QByteArray("previous settings"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1) << "no temporary copy is left behind";
}

} // namespace
