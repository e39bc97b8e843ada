// The edit box as a Windows EDIT control.
#include "toolkit/TEdit.h"

#include <vector>

namespace vantor::toolkit {

std::string WindowText(HWND window)
{
    if (!window)
        return {};
    const int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    GetWindowTextA(window, text.data(), length + 1);
    return std::string(text.data());
}

std::string TEdit::Text() const { return WindowText(Handle()); }

void TEdit::SetText(const std::string& text)
{
    if (Handle())
        SetWindowTextA(Handle(), text.c_str());
}

TWinControl::WindowSpec TEdit::Spec() const
{
    return {"EDIT", static_cast<DWORD>(ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER | (ReadOnly ? ES_READONLY : 0)), 0};
}

}  // namespace vantor::toolkit
