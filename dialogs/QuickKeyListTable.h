#pragma once
// The contents of the quick-key reference card: every key and what it does, by group, in the
// order the card shows them (the left column top to bottom, then the right column). Plain
// data with no dependencies, so a documentation generator can print the same table.

namespace lenvari {

struct QuickKeyListLine {
  int column;               // 0: left, 1: right
  const char* group;        // the group frame's caption, blanks included
  const char* key;
  const char* description;
};

inline constexpr QuickKeyListLine kQuickKeyListLines[] = {
    {0, " Shutter Control ", "Up or Down Arrow Keys", "Increase or decrease number of rows"},
    {0, " Shutter Control ", "Left or Right Arrow Keys", "Increase or decrease number of columns"},
    {0, " Shutter Control ", "=", "Display single Row"},
    {0, " Shutter Control ", "/", "Display single Column"},
    {0, " Shutter Control ", ". (period)", "Display Single Letter"},
    {0, " Shutter Control ", "m", "Toggle Mask Mode"},
    {0, " Shutter Control ", "<Alt> + Arrow Keys", "Fully Open or Close Respective Shutter"},
    {0, " Shutter Control ", "z", "Sleep Mode (zzz - blank screen)"},
    {0, " Size Control ", "+  or  - ", "Increase or decrease size of optotype"},
    {0, " Size Control ", "1 - 0 (number keys)", "Enter Snellen Denominator"},
    {0, " Size Control ", "Page Up or Page Down", "Increase or Decrease Optotype Size"},
    {0, " Size Control ", "g", "Toggle Gradient Mode"},
    {0, " Optotype Control ", "l", "Change to Next Sequential Slide Set (0-9)"},
    {0, " Optotype Control ", "e", "Tumbling E"},
    {0, " Optotype Control ", "c", "Landolt C"},
    {0, " Optotype Control ", "p", "Picture Optotype (Allen Figures)"},
    {0, " Optotype Control ", "h", "HOTV Optotype"},
    {0, " Optotype Control ", "r", "Randomize (true random)"},
    {0, " Optotype Control ", "<Spacebar>", "Next Optotype Subset (pseudo-random)"},
    {0, " Optotype Control ", "Capital Letter (A-Z)", "Display Selected Letter"},
    {0, " Optotype Control ", "<Ctrl>+e", "Edit Current (top) Line of Letters"},
    {1, " Memory Functions ", "<F1> - <F12>", "Recall Memory Setting (1-12)"},
    {1, " Memory Functions ", "y", "Recall Memory with GallerY view (1-36)"},
    {1, " Memory Functions ", "<Ctrl> + y", "Save Memory with GallerY view (1-36)"},
    {1, " Memory Functions ", "<Enter>", "Next Memory Setting"},
    {1, " Memory Functions ", "<Backspace>", "Previous Memory Setting"},
    {1, " Special Tests ", "a", "Astigmatic Clock Dial"},
    {1, " Special Tests ", "b", "Toggle Red/Green Overlay (Balance)"},
    {1, " Special Tests ", "d", "Fixation Disparity"},
    {1, " Special Tests ", "j", "JCC Target (Shower Drain)"},
    {1, " Special Tests ", "u", "Pointer (Under Letters)"},
    {1, " Special Tests ", "s", "Contrast Sensitivity"},
    {1, " Special Tests ", "t", "Timed Randomize"},
    {1, " Special Tests ", " [   or   ] ", "Increase or Decrease Contrast"},
    {1, " Special Tests ", "*", "Strong Light"},
    {1, " Multimedia ", "v", "Play Selected Video"},
    {1, " Multimedia ", "<Ctrl> + v", "Select Video"},
    {1, " Multimedia ", "i", "Image Gallery"},
    {1, " Multimedia ", "<Ctrl> + i", "Add Image to Gallery"},
    {1, " Program Control ", "k", "Show or Hide Monitor Window (\"Kopy\")"},
    {1, " Program Control ", "q", "Display Quick-Key List"},
    {1, " Program Control ", "<Ctrl> + q", "Exit Program"},
    {1, " Program Control ", "<Ctrl> + c", "Configuration"},
};

}  // namespace lenvari
