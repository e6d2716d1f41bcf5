// The desktop pieces: pointer-speed mapping and the single-instance socket.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QUuid>

#include "platform/desktop/single_instance.h"
#include "platform/desktop/x11_system_settings.h"

namespace k9::desktop {
namespace {

TEST(PointerSpeedMapping, EverySpeedRoundTripsAndOutOfRangeIsHeld) {
  for (int speed = 1; speed <= 20; ++speed) {
    const PointerAcceleration a = AccelerationOfSpeed(speed);
    EXPECT_EQ(SpeedOfAcceleration(a.numerator, a.denominator), speed);
  }
  EXPECT_EQ(AccelerationOfSpeed(0).numerator, 1);
  EXPECT_EQ(AccelerationOfSpeed(99).numerator, 20);
  EXPECT_EQ(SpeedOfAcceleration(2, 2), 10) << "X's default acceleration is the Windows default";
  EXPECT_EQ(SpeedOfAcceleration(0, 0), 1);
  EXPECT_EQ(SpeedOfAcceleration(100, 1), 20);
}

QString UniqueName() { return QStringLiteral("k9-test-") + QUuid::createUuid().toString(QUuid::Id128); }

void WaitFor(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(SingleInstance, SecondStartAsksTheFirstToShowItself) {
  const QString name = UniqueName();
  SingleInstance first(name);
  ASSERT_TRUE(first.Claim());
  QSignalSpy shown(&first, &SingleInstance::showRequested);
  // The second instance blocks while it asks; the first answers from its loop.
  bool secondClaimed = true;
  std::thread second([&] {
    SingleInstance other(name);
    secondClaimed = other.Claim();
  });
  WaitFor([&] { return shown.count() > 0; });
  second.join();
  EXPECT_FALSE(secondClaimed);
  EXPECT_EQ(shown.count(), 1);
}

TEST(SingleInstance, StaleSocketOfACrashedInstanceDoesNotBlock) {
  const QString name = UniqueName();
  {
    // A socket file nobody listens on, as a crash leaves it.
    QLocalServer crashed;
    ASSERT_TRUE(crashed.listen(name));
    const QString file = crashed.fullServerName();
    crashed.close();
    QFile stale(file);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  }
  SingleInstance next(name);
  EXPECT_TRUE(next.Claim());
}

TEST(SingleInstance, ANameNobodyCanListenOnDoesNotKeepTheDriverFromStarting) {
  // Nobody answers and the socket cannot be made (its folder does not
  // exist): this is the only instance, it just cannot be found by a later one.
  const QString name = QStringLiteral("/nonexistent-k9-folder/") + UniqueName();
  SingleInstance only(name);
  EXPECT_TRUE(only.Claim());
}

}  // namespace
}  // namespace k9::desktop
