#pragma once
// Array of untyped pointers; the array never owns what they point to.
#include "framework/CArray.h"

class CPtrArray : public CArray<void*, void*>
{
};
