#pragma once
// Array of typed pointers over a pointer-array base. The elements are stored
// with their own type, so ElementAt hands out a real TYPE&.
#include "framework/CArray.h"
#include "framework/CPtrArray.h"

#include <type_traits>

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public CArray<TYPE, TYPE>
{
    static_assert(std::is_same_v<BASE_CLASS, CPtrArray>, "typed pointer arrays are built on CPtrArray");
    static_assert(std::is_pointer_v<TYPE>, "a typed pointer array holds pointers");
};
