#include "app/examiner/AboutBox.h"

#include "app/loop/Clock.h"

namespace lenvari {
namespace {

constexpr double kShownSeconds = 3;

}  // namespace

std::string AboutText(const std::string& version) {
  return "\\tLenvari Acuity -  Vision Testing Software  \\n\\n"
         "\\tVersion " + version + "\\n\\n";
}

void ShowAboutBox(ProgramContext& context) {
  const std::string keys = context.console.TakeKeys();
  if (!keys.empty() && keys[0] == ' ') return;
  context.console.SplashBoxShow(AboutText(context.state.Version));
  if (context.script.active) {
    context.console.SplashBoxHide();
    return;
  }
  context.notices.aboutBoxHideAt = MonotonicSeconds() + kShownSeconds;
}

void HideAboutBoxWhenDue(ProgramContext& context, bool inputArrived) {
  if (!context.notices.aboutBoxHideAt) return;
  if (!inputArrived && MonotonicSeconds() < *context.notices.aboutBoxHideAt) return;
  HideAboutBox(context);
}

void HideAboutBox(ProgramContext& context) {
  if (!context.notices.aboutBoxHideAt) return;
  context.notices.aboutBoxHideAt.reset();
  context.console.SplashBoxHide();
}

}  // namespace lenvari
