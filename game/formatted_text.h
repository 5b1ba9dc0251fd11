// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// A printf format filled in as a std::string, however long the text it makes.
#pragma once
#include <cstdio>
#include <string>

// `format` filled in with `arguments`, which must match its conversions.
template <typename... Arguments>
std::string formattedText(const char* format, Arguments... arguments)
{
    const int size = std::snprintf(nullptr, 0, format, arguments...);
    if (size <= 0) return "";
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, arguments...);
    text.pop_back();
    return text;
}
