// Preference Editor: user setup. This substitute shows the connection it was handed.

#include "modules/common/ModuleCall.h"
#include "modules/common/RecordView.h"

namespace {

void ShowUserSetup(const ConnectionSettings& settings) { ShowUseDialog(settings); }

}  // namespace

extern "C" void __stdcall UserSetup(ConnectionSettingsImage settings) {
    RunUsingCall("Preference Editor", settings, ShowUserSetup);
}
