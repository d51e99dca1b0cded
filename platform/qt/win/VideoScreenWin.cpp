// Video on Windows: no decoder is built into the program there, so the file is opened with the
// program Windows has for it, and that program is ended at the next input as the own window
// is elsewhere.

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QString>
#include <QWindow>

#include <algorithm>

#include <windows.h>
#include <shellapi.h>

#include "platform/qt/VideoPlayer.h"

namespace lenvari {

struct VideoScreen::Impl {
  HANDLE process = nullptr;  // null also when the file's program handed it to a running one
  int left = 0, top = 0, width = 0, height = 0;

  void Release() {
    if (!process) return;
    ::TerminateProcess(process, 0);
    ::WaitForSingleObject(process, 2000);
    ::CloseHandle(process);
    process = nullptr;
  }
};

VideoScreen::VideoScreen() : impl_(std::make_unique<Impl>()) {}

VideoScreen::~VideoScreen() { impl_->Release(); }

bool VideoScreen::Play(const std::string& path, int left, int top, int width, int height,
                       CanvasWindow*, std::string& error) {
  impl_->Release();
  impl_->left = left, impl_->top = top, impl_->width = width, impl_->height = height;
  QWindow* inputWindow = QGuiApplication::focusWindow();
  const std::wstring file = QString::fromStdString(path).toStdWString();
  SHELLEXECUTEINFOW start{};
  start.cbSize = sizeof start;
  start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  start.lpVerb = L"open";
  start.lpFile = file.c_str();
  start.nShow = SW_SHOWMAXIMIZED;
  if (!::ShellExecuteExW(&start)) {
    const DWORD code = ::GetLastError();
    error = code == ERROR_NO_ASSOCIATION
                ? "Windows has no program that opens this kind of file."
                : "The file could not be opened (Windows error " + std::to_string(code) + ").";
    return false;
  }
  impl_->process = start.hProcess;
  if (impl_->process) ::WaitForInputIdle(impl_->process, 3000);
  // The next key ends the video: it has to reach this program, not the player.
  if (inputWindow) inputWindow->requestActivate();
  return true;
}

void VideoScreen::Stop() { impl_->Release(); }

int VideoScreen::FramesShown() const { return 0; }

void VideoScreen::ActualGeometry(int& left, int& top, int& width, int& height) const {
  left = impl_->left, top = impl_->top, width = impl_->width, height = impl_->height;
}

bool VideoScreen::SaveShot(const std::string& pngPath) const {
  // What the monitor shows where the video plays; black where the screen cannot be read.
  QImage shot;
  if (QScreen* screen = QGuiApplication::primaryScreen())
    shot = screen->grabWindow(0, impl_->left, impl_->top, impl_->width, impl_->height).toImage();
  if (shot.isNull()) {
    shot = QImage(std::max(1, impl_->width), std::max(1, impl_->height), QImage::Format_RGB32);
    shot.fill(Qt::black);
  }
  return shot.save(QString::fromStdString(pngPath), "PNG");
}

}  // namespace lenvari
