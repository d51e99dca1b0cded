#include "dialogs/RemoteHelpTexts.h"

#include <array>
#include <string_view>

namespace lenvari {
namespace {

constexpr std::array kLines = {
    RemoteHelpLine{1, "Image Gallery - Display thumbnails of images to select for patient display"},
    RemoteHelpLine{1, "Video - Launch preselected video file"},
    RemoteHelpLine{1, "Preset Gallery - DIsplay thumbnails of presets to select for patient display"},
    RemoteHelpLine{2, "Size - Increase (+) or decrease (-) letter size"},
    RemoteHelpLine{2, "Random - Randomize letters (true random))"},
    RemoteHelpLine{2, "Pseudo Random - Change to next predetermined letter set"},
    RemoteHelpLine{2, "Preset - Advance to the next memory preset (+) or back to the previous (-)"},
    RemoteHelpLine{3, "W4D - Display Worth four dot test"},
    RemoteHelpLine{3, "Clock - Display astigmatic clock dial"},
    RemoteHelpLine{3, "JCC - Display \"shower drain\" display for JCC testing"},
    RemoteHelpLine{3, "Disparity - Display fixation disparity target"},
    RemoteHelpLine{4, "Tumb E/C - Display/Toggle \"tumbling E\" and Landolt C optotypes"},
    RemoteHelpLine{4, "HOTV - Display Childrens HOTV optotype"},
    RemoteHelpLine{4, "Pictures - Display childrens optotype (Allen figures)"},
    RemoteHelpLine{4, "Letter Set - Change to next sequential optotype display"},
    RemoteHelpLine{5, "R/G - Apply Red/Green overlay"},
    RemoteHelpLine{5, "Gradient - Toggle between graded letter size and same letter size"},
    RemoteHelpLine{5, "Mask - Apply black mask around displayed letters or symbols"},
    RemoteHelpLine{5, "Pointer - Display and move pointer beneath a single line of letters"},
    RemoteHelpLine{6, "Strong - display strong light"},
    RemoteHelpLine{6, "Blank - clear screen to black"},
    RemoteHelpLine{6, "Arrow Buttons - increase or decrease number of rows or columns"},
    RemoteHelpLine{6, "_ - Display a single row of letters"},
    RemoteHelpLine{7, "Contrast - Increase (+) or decrease (-) contrast of letters"},
    RemoteHelpLine{7, ". (Center Button) - Display single letter"},
    RemoteHelpLine{8, "| - Display single column of letters"},
    RemoteHelpLine{8, "Full Open - display maximum allowed number of rows and columns"},
    RemoteHelpLine{9, "M1 - M12 - Display memory presets 1 - 12"},
};

struct Explanation {
  std::string_view heading;
  std::string_view text;
};

constexpr std::array kExplanations = {
    Explanation{"Image Gallery",
                "Pressing this button will display 36 thumbnail images that are available for "
                "patient education, marketing, fixation targets, or any other purpose where you "
                "would like to display an image on the patient monitor.\n\n"
                "Choose an image with the mouse, or move to it with the arrow keys of the "
                "keyboard or the remote and press the center key.\n\n"
                "Adding an image takes two steps: press Control+I and choose the image file, "
                "then choose the gallery position it goes to. Escape cancels."},
    Explanation{"Video",
                "Pressing this button will launch a video, primarily for the purpose of "
                "pediatric fixation. Press Video again to resume normal operation.\n\n"
                "The video is chosen in the configuration window. Set up the media player so "
                "that it opens on the patient monitor."},
    Explanation{"Preset Gallery",
                "Pressing this button will display thumbnail images representing the 36 memory "
                "presets. Choose one with the mouse or with the arrow keys.\n\n"
                "To save the current display as a preset, press Control+Y, or press and hold "
                "Image Gallery on the remote, then choose its place. M1 - M12 show the first 12 "
                "presets directly."},
    Explanation{"Size",
                "The Size button will increase (+) or decrease (-) the size of the optotypes "
                "displayed. This can also be used for most other functions, including JCC, "
                "Fixation Disparity, Worth Four Dot, and others. "},
    Explanation{"Random",
                "This button will randomize the letters or symbols currently displayed. Random "
                "draws truly random letters each time; Pseudo Random steps through "
                "predetermined sets instead.\n\n"
                "Pressing and holding Random starts Timed Random: the letters are randomized "
                "again and again at the Timer Delay set in the configuration, until another "
                "button is pressed."},
    Explanation{"Pseudo Random",
                "This button changes the letters or symbols currently displayed to a different "
                "predetermined set of letters."},
    Explanation{"Preset",
                "These buttons change the display to the next (+) or previous (-) of the 36 "
                "memory settings. After preset 36 the next one is preset 1, and before preset 1 "
                "the previous one is preset 36."},
    Explanation{"W4D",
                "This button will display a WORTH FOUR DOT target for binocular vision "
                "evaluation. Whether four dots or three are shown, and the initial size, are "
                "set in the configuration. Use the Size buttons to change the size."},
    Explanation{"Clock",
                "This button will display an ASTIGMATIC CLOCK DIAL target.  This can be "
                "displayed with or without clock hour labels, as set on the configuration "
                "screen. "},
    Explanation{"JCC",
                "This button will display a JACKSON CROSS CYLINDER (JCC) target or 'SHOWER "
                "DRAIN'.  The initial size of the display is set on the configuration screen. "
                "Once displayed, the size can be changed using the <Size> buttons."},
    Explanation{"Disparity",
                "This button will display a FIXATION DISPARITY Target. The colours of the "
                "patient's glasses, the fusion lock and the initial size are set in the "
                "configuration. Use the Size buttons to change the size."},
    Explanation{"Tumb E/C",
                "This button will display and toggle between TUMBLING E and LANDOLT C "
                "optotypes. "},
    Explanation{"HOTV",
                "This button will change the display to HOTV optotype for children and "
                "illiterate patients. "},
    Explanation{"Pictures",
                "This button will change the display to a PICTURES or ALLEN FIGURES optotype "
                "for children and illiterate patients. "},
    Explanation{"Letter Set",
                "Pressing this button will change to the next sequential letter set.\n\n"
                "1 - Sloan Letters, 5 letters per line, 3 pseudo-random sets\n"
                "2 - HOTV, 1 set only\n"
                "3 - 'Numbered' slide (e.g. 'OFLCT3' is the 20/30 line), 1 set only\n"
                "4 - ETDRS logMAR progression, 3 pseudo-random sets\n"
                "5 - Standard Snellen 'E' Chart (same letters as the traditional wall chart), 1 "
                "set only\n"
                "6 - ETDRS 'standard progression', 3 pseudo-random sets\n"
                "7 - Numbers, 2 pseudo-random sets\n"
                "8 - Pictures - Allen Figures for children, 6 pseudo-random sets\n"
                "9 - Sloan Letters, 5 letters per line, 5 pseudo-random sets\n"
                "10 - 'Just for Fun' messages, 5 pseudo-random sets\n\n"
                "The letters of each line can be edited: show the line at the top of the "
                "chart and press Control+E."},
    Explanation{"R/G",
                "This button will apply a RED/GREEN overlay to the current display. "},
    Explanation{"Gradient",
                "This button will toggle between graded letter presentation and same sized "
                "letters."},
    Explanation{"Mask",
                "This button will toggle a black mask around the letters currently displayed."},
    Explanation{"Pointer",
                "Pressing this button will change the display to a single line of letters with "
                "an arrow pointing at the first letter on the display. Press it again to move "
                "the pointer to the next letter; the left and right arrow buttons move it as "
                "well."},
    Explanation{"Strong",
                "This button displays a stong light, which is basically a white circle on a "
                "black background. Its initial size follows the current letter size; use the "
                "Size buttons to change it."},
    Explanation{"Blank",
                "This button clears the screen to black.  If you press another button, the "
                "program will resume its normal operation. "},
    Explanation{"_ (Row)",
                "This button closes the horizontal shutter to one line, and fully opens the "
                "vertical shutter, resulting in a single row of letters being displayed. "},
    Explanation{"| (Column)",
                "This button closes the vertical shutter, and fully opens the horizontal "
                "shutter, resulting in a single column of letters being displayed. "},
    Explanation{"Contrast",
                "These buttons increase or decrease the contrast of the display. The first "
                "decrease goes to the low-contrast level set in the configuration; further "
                "decreases step down through the levels 5%, 10%, 20%, 30%, 40%, 50%. Increasing "
                "past 50% returns to 100%."},
    Explanation{"Full Open",
                "This button fully opens the vertical and horizontal shutters. How many letters "
                "can be shown is limited by the current letter set."},
    Explanation{"Arrows",
                "These buttons are equivalent to the arrow keys on your computer keyboard and "
                "serve several purposes. Up and Down show more or fewer rows, Left and Right "
                "more or fewer columns; in the image and preset galleries they move the "
                "selection; while the pointer is shown, Left and Right move it along the line."},
    Explanation{"Center",
                "This button will close the vertical and horizontal shutters to display a "
                "single letter or symbol. It is also used to finalize selections from the image "
                "gallery and the preset gallery.  "},
    Explanation{"M1 - M12",
                "These buttons allow you to select any of the first twelve memory presets. "
                "Pressing and holding any of these buttons will save the current display in "
                "that memory location."},
};

}  // namespace

std::span<const RemoteHelpLine> RemoteHelpLines() { return kLines; }

std::string RemoteKeyExplanation(const std::string& heading) {
  for (const Explanation& explanation : kExplanations) {
    if (explanation.heading == heading) return std::string(explanation.text);
  }
  return "";
}

std::string RemoteKeyDetails(const std::string& heading) {
  return heading + "\n\n" + RemoteKeyExplanation(heading);
}

}  // namespace lenvari
