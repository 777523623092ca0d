#include "web/win32/HttpListener.h"

#include <http.h>
#include <ws2tcpip.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/Text.h"
#include "web/WebRouter.h"
#include "winutil/WideText.h"

namespace {

constexpr HTTPAPI_VERSION apiVersion = HTTPAPI_VERSION_2;
// Room for the headers and a body up to the router's limit; a bigger body is refused unread.
constexpr std::size_t receiveBufferBytes = 64 * 1024;
// Receives the thread keeps waiting in the system at once, each with its own buffer. Wine's HTTP
// service hands a request that arrives while no receive waits to a later receive only when it came
// on the newest idle connection: one on an older connection waits there for ever, and a page that
// asks for its script, its style and the status at once, over several connections, stalls. With
// receives always waiting, the system hands over each request as it arrives. A browser opens up to
// six connections to one host; a few browsers at once fit.
constexpr std::size_t waitingReceives = 16;
// How long the thread waits, on its way out, for the system to end each receive it still holds.
constexpr DWORD receiveEndMs = 2000;
// Right after the system starts, its service database may stay locked, or the HTTP service's
// start time out, for half a minute; the listener keeps trying for two.
constexpr ULONGLONG initializeTryingMs = 120000;
constexpr DWORD initializeRetryMs = 2000;
constexpr DWORD errorServiceStartTimeout = 1053;
constexpr DWORD errorServiceDatabaseLocked = 1055;

// The request headers the system parses, by their HTTP_HEADER_ID.
constexpr std::array<const char*, HttpHeaderRequestMaximum> requestHeaderNames{
    "Cache-Control", "Connection", "Date", "Keep-Alive", "Pragma", "Trailer", "Transfer-Encoding", "Upgrade",
    "Via", "Warning", "Allow", "Content-Length", "Content-Type", "Content-Encoding", "Content-Language",
    "Content-Location", "Content-MD5", "Content-Range", "Expires", "Last-Modified", "Accept", "Accept-Charset",
    "Accept-Encoding", "Accept-Language", "Authorization", "Cookie", "Expect", "From", "Host", "If-Match",
    "If-Modified-Since", "If-None-Match", "If-Range", "If-Unmodified-Since", "Max-Forwards", "Proxy-Authorization",
    "Referer", "Range", "TE", "Translate", "User-Agent"};

std::string utf8Of(const wchar_t* text, std::size_t bytes) {
    return text != nullptr ? toUtf8(fromWide(std::wstring_view(text, bytes / sizeof(wchar_t)))) : std::string();
}

std::string addressText(const SOCKADDR* address) {
    if (address == nullptr) return {};
    wchar_t text[INET6_ADDRSTRLEN] = {};
    if (address->sa_family == AF_INET) {
        InetNtopW(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, INET6_ADDRSTRLEN);
    } else if (address->sa_family == AF_INET6) {
        InetNtopW(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text, INET6_ADDRSTRLEN);
    }
    return toUtf8(fromWide(text));
}

std::string verbText(const HTTP_REQUEST& request) {
    switch (request.Verb) {
        case HttpVerbGET: return "GET";
        case HttpVerbPOST: return "POST";
        case HttpVerbHEAD: return "HEAD";
        case HttpVerbPUT: return "PUT";
        case HttpVerbDELETE: return "DELETE";
        case HttpVerbOPTIONS: return "OPTIONS";
        default: break;
    }
    return request.pUnknownVerb != nullptr ? std::string(request.pUnknownVerb, request.UnknownVerbLength) : "UNKNOWN";
}

WebRequest webRequestOf(const HTTP_REQUEST& request) {
    WebRequest web;
    web.method = verbText(request);
    const HTTP_COOKED_URL& url = request.CookedUrl;
    web.path = utf8Of(url.pAbsPath, url.AbsPathLength);
    // The query arrives with its "?".
    const std::string query = utf8Of(url.pQueryString, url.QueryStringLength);
    web.query = query.empty() ? query : query.substr(1);
    for (std::size_t id = 0; id < requestHeaderNames.size(); ++id) {
        const HTTP_KNOWN_HEADER& header = request.Headers.KnownHeaders[id];
        if (header.pRawValue != nullptr) web.headers.add(requestHeaderNames[id], std::string_view(header.pRawValue, header.RawValueLength));
    }
    for (USHORT i = 0; i < request.Headers.UnknownHeaderCount; ++i) {
        const HTTP_UNKNOWN_HEADER& header = request.Headers.pUnknownHeaders[i];
        web.headers.add(std::string_view(header.pName, header.NameLength),
                        std::string_view(header.pRawValue, header.RawValueLength));
    }
    for (USHORT i = 0; i < request.EntityChunkCount; ++i) {
        const HTTP_DATA_CHUNK& chunk = request.pEntityChunks[i];
        if (chunk.DataChunkType != HttpDataChunkFromMemory) continue;
        web.body.append(static_cast<const char*>(chunk.FromMemory.pBuffer), chunk.FromMemory.BufferLength);
    }
    web.clientAddress = addressText(request.Address.pRemoteAddress);
    return web;
}

const char* reasonPhrase(int status) {
    switch (status) {
        case 200: return "OK";
        case 400: return "Bad Request";
        case 401: return "Unauthorized";
        case 403: return "Forbidden";
        case 404: return "Not Found";
        case 405: return "Method Not Allowed";
        case 409: return "Conflict";
        case 413: return "Payload Too Large";
        case 421: return "Misdirected Request";
        case 429: return "Too Many Requests";
        case 503: return "Service Unavailable";
        default: break;
    }
    return status < 500 ? "Client Error" : "Server Error";
}

// The whole answer in one call: the system's separate body call is not available everywhere.
void send(HANDLE queue, HTTP_REQUEST_ID id, const WebResponse& answer, ULONG flags) {
    HTTP_RESPONSE response{};
    response.StatusCode = static_cast<USHORT>(answer.status);
    const char* reason = reasonPhrase(answer.status);
    response.pReason = reason;
    response.ReasonLength = static_cast<USHORT>(std::char_traits<char>::length(reason));
    auto known = [&](HTTP_HEADER_ID header, std::string_view value) {
        response.Headers.KnownHeaders[header].pRawValue = value.data();
        response.Headers.KnownHeaders[header].RawValueLength = static_cast<USHORT>(value.size());
    };
    if (!answer.contentType.empty()) known(HttpHeaderContentType, answer.contentType);
    std::vector<HTTP_UNKNOWN_HEADER> others;
    for (const auto& [name, value] : answer.headers.all()) {
        if (equalsIgnoringCase(name, "Cache-Control")) {
            known(HttpHeaderCacheControl, value);
        } else if (equalsIgnoringCase(name, "Set-Cookie")) {
            known(HttpHeaderSetCookie, value);
        } else if (equalsIgnoringCase(name, "Content-Type")) {
            known(HttpHeaderContentType, value);
        } else {
            HTTP_UNKNOWN_HEADER header{};
            header.NameLength = static_cast<USHORT>(name.size());
            header.pName = name.c_str();
            header.RawValueLength = static_cast<USHORT>(value.size());
            header.pRawValue = value.c_str();
            others.push_back(header);
        }
    }
    response.Headers.UnknownHeaderCount = static_cast<USHORT>(others.size());
    response.Headers.pUnknownHeaders = others.data();
    HTTP_DATA_CHUNK body{};
    if (!answer.body.empty()) {
        body.DataChunkType = HttpDataChunkFromMemory;
        body.FromMemory.pBuffer = const_cast<char*>(answer.body.data());
        body.FromMemory.BufferLength = static_cast<ULONG>(answer.body.size());
        response.EntityChunkCount = 1;
        response.pEntityChunks = &body;
    }
    ULONG sent = 0;
    HttpSendHttpResponse(queue, id, flags, &response, nullptr, &sent, nullptr, 0, nullptr, nullptr);
}

// An answer without a body that also ends the connection.
void sendAndClose(HANDLE queue, HTTP_REQUEST_ID id, int status) {
    WebResponse closing;
    closing.status = status;
    send(queue, id, closing, HTTP_SEND_RESPONSE_FLAG_DISCONNECT);
}

// False when the body cannot be read (the client went away); a body over the limit is kept
// just past it.
bool readRestOfBody(HANDLE queue, HTTP_REQUEST_ID id, std::string& body) {
    std::array<char, 4096> chunk{};
    while (body.size() <= maxRequestBody) {
        ULONG read = 0;
        const ULONG result = HttpReceiveRequestEntityBody(queue, id, 0, chunk.data(), static_cast<ULONG>(chunk.size()),
                                                          &read, nullptr);
        if (result == ERROR_HANDLE_EOF) return true;
        if (result != NO_ERROR) return false;
        body.append(chunk.data(), read);
    }
    return true;
}

}  // namespace

