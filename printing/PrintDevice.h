// What the report pages are drawn on: the printer, or a stand-in that tests
// put in its place to log pages at a resolution of their choosing.
#pragma once
#include <functional>
#include <string>
#include "gui.h"

class PrintDevice {
public:
    virtual ~PrintDevice() = default;
    virtual void BeginDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual void Abort() {}               // drops the open document, if any
    virtual std::string OutputFile() const { return ""; }  // the PDF written; empty on a printer
    virtual int PageNumber() const = 0;   // 1 on the first page of a document
    virtual gui::Canvas& Canvas() = 0;
    virtual int DpiX() const = 0;         // LOGPIXELSX
    virtual int DpiY() const = 0;         // LOGPIXELSY
};

// The device the report goes to: the printer unless a test set another.
PrintDevice& CurrentPrintDevice();
void SetPrintDevice(PrintDevice* device);  // nullptr: the printer again

// One document on the device, drawn by `draw` under the hourglass. An error
// drops the document, so no partial PDF is left, and is passed on, naming the
// PDF not written; a PDF written is named to the user by its full path.
void PrintDocument(PrintDevice& device, const std::function<void()>& draw);
