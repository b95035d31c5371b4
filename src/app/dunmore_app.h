#pragma once
// The application: checks that it may run, starts the platform services, reads the command
// line and runs either the window-less master build or the interactive editor. The whole
// run happens inside Run; when it returns, the process ends.

#include <QApplication>
#include <memory>
#include <string>

#include "platform/command_line.h"
#include "platform/fatal_error.h"
#include "platform/single_instance.h"

namespace torvale {

class CDunmoreApp {
 public:
  CDunmoreApp();
  CDunmoreApp(const CDunmoreApp&) = delete;
  CDunmoreApp& operator=(const CDunmoreApp&) = delete;
  ~CDunmoreApp();

  // Returns the process status (ExitStatus).
  int Run(int& argc, char** argv);

 private:
  // Shows a string-table message the way the current mode can: a box in the editor,
  // standard error in master mode.
  void Tell(int string_id) const;
  int RunInteractive(const CommandLineOptions& options);

  SingleInstanceLock instance_lock_;
  FatalErrorHandler fatal_;
  bool master_mode_ = false;
  // Only the interactive editor has a Qt application: master mode must run on machines
  // without a display.
  std::unique_ptr<QApplication> qt_;
};

}  // namespace torvale
