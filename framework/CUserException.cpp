#include "framework/CUserException.h"

IMPLEMENT_DYNAMIC(CUserException, CException)
