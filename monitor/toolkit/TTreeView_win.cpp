// The tree as a comctl32 SysTreeView32 control.
#include "toolkit/TTreeView.h"

namespace vantor::toolkit {

HTREEITEM TTreeView::AddNode(HTREEITEM parent, const std::string& text)
{
    if (!Handle())
        return nullptr;
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    return reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TTreeView::Expand(HTREEITEM node)
{
    if (Handle())
        SendMessageA(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
}

void TTreeView::Select(HTREEITEM node)
{
    if (Handle())
        SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
}

int TTreeView::Count() const { return Handle() ? static_cast<int>(SendMessageA(Handle(), TVM_GETCOUNT, 0, 0)) : 0; }

std::string TTreeView::NodeText(HTREEITEM node) const
{
    if (!Handle() || !node)
        return {};
    char text[260] = {};
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

TWinControl::WindowSpec TTreeView::Spec() const
{
    return {WC_TREEVIEWA, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP | WS_BORDER,
            0};
}

void TTreeView::ApplyColours()
{
    SendMessageA(Handle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(Colour));
    SendMessageA(Handle(), TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(TextColour));
    SendMessageA(Handle(), TVM_SETLINECOLOR, 0, static_cast<LPARAM>(TextColour));
}

}  // namespace vantor::toolkit
