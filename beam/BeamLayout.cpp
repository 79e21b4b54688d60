// The beam data window's controls, its creation and every showing.
#include "Beam.h"
#include "UnitConversion.h"
#include "UnitSettings.h"
#include "Global.h"

namespace {
const gui::Color Grey = gui::clGray;
}  // namespace

void TBeamFrm::LayOut() {
    // Every control at its place in its parent.
    const struct {
        gui::Control& c;
        int left, top, width, height;
    } places[] = {
        {Image_Beam, 8, 4, 753, 81},
        {GroupBox4, 8, 90, 200, 70},
        {Check_LHC, 10, 28, 50, 20},
        {Edit_Spans, 66, 26, 40, 24},
        {UpDown_Spans, 106, 26, 18, 24},
        {Check_RHC, 140, 28, 50, 20},
        {Frame_Coupler, 216, 90, 170, 70},
        {Check_LHF, 10, 20, 150, 20},
        {Check_RHF, 10, 44, 150, 20},
        {Frame_IE, 394, 90, 367, 70},
        {Check_IE, 10, 20, 150, 20},
        {Edit_SpanNo, 180, 18, 44, 24},
        {lbl_SpanNo, 182, 20, 36, 20},
        {UpDown_SpanNo, 224, 18, 18, 24},
        {Label_SpanNo, 10, 46, 350, 18},
        {Grid_Spans, 8, 168, 753, 164},
        {Grid_Lengths, 8, 168, 753, 66},
        {Frame_Props, 8, 250, 753, 78},
        {lbl_Desc, 10, 20, 500, 18},
        {lbl_Group, 10, 20, 400, 18},
        {List_Sect, 10, 40, 540, 128},
        {List_Props, 10, 20, 330, 150},
        {lbl_S, 350, 30, 200, 18},
        {lbl_Z, 350, 54, 200, 18},
        {cmd_HideData, 350, 140, 80, 28},
        {Edit_Timber_W, 190, 22, 60, 24},
        {lbl_Wunit, 254, 26, 60, 18},
        {Image1, 190, 52, 60, 110},
        {Edit_Timber_H, 258, 94, 60, 24},
        {lbl_Hunit, 322, 98, 60, 18},
        {Label1, 20, 60, 16, 18},
        {Edit_Timber_E, 40, 56, 90, 24},
        {Label_TimE, 40, 84, 90, 18},
        {cmd_TimCalc, 450, 140, 80, 28},
        {cmd_ShowProps, 584, 344, 177, 28},
        {cmdCancel, 584, 480, 80, 30},
        {cmdNext, 681, 480, 80, 30},
        {Label_Hint, 8, 524, 560, 18},
        {Grid_SpanData, 8, 556, 753, 172},
    };
    for (const auto& p : places) p.c.SetBounds(p.left, p.top, p.width, p.height);
    // One place, three frames: the one on top hides the others whole.
    for (gui::GroupBox* f : {&Frame_Steel, &Frame_Timber, &Frame_Data}) {
        f->SetBounds(8, 338, 560, 178);
        f->SetOpaque(true);
    }
    const int x[] = {10, 260, 510};
    gui::Label* captions[] = {&Label_Ixx, &Label_E, &Label_Yrec};
    gui::Edit* edits[] = {&Edit_Ixx, &Edit_E, &Edit_Yrec};
    gui::Label* units[] = {&Label_IxxUnit, &Label_Eunit, &Label_YrecUnit};
    for (int i = 0; i < 3; ++i) {
        captions[i]->SetBounds(x[i], 50, 28, 18);
        edits[i]->SetBounds(x[i] + 30, 46, 100, 24);
        units[i]->SetBounds(x[i] + 136, 50, 90, 18);
    }

    Image_Beam.SetSize(753, 81);
    Image1.SetSize(60, 110);
    // The arrows reach every count the beam can hold, so that a click on
    // them never cuts a beam typed or opened with more than ten spans.
    UpDown_Spans.SetMin(1);
    UpDown_Spans.SetMax(MaxSpans);
    SetSpanCount(1);
    lbl_SpanNo.SetColour(gui::clWhite);
    lbl_SpanNo.SetAlignment(gui::Align::Center);
    UpDown_SpanNo.SetMin(0);
    UpDown_SpanNo.SetMax(1);
    UpDown_SpanNo.SetPosition(1);
    // Choosing the member, or a line of a section's data, enters nothing.
    Edit_SpanNo.SetViewing();
    List_Props.SetViewing();
    Grid_Spans.SetHint("Enter span lengths");
    Grid_Spans.SetRowCount(6);
    Grid_Lengths.SetRowCount(2);
    for (gui::StringGrid* g : {&Grid_Spans, &Grid_Lengths}) {
        g->SetColCount(2);
        g->SetDefaultColWidth(110);
        g->SetEditing(true);
        // Every row whole above the scroll bar that many members bring.
        const int lengthRow = g == &Grid_Spans ? 2 : 1, rows = g == &Grid_Spans ? 6 : 2;
        for (int r = 0; r < rows; ++r) g->SetRowHeight(r, r == lengthRow ? 36 : 22);  // the two-line length heading
        g->SetHeight(22 * (rows - 1) + 36 + 4 + g->ScrollBarHeight());
    }
    List_Sect.SetHint("Click to set values for I and E");
    for (gui::ListBox* l : {&List_Sect, &List_Props}) l->SetFont({"Courier", 8, 13});
    cmdNext.SetHint("Click Here for Next");
    Label_Hint.SetFont({"MS Sans Serif", 8, 0, gui::clBlue});

    Grid_SpanData.SetColCount(28);
    Grid_SpanData.SetRowCount(7);
    Grid_SpanData.SetDefaultColWidth(75);
    Grid_SpanData.SetColWidth(0, 150);
    Grid_SpanData.SetCell(1, 0, " LHC");
    for (int n = 1; n <= MaxSpans; ++n) Grid_SpanData.SetCell(n + 1, 0, "Span " + std::to_string(n));
    Grid_SpanData.SetCell(27, 0, " RHC");

    ShowFrame(Frame_Data);  // the section data frame lies over the list at first
    ShowEditingMode(true);
    DrawTimberPicture();
}

