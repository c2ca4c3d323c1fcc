// The application object of the controls test program: it gives the
// framework its instance, so the program's own resources are found.
#include "framework/CWinApp.h"

CWinApp g_controlsTestApp("ControlsTest");
