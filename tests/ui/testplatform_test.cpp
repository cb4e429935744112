#include "support/testplatform.h"

#include <QTextDocument>
#include <gtest/gtest.h>

// The drills rely on these properties of the virtual clock: a long pause
// returns at once but the clock and its second timers move on.
TEST(VirtualClock, PauseAdvancesTheClockAndFiresSecondTimers) {
    TestPlatform platform;
    auto timer = platform.createSecondTimer(nullptr);
    int ticks = 0;
    QObject::connect(timer.get(), &SecondTimer::timeout, [&ticks] { ++ticks; });
    timer->start();
    platform.pause(10000);
    EXPECT_EQ(platform.tickMs(), 10000);
    EXPECT_EQ(ticks, 10);
    platform.pause(999);
    EXPECT_EQ(ticks, 10);
    platform.advance(1);
    EXPECT_EQ(ticks, 11);
    timer->stop();
    platform.pause(5000);
    EXPECT_EQ(ticks, 11);
    EXPECT_EQ(platform.pauses, (std::vector<int>{10000, 999, 5000}));
    EXPECT_EQ(platform.now().time(), QTime(9, 0, 16));
}

TEST(VirtualClock, ATimerStoppedByAnotherDoesNotFire) {
    TestPlatform platform;
    auto first = platform.createSecondTimer(nullptr);
    auto second = platform.createSecondTimer(nullptr);
    int secondTicks = 0;
    QObject::connect(first.get(), &SecondTimer::timeout, [&] { second->stop(); });
    QObject::connect(second.get(), &SecondTimer::timeout, [&] { ++secondTicks; });
    first->start();
    second->start();
    platform.advance(3000);
    EXPECT_EQ(secondTicks, 0);
    first.reset();
    platform.advance(1000); // a destroyed timer is forgotten
}

TEST(ScriptedDialogs, MessagesAreRecordedAndAnsweredInTurn) {
    TestPlatform platform;
    platform.messageAnswers = {MessageAnswer::No};
    EXPECT_EQ(platform.message(MessageKind::Confirmation, "Beenden?", MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(platform.message(MessageKind::Confirmation, "Noch einmal?", MessageButtons::YesNo),
              MessageAnswer::Yes);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Beenden?"));
    EXPECT_EQ(platform.messages[1].kind, MessageKind::Confirmation);

    platform.fileAnswers = {QStringLiteral("/tmp/a.ts")};
    EXPECT_EQ(platform.openFileName("Öffnen", "Alle(*.*)|*.*", "/tmp"),
              QStringLiteral("/tmp/a.ts"));
    EXPECT_TRUE(platform.openFileName("Öffnen", "Alle(*.*)|*.*", "/tmp").isEmpty());
    EXPECT_EQ(platform.fileDialogs.size(), 2u);

    QTextDocument document(QStringLiteral("Ergebnis"));
    EXPECT_TRUE(platform.print(document, QStringLiteral("Auswertung")));
    ASSERT_EQ(platform.printJobs.size(), 1u);
    EXPECT_EQ(platform.printJobs[0].text, QStringLiteral("Ergebnis"));
}
