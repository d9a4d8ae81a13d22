// What a write leaves in the target's folder when the program is ended in the middle of it, and the
// temporary files of earlier runs that were ended harder than that.
#include "print/printers/FileReplacement.h"
#include "settings/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cctype>
#include <csignal>
#include <ctime>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <utime.h>

namespace {

QStringList temporaries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({ QStringLiteral(".vennaros-*") }, QDir::Files | QDir::Hidden);
}

int g_endWith = 0;

// The write is stopped exactly between writing and renaming: past the file-size limit, the kernel
// signals SIGXFSZ from inside write(), and this handler turns it into the signal under test.
void endWithSignalUnderTest(int)
{
    ::raise(g_endWith);
}

class EndedMidWrite : public ::testing::TestWithParam<int> { };

TEST_P(EndedMidWrite, LeavesNoTemporaryFileAndTheTargetAsItWas)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ring.pdf"));
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    g_endWith = GetParam();
    const std::string how = childprocess::runInChild([&] {
        struct sigaction action { };
        action.sa_handler = endWithSignalUnderTest;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGXFSZ, &action, nullptr);
        const rlimit limit { 4096, 4096 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        FileReplacement::write(target, QByteArray(600 * 1024, 'x'));
        ADD_FAILURE() << "the write went through";
    });
    EXPECT_EQ(how, std::string("ended by signal ") + ::strsignal(GetParam()));
    EXPECT_EQ(temporaries(dir), QStringList());
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
}

INSTANTIATE_TEST_SUITE_P(FileReplacement, EndedMidWrite, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
    [](const ::testing::TestParamInfo<int>& row) { return std::string(sigabbrev_np(row.param)); });

struct LeftoverCase {
    const char* name;
    int hoursOld;
    bool removed;
};

void PrintTo(const LeftoverCase& row, std::ostream* out)
{
    *out << row.name;
}

class Leftover : public ::testing::TestWithParam<LeftoverCase> { };

TEST_P(Leftover, IsRemovedAtTheNextWriteIntoItsFolderOnlyWhenOursAndADayOld)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(GetParam().name));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1000, 'x'));
    }
    const time_t then = std::time(nullptr) - GetParam().hoursOld * 3600;
    const utimbuf times { then, then };
    ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0);

    FileReplacement::write(dir.filePath(QStringLiteral("drawing.svg")), "<svg/>");
    EXPECT_EQ(QFile::exists(path), !GetParam().removed);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("drawing.svg"))));
}

INSTANTIATE_TEST_SUITE_P(FileReplacement, Leftover,
    ::testing::Values(LeftoverCase { ".vennaros-aB3xYz", 25, true },
        LeftoverCase { ".vennaros-q1w2e3", 23, false }, // a write of another run may still be going on
        LeftoverCase { ".vennaros-notours", 48, false }, // not a name mkstemp made from ours
        LeftoverCase { "vennaros-aB3xYz", 48, false }),
    [](const ::testing::TestParamInfo<LeftoverCase>& row) {
        std::string name;
        for (const char c : std::string(row.param.name))
            if (std::isalnum(static_cast<unsigned char>(c)))
                name += c;
        return name + "_" + std::to_string(row.param.hoursOld) + "h";
    });

} // namespace
