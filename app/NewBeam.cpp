#include "NewBeam.h"
#include "AnalysisState.h"
#include "Beam.h"
#include "BeamDrawing.h"
#include "FieldUndo.h"
#include "Global.h"
#include "Index.h"
#include "LoadData.h"
#include "ResultTexts.h"
#include "SetHeader.h"
#include "SpanForces.h"
#include "UnitSettings.h"

namespace {

// Display units of a new beam when the settings file cannot be read; the
// stress, section and weight units keep their values.
void NewBeamUnits() {
    for (const QuantityUnits& q : UnitTable())
        if (q.Required()) SetUnit(q.id, q.Default());
    ApplyDefaultCaptions();
    FactoredLoads = -1;
}

// Loads, outlines and summaries of the loadcases in use.
void ClearLoadcases(int cases, FieldUndo* undo) {
    KeepIn(undo, LoadTable, AcceptedUDLOutline, ShearSummary, MomentSummary, DeflectionSummary);
    for (int lc = 1; lc <= cases; ++lc) {
        for (int slot = 1; slot <= LoadSlots; ++slot) {
            LoadRecord& r = LoadTable[lc][slot];
            r.Fill(0);
            r[LApplied] = NotApplied;
        }
        for (int row = 1; row <= 50; ++row)
            for (int end = 1; end <= 2; ++end) AcceptedUDLOutline[lc][row][end].Fill(0);
    }
    for (int lc = 0; lc <= cases; ++lc)
        for (auto* table : {&ShearSummary, &MomentSummary, &DeflectionSummary})
            for (MemberSummary& row : (*table)[lc]) row.Fill(0);
}

void ClearModel(FieldUndo* undo) {
    KeepIn(undo, LoadCaseShown, NumSpans, NumLoadcases, SpanDescription, BeamGeometryTable, Header_Project_1,
         Header_Project_2, Header_JobDesc, Header_Ref, BeamLength, MemberLengthLabel, SupportTypes, ReactionMaxPos,
         ReactionMaxNeg, SpanShear, SpanMoment, UniformSectionText, FactoredLoads, SelfWeightScope, FileMark,
         LoadRowsShown, ResultsReady, AnalysisRefusal, BeamFileName);
    LoadCaseShown = 1;
    NumSpans = 1;
    NumLoadcases = 0;
    SpanDescription.Fill(ShortString<100>(" "));
    for (auto& row : BeamGeometryTable)
        for (int col = 0; col <= 6; ++col) row[col] = 0;
    for (ShortString<100>* h : {&Header_Project_1, &Header_Project_2, &Header_JobDesc, &Header_Ref}) *h = "";
    BeamLength = 0;
    SetMemberLengthLabels();
    SupportTypes.Fill(0);
    ReactionMaxPos.Fill(0);
    ReactionMaxNeg.Fill(0);
    for (int s = 0; s <= 25; ++s)
        for (int j = 0; j <= 200; ++j) SpanShear[s][j] = SpanMoment[s][j] = 0;
    UniformSectionText.Fill({});
    FactoredLoads = 0;
    SelfWeightScope = 0;
    FileMark = "KVL";
    LoadRowsShown = 6;  // the rows the loads window shows
    ResultsReady = 0;
    AnalysisRefusal.clear();
    BeamFileName = "";
}

// The settings file's units, or those of a new beam.
void ReadNewBeamUnits(FieldUndo* undo) {
    KeepIn(undo, Units, PlasticModXName, ElasticModXName, PlasticModYName, ElasticModYName, BMConvention,
         FactoredLoads);
    if (!ReadUnitSettingsFile()) NewBeamUnits();
}

void ResetLoadsWindow() {
    TLoadDataFrm& f = *LoadDataFrm;
    f.SetHeight(250);
    f.Row(1).OptionP.SetCheckedQuietly(false);
    f.Row(1).OptionUDL.SetCheckedQuietly(false);
    f.ClearLoadRows();
    f.HideLoadRowPanels();
    f.ShowLoadRowPanels();
    f.ResetLoadcases();
    f.ShowLoadFactorColumn();
}

}  // namespace

void ClearBeamModel(FieldUndo* undo) {
    const int casesInUse = NumLoadcases;
    ClearLoadcases(casesInUse, undo);
    ClearModel(undo);
    ReadNewBeamUnits(undo);
    // The loadcase stores of the loadcases in use before the reset.
    NumLoadcases = casesInUse;
    ClearResultLines(undo);
    NumLoadcases = 0;
}

void ResetBeamWindows(TIndexFrm& f) {
    BeamFrm->Hide();
    LoadDataFrm->Hide();
    f.SetCaption("Korvela");
    for (gui::MenuItem* m : {&f.Save1, &f.SaveAs1, &f.Print1}) m->SetEnabled(false);
    ResultsReplaced();
    f.ShownCase = 0;
    f.ClearPicture();
    ResetLoadsWindow();
    BeamFrm->ResetBeamForm();
    BeamFrm->ClearBeamSketch();
    for (gui::Edit* e : {&SetHeaderFrm->Edit_Project_1, &SetHeaderFrm->Edit_Project_2, &SetHeaderFrm->Edit_JobDesc,
                         &SetHeaderFrm->Edit_Ref})
        e->SetText("");
    for (gui::ListBox* l : {&f.List_Results, &f.List_CaseResults}) {
        l->Clear();
        gui::Font font = l->GetFont();
        font.Colour = gui::clBlack;
        l->SetFont(font);
    }
    f.UpDown1.SetEnabled(false);
}

void ResetBeamData(TIndexFrm& f) {
    ClearBeamModel();
    ResetBeamWindows(f);
}
