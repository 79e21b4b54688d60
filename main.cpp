#include "Startup.h"
#include "Unit1.h"
#include "gui.h"

int main(int argc, char** argv) {
    if (!gui::InitApplication(argc, argv)) return 1;
    CreateForms();
    return gui::RunApplication(*Form1);
}
