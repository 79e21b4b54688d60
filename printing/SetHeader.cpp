#include "SetHeader.h"
#include "Company.h"
#include "Global.h"
#include "Print.h"

TSetHeaderFrm* SetHeaderFrm = nullptr;

TSetHeaderFrm::TSetHeaderFrm() : gui::Form("Set Header") {
    SetBorder(gui::Border::ToolWindow);
    SetStayOnTop(true);
    SetClientSize(513, 361);
    CentreOnScreen();
    SetFont({"MS Sans Serif", 8, 17});
    struct Place { gui::Control& c; int left, top, width; };
    const Place places[] = {
        {Label1, 75, 24, 85},          {Edit_Company, 165, 24, 324},   {Label2, 109, 77, 51},
        {Edit_User, 165, 74, 324},     {Label3, 92, 149, 68},          {Edit_Project_1, 165, 146, 324},
        {Edit_Project_2, 165, 186, 324}, {Label4, 28, 245, 132},       {Edit_JobDesc, 165, 242, 324},
        {Label5, 88, 293, 72},         {Edit_Ref, 165, 290, 121},
    };
    for (const Place& p : places) {
        p.c.SetBounds(p.left, p.top, p.width, 25);
        p.c.SetFont({"MS Sans Serif", 8, 17});
    }
    for (gui::Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5}) l->SetAlignment(gui::Align::Right);
    Edit_Company.SetEnabled(false);
    Button1.SetBounds(416, 312, 73, 33);
    Button1.SetDefault(true);
    SetDialogKeys();  // Escape closes and takes none of the texts
    Button1.OnClick = [this] { Button1Click(); };
    OnShow = [this] { FormShow(); };
    FormCreate();
}

// The company is the installation's; this dialog only shows it.
void TSetHeaderFrm::FormCreate() { ReadCompanyFile(); }

void TSetHeaderFrm::FormShow() {
    Edit_Company.SetText(Header_Company);
    Edit_User.SetText(Header_User);
    Edit_Project_1.SetText(Header_Project_1);
    Edit_Project_2.SetText(Header_Project_2);
    Edit_JobDesc.SetText(Header_JobDesc);
    Edit_Ref.SetText(Header_Ref);
}

void TSetHeaderFrm::Button1Click() {
    Header_Company = Edit_Company.Text();
    Header_User = Edit_User.Text();
    Header_Project_1 = Edit_Project_1.Text();
    Header_Project_2 = Edit_Project_2.Text();
    Header_JobDesc = Edit_JobDesc.Text();
    Header_Ref = Edit_Ref.Text();
    PrintFrm->ShowHeaderLabels();
    SetModalResult(gui::mrOk);
}
