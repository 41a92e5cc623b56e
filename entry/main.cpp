// Zelmora Setup: the program entry.

#include <windows.h>
// The rest build on windows.h.
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <typeinfo>

#include "app/application_window.h"
#include "app/error_handler.h"
#include "app/message_services.h"
#include "app/redirection_trust.h"
#include "app/system_libraries.h"
#include "base/failure.h"
#include "base/messages.h"
#include "base/text_routines.h"
#include "base/type_names.h"
#include "entry/runs_without_wizard.h"
#include "platform/system_win32.h"
#include "setup/exit_codes.h"
#include "setup/log_file.h"
#include "setup/setup_options.h"
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

// The last resort when the window itself cannot be built: a task-modal box.
void ReportBrokenStart(const std::exception& failure) {
  char program[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  const char* name = strrchr(program, '\\') ? strrchr(program, '\\') + 1 : program;
  const std::string message = failure.what();
  const std::string kind = ReadableTypeName(typeid(failure).name());
  const bool period = !message.empty() && message.back() != '.';
  char text[1024];
  std::snprintf(text, sizeof text, messages::kBrokenStart, kind.c_str(), name,
                static_cast<void*>(GetModuleHandleA(nullptr)), message.c_str(), period ? "." : "");
  MessageBoxA(nullptr, text, messages::kBrokenStartCaption, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
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

int RunWizard(platform::System& system, engine::StepLog& log, int show_command) {
  wizard::TForm1 form(system, log);
  form.Show(ShowCommandFor(show_command));
  return RunMessageLoop(form);
}

// The wizard, or what the command line asks for instead.
int RunAsAsked(const setup::SetupOptions& options, platform::System& system, engine::StepLog& log,
               int show_command) {
  if (!options.refusal.empty()) {
    log.Write(FillIn(messages::kLogFailed, {FormatInt(setup::kExitBadArguments), options.refusal}));
    if (!options.silent) app::HandleFailure(options.refusal);
    return setup::kExitBadArguments;
  }
  if (options.uninstall) return entry::RunRemoval(options, system, log);
  if (options.silent) return entry::RunSilentInstall(options, system, log);
  return RunWizard(system, log, show_command);
}

// The log asked for with /LOG=; false, told, where it cannot be written.
bool OpenLog(const setup::SetupOptions& options, platform::System& system,
             std::unique_ptr<setup::LogFile>& log_file) {
  try {
    if (!options.log_file.empty())
      log_file = std::make_unique<setup::LogFile>(system, options.log_file);
    return true;
  } catch (const Failure& failure) {
    if (!options.silent) app::HandleFailure(failure.what());
    return false;
  }
}

// A run that cannot start or go on (a system library missing, memory run out):
// its line in the log, a box only where a player watches.
int EndBrokenRun(const setup::SetupOptions& options, engine::StepLog& log,
                 const std::exception& failure) {
  log.Write(FillIn(messages::kLogFailed, {FormatInt(setup::kExitBrokenStart), failure.what()}));
  if (!options.silent) ReportBrokenStart(failure);
  return setup::kExitBrokenStart;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int show_command) {
  app::RestrictLibrarySearchToSystem();
  app::TrustOnlyAdministratorsJunctions();
  // Read before anything else may fail: under /S nothing may wait for a person.
  setup::SetupOptions options;
  engine::NoStepLog no_log;
  try {
    options = setup::ParseSetupOptions(arguments);
  } catch (...) {
    // Memory ran out reading them: whether a person watches is unknown, so no box.
    return setup::kExitBrokenStart;
  }
  platform::Win32System system;
  std::unique_ptr<setup::LogFile> log_file;
  const auto log = [&]() -> engine::StepLog& {
    return log_file ? static_cast<engine::StepLog&>(*log_file) : no_log;
  };
  const bool com_ready = SUCCEEDED(CoInitialize(nullptr));
  int exit_code = 0;
  try {
    app::ApplicationWindow();
    LoadControlLibraries();
    exit_code = OpenLog(options, system, log_file)
                    ? RunAsAsked(options, system, log(), show_command)
                    : setup::kExitBadArguments;
  } catch (const std::exception& failure) {
    exit_code = EndBrokenRun(options, log(), failure);
  }
  entry::BoxPerson player;
  if (log_file) exit_code = log_file->Reported(exit_code, options.silent ? nullptr : &player);
  if (com_ready) CoUninitialize();
  return exit_code;
}
