#pragma once
// The console's listener on Windows' HTTP Server API (http.sys): one URL, the root of the port,
// and one thread that receives each request, has it answered and sends the whole answer in one
// call. The thread keeps several receives waiting in the system, so that each request is taken as
// it arrives. The system parses, limits and times out the requests; while no client asks, the thread
// waits in the system and costs nothing.
#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "web/WebMessage.h"

// Called on the listener's thread; none drops the client unanswered.
using RequestAnswer = std::function<std::optional<WebResponse>(const WebRequest& request)>;
// Called once on the listener's thread: 0 when it listens, else the system's error code, after
// which the thread ends.
using ListenOpened = std::function<void(DWORD error)>;

class HttpListener {
public:
    // Starts the thread that opens http://+:port/ and then receives. Opening happens there
    // because the system may take seconds to start its HTTP service, and the bells must not wait.
    HttpListener(int port, RequestAnswer answer, ListenOpened opened);
    // Stops receiving and waits for the thread: no answer is called after it returns.
    ~HttpListener();
    HttpListener(const HttpListener&) = delete;
    HttpListener& operator=(const HttpListener&) = delete;

private:
    DWORD open(int port);
    bool stoppingNow();
    void receive();
    // A receive the thread keeps waiting in the system, with its buffer.
    struct ReceiveSlot;
    // Has the system hold a receive in the slot, answering at once each request already waiting.
    // False once the queue is closed.
    bool startReceive(HANDLE queue, ReceiveSlot& slot);
    // Answers what a receive brought; false when it ended because the queue closed.
    bool answerReceived(HANDLE queue, ReceiveSlot& slot, ULONG result);
    void close();

    RequestAnswer answer_;
    ListenOpened opened_;
    std::mutex lock_;  // the queue handle against a stop while the thread opens it
    bool stopping_ = false;
    unsigned long long session_ = 0;
    unsigned long long group_ = 0;
    HANDLE queue_ = nullptr;
    bool initialized_ = false;
    std::thread thread_;
};
