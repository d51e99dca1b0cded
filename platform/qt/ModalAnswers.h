#pragma once
// Writes every modal window that appears as one line "[Title] text" on standard output and,
// in a non-interactive run, answers it through its real widgets: an answer that is the caption
// of a button, radio button or check box (for a picture button, its accessible name) clicks it
// (a check box toggles); "caption=value" chooses the item whose text is value in the list
// captioned caption, types value into the edit box captioned caption or moves the track bar
// captioned caption to value; "?N" clicks the window's N-th help button ("?", counted from 1 in
// the order the buttons were made); a file chooser is answered by the path of the file to
// choose (an empty answer or "Cancel" cancels it); any other answer is typed into the window's
// text field before its OK (default) button is pressed. Answers keep going to an open dialog
// until one of them closes it. Without an answer left, a message box takes its default button
// and any other dialog is cancelled.

#include <deque>
#include <memory>
#include <string>

namespace lenvari {

class ModalAnswers {
 public:
  // With `answering` false the windows are only written out, never answered.
  ModalAnswers(std::deque<std::string> answers, bool answering);
  ~ModalAnswers();
  ModalAnswers(const ModalAnswers&) = delete;
  ModalAnswers& operator=(const ModalAnswers&) = delete;

  size_t AnswersLeft() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Splits "A;B;C" into its answers.
std::deque<std::string> SplitAnswers(const std::string& text);

}  // namespace lenvari
