// The list box as a Windows LISTBOX control.
#include "toolkit/TListBox.h"

#include <vector>

namespace vantor::toolkit {

void TListBox::AddItem(const std::string& item)
{
    if (Handle())
        SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TListBox::Clear()
{
    if (Handle())
        SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

int TListBox::Count() const { return Handle() ? static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)) : 0; }

std::string TListBox::Item(int index) const
{
    if (!Handle())
        return {};
    const LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data());
}

int TListBox::ItemIndex() const
{
    if (!Handle())
        return -1;
    const LRESULT index = SendMessageA(Handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TListBox::SetItemIndex(int index)
{
    if (Handle())
        SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

TWinControl::WindowSpec TListBox::Spec() const
{
    return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_BORDER, 0};
}

}  // namespace vantor::toolkit
