// The memo as a multi-line Windows EDIT control.
#include "toolkit/TMemo.h"

#include "toolkit/TEdit.h"

namespace vantor::toolkit {

void TMemo::SetLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    if (Handle())
        SetWindowTextA(Handle(), text.c_str());
}

void TMemo::AddLine(const std::string& line)
{
    if (!Handle())
        return;
    const int end = GetWindowTextLengthA(Handle());
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    const std::string piece = (end > 0 ? "\r\n" : "") + line;
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
}

std::string TMemo::Text() const { return WindowText(Handle()); }

TWinControl::WindowSpec TMemo::Spec() const
{
    return {"EDIT",
            static_cast<DWORD>(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | (Border ? WS_BORDER : 0) |
                               (HorizontalScroll ? WS_HSCROLL | ES_AUTOHSCROLL : 0) | (ReadOnly ? ES_READONLY : 0)),
            0};
}

}  // namespace vantor::toolkit
