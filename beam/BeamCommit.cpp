// Next and Cancel: the beam being edited into the model, or back from it.
#include "Beam.h"
#include "BeamText.h"
#include "Checked.h"
#include "Global.h"
#include "LoadData.h"

namespace {
enum Text { TExists = 0, TLength = 1, TE = 2, TIxx = 3, TY = 4, TArea = 5 };

std::string MissingValueMessage(const std::string& first) {
    const std::string Q = "\"", CR = "\r";
    return first + CR + CR + " For standard hot rolled sections" + CR + " Click " + Q +
           "Section Properties Database" + Q + " on the top menu" + CR + " then click required section in " + Q +
           "Steel Section Database" + Q + " to load." + CR + CR + " Create new section in " + Q +
           "Ostrel Sections" + Q + " for non standard section";
}

// A value is missing when its text reads as a number not above 0.
bool Missing(const std::string& text) { return !(TextNumber(text) > 0); }

// Text x factor, the text rounded to single precision first.
double Internal(const std::string& text, float factor) {
    return ToDouble(static_cast<Real>(ToSingle(TextNumber(text))) * static_cast<Real>(factor));
}
}  // namespace

void TBeamFrm::CommitBeamData() {
    gui::SetHourglass(true);
    struct Cursor {
        ~Cursor() { gui::SetHourglass(false); }
    } cursor;

    const std::string no = "0", yes = "1";
    for (int m = 0; m <= 26; ++m) SpanTextTable[m][TExists] = no;
    if (Check_LHC.Checked()) SpanTextTable[LHC][TExists] = yes;
    for (int k = 1; k <= SpanCount; ++k) SpanTextTable[k][TExists] = yes;
    if (Check_RHC.Checked()) SpanTextTable[RHC][TExists] = yes;

    const std::vector<MemberAt> members = Members();
    struct Check {
        int text;
        std::string message;
    };
    const Check checks[] = {
        {TLength, " Specify length of all spans"},
        {TIxx, MissingValueMessage(" Specify value for Ixx for all spans")},
        {TE, MissingValueMessage(" Specify value for E for all spans")},
    };
    for (const Check& check : checks)
        for (const MemberAt& m : members)
            if (Missing(SpanTextTable[m.member][check.text])) {
                gui::ShowMessage(check.message);
                return;
            }

    for (const MemberAt& m : members) SpanDescText[m.member] = Grid_Spans.Cell(m.column, 1);
    BeamLength = SketchLength;
    SectionFamily = FamilyCode;

    if (Check_IE.Checked()) {
        UniformSectionText[1] = " " + SpanDescText[1];
        UniformSectionText[2] = " Ixx = " + SpanTextTable[1][TIxx] + " " + Unit_Sect_I.str();
        UniformSectionText[3] = "  E  = " + SpanTextTable[1][TE] + " " + Unit_Sect_E.str();
        UniformSectionText[4] = "  y  = " + SpanTextTable[1][TY] + " " + Unit_Sect_L.str();
        UniformSectionText[0] = "4";
    }
    for (int m = 0; m <= 26; ++m) SpanDescription[m] = SpanDescText[m];

    const float* factors[] = {nullptr, &Factor_L, &Factor_Sect_E, &Factor_Sect_I, &Factor_Sect_L, &Factor_Sect_A};
    for (int m = 0; m <= 26; ++m) {
        const std::string& exists = SpanTextTable[m][TExists];
        BeamGeometryTable[m][GPresent] = static_cast<int>(TextNumber(exists));
        for (int t = TLength; t <= TArea; ++t) BeamGeometryTable[m][t] = Internal(SpanTextTable[m][t], *factors[t]);
    }

    Material = MaterialCode;
    NumSpans = SpanCount;
    for (int i = 0; i <= 25; ++i) SupportTypes[i] = SupportChoice[i];
    SpanNoStored = SpanNo;

    // Steel of 7.85 t/m^3 under g = 9.81, over the whole beam.
    const float w = ToSingle(Real(7.85) * Real(BeamGeometryTable[1][GArea]) / Real(1e6) * Real(9.81));
    LoadRecord& sw = LoadRows[SelfWeightSlot];
    sw[LKind] = KindUDL;
    sw[LDist] = 0;
    sw[LStart] = w;
    sw[LFinish] = w;
    sw[LCover] = ToSingle(BeamLength);

    SameForAllSpans = Check_IE.Checked() ? 1 : -1;
    if (SameForAllSpans == 1 && MaterialCode == "HRS") {
        LoadDataFrm->Frame_SWt.SetVisible(true);
        if (LoadTable[1][SelfWeightSlot][LFactor] == 0) {
            if (FactoredLoads == 1) sw[LFactor] = 1.4f;
            if (FactoredLoads == -1) sw[LFactor] = 1.0f;
        }
    } else {
        LoadDataFrm->WithdrawSelfWeight();
    }

    for (int m = 0; m <= 26; ++m)
        if (BeamGeometryTable[m][GPresent] == 0) BeamGeometryTable[m][GLength] = 0;

    LoadDataFrm->DrawBeamPreview();
    Hide();
    LoadDataFrm->Show();
}

void TBeamFrm::cmdCancelClick() {
    ShowBeamData();
    Hide();
}