void TBeamFrm::BindHandlers() {
    OnShow = [this] { FormShow(); };
    Check_LHC.OnClick = [this] { EndBoxClick(Check_LHC, Check_LHF); };
    Check_RHC.OnClick = [this] { EndBoxClick(Check_RHC, Check_RHF); };
    Check_LHF.OnClick = [this] { EndBoxClick(Check_LHF, Check_LHC); };
    Check_RHF.OnClick = [this] { EndBoxClick(Check_RHF, Check_RHC); };
    UpDown_Spans.OnClick = [this] { UpDown_SpansClick(); };
    Grid_Spans.OnKeyUp = [this] { Grid_SpansKeyUp(); };
    Grid_Lengths.OnKeyUp = [this] { LengthsToSpanData(); };
    Edit_Ixx.OnKeyUp = [this] { SectionEditKeyUp(3, 3, Edit_Ixx); };
    Edit_E.OnKeyUp = [this] { SectionEditKeyUp(2, 4, Edit_E); };
    Edit_Yrec.OnKeyUp = [this] { SectionEditKeyUp(4, 5, Edit_Yrec); };
    Check_IE.OnClick = [this] { Check_IEClick(); };
    UpDown_SpanNo.OnClick = [this] { ShowSpanNo(); };
    Label_Hint.OnClick = [this] { Label_HintClick(); };
    cmd_ShowProps.OnClick = [this] { ShowFrame(Frame_Data); };
    cmd_HideData.OnClick = [this] { cmd_HideDataClick(); };
    cmdCancel.OnClick = [this] { cmdCancelClick(); };
    cmdNext.OnClick = [this] { CommitBeamData(); };
    List_Sect.OnClick = [this] { List_SectClick(); };
    cmd_TimCalc.OnClick = [this] { cmd_TimCalcClick(); };
}

