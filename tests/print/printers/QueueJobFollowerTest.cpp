#include "print/printers/QueueJobFollower.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using State = QueueJobStatus::State;

struct StatusCase {
    const char* name;
    QueueJobStatus status;
    const char* message; ///< nullptr: nothing to say
};

class JobProblem : public ::testing::TestWithParam<StatusCase> { };

} // namespace

TEST_P(JobProblem, NamesThePrinterAndTheReason)
{
    const std::optional<QString> message
        = QueueJobFollower::problem(QStringLiteral("Laser"), GetParam().status);
    if (GetParam().message == nullptr)
        EXPECT_FALSE(message.has_value()) << message->toStdString();
    else
        EXPECT_EQ(message.value_or(QString()).toStdString(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(States, JobProblem,
    ::testing::Values(StatusCase { "Completed", { State::Completed, {}, {}, false, {}, {} }, nullptr },
        StatusCase { "Processing", { State::Processing, {}, {}, false, {}, {} }, nullptr },
        StatusCase { "WaitingForItsTurn", { State::Pending, {}, {}, false, {}, {} }, nullptr },
        StatusCase { "NoAnswer", { State::Unknown, {}, {}, false, {}, {} }, nullptr },
        StatusCase { "OnAPausedQueue", { State::Pending, {}, {}, true, QStringLiteral("paused"), {} },
            "The printer \"Laser\" is paused: the page waits in its queue." },
        StatusCase { "OnAStoppedQueue", { State::Pending, {}, {}, true, {}, {} },
            "The printer \"Laser\" has stopped: the page waits in its queue." },
        StatusCase { "Held",
            { State::Held, QStringLiteral("resources-are-not-ready"), QStringLiteral("Out of paper"), false,
                {}, {} },
            "The printer \"Laser\" holds the page: Out of paper." },
        StatusCase { "Stopped", { State::Stopped, QStringLiteral("job-printing"), {}, false, {}, {} },
            "The printer \"Laser\" stopped the page." },
        StatusCase { "Aborted", { State::Aborted, {}, QStringLiteral("Filter failed"), false, {}, {} },
            "The printer \"Laser\" could not print the page: Filter failed." },
        StatusCase { "Cancelled", { State::Cancelled, {}, {}, false, {}, {} },
            "The page was cancelled on the printer \"Laser\"." }),
    [](const ::testing::TestParamInfo<StatusCase>& row) { return std::string(row.param.name); });

TEST(QueueJobFollower, GivesUpSilentlyOnAJobThatIsStillGoingAtTheLimit)
{
    int asked = 0;
    QueueJobFollower follower([&](const QueueJob&) {
        ++asked;
        return QueueJobStatus { State::Processing, {}, {}, false, {}, {} };
    });
    int failures = 0;
    QObject::connect(&follower, &QueueJobFollower::failed, &follower, [&] { ++failures; });
    follower.follow(QueueJob { QStringLiteral("Laser"), 7 });
    EXPECT_TRUE(follower.following());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !follower.following(); }, QueueJobFollower::kLimitMs + 2000));
    EXPECT_EQ(failures, 0);
    EXPECT_GE(asked, QueueJobFollower::kLimitMs / QueueJobFollower::kPollMs - 2);
}

// A printer that can't be reached keeps the job "processing": after a few seconds the queue's
// reason is said, following goes on past the usual limit, and the page printed at last is said too.
TEST(QueueJobFollower, AJobWaitingOnAPrinterWithAProblemIsSaidAndFollowedToItsEnd)
{
    QueueJobStatus status { State::Processing, {}, {}, false, QStringLiteral("connecting-to-device"),
        QStringLiteral("The printer may not exist or is unavailable at this time.") };
    QueueJobFollower follower([&](const QueueJob&) { return status; });
    QStringList delays;
    QStringList printed;
    QObject::connect(
        &follower, &QueueJobFollower::delayed, &follower, [&](const QString& m) { delays << m; });
    QObject::connect(
        &follower, &QueueJobFollower::printed, &follower, [&](const QString& m) { printed << m; });
    QElapsedTimer clock;
    clock.start();
    follower.follow(QueueJob { QStringLiteral("Laser"), 7 });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !delays.isEmpty(); }, QueueJobFollower::kWaitMs + 2000));
    EXPECT_GE(clock.elapsed(), QueueJobFollower::kWaitMs);
    EXPECT_EQ(delays.front().toStdString(),
        "The printer \"Laser\" has not printed the page yet: The printer may not exist or is unavailable at "
        "this time. (connecting-to-device)");
    QTest::qWait(QueueJobFollower::kLimitMs - QueueJobFollower::kWaitMs + 1000);
    EXPECT_TRUE(follower.following()) << "past the usual limit";
    EXPECT_EQ(delays.size(), 1) << "said once while the reason stays";
    status.state = State::Completed;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !follower.following(); }, 3000));
    EXPECT_EQ(printed, QStringList { QStringLiteral("The printer \"Laser\" has printed the page.") });

    // A queue that reports nothing, or only "none", is a printer taking its time: nothing is said.
    EXPECT_FALSE(QueueJobFollower::waiting(
        QStringLiteral("Laser"), { State::Processing, {}, {}, false, QStringLiteral("none"), {} }));
    EXPECT_FALSE(QueueJobFollower::waiting(
        QStringLiteral("Laser"), { State::Held, {}, {}, false, QStringLiteral("offline-report"), {} }));
}
