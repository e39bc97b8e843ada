// The list and message window (frmList): the program's one skinned popup, a
// stretchable frame of nine pictures shown modally as a list to pick from, a
// question with OK and Cancel, or the alert message with OK. Windows only.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramWindow.h"
#include "list/ListPlacement.h"
#include "list/ListView.h"
#include "toolkit/Picture.h"
#include "toolkit/TGoodForm.h"

namespace vantor::toolkit {
class TImage;
class TLabel;
class TListBox;
}  // namespace vantor::toolkit

namespace vantor::views {

inline constexpr const char* kListWindowCaption = "Vantor List";

class ListWindow final : public ProgramWindow, public ListView {
public:
    ListWindow();
    ~ListWindow() override;

    // Makes the hidden window; skins from resFolder ("...\Res\"), owned by
    // owner when given. The result of applying the layout table.
    int Create(const std::string& resFolder, HWND owner);
    HWND Handle() const { return m_form.Handle(); }

    void PlaceAt(int left, int top) override;
    void SetItems(std::vector<std::string> items) override;
    ListResult ShowListWindow(ListMode mode, ListContent content) override;
    int SelectedIndex() const override;
    void SelectIndex(int index) override;
    std::string MessageText() const override;
    void SetMessageText(std::string text) override;
    bool MessageWindowShown() const override { return m_shown; }

private:
    void BuildControls();
    void LoadSkins(const std::string& resFolder);
    void FillArrangements();
    void ApplyPlan(const ListShowPlan& plan);
    void StretchPiece(int index, const ListRect& bounds);
    void RebuildRegion();
    ListResult RunModal();
    void Finish(ListResult result);
    void OkClicked();

    toolkit::TGoodForm m_form{"frmList"};
    std::array<toolkit::TImage*, kFramePieces> m_frame{};
    std::array<toolkit::PicturePtr, kFramePieces> m_framePictures{};
    toolkit::TImage* m_close = nullptr;
    toolkit::TImage* m_ok = nullptr;
    toolkit::TImage* m_cancel = nullptr;
    toolkit::TLabel* m_message = nullptr;
    toolkit::TListBox* m_list = nullptr;
    ListParts m_parts;
    bool m_arrangementMode = false;
    bool m_shown = false;
    int m_pendingSelection = -1;
    int m_selected = -1;
    ListResult m_result = ListResult::Cancel;
    bool m_finished = true;
};

}  // namespace vantor::views
