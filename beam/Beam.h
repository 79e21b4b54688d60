// The beam data window: spans, cantilevers, supports and member sections,
// typed, chosen from a section table or computed for timber.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "ValueEdit.h"
#include "gui.h"

class TBeamFrm : public gui::Form {
public:
    TBeamFrm();

    // The window's width, its client height, and its height once enlarged.
    static constexpr int WindowWidth = 777, ClientHeight0 = 553, EnlargedHeight = 777;

    gui::Image Image_Beam{*this};

    gui::GroupBox GroupBox4{*this, " Spans "};
    gui::CheckBox Check_LHC{GroupBox4, "LHC"};
    gui::Edit Edit_Spans{GroupBox4, "1"};
    gui::UpDown UpDown_Spans{GroupBox4, Edit_Spans};
    gui::CheckBox Check_RHC{GroupBox4, "RHC"};

    gui::GroupBox Frame_Coupler{*this, " End Support "};
    gui::CheckBox Check_LHF{Frame_Coupler, "LH Support Fixed"};
    gui::CheckBox Check_RHF{Frame_Coupler, "RH Support Fixed"};

    gui::GroupBox Frame_IE{*this, "Span Properties"};
    gui::CheckBox Check_IE{Frame_IE, "Same for all spans"};
    gui::Edit Edit_SpanNo{Frame_IE, "1"};
    gui::UpDown UpDown_SpanNo{Frame_IE, Edit_SpanNo};
    gui::Label lbl_SpanNo{Frame_IE, "1"};
    gui::Label Label_SpanNo{Frame_IE, "Span to enter data from 'Section Properties Database to."};

    gui::StringGrid Grid_Spans{*this};
    gui::StringGrid Grid_Lengths{*this};

    gui::GroupBox Frame_Props{*this, " Section Properties"};
    gui::Label lbl_Desc{Frame_Props, " "};
    gui::Label Label_Ixx{Frame_Props, "Ixx"};
    gui::Edit Edit_Ixx{Frame_Props};
    gui::Label Label_IxxUnit{Frame_Props};
    gui::Label Label_E{Frame_Props, "E"};
    gui::Edit Edit_E{Frame_Props};
    gui::Label Label_Eunit{Frame_Props};
    gui::Label Label_Yrec{Frame_Props, "y"};
    gui::Edit Edit_Yrec{Frame_Props};
    gui::Label Label_YrecUnit{Frame_Props};

    // Three frames in one place; one of them is shown at a time.
    gui::GroupBox Frame_Steel{*this, "Steel Section Database"};
    gui::Label lbl_Group{Frame_Steel};
    gui::ListBox List_Sect{Frame_Steel};
    gui::GroupBox Frame_Timber{*this, "Timber"};
    gui::Image Image1{Frame_Timber};
    ValueEdit Edit_Timber_W{Frame_Timber};
    gui::Label lbl_Wunit{Frame_Timber};
    ValueEdit Edit_Timber_H{Frame_Timber};
    gui::Label lbl_Hunit{Frame_Timber};
    gui::Label Label1{Frame_Timber, "E"};
    ValueEdit Edit_Timber_E{Frame_Timber};
    gui::Label Label_TimE{Frame_Timber};
    gui::Button cmd_TimCalc{Frame_Timber, "OK"};
    gui::GroupBox Frame_Data{*this, "Section Data"};
    gui::ListBox List_Props{Frame_Data};
    gui::Label lbl_S{Frame_Data};
    gui::Label lbl_Z{Frame_Data};
    gui::Button cmd_HideData{Frame_Data, "OK"};

    gui::Button cmd_ShowProps{*this, "Show Section Properties"};
    gui::Button cmdCancel{*this, "Cancel"};
    gui::Button cmdNext{*this, "Next >"};
    gui::Label Label_Hint{*this, "Enter lengths for spans and cantilevers in the grid above."};

    // Read-only overview of all 27 members, below the first visible area.
    gui::StringGrid Grid_SpanData{*this};

    gui::MainMenu MainMenu1{*this};
    gui::MenuItem SectionPropertiesDatabase1{MainMenu1, "Section Properties Database"};
    gui::MenuItem Beams1{SectionPropertiesDatabase1, "Beams"};
    gui::MenuItem UniversalBeams1{Beams1, "Universal Beams"};
    gui::MenuItem UniversalColumns1{Beams1, "Universal Columns"};
    gui::MenuItem RSJ1{Beams1, "RSJ"};
    gui::MenuItem IPE1{Beams1, "IPE"};
    gui::MenuItem HE1{Beams1, "HE"};
    gui::MenuItem WSectionBeams1{Beams1, "W Shape Beams"};
    gui::MenuItem WSectionColumns1{Beams1, "W Shape Columns"};
    gui::MenuItem Channels1{SectionPropertiesDatabase1, "Channels"};
    gui::MenuItem RSC1{Channels1, "RSC"};
    gui::MenuItem PFC1{Channels1, "PFC"};
    gui::MenuItem UPN1{Channels1, "UPN"};
    gui::MenuItem CShape1{Channels1, "C Shape"};
    gui::MenuItem Angles1{SectionPropertiesDatabase1, "Angles"};
    gui::MenuItem EqualRSA1{Angles1, "Equal RSA"};
    gui::MenuItem UnequalRSA1{Angles1, "Unequal RSA"};
    gui::MenuItem EqualL1{Angles1, "Equal 'L'"};
    gui::MenuItem UnequalL1{Angles1, "Unequal 'L'"};
    gui::MenuItem ClosedSections1{SectionPropertiesDatabase1, "Closed Sections"};
    gui::MenuItem RHS1{ClosedSections1, "RHS"};
    gui::MenuItem CHS1{ClosedSections1, "CHS"};
    gui::MenuItem N1{SectionPropertiesDatabase1, "-"};
    gui::MenuItem Miscellaneous1{SectionPropertiesDatabase1, "Miscellaneous"};
    gui::MenuItem N2{SectionPropertiesDatabase1, "-"};
    gui::MenuItem Timber1{SectionPropertiesDatabase1, "Timber"};
    gui::MenuItem EditSectionDatabase1{MainMenu1, "  Edit Section Database"};
    gui::MenuItem EditMiscellaneousSections1{EditSectionDatabase1, "Misc Sections"};

