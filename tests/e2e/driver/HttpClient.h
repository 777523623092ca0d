#pragma once
// An HTTP client for the web console's tests, on plain sockets: it keeps the cookies it is given
// and sends them back like a browser, and sends each request whole in one write on a connection
// of its own, as browsers send a small request. Wine's HTTP service drops a request whose body
// comes in a write after its headers (as WinHTTP sends it), now and then, unanswered.
#include <winsock2.h>

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct HttpReply {
    int status = 0;
    std::wstring headers;  // every header line of the answer, CR LF separated
    std::string body;
};

class HttpClient {
public:
    explicit HttpClient(int port);
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // None when the server did not answer in time. A "Host" among `headers` replaces the usual one.
    std::optional<HttpReply> call(const wchar_t* method, const std::wstring& path, const std::string& body = {},
                                  const std::vector<std::pair<std::wstring, std::wstring>>& headers = {});

private:
    std::optional<std::string> exchange(const std::string& request);
    void keepCookies(const std::string& head);

    int port_;
    bool started_ = false;
    std::map<std::string, std::string> cookies_;
};
