// Bitmap Store: logo setup. This substitute shows the connection it was handed.

#include "modules/common/ModuleCall.h"
#include "modules/common/RecordView.h"

namespace {

void ShowLogoSetup(const ConnectionSettings& settings) { ShowUseDialog(settings); }

}  // namespace

extern "C" void __stdcall LogoSetup(ConnectionSettingsImage settings) {
    RunUsingCall("Bitmap Store", settings, ShowLogoSetup);
}