    // Refills the window from the model (after Open, and on Cancel).
    void ShowBeamData();
    // Row headings of the grids in the units in force.
    void WriteGridHeadings();
    // The grids and section edits show the member texts of the members shown.
    void ShowMemberTexts();
    // Empties the window for a new beam.
    void ResetBeamForm();
    // Fills the whole sketch grey.
    void ClearBeamSketch();
    // Draws the beam being edited and sums its length into SketchLength.
    void DrawBeamSketch();
    // Next: checks the members, builds the model and moves on to the loads.
    void CommitBeamData();
    // Re-expresses the window's texts and unit labels in the units in force.
    void ConvertUnits();

    // Set once at start-up: the window was shown to edit the beam, so the
    // main window's Save items are off; Next took the beam into the model and
    // hid the window, and the loads window offers the steel self weight when
    // selfWeight holds.
    std::function<void()> OnEditing;
    std::function<void(bool selfWeight)> OnCommitted;

    // Runs the loader of a section table by its family code ("UB" .. "Misc");
    // an unknown code runs none.
    void LoadFamily(const std::string& code);
    // A section table file was written: a list of its sections is read again.
    void SectionTableSaved(const std::string& fileName);

private:
    // Layout and showing (BeamLayout.cpp).
    void LayOut();
    void BindHandlers();
    void FormCreate();
    void FormShow();
    void ShowFrame(gui::GroupBox& frame);
    void cmd_HideDataClick();
    void Label_HintClick();
    // Ticks Check_IE as asked, quietly, and shows the controls of that mode.
    void ShowEditingMode(bool oneSection);

    // Grids, check boxes and the member selector (BeamGrids.cpp).
    int Lhc() const { return Check_LHC.Checked() ? 1 : 0; }
    int Rhc() const { return Check_RHC.Checked() ? 1 : 0; }
    // The existing members in beam order, each with its grid column.
    struct MemberAt {
        int member, column;
    };
    std::vector<MemberAt> Members() const;
    // The count typed in Edit_Spans; one outside 1..MaxSpans is refused.
    int TypedSpanCount() const;
    // The count being edited, shown by the spinner.
    void SetSpanCount(int n);
    void RebuildSpanColumns();
    void WriteMemberCaptions();
    void ReadSpanGrid();
    void WriteSpanGrid();
    // The member's column of Grid_Spans: description, length, Ixx, E and y.
    void ShowMemberColumn(const MemberAt& m);
    void FillLengthsGrid();
    void ShowSpan1Section();
    void ShowStoredSection();
    void ShowEndChecks();
    void MarkExistingMembers();
    void LengthsToSpanData();
    void ReadFixityChecks();
    void SetSpanNoRange();
    void ShowSpanNo();
    void ShowSelector(int v);
    void RefreshMembers();
    void EndBoxClick(gui::CheckBox& box, gui::CheckBox& otherBox);
    void UpDown_SpansClick();
    void Grid_SpansKeyUp();
    void SectionEditKeyUp(int field, int row, const gui::Edit& edit);
    // The focus where a member of the beam has its length, Ixx or E typed.
    void FocusMemberValue(int member, int text);
    void Check_IEClick();

    // Beam data into the model (BeamCommit.cpp).
    void cmdCancelClick();

    // Section tables (BeamChooser.cpp).
    void BindMenus();
    void ChooseFamily(const std::string& code);
    void LoadSectionList();
    void List_SectClick();
    std::vector<std::string> listedSections_;  // designations as read into List_Sect
    // A section's texts in display units, as they go to the members.
    struct SectionTexts {
        std::string desc, ixx, e, y, area;
    };
    // Into the overview, and into every member column (one section for all)
    // or the chosen member's; the section edits too when showEdits or one
    // section for all.
    void SectionToMembers(const SectionTexts& s, bool showEdits);

    // Timber (BeamTimber.cpp).
    void Timber1Click();
    void ShowTimberFrame();
    void cmd_TimCalcClick();
    void DrawTimberPicture();
};

extern TBeamFrm* BeamFrm;
