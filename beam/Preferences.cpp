#include "Preferences.h"
#include <string>
#include "Global.h"
#include "UnitConversion.h"
#include "UnitSettings.h"

TPreferencesFrm* PreferencesFrm = nullptr;

namespace {
const char* const NoteLines[] = {
    "UNITS",
    " This program has been designed to be used by practicing engineers who  need results",
    " to the order of accuracy appropriate to the geometrical tolerances and loading ",
    " assumptions inherent in engineering design.",
    "",
    " The basic analysis of this program is performed using units of newtons and mm.",
    " The input and output values are converted to and from these values.",
    " This means all the values have to be rounded.",
    " Generally :- ",
    "    Three signicant figures are used for lengths and graphical displays,",
    "    Four significant figures are used for maximum values,",
    "    Tabulated output for values, within a 'normal' range, is to the number of decimal  places",
    "    given by the maximum value rounded to four or five signifcant figures.",
    "  ",
    " It follows that input data may be rounded up or down.",
    "",
    " NB ",
    " Sometimes results are rounded to a a number of significant figures and  restricted to ",
    " a set   number of decimal places. In normal use this should not  be noticeable but if ",
    " it is then the units  should be changed to more appropriate  ones for the calculation.  ",
    " An example of this would  be a short strong beam  with the deflection units set at metres.",
    " A deflection of 1.25mm would be shown as 0.001m.",
};

enum Tab { InputTab = 0, OutputTab = 1, SectionTab = 2 };

// One group box per quantity with a choice, in the order OK takes them; its
// height follows from the units offered.
const struct UnitGroup {
    const char* caption;
    Tab tab;
    int left, top, width;
    Quantity quantity;
} Groups[] = {
    {" Length ", InputTab, 16, 16, 185, Quantity::Length},
    {" Point Load ", InputTab, 216, 16, 185, Quantity::PointLoad},
    {" UDL Load Rate ", InputTab, 416, 16, 185, Quantity::LoadRate},
    {" Shear ", OutputTab, 8, 16, 142, Quantity::Shear},
    {" Moment ", OutputTab, 158, 16, 142, Quantity::Moment},
    {" Deflection ", OutputTab, 308, 16, 142, Quantity::Deflection},
    {" Stress ", OutputTab, 458, 16, 142, Quantity::Stress},
    {" E ", SectionTab, 8, 8, 112, Quantity::E},
    {" I ", SectionTab, 128, 8, 112, Quantity::I},
    {" S/ Z ", SectionTab, 248, 8, 112, Quantity::SectionModulus},
    {" Area ", SectionTab, 368, 8, 112, Quantity::Area},
    {" Length ", SectionTab, 488, 8, 112, Quantity::SectionDimension},
    {" Weight ", SectionTab, 328, 136, 150, Quantity::WeightPerLength},
};

constexpr int OptionStep = 26;   // between radio buttons of a group
constexpr int NoteHeight = 16;

// The modulus captions of the two terminology choices: plastic x, elastic x,
// plastic y, elastic y.
constexpr const char* SPlasticCaptions[] = {"Sxx", "Zxx", "Syy", "Zyy"};
constexpr const char* ZPlasticCaptions[] = {"Zxx", "Sxx", "Zyy", "Syy"};

void SetCaptions(const char* const (&c)[4]) {
    PlasticModXName = c[0];
    ElasticModXName = c[1];
    PlasticModYName = c[2];
    ElasticModYName = c[3];
}
}  // namespace

