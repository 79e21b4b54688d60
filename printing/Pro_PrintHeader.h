// The page header printed at the top of every page of a report.
#pragma once

class PrintDevice;

// Draws the header on the current page of the device; a document must have
// been begun. Leaves the canvas with "Arial" 9 and pen width 3.
void PrintPageHeader(PrintDevice& device);
