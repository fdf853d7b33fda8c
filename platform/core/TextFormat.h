#pragma once
// Size-safe printf-style formatting. The project fills no fixed buffers from
// outside: every formatted text is built here into a std::string.

#include <cstdarg>
#include <string>

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, va_list args);
