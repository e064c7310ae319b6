// Proof Page: sample print. This substitute shows the connection it was
// handed; its Print button only reports where the page would have gone.

#include <string>

#include "modules/common/ModuleCall.h"
#include "modules/common/RecordView.h"
#include "modules/proof_page/Resource.h"

namespace {

// A page can only go somewhere once a port is configured.
void EnablePrint(HWND hDlg, const ConnectionSettings& settings) {
    EnableWindow(GetDlgItem(hDlg, IDC_SAMPLE_PRINT), settings.IsConnected() && !PortNameOf(settings).empty());
}

void OnCommand(HWND hDlg, WORD nId, const ConnectionSettings& settings) {
    if (nId != IDC_SAMPLE_PRINT)
        return;
    const std::string text = "The sample page was sent to " + DescribeDestination(settings) + ".";
    MessageBoxA(hDlg, text.c_str(), "Sample Print", MB_OK | MB_ICONINFORMATION);
}

void ShowSamplePrint(const ConnectionSettings& settings) {
    UseDialogParts parts;
    parts.onInit = EnablePrint;
    parts.onCommand = OnCommand;
    ShowUseDialog(settings, parts);
}

}  // namespace

extern "C" void __stdcall SamplePrint(ConnectionSettingsImage settings) {
    RunUsingCall("Proof Page", settings, ShowSamplePrint);
}
