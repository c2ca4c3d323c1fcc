#pragma once
// Ends an operation the user has already been told about (a data exchange
// that found an invalid entry). Never reported again.
#include "framework/CException.h"

class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
};
