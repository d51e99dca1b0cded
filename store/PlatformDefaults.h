#pragma once
// Settings defaults that depend on the machine the program runs on.

#include <string>

namespace lenvari {

// The video shown by the video command until the examiner picks another: on Windows the
// installed program folder's "lenvarivideo.mp4" (under "C:\Program Files (x86)" when that
// folder exists); elsewhere "lenvarivideo.mp4" in the program's own folder.
std::string DefaultSelectedVideo();

// The program that plays videos: the system's media player on Windows; elsewhere empty, so the
// default handler for the file plays it.
std::string DefaultVideoPlayer();

}  // namespace lenvari
