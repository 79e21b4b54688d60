// Creates every window of the program, hidden, in start-up order.
#pragma once

void CreateForms();