TPreferencesFrm::TPreferencesFrm() : gui::Form("Preferences") {
    SetBorder(gui::Border::Single);
    SetStayOnTop(true);
    SetFont({"MS Sans Serif", 8, 13});
    PageControl1.SetBounds(8, 8, 617, 412);
    SetClientSize(PageControl1.Width() + 25, 471);
    CentreOnScreen();
    BuildUnitGroups();
    LayOut();
    PageControl1.SetActivePageIndex(1);  // opens on the output units

    OnShow = [this] { FormShow(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    cmd_Reset.OnClick = [this] { cmd_ResetClick(); };
    ReadUnitSettings();
}

// One group box per quantity and one radio button per unit offered.
void TPreferencesFrm::BuildUnitGroups() {
    gui::TabSheet* tabs[] = {&TabSheet1, &TabSheet2, &TabSheet3};
    for (const UnitGroup& g : Groups) {
        auto& box = *groups_.emplace_back(std::make_unique<gui::GroupBox>(*tabs[g.tab], g.caption));
        const QuantityUnits& q = UnitsOf(g.quantity);
        int top = 22;
        for (const UnitChoice& c : q.Offered()) {
            auto& button =
                *UnitOptions.emplace_back(g.quantity, &c, std::make_unique<gui::RadioButton>(box, c.caption)).button;
            button.SetBounds(12, top, g.width - 20, 17);
            top += OptionStep;
            if (c.note) {
                auto& note = *notes_.emplace_back(std::make_unique<gui::Label>(box, c.note));
                note.SetBounds(30, top - 8, g.width - 40, 14);
                top += NoteHeight;
            }
            if (q.checkedAtStart && &c == &q.Default()) button.SetCheckedQuietly(true);
        }
        box.SetBounds(g.left, g.top, g.width, top + 4);
    }
}

namespace {
// A group of two choices, one of them checked.
void PlaceChoices(gui::GroupBox& box, int left, int top, int width, gui::RadioButton& first,
                  gui::RadioButton& second, gui::RadioButton& checked) {
    box.SetBounds(left, top, width, 84);
    first.SetBounds(12, 24, width - 30, 17);
    second.SetBounds(12, 24 + OptionStep, width - 30, 17);
    checked.SetCheckedQuietly(true);
}
}  // namespace

void TPreferencesFrm::LayOut() {
    PlaceChoices(GroupBox_Terms, 8, 136, 300, Option_SPlastic, Option_ZPlastic, Option_SPlastic);
    PlaceChoices(GroupBox_BM, 16, 16, 250, Option_BMNC, Option_BMUK, Option_BMUK);
    GroupBox_Factor.SetBounds(16, 16, 250, 60);
    Check_Factor.SetBounds(12, 26, 220, 17);
    ListBox1.SetBounds(8, 8, 597, 360);
    for (const char* line : NoteLines) ListBox1.Add(line);

    cmd_Reset.SetBounds(8, 430, 161, 33);
    Check_SetDefault.SetBounds(190, 438, 130, 17);
    Check_SetDefault.SetHint("If unchecked settings will revert back after clicking 'New'");
    const gui::Font bold{"System", 8, 0, gui::clBlack, true};
    Button1.SetBounds(448, 430, 89, 33);
    Button1.SetFont(bold);
    Button2.SetBounds(546, 430, 89, 33);
    Button2.SetFont(bold);
    Button2.SetDefault(true);
    SetDialogKeys(&Button1);
}

void TPreferencesFrm::ReadUnitSettings() {
    if (!ReadUnitSettingsFile()) ApplyDefaultUnits();
    ShowUnitChoices();
}

void TPreferencesFrm::ShowUnitChoices() {
    for (const UnitOption& o : UnitOptions)
        if (Unit(o.quantity).Name == o.choice->name) o.button->SetCheckedQuietly(true);
    if (PlasticModXName == "Sxx") Option_SPlastic.SetCheckedQuietly(true);
    if (PlasticModXName == "Zxx") Option_ZPlastic.SetCheckedQuietly(true);
    if (BMConvention == 1) Option_BMNC.SetCheckedQuietly(true);
    if (BMConvention == -1) Option_BMUK.SetCheckedQuietly(true);
    if (FactoredLoads == 1) Check_Factor.SetCheckedQuietly(true);
    if (FactoredLoads == -1) Check_Factor.SetCheckedQuietly(false);
}

void TPreferencesFrm::FormShow() {
    SaveOldFactors();
    ShowUnitChoices();
}

// The checked option of each group sets its unit; a group with none checked
// keeps its unit.
void TPreferencesFrm::TakeUnitChoices() {
    for (const UnitOption& o : UnitOptions)
        if (o.button->Checked()) SetUnit(o.quantity, *o.choice);
    if (Option_SPlastic.Checked()) SetCaptions(SPlasticCaptions);
    if (Option_ZPlastic.Checked()) SetCaptions(ZPlasticCaptions);
    if (Option_BMNC.Checked()) BMConvention = 1;
    if (Option_BMUK.Checked()) BMConvention = -1;
    FactoredLoads = Check_Factor.Checked() ? 1 : -1;
    ApplyFixedUnits();
}

// The open data are re-expressed before the file is written, so that a
// failed write leaves the window open with texts and units in step.
void TPreferencesFrm::Button2Click() {
    TakeUnitChoices();
    if (IndexFrmShown == 1) {
        OnUnitsChanged();
        SaveOldFactors();  // the texts are now in the new units
    }
    if (Check_SetDefault.Checked()) WriteUnitSettingsFile();
    Hide();
}

void TPreferencesFrm::Button1Click() { Hide(); }

// The saved defaults live in the program folder, wherever the current
// directory has moved since start-up. They are only shown: OK takes them
// (converting the open texts), Cancel leaves the units as they were.
void TPreferencesFrm::cmd_ResetClick() {
    const KeptUnitSettings kept;
    ReadUnitSettings();
    kept.Restore();
}
