#pragma once
// Resource ids the framework itself looks for; also read by resource scripts.

// The program's title, the caption of its message boxes (when missing, the
// executable's base name stands in).
#define AFX_IDS_APP_TITLE 0xE000
