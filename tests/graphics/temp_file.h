// Writes test files into the temporary folder (host tests only).
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "image_bytes.h"

namespace kavo_test {

inline std::string temp_file(const char *name, const Bytes &contents)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    FILE *f = std::fopen(path.c_str(), "wb");
    std::fwrite(contents.data(), 1, contents.size(), f);
    std::fclose(f);
    return path;
}

} // namespace kavo_test
