// Saves what a window shows on the screen as a PNG file, for looking at.
#pragma once

#include <windows.h>

#include <string>

namespace orbidate::wintest {

bool SaveWindowPng(HWND window, const std::string& path);

}  // namespace orbidate::wintest
