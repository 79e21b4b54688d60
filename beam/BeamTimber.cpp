// The timber calculator: a rectangular section from its depth and width.
#include "Beam.h"
#include "BeamRules.h"
#include "Checked.h"
#include "Global.h"
#include "RunError.h"
#include "SigFig.h"
#include "UnitConversion.h"

void TBeamFrm::Timber1Click() {
    FamilyCode = "Timber";
    SectionShape = "Timber";
    ShowTimberFrame();
}

void TBeamFrm::ShowTimberFrame() {
    MaterialCode = "Timber";
    ShowFrame(Frame_Timber);
}

void TBeamFrm::cmd_TimCalcClick() {
    const float w = Edit_Timber_W.Stored(Factor_Sect_L, FieldRule::Single, "Timber width");
    const float h = Edit_Timber_H.Stored(Factor_Sect_L, FieldRule::Single, "Timber depth");
    const float e = Edit_Timber_E.Stored(Factor_Sect_E, FieldRule::Single, "Timber E");
    const std::string desc = Edit_Timber_H.Text() + " x " + Edit_Timber_W.Text() + " Timber";
    const Real section = Real(w) * h * h * h / 12, crossSection = Real(w) * h;
    for (const auto& [value, what] : {std::pair{section, "Ixx"}, {crossSection, "area"}})
        if (!HeldAsSingle(static_cast<double>(value)))
            throw RunError("Timber section " + desc + ": its " + what + " is too large");
    MaterialCode = "Timber";
    TimberW = TimberWStored = w;
    TimberH = TimberHStored = h;
    const float area = ToSingle(crossSection);
    const float ixx = ToSingle(section);
    const float y = ToSingle(Real(h) / 2);

    const std::string L = " " + Unit_Sect_L.str();
    List_Props.Clear();
    for (const std::string& line : {
             std::string(" Properties for \"dry\" timber"),
             std::string(" "),
             desc,
             " Depth = " + SigFig4Dec3(Displayed(h, Factor_Sect_L)) + L,
             " Width = " + SigFig4Dec3(Displayed(w, Factor_Sect_L)) + L,
             " Area = " + SigFig4Dec3(Displayed(area, Factor_Sect_A)) + " " + Unit_Sect_A.str(),
             " Ixx = " + SigFig4Dec3(Displayed(ixx, Factor_Sect_I)) + " " + Unit_Sect_I.str(),
             " E = " + SigFig4Dec3(Displayed(e, Factor_Sect_E)) + " " + Unit_Sect_E.str(),
             " y = " + SigFig4Dec3(Displayed(y, Factor_Sect_L)) + L,
             std::string(),
         })
        List_Props.Add(line);

    SectionToMembers({desc, MemberText(ixx, Factor_Sect_I, SigFig4), MemberText(e, Factor_Sect_E, SigFig4),
                      MemberText(y, Factor_Sect_L, SigFig4), MemberText(area, Factor_Sect_A, SigFig4)},
                     false);
}

// A rectangle standing for the section, its depth upright.
void TBeamFrm::DrawTimberPicture() {
    gui::Canvas& c = Image1.GetCanvas();
    c.Brush.Colour = gui::clBtnFace;
    c.FillRect({0, 0, Image1.Width(), Image1.Height()});
    c.Brush.Colour = 0xC8A064;
    c.FillRect({8, 4, Image1.Width() - 8, Image1.Height() - 4});
}
