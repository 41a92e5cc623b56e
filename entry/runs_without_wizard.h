#pragma once
// Setup.exe asked on its command line to install without the wizard (/S) or to
// take the pack out again (/uninstall): the setup layer's runs, given this
// machine, its boxes and the folder the wizard would show.

#include "engine/step_log.h"
#include "platform/system.h"
#include "setup/setup_options.h"

namespace entry {

int RunSilentInstall(const setup::SetupOptions& options, platform::System& system,
                     engine::StepLog& log);

int RunRemoval(const setup::SetupOptions& options, platform::System& system, engine::StepLog& log);

}  // namespace entry
