#include "app/KirunApp.h"

CKirunApp theApp;

BOOL CKirunApp::InitInstance() { return FALSE; }
