// The queue of a connection's outgoing bytes: what the system does not take
// is sent later from where it stopped, never again from the start.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/net/QueuedSocket.h"

namespace {

// Takes at most `room` bytes a call, then reports would-block until given
// more room.
class CCuttingSocket : public CQueuedSocket {
public:
    int room = 0;
    std::string wire;
    bool broken = false;
    bool Resume() { return Flush(); }

protected:
    int Transmit(const char* data, int length) override {
        if (broken) {
            SetLastError(WSAECONNRESET);
            return SOCKET_ERROR;
        }
        if (room == 0) {
            SetLastError(WSAEWOULDBLOCK);
            return SOCKET_ERROR;
        }
        const int count = std::min(room, length);
        wire.append(data, static_cast<size_t>(count));
        room -= count;
        return count;
    }
};

TEST(QueuedSocketTest, APartialSendIsResumedNeverRepeated) {
    const std::string first(512, 'a');
    const std::string second(512, 'b');
    CCuttingSocket socket;
    socket.room = 300;
    ASSERT_TRUE(socket.QueueBytes(first.data(), 512));
    EXPECT_EQ(socket.wire.size(), 300u);
    EXPECT_EQ(socket.PendingBytes(), 212u);
    // A second record waits behind the rest of the first.
    ASSERT_TRUE(socket.QueueBytes(second.data(), 512));
    EXPECT_EQ(socket.wire.size(), 300u);
    socket.room = 100;
    ASSERT_TRUE(socket.Resume());
    socket.room = 10000;
    ASSERT_TRUE(socket.Resume());
    EXPECT_EQ(socket.wire, first + second);
    EXPECT_EQ(socket.PendingBytes(), 0u);
    // A hard error is a broken connection.
    socket.broken = true;
    EXPECT_FALSE(socket.QueueBytes(first.data(), 512));
}

}  // namespace
