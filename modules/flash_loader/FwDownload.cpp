// Flash Loader: firmware download. This substitute shows the connection it
// was handed and never writes to the printer.

#include "modules/common/ModuleCall.h"
#include "modules/common/RecordView.h"

namespace {

void ShowFwDownload(const ConnectionSettings& settings) { ShowUseDialog(settings); }

}  // namespace

extern "C" void __stdcall FwDownload(ConnectionSettingsImage settings) {
    RunUsingCall("Flash Loader", settings, ShowFwDownload);
}
