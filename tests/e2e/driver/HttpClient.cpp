#include "e2e/driver/HttpClient.h"

namespace {

constexpr int timeoutMs = 15000;

}  // namespace

HttpClient::HttpClient(int port) {
    session_ = WinHttpOpen(L"lvtx-e2e", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    if (session_ == nullptr) return;
    WinHttpSetTimeouts(session_, timeoutMs, timeoutMs, timeoutMs, timeoutMs);
    connection_ = WinHttpConnect(session_, L"127.0.0.1", static_cast<INTERNET_PORT>(port), 0);
}

HttpClient::~HttpClient() {
    if (connection_ != nullptr) WinHttpCloseHandle(connection_);
    if (session_ != nullptr) WinHttpCloseHandle(session_);
}

std::optional<HttpReply> HttpClient::call(const wchar_t* method, const std::wstring& path, const std::string& body,
                                          const std::vector<std::pair<std::wstring, std::wstring>>& headers) {
    if (connection_ == nullptr) return std::nullopt;
    const HINTERNET request = WinHttpOpenRequest(connection_, method, path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                                 WINHTTP_DEFAULT_ACCEPT_TYPES, 0);
    if (request == nullptr) return std::nullopt;
    std::optional<HttpReply> reply;
    std::wstring extra;
    for (const auto& [name, value] : headers) extra += name + L": " + value + L"\r\n";
    if (!body.empty()) extra += L"Content-Type: application/json\r\n";
    const bool sent =
        (extra.empty() || WinHttpAddRequestHeaders(request, extra.c_str(), static_cast<DWORD>(-1),
                                                   WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE)) &&
        WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, const_cast<char*>(body.data()),
                           static_cast<DWORD>(body.size()), static_cast<DWORD>(body.size()), 0) &&
        WinHttpReceiveResponse(request, nullptr);
    if (sent) {
        HttpReply answer;
        DWORD status = 0;
        DWORD size = sizeof status;
        WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                            &status, &size, WINHTTP_NO_HEADER_INDEX);
        answer.status = static_cast<int>(status);
        size = 0;
        WinHttpQueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                            WINHTTP_NO_HEADER_INDEX);
        answer.headers.resize(size / sizeof(wchar_t));
        if (WinHttpQueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                                answer.headers.data(), &size, WINHTTP_NO_HEADER_INDEX)) {
            answer.headers.resize(size / sizeof(wchar_t));
        }
        for (;;) {
            DWORD available = 0;
            if (!WinHttpQueryDataAvailable(request, &available) || available == 0) break;
            std::string chunk(available, '\0');
            DWORD read = 0;
            if (!WinHttpReadData(request, chunk.data(), available, &read) || read == 0) break;
            answer.body.append(chunk.data(), read);
        }
        reply = std::move(answer);
    }
    WinHttpCloseHandle(request);
    return reply;
}
