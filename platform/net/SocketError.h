#pragma once
// Translation of the system's error numbers into the socket error numbers of
// SocketDefs.h, and their texts.

#include <string>

class CSocketError {
public:
    // errno -> WSAE... (an unknown number gives WSAEINVAL).
    static int FromErrno(int error);
    // A getaddrinfo result -> WSAHOST_NOT_FOUND, WSATRY_AGAIN, ...
    static int FromLookup(int result);
    static std::string Text(int error);
};
