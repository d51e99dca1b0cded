#pragma once
// Pictures brought into the image slots: the examiner's file is decoded and written as a
// 24-bit Windows bitmap into the slot, reduced to the largest display's size when it is larger;
// the original is never touched.

#include <functional>
#include <string>

namespace lenvari {

struct State;

// Status codes of a conversion, as the platform's image library numbers them.
constexpr int kImageOk = 0;
constexpr int kImageWriteFailed = 7;
constexpr int kImageFileNotFound = 10;
constexpr int kImageUnknownFormat = 13;
constexpr int kImageNoEncoder = 17;

// Converts the image file `source` into a file of the MIME type `mimeType` at `target`
// (only "image/bmp" is written). Blank names do nothing and give 0. A source that cannot be
// decoded (missing, corrupt, unknown format) leaves `target` as it was, with `reason` telling
// why; the target is otherwise replaced whole or not at all. `print` receives the console's
// lines ("Encoder not installed"). With `maxWidth` and `maxHeight` above 0 a larger picture is
// reduced to fit them, its proportions kept.
int ConvertImageFile(const std::string& source, const std::string& target,
                     const std::string& mimeType,
                     const std::function<void(const std::string&)>& print = {}, int maxWidth = 0,
                     int maxHeight = 0, std::string* reason = nullptr);
int SaveAsBmp(const std::string& source, const std::string& target, int maxWidth = 0,
              int maxHeight = 0, std::string* reason = nullptr);

// The largest picture an image slot keeps: the size of the largest monitor, as nothing larger
// is ever shown.
void LargestDisplay(const State& state, int& width, int& height);

// What an import needs from the program around it.
struct AddImagesHost {
  std::function<void(const std::string& text, const std::string& title)> messageBox;
  std::function<std::string()> selectImage;  // the chosen file, "" when cancelled
  std::function<std::string()> chooseSlot;   // the image gallery in record mode: "1" or "27"
  std::function<void()> rebuildImageGallery;
};

inline constexpr const char* kAddImagesTitle = "Add Images";
inline constexpr const char* kAddImagesIntro =
    "Adding images to your image gallery is a two step process.  \\e\\e- First- Browse and "
    "select the file that you would like to add.  \\e\\e- Second - Select the location in the "
    "image gallery where you would like the file to appear.  \\e\\eImages are copied for use "
    "by Lenvari Acuity, and your original files are unchanged.";

// The two steps of an import: the file, then the slot (`ImageNum`). A cancelled file leaves
// the chosen slot as it was; Esc in the slot choice imports nothing. A picture that cannot be
// read is reported in a message box and leaves the slot as it was. The gallery is rebuilt
// unless the slot choice was left with Esc. Returns false after Esc.
bool AddImages(State& state, const AddImagesHost& host);

}  // namespace lenvari
