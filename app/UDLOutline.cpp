#include "UDLOutline.h"

BArray<UDLOutlineCase, 1, 25> AcceptedUDLOutline;
