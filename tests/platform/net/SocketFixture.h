#pragma once
// A socket that counts its notifications and hands them to optional hooks,
// and a fixture that connects two of them over 127.0.0.1.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/net/AsyncSocket.h"
#include "platform/ui/MessageLoop.h"

class CTestSocket : public CAsyncSocket {
public:
    std::function<void(int)> onAccept, onConnect, onReceive, onSend, onClose;
    // Notification letter (A, C, R, S, X) -> how often; and the errors of
    // OnConnect and OnClose in order.
    std::map<char, int> counts;
    std::vector<int> connectErrors;
    std::vector<int> closeErrors;

    int Count(char kind) const {
        auto it = counts.find(kind);
        return it == counts.end() ? 0 : it->second;
    }

protected:
    void OnAccept(int error) override { Note('A', error, onAccept); }
    void OnConnect(int error) override {
        connectErrors.push_back(error);
        Note('C', error, onConnect);
    }
    void OnReceive(int error) override { Note('R', error, onReceive); }
    void OnSend(int error) override { Note('S', error, onSend); }
    void OnClose(int error) override {
        closeErrors.push_back(error);
        Note('X', error, onClose);
    }

private:
    void Note(char kind, int error, const std::function<void(int)>& hook) {
        ++counts[kind];
        if (hook) hook(error);
    }
};

class SocketTest : public ::testing::Test {
protected:
    // Dispatches messages until `done` answers true.
    static bool WaitUntil(const std::function<bool()>& done, int64_t timeoutMs = 10000) {
        return CMessageLoop::WaitDispatching(timeoutMs, done);
    }
    // Dispatches for a while, so that a stray notification would show.
    static void Settle(int64_t ms) {
        CMessageLoop::WaitDispatching(ms, [] { return false; });
    }

    // A listener on a free port of 127.0.0.1; returns the port.
    UINT StartListener() {
        EXPECT_TRUE(listener.Create(0, SOCK_STREAM, FD_ALL_EVENTS, "127.0.0.1"));
        EXPECT_TRUE(listener.Listen(5));
        std::string address;
        UINT port = 0;
        EXPECT_TRUE(listener.GetSockName(address, port));
        return port;
    }

    // Connects `client` to `server` through the listener and waits until
    // both ends have announced that they can send. A buffer size other than
    // 0 is given to both ends before they connect.
    void ConnectPair(int bufferSize = 0) {
        const UINT port = StartListener();
        listener.onAccept = [this](int) { ASSERT_TRUE(listener.Accept(*server)); };
        ASSERT_TRUE(client->Create());
        if (bufferSize != 0) {
            for (CTestSocket* end : {&listener, client.get()}) {
                for (int option : {SO_SNDBUF, SO_RCVBUF}) {
                    ASSERT_TRUE(end->SetSockOpt(option, &bufferSize, sizeof bufferSize));
                }
            }
        }
        if (!client->Connect("127.0.0.1", port)) {
            ASSERT_EQ(CAsyncSocket::GetLastError(), WSAEWOULDBLOCK);
        }
        ASSERT_TRUE(WaitUntil([&] { return client->Count('S') == 1 && server->Count('S') == 1; }));
        ASSERT_EQ(client->connectErrors, std::vector<int>{0});
    }

    CTestSocket listener;
    std::unique_ptr<CTestSocket> client = std::make_unique<CTestSocket>();
    std::unique_ptr<CTestSocket> server = std::make_unique<CTestSocket>();
};
