#include "Print.h"
#include <functional>
#include <vector>
#include "AnalysisState.h"
#include "Global.h"
#include "PrintDevice.h"
#include "PrintPages.h"

TPrintFrm* PrintFrm = nullptr;

TPrintFrm::TPrintFrm() : gui::Form("Print Options") {
    SetBorder(gui::Border::Single);
    GroupBox3.SetBounds(8, 8, 337, 113);
    lbl_Project_1.SetBounds(24, 24, 300, 16);
    lbl_Project_2.SetBounds(24, 43, 300, 16);
    lbl_JobDesc.SetBounds(24, 64, 300, 16);
    lbl_Ref.SetBounds(24, 88, 300, 16);
    GroupBox1.SetBounds(8, 128, 337, 305);
    Check_Beam.SetBounds(24, 32, 300, 17);
    Check_Envelope.SetBounds(24, 72, 300, 17);
    GroupBox2.SetBounds(16, 112, 305, 89);
    Check_Env20.SetBounds(16, 40, 137, 17);
    Option_10.SetBounds(160, 20, 130, 17);
    Option_20.SetBounds(160, 60, 130, 17);
    Option_10.SetCheckedQuietly(true);
    Check_Case.SetBounds(32, 224, 290, 17);
    Check_Case20.SetBounds(32, 264, 290, 17);
    Cmd_OK.SetBounds(280, 448, 65, 33);
    Cmd_OK.SetFont({"MS Sans Serif", 10});
    Cmd_OK.SetDefault(true);
    SetDialogKeys();  // Escape closes and prints nothing
    OnShow = [this] { ShowHeaderLabels(); };
    Cmd_OK.OnClick = [this] { Cmd_OKClick(); };
    SetWidth(361);
    SetHeight(513);
    CentreOnScreen();
}

void TPrintFrm::ShowHeaderLabels() {
    lbl_Project_1.SetCaption(Header_Project_1);
    lbl_Project_2.SetCaption(Header_Project_2);
    lbl_JobDesc.SetCaption(Header_JobDesc);
    lbl_Ref.SetCaption(Header_Ref);
}

void TPrintFrm::Cmd_OKClick() {
    if (BeamLength == 0) return;
    if (ResultsReady != 1) {
        gui::ShowMessage(AnalyseFirstMessage);
        return;
    }
    struct Section {
        bool ticked;
        std::function<void(PrintDevice&)> print;
    };
    const std::vector<Section> sections = {
        {Check_Beam.Checked(), [](PrintDevice& d) { PrintBeamDataPages(d); }},
        {Check_Envelope.Checked(), [](PrintDevice& d) { PrintEnvelopeDiagrams(d); }},
        {Check_Env20.Checked(),
         [this](PrintDevice& d) {
             if (Option_10.Checked()) PrintInterval = 10;
             if (Option_20.Checked()) PrintInterval = 20;
             PrintEnvelopeData(d);
         }},
        {Check_Case.Checked(), [](PrintDevice& d) { PrintLoadcaseDiagrams(d); }},
        {Check_Case20.Checked(), [](PrintDevice& d) { PrintLoadcaseData(d); }},
    };
    size_t last = sections.size();
    for (size_t i = 0; i < sections.size(); ++i)
        if (sections[i].ticked) last = i;
    if (last == sections.size()) {
        Hide();
        return;
    }
    PrintDevice& device = CurrentPrintDevice();
    // A failed job leaves the dialog open.
    PrintDocument(device, [&] {
        for (size_t i = 0; i <= last; ++i) {
            if (!sections[i].ticked) continue;
            sections[i].print(device);
            if (i < last) device.NewPage();
        }
    });
    Hide();
}
