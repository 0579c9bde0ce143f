#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "shell/SingleInstance.h"

namespace tarnveil::test {

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    QString socketPath() const { return folder.filePath(QStringLiteral("instance.socket")); }

    /// Sends raw bytes as a later launch would, then closes.
    void send(const QByteArray& bytes) const
    {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        ASSERT_TRUE(socket.waitForConnected(1000));
        socket.write(bytes);
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(SingleInstanceTest, ALaterLaunchHandsItsFilesToTheRunningOneAsAbsolutePaths)
{
    SingleInstance running(socketPath());
    ASSERT_EQ(running.start({}), SingleInstance::Role::primary);
    QSignalSpy received(&running, &SingleInstance::filesReceived);

    // The later launch blocks while it hands over; the running one answers from its loop.
    SingleInstance later(socketPath());
    ASSERT_EQ(later.start({QStringLiteral("shot.png"), QStringLiteral("/tmp/x y/ü.jpg")}),
              SingleInstance::Role::handedOver);
    ASSERT_TRUE(received.wait(2000));
    const QStringList files = received.at(0).at(0).toStringList();
    EXPECT_EQ(files, (QStringList{QDir::current().absoluteFilePath(QStringLiteral("shot.png")),
                                  QStringLiteral("/tmp/x y/ü.jpg")}));

    // A launch without files only asks for the window.
    SingleInstance bare(socketPath());
    ASSERT_EQ(bare.start({}), SingleInstance::Role::handedOver);
    ASSERT_TRUE(received.wait(2000));
    EXPECT_TRUE(received.at(1).at(0).toStringList().isEmpty());
}

TEST_F(SingleInstanceTest, AStaleSocketLeftByACrashDoesNotStopTheNextStart)
{
    QFile stale(socketPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance running(socketPath());
    EXPECT_EQ(running.start({}), SingleInstance::Role::primary);
    SingleInstance later(socketPath());
    EXPECT_EQ(later.start({}), SingleInstance::Role::handedOver);
}

TEST_F(SingleInstanceTest, WhatArrivesIsBoundedAndOnlyAbsolutePathsCount)
{
    SingleInstance running(socketPath());
    ASSERT_EQ(running.start({}), SingleInstance::Role::primary);
    QSignalSpy received(&running, &SingleInstance::filesReceived);

    send(QByteArray("relative.png\0/abs/one.png\0\0/abs/two.png\0\0", 42));
    ASSERT_TRUE(received.wait(2000));
    EXPECT_EQ(received.at(0).at(0).toStringList(), (QStringList{"/abs/one.png", "/abs/two.png"}));

    // A hand-over cut short, and more than any launch sends, are dropped whole; the instance
    // keeps answering.
    send(QByteArray("/abs/cut.png\0", 13));
    send(QByteArray(SingleInstance::maximumBytes + 10, '/') + QByteArray(2, '\0'));
    SingleInstance later(socketPath());
    ASSERT_EQ(later.start({QStringLiteral("/abs/three.png")}), SingleInstance::Role::handedOver);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() >= 2; }, 2000));
    EXPECT_EQ(received.last().at(0).toStringList(), (QStringList{"/abs/three.png"}));
    EXPECT_EQ(received.count(), 2) << "the cut and the oversized hand-overs were not acted on";

    QStringList many;
    for (int index = 0; index < SingleInstance::maximumFiles + 5; ++index) {
        many.append(QStringLiteral("/f%1").arg(index));
    }
    EXPECT_EQ(SingleInstance::decode(SingleInstance::encode(many))->size(), SingleInstance::maximumFiles);
    EXPECT_EQ(SingleInstance::decode(SingleInstance::encode({})), std::optional<QStringList>(QStringList{}));
}

} // namespace tarnveil::test
