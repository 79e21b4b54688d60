// The information window: notes on units and number display, a disclaimer
// and where to send suggestions.
#pragma once
#include <memory>
#include <vector>
#include "gui.h"

class TInfoFrm : public gui::Form {
public:
    TInfoFrm();
    gui::Button Button1{*this, "OK"};

private:
    std::vector<std::unique_ptr<gui::Label>> lines_;
};

extern TInfoFrm* InfoFrm;
