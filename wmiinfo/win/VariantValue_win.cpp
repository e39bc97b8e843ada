#include "win/VariantValue_win.h"

namespace vantor::wmi {

static_assert(kVtEmpty == VT_EMPTY && kVtNull == VT_NULL && kVtI2 == VT_I2 && kVtI4 == VT_I4 && kVtR4 == VT_R4 &&
              kVtR8 == VT_R8 && kVtDate == VT_DATE && kVtBstr == VT_BSTR && kVtDispatch == VT_DISPATCH &&
              kVtBool == VT_BOOL && kVtUnknown == VT_UNKNOWN && kVtUi1 == VT_UI1 && kVtArray == VT_ARRAY);

std::string AnsiText(const wchar_t* text, std::size_t length, std::size_t limit)
{
    if (text == nullptr)
        return {};
    if (length > limit) {
        length = limit;
        if (length > 0 && IS_HIGH_SURROGATE(text[length - 1]))
            --length;
    }
    if (length == 0)
        return {};
    const int wide = static_cast<int>(length);
    const int size = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, wide, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

WmiValue ToWmiValue(const VARIANT& value)
{
    switch (V_VT(&value)) {
    case VT_I2:
        return WmiValue::Integer(kVtI2, V_I2(&value));
    case VT_I4:
        return WmiValue::Integer(kVtI4, V_I4(&value));
    case VT_UI1:
        return WmiValue::Integer(kVtUi1, V_UI1(&value));
    case VT_BOOL:
        return WmiValue::Integer(kVtBool, V_BOOL(&value));
    case VT_R4:
        return WmiValue::Real(kVtR4, V_R4(&value));
    case VT_R8:
        return WmiValue::Real(kVtR8, V_R8(&value));
    case VT_BSTR: {
        const BSTR text = V_BSTR(&value);
        return WmiValue::Bstr(AnsiText(text, text != nullptr ? SysStringLen(text) : 0, kMaxValueChars));
    }
    default:
        return WmiValue::OfType(V_VT(&value));
    }
}

}  // namespace vantor::wmi
