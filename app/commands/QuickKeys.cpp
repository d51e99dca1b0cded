#include "app/commands/QuickKeys.h"

#include <functional>
#include <initializer_list>
#include <vector>

#include "app/loop/Clock.h"
#include "app/loop/ChartDisplay.h"
#include "app/commands/ChartModeKeys.h"
#include "app/commands/DisplayCommands.h"
#include "app/commands/ImageGalleryCommand.h"
#include "app/loop/InputLoop.h"
#include "app/commands/MemoryKeys.h"
#include "app/commands/MenuCommands.h"
#include "app/commands/ProgramCommands.h"
#include "app/commands/SettingsDump.h"
#include "app/commands/ShutterKeys.h"
#include "app/commands/SizeStepping.h"
#include "app/commands/SnellenEntry.h"
#include "app/commands/VideoCommands.h"
#include "platform/KeyTranslation.h"
#include "render/ContrastLadder.h"
#include "render/TargetSizeSearch.h"
#include "app/examiner/LetterLineEditor.h"
#include "store/SettingsFiles.h"

namespace lenvari {
namespace {

// What a row's action works on; the action may change the redraw decision of its row.
struct Pass {
  ProgramContext& context;
  const std::string& input;
  DispatchResult result;

  State& state() { return context.state; }
  ChartState& chart() { return context.state.chart; }
  LetterSets& letters() { return context.state.letters; }
  int monitor() const { return context.state.monitors.CurrentMonitor; }
  int file() const { return context.state.chart.LetterSetFileNum; }
  int MaxColumns() const {
    const int f = file();
    return f >= 0 && f <= kLetterSetFiles ? context.state.letters.MaxColumns[f] : 1;
  }
};

enum class Redraw { No, Yes };

struct QuickKeyRow {
  std::function<bool(const std::string&)> matches;
  Redraw redraw;
  std::function<void(Pass&)> action;
};

std::string Ext(int code) { return ExtendedKey(code); }
std::string Alt(char letter) { return ExtendedKey(AltLetterCode(letter)); }

std::function<bool(const std::string&)> Keys(std::initializer_list<std::string> keys) {
  std::vector<std::string> list(keys);
  return [list](const std::string& input) {
    for (const std::string& key : list)
      if (input == key) return true;
    return false;
  };
}

// The table in dispatch order: the first row whose keys match is carried out.
const std::vector<QuickKeyRow>& QuickKeyTable() {
  using namespace keycode;
  static const std::vector<QuickKeyRow> table = {
      {[](const std::string& in) { return RemoteStoreNumber(in) != 0; }, Redraw::Yes,
       [](Pass& p) {
         p.chart().CurrentMemory = RemoteStoreNumber(p.input);
         StoreCurrentMemory(p.context);
       }},
      {Keys({"MouseEvent"}), Redraw::No, [](Pass& p) { ChartClick(p.context); }},
      {Keys({CtrlKey('Q')}), Redraw::No, [](Pass& p) { ExitConfirmation(p.context); }},
      {Keys({"x"}), Redraw::Yes, [](Pass& p) { ImageKey(p.chart()); }},
      {Keys({"s", Alt('S')}), Redraw::Yes,
       [](Pass& p) {
         ToggleLowContrast(p.chart(), p.state().settings.AccessibleContrast[p.monitor()]);
       }},
      {Keys({"["}), Redraw::Yes,
       [](Pass& p) {
         LowerContrast(p.chart(), p.state().settings.AccessibleContrast[p.monitor()]);
       }},
      {Keys({"]"}), Redraw::Yes, [](Pass& p) { HigherContrast(p.chart()); }},
      {Keys({"p", Alt('P')}), Redraw::Yes, [](Pass& p) { PictureOptotypes(p.chart()); }},
      {Keys({"^"}), Redraw::Yes, [](Pass& p) { OptotypeCycle(p.chart()); }},
      {Keys({"y", Alt('Y')}), Redraw::Yes, [](Pass& p) { PresetGalleryRecall(p.context); }},
      {Keys({CtrlKey('Y')}), Redraw::Yes, [](Pass& p) { PresetGalleryStore(p.context); }},
      {Keys({"d", Alt('D')}), Redraw::Yes, [](Pass& p) { p.chart().Mode = ChartMode::Disparity; }},
      {Keys({"*"}), Redraw::Yes, [](Pass& p) { p.chart().Mode = ChartMode::StrongLight; }},
      {Keys({"w", Alt('W')}), Redraw::Yes,
       [](Pass& p) {
         p.chart().Mode = ChartMode::WorthDot;
         SearchTargetSize(p.chart(), p.letters(), p.state().settings.WorthDotSize[p.monitor()]);
       }},
      {Keys({"a"}), Redraw::No,
       [](Pass& p) { p.result.redraw = AstigmaticDialKey(p.context); }},
      {Keys({"z", Alt('Z')}), Redraw::No, [](Pass& p) { SleepMode(p.context); }},
      {Keys({"c"}), Redraw::Yes, [](Pass& p) { p.chart().Mode = ChartMode::LandoltC; }},
      {Keys({"e", Alt('E')}), Redraw::Yes, [](Pass& p) { TumblingEKey(p.chart()); }},
      {Keys({"l", Alt('L')}), Redraw::Yes,
       [](Pass& p) { LetterSetFileKey(p.chart(), p.letters()); }},
      {Keys({CtrlKey('C')}), Redraw::No, [](Pass& p) { ConfigurationKey(p.context); }},
      {Keys({CtrlKey('A')}), Redraw::No, [](Pass& p) { NextPatientMonitor(p.context); }},
      {Keys({CtrlKey('O')}), Redraw::No, [](Pass& p) { OpenRemoteSupport(p.context); }},
      {Keys({"+"}), Redraw::Yes, [](Pass& p) { SizeUp(p.chart(), p.letters()); }},
      {Keys({"-"}), Redraw::Yes, [](Pass& p) { SizeDown(p.chart(), p.letters()); }},
      {Keys({Ext(PgUp)}), Redraw::Yes, [](Pass& p) { SizeUpByRows(p.chart(), p.letters()); }},
      {Keys({Ext(PgDn)}), Redraw::Yes,
       [](Pass& p) { SizeDownByRows(p.chart(), p.letters()); }},
      {Keys({"t"}), Redraw::Yes,
       [](Pass& p) {
         p.chart().TimedRandom = 1;
         p.chart().TimedRandomStart = SecondsSinceMidnight();
         p.chart().RandomFlag = 1;
       }},
      {Keys({" "}), Redraw::Yes, [](Pass& p) { NextLine(p.chart(), p.letters()); }},
      {Keys({"/"}), Redraw::Yes,
       [](Pass& p) {
         p.chart().VShutter = kAllOpen;
         p.chart().HShutter = 1;
       }},
      {Keys({"v", Alt('V')}), Redraw::No, [](Pass& p) { PlaySelectedVideo(p.context); }},
      {Keys({CtrlKey('V')}), Redraw::No, [](Pass& p) { SelectVideoKey(p.context); }},
      {Keys({"=", Ext(End)}), Redraw::Yes,
       [](Pass& p) {
         p.chart().VShutter = 1;
         p.chart().HShutter = kAllOpen;
       }},
      {Keys({"."}), Redraw::Yes,
       [](Pass& p) {
         p.chart().VShutter = 1;
         p.chart().HShutter = 1;
       }},
      {Keys({"|"}), Redraw::Yes,
       [](Pass& p) {
         p.chart().VShutter = kAllOpen;
         p.chart().HShutter = kAllOpen;
       }},
      {Keys({Ext(Down), "@"}), Redraw::Yes,
       [](Pass& p) {
         FewerRows(p.chart(), p.context.inputWait.AltDown,
                   p.state().settings.MaxVShutter[p.monitor()]);
       }},
      {Keys({Ext(AltUp)}), Redraw::Yes, [](Pass& p) { p.chart().VShutter = kAllOpen; }},
      {Keys({Ext(AltDown)}), Redraw::Yes, [](Pass& p) { p.chart().VShutter = 1; }},
      {Keys({Ext(Home)}), Redraw::Yes,
       [](Pass& p) {
         p.chart().VShutter = kAllOpen;
         p.chart().HShutter = kAllOpen;
       }},
      {Keys({"b", Alt('B')}), Redraw::Yes, [](Pass& p) { Toggle(p.chart().RG); }},
      {Keys({Ext(Up), "!"}), Redraw::Yes,
       [](Pass& p) { MoreRows(p.chart(), p.letters(), p.context.inputWait.AltDown); }},
      {Keys({"g", Alt('G')}), Redraw::Yes,
       [](Pass& p) {
         Toggle(p.chart().Grad);
         LeaveCustomSizeUpward(p.chart(), p.letters());
       }},
      {Keys({"h"}), Redraw::Yes, [](Pass& p) { HotvKey(p.chart()); }},
      {Keys({"m", Alt('M')}), Redraw::Yes, [](Pass& p) { Toggle(p.chart().Mask); }},
      {Keys({Ext(Right), "$"}), Redraw::Yes,
       [](Pass& p) {
         MoreColumns(p.chart(), p.context.inputWait.AltDown, p.MaxColumns(),
                     p.state().settings.Mirror[p.monitor()]);
       }},
      {Keys({Ext(Left), "#"}), Redraw::Yes,
       [](Pass& p) {
         FewerColumns(p.chart(), p.context.inputWait.AltDown, p.MaxColumns(),
                      p.state().settings.Mirror[p.monitor()]);
       }},
      {Keys({"u"}), Redraw::No, [](Pass& p) { PointerCommand(p.context); }},
      {Keys({"q"}), Redraw::No,
       [](Pass& p) {
         QuickKeyListKey(p.context);
         p.result.endPass = true;
       }},
      {Keys({"r"}), Redraw::Yes, [](Pass& p) { p.chart().RandomFlag = 1; }},
      {Keys({"i"}), Redraw::Yes,
       [](Pass& p) {
         OpenImageGallery(p.context);
         p.chart().Mode = ChartMode::Image;
       }},
      {Keys({"\t"}), Redraw::Yes,
       [](Pass& p) {
         AddGalleryImages(p.context);
         p.chart().Mode = ChartMode::Image;
         p.context.console.BringToFront();
       }},
      {Keys({"j", Alt('J')}), Redraw::Yes,
       [](Pass& p) {
         p.chart().Mode = ChartMode::JacksonCross;
         SearchTargetSize(p.chart(), p.letters(),
                          p.state().settings.JacksonCrossTargetSize[p.monitor()]);
       }},
      // One capital letter only: JustOneLetter shows a single optotype.
      {[](const std::string& in) { return in.size() == 1 && in[0] >= 'A' && in[0] <= 'Z'; },
       Redraw::Yes, [](Pass& p) { SingleLetter(p.chart(), p.input); }},
      // Compared as text, as the keyboard buffer may hold more than one key.
      {[](const std::string& in) { return in >= "0" && in <= "9"; }, Redraw::No,
       [](Pass& p) { DirectSnellenEntry(p.context, p.input); }},
      {IsMemoryKey, Redraw::Yes, [](Pass& p) { MemoryKey(p.context, p.input); }},
      {Keys({kEnterKey}), Redraw::Yes, [](Pass& p) { NextMemory(p.context); }},
      {Keys({"'", "\b"}), Redraw::Yes, [](Pass& p) { PreviousMemory(p.context); }},
      {Keys({CtrlKey('R')}), Redraw::Yes, [](Pass& p) { MirrorKey(p.context); }},
      {Keys({CtrlKey('W')}), Redraw::No, [](Pass& p) { ShowSettingsDump(p.context); }},
      {Keys({CtrlKey('E')}), Redraw::No,
       [](Pass& p) {
         ProgramContext& context = p.context;
         EditLetterLine(context.state.letters, context.state.chart, context.state.DataPath,
                        context.console, [&context] { DrawChartFrame(context); },
                        &context.state.saveFailures);
       }},
      {Keys({CtrlKey('Z')}), Redraw::No, [](Pass& p) { ExportKey(p.context); }},
      {Keys({"k"}), Redraw::No, [](Pass& p) { p.result.redraw = MonitorWindowKey(p.context); }},
      {IsMenuCommandInput, Redraw::No,
       [](Pass& p) { p.result.redraw = RunMenuCommand(p.context, p.input); }},
  };
  return table;
}

}  // namespace

DispatchResult DispatchQuickKey(ProgramContext& context, const std::string& input) {
  for (const QuickKeyRow& row : QuickKeyTable()) {
    if (!row.matches(input)) continue;
    Pass pass{context, input, {}};
    pass.result.redraw = row.redraw == Redraw::Yes;
    row.action(pass);
    return pass.result;
  }
  return {};
}

}  // namespace lenvari
