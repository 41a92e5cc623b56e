#include "tests/support/child_process.h"

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments,
                           const std::string& folder) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string command = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
  started_ = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &process_) != 0;
}

ChildProcess::~ChildProcess() {
  if (!started_) return;
  if (IsRunning()) Kill();
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool ChildProcess::IsRunning() const {
  return started_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

int ChildProcess::WaitForExit(DWORD timeout_ms) {
  if (!started_ || WaitForSingleObject(process_.hProcess, timeout_ms) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

bool ChildProcess::Kill() {
  TerminateProcess(process_.hProcess, 99);
  return WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0;
}
