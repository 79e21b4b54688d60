// Next and Cancel: the beam being edited into the model, or back from it.
#include <memory>
#include "AnalysisState.h"
#include "Beam.h"
#include "BeamRules.h"
#include "BeamText.h"
#include "Checked.h"
#include "Global.h"
#include "RunError.h"

namespace {
enum Text { TExists = 0, TLength = 1, TE = 2, TIxx = 3, TY = 4, TArea = 5 };

std::string MissingValueMessage(const std::string& first) {
    const std::string Q = "\"", CR = "\r";
    return first + CR + CR + " For standard hot rolled sections" + CR + " Click " + Q +
           "Section Properties Database" + Q + " on the top menu" + CR + " then click required section in " + Q +
           "Steel Section Database" + Q + " to load." + CR + CR + " Create new section in " + Q +
           "Ostrel Sections" + Q + " for non standard section";
}

// Field names in messages: "Span 2 length", "LHC E".
std::string FieldName(int member, int text) {
    static const char* const names[] = {"", "length", "E", "Ixx", "y", "area"};
    const std::string who = member == LHC ? "LHC" : member == RHC ? "RHC" : "Span " + std::to_string(member);
    return who + " " + names[text];
}
}  // namespace

void TBeamFrm::CommitBeamData() {
    gui::SetHourglass(true);
    struct Cursor {
        ~Cursor() { gui::SetHourglass(false); }
    } cursor;

    // A count typed without the arrows takes effect first, as they would.
    if (TypedSpanCount() != SpanCount) UpDown_SpansClick();

    const std::string no = "0", yes = "1";
    for (int m = 0; m <= 26; ++m) SpanTextTable[m][TExists] = no;
    if (Check_LHC.Checked()) SpanTextTable[LHC][TExists] = yes;
    for (int k = 1; k <= SpanCount; ++k) SpanTextTable[k][TExists] = yes;
    if (Check_RHC.Checked()) SpanTextTable[RHC][TExists] = yes;

    // Every value is read and brought into N and mm before anything is
    // stored, so that a refused text changes nothing.
    // The members of the beam come first, so that a message names one of them.
    const std::vector<MemberAt> members = Members();
    std::vector<int> order;
    for (const MemberAt& m : members) order.push_back(m.member);
    for (int m = 0; m <= 26; ++m)
        if (TextNumber(SpanTextTable[m][TExists]) == 0) order.push_back(m);
    double geometry[27][6] = {};
    for (int m : order) {
        geometry[m][GPresent] = static_cast<int>(TextNumber(SpanTextTable[m][TExists]));
        for (int t = TLength; t <= TArea; ++t) {
            // A member the beam does not have may hold any text: what is no
            // number is kept as 0.
            try {
                geometry[m][t] = MemberValue(m, t, FieldName(m, t));
            } catch (const RunError&) {
                if (geometry[m][GPresent] != 0) throw;
            }
        }
        if (geometry[m][GPresent] == 0) geometry[m][GLength] = 0;
    }

    // A length, Ixx or E must be above 0; y and the area may be 0 (no stress,
    // no self weight) but never negative.
    struct Check {
        int text;
        bool zeroTaken;
        std::string message;
    };
    const Check checks[] = {
        {TLength, false, " Specify length of all spans"},
        {TIxx, false, MissingValueMessage(" Specify value for Ixx for all spans")},
        {TE, false, MissingValueMessage(" Specify value for E for all spans")},
        {TY, true, MissingValueMessage(" Specify value for y of 0 or more for all spans")},
        {TArea, true, MissingValueMessage(" Specify value for area of 0 or more for all spans")},
    };
    for (const Check& check : checks)
        for (const MemberAt& m : members)
            if (const double v = geometry[m.member][check.text]; check.zeroTaken ? !(v >= 0) : !(v > 0)) {
                gui::ShowMessage(check.message);
                return;
            }

    // The beam is as long as its members.
    Real length = 0;
    for (const MemberAt& m : members) length += geometry[m.member][GLength];

    // The rules every beam of the program keeps, as Open and Save judge them.
    {
        auto shape = std::make_unique<GeometryTable>(BeamGeometryTable);
        for (int m = 0; m <= 26; ++m)
            for (int t = GPresent; t <= TArea; ++t) (*shape)[m][t] = geometry[m][t];
        if (const std::string fault = BeamFault({*shape, SpanCount, ToDouble(length), SupportChoice}); !fault.empty()) {
            gui::ShowMessage("This beam cannot be taken: " + fault + ".");
            return;
        }
    }

    for (const MemberAt& m : members) SpanDescText[m.member] = Grid_Spans.Cell(m.column, 1);
    BeamLength = ToDouble(length);
    SectionFamily = FamilyCode;

    if (Check_IE.Checked()) {
        UniformSectionText[1] = " " + SpanDescText[1];
        UniformSectionText[2] = " Ixx = " + SpanTextTable[1][TIxx] + " " + Unit_Sect_I.str();
        UniformSectionText[3] = "  E  = " + SpanTextTable[1][TE] + " " + Unit_Sect_E.str();
        UniformSectionText[4] = "  y  = " + SpanTextTable[1][TY] + " " + Unit_Sect_L.str();
        UniformSectionText[0] = "4";
    }
    for (int m = 0; m <= 26; ++m) SpanDescription[m] = SpanDescText[m];
    for (int m = 0; m <= 26; ++m)
        for (int t = GPresent; t <= TArea; ++t) BeamGeometryTable[m][t] = geometry[m][t];

    Material = MaterialCode;
    NumSpans = SpanCount;
    for (int i = 0; i <= 25; ++i) SupportTypes[i] = SupportChoice[i];
    SpanNoStored = SpanNo;
    MarkResultsStale();   // the beam is no longer the one analysed

    // Steel of 7.85 t/m^3 under g = 9.81, over the whole beam.
    const float w = ToSingle(Real(7.85) * Real(BeamGeometryTable[1][GArea]) / Real(1e6) * Real(9.81));
    LoadRecord& sw = LoadRows[SelfWeightSlot];
    sw[LKind] = KindUDL;
    sw[LDist] = 0;
    sw[LStart] = w;
    sw[LFinish] = w;
    sw[LCover] = ToSingle(BeamLength);

    SameForAllSpans = Check_IE.Checked() ? 1 : -1;
    const bool selfWeight = SameForAllSpans == 1 && MaterialCode == "HRS";
    if (selfWeight && LoadTable[1][SelfWeightSlot][LFactor] == 0) {
        if (FactoredLoads == 1) sw[LFactor] = 1.4f;
        if (FactoredLoads == -1) sw[LFactor] = 1.0f;
    }
    Hide();
    OnCommitted(selfWeight);
}

void TBeamFrm::cmdCancelClick() {
    ShowBeamData();
    Hide();
}
