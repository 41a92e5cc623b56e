// Zelmora Setup: the program entry.

#include <windows.h>
// The rest build on windows.h.
#include <commctrl.h>
#include <cxxabi.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <typeinfo>

#include "app/application_window.h"
#include "app/error_handler.h"
#include "app/exit_codes.h"
#include "app/log_file.h"
#include "app/message_services.h"
#include "app/redirection_trust.h"
#include "app/runs_without_wizard.h"
#include "app/system_libraries.h"
#include "base/failure.h"
#include "base/messages.h"
#include "base/text_routines.h"
#include "engine/setup_options.h"
#include "wizard/form1.h"

namespace {

// Common controls and rich text come from System32 (common controls through the
// manifest's side-by-side version 6), never from the program's folder.
void LoadControlLibraries() {
  // Loaded by common controls on first use; taken from System32 before that.
  app::LoadSystemLibrary("uxtheme.dll");
  HMODULE common_controls = app::LoadSystemLibrary("comctl32.dll");
  using InitControls = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = reinterpret_cast<InitControls>(
      reinterpret_cast<void*>(GetProcAddress(common_controls, "InitCommonControlsEx")));
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
  if (init != nullptr) init(&classes);
  app::LoadSystemLibrary("riched20.dll");
}

// The last resort when the window itself cannot be built: a task-modal box,
// then exit code 1.
int ReportBrokenStart(const std::exception& failure) {
  char program[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  const char* name = strrchr(program, '\\') ? strrchr(program, '\\') + 1 : program;
  const std::string message = failure.what();
  int status = 0;
  char* kind = abi::__cxa_demangle(typeid(failure).name(), nullptr, nullptr, &status);
  const bool period = !message.empty() && message.back() != '.';
  char text[1024];
  std::snprintf(text, sizeof text, messages::kBrokenStart,
                status == 0 ? kind : typeid(failure).name(), name,
                static_cast<void*>(GetModuleHandleA(nullptr)), message.c_str(), period ? "." : "");
  std::free(kind);
  MessageBoxA(nullptr, text, messages::kBrokenStartCaption, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
  return 1;
}

int RunMessageLoop(wizard::TForm1& form) {
  const app::MessageFilter keys = [&form](const MSG& message) { return form.HandleKey(message); };
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) app::DispatchFiltered(message, keys);
  return 0;
}

int ShowCommandFor(int requested) {
  if (requested == SW_SHOWMAXIMIZED) return SW_SHOWMAXIMIZED;
  if (requested == SW_SHOWMINNOACTIVE) return SW_SHOWMINNOACTIVE;
  return SW_SHOWNORMAL;
}

int RunWizard(engine::StepLog& log, int show_command) {
  std::unique_ptr<wizard::TForm1> form;
  try {
    form = std::make_unique<wizard::TForm1>(log);
  } catch (const std::exception& failure) {
    return ReportBrokenStart(failure);
  }
  form->Show(ShowCommandFor(show_command));
  return RunMessageLoop(*form);
}

// The wizard, or what the command line asks for instead, into log.
int RunLogged(const engine::SetupOptions& options, engine::StepLog& log, int show_command) {
  if (!options.refusal.empty()) {
    log.Write(FillIn(messages::kLogFailed, {FormatInt(app::kExitBadArguments), options.refusal}));
    if (!options.silent) app::HandleFailure(options.refusal);
    return app::kExitBadArguments;
  }
  if (options.uninstall) return app::RunRemoval(options, log);
  if (options.silent) return app::RunSilentInstall(options, log);
  return RunWizard(log, show_command);
}

int RunAsAsked(const engine::SetupOptions& options, int show_command) {
  if (options.log_file.empty()) {
    engine::NoStepLog none;
    return RunLogged(options, none, show_command);
  }
  std::unique_ptr<app::LogFile> log;
  try {
    log = std::make_unique<app::LogFile>(options.log_file);
  } catch (const Failure& failure) {
    if (!options.silent) app::HandleFailure(failure.what());
    return app::kExitBadArguments;
  }
  return log->Reported(RunLogged(options, *log, show_command), options.silent);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int show_command) {
  app::RestrictLibrarySearchToSystem();
  app::TrustOnlyAdministratorsJunctions();
  const bool com_ready = SUCCEEDED(CoInitialize(nullptr));
  int exit_code = 0;
  try {
    app::ApplicationWindow();
    LoadControlLibraries();
    exit_code = RunAsAsked(engine::ParseSetupOptions(arguments), show_command);
  } catch (const std::exception& failure) {
    exit_code = ReportBrokenStart(failure);
  }
  if (com_ready) CoUninitialize();
  return exit_code;
}
