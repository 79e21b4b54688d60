// A printer that draws on a recording canvas and counts its documents; the
// current device while it lives. The canvas logs the last document.
#pragma once
#include "PrintDevice.h"
#include "gui_testing.h"

class LogPrinter : public PrintDevice {
public:
    explicit LogPrinter(int dpi) : dpi_(dpi) { SetPrintDevice(this); }
    ~LogPrinter() override { SetPrintDevice(nullptr); }
    // Each document and page starts empty, as on the printer.
    void BeginDoc() override {
        ++docs;
        gui::StartLog(canvas);
        canvas.NewPage();
    }
    void NewPage() override { canvas.NewPage(); }
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
