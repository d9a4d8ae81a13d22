#include "print/printers/QueueJobFollower.h"

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
    ::testing::Values(StatusCase { "Completed", { State::Completed, {}, {}, false, {} }, nullptr },
        StatusCase { "Processing", { State::Processing, {}, {}, false, {} }, nullptr },
        StatusCase { "WaitingForItsTurn", { State::Pending, {}, {}, false, {} }, nullptr },
        StatusCase { "NoAnswer", { State::Unknown, {}, {}, false, {} }, nullptr },
        StatusCase { "OnAPausedQueue", { State::Pending, {}, {}, true, QStringLiteral("paused") },
            "The printer \"Laser\" is paused: the page waits in its queue." },
        StatusCase { "OnAStoppedQueue", { State::Pending, {}, {}, true, {} },
            "The printer \"Laser\" has stopped: the page waits in its queue." },
        StatusCase { "Held",
            { State::Held, QStringLiteral("resources-are-not-ready"), QStringLiteral("Out of paper"), false,
                {} },
            "The printer \"Laser\" holds the page: Out of paper." },
        StatusCase { "Stopped", { State::Stopped, QStringLiteral("job-printing"), {}, false, {} },
            "The printer \"Laser\" stopped the page." },
        StatusCase { "Aborted", { State::Aborted, {}, QStringLiteral("Filter failed"), false, {} },
            "The printer \"Laser\" could not print the page: Filter failed." },
        StatusCase { "Cancelled", { State::Cancelled, {}, {}, false, {} },
            "The page was cancelled on the printer \"Laser\"." }),
    [](const ::testing::TestParamInfo<StatusCase>& row) { return std::string(row.param.name); });

TEST(QueueJobFollower, GivesUpSilentlyOnAJobThatIsStillGoingAtTheLimit)
{
    int asked = 0;
    QueueJobFollower follower([&](const QueueJob&) {
        ++asked;
        return QueueJobStatus { State::Processing, {}, {}, false, {} };
    });
    int failures = 0;
    QObject::connect(&follower, &QueueJobFollower::failed, &follower, [&] { ++failures; });
    follower.follow(QueueJob { QStringLiteral("Laser"), 7 });
    EXPECT_TRUE(follower.following());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !follower.following(); }, QueueJobFollower::kLimitMs + 2000));
    EXPECT_EQ(failures, 0);
    EXPECT_GE(asked, QueueJobFollower::kLimitMs / QueueJobFollower::kPollMs - 2);
}