void TBeamFrm::FormCreate() {
    SetClientSize(WindowWidth - 2 * gui::FrameWidth, ClientHeight0);
    CentreOnScreen();
    Grid_Spans.SetColWidth(0, 110);
    Grid_Spans.SetColWidth(1, 110);
    Grid_Spans.SetCell(0, 0, " Spans");
    Grid_Spans.SetCell(1, 0, " Span 1 ");
    SpanCount = 1;
    SpanNo = 1;
}

void TBeamFrm::WriteGridHeadings() {
    const std::string lengthHeading = "\n Length  (" + Unit_L.str() + ")";
    Grid_Spans.SetCell(0, 1, " Description ");
    Grid_Spans.SetCell(0, 2, lengthHeading);
    Grid_Spans.SetCell(0, 3, " Ixx  (" + Unit_Sect_I.str() + ")");
    Grid_Spans.SetCell(0, 4, "  E  (" + Unit_Sect_E.str() + ")");
    Grid_Spans.SetCell(0, 5, "  y  (" + Unit_Sect_L.str() + ")");
    Grid_Lengths.SetCell(0, 1, lengthHeading);
    const char* const overview[] = {" 1) Exists", " 2) L", " 3) E", " 4) Ixx", " 5) y", " 6) Area"};
    for (int row = 1; row <= 6; ++row) Grid_SpanData.SetCell(0, row, overview[row - 1]);
}

void TBeamFrm::FormShow() {
    const gui::Busy busy;
    gui::Canvas& c = Image_Beam.GetCanvas();
    c.Brush.Colour = Grey;
    c.FillRect({0, 0, Image_Beam.Width(), Image_Beam.Height()});

    // The units the window works in must not be missing.
    for (const QuantityUnits& q : UnitTable())
        if (q.Required()) {
            if (Unit(q.id).Name.empty()) Unit(q.id).Name = q.Default().name;
            if (Unit(q.id).Factor == 0) Unit(q.id).Factor = q.Default().factor;
        }

    for (int col = 1; col <= SpanCount && col < Grid_Spans.ColCount(); ++col) Grid_Spans.SetColWidth(col, 110);
    Grid_Lengths.SetColWidth(0, 95);
    WriteMemberCaptions();  // column 1 is the LHC when there is one
    WriteGridHeadings();

    Label_IxxUnit.SetCaption(Unit_Sect_I);
    Label_Eunit.SetCaption(Unit_Sect_E);
    Label_YrecUnit.SetCaption(Unit_Sect_L);
    lbl_Hunit.SetCaption(Unit_Sect_L);
    lbl_Wunit.SetCaption(Unit_Sect_L);
    Label_TimE.SetCaption(Unit_Sect_E);

    OnEditing();
    lbl_S.SetCaption(PlasticModulusLabel());
    lbl_Z.SetCaption(ElasticModulusLabel());
    Label_Hint.SetCaption("Enter lengths for spans and cantilevers in the grid above.");
    DrawBeamSketch();
    cmdCancel.SetFocus();
}

void TBeamFrm::ShowFrame(gui::GroupBox& frame) {
    for (gui::GroupBox* f : {&Frame_Steel, &Frame_Timber, &Frame_Data}) f->SetVisible(f == &frame);
}

void TBeamFrm::cmd_HideDataClick() { ShowFrame(SectionShape == "Timber" ? Frame_Timber : Frame_Steel); }

void TBeamFrm::Label_HintClick() { SetBounds(Left(), 10, Width(), EnlargedHeight); }

void TBeamFrm::ShowEditingMode(bool oneSection) {
    Check_IE.SetCheckedQuietly(oneSection);
    Grid_Lengths.SetVisible(oneSection);
    Frame_Props.SetVisible(oneSection);
    for (gui::Control* c : std::initializer_list<gui::Control*>{&Grid_Spans, &Edit_SpanNo, &UpDown_SpanNo,
                                                                 &lbl_SpanNo, &Label_SpanNo})
        c->SetVisible(!oneSection);
}
