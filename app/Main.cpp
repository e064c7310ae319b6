// The launcher's one application object, which the framework's entry point runs.
#include "app/VOREX100SetApp.h"

CVOREX100SetApp theApp;
