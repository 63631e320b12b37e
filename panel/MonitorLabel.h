#pragma once
// The names the appearance page gives the connected monitors in its monitor choice.
#include <windows.h>

#include <string>

#include "display/MonitorList.h"

// Where `rect` lies seen from the primary monitor's rectangle: "メイン" for the primary itself,
// else "左", "右", "上", "下" or two of them ("右上"); "重なり" for one that overlaps it.
std::string monitorSide(const RECT& rect, const RECT& primaryRect, bool primary);

// "2: 1024×768 右": the monitor's number (counting from 1), its size and its side.
std::string monitorLabel(int number, const MonitorInfo& monitor, const RECT& primaryRect);
