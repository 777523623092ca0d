#pragma once
// An HTTP client for the web console's tests, on the system's WinHTTP: one session, whose
// cookies it keeps and sends like a browser, and one request at a time with a time limit.
#include <windows.h>

#include <winhttp.h>

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

    // None when the server did not answer.
    std::optional<HttpReply> call(const wchar_t* method, const std::wstring& path, const std::string& body = {},
                                  const std::vector<std::pair<std::wstring, std::wstring>>& headers = {});

private:
    HINTERNET session_ = nullptr;
    HINTERNET connection_ = nullptr;
};
