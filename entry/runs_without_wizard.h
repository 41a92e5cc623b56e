#pragma once
// Setup.exe asked on its command line to install without the wizard (/S) or to
// take the pack out again (/uninstall): the setup layer's runs, given this
// machine, its boxes and the folder the wizard would show.

#include "engine/step_log.h"
#include "platform/system.h"
#include "setup/person.h"
#include "setup/setup_options.h"

namespace entry {

// The player, asked and told in the application's boxes.
class BoxPerson : public setup::Person {
 public:
  bool Agrees(const std::string& question) override;
  void Tell(const std::string& text) override;
  void TellFailure(const std::string& message) override;
};

int RunSilentInstall(const setup::SetupOptions& options, platform::System& system,
                     engine::StepLog& log);

int RunRemoval(const setup::SetupOptions& options, platform::System& system, engine::StepLog& log);

}  // namespace entry
