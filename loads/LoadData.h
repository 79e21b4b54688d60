// The loads window: load rows, loadcases and the load preview.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>
#include "BeamDrawing.h"
#include "ValueEdit.h"
#include "gui.h"

constexpr int MaxLoadRows = 50;

// The controls of one load row n (1..50), all on the row's panel.
struct LoadRowControls {
    LoadRowControls(gui::Container& parent, int n);
    gui::Panel Panel_;        // Panel_n
    gui::Edit Edit_nn;        // the row number; double click resets the row
    gui::RadioButton OptionP;
    gui::RadioButton OptionUDL;
    ValueEdit Edit_PL, Edit_Dist, Edit_UDLS, Edit_UDLF, Edit_Cover;
    gui::Edit Edit_LF;
    gui::CheckBox Check;      // "Apply" in the current loadcase
    // The six value edits, in the order above.
    std::vector<gui::Edit*> ValueEdits();
    // No kind, value edits emptied and hidden, Apply unticked; no action runs.
    void Empty();
};

// Holds the window's FillingForm at 1 for a scope and puts it back to 0, also
// when the action is abandoned part-way.
struct FillingScope {
    int32_t& flag;
    explicit FillingScope(int32_t& f) : flag(f) { flag = 1; }
    ~FillingScope() { flag = 0; }
};

class TLoadDataFrm : public gui::Form {
public:
    TLoadDataFrm();

    gui::Image Image_Beam{*this};
    gui::Label lbl_Length{*this};
    gui::Label lbl_PL{*this}, lbl_PLdist{*this}, lbl_UDLS{*this}, lbl_UDLF{*this}, lbl_Cover{*this};
    gui::Label Label2{*this, "Loadcase"};
    gui::Edit Edit_Case{*this, "1"};
    gui::UpDown UpDown_Case{*this, Edit_Case};

    gui::Panel Panel_Cmds{*this};
    gui::Button cmdBack{Panel_Cmds, "< Back"};
    gui::Button Button4{Panel_Cmds, "Expand"};
    gui::Button cmd_Clear{Panel_Cmds, "Clear"};
    gui::Button cmd_Cancel{Panel_Cmds, "Cancel"};
    gui::Button cmd_Next{Panel_Cmds, "Next >"};
    gui::GroupBox Frame_SWt{Panel_Cmds, "Steel Beam Self-weight"};
    gui::CheckBox Check_Swt{Frame_SWt, "Apply"};
    gui::Label lbl_Swt{Frame_SWt};
    gui::Label Label1{Frame_SWt, "LF"};
    gui::Edit Edit_LF{Frame_SWt};

    // Row n of the window, 1..50; "Range check error" outside.
    LoadRowControls& Row(int n);

    // Window state.
    int32_t FormRowsShown = 0;
    int32_t CurrentLoadcase = 0;     // 0 is read as 1
    int32_t LoadCheckResult = 0;     // -1 after a failed check
    int32_t FillingForm = 0;         // 1 while the program sets the controls
    float PositionCheckOnRead = 0;   // 1.0: every read of the rows checks positions
    int32_t SavedRowsShown = 0;
    int32_t SavedLoadcase = 0;

    // Layout and clearing.
    void FormShow();
    void ShowLoadRowPanels();
    void HideLoadRowPanels();
    void ClearLoadRows();
    void cmd_ClearClick();

    // Rows to and from LoadRows.
    void ReadLoadRows();
    void FillLoadRows();

    // The load table at Next.
    void cmd_NextClick();
    void CheckLoadPositions();
    void MarkLoadedCases();

    // Loadcases and apply flags.
    void ShowApplyFlags();
    void StoreApplyFlags();
    void ClearApplyOfEmptyRows();
    void ResetLoadcases();
    void RestoreLoadRows();
    void UpDown_CaseClick();
    void CheckClick(int n);          // the Apply box of row n
    void Check_SwtClick();
    void cmd_CancelClick();
    // The self weight is not offered: its group hidden, its box unticked and
    // its flags cleared in every loadcase, without the box's action.
    void WithdrawSelfWeight();

    // The self-weight rate of span 1's section in the load-rate unit.
    void ShowSelfWeightRate();
    // Re-expresses the rows' values and the unit labels in the units in force.
    void ConvertUnits();

    // Set once at start-up: Next took the load table into the model and hid
    // the window; Back leaves the loads for the beam data.
    std::function<void()> OnAccepted, OnBack;

    // Outline of the distributed loads of the current loadcase.
    void BuildUDLOutline();

    // Preview.
    void ClearPreview();
    void DrawLoadsPreview(Layer layer);
    void DrawBeamPreview(Layer layer = Layer::All);
    // The current loadcase's outline rebuilt, then the preview redrawn whole:
    // the strokes of loads and beam, then their values, clear of all strokes.
    void RedrawPreview();

    // Row handlers.
    void ShowLoadRowFields(int n);
    void Edit_DblClick(int n);       // resets row n
    void Button4Click();
    void cmdBackClick();
    void ShowLoadFactorColumn();

private:
    void FormCreate();
    void LayOutHeadings();
    void SetWindowHeight(int h);
    int Loadcase() const { return CurrentLoadcase == 0 ? 1 : CurrentLoadcase; }
    std::vector<std::unique_ptr<gui::Label>> headings_;
    std::vector<std::unique_ptr<gui::Panel>> shapes_;
    std::vector<std::unique_ptr<LoadRowControls>> rows_;
};

extern TLoadDataFrm* LoadDataFrm;
