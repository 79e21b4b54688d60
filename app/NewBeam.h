// A new, empty beam: the model, the results and the windows that show them
// reset, the display units read again from the settings file.
#pragma once

class TIndexFrm;

void ResetBeamData(TIndexFrm& f);
