// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Scratch files for the tests: a private temporary directory and whole-file reads and writes.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

// A new empty directory under the system's temporary directory.
inline std::string makeScratchDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaron-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make " + pattern);
    return pattern;
}
inline void removeScratchDirectory(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}
// Replaces the file at `path` with exactly `bytes`.
inline void writeBytes(const std::string& path, const std::string& bytes)
{
    if (!std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size())))
        throw std::runtime_error("cannot write " + path);
}
// The whole content of the file at `path`; empty when it cannot be read.
inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
// Whether anything (file, directory, link) exists at `path`.
inline bool pathExists(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::symlink_status(path, ignored).type() != std::filesystem::file_type::not_found;
}
