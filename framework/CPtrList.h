#pragma once
// List of untyped pointers; the list never owns what they point to.
#include "framework/CList.h"

class CPtrList : public CList<void*, void*>
{
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
};
