#include "Startup.h"
#include "About.h"
#include "Beam.h"
#include "BeamDrawing.h"
#include "Index.h"
#include "Info.h"
#include "LoadData.h"
#include "Messages.h"
#include "Misc.h"
#include "Point.h"
#include "Preferences.h"
#include "Print.h"
#include "SetHeader.h"
#include "UnitConversion.h"
#include "Unit1.h"
#include "gui.h"

namespace {
// What one window asks of the others.
void WireForms() {
    BeamFrm->OnEditing = [] {
        IndexFrm->Save1.SetEnabled(false);
        IndexFrm->SaveAs1.SetEnabled(false);
    };
    BeamFrm->OnCommitted = [](bool selfWeight) {
        SetMemberLengthLabels();
        if (selfWeight) LoadDataFrm->Frame_SWt.SetVisible(true);
        else LoadDataFrm->WithdrawSelfWeight();
        LoadDataFrm->DrawBeamPreview();
        LoadDataFrm->Show();
    };
    LoadDataFrm->OnBack = [] { BeamFrm->Show(); };
    LoadDataFrm->OnAccepted = [] {
        IndexFrm->Show();
        IndexFrm->DrawLoadsAndBeam();
        IndexFrm->AnalyseBeam();
    };
    PreferencesFrm->OnUnitsChanged = [] {
        ConvertSpanTexts();
        BeamFrm->ConvertUnits();
        LoadDataFrm->ConvertUnits();
        MiscFrm->ConvertUnits();
        PointFrm->ClearResults();
    };
    // Closing the start window ends the program, whichever way it is closed.
    Form1->OnCloseQuery = [] { return IndexFrm->MayGiveUpBeam(); };
}
}  // namespace

void CreateForms() {
    gui::SetApplicationTitle("Korvela");
    // The engine's messages (no loads, equilibrium) appear as message boxes.
    SetMessageHandler([](const std::string& text) { gui::ShowMessage(text); });
    Form1 = new TForm1;
    BeamFrm = new TBeamFrm;
    IndexFrm = new TIndexFrm;
    InfoFrm = new TInfoFrm;
    LoadDataFrm = new TLoadDataFrm;
    PointFrm = new TPointFrm;
    PreferencesFrm = new TPreferencesFrm;
    PrintFrm = new TPrintFrm;
    MiscFrm = new TMiscFrm;
    AboutBox = new TAboutBox;
    SetHeaderFrm = new TSetHeaderFrm;
    WireForms();
}