struct HttpListener::ReceiveSlot {
    std::vector<std::uint64_t> buffer = std::vector<std::uint64_t>(receiveBufferBytes / sizeof(std::uint64_t));
    OVERLAPPED overlapped{};
    bool waiting = false;  // the system holds the slot's receive
    HTTP_REQUEST* request() { return reinterpret_cast<HTTP_REQUEST*>(buffer.data()); }
};

HttpListener::HttpListener(int port, RequestAnswer answer, ListenOpened opened)
    : answer_(std::move(answer)), opened_(std::move(opened)) {
    thread_ = std::thread([this, port] {
        const DWORD error = open(port);
        opened_(error);
        if (error == NO_ERROR) receive();
    });
}

HttpListener::~HttpListener() {
    {
        // Closing the queue ends the receive the thread waits in.
        const std::lock_guard<std::mutex> guard(lock_);
        stopping_ = true;
        if (queue_ != nullptr) CloseHandle(queue_);
        queue_ = nullptr;
    }
    if (thread_.joinable()) thread_.join();
    close();
}

DWORD HttpListener::open(int port) {
    const ULONGLONG begun = GetTickCount64();
    DWORD error = HttpInitialize(apiVersion, HTTP_INITIALIZE_SERVER, nullptr);
    while ((error == errorServiceStartTimeout || error == errorServiceDatabaseLocked) &&
           GetTickCount64() - begun < initializeTryingMs && !stoppingNow()) {
        Sleep(initializeRetryMs);
        error = HttpInitialize(apiVersion, HTTP_INITIALIZE_SERVER, nullptr);
    }
    if (error != NO_ERROR) return error;
    initialized_ = true;
    error = HttpCreateServerSession(apiVersion, &session_, 0);
    if (error == NO_ERROR) error = HttpCreateUrlGroup(session_, &group_, 0);
    HANDLE queue = nullptr;
    if (error == NO_ERROR) error = HttpCreateRequestQueue(apiVersion, nullptr, nullptr, 0, &queue);
    if (error == NO_ERROR) {
        const std::lock_guard<std::mutex> guard(lock_);
        if (stopping_) {
            CloseHandle(queue);
            return ERROR_OPERATION_ABORTED;
        }
        queue_ = queue;
    }
    // The root of every address of the port: a path no URL covers would get no answer at all.
    const std::wstring url = L"http://+:" + std::to_wstring(port) + L"/";
    if (error == NO_ERROR) error = HttpAddUrlToUrlGroup(group_, url.c_str(), 0, 0);
    if (error == NO_ERROR) {
        HTTP_BINDING_INFO binding{};
        binding.Flags.Present = 1;
        binding.RequestQueueHandle = queue;
        error = HttpSetUrlGroupProperty(group_, HttpServerBindingProperty, &binding, sizeof binding);
    }
    return error;
}

