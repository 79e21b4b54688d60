// A printer that draws on a recording canvas and counts its documents; the
// current device while it lives.
#pragma once
#include "PrintDevice.h"
#include "gui_testing.h"

class LogPrinter : public PrintDevice {
public:
    explicit LogPrinter(int dpi) : dpi_(dpi) { SetPrintDevice(this); }
    ~LogPrinter() override { SetPrintDevice(nullptr); }
    void BeginDoc() override { ++docs; }
    void NewPage() override {}
    void EndDoc() override {}
    int PageNumber() const override { return 1; }
    gui::Canvas& Canvas() override { return canvas; }
    int DpiX() const override { return dpi_; }
    int DpiY() const override { return dpi_; }

    gui::RecordingCanvas canvas;
    int docs = 0;

private:
    int dpi_;
};
