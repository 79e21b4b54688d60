// The page header dialog: the six texts printed at the top of every page.
#pragma once
#include "gui.h"

class TSetHeaderFrm : public gui::Form {
public:
    TSetHeaderFrm();
    gui::Label Label1{*this, "Company"};
    gui::Edit Edit_Company{*this};
    gui::Label Label2{*this, "User"};
    gui::Edit Edit_User{*this};
    gui::Label Label3{*this, "Project"};
    gui::Edit Edit_Project_1{*this};
    gui::Edit Edit_Project_2{*this};
    gui::Label Label4{*this, "Job Description"};
    gui::Edit Edit_JobDesc{*this};
    gui::Label Label5{*this, "Job Ref"};
    gui::Edit Edit_Ref{*this};
    gui::Button Button1{*this, "OK"};

private:
    void FormCreate();
    void FormShow();
    void Button1Click();
};

extern TSetHeaderFrm* SetHeaderFrm;