bool HttpListener::stoppingNow() {
    const std::lock_guard<std::mutex> guard(lock_);
    return stopping_;
}

void HttpListener::close() {
    if (group_ != 0) HttpCloseUrlGroup(group_);
    if (session_ != 0) HttpCloseServerSession(session_);
    if (initialized_) HttpTerminate(HTTP_INITIALIZE_SERVER, nullptr);
}

void HttpListener::receive() {
    HANDLE queue = nullptr;
    {
        const std::lock_guard<std::mutex> guard(lock_);
        queue = queue_;
    }
    if (queue == nullptr) return;
    auto slots = std::make_unique<ReceiveSlot[]>(waitingReceives);
    std::array<HANDLE, waitingReceives> events{};
    bool running = true;
    for (std::size_t i = 0; i < waitingReceives; ++i) {
        events[i] = slots[i].overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        running = running && events[i] != nullptr;
    }
    for (std::size_t i = 0; i < waitingReceives && running; ++i) running = startReceive(queue, slots[i]);
    while (running) {
        const DWORD signalled = WaitForMultipleObjects(static_cast<DWORD>(waitingReceives), events.data(), FALSE, INFINITE);
        if (signalled >= WAIT_OBJECT_0 + waitingReceives) break;
        ReceiveSlot& slot = slots[signalled - WAIT_OBJECT_0];
        slot.waiting = false;
        ULONG received = 0;
        const ULONG result = GetOverlappedResult(queue, &slot.overlapped, &received, FALSE) ? NO_ERROR : GetLastError();
        running = answerReceived(queue, slot, result) && !stoppingNow() && startReceive(queue, slot);
    }
    // Closing the queue ends every waiting receive, but the system writes into a slot until its
    // receive has ended: a slot it may still hold is never freed.
    bool ended = true;
    for (std::size_t i = 0; i < waitingReceives; ++i) {
        if (slots[i].waiting && WaitForSingleObject(events[i], receiveEndMs) != WAIT_OBJECT_0) ended = false;
    }
    if (!ended) {
        static_cast<void>(slots.release());
        return;
    }
    for (HANDLE event : events) {
        if (event != nullptr) CloseHandle(event);
    }
}

