#pragma once
#include <windows.h>

class CKirunApp {
public:
    BOOL InitInstance();
};

extern CKirunApp theApp;
