// Next and Cancel: the beam being edited into the model, or back from it.
#include <memory>
#include "AnalysisState.h"
#include "Beam.h"
#include "BeamRules.h"
#include "Checked.h"
#include "Global.h"
#include "RunError.h"
#include "SelfWeight.h"
#include "UnitConversion.h"

namespace {
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

// Every member's exists text: "1" for the members of the beam, else "0";
// they stay set when the beam is refused.
void MarkMemberTexts(const std::vector<int>& beam) {
    for (int m = 0; m <= 26; ++m) SpanTextTable[m][TExists] = '0';
    for (int m : beam) SpanTextTable[m][TExists] = '1';
}

// The model's geometry with every member's texts read and brought into N and
// mm, before anything is stored, so that a refused text changes nothing. The
// members of the beam come first, so that a message names one of them. A
// member the beam does not have may hold any text: what is no number is kept
// as 0, and its length is 0.
std::unique_ptr<GeometryTable> ReadGeometry(const std::vector<int>& beam) {
    auto g = std::make_unique<GeometryTable>(BeamGeometryTable);
    std::vector<int> order = beam;
    for (int m = 0; m <= 26; ++m)
        if (TextNumber(SpanTextTable[m][TExists]) == 0) order.push_back(m);
    for (int m : order) {
        (*g)[m][GPresent] = static_cast<int>(TextNumber(SpanTextTable[m][TExists]));
        for (int t = TLength; t <= TArea; ++t) {
            (*g)[m][t] = 0;
            try {
                (*g)[m][t] = MemberValue(m, t, FieldName(m, t));
            } catch (const RunError&) {
                if ((*g)[m][GPresent] != 0) throw;
            }
        }
        if ((*g)[m][GPresent] == 0) (*g)[m][GLength] = 0;
    }
    return g;
}

// What refuses the beam, with the member and value missing where that is why.
struct Refusal {
    std::string message;  // empty: nothing refuses it
    int member = 0, text = 0;
};

// A length, Ixx or E not above 0, then the rules every beam of the program
// keeps, as Open and Save judge them.
Refusal RefusalOf(const GeometryTable& g, const std::vector<int>& beam, double length) {
    const struct {
        int text;
        std::string message;
    } checks[] = {
        {TLength, " Specify length of all spans"},
        {TIxx, MissingValueMessage(" Specify value for Ixx for all spans")},
        {TE, MissingValueMessage(" Specify value for E for all spans")},
    };
    for (const auto& check : checks)
        for (int m : beam)
            if (!(g[m][check.text] > 0)) return {check.message, m, check.text};
    if (const std::string fault = BeamFault({g, SpanCount, length, SupportChoice}); !fault.empty())
        return {"This beam cannot be taken: " + fault + "."};
    return {};
}

// Span 1's section as the text of a beam of one section.
void StoreUniformSectionText() {
    UniformSectionText[1] = " " + SpanDescText[1];
    UniformSectionText[2] = " Ixx = " + SpanTextTable[1][TIxx] + " " + Unit_Sect_I.str();
    UniformSectionText[3] = "  E  = " + SpanTextTable[1][TE] + " " + Unit_Sect_E.str();
    UniformSectionText[4] = "  y  = " + SpanTextTable[1][TY] + " " + Unit_Sect_L.str();
    UniformSectionText[0] = "4";
}

// The self-weight row: span 1's self weight along the whole beam. It is
// offered with one section for all spans of hot rolled steel, where a
// loadcase 1 without a factor for it gets the usual one; true when it is.
bool PrepareSelfWeight() {
    const float w = SelfWeightRate();
    LoadRecord& sw = LoadRows[SelfWeightSlot];
    sw[LKind] = KindUDL;
    sw[LDist] = 0;
    sw[LStart] = w;
    sw[LFinish] = w;
    sw[LCover] = ToSingle(BeamLength);
    const bool offered = SameForAllSpans == 1 && MaterialCode == "HRS";
    if (offered && LoadTable[1][SelfWeightSlot][LFactor] == 0) {
        if (FactoredLoads == 1) sw[LFactor] = 1.4f;
        if (FactoredLoads == -1) sw[LFactor] = 1.0f;
    }
    return offered;
}
}  // namespace

void TBeamFrm::CommitBeamData() {
    const gui::Busy busy;

    // A count typed without the arrows takes effect first, as they would.
    if (TypedSpanCount() != SpanCount) UpDown_SpansClick();
    const std::vector<MemberAt> members = Members();
    std::vector<int> beam;
    for (const MemberAt& m : members) beam.push_back(m.member);
    MarkMemberTexts(beam);
    const std::unique_ptr<GeometryTable> geometry = ReadGeometry(beam);
    Real length = 0;  // the beam is as long as its members
    for (int m : beam) length += (*geometry)[m][GLength];
    if (const Refusal refusal = RefusalOf(*geometry, beam, ToDouble(length)); !refusal.message.empty()) {
        gui::ShowMessage(refusal.message);
        if (refusal.text != 0) FocusMemberValue(refusal.member, refusal.text);
        return;
    }

    for (const MemberAt& m : members) SpanDescText[m.member] = Grid_Spans.Cell(m.column, 1);
    BeamLength = ToDouble(length);
    SectionFamily = FamilyCode;
    if (Check_IE.Checked()) StoreUniformSectionText();
    for (int m = 0; m <= 26; ++m) SpanDescription[m] = SpanDescText[m];
    BeamGeometryTable = *geometry;
    Material = MaterialCode;
    NumSpans = SpanCount;
    for (int i = 0; i <= 25; ++i) SupportTypes[i] = SupportChoice[i];
    SpanNoStored = SpanNo;
    MarkResultsStale();  // the beam is no longer the one analysed
    SameForAllSpans = Check_IE.Checked() ? 1 : -1;
    const bool selfWeight = PrepareSelfWeight();
    ClearEdited();  // taken
    Hide();
    OnCommitted(selfWeight);
}

void TBeamFrm::cmdCancelClick() {
    ShowBeamData();
    Hide();
}
