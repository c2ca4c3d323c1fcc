#pragma once
// Root of the framework's classes that report their run-time class.
#include "framework/CRuntimeClass.h"

class CObject
{
public:
    static const CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
