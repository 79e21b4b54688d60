// A new, empty beam: the model, the results and the windows that show them
// reset, the display units read again from the settings file.
#pragma once

class FieldUndo;
class TIndexFrm;

// The model as a new beam has it: no beam, loads, results, result texts or
// file name, the display units read again from the settings file. With an
// undo log every variable it changes is kept first.
void ClearBeamModel(FieldUndo* undo = nullptr);
// The windows as they show a new beam, from the model: the beam data and
// loads windows hidden and emptied, the main window's lists, picture and
// menus cleared. Changes nothing of the model.
void ResetBeamWindows(TIndexFrm& f);
// Both.
void ResetBeamData(TIndexFrm& f);
