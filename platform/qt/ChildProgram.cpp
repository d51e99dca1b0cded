#include <QProcess>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <unistd.h>
#endif
#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/qt/VideoPlayer.h"

namespace lenvari {

struct ChildProgram::Impl {
  QProcess process;
#ifdef _WIN32
  // Windows has no process groups: a job that ends its processes when its handle closes holds
  // the player and whatever it starts in turn.
  HANDLE job = nullptr;
  void CloseJob() {
    if (job) ::CloseHandle(job);
    job = nullptr;
  }
#endif
};

ChildProgram::ChildProgram() : impl_(std::make_unique<Impl>()) {
#ifdef Q_OS_UNIX
  // A group of its own, so that ending it also ends whatever it started (a script that runs
  // the real player, for one).
  impl_->process.setChildProcessModifier([] { setpgid(0, 0); });
#endif
}

ChildProgram::~ChildProgram() { End(0); }

bool ChildProgram::Start(const std::string& program, const std::vector<std::string>& arguments,
                         std::string& error) {
  End(0);
  QStringList list;
  for (const std::string& argument : arguments) list << QString::fromStdString(argument);
  impl_->process.setProcessChannelMode(QProcess::ForwardedChannels);
  impl_->process.start(QString::fromStdString(program), list);
  if (!impl_->process.waitForStarted(5000)) {
    error = impl_->process.errorString().toStdString();
    return false;
  }
#ifdef _WIN32
  impl_->job = ::CreateJobObjectW(nullptr, nullptr);
  if (impl_->job) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ::SetInformationJobObject(impl_->job, JobObjectExtendedLimitInformation, &limits,
                              sizeof limits);
    HANDLE process = ::OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE,
                                   static_cast<DWORD>(impl_->process.processId()));
    if (!process || !::AssignProcessToJobObject(impl_->job, process)) impl_->CloseJob();
    if (process) ::CloseHandle(process);
  }
#endif
  return true;
}

void ChildProgram::End(int graceMilliseconds) {
  QProcess& p = impl_->process;
  if (p.state() == QProcess::NotRunning) {
#ifdef _WIN32
    impl_->CloseJob();  // what the player started lives on in the job otherwise
#endif
    return;
  }
#ifdef Q_OS_UNIX
  const pid_t group = static_cast<pid_t>(p.processId());
  if (group > 0) ::kill(-group, SIGTERM);
#else
  p.terminate();
#endif
  if (graceMilliseconds <= 0 || !p.waitForFinished(graceMilliseconds)) {
#ifdef Q_OS_UNIX
    if (group > 0) ::kill(-group, SIGKILL);
#endif
    p.kill();
    p.waitForFinished(2000);
  }
#ifdef Q_OS_UNIX
  // Whatever the program left behind in its group ends with it.
  if (group > 0) ::kill(-group, SIGKILL);
#endif
#ifdef _WIN32
  impl_->CloseJob();
#endif
}

bool ChildProgram::Running() const { return impl_->process.state() != QProcess::NotRunning; }

}  // namespace lenvari