bool HttpListener::startReceive(HANDLE queue, ReceiveSlot& slot) {
    for (;;) {
        ResetEvent(slot.overlapped.hEvent);
        const ULONG result = HttpReceiveHttpRequest(queue, HTTP_NULL_ID, HTTP_RECEIVE_REQUEST_FLAG_COPY_BODY,
                                                    slot.request(), static_cast<ULONG>(receiveBufferBytes), nullptr,
                                                    &slot.overlapped);
        if (result == ERROR_IO_PENDING) {
            slot.waiting = true;
            return true;
        }
        // A request that was already waiting comes at once.
        if (!answerReceived(queue, slot, result) || stoppingNow()) return false;
    }
}

bool HttpListener::answerReceived(HANDLE queue, ReceiveSlot& slot, ULONG result) {
    const HTTP_REQUEST& request = *slot.request();
    if (result == ERROR_MORE_DATA) {
        sendAndClose(queue, request.RequestId, 413);
        return true;
    }
    if (result != NO_ERROR) return false;
    WebRequest web = webRequestOf(request);
    // The system hands over the body that has arrived so far; the rest is read here, up to
    // one byte past the router's limit so that the router refuses it.
    if ((request.Flags & HTTP_REQUEST_FLAG_MORE_ENTITY_BODY_EXISTS) != 0 &&
        !readRestOfBody(queue, request.RequestId, web.body)) {
        sendAndClose(queue, request.RequestId, 400);
        return true;
    }
    const std::optional<WebResponse> answer = answer_(web);
    if (answer) {
        send(queue, request.RequestId, *answer, 0);
    } else {
        sendAndClose(queue, request.RequestId, 403);
    }
    return true;
}
