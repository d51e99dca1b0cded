#pragma once
// Settings defaults that depend on the machine the program runs on.

#include <string>

namespace lenvari {

// The video shown by the video command until the examiner picks another: on Windows the
// installed program folder's "lenvarivideo.mp4" (under "C:\Program Files (x86)" when that
// folder exists). Elsewhere "lenvarivideo.mp4" in the installation's data folder
// (PREFIX/share/lenvari-acuity beside PREFIX/bin) when a video was put there, otherwise empty:
// a build folder is never a place to look for one, and empty makes the video command say that
// none is selected.
std::string DefaultSelectedVideo();

#ifndef _WIN32
// The same for a program in `programFolder` (PREFIX/bin).
std::string DefaultSelectedVideoBeside(const std::string& programFolder);
#endif

// The program that plays videos: the system's media player on Windows; elsewhere empty, so the
// default handler for the file plays it.
std::string DefaultVideoPlayer();

}  // namespace lenvari
