#pragma once
// Another program started from a test, ended when this object goes if it is
// still running. Windows only.

#include <windows.h>

#include <string>

class ChildProcess {
 public:
  // Starts program (its path quoted, then arguments) in folder (empty: ours).
  ChildProcess(const std::string& program, const std::string& arguments = "",
               const std::string& folder = "");
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return started_; }
  DWORD Id() const { return process_.dwProcessId; }
  HANDLE Handle() const { return process_.hProcess; }
  HANDLE MainThread() const { return process_.hThread; }
  bool IsRunning() const;
  // Waits for it to end: its exit code, or -1 if it runs on after timeout_ms.
  int WaitForExit(DWORD timeout_ms);
  // Ends it at once, as a crash or the task manager does; true once it is gone.
  bool Kill();

 private:
  bool started_;
  PROCESS_INFORMATION process_ = {};
};
