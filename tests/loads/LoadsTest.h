// The loads window on a fresh simple beam, with helpers that type rows as
// the user does.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include "app/AppTest.h"
#include "BeamSetup.h"
#include "Global.h"
#include "GuiTest.h"
#include "Index.h"
#include "LoadData.h"

// What Next says where a forkhead meets unequal load factors.
inline const char* const Forkhead =
    " For the routine to remove negative\r forkhead support loads to be used, \r load factors must all be the same.\r";

struct LoadsWindow : ::testing::Test {
    TLoadDataFrm& F() { return *LoadDataFrm; }
    static LoadRowControls& R(int n) { return LoadDataFrm->Row(n); }

    void SetUp() override {
        SetUnits("mm", 1, "N", 1, "N/mm", 1);
        FactoredLoads = 1;
        SelfWeightScope = 0;
        Material = "Timber";
        SameForAllSpans = -1;
        test::SetBeam({6000});
        ApplyFlags.Fill({});
        LoadDataFrm->SavedRowsShown = 0;
        LoadDataFrm->SavedLoadcase = 0;
        LoadDataFrm->Check_Swt.SetCheckedQuietly(false);
        LoadDataFrm->Edit_LF.SetText("");
        LoadDataFrm->cmd_ClearClick();
        LoadDataFrm->Hide();
        LoadDataFrm->Show();
        Messages().clear();
    }
    void TearDown() override {
        LoadDataFrm->Hide();
        IndexFrm->Hide();
    }

    static void SetUnits(const char* l, float fl, const char* pl, float fpl, const char* r, float fr) {
        Unit_L = l;
        Factor_L = fl;
        Unit_PL = pl;
        Factor_PL = fpl;
        Unit_R = r;
        Factor_R = fr;
    }
    static void Point(int n, const std::string& dist, const std::string& load, const std::string& lf = "") {
        R(n).OptionP.Click();
        R(n).Edit_Dist.SetText(dist);
        R(n).Edit_PL.SetText(load);
        R(n).Edit_LF.SetText(lf);
    }
    static void Udl(int n, const std::string& dist, const std::string& start, const std::string& finish,
                    const std::string& cover, const std::string& lf = "") {
        R(n).OptionUDL.Click();
        R(n).Edit_Dist.SetText(dist);
        R(n).Edit_UDLS.SetText(start);
        R(n).Edit_UDLF.SetText(finish);
        R(n).Edit_Cover.SetText(cover);
        R(n).Edit_LF.SetText(lf);
    }
    // A steel beam of one section, whose self weight the window offers.
    void ShowSteelBeam() {
        Material = "HRS";
        SameForAllSpans = 1;
        BeamGeometryTable[1][GArea] = 10000;
        F().Hide();
        F().Show();
    }
    void Tick(int n) { R(n).Check.Click(); }
    void ToLoadcase(int lc) { F().UpDown_Case.Step(lc - F().UpDown_Case.Position()); }
    void Next() { F().cmd_Next.Click(); }
};
