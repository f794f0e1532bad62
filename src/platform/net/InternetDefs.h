// Types, flags and codes of the internet classes, with the values the
// wizard was written against, so that its calls read as they always did.
#pragma once

#include <cstdint>

#include "platform/Types.h"

using DWORD_PTR = std::uintptr_t;
using INTERNET_PORT = std::uint16_t;
using ULONGLONG = std::uint64_t;

constexpr INTERNET_PORT INTERNET_INVALID_PORT_NUMBER = 0;  // "use the scheme's default port"
constexpr INTERNET_PORT INTERNET_DEFAULT_HTTP_PORT = 80;
constexpr INTERNET_PORT INTERNET_DEFAULT_HTTPS_PORT = 443;

// Access types of a session. Only the direct connection exists here.
constexpr DWORD INTERNET_OPEN_TYPE_DIRECT = 1;

// Request flags. A request reuses an open connection to its server whenever
// it can (a resend after a 401, for one), so this flag is the only behaviour
// there is and asks for nothing more.
constexpr DWORD INTERNET_FLAG_EXISTING_CONNECT = 0x20000000;
// Request flag: the request goes over TLS (https) to the connection's port.
// The server's certificate must be valid for the server's name and chain up
// to the system's trust store, and redirects may lead to https only.
constexpr DWORD INTERNET_FLAG_SECURE = 0x00800000;

// AddRequestHeaders: add the header unless one of that name is there already.
constexpr DWORD HTTP_ADDREQ_FLAG_ADD_IF_NEW = 0x10000000;
// AddRequestHeaders: add the header, replacing one of that name.
constexpr DWORD HTTP_ADDREQ_FLAG_REPLACE = 0x80000000;

// Session options, in milliseconds.
constexpr DWORD INTERNET_OPTION_CONNECT_TIMEOUT = 2;  // to establish a connection
constexpr DWORD INTERNET_OPTION_RECEIVE_TIMEOUT = 6;  // the longest silence while waiting for data

constexpr DWORD HTTP_STATUS_PARTIAL_CONTENT = 206;
constexpr DWORD HTTP_STATUS_DENIED = 401;
constexpr DWORD HTTP_STATUS_RANGE_NOT_SATISFIABLE = 416;

// Error codes carried by CInternetException.
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INTERNET_TIMEOUT = 12002;
constexpr DWORD ERROR_INTERNET_INTERNAL_ERROR = 12004;
constexpr DWORD ERROR_INTERNET_INVALID_URL = 12005;
constexpr DWORD ERROR_INTERNET_NAME_NOT_RESOLVED = 12007;
constexpr DWORD ERROR_INTERNET_INCORRECT_HANDLE_STATE = 12019;
constexpr DWORD ERROR_INTERNET_CANNOT_CONNECT = 12029;
constexpr DWORD ERROR_INTERNET_CONNECTION_ABORTED = 12030;
constexpr DWORD ERROR_INTERNET_CONNECTION_RESET = 12031;
constexpr DWORD ERROR_HTTP_INVALID_SERVER_RESPONSE = 12152;
constexpr DWORD ERROR_HTTP_REDIRECT_FAILED = 12156;
constexpr DWORD ERROR_INTERNET_SECURITY_CHANNEL_ERROR = 12157;
